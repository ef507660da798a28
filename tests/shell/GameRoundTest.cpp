// A round through the shell: a level written by the test is loaded, its
// banner shows, pieces are swapped by clicks and by dragging, the objectives
// count down, and a win leads to the result window and the next round.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "audio/AudioNames.h"
#include "board/BoardRig.h"
#include "engine/GameRandom.h"
#include "engine/OmegaImageList.h"
#include "platform/QuitSignals.h"
#include "platform/Window.h"
#include "progress/PlayerFiles.h"
#include "rules/LevelFileWriter.h"
#include "shell/FramePixels.h"
#include "shell/HeadlessGame.h"
#include "shell/RoundFixture.h"

namespace qm {
namespace {

using testing::BoardFromRows;
using testing::CountPixels;
using testing::THeadlessGame;
using testing::TTempFolder;
using testing::RoundThroughTheShell;
using testing::SmallLevel;
using testing::FixedBoard;
using testing::FiveBoard;


TEST_F(RoundThroughTheShell, ClicksSwapTwoPiecesAndTheLineCounts) {
  StartRound();
  PlayFromBanner();
  ASSERT_EQ(BananasLeft(), 6);
  Swap({3, 1}, {3, 2});
  game.RunTicks(1);
  EXPECT_TRUE(game.Form().RoundPlay->Swap->IsRunning());
  // The bananas count on the panel when they land there, not before.
  for (int tick = 0; tick < 60 && !Play().Flowing->IsRunning(); ++tick) game.RunTicks(1);
  ASSERT_TRUE(Play().Flowing->IsRunning());
  EXPECT_EQ(BananasLeft(), 6);
  Settle();
  EXPECT_EQ(BananasLeft(), 3);
  EXPECT_EQ(Earned(), 3 * TRoundScore::PointsPerClearedTile);
}

// The line's middle banana carries a bomb: it flies to the panel with the
// other two, and its blast takes the banana and the strawberry below.
TEST_F(RoundThroughTheShell, AFruitBombInAClearedLineExplodesAndItsFruitCounts) {
  StartRound();
  PlayFromBanner();
  TBoardData board = BoardFromRows({"AABCDEBC", "CAAEBCDE", "DECDEBCD", "EBDECDEB", "BCEBDEBC", "CDBCEBCD",
                                    "DECDBCDE", "EBDECDEB"});
  board.At(2, 1).FruitBomb = 1;
  game.Form().GameBoard().LoadBoardData(board);
  GameRandom().SetSeed(11);  // new pieces that line up nothing more
  Swap({3, 1}, {3, 2});
  bool exploded = false;
  for (int tick = 0; tick < 600 && (Play().Moving() || Play().PiecesInFlight()); ++tick) {
    game.RunTicks(1);
    exploded = exploded || !game.DrawnAt("Explosion").empty();
  }
  EXPECT_TRUE(exploded);
  EXPECT_EQ(BananasLeft(), 6 - 4);
}

TEST_F(RoundThroughTheShell, AFiveLineShowsAMatchXBadgeAndPaysItsCombo) {
  StartRound();
  PlayFromBanner();
  game.Form().GameBoard().LoadBoardData(FiveBoard());
  Swap({3, 1}, {3, 2});
  for (int tick = 0; tick < 40 && game.Form().Combos->ActiveCount() == 0; ++tick) game.RunTicks(1);
  EXPECT_EQ(game.Form().Combos->ActiveCount(), 1);
  Settle();
  game.RunTicks(120);  // the badge flies to the manna jar and lands
  // Five cleared tiles at 3 points (more when the refill lines up again),
  // and a MatchX 5 landing: 5 manna units at 3 points each; the round's
  // score is everything it added to the total.
  EXPECT_GE(game.Form().RoundScore->LevelScore(), 5 * 3 + 5 * 3);
  EXPECT_EQ(Earned(), game.Form().RoundScore->LevelScore());
}

TEST_F(RoundThroughTheShell, TheBoardTakesASwapWhileACascadeFalls) {
  StartRound();
  PlayFromBanner();
  Swap({3, 1}, {3, 2});
  for (int tick = 0; tick < 60 && Play().Board->IsSettled(); ++tick) game.RunTicks(1);
  ASSERT_FALSE(Play().Board->IsSettled()) << "the cleared bananas' column is falling";
  const int swapsBefore = Play().Swap->IsRunning() ? 1 : 0;
  Swap({6, 7}, {7, 7});  // far from the falling column; makes no line
  game.RunTicks(1);
  EXPECT_EQ(swapsBefore, 0);
  EXPECT_TRUE(Play().Swap->IsRunning());
}

TEST_F(RoundThroughTheShell, TheWinClearsTheBoardAwayOnlyOnceItHasCometoRest) {
  StartRound();
  PlayFromBanner();
  CollectEveryTarget();
  for (int tick = 0; tick < 400 && !Play().LockersAway->IsRunning(); ++tick) game.RunTicks(1);
  ASSERT_TRUE(Play().LockersAway->IsRunning());
  for (int x = 1; x <= 8; ++x)
    for (int y = 1; y <= 8; ++y) EXPECT_EQ(Play().Board->BoardData().At(x, y).ObjectKind, okFruit) << x << "," << y;
}

TEST_F(RoundThroughTheShell, APotionThatReachesTheBottomFliesToItsSlotAndPays) {
  TLevelRecord level = SmallLevel(6);
  level.Potions.At(4, 8) = 1;  // the bottom row of the 8 x 8 board
  WriteLevel(level);
  StartRound();
  EXPECT_EQ(game.Form().ElementGather->Remaining(iePotion1), 1);
  game.RunTicks(60);
  game.Click(683, 300);
  ASSERT_TRUE(game.RunUntilScene(gsMainGame, 200));
  Settle();
  EXPECT_EQ(game.Form().ElementGather->Remaining(iePotion1), 0);
  EXPECT_GE(Earned(), TRoundScore::PointsPerDeliveredFlower);
}

TEST_F(RoundThroughTheShell, TheTopBarIsDrawnAndABossRoundKeepsTheElementsPanelOutOfView) {
  StartRound();
  game.RunTicks(100);
  EXPECT_FALSE(game.DrawnAt("TopPanel").empty());
  TLevelRecord boss = SmallLevel(0, goBossMode);
  WriteLevel(boss, 4);
  game.Form().Progress.LevelIdx = 4;
  StartRound();
  game.RunTicks(100);
  EXPECT_FALSE(game.DrawnAt("TopPanel").empty());
  for (TPoint at : game.DrawnAt("ElementsPanel")) EXPECT_LT(at.Y, -70);
  EXPECT_FALSE(game.Form().ElementGather->Visible);
}

TEST_F(RoundThroughTheShell, ABossRoundWarnsWhenItsTimeRunsShort) {
  TLevelRecord boss = SmallLevel(0, goBossMode);
  boss.Time = 30;
  WriteLevel(boss, 4);
  game.Form().Progress.LevelIdx = 4;
  StartRound();
  PlayFromBanner();
  auto warned = [&] { return game.Form().RoundComment->CommentKind() == coTimeRunningOut; };
  // The tube slides in and fills, then 2 seconds leave 28.
  for (int tick = 0; tick < 400 && !warned(); ++tick) game.RunTicks(1);
  EXPECT_TRUE(warned());
  EXPECT_GE(game.Form().TubeTimer->ElapsedSeconds(), 2);
}

TEST_F(RoundThroughTheShell, SizesComeFromThePicturesOnceTheyAreLoaded) {
  const TOmegaImageList& images = *game.Form().OmegaImageList1;
  EXPECT_EQ(game.Form().ResultOKButton->Width(), PatternWidth(images, "WindowOKButton"));
  EXPECT_EQ(game.Form().ObjectiveInfo->ShadowHeight, PatternHeight(images, "ObjInfoShadow"));
  EXPECT_EQ(game.Form().TotalScore->DigitWidth, PatternWidth(images, "Score"));
}

TEST_F(RoundThroughTheShell, DraggingAPieceOntoItsNeighbourSwapsToo) {
  StartRound();
  PlayFromBanner();
  TPoint a = Middle({3, 1}), b = Middle({3, 2});
  game.MouseMove(a.X, a.Y);
  game.MouseDown(a.X, a.Y);
  game.MouseMove(b.X, b.Y);
  game.MouseUp(b.X, b.Y);
  Settle();
  EXPECT_EQ(BananasLeft(), 3);
}

TEST_F(RoundThroughTheShell, ASwapThatMakesNoLineSlidesBackAndCountsNothing) {
  StartRound();
  PlayFromBanner();
  Swap({5, 5}, {6, 5});
  Settle();
  EXPECT_EQ(BananasLeft(), 6);
  EXPECT_EQ(game.Form().GameBoard().BoardData().At(5, 5).Element, FixedBoard().At(5, 5).Element);
}

TEST_F(RoundThroughTheShell, CollectingEveryTargetWinsOnceAndTheResultLeadsToTheNextLevel) {
  StartRound();
  PlayFromBanner();
  CollectEveryTarget();
  EXPECT_EQ(BananasLeft(), 0);
  EXPECT_EQ(game.Scene(), gsRoundClear);
  // A late report of the same win (a boss's death, say) is a call from
  // inside the game; no player input can make it.
  game.Form().RoundWon();
  EXPECT_TRUE(ScoreSubmitted());
  EXPECT_EQ(game.Form().Progress.NextUncompletedLevelIdx, 2) << "a second win report changes nothing";

  ASSERT_TRUE(game.RunUntilScene(gsStageResult, 400));
  game.RunTicks(20);
  const TGameButton& ok = *game.Form().ResultOKButton;
  game.Click(ok.Left + 20, ok.Top + 20);
  ASSERT_TRUE(game.Driver().WaitForScene(gsStickerBook, 200)) << "the result leads to the upgrade scene";
  ASSERT_TRUE(game.Driver().PressBookPlay(200));
  ASSERT_TRUE(game.RunUntilScene(gsObjectiveInfo, 200)) << "and the book's Play to the next level";
  EXPECT_EQ(game.Form().Progress.LevelIdx, 2);
  EXPECT_EQ(BananasLeft(), 6);
}

TEST_F(RoundThroughTheShell, ANormalLevelsEmptyTubeSaysBronzeAndPlayGoesOn) {
  StartRound();
  PlayFromBanner();
  const int time = game.Form().TubeTimer->Time;
  bool told = false;
  for (int tick = 0; tick < (time + 10) * 34 && !told; ++tick) {
    game.RunTicks(1);
    told = game.Form().RoundComment->CommentKind() == coMedalTimeOver;
  }
  EXPECT_TRUE(told) << "the empty tube is explained";
  EXPECT_EQ(game.Scene(), gsMainGame) << "and the round goes on";
}

// The upgrade scene's way out: its Menu button or Escape, to the menu the
// map's Menu leads to, and the menu's Play goes on at the next level.
class UpgradeSceneWayOut : public RoundThroughTheShell, public ::testing::WithParamInterface<bool> {};

TEST_P(UpgradeSceneWayOut, LeadsToTheMenuAndPlayGoesOnAtTheNextLevel) {
  game.Form().MapIslands->MarkPlayed();  // as the map's Play does
  StartRound();
  PlayFromBanner();
  CollectEveryTarget();
  ASSERT_TRUE(game.Driver().LeaveResult(600));
  for (int tick = 0; tick < 600 && !game.Form().ShopTakesClicks(); ++tick) {
    game.Driver().ConfirmTutorial(100);
    game.RunTicks(1);
  }
  ASSERT_TRUE(game.Form().ShopTakesClicks());
  if (GetParam())
    game.KeyDown(vk::Escape);
  else
    game.Driver().ClickButton(*game.Form().ShopMenuButton);
  ASSERT_TRUE(game.Driver().WaitForScene(gsMenu, 200));
  game.RunTicks(60);
  EXPECT_EQ(game.Form().MenuPanelMover->State(), pmShown) << "the menu's panels slide in";
  ASSERT_TRUE(game.Driver().PlayFromMenu(600));
  EXPECT_EQ(game.Form().Progress.LevelIdx, 2) << "the next level";
}

INSTANTIATE_TEST_SUITE_P(ByButtonOrEscape, UpgradeSceneWayOut, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "Escape" : "MenuButton");
                         });

