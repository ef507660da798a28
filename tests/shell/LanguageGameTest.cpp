// The game reads its words in --lang's language, else the one the player
// chose, else the desktop's.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "shell/HeadlessGame.h"
#include "text/GameTextIds.h"

namespace qm {
namespace {

using testing::THeadlessGame;

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

TEST(LanguageOfARun, ComesFromTheRunThenTheChoiceThenTheDesktop) {
  const struct {
    const char* Case;
    const char* Chosen;  // Language.txt in the save folder, if any
    std::optional<TLanguage> Asked;
    TLanguage Desktop, Spoken;
  } cases[] = {
      {"the desktop's before any choice", nullptr, std::nullopt, lnFrench, lnFrench},
      {"the player's choice over the desktop's", "de\n", std::nullopt, lnFrench, lnGerman},
      {"--lang over the choice", "de\n", lnEnglish, lnFrench, lnEnglish},
      {"a spoilt choice is none", "??\n", std::nullopt, lnGerman, lnGerman},
  };
  for (const auto& c : cases) {
    THeadlessGame game;
    const std::filesystem::path texts = game.Root() / "program" / "Texts";
    WriteFile(texts / "de" / "GameTexts.txt", "Quillmere auf Deutsch\r\n");
    WriteFile(texts / "fr" / "GameTexts.txt", "Quillmere en fran\xE7" "ais\r\n");
    if (c.Chosen) WriteFile(game.SaveFolder() / "Language.txt", c.Chosen);
    game.Form().LanguageForThisRun(c.Asked, c.Desktop);
    game.Start();
    EXPECT_EQ(game.Form().Language(), c.Spoken) << c.Case;
    const char* titles[] = {"Quillmere", "Quillmere auf Deutsch", "Quillmere en fran\xE7" "ais"};
    EXPECT_EQ(game.Form().TextStrings->Text(ttGameTexts, GameTextId::WindowTitle), titles[c.Spoken]) << c.Case;
  }
}

}  // namespace
}  // namespace qm
