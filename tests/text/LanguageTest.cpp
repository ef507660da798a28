// The language the game speaks: the desktop's until the player chooses,
// each line in that language where its table has it, English elsewhere.
#include "text/Language.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "progress/LanguageSetting.h"
#include "text/Placeholders.h"
#include "text/TextFolder.h"
#include "text/TextStrings.h"

namespace qm {
namespace {

using testing_support::TTextFolder;

TEST(DesktopLanguage, ComesFromTheFirstLocaleVariableSet) {
  const struct {
    const char *All, *Messages, *Lang;
    TLanguage Spoken;
  } cases[] = {
      {nullptr, nullptr, "de_DE.UTF-8", lnGerman},
      {nullptr, nullptr, "fr_CA", lnFrench},
      {nullptr, nullptr, "fr", lnFrench},
      {"de_AT@euro", "fr_FR.UTF-8", "en_GB", lnGerman},
      {"", "fr_FR.UTF-8", "de_DE", lnFrench},
      {"C", "fr_FR", "de_DE", lnEnglish},
      {nullptr, nullptr, "es_ES.UTF-8", lnEnglish},
      {nullptr, nullptr, "POSIX", lnEnglish},
      {nullptr, nullptr, nullptr, lnEnglish},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DesktopLanguage(c.All, c.Messages, c.Lang), c.Spoken)
        << (c.All ? c.All : "-") << " " << (c.Messages ? c.Messages : "-") << " " << (c.Lang ? c.Lang : "-");
}

TEST(LanguageCodes, NameEveryLanguageAndNothingElse) {
  for (TLanguage language : kLanguages) EXPECT_EQ(LanguageNamed(LanguageCode(language)), language);
  for (const char* code : {"", "DE", "de_DE", "es", "english"}) EXPECT_FALSE(LanguageNamed(code)) << code;
}

TEST(TranslatedTables, EachLineIsTheLanguagesOwnOrTheEnglishOne) {
  TTextFolder folder;
  std::filesystem::create_directories(folder.Path / "de");
  // Line 2 left empty and the table cut short: English shows through.
  folder.WriteLines("de/GameTexts.txt", {"Quillmere auf Deutsch", "", "Spielen"});
  const TTextStrings german(folder.Path, lnGerman);
  EXPECT_EQ(german.Text(ttGameTexts, 1), "Quillmere auf Deutsch");
  EXPECT_EQ(german.Text(ttGameTexts, 2), "GameTexts.txt 2");
  EXPECT_EQ(german.Text(ttGameTexts, 3), "Spielen");
  EXPECT_EQ(german.Text(ttGameTexts, 4), "GameTexts.txt 4");
  EXPECT_EQ(german.Text(ttCredits, 1), "Credits.txt 1") << "a table the language lacks is English";
  EXPECT_EQ(TTextStrings(folder.Path, lnFrench).Text(ttGameTexts, 1), "GameTexts.txt 1");
  EXPECT_EQ(TTextStrings(folder.Path, lnEnglish).Text(ttGameTexts, 1), "GameTexts.txt 1");
}

TEST(ChosenLanguage, IsKeptInAFileOfItsOwnAndAnythingElseIsNoChoice) {
  TTextFolder folder;
  const std::filesystem::path save = folder.Path / "save";
  std::filesystem::create_directories(save);
  EXPECT_FALSE(ReadChosenLanguage(save)) << "no file";
  std::string error;
  ASSERT_TRUE(WriteChosenLanguage(save, lnFrench, error)) << error;
  EXPECT_EQ(ReadChosenLanguage(save), lnFrench);
  for (const char* spoilt : {"xx\n", "", "\x01\x02"}) {
    folder.WriteBytes("save/Language.txt", spoilt);
    EXPECT_FALSE(ReadChosenLanguage(save)) << spoilt;
  }
}

// A value goes where the table's text puts it; an original-style text,
// written to have it appended, gets it at its end with its tail.
TEST(Placeholders, PutTheValueWhereTheTextWantsIt) {
  const struct {
    const char *Text, *Placeholder, *Value, *Tail, *Placed;
  } cases[] = {
      {"Welcome, {name}!", "{name}", "ANNA", "!", "Welcome, ANNA!"},
      {"Bienvenue, {name} !", "{name}", "ANNA", "!", "Bienvenue, ANNA !"},
      {"Welcome, ", "{name}", "ANNA", "!", "Welcome, ANNA!"},
      {"Kapitel {number} geschafft!", "{number}", "4", " complete!", "Kapitel 4 geschafft!"},
      {"Chapter ", "{number}", "4", " complete!", "Chapter 4 complete!"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithValue(c.Text, c.Placeholder, c.Value, c.Tail), c.Placed) << c.Text;
}

}  // namespace
}  // namespace qm
