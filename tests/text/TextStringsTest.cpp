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

// Editors save UTF-8 today, marked or not; the fonts draw cp1252.
TEST(TextStrings, Utf8FilesAreReadAsCp1252) {
  const struct {
    std::string Bytes, Line1, Line2;
  } cases[] = {
      {"\xEF\xBB\xBF" "Fin\n\xC3\x80 bient\xC3\xB4t\n", "Fin", "\xC0 bient\xF4t"},
      {"Fin\n\xC3\x80 bient\xC3\xB4t\n", "Fin", "\xC0 bient\xF4t"},
      {"\xE2\x82\xAC 5\n\xC5\x92uvre\n", "\x80 5", "\x8C" "uvre"},
      // An arrow cp1252 lacks; an accent written as a combining mark.
      {"\xE2\x86\x92 go\ne\xCC\x81t\xC3\xA9\n", "? go", "et\xE9"},
      // Not UTF-8 all through: cp1252 as it always was.
      {"\xC0 bient\xF4t\n\xC3\xA9\n", "\xC0 bient\xF4t", "\xC3\xA9"},
  };
  for (const auto& c : cases) {
    TTextFolder folder;
    folder.WriteBytes("TutorialInfo.txt", c.Bytes + "3\n4\n5\n");
    TTextStrings texts(folder.Path);
    EXPECT_EQ(texts.Text(ttTutorialInfo, 1), c.Line1) << c.Bytes;
    EXPECT_EQ(texts.Text(ttTutorialInfo, 2), c.Line2) << c.Bytes;
  }
}

TEST(TextStrings, AFileNoCp1252CanComeFromIsRefusedByName) {
  const struct {
    std::string Bytes;
    int Line;
  } cases[] = {
      {"\xEF\xBB\xBF" "ok\nbient\xF4t\n3\n4\n5\n", 2},
      {std::string("\xFF\xFE" "1\0\n\0" "2\0\n\0", 10), 0},
  };
  for (const auto& c : cases) {
    TTextFolder folder;
    folder.WriteBytes("TutorialInfo.txt", c.Bytes);
    try {
      TTextStrings texts(folder.Path);
      ADD_FAILURE() << "accepted: " << c.Bytes;
    } catch (const ETextFileError& error) {
      EXPECT_EQ(error.File().filename(), "TutorialInfo.txt");
      EXPECT_EQ(error.Line(), c.Line);
    }
  }
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
  EXPECT_EQ(texts.Text(ttGameTexts, 27), "");
}

TEST(TextStrings, OurOwnLinesAfterTheRequiredOnesAreReadWhenThereAndEmptyWhenNot) {
  TTextFolder folder;
  std::vector<std::string> original(20, "word");
  folder.WriteLines("GameTexts.txt", original);
  TTextStrings fromAnOriginalFolder(folder.Path);
  EXPECT_EQ(fromAnOriginalFolder.Text(ttGameTexts, 20), "word");
  EXPECT_EQ(fromAnOriginalFolder.Text(ttGameTexts, 24), "");
  original.resize(26, "Time");
  folder.WriteLines("GameTexts.txt", original);
  TTextStrings fromOurPack(folder.Path);
  EXPECT_EQ(fromOurPack.Text(ttGameTexts, 24), "Time");
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
