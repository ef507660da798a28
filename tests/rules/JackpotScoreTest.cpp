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
  counter.AddCounting(3, jsClick);
  for (int i = 0; i < 30; ++i) counter.TickAndDraw();
  EXPECT_EQ(counter.ShownValue(), 3);
  EXPECT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.front(), "Click");
}

}  // namespace
}  // namespace qm