TEST_F(RoundThroughTheShell, RestartingAfterCollectingTakesTheEarningsBackAndStartsAfresh) {
  StartRound();
  PlayFromBanner();
  Swap({3, 1}, {3, 2});
  Settle();
  ASSERT_EQ(BananasLeft(), 3);
  ASSERT_GT(FruitOwned(), 0) << "the three bananas paid in";
  game.Form().RestartLevel();
  EXPECT_EQ(FruitOwned(), 0);
  EXPECT_EQ(game.Form().BuySlots->Earnings()[elFruit], 0);
  EXPECT_EQ(BananasLeft(), 6);
  EXPECT_EQ(game.Form().RoundScore->LevelScore(), 0);
  EXPECT_TRUE(game.RunUntilScene(gsObjectiveInfo, 60));
}

TEST_F(RoundThroughTheShell, GivingUpARoundSubmitsTheScoreAndTheMenuAnswersAgain) {
  StartRound();
  PlayFromBanner();
  Swap({3, 1}, {3, 2});
  Settle();
  ASSERT_GT(FruitOwned(), 0);
  ASSERT_TRUE(game.Driver().LeaveRoundForMenu(400)) << "Escape, Main Menu, Yes: the menu slides in";
  EXPECT_TRUE(ScoreSubmitted());
  EXPECT_EQ(FruitOwned(), 0) << "a round given up pays nothing";
  game.Driver().ClickButton(*game.Form().PlayButton);
  EXPECT_TRUE(game.Driver().WaitForScene(gsMap, 200)) << "the menu's Play answers";
}

