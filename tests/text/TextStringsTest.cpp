#include "text/TextStrings.h"

#include <gtest/gtest.h>

#include <string>

#include "text/TextFolder.h"

namespace qm {
namespace {

using testing_support::TTextFolder;

TEST(TextStrings, EntryIIsLineIOfItsFile) {
  TTextFolder folder;
  folder.WriteLines("Credits.txt", std::vector<std::string>(39, "x"));
  folder.WriteLines("UpgradeNames.txt", {"Bakery", "Mill", "Well", "Bridge", "", "Tower", "a", "b", "c", "d",
                                         "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "Last"});
  TTextStrings texts(folder.Path);
  EXPECT_EQ(texts.Text(ttUpgradeNames, 1), "Bakery");
  EXPECT_EQ(texts.Text(ttUpgradeNames, 5), "");
  EXPECT_EQ(texts.Text(ttUpgradeNames, 24), "Last");
  EXPECT_EQ(texts.Text(ttGameTexts, 7), "GameTexts.txt 7");
  EXPECT_EQ(texts.Count(ttCharacterChats), 149);
}

TEST(TextStrings, LinesAreCutToTheirTablesLongestEntry) {
  TTextFolder folder;
  std::vector<std::string> texts(20, "short");
  texts[0] = std::string(100, 'a');
  folder.WriteLines("GameTexts.txt", texts);
  std::vector<std::string> confirms(20, std::string(300, 'c'));
  folder.WriteLines("GameConfirms.txt", confirms);
  TTextStrings strings(folder.Path);
  EXPECT_EQ(strings.Text(ttGameTexts, 1), std::string(80, 'a'));
  EXPECT_EQ(strings.Text(ttGameTexts, 2), "short");
  EXPECT_EQ(strings.Text(ttGameConfirms, 20).size(), 255u);
}

TEST(TextStrings, LinesAreKeptExactlyWithSpacesAndCp1252Bytes) {
  TTextFolder folder;
  std::vector<std::string> lines(20, "");
  lines[0] = "  Fin du niveau !  ";
  lines[1] = "\xC0 bient\xF4t, \x8C" "uvre";  // À bientôt, Œuvre
  lines[2] = "# not a comment ; = |";
  folder.WriteLines("GameComments.txt", lines);
  TTextStrings texts(folder.Path);
  EXPECT_EQ(texts.Text(ttGameComments, 1), "  Fin du niveau !  ");
  EXPECT_EQ(texts.Text(ttGameComments, 2), "\xC0 bient\xF4t, \x8C" "uvre");
  EXPECT_EQ(texts.Text(ttGameComments, 3), "# not a comment ; = |");
}

TEST(TextStrings, LinesEndAtCrLfOrCrLf) {
  TTextFolder folder;
  folder.WriteBytes("TutorialInfo.txt", "one\rtwo\nthree\r\nfour\n\nsix");
  TTextStrings texts(folder.Path);
  EXPECT_EQ(texts.Text(ttTutorialInfo, 1), "one");
  EXPECT_EQ(texts.Text(ttTutorialInfo, 2), "two");
  EXPECT_EQ(texts.Text(ttTutorialInfo, 3), "three");
  EXPECT_EQ(texts.Text(ttTutorialInfo, 4), "four");
  EXPECT_EQ(texts.Text(ttTutorialInfo, 5), "");
}

TEST(TextStrings, LinesAfterTheCountedOnesAreIgnored) {
  TTextFolder folder;
  folder.WriteLines("TutorialInfo.txt", {"1", "2", "3", "4", "5", "six", "seven"});
  TTextStrings texts(folder.Path);
  EXPECT_EQ(texts.Text(ttTutorialInfo, 5), "5");
  EXPECT_EQ(texts.Count(ttTutorialInfo), 5);
  EXPECT_EQ(texts.Text(ttTutorialInfo, 6), "");
}

TEST(TextStrings, AnIndexOutsideTheTableReadsEmpty) {
  TTextFolder folder;
  TTextStrings texts(folder.Path);
  EXPECT_EQ(texts.Text(ttGameTexts, 0), "");
  EXPECT_EQ(texts.Text(ttGameTexts, 21), "");
}

TEST(TextStrings, AMissingFileIsAnErrorNamingIt) {
  TTextFolder folder;
  folder.Remove("StoryNarrations.txt");
  try {
    TTextStrings texts(folder.Path);
    FAIL() << "a missing table was accepted";
  } catch (const ETextFileError& error) {
    EXPECT_EQ(error.File().filename(), "StoryNarrations.txt");
    EXPECT_NE(std::string(error.what()).find("StoryNarrations.txt"), std::string::npos) << error.what();
  }
}

TEST(TextStrings, AShortFileIsAnErrorNamingTheFirstMissingLine) {
  TTextFolder folder;
  folder.WriteLines("UpgradeDescs.txt", std::vector<std::string>(23, "desc"));
  try {
    TTextStrings texts(folder.Path);
    FAIL() << "a short table was accepted";
  } catch (const ETextFileError& error) {
    EXPECT_EQ(error.File().filename(), "UpgradeDescs.txt");
    EXPECT_EQ(error.Line(), 24);
    EXPECT_NE(std::string(error.what()).find("line 24"), std::string::npos) << error.what();
  }
}

TEST(TextStrings, ABreakAtTheVeryEndStartsNoExtraLine) {
  TTextFolder folder;
  // Four lines and a final break: still one short of the five read.
  folder.WriteBytes("TutorialInfo.txt", "1\n2\n3\n4\n");
  EXPECT_THROW(TTextStrings texts(folder.Path), ETextFileError);
  // An empty last line written out counts.
  folder.WriteBytes("TutorialInfo.txt", "1\n2\n3\n4\n\n");
  EXPECT_NO_THROW(TTextStrings texts(folder.Path));
}

}  // namespace
}  // namespace qm
