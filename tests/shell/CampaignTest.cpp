// The campaign through the whole game: a won round leads into the upgrade
// scene, a purchase rebuilds the town and fills the book, the book's Play
// goes on, and an island's fourth upgrade opens the next island on the map.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "progress/PlayerFiles.h"
#include "shell/FramePixels.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

// A player with enough in every account, some upgrades of island 1 bought,
// who skips the lessons.
TProgressRecord RichPlayer(std::initializer_list<int> bought) {
  TProgressRecord record = DefaultProgressRecord();
  record.OwnedElements = {5000, 500, 500, 500, 500};
  for (int number : bought) testing::MarkBought(record, number);
  record.TutorialsOn = 0;
  return record;
}

class Campaign : public ::testing::Test {
 protected:
  explicit Campaign(bool rendering = false) : game({.Rendering = rendering, .WithContent = true}) {}

  void StartWith(const TProgressRecord& record) {
    game.AddSavedPlayer("ANN", record);
    game.Start();
    ASSERT_TRUE(game.Driver().ReachMenu(3000));
  }
  // Wins the round at once, as the developer's F2 does, and goes on to the
  // upgrade scene.
  void WinARound() {
    ASSERT_TRUE(game.Driver().PlayFromMenu(400));
    game.Form().State.DeveloperMode = true;
    game.Driver().Click(683, 384);
    ASSERT_TRUE(game.Driver().WaitForScene(gsMainGame, 200));
    game.KeyDown(vk::F2);
    game.Form().State.DeveloperMode = false;
    ASSERT_TRUE(game.Driver().LeaveResult(1200));
  }
  TFormMain& Form() { return game.Form(); }

  testing::THeadlessGame game;
};

TEST_F(Campaign, APurchaseRevealsItsObjectFillsTheBookAndPlayGoesOn) {
  StartWith(RichPlayer({}));
  WinARound();
  EXPECT_EQ(Form().Progress.NextUncompletedLevelIdx, 2);
  ASSERT_TRUE(game.Driver().BuyUpgrade(1, 600));
  EXPECT_TRUE(Form().StickerBookObjects->GroupRevealed(TStickerBookObjects::GroupOf(1, 1)));
  EXPECT_EQ(Form().BookProgressTube->Position(), 4);
  EXPECT_LT(Form().BuySlots->Accounts()[elFruit], 5000) << "the price was paid";
  const auto saved = ReadProgressFile(PlayerSaveFile(game.SaveFolder(), "ANN"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->UpgradesBought[0], 1) << "saved at the cheer";

  ASSERT_TRUE(game.Driver().PressBookPlay(200));
  ASSERT_TRUE(game.Driver().WaitForScene(gsObjectiveInfo, 200));
  EXPECT_EQ(Form().Progress.LevelIdx, 2);
}

TEST_F(Campaign, ARestartBringsBackTheUpgradesTheTownAndTheMap) {
  StartWith(RichPlayer({1, 2, 3}));
  WinARound();
  ASSERT_TRUE(game.Driver().BuyUpgrade(4, 600));
  ASSERT_TRUE(game.Driver().PressBookPlay(200));
  ASSERT_TRUE(game.Driver().WaitForScene(gsMap, 200));
  game.Window().Close();
  const auto saved = ReadProgressFile(PlayerSaveFile(game.SaveFolder(), "ANN"));
  ASSERT_TRUE(saved);

  testing::THeadlessGame again({.WithContent = true});
  again.AddSavedPlayer("ANN", *saved);
  again.Start();
  ASSERT_TRUE(again.Driver().ReachMenu(3000));
  TFormMain& form = again.Form();
  EXPECT_TRUE(form.BuySlots->Slot(1, 4).Bought);
  EXPECT_TRUE(form.StickerBookObjects->GroupRevealed(TStickerBookObjects::GroupOf(1, 4)));
  EXPECT_TRUE(form.MapIslands->Unlocked(2));
  EXPECT_EQ(form.BookProgressTube->Position(), 4 + 4 + 4 + 5);
  EXPECT_FALSE(form.BookProgressTube->PopPending()) << "a loaded book does not pop";
}

// A game killed during the fourth upgrade's chapter, before the book's Play
// opened the map, goes on from the next island all the same.
TEST_F(Campaign, TheFourthUpgradeSavesTheNextIslandOpenAndTheResumePointOnIt) {
  StartWith(RichPlayer({1, 2, 3}));
  WinARound();
  ASSERT_TRUE(game.Driver().BuyUpgrade(4, 600));
  const auto saved = ReadProgressFile(PlayerSaveFile(game.SaveFolder(), "ANN"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->IslandUnlocked[1], 1);
  EXPECT_EQ(saved->NextUncompletedIslandIdx, 2);
  EXPECT_EQ(saved->NextUncompletedLevelIdx, 1);

  testing::THeadlessGame again({.WithContent = true});
  again.AddSavedPlayer("ANN", *saved);
  again.Start();
  ASSERT_TRUE(again.Driver().ReachMenu(3000));
  ASSERT_TRUE(again.Driver().PlayFromMenu(400));
  EXPECT_EQ(again.Form().Progress.IslandIdx, 2);
  EXPECT_EQ(again.Form().Progress.LevelIdx, 1);
}

// The frames of the campaign's scenes, looked at.
class CampaignPictures : public Campaign {
 protected:
  CampaignPictures() : Campaign(/*rendering=*/true) {}
};

TEST_F(CampaignPictures, TheShopBeforeAndAfterTheFourthUpgradeAndTheMapOfTheNextIsland) {
  StartWith(RichPlayer({1, 2, 3}));
  // Straight into the upgrade scene, as after a won round.
  Form().SceneTransition->Start(gsMenu, gsStickerBook);
  ASSERT_TRUE(game.Driver().WaitForScene(gsStickerBook, 200));
  ASSERT_TRUE(game.Driver().WaitForPanel(*Form().ShopPanelMover, 200));
  game.CaptureFrame("campaign-shop-before");
  ASSERT_TRUE(game.Driver().BuyUpgrade(4, 600));
  game.RunTicks(30);
  game.CaptureFrame("campaign-shop-after");
  EXPECT_TRUE(Form().BuySlots->IslandComplete());
  EXPECT_EQ(Form().StickerBookComment->Text(), "Chapter 1 complete!") << "the chapter-complete comment";

  ASSERT_TRUE(game.Driver().PressBookPlay(200));
  ASSERT_TRUE(game.RunUntilScene(gsMap, 200));
  EXPECT_EQ(Form().MapIslands->Current(), 2);
  EXPECT_TRUE(Form().CompletedStamps->Animating()) << "island 1 is stamped as island 2 is announced";
  EXPECT_EQ(Form().MapComment->Text(), Form().MapIslands->Messages[1]);
  ASSERT_TRUE(game.Driver().WaitForScene(gsMap, 200));
  ASSERT_TRUE(game.Driver().WaitForPanel(*Form().MapRightPanelMover, 200));
  game.CaptureFrame("campaign-map");
}

}  // namespace
}  // namespace qm
