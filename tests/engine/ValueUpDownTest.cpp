#include <gtest/gtest.h>

#include <vector>

#include "engine/ValueUpDown.h"

namespace qm {
namespace {

std::vector<float> Steps(TValueUpDown& pulse, int count) {
  std::vector<float> values;
  for (int i = 0; i < count; ++i) {
    pulse.Step();
    values.push_back(pulse.Value());
  }
  return values;
}

TEST(ValueUpDownDefaults, FreshSwingClampsToZeroThenCountsUpToHundred) {
  TValueUpDown pulse;
  EXPECT_EQ(pulse.Value(), 0);
  EXPECT_EQ(Steps(pulse, 3), (std::vector<float>{0, 1, 2}));
  Steps(pulse, 97);
  EXPECT_EQ(pulse.Value(), 99);
  EXPECT_EQ(Steps(pulse, 3), (std::vector<float>{100, 99, 98}));
}

TEST(ValueUpDownSwing, TurnsOnEachBoundWithoutPassingIt) {
  TValueUpDown pulse;
  pulse.Setup(0, 10, 4, 3);
  // Going down first: 0 - 3 clamps to 0 and turns up.
  EXPECT_EQ(Steps(pulse, 8), (std::vector<float>{0, 4, 8, 10, 7, 4, 1, 0}));
  EXPECT_EQ(Steps(pulse, 1), (std::vector<float>{4}));
}

TEST(ValueUpDownSetup, StartsAtMinAndKeepsDirection) {
  TValueUpDown pulse;
  pulse.Setup(0, 100, 1, 1);
  Steps(pulse, 5);  // going up by now
  pulse.Setup(50, 60, 2, 2);
  EXPECT_EQ(pulse.Value(), 50);
  EXPECT_EQ(Steps(pulse, 2), (std::vector<float>{52, 54}));
}

TEST(ValueUpDownRange, ClampsOnlyTheOutputOnceSet) {
  TValueUpDown pulse;
  pulse.Setup(0, 10, 5, 5);
  pulse.SetRangeMin(3);
  pulse.SetRangeMax(7);
  // The swing itself runs 0, 5, 10, 5, 0.
  EXPECT_EQ(Steps(pulse, 5), (std::vector<float>{3, 5, 7, 5, 3}));
}

TEST(ValueUpDownRange, UnsetClampsLeaveZeroAndNegativeValuesAlone) {
  TValueUpDown pulse;
  pulse.Setup(-10, 0, 5, 5);
  EXPECT_EQ(Steps(pulse, 3), (std::vector<float>{-10, -5, 0}));
}

TEST(ValueUpDownRestartUp, TurnsUpFromTheCurrentValue) {
  TValueUpDown pulse;
  pulse.Setup(0, 10, 2, 2);
  EXPECT_EQ(Steps(pulse, 8), (std::vector<float>{0, 2, 4, 6, 8, 10, 8, 6}));
  pulse.RestartUp();
  EXPECT_EQ(pulse.Value(), 6);
  EXPECT_EQ(Steps(pulse, 2), (std::vector<float>{8, 10}));
}

TEST(ValueUpDownValue, DirectSetLastsUntilTheNextStep) {
  TValueUpDown pulse;
  pulse.Setup(0, 10, 1, 1);
  pulse.SetValue(42);
  EXPECT_EQ(pulse.Value(), 42);
  pulse.Step();
  EXPECT_EQ(pulse.Value(), 0);
}

TEST(ValueUpDownRounding, HalvesGoToTheEvenNeighbour) {
  TValueUpDown pulse;
  pulse.SetValue(2.5f);
  EXPECT_EQ(pulse.RoundedValue(), 2);
  pulse.SetValue(3.5f);
  EXPECT_EQ(pulse.RoundedValue(), 4);
  pulse.SetValue(3.4f);
  EXPECT_EQ(pulse.RoundedValue(), 3);
  pulse.SetValue(-0.5f);
  EXPECT_EQ(pulse.RoundedValue(), 0);
}

}  // namespace
}  // namespace qm
