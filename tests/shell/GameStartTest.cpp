// The game from its first frame to the menu, as a player sees it.
#include <gtest/gtest.h>

#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::THeadlessGame;

// Share of pixels that are not black.
double LitShare(const TRgbaImage& frame) {
  long long lit = 0;
  for (int y = 0; y < frame.Height; y += 4)
    for (int x = 0; x < frame.Width; x += 4) {
      const std::uint8_t* p = frame.At(x, y);
      if (p[0] + p[1] + p[2] > 30) ++lit;
    }
  return double(lit) / ((frame.Width / 4) * (frame.Height / 4));
}

TEST(GameStart, LogosThenSplashThenAClickLeadsToTheMenu) {
  THeadlessGame game({.Rendering = true, .WithContent = true});
  game.Start();
  game.RunTicks(60);
  ASSERT_EQ(game.Scene(), gsCompanyLogos);
  auto logos = game.Frame();
  ASSERT_TRUE(logos);
  EXPECT_GT(LitShare(*logos), 0.9) << "the logos show on white";
  game.CaptureFrame("start-logos");

  ASSERT_TRUE(game.RunUntilScene(gsSplash, 400));
  game.RunTicks(5);
  game.CaptureFrame("start-splash-loading");
  // Clicks count only once everything has loaded.
  game.Click(683, 384);
  game.RunTicks(1);
  EXPECT_FALSE(game.Form().SceneTransition->Active());

  game.RunTicks(60);
  ASSERT_TRUE(game.Form().LoadingBar->LoadingFinished());
  EXPECT_EQ(game.Form().LoadingBar->FillShown(), game.Form().LoadingBar->FillWidth);
  EXPECT_GT(game.Form().LoadingBar->FillWidth, 0);
  game.CaptureFrame("start-splash-loaded");

  game.Click(683, 384);
  game.RunTicks(10);
  EXPECT_TRUE(game.Form().SceneTransition->Active());
  game.CaptureFrame("start-transition-closing");
  ASSERT_TRUE(game.RunUntilScene(gsMenu, 30));
  game.RunTicks(45);
  EXPECT_FALSE(game.Form().SceneTransition->Active());
  EXPECT_TRUE(game.Messages().Messages.empty());
  game.CaptureFrame("start-menu");
}

}  // namespace
}  // namespace qm
