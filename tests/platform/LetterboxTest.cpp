#include "platform/Letterbox.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// The 1366 x 768 frame shown full screen on a desktop of another shape:
// scaled evenly, centred, with bars on the sides that are left over.
struct TDesktopCase {
  int Width, Height;
  TLetterbox Expected;
};

class LetterboxedDesktop : public ::testing::TestWithParam<TDesktopCase> {};

TEST_P(LetterboxedDesktop, TheFrameIsScaledEvenlyAndCentred) {
  const TDesktopCase& c = GetParam();
  const TLetterbox box = TLetterbox::Fit(c.Width, c.Height, 1366, 768);
  EXPECT_EQ(box.Left, c.Expected.Left);
  EXPECT_EQ(box.Top, c.Expected.Top);
  EXPECT_EQ(box.Width, c.Expected.Width);
  EXPECT_EQ(box.Height, c.Expected.Height);
  // Even: the same scale across and down, to within a pixel's rounding.
  EXPECT_NEAR(double(box.Width) / 1366, double(box.Height) / 768, 1.0 / 768);
}

TEST_P(LetterboxedDesktop, TheMouseComesBackThroughTheSameTransform) {
  const TDesktopCase& c = GetParam();
  const TLetterbox box = TLetterbox::Fit(c.Width, c.Height, 1366, 768);
  int x = 0, y = 0;
  box.ToBuffer(box.Left, box.Top, 1366, 768, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  box.ToBuffer(box.Left + box.Width / 2, box.Top + box.Height / 2, 1366, 768, x, y);
  EXPECT_NEAR(x, 683, 1);
  EXPECT_NEAR(y, 384, 1);
  box.ToBuffer(box.Left + box.Width - 1, box.Top + box.Height - 1, 1366, 768, x, y);
  EXPECT_EQ(x, 1365);
  EXPECT_EQ(y, 767);
}

INSTANTIATE_TEST_SUITE_P(Desktops, LetterboxedDesktop,
                         ::testing::Values(TDesktopCase{1920, 1080, {0, 0, 1920, 1079}},
                                           TDesktopCase{1280, 1024, {0, 152, 1280, 720}}));

}  // namespace
}  // namespace qm
