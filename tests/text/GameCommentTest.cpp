#include "text/GameComment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/GameRandom.h"
#include "text/TextFolder.h"
#include "text/TextStrings.h"

namespace qm {
namespace {

using testing_support::TTextFolder;

class GameComment : public testing::Test {
 protected:
  GameComment() {
    GameRandom().SetSeed(7);
    std::vector<std::string> entries{"Go!", "Time is up", "Round clear", "Victory", "No more moves", "Hurry up"};
    entries.resize(20);
    folder.WriteLines("GameComments.txt", entries);
    texts = std::make_unique<TTextStrings>(folder.Path);
    comment.TextStringsComp = texts.get();
    comment.Configure(RoundMessageSetup);
    comment.OnWavingFinished = [this](TGameComment&, std::uint8_t kind) { finished.push_back(kind); };
    comment.OnPlaySound = [this](const std::string& name) { sounds.push_back(name); };
  }

  // Frames until the comment reaches the state, at most `limit`.
  int RunUntil(TGameCommentState state, int limit = 500) {
    int frames = 0;
    while (comment.State() != state && frames < limit) {
      comment.UpdateAndDraw();
      ++frames;
    }
    return frames;
  }

  TTextFolder folder;
  std::unique_ptr<TTextStrings> texts;
  TGameComment comment;
  std::vector<int> finished;
  std::vector<std::string> sounds;
};

TEST_F(GameComment, LettersFadeInAsTheyFlyAndSettleInOneLine) {
  comment.ShowText("Round clear");
  for (int frame = 1; frame <= 3; ++frame) {
    comment.UpdateAndDraw();
    for (int i = 0; i < comment.LetterCount(); ++i) EXPECT_EQ(comment.Letter(i).Alpha, 10 * frame);
  }
  // The longest flight across the screen takes well under a second.
  EXPECT_LT(RunUntil(gcWaving), 25);
  for (int i = 0; i < comment.LetterCount(); ++i) {
    EXPECT_EQ(comment.Letter(i).X, comment.Letter(i).TargetX);
    EXPECT_EQ(comment.Letter(i).Y, comment.Letter(0).TargetY);
    if (i > 0) {
      EXPECT_GT(comment.Letter(i).X, comment.Letter(i - 1).X);
    }
  }
}

TEST_F(GameComment, WavesForItsTimeThenReportsOnceAndFadesAway) {
  comment.ShowComment(coGo);
  RunUntil(gcWaving);
  EXPECT_EQ(RunUntil(gcFadingOut), 1500 / 30);
  EXPECT_EQ(finished, std::vector<int>{coGo});
  EXPECT_EQ(RunUntil(gcIdle), 13);
  RunUntil(gcFadingOut, 200);
  EXPECT_EQ(finished.size(), 1u);
}

TEST_F(GameComment, AReplacedCommentNeverReportsOnlyItsSuccessor) {
  comment.ShowComment(coGo);
  for (int frame = 0; frame < 3; ++frame) comment.UpdateAndDraw();
  ASSERT_EQ(comment.State(), gcFlyingIn);
  comment.ShowComment(coNoMoreMoves);
  EXPECT_EQ(comment.Text(), "No more moves");
  EXPECT_EQ(comment.Letter(0).Alpha, 0);
  RunUntil(gcIdle);
  EXPECT_EQ(finished, std::vector<int>{coNoMoreMoves});
}

TEST_F(GameComment, EachKindShowsItsEntryAndTheWinsSoundTheirJingle) {
  struct TCase {
    std::uint8_t Kind;
    std::string Text;
    bool Jingle;
  };
  for (const TCase& c : {TCase{coTimeUp, "Time is up", false}, TCase{coGameRoundClear, "Round clear", true},
                         TCase{coBossVictory, "Victory", true}, TCase{coTimeRunningOut, "Hurry up", false}}) {
    sounds.clear();
    comment.ShowComment(c.Kind);
    EXPECT_EQ(comment.Text(), c.Text);
    EXPECT_EQ(comment.CommentKind(), c.Kind);
    EXPECT_EQ(sounds, c.Jingle ? std::vector<std::string>{"StageComplete"} : std::vector<std::string>{});
  }
}

TEST_F(GameComment, AKindWithoutTextShowsNothingButIsStored) {
  comment.ShowComment(6);
  EXPECT_EQ(comment.State(), gcIdle);
  EXPECT_EQ(comment.CommentKind(), 6);
  comment.ShowText("");
  EXPECT_EQ(comment.State(), gcIdle);
}

TEST_F(GameComment, ALongTextKeepsItsFirstFortyLetters) {
  comment.ShowText(std::string(40, 'A') + "BCDEFGHIJK");
  EXPECT_EQ(comment.Text(), std::string(40, 'A'));
}

}  // namespace
}  // namespace qm