// Keys and the window's close wait for the cover to open, as the mouse does.
TEST_F(RoundThroughTheShell, InputUnderTheCoverOfARestartWaitsForItToOpen) {
  StartRound();
  PlayFromBanner();
  game.Driver().ClickButton(*game.Form().InGameMenuButton);
  for (int tick = 0; tick < 100 && game.Form().InGameMenuWindow->State() != mwShown; ++tick) game.RunTicks(1);
  game.Driver().ClickButton(*game.Form().InGameRestartButton);
  for (int tick = 0; tick < 100 && !game.Form().SceneTransition->Active(); ++tick) game.RunTicks(1);
  ASSERT_TRUE(game.Form().SceneTransition->IsBlocking()) << "Restart closes the cover" << game.Scene();
  game.Driver().PressKey(vk::Escape);
  game.Window().Close();
  EXPECT_FALSE(game.Application().Terminated()) << "the close waits for the cover";
  for (int tick = 0; tick < 100 && game.Form().SceneTransition->IsBlocking(); ++tick) game.RunTicks(1);
  EXPECT_EQ(game.Scene(), gsObjectiveInfo);
  EXPECT_FALSE(game.Form().State.Paused) << "Escape under the cover paused nothing";
  EXPECT_TRUE(game.Application().Terminated()) << "the close is answered once the cover opened";
}

