#include "rules/TubeTimer.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/ImageCatalogue.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

// A timer set up as the shell does, with counters for its two events.
class RoundTimer : public ::testing::Test {
 protected:
  void SetUp() override {
    Timer.Left = 1294;
    Timer.HideLeft = 1420;
    Timer.Top = 362;
    Timer.MaxPixelProgress = 305;
    Timer.OnAlmostTimeUp = [this](TTubeTimer&) { ++AlmostTimeUps; };
    Timer.OnTimeUp = [this](TTubeTimer&) { ++TimeUps; };
  }

  // Reset, level values, Start, then ticks until counting begins.
  void StartRound(int time, TGameObjective objective) {
    Timer.Reset();
    Timer.Time = time;
    Timer.GameObjective = objective;
    Timer.Start();
    while (Timer.Motion() != TTubeTimer::mtRunning) Timer.Update();
    Timer.Paused = false;
  }

  // Ticks until elapsed whole seconds reach seconds; returns the ticks used.
  int RunUntilSecond(int seconds) {
    int ticks = 0;
    while (Timer.ElapsedSeconds() < seconds && ticks < 1000000) {
      Timer.Update();
      ++ticks;
    }
    return ticks;
  }

  TTubeTimer Timer;
  int AlmostTimeUps = 0;
  int TimeUps = 0;
};

TEST_F(RoundTimer, ResetParksTheTubeOffScreenPaused) {
  Timer.Reset();
  EXPECT_EQ(Timer.X(), 1420);
  EXPECT_TRUE(Timer.Paused);
  EXPECT_FALSE(Timer.Running());
  EXPECT_EQ(Timer.Motion(), TTubeTimer::mtStill);
}

TEST_F(RoundTimer, SlidesInOnePixelPerTickThenFillsUpInFiftyTicks) {
  Timer.Reset();
  Timer.Time = 120;
  Timer.Start();
  EXPECT_EQ(Timer.PercentLeft(), 0) << "starts empty";
  EXPECT_EQ(Timer.EmptyPixels(), 305);
  int slide = 0;
  while (Timer.Motion() == TTubeTimer::mtSlidingIn) {
    Timer.Update();
    ++slide;
  }
  EXPECT_EQ(slide, 126);
  EXPECT_EQ(Timer.X(), 1294);
  int fill = 0;
  while (Timer.Motion() == TTubeTimer::mtFillingUp) {
    Timer.Update();
    ++fill;
  }
  EXPECT_EQ(fill, 50);
  EXPECT_TRUE(Timer.Running());
  EXPECT_EQ(Timer.PercentLeft(), 100);
  EXPECT_EQ(Timer.EmptyPixels(), 0);
  EXPECT_EQ(Timer.ElapsedSeconds(), 0);
}

TEST_F(RoundTimer, APauseDuringTheFillUpStopsOnlyTheCount) {
  Timer.Reset();
  Timer.Time = 120;
  Timer.Start();
  int ticks = 0;
  while (Timer.Motion() != TTubeTimer::mtRunning && ticks++ < 1000) Timer.Update();
  EXPECT_TRUE(Timer.Paused);
  EXPECT_EQ(Timer.Motion(), TTubeTimer::mtRunning);
  Timer.Update();
  EXPECT_EQ(Timer.ElapsedMs(), 0) << "paused: nothing counted";
  Timer.Paused = false;
  Timer.Update();
  EXPECT_EQ(Timer.ElapsedMs(), 30);
}

TEST_F(RoundTimer, EachTickCountsThirtyMilliseconds) {
  StartRound(120, goNormalMode);
  EXPECT_EQ(RunUntilSecond(3), 100);
  EXPECT_EQ(Timer.ElapsedMs(), 3000);
}

TEST_F(RoundTimer, AlmostTimeUpFiresOnceAt28SecondsLeft) {
  StartRound(120, goBossMode);
  RunUntilSecond(91);
  EXPECT_EQ(AlmostTimeUps, 0);
  RunUntilSecond(92);
  EXPECT_EQ(AlmostTimeUps, 1);
  RunUntilSecond(100);
  EXPECT_EQ(AlmostTimeUps, 1);
}

TEST_F(RoundTimer, TimeUpFiresOnceAndTheCountStops) {
  StartRound(10, goBossMode);
  EXPECT_EQ(RunUntilSecond(10), 334) << "10000 ms in ticks of 30";
  EXPECT_EQ(TimeUps, 1);
  EXPECT_FALSE(Timer.Running());
  EXPECT_EQ(Timer.ElapsedSeconds(), 10);
  EXPECT_EQ(Timer.PercentLeft(), 0);
  for (int i = 0; i < 100; ++i) Timer.Update();
  EXPECT_EQ(TimeUps, 1);
  EXPECT_EQ(Timer.ElapsedMs(), 10000);
  EXPECT_EQ(Timer.PlayingSeconds(), 10) << "a round won after time-up has used all of it";
}

