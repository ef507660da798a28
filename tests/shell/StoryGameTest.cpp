// The tale through the whole game: the opening strips a new player hears
// before the menu, the chapter told after a purchase, the last chapter and
// the ending after the book is complete, and the round's big messages.
#include <gtest/gtest.h>

#include "audio/AudioNames.h"
#include "progress/PlayerFiles.h"
#include "shell/RoundFixture.h"
#include "text/GameTextIds.h"

namespace qm {
namespace {

using testing::THeadlessGame;

// A player who has heard the opening and skips the lessons, with enough in
// every account and the first upgrades bought.
TProgressRecord PlayerWith(int upgradesBought, int island) {
  TProgressRecord record = DefaultProgressRecord();
  record.OwnedElements = {9000, 900, 900, 900, 900};
  for (int number = 1; number <= upgradesBought; ++number) testing::MarkBought(record, number);
  record.NextUncompletedIslandIdx = std::uint8_t(island);
  record.OpeningStoryTold = 1;
  record.TutorialsOn = 0;
  return record;
}

class StoryThroughTheGame : public ::testing::Test {
 protected:
  explicit StoryThroughTheGame(bool rendering = false) : game({.Rendering = rendering, .WithContent = true}) {}

  void OpenShopOf(const TProgressRecord& record) { OpenShop(game, record); }
  static void OpenShop(THeadlessGame& game, const TProgressRecord& record) {
    game.AddSavedPlayer("ANN", record);
    game.Start();
    ASSERT_TRUE(game.Driver().ReachMenu(3000));
    // Straight into the upgrade scene, as after a won round.
    game.Form().SceneTransition->Start(gsMenu, gsStickerBook);
    ASSERT_TRUE(game.Driver().WaitForScene(gsStickerBook, 200));
    ASSERT_TRUE(game.Driver().WaitForPanel(*game.Form().ShopPanelMover, 200));
  }
  // The buy button pressed; true once the chapter it opens has begun.
  bool BuyAndHearTheChapter(int slot) {
    game.Driver().ClickButton(Form().BuySlots->BuyButton(slot));
    for (int tick = 0; tick < 300 && !Form().ChapterDialog->Playing(); ++tick) game.RunTicks(1);
    return Form().ChapterDialog->Playing();
  }
  TFormMain& Form() { return game.Form(); }

