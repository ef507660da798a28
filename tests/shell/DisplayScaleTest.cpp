// The screen draws at the window's real size: the finer pictures on a large
// screen, the pack's own at the frame's size, changing as the window does.
#include <gtest/gtest.h>

#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::THeadlessGame;

class DisplayScale : public ::testing::Test {
 protected:
  DisplayScale() : game({.WithContent = true}) {}

  THeadlessWindow& Window() { return static_cast<THeadlessWindow&>(game.Window()); }
  void ShowOn(int width, int height) {
    Window().OutputWidth = width;
    Window().OutputHeight = height;
    if (Window().OnResize) Window().OnResize();
  }
  int TextureDensity(const std::string& name) {
    const TImageListItem* item = game.Form().OmegaImageList1->FindImage(name);
    return item ? game.Device()->Textures.at(item->Texture()).Density : 0;
  }

  THeadlessGame game;
};

TEST_F(DisplayScale, ALargeScreenGetsTheFinerPicturesAndTwiceThePixels) {
  ShowOn(2732, 1536);
  game.Start();
  ASSERT_TRUE(game.RunUntilScene(gsSplash, 400));
  EXPECT_EQ(game.Form().OmegaScreen1->OutputScale, 2);
  EXPECT_EQ(game.Device()->Params.Scale, 2);
  EXPECT_EQ(TextureDensity("SplashBG"), 2);
  EXPECT_EQ(game.Form().OmegaImageList1->FindImage("SplashBG")->PictureWidth(), 1366) << "sizes stay in units";
}

TEST_F(DisplayScale, TheScreenFollowsTheWindowAndAFixedScaleHolds) {
  game.Start();
  ASSERT_TRUE(game.RunUntilScene(gsSplash, 400));
  EXPECT_EQ(TextureDensity("SplashBG"), 1) << "the frame's own size";
  ShowOn(1920, 1080);
  EXPECT_FLOAT_EQ(game.Device()->Params.Scale, 1920.0f / 1366);
  EXPECT_EQ(TextureDensity("SplashBG"), 2);
  game.Form().DisplayForThisRun(std::nullopt, TScaleMode::One);
  ShowOn(1920, 1080);
  EXPECT_EQ(game.Device()->Params.Scale, 1) << "--scale 1 stretches the frame";
  EXPECT_EQ(TextureDensity("SplashBG"), 1);
}

}  // namespace
}  // namespace qm