TEST_F(RoundTimer, NoPlayingTimeBeforeTheTubeHasFilled) {
  Timer.Reset();
  Timer.Time = 10;
  Timer.Start();
  for (int i = 0; i < 20; ++i) Timer.Update();
  EXPECT_EQ(Timer.PlayingSeconds(), 0);
}

TEST_F(RoundTimer, ANormalLevelRunsOutTheSameWayAndOnlyTheShellIgnoresIt) {
  StartRound(10, goNormalMode);
  RunUntilSecond(10);
  EXPECT_EQ(TimeUps, 1);
  EXPECT_EQ(Timer.EmptyPixels(), 305);
}

TEST_F(RoundTimer, AbsorbDrainsFifteenHundredMsPerTickUpToTheRoundTime) {
  StartRound(120, goBossMode);
  RunUntilSecond(90);  // 30 s left
  Timer.Absorb(60);
  int ticks = 0;
  while (TimeUps == 0 && ticks < 100) {
    Timer.Update();
    ++ticks;
  }
  // 30000 ms at 1530 ms a tick.
  EXPECT_EQ(ticks, 20);
  EXPECT_EQ(Timer.ElapsedMs(), 120000);
  EXPECT_FALSE(Timer.Draining());
}

TEST_F(RoundTimer, AShortDrainStopsAtItsTarget) {
  StartRound(120, goBossMode);
  Timer.Absorb(3);
  Timer.Update();
  Timer.Update();
  EXPECT_EQ(Timer.ElapsedMs(), 3000) << "30 + 1500, then capped at 3000";
  EXPECT_FALSE(Timer.Draining());
  Timer.Update();
  EXPECT_EQ(Timer.ElapsedMs(), 3030);
}

TEST_F(RoundTimer, OutputsFollowTheTimeUsed) {
  StartRound(100, goNormalMode);
  RunUntilSecond(25);
  EXPECT_EQ(Timer.PercentLeft(), 75);
  EXPECT_EQ(Timer.EmptyPixels(), 76) << "305 / 4 = 76.25";
  EXPECT_EQ(Timer.MaxPixels(), 305);
}

TEST_F(RoundTimer, SlideOutReturnsToTheHidingPlace) {
  StartRound(100, goNormalMode);
  Timer.SlideOut();
  int ticks = 0;
  while (Timer.Motion() == TTubeTimer::mtSlidingOut) {
    Timer.Update();
    ++ticks;
  }
  EXPECT_EQ(ticks, 126);
  EXPECT_EQ(Timer.X(), 1420);
}

TEST_F(RoundTimer, ARoundWithoutTimeIsUpAtOnce) {
  StartRound(0, goBossMode);
  Timer.Update();
  EXPECT_EQ(TimeUps, 1);
  EXPECT_EQ(Timer.PercentLeft(), 0);
}

// On a normal level the tube shows where gold and silver end: a mark beside
// the glass at the height the liquid has at that second; a guardian's tube
// is a deadline and has none.
TEST_F(RoundTimer, TheMedalTimesAreMarkedBesideANormalLevelsTube) {
  testing_support::TSpriteRecorder screen;
  screen.AddPicture(std::string(img::TimerTube), 44, 340);
  screen.AddPicture(std::string(img::TimerTubeLiquid), 22, 305);
  screen.AddPicture(std::string(img::TubeMedalMarks), 48, 24, 2, 1);
  Timer.OmgImgList = &screen.List;
  Timer.GoldSeconds = 72;     // 2/5 of 180
  Timer.SilverSeconds = 117;  // 13/20 of 180
  for (const TGameObjective objective : {goNormalMode, goBossMode}) {
    StartRound(180, objective);
    screen.Forget();
    Timer.TickAndDraw();
    std::vector<testing_support::TSprite> marks;
    for (const auto& sprite : screen.Sprites())
      if (sprite.Image == img::TubeMedalMarks) marks.push_back(sprite);
    if (objective == goBossMode) {
      EXPECT_TRUE(marks.empty());
      continue;
    }
    ASSERT_EQ(marks.size(), 2u);
    const float liquidTop = float(Timer.Top + Timer.EnergyAdjustY);
    EXPECT_EQ(marks[0].Pattern, 0);
    EXPECT_FLOAT_EQ(marks[0].Top + 12, liquidTop + 305.0f * 72 / 180) << "gold's mark, centred on its height";
    EXPECT_EQ(marks[1].Pattern, 1);
    EXPECT_FLOAT_EQ(marks[1].Top + 12, liquidTop + 305.0f * 117 / 180);
    EXPECT_LE(marks[0].Left + 24, float(Timer.Left + Timer.EnergyAdjustX + (22 - 44) / 2)) << "left of the glass";
  }
}

}  // namespace
}  // namespace qm
