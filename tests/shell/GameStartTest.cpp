// The game from its first frame to the menu, as a player sees it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  // Clicks count only once everything has loaded.
  game.Click(683, 384);
  game.RunTicks(1);
  EXPECT_FALSE(game.Form().SceneTransition->Active());

  game.RunTicks(60);
  ASSERT_TRUE(game.Form().LoadingBar->LoadingFinished());
  EXPECT_EQ(game.Form().LoadingBar->FillShown(), game.Form().LoadingBar->FillWidth);
  EXPECT_GT(game.Form().LoadingBar->FillWidth, 0);
  auto loaded = game.Frame();
  ASSERT_TRUE(loaded);
  EXPECT_GT(LitShare(*loaded), 0.5) << "the splash picture fills the frame";
  game.CaptureFrame("start-splash-loaded");

  // A first start: the name entry comes over the splash, without a cover.
  game.Click(683, 384);
  EXPECT_EQ(game.Scene(), gsAddInitialPlayer);
  EXPECT_FALSE(game.Form().AddNameCancelButton->Enabled) << "the first player cannot be skipped";
  game.RunTicks(10);
  game.Type("ann\r");
  game.RunTicks(10);
  EXPECT_TRUE(game.Form().SceneTransition->Active());
  // The new player hears the story first.
  ASSERT_TRUE(game.RunUntilScene(gsOpeningStory, 30));
  ASSERT_TRUE(game.Driver().SeeStoryThrough(100));
  ASSERT_TRUE(game.RunUntilScene(gsMenu, 30));
  game.RunTicks(45);
  EXPECT_FALSE(game.Form().SceneTransition->Active());
  EXPECT_EQ(game.Form().PlayerName(), "ANN");
  EXPECT_TRUE(game.Messages().Messages.empty());
}

// Runs a fresh game to the menu with its panels in place.
void ReachMenu(THeadlessGame& game) {
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(2000));
}

TEST(GameStart, ASplashWithNoPictureToLoadStillTakesItsClick) {
  THeadlessGame game;  // a program folder of text tables alone
  game.Start();
  ASSERT_TRUE(game.RunUntilScene(gsSplash, 400));
  game.RunTicks(60);
  game.Click(683, 384);
  EXPECT_EQ(game.Scene(), gsAddInitialPlayer);
}

TEST(MenuExit, NoKeepsThePlayerInTheMenu) {
  THeadlessGame game({.WithContent = true});
  ReachMenu(game);
  game.Click(1125, 614);  // "ExitButton"
  ASSERT_EQ(game.Scene(), gsConfirmWindow);
  game.RunTicks(8);
  const auto& confirm = *game.Form().ConfirmWindow;
  EXPECT_EQ(confirm.QuestionKind(), 1);
  EXPECT_FALSE(confirm.Title().empty());
  EXPECT_FALSE(confirm.DescLine(1).empty());

  game.Click(778, 450);  // "No"
  game.RunTicks(8);
  EXPECT_EQ(game.Scene(), gsMenu);
  EXPECT_FALSE(game.Application().Terminated());
}

TEST(MenuExit, YesClosesTheGame) {
  THeadlessGame game({.WithContent = true});
  ReachMenu(game);
  game.Click(1125, 614);
  game.RunTicks(8);
  game.Click(617, 450);  // "Yes"
  game.RunTicks(8);
  EXPECT_TRUE(game.Application().Terminated());
}

TEST(MenuPictures, EveryPictureTheMenuAndItsQuestionDrawIsInThePack) {
  THeadlessGame game({.WithContent = true});
  ReachMenu(game);
  game.Click(1125, 614);
  game.RunTicks(10);
  game.Click(778, 450);
  game.RunTicks(10);
  const TOmegaImageList& images = *game.Form().OmegaImageList1;
  std::vector<std::string> neverFound;
  for (const std::string& name : images.MissedNames())
    if (!images.FindImage(name)) neverFound.push_back(name);
  EXPECT_EQ(neverFound, std::vector<std::string>{});
}

TEST(MenuButtons, ThePointerTurnsToAHandOverAButton) {
  THeadlessGame game({.WithContent = true});
  ReachMenu(game);
  game.MouseMove(1125, 614);
  EXPECT_EQ(game.Form().Cursor(), TCursorShape::crHandPoint);
  game.MouseMove(600, 700);
  EXPECT_EQ(game.Form().Cursor(), TCursorShape::crDefault);
}

}  // namespace
}  // namespace qm
