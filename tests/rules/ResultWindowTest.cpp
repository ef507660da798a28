#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/ResultMedal.h"
#include "rules/ResultStats.h"
#include "rules/ResultWindowLayout.h"
#include "text/SpriteRecorder.h"
#include "widgets/GameButton.h"
#include "widgets/GameMenuWindow.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

// The results window as the shell runs it: set up, shown, and counted in
// ticks until it closes itself.
class ResultWindowTimings : public testing::Test {
 protected:
  ResultWindowTimings() {
    SetupResultWindow(window);
    WireResultWindow(window, medal, stats, shine, ok);
    window.OnStartHiding = [this](TGameMenuWindow&) { events.push_back("hiding " + std::to_string(ticks)); };
    window.OnShowingComplete = [this, wired = window.OnShowingComplete](TGameMenuWindow& sender) {
      events.push_back("arrived " + std::to_string(ticks));
      wired(sender);
    };
  }

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) {
      ++ticks;
      window.Update();
    }
  }

  TGameMenuWindow window;
  TResultMedal medal;
  TResultStats stats;
  TResultFeatureShine shine;
  TGameButton ok;
  std::vector<std::string> events;
  int ticks = 0;
};

TEST_F(ResultWindowTimings, TheWindowSlidesDownFromAboveTheScreenInEightTicks) {
  window.Show();
  EXPECT_EQ(window.Position(), (TScreenPoint{480, -450}));
  Ticks(7);
  EXPECT_EQ(window.Position(), (TScreenPoint{480, -450 + 7 * 85}));
  EXPECT_TRUE(events.empty());
  Ticks(1);
  EXPECT_EQ(window.Position(), (TScreenPoint{480, 161}));
  EXPECT_EQ(events, (std::vector<std::string>{"arrived 8"}));
}

TEST_F(ResultWindowTimings, LeftAloneItAsksToCloseFifteenSecondsAfterArriving) {
  window.Show();
  Ticks(8 + 499);
  EXPECT_EQ(events.size(), 1u);
  Ticks(1);
  EXPECT_EQ(events, (std::vector<std::string>{"arrived 8", "hiding 508"}));
}

TEST_F(ResultWindowTimings, TheContentsRideAlongWithTheWindow) {
  window.Show();
  Ticks(3);
  EXPECT_EQ(stats.Left, 480);
  EXPECT_EQ(stats.Top, -450 + 3 * 85);
  Ticks(5);
  EXPECT_EQ(medal.Left, 480 + 123);
  EXPECT_EQ(medal.Top, 161 + 56);
  EXPECT_EQ(stats.Top, 161);
  EXPECT_EQ(shine.Left, 480 + 130);
  EXPECT_EQ(shine.Top, 161 + 102);
}

TEST_F(ResultWindowTimings, FromArrivalTheTrophyTakes15TicksAndTheCountStartsAtOnce) {
  medal.SetRoundTime(100);
  medal.Decide(40);
  stats.SetResults(40, 100, medal.MedalKind(), elFlower, 4);
  std::vector<std::string> sounds;
  medal.OnPlaySound = [&](const std::string& name) { sounds.push_back(name); };
  stats.OnPlaySound = [&](const std::string& name) { sounds.push_back(name); };
  window.Show();
  Ticks(8);
  EXPECT_EQ(sounds, (std::vector<std::string>{"NotifyHigh", "Bells"}));
  for (int i = 0; i < 14; ++i) {
    medal.TickAndDraw();
    stats.TickAndDraw();
  }
  EXPECT_EQ(medal.Trophy().Phase(), TPlusOneBigHeart::phWaiting);
  EXPECT_EQ(stats.ShownScore(), 28) << "steps of 2 since arrival";
  medal.TickAndDraw();
  EXPECT_EQ(medal.Trophy().Phase(), TPlusOneBigHeart::phLanding);
}

class ResultShine : public testing::Test {
 protected:
  ResultShine() {
    screen.AddPicture("FeatureShine", 128, 128);
    shine.OmgImgList = &screen.List;
    shine.Left = 608;
    shine.Top = 281;
  }
  TSpriteRecorder screen;
  TResultFeatureShine shine;
};

TEST_F(ResultShine, TurnsAFifthOfADegreeATickAndStartsOverPast360) {
  for (int i = 0; i < 10; ++i) shine.TickAndDraw();
  EXPECT_NEAR(shine.Angle(), 2.0f, 1e-4);
  int turn = 10;
  for (float last = shine.Angle(); shine.Angle() >= last; ++turn) {
    last = shine.Angle();
    shine.TickAndDraw();
  }
  EXPECT_NEAR(turn, 1801, 1) << "a whole turn in a minute of ticks";
  EXPECT_EQ(shine.Angle(), 0);
}

TEST_F(ResultShine, IsAFaintAdditiveGlowAtTwiceItsSize) {
  shine.TickAndDraw();
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 1u);
  EXPECT_TRUE(sprites[0].Additive);
  EXPECT_EQ(sprites[0].Alpha, 30);
}

}  // namespace
}  // namespace qm
