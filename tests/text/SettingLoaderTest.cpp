#include "text/SettingLoader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/TextFileReader.h"
#include "text/TextFolder.h"

namespace qm {
namespace {

using testing_support::TTextFolder;

// The settings with line `line` (1-based) replaced.
TSettingLoader LoadWith(TTextFolder& folder, int line, const std::string& text) {
  std::vector<std::string> lines = {"[Quillmere]", "Language=1", "CharSet=1", "Reserved=0", "Reserved=0",
                                    "SmallFontSize=10", "MediumFontSize=12", "LargeFontSize=20"};
  lines[line - 1] = text;
  folder.WriteLines("_settings.txt", lines);
  return TSettingLoader(folder.Path);
}

TEST(SettingLoader, DefaultsAreUsEnglishDefaultCharSetAndSizes10_12_20) {
  TSettingLoader settings;
  EXPECT_EQ(settings.Language(), laUS);
  EXPECT_EQ(settings.CharSet(), 1);
  EXPECT_EQ(settings.SmallFontSize(), 10);
  EXPECT_EQ(settings.MediumFontSize(), 12);
  EXPECT_EQ(settings.LargeFontSize(), 20);
}

TEST(SettingLoader, LanguageLineMapsTwoToEightAndAnythingElseToUs) {
  TTextFolder folder;
  EXPECT_EQ(LoadWith(folder, 2, "Language=2").Language(), laDE);
  EXPECT_EQ(LoadWith(folder, 2, "Language=5").Language(), laIT);
  EXPECT_EQ(LoadWith(folder, 2, "Language=8").Language(), laSE);
  EXPECT_EQ(LoadWith(folder, 2, "Language=1").Language(), laUS);
  EXPECT_EQ(LoadWith(folder, 2, "Language=9").Language(), laUS);
  EXPECT_EQ(LoadWith(folder, 2, "Language=-3").Language(), laUS);
}

TEST(SettingLoader, CharSetLineMapsToWindowsCharacterSets) {
  TTextFolder folder;
  EXPECT_EQ(LoadWith(folder, 3, "CharSet=1").CharSet(), 0);
  EXPECT_EQ(LoadWith(folder, 3, "CharSet=3").CharSet(), 2);
  EXPECT_EQ(LoadWith(folder, 3, "CharSet=16").CharSet(), 204);
  EXPECT_EQ(LoadWith(folder, 3, "CharSet=19").CharSet(), 255);
  EXPECT_EQ(LoadWith(folder, 3, "CharSet=2").CharSet(), 1);
  EXPECT_EQ(LoadWith(folder, 3, "CharSet=20").CharSet(), 1);
}

TEST(SettingLoader, OnlyThePositionCountsNotTheKey) {
  TTextFolder folder;
  EXPECT_EQ(LoadWith(folder, 6, "Whatever=14").SmallFontSize(), 14);
  EXPECT_EQ(LoadWith(folder, 6, "14").SmallFontSize(), 14);
  EXPECT_THROW(LoadWith(folder, 7, "a=b=16"), ETextFileError) << "only up to the first = is dropped";
}

TEST(SettingLoader, FontSizesAreTakenAsWritten) {
  TTextFolder folder;
  folder.WriteLines("_settings.txt", {"", "=4", "=1", "junk", "junk", "Small=9", "Medium=-11", "Large= 30"});
  TSettingLoader settings(folder.Path);
  EXPECT_EQ(settings.Language(), laFR);
  EXPECT_EQ(settings.SmallFontSize(), 9);
  EXPECT_EQ(settings.MediumFontSize(), -11);
  EXPECT_EQ(settings.LargeFontSize(), 30);
}

TEST(SettingLoader, UnreadLinesMayHoldAnything) {
  TTextFolder folder;
  folder.WriteLines("_settings.txt", {"no number", "Language=6", "CharSet=5", "x", "y", "1", "2", "3", "trailing"});
  TSettingLoader settings(folder.Path);
  EXPECT_EQ(settings.Language(), laNL);
  EXPECT_EQ(settings.CharSet(), 128);
}

TEST(SettingLoader, AValueThatIsNotAWholeNumberIsAnErrorNamingTheLine) {
  for (const std::string bad : {"SmallFontSize=ten", "SmallFontSize=", "SmallFontSize=10px", "SmallFontSize=1.5",
                                "SmallFontSize=99999999999"}) {
    TTextFolder folder;
    try {
      LoadWith(folder, 6, bad);
      ADD_FAILURE() << bad << " was accepted";
    } catch (const ETextFileError& error) {
      EXPECT_EQ(error.File().filename(), "_settings.txt");
      EXPECT_EQ(error.Line(), 6) << bad;
    }
  }
}

TEST(SettingLoader, AMissingOrShortFileIsAnError) {
  TTextFolder folder;
  folder.WriteLines("_settings.txt", {"[Quillmere]", "Language=1", "CharSet=1", "x", "x", "10", "12"});
  try {
    TSettingLoader settings(folder.Path);
    FAIL() << "seven lines were accepted";
  } catch (const ETextFileError& error) {
    EXPECT_EQ(error.Line(), 8);
  }
  folder.Remove("_settings.txt");
  EXPECT_THROW(TSettingLoader settings(folder.Path), ETextFileError);
}

}  // namespace
}  // namespace qm
