#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "engine/GameRandom.h"

namespace qm {
namespace {

// Every step is seed * 134775813 + 1, cut to 32 bits.
TEST(GameRandomSequence, SeedZeroStepsToOneThenTo134775814) {
  TGameRandom random(0);
  random.Random(10);
  EXPECT_EQ(random.Seed(), 1u);
  random.Random(10);
  EXPECT_EQ(random.Seed(), 134775814u);
}

TEST(GameRandomSequence, StepWrapsAroundThirtyTwoBits) {
  // 0xFFFFFFFF is -1 on 32 bits: -134775813 + 1 = 2^32 - 134775812.
  TGameRandom random(0xFFFFFFFFu);
  random.Random(10);
  EXPECT_EQ(random.Seed(), 4160191484u);
}

// A draw is the high half of new seed * N.
TEST(GameRandomDraw, IsHighHalfOfSeedTimesRange) {
  TGameRandom random(0);
  EXPECT_EQ(random.Random(100), 0);  // 1 * 100 < 2^32
  EXPECT_EQ(random.Random(100), 3);  // 134775814 * 100 / 2^32 = 3.13
}

TEST(GameRandomDraw, NearlyFullSeedGivesTopOfRange) {
  TGameRandom random(0xFFFFFFFFu);
  EXPECT_EQ(random.Random(10), 9);  // 4160191484 * 10 / 2^32 = 9.69
}

TEST(GameRandomDraw, StaysWithinZeroToRangeMinusOne) {
  TGameRandom random(12345);
  std::set<int> seen;
  for (int i = 0; i < 1000; ++i) seen.insert(random.Random(6));
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5}));
}

TEST(GameRandomDraw, RangeOfOneOrLessIsAlwaysZeroButStillSteps) {
  TGameRandom random(0);
  EXPECT_EQ(random.Random(1), 0);
  EXPECT_EQ(random.Random(0), 0);
  EXPECT_EQ(random.Random(-5), 0);
  TGameRandom reference(0);
  for (int i = 0; i < 3; ++i) reference.Random(10);
  EXPECT_EQ(random.Seed(), reference.Seed());
}

TEST(GameRandomDeterminism, SameSeedRepeatsTheSameDraws) {
  TGameRandom first(987654321);
  std::vector<int> a;
  for (int i = 0; i < 20; ++i) a.push_back(first.Random(37));
  TGameRandom second(0);
  second.SetSeed(987654321);
  std::vector<int> b;
  for (int i = 0; i < 20; ++i) b.push_back(second.Random(37));
  EXPECT_EQ(a, b);
}

class SharedGeneratorTest : public testing::Test {
 protected:
  SharedGeneratorTest() : FSaved(GameRandom().Seed()) {}
  ~SharedGeneratorTest() override {
    SetRandomizeClock({});
    GameRandom().SetSeed(FSaved);
  }

 private:
  std::uint32_t FSaved;
};

TEST_F(SharedGeneratorTest, FreeRandomDrawsFromTheSharedGenerator) {
  GameRandom().SetSeed(0);
  EXPECT_EQ(Random(100), 0);
  EXPECT_EQ(Random(100), 3);
  EXPECT_EQ(GameRandom().Seed(), 134775814u);
}

TEST_F(SharedGeneratorTest, RandomizeSeedsFromTheClock) {
  SetRandomizeClock([] { return 4242u; });
  GameRandom().SetSeed(7);
  Randomize();
  EXPECT_EQ(GameRandom().Seed(), 4242u);
}

TEST_F(SharedGeneratorTest, PinnedClockMakesReseededDrawsRepeat) {
  SetRandomizeClock([] { return 99u; });
  Randomize();
  std::vector<int> a;
  for (int i = 0; i < 10; ++i) a.push_back(Random(16));
  Randomize();
  std::vector<int> b;
  for (int i = 0; i < 10; ++i) b.push_back(Random(16));
  EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace qm
