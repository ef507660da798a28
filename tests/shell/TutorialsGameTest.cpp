// The game teaching a new player: the guide's scrolls before the first
// levels, the tool tips during them, each once per player and none with
// tutorials off; the help page and the credits.
#include <gtest/gtest.h>

#include <cmath>

#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::THeadlessGame;

class TutorialsThroughTheGame : public ::testing::Test {
 protected:
  explicit TutorialsThroughTheGame(bool rendering = false) : game({.Rendering = rendering, .WithContent = true}) {}

  // From the menu to the round's banner and past it.
  void OpenTheRound() {
    ASSERT_TRUE(game.Driver().PlayFromMenu(600));
    game.RunTicks(60);
    game.Click(683, 384);
    for (int tick = 0; tick < 300 && game.Scene() == gsObjectiveInfo; ++tick) game.RunTicks(1);
  }
  // Hint moves until the tool tip or the end of the round stops them.
  void MoveUntilStopped(int moves) {
    for (int tick = 0; tick < 4000 && moves > 0 && game.Scene() == gsMainGame; ++tick) {
      if (game.Driver().MakeHintMove()) --moves;
      game.RunTicks(1);
    }
  }
  int ScrollShown() { return game.Form().Tutorial->Visible() ? game.Form().Tutorial->Current() : 0; }
  TFormMain& Form() { return game.Form(); }

  THeadlessGame game;
};

TEST_F(TutorialsThroughTheGame, TheFirstLevelsTeachInOrderOncePerPlayer) {
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(3000, "ann"));
  OpenTheRound();
  ASSERT_EQ(game.Scene(), gsTutorial);
  EXPECT_EQ(ScrollShown(), 1) << "matching, before the first level";
  EXPECT_TRUE(Form().TubeTimer->Paused);
  ASSERT_TRUE(game.Driver().ConfirmTutorial(200));
  EXPECT_EQ(game.Scene(), gsMainGame);
  EXPECT_EQ(Form().RoundComment->CommentKind(), coGo) << "Go follows the scroll";

  // The eighth move points at the objectives once its pieces have landed,
  // and freezes the round until OK.
  MoveUntilStopped(8);
  EXPECT_EQ(game.Scene(), gsMainGame) << "not while the move's pieces fall";
  for (int tick = 0; tick < 300 && game.Scene() != gsTutorialToolTip; ++tick) game.RunTicks(1);
  ASSERT_EQ(game.Scene(), gsTutorialToolTip);
  EXPECT_FALSE(Form().RoundPlay->Moving()) << "the board stands whole under the tip";
  EXPECT_EQ(Form().ToolTip->Current(), 3);
  EXPECT_TRUE(Form().GameBoard().Frozen);
  const int elapsed = Form().TubeTimer->ElapsedSeconds();
  game.RunTicks(100);
  EXPECT_EQ(Form().TubeTimer->ElapsedSeconds(), elapsed) << "the tube stands while the tip is up";
  ASSERT_TRUE(game.Driver().ConfirmTutorial(200));
  EXPECT_EQ(game.Scene(), gsMainGame);
  EXPECT_FALSE(Form().GameBoard().Frozen);
  EXPECT_FALSE(Form().TubeTimer->Paused);

  // The workshop is explained on the first visit, then its tool tip.
  for (int tick = 0; tick < 8000 && game.Scene() != gsRoundClear; ++tick) {
    game.Driver().ConfirmTutorial(200);
    game.Driver().MakeHintMove();
    game.RunTicks(1);
  }
  ASSERT_EQ(game.Scene(), gsRoundClear);
  ASSERT_TRUE(game.Driver().LeaveResult(1200));
  for (int tick = 0; tick < 200 && !Form().Tutorial->Visible(); ++tick) game.RunTicks(1);
  EXPECT_EQ(ScrollShown(), 6);
  ASSERT_TRUE(game.Driver().ConfirmTutorial(200));
  game.RunTicks(5);
  EXPECT_EQ(Form().ToolTip->Current(), 25);
  EXPECT_EQ(Form().GameScene->NestedChanges(), 0) << "the tip came after the upgrade scene was entered";
  ASSERT_TRUE(game.Driver().PressBookPlay(400));

  // Level 2 explains the hammer and fills the jar to just past its mark.
  game.RunTicks(60);
  game.Click(683, 384);
  ASSERT_TRUE(game.RunUntilScene(gsTutorial, 300));
  EXPECT_EQ(ScrollShown(), 9);
  const TMannaEnergy& jar = *Form().MannaEnergy;
  EXPECT_EQ(jar.FruitsCounter(), int(std::lround(jar.FullRequiredFruits * jar.ReqEnergyFactor[0])) + 1);
  ASSERT_TRUE(game.Driver().ConfirmTutorial(200));
  game.RunTicks(5);
  EXPECT_EQ(Form().ToolTip->Current(), 6) << "the hammer is ready: its tip waited for the scroll's OK";
  const TCollectorBombTool& hammer = *Form().PowerTool(tlHammer);
  const TScreenPoint arrow = Form().ToolTip->ArrowPos();
  EXPECT_NEAR(arrow.X, hammer.HitLeft + hammer.HitWidth, 60) << "the tip points at the hammer";
  EXPECT_NEAR(arrow.Y, hammer.HitTop + hammer.HitHeight / 2, 60);

  // A second player is taught from the start; the first is not again.
  ASSERT_TRUE(game.Driver().LeaveRoundForMenu(600));
  ASSERT_TRUE(game.Driver().ChoosePlayer("BEN", 2000));
  OpenTheRound();
  EXPECT_EQ(ScrollShown(), 1);
  ASSERT_TRUE(game.Driver().ConfirmTutorial(200));
  ASSERT_TRUE(game.Driver().LeaveRoundForMenu(600));
  ASSERT_TRUE(game.Driver().ChoosePlayer("ANN", 2000));
  OpenTheRound();
  EXPECT_EQ(game.Scene(), gsMainGame) << "level 2's scroll was read before";
}

