#include "engine/ScreenLayout.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TLayoutItem Picture(const char* name, TLayoutBox box, int alpha = 255) {
  TLayoutItem item;
  item.Name = name;
  item.Box = box;
  item.Alpha = alpha;
  return item;
}

TLayoutItem Text(const char* text, TLayoutBox box, int alpha = 255) {
  TLayoutItem item = Picture(text, box, alpha);
  item.Kind = lkText;
  return item;
}

struct TLayoutCase {
  const char* Rule;
  std::vector<TLayoutItem> Items;
  std::size_t Faults;
};

class LayoutChecks : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(LayoutChecks, FindWhatAPlayerWouldSee) {
  EXPECT_EQ(LayoutFaults(GetParam().Items, 1366, 768).size(), GetParam().Faults) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Frames, LayoutChecks,
    ::testing::Values(
        TLayoutCase{"a window inside the frame", {Picture("OptionsWindow", {300, 100, 900, 600})}, 0},
        TLayoutCase{"a window cut by the right edge", {Picture("OptionsWindow", {900, 100, 1400, 600})}, 1},
        TLayoutCase{"a panel slid wholly away", {Picture("LeftPanel", {-134, 232, 0, 752})}, 0},
        TLayoutCase{"a panel bleeding 4 pixels past its edge", {Picture("LeftPanel", {-4, 232, 130, 752})}, 0},
        TLayoutCase{"a panel showing a sliver", {Picture("LeftPanel", {-130, 232, 4, 752})}, 1},
        TLayoutCase{"a button cut by the top edge", {Picture("InGameMenuButton", {1234, -4, 1344, 40})}, 1},
        TLayoutCase{"a marker cut by the edge", {Picture("MapStamp", {-20, 300, 60, 380})}, 1},
        TLayoutCase{"a board piece may leave the frame", {Picture("Elements", {-20, 300, 60, 380})}, 0},
        TLayoutCase{"a fading window is passing through", {Picture("OptionsWindow", {900, 100, 1400, 600}, 120)}, 0},
        TLayoutCase{"a text inside its window",
                    {Picture("ConfirmWindow", {400, 200, 900, 500}), Text("Quit?", {500, 250, 600, 280})}, 0},
        TLayoutCase{"a text running out of its window",
                    {Picture("ConfirmWindow", {400, 200, 900, 500}), Text("A long question", {800, 250, 960, 280})},
                    1},
        TLayoutCase{"a text over a button",
                    {Picture("WindowOKButton", {500, 400, 640, 450}), Text("Quit?", {520, 410, 600, 440})}, 1},
        TLayoutCase{"two texts running into each other",
                    {Text("Score", {500, 250, 600, 280}), Text("1200", {580, 250, 660, 280})}, 1},
        TLayoutCase{"lines one under the other",
                    {Text("first line", {500, 250, 600, 280}), Text("second line", {500, 276, 600, 306})}, 0}));

// A frame of one colour with a text's letters in another.
struct TContrastCase {
  const char* Rule;
  int Ink, Background;
  bool Fault;
};

class ContrastChecks : public ::testing::TestWithParam<TContrastCase> {};

TEST_P(ContrastChecks, HoldTheLettersToFourAndAHalfToOne) {
  const TContrastCase& c = GetParam();
  TRgbaImage without(40, 20), shown(40, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool letter = x >= 10 && x < 30 && y >= 8 && y < 12;
      for (int channel = 0; channel < 3; ++channel) {
        without.At(x, y)[channel] = std::uint8_t(c.Background);
        shown.At(x, y)[channel] = std::uint8_t(letter ? c.Ink : c.Background);
      }
    }
  const std::vector<TLayoutItem> items{Text("word", {5, 4, 35, 16})};
  EXPECT_EQ(!ContrastFaults(items, shown, without).empty(), c.Fault) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(Texts, ContrastChecks,
                         ::testing::Values(TContrastCase{"white on black", 255, 0, false},
                                           TContrastCase{"black on white", 0, 255, false},
                                           TContrastCase{"white on light grey", 255, 190, true},
                                           TContrastCase{"white on mid grey (3.9:1)", 255, 130, true},
                                           TContrastCase{"white on dark grey (5.7:1)", 255, 110, false}));

TEST(ContrastRatio, IsTheWcagRatio) {
  EXPECT_NEAR(ContrastRatio(RelativeLuminance(255, 255, 255), RelativeLuminance(0, 0, 0)), 21.0, 0.01);
  EXPECT_NEAR(ContrastRatio(RelativeLuminance(118, 118, 118), RelativeLuminance(255, 255, 255)), 4.54, 0.02);
}

}  // namespace
}  // namespace qm
