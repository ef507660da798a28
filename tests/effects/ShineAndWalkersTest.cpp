#include <gtest/gtest.h>

#include "effects/Shine.h"
#include "effects/Walkers.h"
#include "engine/EffectsMode.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSpriteRecorder;

struct TShineCase {
  const char* Rule;
  TShineMotion Motion;
  int Tick;
  bool Drawn;
};

class ShineMotions : public ::testing::TestWithParam<TShineCase> {};

TEST_P(ShineMotions, LightOnlyWhenTheirMotionSaysSo) {
  TSpriteRecorder screen;
  screen.AddPicture("FeatureShine", 128, 128);
  TShine shine;
  shine.OmgImgList = &screen.List;
  shine.Motion = GetParam().Motion;
  shine.PeriodTicks = 100;
  shine.Start();
  for (int tick = 0; tick < GetParam().Tick; ++tick) shine.TickAndDraw();
  screen.Forget();
  shine.TickAndDraw();
  EXPECT_EQ(!screen.Sprites().empty(), GetParam().Drawn) << GetParam().Rule;
  if (!screen.Sprites().empty()) {
    EXPECT_TRUE(screen.Sprites().front().Additive) << "light adds to what is under it";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Periods, ShineMotions,
    ::testing::Values(TShineCase{"a sweep crosses in the first part of its period", smSweep, 20, true},
                      TShineCase{"and waits out the rest", smSweep, 70, false},
                      TShineCase{"a pulse shows all along", smPulse, 70, true},
                      TShineCase{"a turning shine shows all along", smRotate, 70, true}));

TEST(Shine, ACountedShineEndsOnceAfterItsPeriods) {
  TShine shine;
  shine.Periods = 2;
  shine.PeriodTicks = 10;
  int ends = 0;
  shine.OnEnd = [&](TShine&) { ++ends; };
  shine.Start();
  for (int tick = 0; tick < 50; ++tick) shine.TickAndDraw();
  EXPECT_EQ(ends, 1);
  EXPECT_FALSE(shine.Running());
}

TEST(Walkers, WalkersKeepToTheirLanesAndTurnAtTheEnds) {
  TSpriteRecorder screen;
  screen.AddPicture("TownPeople", 144, 56, 4, 1);
  TWalkers people;
  people.OmgImgList = &screen.List;
  people.Image = "TownPeople";
  people.Patterns = 4;
  people.Lanes = {{100, 300, 500}, {600, 700, 600}};
  people.SpeedMin = people.SpeedMax = 3;
  people.Start(4);
  for (int tick = 0; tick < 400; ++tick) {
    screen.Forget();
    people.TickAndDraw();
    for (const auto& sprite : screen.Sprites()) {
      const float feet = sprite.Top + 56;
      const float middle = sprite.Left + 18;
      const bool onFirst = feet == 500 && middle >= 100 - 4 && middle <= 300 + 4;
      const bool onSecond = feet == 600 && middle >= 600 - 4 && middle <= 700 + 4;
      ASSERT_TRUE(onFirst || onSecond) << "at " << middle << "," << feet;
    }
  }
  EXPECT_EQ(people.Count(), 4);
}

TEST(Walkers, ReducedEffectsLeaveTheWalkersOut) {
  TSpriteRecorder screen;
  screen.AddPicture("TownCloud", 200, 90);
  TWalkers clouds;
  clouds.OmgImgList = &screen.List;
  clouds.Image = "TownCloud";
  clouds.Lanes = {{0, 1366, 150}};
  clouds.Start(3);
  ReducedDecoration = true;
  clouds.TickAndDraw();
  ReducedDecoration = false;
  EXPECT_TRUE(screen.Sprites().empty());
}

}  // namespace
}  // namespace qm
