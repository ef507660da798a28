// Mouse and keyboard as the player gives them, through the window's events.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/PngWriter.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using testing::THeadlessGame;

THeadlessWindow& WindowOf(THeadlessGame& game) { return static_cast<THeadlessWindow&>(game.Window()); }

// The game's program folder with a splash and two start-up pictures.
void WriteSplashContent(THeadlessGame& game) {
  const fs::path program = game.Root() / "program";
  for (const char* file : {"Images/Splash/SplashBG.png", "Images/Splash/LoadingBarFill.png", "Images/A.png",
                           "Images/B.png"}) {
    fs::create_directories((program / file).parent_path());
    ASSERT_TRUE(WritePng(program / file, TRgbaImage(20, 10)));
  }
}

TEST(PositionTransform, BackBufferPixelsMapOntoTheFrame) {
  THeadlessGame game;
  game.Start();
  // A back buffer of another size, as the screen's scale would say.
  game.Form().OmegaScreen1->ScaleX = 1280.0f / 1366.0f;
  game.Form().OmegaScreen1->ScaleY = 720.0f / 768.0f;
  game.Form().OmegaScreen1->Width = 1280;
  game.Form().OmegaScreen1->Height = 720;
  game.Window().SetClientSize(1280, 720);
  int x = 640, y = 360;
  game.Form().WindowToFrame(x, y);
  EXPECT_EQ(x, 683);
  EXPECT_EQ(y, 384);
  x = 1280;
  y = 720;
  game.Form().WindowToFrame(x, y);
  EXPECT_EQ(x, 1366);
  EXPECT_EQ(y, 768);
}

TEST(PositionTransform, AtFrameSizeNothingMoves) {
  THeadlessGame game;
  game.Start();
  int x = 123, y = 456;
  game.Form().WindowToFrame(x, y);
  EXPECT_EQ(x, 123);
  EXPECT_EQ(y, 456);
}

// The first logo is fully shown after 43 ticks and would hold 25 more.
class LogoPress : public ::testing::Test {
 protected:
  void SetUp() override { game.Start(); }
  int LogoAfterTick(int tick) {
    game.RunTicks(tick - int(game.Form().FramesTicked()));
    return game.Form().CompanyLogos->CurrentLogo();
  }
  THeadlessGame game;
};

TEST_F(LogoPress, SkipsTheHoldOfTheCurrentLogo) {
  game.RunTicks(10);
  game.MouseDown(100, 100);
  EXPECT_EQ(LogoAfterTick(43), 2);
}

TEST_F(LogoPress, WithoutAPressTheLogoHolds) {
  EXPECT_EQ(LogoAfterTick(60), 1);
  EXPECT_EQ(LogoAfterTick(67), 2);
}

TEST_F(LogoPress, ARightPressSkipsToo) {
  game.MouseDown(100, 100, TMouseButton::mbRight);
  EXPECT_EQ(LogoAfterTick(43), 2);
}

TEST_F(LogoPress, IsLostWhileTheCoverCloses) {
  game.Form().SceneTransition->Start(gsCompanyLogos, gsCompanyLogos);
  game.RunTicks(5);
  game.MouseDown(100, 100);
  EXPECT_EQ(LogoAfterTick(50), 1);
}

TEST_F(LogoPress, IsLostWhileTheCoverHasOpenedLessThanSixtyFivePercent) {
  game.Form().SceneTransition->Start(gsCompanyLogos, gsCompanyLogos);
  game.RunTicks(21 + 16);
  ASSERT_TRUE(game.Form().SceneTransition->IsBlocking());
  game.MouseDown(100, 100);
  EXPECT_EQ(LogoAfterTick(50), 1);
}

TEST_F(LogoPress, CountsAgainOnceTheCoverHasOpenedFarEnough) {
  game.Form().SceneTransition->Start(gsCompanyLogos, gsCompanyLogos);
  game.RunTicks(21 + 17);
  ASSERT_FALSE(game.Form().SceneTransition->IsBlocking());
  game.MouseDown(100, 100);
  EXPECT_EQ(LogoAfterTick(43), 2);
}