TEST_F(RoundThroughTheShell, ABossRoundLostOnTimeAsksToRetry) {
  TLevelRecord boss = SmallLevel(0, goBossMode);
  boss.Time = 5;
  TLevelFileWriter writer;
  ASSERT_TRUE(writer.Write(levels.Path() / LevelFileName(1, 4), boss));
  game.Form().Progress.LevelIdx = 4;
  StartRound();
  PlayFromBanner();
  ASSERT_TRUE(game.RunUntilScene(gsTimeUp, 1500));
  EXPECT_TRUE(ScoreSubmitted());
  EXPECT_FALSE(Play().Board->CanMatch) << "the lost board scores nothing more";
  ASSERT_TRUE(game.RunUntilScene(gsConfirmWindow, 600));
  EXPECT_EQ(game.Form().ConfirmWindow->QuestionKind(), 0);
  game.RunTicks(10);
  game.Click(617, 450);  // "Yes": the same level again
  ASSERT_TRUE(game.RunUntilScene(gsObjectiveInfo, 100));
  EXPECT_EQ(game.Form().Progress.LevelIdx, 4);
}

// A player in a round, with the shutdown's earnings and save hooks counted.
class ClosingInARound : public RoundThroughTheShell {
 protected:
  void SetUp() override {
    RoundThroughTheShell::SetUp();
    StartRound();
    PlayFromBanner();
    Swap({3, 1}, {3, 2});
    Settle();
  }
  void ExpectTheShutdownRan() {
    EXPECT_TRUE(game.Application().Terminated());
    EXPECT_TRUE(ScoreSubmitted());
    const auto saved = ReadProgressFile(PlayerSaveFile(game.Form().Folders.SaveFolder, "ANN"));
    ASSERT_TRUE(saved.has_value()) << "the player was saved";
    EXPECT_EQ(saved->TotalScore, game.Form().TotalScore->Value());
    EXPECT_EQ(saved->OwnedElements[elFruit], 0) << "the unfinished round's earnings were taken back";
  }
};

