// The text tables of the generated content pack, read as the game reads them.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TutorialSubjects.h"
#include "text/ChapterDialog.h"
#include "text/GameTextIds.h"
#include "text/GlobalGameText.h"
#include "text/Language.h"
#include "text/Placeholders.h"
#include "text/TextTableFiles.h"

namespace qm {
namespace {

const std::filesystem::path kTexts = std::filesystem::path(QUILLMERE_GAME_DIR) / TextsFolderName;

// Lines end at CR, LF or CR LF; a break at the very end starts no new line.
std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      lines.push_back(line);
      line.clear();
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += bytes[i];
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> Table(TTextTable table) { return ReadLines(kTexts / TextTableFileOf(table).FileName); }

// Every character the normal font has a glyph for, in cp1252.
const std::string kNormalFontCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!#$%&*()-+=;:'\",./?| "
    "\xC0\xC2\xC4\xC6\xC7\xC8\xC9\xCA\xCB\xCE\xCF\xD4\xD6\x8C\xD9\xDB\xDC\x9F"
    "\xE0\xE2\xE4\xE6\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF6\x9C\xF9\xFB\xFC\xFF\xDF";

// The comment font: capitals (small letters are folded to them), digits and
// a few signs.
bool CommentFontDraws(char c) {
  const std::string others =
      "0123456789':!&- "
      "\xC0\xC2\xC4\xC6\xC7\xC8\xC9\xCA\xCB\xCE\xCF\xD4\xD6\x8C\xD9\xDB\xDC\x9F\xDF"
      "\xE0\xE2\xE4\xE6\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF6\x9C\xF9\xFB\xFC\xFF";
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || others.find(c) != std::string::npos;
}

TEST(TextPack, EveryTableHasExactlyTheLinesTheGameReads) {
  for (const auto& f : TextTableFiles()) {
    ASSERT_TRUE(std::filesystem::exists(kTexts / f.FileName)) << f.FileName;
    EXPECT_EQ(int(ReadLines(kTexts / f.FileName).size()), f.WrittenLines()) << f.FileName;
  }
}

TEST(TextPack, NoLineOfAnyLanguageIsLongerThanItsTableKeeps) {
  for (TLanguage language : kLanguages)
    for (const auto& f : TextTableFiles()) {
      const auto file = LanguageFile(kTexts, language, f.FileName);
      const auto lines = ReadLines(file);
      for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_LE(int(lines[i].size()), f.MaxLength) << file << " line " << i + 1;
    }
}

TEST(TextPack, EveryCharacterHasAGlyphInTheNormalFont) {
  for (const auto& f : TextTableFiles()) {
    const auto lines = ReadLines(kTexts / f.FileName);
    for (std::size_t i = 0; i < lines.size(); ++i)
      for (char c : WithSampleValues(lines[i]))
        EXPECT_NE(kNormalFontCharacters.find(c), std::string::npos)
            << f.FileName << " line " << i + 1 << " has byte " << int(static_cast<unsigned char>(c));
  }
}

// Each language's tables have every line the English ones have, and say at
// least nine in ten of them in their own words.
TEST(TextPack, EachLanguageHasEveryLineAndSaysNineInTenItsOwnWay) {
  for (const char* code : {"de", "fr"}) {
    int lines = 0, own = 0;
    for (const auto& f : TextTableFiles()) {
      const auto english = ReadLines(kTexts / f.FileName);
      const auto translated = ReadLines(kTexts / code / f.FileName);
      ASSERT_EQ(translated.size(), english.size()) << code << "/" << f.FileName;
      for (std::size_t i = 0; i < english.size(); ++i) {
        if (english[i].empty()) continue;
        EXPECT_FALSE(translated[i].empty()) << code << "/" << f.FileName << " line " << i + 1;
        ++lines;
        own += translated[i] != english[i] ? 1 : 0;
      }
    }
    EXPECT_GE(own * 10, lines * 9) << code << ": " << own << " of " << lines << " lines differ from English";
  }
}

TEST(TextPack, SettingsGiveEnglishAndTheDefaultFontSizes) {
  const auto lines = ReadLines(kTexts / SettingsFileName);
  ASSERT_GE(int(lines.size()), SettingsLineCount);
  auto value = [&](int line) {
    const std::string& text = lines[line - 1];
    const auto eq = text.find('=');
    return std::stoi(eq == std::string::npos ? text : text.substr(eq + 1));
  };
  EXPECT_EQ(value(2), 1) << "language 1 is English";
  EXPECT_EQ(value(3), 1);
  EXPECT_EQ(value(6), 10);
  EXPECT_EQ(value(7), 12);
  EXPECT_EQ(value(8), 20);
}

TEST(TextPack, EveryGameTextRoleHasWords) {
  const auto lines = Table(ttGameTexts);
  for (int line : {GameTextId::WindowTitle, GameTextId::TransitionCaption, GameTextId::MenuWelcome,
                   GameTextId::HighScoresTitle, GameTextId::HighScorePlaceholder, GameTextId::DefaultPlayerName,
                   GameTextId::BoughtLabel, GameTextId::ChapterCompletePrefix, GameTextId::AllComplete,
                   GameTextId::CreditsTitle})
    EXPECT_FALSE(lines.at(line - 1).empty()) << "GameTexts line " << line;
  EXPECT_LE(lines.at(GameTextId::DefaultPlayerName - 1).size(), 16u) << "a player name keeps 16 characters";
}

TEST(TextPack, MapAndChapterMessagesAreCommentsOfAtMostFortyDrawableLetters) {
  const auto texts = Table(ttGameTexts);
  std::vector<std::string> comments = {
      texts.at(GameTextId::AllComplete - 1),
      WithValue(texts.at(GameTextId::ChapterCompletePrefix - 1), NumberPlaceholder, "4",
                texts.at(GameTextId::ChapterCompleteSuffix - 1))};
  for (int island = 1; island <= 5; ++island) {
    comments.push_back(texts.at(GameTextId::IslandMessage(island) - 1));
    EXPECT_FALSE(comments.back().empty()) << "island " << island;
  }
  for (const auto& c : comments) {
    EXPECT_LE(int(c.size()), CommentTextId::MaxCommentLength) << c;
    for (char ch : c) EXPECT_TRUE(CommentFontDraws(ch)) << c;
  }
}

TEST(TextPack, RoundCommentsAreAtMostFortyDrawableLetters) {
  const auto lines = Table(ttGameComments);
  for (int line : {CommentTextId::Go, CommentTextId::TimeUp, CommentTextId::RoundClear, CommentTextId::BossVictory,
                   CommentTextId::NoMoreMoves, CommentTextId::HurryUp, CommentTextId::FlowerReward1,
                   CommentTextId::FlowerReward2}) {
    const std::string& c = lines.at(line - 1);
    EXPECT_FALSE(c.empty()) << "GameComments line " << line;
    EXPECT_LE(int(c.size()), CommentTextId::MaxCommentLength) << c;
    for (char ch : c) EXPECT_TRUE(CommentFontDraws(ch)) << c;
  }
}

TEST(TextPack, EveryConfirmQuestionHasATitleAndADescription) {
  const auto lines = Table(ttGameConfirms);
  for (int kind = 0; kind <= 8; ++kind) {
    EXPECT_FALSE(lines.at(ConfirmTextId::TitleOfKind(kind) - 1).empty()) << "kind " << kind;
    EXPECT_FALSE(lines.at(ConfirmTextId::DescOfKind(kind) - 1).empty()) << "kind " << kind;
  }
  EXPECT_EQ(ConfirmTextId::TitleOfKind(9), 0) << "kind 9 asks nothing";
}

TEST(TextPack, OpeningHasFiveNarrationsAndTheEndingTwo) {
  const auto lines = Table(ttStoryNarrations);
  for (int n = 1; n <= NarrationId::OpeningCount; ++n) EXPECT_FALSE(lines.at(NarrationId::Opening(n) - 1).empty());
  for (int n = 1; n <= NarrationId::EndingCount; ++n) EXPECT_FALSE(lines.at(NarrationId::Ending(n) - 1).empty());
}

TEST(TextPack, CreditLinesKeepFortyCharactersWithoutTheHeadingMark) {
  for (const auto& line : Table(ttCredits)) {
    const bool heading = !line.empty() && line[0] == CreditsTextId::HeadingMark;
    EXPECT_LE(int(line.size()) - (heading ? 1 : 0), CreditsTextId::MaxLineLength) << line;
  }
}

TEST(TextPack, FourteenTutorialsWithShortTitlesAndFiveToolTips) {
  const auto tutorial = Table(ttGameTutorial);
  for (int entry = 1; entry <= TutorialTextId::EntryCount; ++entry) {
    const std::string& title = tutorial.at(TutorialTextId::TitleLine(entry) - 1);
    EXPECT_FALSE(title.empty()) << "entry " << entry;
    EXPECT_LE(int(title.size()), TutorialTextId::MaxTitleLength) << "entry " << entry;
    EXPECT_FALSE(tutorial.at(TutorialTextId::BodyLine(entry) - 1).empty()) << "entry " << entry;
  }
  EXPECT_EQ(TutorialTextId::TitleLine(6), 12) << "line 11 is skipped";
  EXPECT_EQ(TutorialTextId::TitleLine(9), 19) << "line 18 is skipped";

  const auto tips = Table(ttTutorialInfo);
  for (int tip : {3, 6, 13, 22, 25}) EXPECT_FALSE(tips.at(ToolTipTextId::InfoLine(tip) - 1).empty()) << tip;
}

TEST(TextPack, EachScrollsIconShowsWhatItsTitleNames) {
  const auto tutorial = Table(ttGameTutorial);
  for (int entry = 1; entry <= TutorialTextId::EntryCount; ++entry) {
    std::string title = tutorial.at(TutorialTextId::TitleLine(entry) - 1);
    for (char& c : title) c = char(std::tolower(static_cast<unsigned char>(c)));
    const char* word = contentgen::TutorialSubjectOf(entry).TitleWord;
    EXPECT_NE(title.find(word), std::string::npos) << "scroll " << entry << " \"" << title << "\" shows a " << word;
  }
}

TEST(TextPack, EveryUpgradeSlotHasANameAndADescription) {
  const auto names = Table(ttUpgradeNames);
  const auto descs = Table(ttUpgradeDescs);
  for (int island = 1; island <= 5; ++island)
    for (int slot = 1; slot <= 4; ++slot) {
      EXPECT_FALSE(names.at(UpgradeTextId::Entry(island, slot) - 1).empty()) << island << "-" << slot;
      EXPECT_FALSE(descs.at(UpgradeTextId::Entry(island, slot) - 1).empty()) << island << "-" << slot;
    }
}

TEST(TextPack, ChatsHoldTwentyTwoConversationBlocksWithKnownSpeakers) {
  const auto lines = Table(ttCharacterChats);
  std::size_t i = 0;
  for (int conv = 1; conv <= ChatTextId::ConversationCount; ++conv) {
    ASSERT_LT(i, lines.size()) << "conversation " << conv << " has no heading";
    ++i;  // heading
    int spoken = 0;
    char client = 0;
    for (; i < lines.size() && !lines[i].empty(); ++i, ++spoken) {
      const char speaker = char(std::toupper(static_cast<unsigned char>(lines[i][0])));
      const bool isClient = ChatTextId::ClientCodes.find(speaker) != std::string_view::npos;
      EXPECT_TRUE(speaker == ChatTextId::MainCharacterCode || isClient) << lines[i];
      if (isClient && client == 0) client = speaker;
      EXPECT_TRUE(!isClient || speaker == client) << "one client per conversation: " << lines[i];
      // Stored as spoken: the game wraps it to its balloon.
      const std::string said = lines[i].substr(2);
      EXPECT_EQ(said.find(TextLineBreak), std::string::npos) << lines[i];
      const auto wrapped = WrapLines(fkAirstripNormal, said, TChapterDialog::BalloonTextSpacing,
                                     TChapterDialog::BalloonTextWidth, TChapterDialog::BalloonTextScale);
      EXPECT_TRUE(wrapped[ChatTextId::MaxBalloonLines].empty()) << lines[i];
    }
    EXPECT_GE(spoken, 1) << "conversation " << conv;
    EXPECT_LE(spoken, ChatTextId::MaxLinesPerConversation) << "conversation " << conv;
    ASSERT_LT(i, lines.size()) << "conversation " << conv << " is not closed by an empty line";
    ++i;  // the empty line
  }
}

}  // namespace
}  // namespace qm