TEST(Cursor, EveryMoveStartsFromTheArrow) {
  THeadlessGame game;
  game.Start();
  game.Form().RequestCursor(TCursorShape::crHandPoint);
  WindowOf(game).Cursor = TCursorShape::crNone;
  game.MouseMove(10, 10);
  EXPECT_EQ(WindowOf(game).Cursor, TCursorShape::crDefault);
}

TEST(Cursor, AMoveTheCoverBlocksLeavesTheWindowCursorAlone) {
  THeadlessGame game;
  game.Start();
  WindowOf(game).Cursor = TCursorShape::crHandPoint;
  game.Form().RequestCursor(TCursorShape::crHandPoint);
  game.Form().SceneTransition->Start(gsCompanyLogos, gsCompanyLogos);
  game.MouseMove(10, 10);
  EXPECT_EQ(WindowOf(game).Cursor, TCursorShape::crHandPoint);
  EXPECT_EQ(game.Form().Cursor(), TCursorShape::crDefault);
}

class SplashClick : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSplashContent(game);
    game.AddSavedPlayer("ANN", DefaultProgressRecord());
    game.Start();
    ASSERT_TRUE(game.RunUntilScene(gsSplash, 400));
  }
  THeadlessGame game;
};

TEST_F(SplashClick, BeforeLoadingHasFinishedDoesNothing) {
  game.RunTicks(5);
  ASSERT_FALSE(game.Form().LoadingBar->LoadingFinished());
  game.Click(683, 384);
  game.RunTicks(1);
  EXPECT_FALSE(game.Form().SceneTransition->Active());
  EXPECT_EQ(game.Scene(), gsSplash);
}

TEST_F(SplashClick, TheBarCompletesRightAfterTheLastStartupPicture) {
  // Two pictures in "Images", so the bar counts to three.
  EXPECT_EQ(game.Form().LoadingBar->ImageCountToLoad, 3);
  game.RunTicks(40);
  EXPECT_TRUE(game.Form().LoadingBar->LoadingFinished());
  EXPECT_EQ(game.Form().LoadingBar->ImagesLoaded(), 3);
  EXPECT_NE(game.Form().OmegaImageList1->FindImage("B"), nullptr);
}

TEST_F(SplashClick, AfterLoadingStartsTheCoverToTheMenu) {
  game.RunTicks(40);
  ASSERT_TRUE(game.Form().LoadingBar->LoadingFinished());
  game.MouseDown(683, 384);
  EXPECT_TRUE(game.Form().SceneTransition->Active());
  EXPECT_EQ(game.Form().SceneTransition->Target(), gsMenu);
  game.RunTicks(20);
  EXPECT_EQ(game.Scene(), gsSplash) << "the splash stays behind the closing cover";
  game.RunTicks(1);
  EXPECT_EQ(game.Scene(), gsMenu);
  EXPECT_EQ(game.Form().OmegaImageList1->FindImage("SplashBG"), nullptr) << "the splash pictures are let go";
  EXPECT_NE(game.Form().OmegaImageList1->FindImage("A"), nullptr) << "the start-up set stays";
}

TEST_F(SplashClick, AReleaseAloneDoesNothing) {
  game.RunTicks(40);
  game.MouseUp(683, 384);
  EXPECT_FALSE(game.Form().SceneTransition->Active());
}

TEST(Keys, F5SwitchesTheFrameRateOnlyInDeveloperMode) {
  THeadlessGame game;
  game.Start();
  game.KeyDown(vk::F5);
  EXPECT_EQ(game.Form().OmegaTimer1->TargetFPS(), 33);
  game.Form().State.DeveloperMode = true;
  game.KeyDown(vk::F5);
  EXPECT_EQ(game.Form().OmegaTimer1->TargetFPS(), 0);
  game.KeyDown(vk::F5);
  EXPECT_EQ(game.Form().OmegaTimer1->TargetFPS(), 33);
}

}  // namespace
}  // namespace qm