  THeadlessGame game;
};

class StoryPictures : public StoryThroughTheGame {
 protected:
  StoryPictures() : StoryThroughTheGame(/*rendering=*/true) {}
};

TEST_F(StoryPictures, ANewPlayerHearsTheOpeningOnceAndSkipsToTheMenuAndTheMap) {
  game.Start();
  for (int tick = 0; tick < 3000 && game.Scene() != gsAddInitialPlayer; tick += 5) {
    game.Click(683, 384);
    game.RunTicks(5);
  }
  ASSERT_EQ(game.Scene(), gsAddInitialPlayer);
  game.RunTicks(20);
  game.Type("ann\r");
  ASSERT_TRUE(game.Driver().WaitForScene(gsOpeningStory, 100));
  const TComicStrips& strips = *Form().ComicStrips;
  // The first narration starts a second in and types out under the strip
  // while its voice reads it.
  game.RunTicks(33 + 60);
  EXPECT_EQ(strips.CurrentNarration(), 1);
  EXPECT_EQ(Form().NarrationText->Line(1).substr(0, 10), strips.Narration(1).substr(0, 10));
  EXPECT_EQ(game.TimesPlayed(VoiceName::StoryOpening(1)), 1);
  game.CaptureFrame("story-strip-narration");

  // On to the second strip, then the skip in the middle of it.
  for (int tick = 0; tick < 600 && strips.CurrentStrip() < 2; ++tick) game.RunTicks(1);
  ASSERT_EQ(strips.CurrentStrip(), 2);
  EXPECT_EQ(game.TimesPlayed(VoiceName::StoryOpening(2)), 1);
  game.RunTicks(40);
  game.Driver().ClickButton(*Form().StorySkipButton);
  ASSERT_TRUE(game.Driver().WaitForScene(gsMenu, 100));
  EXPECT_EQ(game.TimesPlayed(VoiceName::StoryOpening(3)), 0) << "skipped strips are not read";
  const auto saved = ReadProgressFile(PlayerSaveFile(game.SaveFolder(), "ANN"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->OpeningStoryTold, 1);

  game.RunTicks(45);
  game.Driver().ClickButton(*Form().PlayButton);
  EXPECT_TRUE(game.Driver().WaitForScene(gsMap, 200));
}

TEST_F(StoryPictures, APurchaseIsFollowedByItsChapterAndTheShopOpensAgain) {
  OpenShopOf(PlayerWith(0, 1));
  ASSERT_TRUE(BuyAndHearTheChapter(1));
  EXPECT_FALSE(Form().BuySlots->Enabled) << "the shop waits for the chapter";
  game.RunTicks(60);
  EXPECT_EQ(game.TimesPlayed(VoiceName::Chat(1)), 1);
  game.CaptureFrame("dialog-balloon");

  // A click finishes the typing, a second one the line.
  game.Click(683, 300);
  game.Click(683, 300);
  game.RunTicks(2);
  EXPECT_EQ(game.TimesPlayed(VoiceName::Chat(2)), 1);
  game.Driver().ClickButton(*Form().DialogSkipButton);
  for (int tick = 0; tick < 100 && Form().ChapterDialog->Playing(); ++tick) game.RunTicks(1);
  EXPECT_FALSE(Form().ChapterDialog->Playing());
  EXPECT_TRUE(Form().BuySlots->Enabled);
  EXPECT_FALSE(Form().DialogSkipButton->Visible);
}

TEST_F(StoryThroughTheGame, TheLastUpgradeLeadsToTheZeppelinTheFinalChapterAndTheEndingOnce) {
  OpenShopOf(PlayerWith(19, 5));
  ASSERT_TRUE(game.Driver().BuyUpgrade(4, 600));
  EXPECT_TRUE(Form().GameComplete()) << "the zeppelin is revealed";
  EXPECT_EQ(Form().StickerBookComment->Text(), Form().TextStrings->Text(ttGameTexts, GameTextId::AllComplete));
  EXPECT_EQ(game.Scene(), gsStickerBook) << "the ending waits for the book's Play";

  ASSERT_TRUE(game.Driver().PressBookPlay(200));
  ASSERT_TRUE(Form().ChapterDialog->Playing()) << "the final chapter";
  ASSERT_TRUE(game.Driver().SeeStoryThrough(200));
  ASSERT_TRUE(game.Driver().WaitForScene(gsEndingStory, 100));
  // The ending is watched to its last strip.
  game.Driver().SkipsStories = false;
  ASSERT_TRUE(game.Driver().SeeStoryThrough(3000));
  ASSERT_TRUE(game.Driver().WaitForScene(gsMenu, 100));
  game.RunTicks(200);
  EXPECT_EQ(game.Scene(), gsMenu);
  for (int strip = 1; strip <= VoiceName::StoryEndingCount; ++strip)
    EXPECT_EQ(game.TimesPlayed(VoiceName::StoryEnding(strip)), 1) << strip;
  game.Driver().ClickButton(*Form().PlayButton);
  EXPECT_EQ(game.Scene(), gsConfirmWindow) << "a complete book offers a new game";
}

TEST_F(StoryThroughTheGame, AChapterSpeaksAtTheSoundVolumeWhateverSpokeBefore) {
  OpenShopOf(PlayerWith(0, 1));
  Form().VoicePlayer->SetVolume(60);  // as a tutorial's voice leaves it
  ASSERT_TRUE(BuyAndHearTheChapter(1));
  EXPECT_EQ(Form().VoicePlayer->Volume(), 70);
}

TEST_F(StoryThroughTheGame, ARightClickHurriesAConversationOnAsALeftOneDoes) {
  OpenShopOf(PlayerWith(0, 1));
  ASSERT_TRUE(BuyAndHearTheChapter(1));
  const TChapterDialog& dialog = *Form().ChapterDialog;
  for (int tick = 0; tick < 100 && dialog.CurrentLine() != 1; ++tick) game.RunTicks(1);
  ASSERT_EQ(dialog.CurrentLine(), 1);
  for (int press = 0; press < 2; ++press) {
    game.MouseDown(683, 300, TMouseButton::mbRight);
    game.MouseUp(683, 300, TMouseButton::mbRight);
    game.RunTicks(1);
  }
  EXPECT_EQ(dialog.CurrentLine(), 2) << "the text completed, then the balloon ended";
}

TEST_F(StoryThroughTheGame, TheGuideCheersStandingOnTheShopPanelInView) {
  OpenShopOf(PlayerWith(0, 1));
  game.Driver().ClickButton(Form().BuySlots->BuyButton(1));
  const TSmallWren& guide = *Form().SmallWren;
  for (int tick = 0; tick < 100 && guide.Pattern() != TSmallWren::PatternCheering; ++tick) game.RunTicks(1);
  ASSERT_EQ(guide.Pattern(), TSmallWren::PatternCheering);
  EXPECT_GE(guide.Y(), 0);
  EXPECT_LE(guide.Y() + 160, Form().ShopPanelMover->CurrentPos().Y) << "above the panel, not behind it";
  EXPECT_GE(guide.X(), 0);
  EXPECT_LE(guide.X() + 120, 1366);
}

// A game closed during the guide's cheer, or killed during the chapter, kept
// the purchase: the town shows it at once, its chapter is told at the next
// visit, and the book it completes leads to the ending.
TEST_F(StoryThroughTheGame, APurchasesChapterCutShortIsToldAtTheNextVisit) {
  for (const bool killedInTheChapter : {false, true}) {
    SCOPED_TRACE(killedInTheChapter ? "killed during the chapter" : "closed during the cheer");
    THeadlessGame first({.WithContent = true});
    OpenShop(first, PlayerWith(19, 5));
    first.Driver().ClickButton(first.Form().BuySlots->BuyButton(4));
    for (int tick = 0; tick < 300 && killedInTheChapter && !first.Form().ChapterDialog->Playing(); ++tick)
      first.RunTicks(1);
    if (!killedInTheChapter) first.Window().Close();
    const auto saved = ReadProgressFile(PlayerSaveFile(first.SaveFolder(), "ANN"));
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->UpgradesBought[19], 1);

    THeadlessGame again({.WithContent = true});
    again.AddSavedPlayer("ANN", *saved);
    again.Start();
    ASSERT_TRUE(again.Driver().ReachMenu(3000));
    TFormMain& form = again.Form();
    EXPECT_TRUE(form.StickerBookObjects->GroupRevealed(TStickerBookObjects::GroupOf(5, 4))) << "the town shows it";
    form.SceneTransition->Start(gsMenu, gsStickerBook);
    ASSERT_TRUE(again.Driver().WaitForScene(gsStickerBook, 200));
    EXPECT_TRUE(form.ChapterDialog->Playing()) << "its chapter";
    ASSERT_TRUE(again.Driver().SeeStoryThrough(200));
    EXPECT_TRUE(form.GameComplete()) << "the zeppelin is revealed";
    ASSERT_TRUE(again.Driver().PressBookPlay(200));
    ASSERT_TRUE(form.ChapterDialog->Playing()) << "the final chapter";
    ASSERT_TRUE(again.Driver().SeeStoryThrough(200));
    EXPECT_TRUE(again.Driver().WaitForScene(gsEndingStory, 100));
  }
}

class CommentPictures : public testing::RoundThroughTheShell {
 protected:
  CommentPictures() : RoundThroughTheShell(/*rendering=*/true) {}
};

TEST_F(CommentPictures, GoFliesInAndSettlesAndAWinThatReplacesItStillLeadsToTheResult) {
  StartRound();
  game.RunTicks(60);
  game.Click(683, 300);
  game.RunTicks(5);
  const TGameComment& comment = *game.Form().RoundComment;
  EXPECT_EQ(comment.State(), gcFlyingIn);
  game.CaptureFrame("comment-flying");
  for (int tick = 0; tick < 60 && comment.State() == gcFlyingIn; ++tick) game.RunTicks(1);
  EXPECT_EQ(comment.State(), gcWaving);
  game.RunTicks(5);
  game.CaptureFrame("comment-settled");

  game.Form().State.DeveloperMode = true;
  game.KeyDown(vk::F2);
  EXPECT_EQ(comment.CommentKind(), coGameRoundClear);
  EXPECT_TRUE(game.RunUntilScene(gsStageResult, 600));
}

}  // namespace
}  // namespace qm
