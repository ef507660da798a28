#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "engine/FrameTime.h"
#include "engine/GameRandom.h"
#include "engine/StepHelpers.h"

namespace qm {
namespace {

TEST(StepToward, MovesByStepAndStopsOnTheTarget) {
  int width = 0;
  EXPECT_FALSE(StepToward(width, 2, 5));
  EXPECT_EQ(width, 2);
  EXPECT_FALSE(StepToward(width, 2, 5));
  EXPECT_EQ(width, 4);
  EXPECT_TRUE(StepToward(width, 2, 5));
  EXPECT_EQ(width, 5);
  EXPECT_TRUE(StepToward(width, 2, 5));
  EXPECT_EQ(width, 5);
}

TEST(StepToward, MovesDownTowardALowerTarget) {
  float x = 10;
  EXPECT_FALSE(StepToward(x, 4, 1));
  EXPECT_EQ(x, 6);
  EXPECT_FALSE(StepToward(x, 4, 1));
  EXPECT_EQ(x, 2);
  EXPECT_TRUE(StepToward(x, 4, 1));
  EXPECT_EQ(x, 1);
}

TEST(StepToward, AlreadyOnTargetIsArrived) {
  float y = -999;
  EXPECT_TRUE(StepToward(y, 10, -999));
  EXPECT_EQ(y, -999);
}

TEST(StepUpTo, AddsAndClampsAtTheLimit) {
  int fill = 90;
  EXPECT_FALSE(StepUpTo(fill, 6, 100));
  EXPECT_EQ(fill, 96);
  EXPECT_TRUE(StepUpTo(fill, 6, 100));
  EXPECT_EQ(fill, 100);
  float alpha = 250;
  EXPECT_TRUE(StepUpTo(alpha, 10, 255));
  EXPECT_EQ(alpha, 255);
}

TEST(TimerReached, CountsOneFrameOfMillisecondsPerCall) {
  int shown = 0;
  EXPECT_FALSE(TimerReached(shown, 100));
  EXPECT_EQ(shown, FrameMs);
}

TEST(TimerReached, ArrivesOnTheTickThatReachesTheLimitAndHoldsThere) {
  int shown = 0;
  int ticks = 1;
  while (!TimerReached(shown, 100)) ++ticks;
  EXPECT_EQ(ticks, 4);  // 30, 60, 90, then 120 is held at 100
  EXPECT_EQ(shown, 100);
  EXPECT_TRUE(TimerReached(shown, 100));
  EXPECT_EQ(shown, 100);
}

TEST(TimerReached, FifteenSecondsTakeFiveHundredTicks) {
  int shown = 0;
  int ticks = 1;
  while (!TimerReached(shown, 15000)) ++ticks;
  EXPECT_EQ(ticks, 500);
}

class SeededTest : public testing::Test {
 protected:
  SeededTest() : FSaved(GameRandom().Seed()) {}
  ~SeededTest() override { GameRandom().SetSeed(FSaved); }

 private:
  std::uint32_t FSaved;
};

// The seeds below are chosen so that the next Random(5) is the given value.
constexpr std::uint32_t kDrawsZero = 0, kDrawsOne = 7, kDrawsTwo = 13, kDrawsThree = 20, kDrawsFour = 26;

using RandomStretchTest = SeededTest;

TEST_F(RandomStretchTest, AddsZeroToFortyPercentInTensOfPercent) {
  const std::uint32_t seeds[] = {kDrawsZero, kDrawsOne, kDrawsTwo, kDrawsThree, kDrawsFour};
  const int expected[] = {350, 385, 420, 455, 490};
  for (int i = 0; i < 5; ++i) {
    GameRandom().SetSeed(seeds[i]);
    EXPECT_EQ(RandomStretch(350), expected[i]) << "draw " << i;
  }
}

TEST_F(RandomStretchTest, NeverGivesAnythingElse) {
  GameRandom().SetSeed(2024);
  std::set<int> seen;
  for (int i = 0; i < 500; ++i) seen.insert(RandomStretch(1000));
  EXPECT_EQ(seen, (std::set<int>{1000, 1100, 1200, 1300, 1400}));
}

TEST_F(RandomStretchTest, HalvesRoundToEven) {
  GameRandom().SetSeed(kDrawsOne);
  EXPECT_EQ(RandomStretch(25), 27);  // 2.5 -> 2
  GameRandom().SetSeed(kDrawsThree);
  EXPECT_EQ(RandomStretch(25), 33);  // 7.5 -> 8
  GameRandom().SetSeed(kDrawsOne);
  EXPECT_EQ(RandomStretch(5), 5);  // 0.5 -> 0
}

using RandomStepTest = SeededTest;

TEST_F(RandomStepTest, GivesEvenlySpacedValuesFromTheBase) {
  GameRandom().SetSeed(77);
  std::set<int> seen;
  for (int i = 0; i < 1000; ++i) seen.insert(RandomStep(10, 350, 350));
  EXPECT_EQ(seen, (std::set<int>{350, 700, 1050, 1400, 1750, 2100, 2450, 2800, 3150, 3500}));
}

TEST_F(RandomStepTest, NegativeStepWithoutBaseCountsDownFromZero) {
  GameRandom().SetSeed(0xFFFFFFFFu);  // next Random(15) is 14
  EXPECT_EQ(RandomStep(15, -32), -448);
}

TEST(AngleStep, GrowsByTheStep) {
  float angle = 10;
  AngleStep(angle, 0.5f);
  EXPECT_EQ(angle, 10.5f);
}

TEST(AngleStep, StartsAgainAtZeroOnlyAbove360) {
  float angle = 359.5f;
  AngleStep(angle, 0.5f);
  EXPECT_EQ(angle, 360);
  AngleStep(angle, 0.5f);
  EXPECT_EQ(angle, 0);
}

TEST(PointInRect, AllFourEdgesAreInside) {
  EXPECT_TRUE(PointInRect(10, 20, 10, 20, 30, 40));
  EXPECT_TRUE(PointInRect(30, 40, 10, 20, 30, 40));
  EXPECT_TRUE(PointInRect(10, 40, 10, 20, 30, 40));
  EXPECT_TRUE(PointInRect(30, 20, 10, 20, 30, 40));
  EXPECT_TRUE(PointInRect(20, 30, 10, 20, 30, 40));
}

TEST(PointInRect, OnePixelOutsideIsOutside) {
  EXPECT_FALSE(PointInRect(9, 30, 10, 20, 30, 40));
  EXPECT_FALSE(PointInRect(31, 30, 10, 20, 30, 40));
  EXPECT_FALSE(PointInRect(20, 19, 10, 20, 30, 40));
  EXPECT_FALSE(PointInRect(20, 41, 10, 20, 30, 40));
}

TEST(RoundToEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundToEven(0.5), 0);
  EXPECT_EQ(RoundToEven(1.5), 2);
  EXPECT_EQ(RoundToEven(2.5), 2);
  EXPECT_EQ(RoundToEven(-1.5), -2);
  EXPECT_EQ(RoundToEven(2.6), 3);
  EXPECT_EQ(RoundToEven(-2.4), -2);
}

}  // namespace
}  // namespace qm