TEST_F(ClosingInARound, TheWindowAsksFirstThenClosesThroughTheShutdown) {
  game.Window().Close();
  EXPECT_EQ(game.Scene(), gsConfirmWindow);
  EXPECT_EQ(game.Form().ConfirmWindow->QuestionKind(), 8);
  EXPECT_TRUE(game.Form().TubeTimer->Paused);
  EXPECT_FALSE(game.Application().Terminated());
  game.RunTicks(20);
  game.Driver().ClickButton(game.Form().ConfirmWindow->NegativeButton());
  ASSERT_TRUE(game.RunUntilScene(gsMainGame, 100)) << "Cancel goes back to the round";
  EXPECT_FALSE(game.Form().TubeTimer->Paused);

  game.Window().Close();
  game.RunTicks(20);
  game.Driver().ClickButton(game.Form().ConfirmWindow->PositiveButton());
  ExpectTheShutdownRan();
}

TEST_F(ClosingInARound, ClosingWhileTheDisplayQuestionShowsTakesTheEarningsBack) {
  game.Form().OpenInGameMenu();
  game.Form().InGameOptionsButton->OnClick(*game.Form().InGameOptionsButton);
  game.RunTicks(20);
  const TGameCheckBox& box = *game.Form().FullScreenCheckBox;
  game.Click(box.Left + box.Width / 2, box.Top + box.Height / 2);
  game.Driver().ClickButton(*game.Form().OptionsOKButton);
  ASSERT_TRUE(game.RunUntilScene(gsConfirmWindow, 100));
  ASSERT_EQ(game.Form().ConfirmWindow->QuestionKind(), 4);
  game.Window().Close();
  ExpectTheShutdownRan();
}

