#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/LoadingBar.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

// The bar of a start-up folder with three pictures: three real steps and
// the extra one.
class LoadingBarTest : public ::testing::Test {
 protected:
  LoadingBarTest() { bar.ImageCountToLoad = 4; }
  void Loaded(int images) {
    for (int i = 0; i < images; ++i) bar.OneImageLoaded();
  }

  TLoadingBar bar;
};

// The same bar drawing its four pictures.
class DrawnLoadingBar : public LoadingBarTest {
 protected:
  DrawnLoadingBar() {
    recorder.AddPicture("LoadingBarBG", 60, 40);
    recorder.AddPicture("LoadingBarFill", 10, 8);
    recorder.AddPicture("LoadingBarGlass", 12, 8);
    recorder.AddPicture("LoadingBarText", 30, 20, 1, 2);
    bar.OmgImgList = &recorder.List;
    bar.MeasureFill();
  }
  TSprite Drawn(const std::string& image) {
    recorder.Forget();
    bar.StepAndDraw();
    for (const TSprite& sprite : recorder.Sprites())
      if (sprite.Image == image) return sprite;
    ADD_FAILURE() << image << " was not drawn";
    return {};
  }
  float FillWidthDrawn() {
    TSprite fill = Drawn("LoadingBarFill");
    return fill.QuadRight - fill.QuadLeft - 0.5f;
  }

  TSpriteRecorder recorder;
};

using BarCounting = LoadingBarTest;

TEST_F(BarCounting, TheLastRealPictureLeavesOnlyTheExtraStep) {
  Loaded(2);
  EXPECT_FALSE(bar.LoadingMinusOneFinished());
  Loaded(1);
  EXPECT_TRUE(bar.LoadingMinusOneFinished());
  EXPECT_FALSE(bar.LoadingFinished());
  Loaded(1);
  EXPECT_TRUE(bar.LoadingFinished());
}

TEST_F(BarCounting, NeverCountsPastTheTotal) {
  Loaded(7);
  EXPECT_EQ(bar.ImagesLoaded(), 4);
  EXPECT_TRUE(bar.LoadingFinished());
}

TEST_F(BarCounting, StartsEmptyAndUnfinished) {
  EXPECT_EQ(bar.ImagesLoaded(), 0);
  EXPECT_FALSE(bar.LoadingMinusOneFinished());
  EXPECT_FALSE(bar.LoadingFinished());
}

using BarFill = DrawnLoadingBar;

TEST_F(BarFill, TheFillIsMeasuredFromItsPicture) {
  EXPECT_EQ(bar.FillWidth, 10);
  EXPECT_EQ(bar.FillHeight, 8);
}

TEST_F(BarFill, GrowsWithTheShareLoadedRoundingHalvesToEven) {
  EXPECT_FLOAT_EQ(FillWidthDrawn(), 0);
  Loaded(1);
  EXPECT_FLOAT_EQ(FillWidthDrawn(), 2) << "2.5 rounds down to even";
  Loaded(1);
  EXPECT_FLOAT_EQ(FillWidthDrawn(), 5);
  Loaded(1);
  EXPECT_FLOAT_EQ(FillWidthDrawn(), 8) << "7.5 rounds up to even";
  Loaded(1);
  EXPECT_FLOAT_EQ(FillWidthDrawn(), 10);
}

TEST_F(BarFill, ShowsTheLeftPartOfThePicture) {
  Loaded(2);
  TSprite fill = Drawn("LoadingBarFill");
  EXPECT_FLOAT_EQ(fill.TexLeft, 0);
  EXPECT_FLOAT_EQ(fill.TexRight, 5);
  EXPECT_FLOAT_EQ(fill.TexBottom, 8);
}

using BarLayout = DrawnLoadingBar;

TEST_F(BarLayout, ThePiecesSitAroundTheBarsCorner) {
  recorder.Forget();
  Loaded(2);
  bar.StepAndDraw();
  std::vector<TSprite> sprites = recorder.Sprites();
  ASSERT_EQ(sprites.size(), 4u);
  EXPECT_EQ(sprites[0].Image, "LoadingBarBG");
  EXPECT_EQ(sprites[0].Left, 685);
  EXPECT_EQ(sprites[0].Top, 682);
  EXPECT_FLOAT_EQ(sprites[1].QuadLeft + 0.5f, 707);
  EXPECT_FLOAT_EQ(sprites[1].QuadTop + 0.5f, 704);
  EXPECT_EQ(sprites[2].Image, "LoadingBarGlass");
  EXPECT_EQ(sprites[2].Left, 708);
  EXPECT_EQ(sprites[2].Top, 704);
  EXPECT_EQ(sprites[3].Image, "LoadingBarText");
  EXPECT_EQ(sprites[3].Left, 685 + 22 + (516 - 30) / 2) << "centred in the tube";
  EXPECT_EQ(sprites[3].Top, 705);
}

TEST_F(BarLayout, TheLineSaysLoadingUntilEverythingIsIn) {
  EXPECT_EQ(Drawn("LoadingBarText").Pattern, 0);
  Loaded(4);
  EXPECT_EQ(Drawn("LoadingBarText").Pattern, 1);
}

TEST_F(BarLayout, TheLinePulsesBetweenItsLimits) {
  int low = 255, high = 0;
  for (int tick = 0; tick < 80; ++tick) {
    int alpha = Drawn("LoadingBarText").Alpha;
    low = std::min(low, alpha);
    high = std::max(high, alpha);
  }
  EXPECT_EQ(low, 120);
  EXPECT_EQ(high, 255);

  Loaded(4);
  low = 255;
  high = 0;
  for (int tick = 0; tick < 80; ++tick) {
    int alpha = Drawn("LoadingBarText").Alpha;
    low = std::min(low, alpha);
    high = std::max(high, alpha);
  }
  EXPECT_EQ(low, 40);
  EXPECT_EQ(high, 255);
}

using BarSlide = DrawnLoadingBar;

TEST_F(BarSlide, StaysPutUntilClicked) {
  for (int tick = 0; tick < 20; ++tick) EXPECT_EQ(Drawn("LoadingBarBG").Top, 682);
}

TEST_F(BarSlide, SlidesDownOnePixelPerTickForTenTicks) {
  bar.StartSlide();
  EXPECT_EQ(Drawn("LoadingBarBG").Top, 683);
  for (int tick = 2; tick <= 9; ++tick) Drawn("LoadingBarBG");
  EXPECT_EQ(Drawn("LoadingBarBG").Top, 692);
  EXPECT_EQ(Drawn("LoadingBarBG").Top, 692);
  EXPECT_EQ(Drawn("LoadingBarGlass").Top, 714) << "the pieces move together";
}

}  // namespace
}  // namespace qm
