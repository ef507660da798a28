#include "text/ChapterDialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "text/GlobalGameText.h"
#include "text/SpriteRecorder.h"
#include "text/TextFolder.h"
#include "text/TextStrings.h"

namespace qm {
namespace {

using testing_support::TSpriteRecorder;
using testing_support::TTextFolder;

// Conversation 1: client 6 and the main character, the last code in small
// letters; 2: the main character alone; 3: a balloon of twelve lines; 4:
// clients 1 to 5 in turn; 5: one line of 50 letters; 6: a long line with
// one break of its own; the rest one line each.
std::vector<std::string> Chats() {
  std::vector<std::vector<std::string>> blocks{{"H:Hello|there", "J:Hi", "h:Bye"},
                                               {"J:Alone"},
                                               {"J:a|b|c|d|e|f|g|h|i|j|k|l"},
                                               {"C:one", "A:two", "P:three", "R:four", "B:five"},
                                               {"C:" + std::string(50, 'o')},
                                               {"J:A long line of many small words that no one broke by hand "
                                                "runs over the balloon's width more than once|and a break kept"}};
  while (blocks.size() < 22) blocks.push_back({"C:More"});
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    lines.push_back("#" + std::to_string(i + 1));
    lines.insert(lines.end(), blocks[i].begin(), blocks[i].end());
    lines.push_back("");
  }
  lines.resize(149);
  return lines;
}

class ChapterDialog : public testing::Test {
 protected:
  ChapterDialog() {
    folder.WriteLines("CharacterChats.txt", Chats());
    texts = std::make_unique<TTextStrings>(folder.Path);
    dialog.TextStringsComp = texts.get();
    dialog.LoadConversations();
    dialog.OnVoiceLengthAsk = [this](int, const std::string& voice) {
      asked.push_back(voice);
      return lengths.contains(voice) ? lengths[voice] : 0;
    };
    dialog.OnStartOfBalloon = [this](TChapterDialog&, int line, TCharacterSide side, int client) {
      starts.push_back({tick, line, side, client});
    };
    dialog.OnPlayVoice = [this](const std::string& voice) { voices.push_back(voice); };
    dialog.OnEndOfBalloon = [this](TChapterDialog&) { ends.push_back(tick); };
    dialog.OnEndOfConversations = [this](TChapterDialog&) { ++closed; };
  }

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) {
      ++tick;
      dialog.TickAndDraw();
    }
  }

  struct TStart {
    int Tick, Line, Side, Client;
    bool operator==(const TStart&) const = default;
  };

  TTextFolder folder;
  std::unique_ptr<TTextStrings> texts;
  TChapterDialog dialog;
  std::map<std::string, int> lengths;
  std::vector<std::string> asked, voices;
  std::vector<TStart> starts;
  std::vector<int> ends;
  int closed = 0;
  int tick = 0;
};

TEST_F(ChapterDialog, EachLineKeepsItsSpeakerAndTheConversationItsFirstClient) {
  struct TCase {
    int Conversation, Line, Side, Client;
    std::string Text;
  };
  for (const TCase& c : {TCase{1, 1, csClient, 6, "Hello|there"}, TCase{1, 2, csBram, 0, "Hi"},
                         TCase{1, 3, csClient, 6, "Bye"}, TCase{4, 2, csClient, 2, "two"},
                         TCase{4, 5, csClient, 5, "five"}}) {
    const auto& line = dialog.Conversation(c.Conversation).Lines[c.Line - 1];
    EXPECT_EQ(line.Side, c.Side);
    EXPECT_EQ(line.Client, c.Client);
    EXPECT_EQ(line.Text, c.Text);
  }
  EXPECT_EQ(dialog.Conversation(1).LastLine, 3);
  for (auto [conversation, client] : {std::pair{1, 6}, {2, 0}, {4, 1}})
    EXPECT_EQ(dialog.Conversation(conversation).Client, client);
}

TEST_F(ChapterDialog, LinesAreWrappedToTheBalloonKeepingTheirOwnBreaks) {
  const std::vector<std::string> lines = SplitTextLines(dialog.Conversation(6).Lines[0].Text);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines.back(), "and a break kept");
  for (const std::string& line : lines)
    EXPECT_LE(MeasureText(fkAirstripNormal, line, 0, 0.7f), dialog.MaxBalloonTextWidth) << line;
}

TEST_F(ChapterDialog, EachBalloonLastsItsVoicePlusTheReadingTime) {
  lengths = {{"Chat1", 3000}, {"Chat2", 1500}};
  dialog.Start(1);
  Ticks(400);
  // 600 ms first; then 3700, 2200 and, without a voice, 35 letters' worth,
  // each balloon's first tick counted: 124, 74 and 84 ticks.
  const std::vector<TStart> expected{{20, 1, csClient, 6}, {143, 2, csBram, 0}, {217, 3, csClient, 6}};
  EXPECT_EQ(starts, expected);
  EXPECT_EQ(ends, (std::vector<int>{143, 217, 301}));
  EXPECT_EQ(voices, (std::vector<std::string>{"Chat1", "Chat2", "Chat3"}));
  EXPECT_EQ(asked, voices);
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(dialog.Playing());
}

TEST_F(ChapterDialog, AMissingVoiceGetsTheDefaultTimingAndTheConversationStillCloses) {
  struct TCase {
    int Conversation, Duration;
  };
  for (bool asking : {true, false}) {
    if (!asking) dialog.OnVoiceLengthAsk = nullptr;
    for (const TCase& c : {TCase{2, 52 * 35 + 700}, TCase{5, 52 * 50 + 700}}) {
      closed = 0;
      dialog.Start(c.Conversation);
      EXPECT_EQ(dialog.BalloonDuration(1), c.Duration);
      Ticks(c.Duration / 30 + 60);
      EXPECT_EQ(closed, 1);
    }
  }
}

TEST_F(ChapterDialog, SkipClosesTheConversationOnce) {
  dialog.Start(1);
  for (int i = 0; i < 300 && voices.size() < 2; ++i) Ticks(1);
  ASSERT_EQ(voices.size(), 2u);
  dialog.Skip();
  EXPECT_EQ(ends.size(), 2u);
  dialog.Skip();
  Ticks(100);
  dialog.Skip();
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(ends.size(), 2u);
  EXPECT_EQ(voices.size(), 2u);
  EXPECT_FALSE(dialog.Playing());
}

TEST_F(ChapterDialog, AClickFinishesTheTypingThenTheBalloon) {
  dialog.Start(1);
  Ticks(21);
  dialog.Click();
  Ticks(1);
  EXPECT_TRUE(ends.empty());
  dialog.Click();
  Ticks(1);
  EXPECT_EQ(ends.size(), 1u);
  EXPECT_EQ(voices.back(), "Chat2");
}

}  // namespace
}  // namespace qm