TEST_F(TutorialsThroughTheGame, AScrollTakesItsOKOnlyOnceItStandsInFull) {
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(3000, "ann"));
  OpenTheRound();
  ASSERT_EQ(ScrollShown(), 1);
  ASSERT_LT(Form().Tutorial->Fade(), 1.0f) << "still appearing";
  game.Driver().ClickButton(*Form().TutorialOKButton);
  game.RunTicks(1);
  EXPECT_EQ(ScrollShown(), 1) << "a click as it appears leaves it up";
  for (int tick = 0; tick < 200 && Form().Tutorial->Fade() < 1; ++tick) game.RunTicks(1);
  game.Driver().ClickButton(*Form().TutorialOKButton);
  game.RunTicks(1);
  EXPECT_EQ(game.Scene(), gsMainGame) << "once it stands, OK sends it away";
}

class TutorialPictures : public TutorialsThroughTheGame {
 protected:
  TutorialPictures() : TutorialsThroughTheGame(/*rendering=*/true) {}
};

TEST_F(TutorialPictures, AScrollAToolTipTheHelpPageAndTheCredits) {
  TProgressRecord record = DefaultProgressRecord();
  record.OpeningStoryTold = 1;
  game.AddSavedPlayer("ANN", record);
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(3000));

  game.Driver().ClickButton(*Form().HelpButton);
  ASSERT_TRUE(game.Driver().WaitForScene(gsHelp, 200));
  game.RunTicks(20);
  EXPECT_EQ(Form().HelpPages->Alpha(1), 255);
  game.CaptureFrame("help-page");
  game.Driver().ClickButton(*Form().HelpDoneButton);
  ASSERT_TRUE(game.Driver().WaitForScene(gsMenu, 200));
  game.RunTicks(45);

  game.Driver().ClickButton(*Form().OptionsButton);
  ASSERT_TRUE(game.Driver().WaitForPanel(*Form().MenuPanelMover, 10));
  game.RunTicks(30);
  game.Driver().ClickButton(*Form().CreditsButton);
  ASSERT_EQ(game.Scene(), gsCredits);
  game.RunTicks(150);
  game.CaptureFrame("credits");
  game.Driver().ClickButton(*Form().CreditsDoneButton);
  ASSERT_TRUE(game.RunUntilScene(gsMenu, 100));
  game.RunTicks(45);

  OpenTheRound();
  ASSERT_EQ(game.Scene(), gsTutorial);
  game.RunTicks(60);
  game.CaptureFrame("tutorial-scroll");
  ASSERT_TRUE(game.Driver().ConfirmTutorial(200));
  game.RunTicks(60);
  Form().ToolTip->Show(3);
  game.RunTicks(30);
  EXPECT_EQ(game.Scene(), gsTutorialToolTip);
  game.CaptureFrame("tutorial-tool-tip");
}

}  // namespace
}  // namespace qm
