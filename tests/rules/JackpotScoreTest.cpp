#include "rules/JackpotScore.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// Ticks until the counter shows shown; the values it showed on the way.
std::vector<int> ShownOnTheWay(TJackpotScore& counter) {
  std::vector<int> shown;
  for (int i = 0; i < 100 && counter.ShownValue() != counter.Value(); ++i) {
    const int before = counter.ShownValue();
    counter.TickAndDraw();
    if (counter.ShownValue() != before) shown.push_back(counter.ShownValue());
  }
  return shown;
}

TEST(JackpotScore, RollsUpByItsIncrement) {
  TJackpotScore counter;
  counter.Increment = 9;
  counter.SetValue(1000);
  counter.SetTarget(1020);
  EXPECT_EQ(ShownOnTheWay(counter), (std::vector<int>{1009, 1018, 1020}));
}

TEST(JackpotScore, RollsDownAsWell) {
  TJackpotScore counter;
  counter.Increment = 1;
  counter.SetValue(3);
  counter.Add(-2);
  EXPECT_EQ(ShownOnTheWay(counter), (std::vector<int>{2, 1}));
}

TEST(JackpotScore, NeverBelowZero) {
  TJackpotScore counter;
  counter.SetValue(2);
  counter.Add(-5);
  EXPECT_EQ(counter.Value(), 0);
  counter.SetValue(-3);
  EXPECT_EQ(counter.ShownValue(), 0);
}

TEST(JackpotScore, WidensForALongerNumber) {
  TJackpotScore counter;
  counter.SetDigits(2);
  counter.SetValue(150);
  EXPECT_EQ(counter.Digits(), 3);
}

TEST(JackpotScore, CountingTicksASoundEverySecondFrame) {
  TJackpotScore counter;
  std::vector<std::string> sounds;
  counter.OnPlaySound = [&](const std::string& name) { sounds.push_back(name); };
  counter.Increment = 1;
  counter.AddCounting(20, jsClick);
  std::vector<int> soundFrames;
  for (int frame = 1; frame <= 60; ++frame) {
    const std::size_t before = sounds.size();
    counter.TickAndDraw();
    if (sounds.size() > before) soundFrames.push_back(frame);
  }
  EXPECT_EQ(counter.ShownValue(), 20);
  ASSERT_GE(soundFrames.size(), 3u);
  EXPECT_EQ(sounds.front(), "Click");
  for (std::size_t i = 1; i < soundFrames.size(); ++i) EXPECT_EQ(soundFrames[i] - soundFrames[i - 1], 2);
}

}  // namespace
}  // namespace qm