TEST_F(ClosingInARound, TheOptionsOfARoundWriteOnlyTheOptions) {
  const std::filesystem::path file = PlayerSaveFile(game.Form().Folders.SaveFolder, "ANN");
  TProgressRecord before = game.Form().PlayerRecord;
  before.TotalScore = 77;
  std::string error;
  ASSERT_TRUE(WriteProgressFile(file, before, error));
  game.Form().OpenInGameMenu();
  game.Form().InGameOptionsButton->OnClick(*game.Form().InGameOptionsButton);
  game.RunTicks(20);
  game.Driver().ClickButton(*game.Form().SoundMinusButton);
  game.Driver().ClickButton(*game.Form().OptionsOKButton);
  ASSERT_TRUE(game.RunUntilScene(gsMainGame, 100));
  const auto saved = ReadProgressFile(file);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->SoundVolume, before.SoundVolume - 10);
  EXPECT_EQ(saved->TotalScore, 77) << "the round's points wait for its win";
  EXPECT_EQ(saved->OwnedElements[elFruit], before.OwnedElements[elFruit]) << "and so do its earnings";
}

TEST_F(ClosingInARound, ATermSignalEndsTheGameThroughTheSameShutdown) {
  InstallQuitSignals();
  std::raise(SIGTERM);
  game.RunTicks(1);
  ExpectTheShutdownRan();
}

TEST_F(RoundThroughTheShell, F2WinsTheRoundOnlyInDeveloperMode) {
  StartRound();
  PlayFromBanner();
  game.KeyDown(vk::F2);
  EXPECT_EQ(game.Scene(), gsMainGame);
  game.Form().State.DeveloperMode = true;
  game.KeyDown(vk::F2);
  EXPECT_EQ(BananasLeft(), 0);
  EXPECT_EQ(game.Scene(), gsRoundClear);
}

