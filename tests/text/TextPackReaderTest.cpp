// The generated content pack read through the game's own readers.
#include <gtest/gtest.h>

#include <filesystem>

#include "text/GameTextIds.h"
#include "text/GlobalGameText.h"
#include "text/SettingLoader.h"
#include "text/TextStrings.h"

namespace qm {
namespace {

const std::filesystem::path kTexts = std::filesystem::path(QUILLMERE_GAME_DIR) / TextsFolderName;

TEST(TextPackReader, EveryTableLoadsWithAllItsEntries) {
  const TTextStrings texts(kTexts);
  for (const TTextTableFile& f : TextTableFiles()) EXPECT_EQ(texts.Count(f.Table), f.WrittenLines()) << f.FileName;
  EXPECT_FALSE(texts.Text(ttGameTexts, GameTextId::WindowTitle).empty());
  EXPECT_FALSE(texts.Text(ttCredits, 1).empty());
}

TEST(TextPackReader, SettingsLoadAsUsEnglishWithTheAnsiCharSet) {
  const TSettingLoader settings(kTexts);
  EXPECT_EQ(settings.Language(), laUS);
  EXPECT_EQ(settings.CharSet(), 0);
  EXPECT_EQ(settings.SmallFontSize(), 10);
  EXPECT_EQ(settings.MediumFontSize(), 12);
  EXPECT_EQ(settings.LargeFontSize(), 20);
}

TEST(TextPackReader, EveryConfirmDescriptionFitsThreeLinesOfTheWindow) {
  const TTextStrings texts(kTexts);
  for (int kind = 0; kind <= 8; ++kind) {
    const std::string& desc = texts.Text(ttGameConfirms, ConfirmTextId::DescOfKind(kind));
    ASSERT_FALSE(desc.empty()) << kind;
    EXPECT_EQ(WrapLine(fkAirstripNormal, desc, -1, 4, 360, 0.55f), "") << kind;
    EXPECT_FALSE(WrapLine(fkAirstripNormal, desc, -1, 1, 360, 0.55f).empty()) << kind;
  }
}

}  // namespace
}  // namespace qm