// A won boss leaves the resume point on its island, whose upgrades alone
// open the next one (the boss itself only reports its defeat from inside
// the game).
TEST_F(RoundThroughTheShell, ABeatenBossMovesTheResumePointToItsIslandsNextLevel) {
  ASSERT_TRUE(TLevelFileWriter().Write(levels.Path() / LevelFileName(1, 4), SmallLevel(0, goBossMode)));
  game.Form().Progress.LevelIdx = 4;
  StartRound();
  PlayFromBanner();
  game.Form().RoundWon();
  EXPECT_EQ(game.Form().Progress.NextUncompletedIslandIdx, 1);
  EXPECT_EQ(game.Form().Progress.NextUncompletedLevelIdx, 5);
  const auto saved = ReadProgressFile(PlayerSaveFile(game.Form().Folders.SaveFolder, "ANN"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->NextUncompletedLevelIdx, 5) << "saved with the win";
  EXPECT_FALSE(game.Form().MapIslands->Unlocked(2));
}

TEST_F(RoundThroughTheShell, AWonRoundMovesTheResumePointOnlyForward) {
  const struct {
    int Island, Level;
    int ResumeIsland, ResumeLevel;
    int AfterIsland, AfterLevel;
  } cases[] = {{1, 2, 1, 2, 1, 3}, {1, 1, 1, 3, 1, 3}, {1, 3, 4, 1, 4, 1}};
  for (const auto& c : cases) {
    TFormMain& form = game.Form();
    form.Progress = {c.Island, c.Level, c.ResumeIsland, c.ResumeLevel};
    StartRound();
    PlayFromBanner();
    form.RoundWon();
    EXPECT_EQ(std::pair(form.Progress.NextUncompletedIslandIdx, form.Progress.NextUncompletedLevelIdx),
              std::pair(c.AfterIsland, c.AfterLevel))
        << "island " << c.Island << " level " << c.Level << " won, resume point was " << c.ResumeIsland << "-"
        << c.ResumeLevel;
  }
}

TEST_F(RoundThroughTheShell, ANormalRoundIgnoresItsTimeRunningOut) {
  TLevelRecord level = SmallLevel(6);
  level.Time = 5;
  WriteLevel(level);
  StartRound();
  PlayFromBanner();
  for (int tick = 0; tick < 600 && game.Form().TubeTimer->Running(); ++tick) game.RunTicks(1);
  ASSERT_EQ(game.Form().TubeTimer->ElapsedSeconds(), 5) << "the tube has run dry";
  game.RunTicks(10);
  EXPECT_EQ(game.Scene(), gsMainGame);
  EXPECT_FALSE(ScoreSubmitted());
}

TEST_F(RoundThroughTheShell, TheRoundMusicCyclesAcrossRoundsAndRestarts) {
  for (int track : {MusicTrack::MainGame1, MusicTrack::MainGame2, MusicTrack::MainGame3, MusicTrack::MainGame1}) {
    StartRound();
    for (int tick = 0; tick < 60 && game.Form().MusicBox->CurrentTrack() != track; ++tick) game.RunTicks(1);
    EXPECT_EQ(game.Form().MusicBox->CurrentTrack(), track);
  }
}

TEST_F(RoundThroughTheShell, AMissingLevelFileIsReportedAndThePreviousOneIsPlayed) {
  StartRound();
  game.Form().Progress.LevelIdx = 9;
  game.Form().StartLevel();
  ASSERT_FALSE(game.Messages().Messages.empty());
  EXPECT_EQ(game.Messages().Messages.back().Text.rfind("Level file not found: ", 0), 0u);
  EXPECT_EQ(BananasLeft(), 6);
}

class RoundPictures : public RoundThroughTheShell {
 protected:
  RoundPictures() : RoundThroughTheShell(/*rendering=*/true) {}
};

// Colours that only the thing a frame is captured for shows there.
bool SuperBadgeBlue(int r, int g, int b) { return r < 110 && g >= 170 && g <= 215 && b > 230; }
bool BananaYellow(int r, int g, int b) { return r > 200 && g > 170 && b < 120; }
bool Gold(int r, int g, int b) { return r > 180 && g >= 130 && g <= 210 && b < 90; }
bool HedgeGreen(int r, int g, int b) { return r < 90 && g > r + 25 && g > b + 25; }

// One round from its start to its result, in the frames that show what the
// round's rules draw; rendering is slow, so one game serves them all.
TEST_F(RoundPictures, ARoundFromItsStartToItsResult) {
  TLevelRecord level = SmallLevel(6);
  for (TPoint p : {TPoint{2, 6}, TPoint{3, 6}, TPoint{6, 7}, TPoint{7, 7}}) level.GoldTiles.At(p) = 1;
  WriteLevel(level);
  StartRound();
  TRoundPlay& play = Play();
  for (int tick = 0; tick < 300 && (play.LockerFiller->IsRunning() || play.LockerFrames->Presence() < 0.5f); ++tick)
    game.RunTicks(1);
  ASSERT_GT(play.LockerFrames->Presence(), 0.0f);
  ASSERT_LT(play.LockerFrames->Presence(), 1.0f);
  TRgbaImage frame = *game.Frame();
  game.CaptureFrame("round-start-frames-flying");
  const TPoint corner = play.Board->TilePixel({1, 1});
  const TPoint far = play.Board->TilePixel({8, 8});
  // The hedge along the board's left edge, and gold on its way in.
  EXPECT_GT(CountPixels(frame, {corner.X - 24, corner.Y, corner.X - 1, far.Y + 51}, HedgeGreen), 300);
  EXPECT_GT(CountPixels(frame, {corner.X, corner.Y, far.X + 51, far.Y + 51}, Gold), 100);

  PlayFromBanner();
  game.Form().GameBoard().LoadBoardData(FiveBoard());
  Swap({3, 1}, {3, 2});
  for (int tick = 0; tick < 40 && game.Form().Combos->ActiveCount() == 0; ++tick) game.RunTicks(1);
  game.RunTicks(10);  // the badge has popped in and is opaque
  frame = *game.Frame();
  game.CaptureFrame("round-matchx");
  // The badge stands over the middle of the cleared row.
  EXPECT_GT(CountPixels(frame, {corner.X, corner.Y - 80, corner.X + 260, corner.Y + 52}, SuperBadgeBlue), 200);

  for (int tick = 0; tick < 60 && !play.Flowing->IsRunning(); ++tick) game.RunTicks(1);
  game.RunTicks(6);
  frame = *game.Frame();
  game.CaptureFrame("round-bananas-flying");
  // Between the board and the top bar only the rising bananas are yellow.
  EXPECT_GT(CountPixels(frame, {corner.X, 80, corner.X + 420, corner.Y - 6}, BananaYellow), 150);

  // The gold tiles are still to gather: the developer's key wins the round.
  Settle();
  game.Form().State.DeveloperMode = true;
  game.KeyDown(vk::F2);
  ASSERT_TRUE(game.RunUntilScene(gsStageResult, 400));
  game.RunTicks(40);  // the window is in and the medal shows
  frame = *game.Frame();
  game.CaptureFrame("round-result");
  const TScreenPoint window = game.Form().ResultWindow->Position();
  EXPECT_GT(CountPixels(frame, {window.X + 100, window.Y + 60, window.X + 300, window.Y + 250}, Gold), 600);
}

// The special pieces at work, each caught in the middle of its effect, and
// the manna jar filling from what they clear.
TEST_F(RoundPictures, SpecialPiecesAtWork) {
  WriteLevel(SmallLevel(200));  // more bananas than the specials clear
  StartRound();
  PlayFromBanner();
  TBoardData board = BoardFromRows({"uABCDEAB", "CDEABCDE", "ABCmEABC", "DEABCDEA", "BCD*ABCD", "EABCDEAB",
                                    "CDEABCDE", "ABCDEABC"});
  board.At(4, 3).BlastElement = 1;
  game.Form().GameBoard().LoadBoardData(board);
  auto activate = [&](TPoint p) {
    const TPoint at = Middle(p);
    game.Click(at.X, at.Y);
    game.Click(at.X, at.Y);
  };
  activate({1, 1});
  EXPECT_NE(game.Form().GameBoard().ElementAt({1, 1}), ecUniFruit);
  game.RunTicks(3);
  EXPECT_TRUE(Play().UniBubbles->IsRunning());
  game.CaptureFrame("special-uni-bubble");
  Settle();

  activate({4, 3});
  game.RunTicks(8);
  EXPECT_TRUE(game.Form().GameBoard().IsBlasterWaveRunning()) << "the wave is on its way";
  game.CaptureFrame("special-blaster-wave");
  Settle();

  // The hammer may have fallen with the blast.
  TPoint hammer;
  for (int x = 1; x <= 8; ++x)
    for (int y = 1; y <= 8; ++y)
      if (game.Form().GameBoard().ElementAt({x, y}) == ecHammer) hammer = {x, y};
  ASSERT_TRUE(IsOnBoard(hammer));
  activate(hammer);
  game.RunTicks(5);
  EXPECT_TRUE(Play().Hammer->IsRunning());
  game.CaptureFrame("special-hammer");
  Settle();

  // Lines the player makes fill the jar.
  for (int move = 0; move < 8; ++move) {
    game.Driver().MakeHintMove();
    Settle();
  }
  game.RunTicks(30);
  EXPECT_GT(game.Form().MannaEnergy->FruitsCounter(), 0);
  EXPECT_GT(game.Form().MannaEnergy->Shown(), 0.0f) << "the jar shows its liquid";
  game.CaptureFrame("special-manna");
}

TEST_F(RoundThroughTheShell, EveryPictureTheScenesDrawIsInThePack) {
  StartRound();
  PlayFromBanner();
  Swap({3, 1}, {3, 2});
  Settle();
  game.Form().State.DeveloperMode = true;
  game.KeyDown(vk::F2);  // the developer's key wins the round
  ASSERT_TRUE(game.RunUntilScene(gsStageResult, 400));
  game.RunTicks(60);
  const TOmegaImageList& images = *game.Form().OmegaImageList1;
  std::vector<std::string> neverFound;
  for (const std::string& name : images.MissedNames())
    if (!images.FindImage(name)) neverFound.push_back(name);
  EXPECT_EQ(neverFound, std::vector<std::string>{});
}

}  // namespace
}  // namespace qm
