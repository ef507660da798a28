// Each game event starts its effect, each scene family shows its own, and the
// frames show them: a drifting menu, a celebrated purchase and round.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/EffectsMode.h"
#include "progress/ProgressRecord.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::THeadlessGame;

TProgressRecord RichPlayer() {
  TProgressRecord record = DefaultProgressRecord();
  record.OwnedElements = {9000, 900, 900, 900, 900};
  record.OpeningStoryTold = 1;
  record.TutorialsOn = 0;
  return record;
}

class EffectsThroughTheGame : public ::testing::Test {
 protected:
  explicit EffectsThroughTheGame(bool rendering = false) : game({.Rendering = rendering, .WithContent = true}) {}
  ~EffectsThroughTheGame() override { ReducedDecoration = false; }

  void ReachMenu() {
    game.AddSavedPlayer("ANN", RichPlayer());
    game.Start();
    ASSERT_TRUE(game.Driver().ReachMenu(3000));
  }
  TEffectsSet& Effects() { return *game.Form().Effects; }

  THeadlessGame game;
};

TEST_F(EffectsThroughTheGame, EachSceneFamilyShowsItsOwnAndLeavingItStopsThem) {
  ReachMenu();
  EXPECT_EQ(Effects().Family(), efMenu);
  EXPECT_TRUE(Effects().ScreenDust->Running());
  EXPECT_TRUE(Effects().PlayButtonShine->Running());
  game.Driver().ClickButton(*game.Form().PlayButton);
  ASSERT_TRUE(game.Driver().WaitForScene(gsMap, 600));
  game.RunTicks(2);
  EXPECT_EQ(Effects().Family(), efMap);
  EXPECT_FALSE(Effects().PlayButtonShine->Running()) << "the menu's shine stopped with the menu";
  EXPECT_TRUE(Effects().MapShine->Running());
}

TEST_F(EffectsThroughTheGame, APurchaseSetsOffFireworksGoldenSprayAndConfetti) {
  ReachMenu();
  game.Form().SceneTransition->Start(gsMenu, gsStickerBook);
  ASSERT_TRUE(game.Driver().WaitForScene(gsStickerBook, 200));
  game.RunTicks(2);
  EXPECT_EQ(Effects().Family(), efTown);
  EXPECT_GT(Effects().TownPeopleFront->Count(), 0) << "the town's people walk";
  EXPECT_FALSE(Effects().Fireworks->Active());
  const TGameButton& slot = game.Form().BuySlots->BuyButton(1);
  game.Driver().ClickButton(slot);
  ASSERT_TRUE(game.Form().BuySlots->Slot(1, 1).Bought);
  game.RunTicks(8);
  // The spent harvest is on its way from the pocket down to the slot.
  const std::vector<TPoint> pieces = game.DrawnAt("Elements");
  EXPECT_TRUE(std::any_of(pieces.begin(), pieces.end(), [&](TPoint piece) {
    return piece.Y > 100 && piece.Y < slot.Top;
  })) << "a piece between the pocket and the slot";
  game.RunTicks(2);
  for (const char* drawn : {"CyanParticle", "Confetti", "SparkleStar"})
    EXPECT_FALSE(game.DrawnAt(drawn).empty()) << drawn << " over the purchase";
}

TEST_F(EffectsThroughTheGame, AWonRoundIsCelebrated) {
  ReachMenu();
  ASSERT_TRUE(game.Driver().ClearRoundFromMenu(20000));
  game.RunTicks(10);
  EXPECT_FALSE(game.DrawnAt("Confetti").empty());
  EXPECT_FALSE(game.DrawnAt("CyanParticle").empty());
  EXPECT_EQ(Effects().Family(), efRound);
}

TEST_F(EffectsThroughTheGame, APlayerWhoChoseReducedEffectsSeesNoDecoration) {
  TProgressRecord record = RichPlayer();
  record.ReducedEffects = 1;
  game.AddSavedPlayer("ANN", record);
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(3000));
  game.RunTicks(30);
  EXPECT_EQ(Effects().ScreenDust->Count(), 0);
  Effects().Confetti->Start();
  EXPECT_FALSE(Effects().Confetti->Active());
}

class EffectsPictures : public EffectsThroughTheGame {
 protected:
  EffectsPictures() : EffectsThroughTheGame(/*rendering=*/true) {}

  // The share of pixels that change over a second of the menu, outside the
  // swinging title.
  double MenuChangeOverASecond() {
    const std::optional<TRgbaImage> before = game.Frame();
    game.RunTicks(33);
    const std::optional<TRgbaImage> after = game.Frame();
    if (!before || !after) return 0;
    const TPoint title{game.Form().MenuPanelMover->CurrentPos().X - 90, game.Form().MenuPanelMover->CurrentPos().Y - 74};
    int changed = 0, counted = 0;
    for (int y = 0; y < before->Height; ++y)
      for (int x = 0; x < before->Width; ++x) {
        if (x >= title.X - 40 && x < title.X + 360 && y >= title.Y - 40 && y < title.Y + 160) continue;
        ++counted;
        const std::uint8_t* a = before->At(x, y);
        const std::uint8_t* b = after->At(x, y);
        changed += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 12;
      }
    return counted ? double(changed) / counted : 0;
  }
};

TEST_F(EffectsPictures, TheMenuMovesWithDecorationAndStandsStillWithout) {
  ReachMenu();
  game.RunTicks(90);
  EXPECT_GT(MenuChangeOverASecond(), 0.03);
  game.CaptureFrame("menu-with-effects");
  ReducedDecoration = true;
  game.RunTicks(5);
  EXPECT_LT(MenuChangeOverASecond(), 0.02);
}

constexpr testing::TFrameRect kWholeFrame{0, 0, 1365, 767};

TEST_F(EffectsPictures, APurchaseLightsUpTheSkyOverTheTown) {
  ReachMenu();
  game.Form().SceneTransition->Start(gsMenu, gsStickerBook);
  ASSERT_TRUE(game.Driver().WaitForScene(gsStickerBook, 200));
  game.RunTicks(60);
  const int townAlone = game.PixelsTheDecorationChanges(kWholeFrame);
  game.Driver().ClickButton(game.Form().BuySlots->BuyButton(1));
  game.RunTicks(26);
  EXPECT_GT(game.PixelsTheDecorationChanges(kWholeFrame), townAlone + 8000) << "fireworks, spray and confetti";
  game.CaptureFrame("effects-purchase");
}

TEST_F(EffectsPictures, AWonRoundsCelebrationCoversTheBoard) {
  ReachMenu();
  ASSERT_TRUE(game.Driver().ClearRoundFromMenu(20000));
  game.RunTicks(30);
  EXPECT_GT(game.PixelsTheDecorationChanges(kWholeFrame), 4000) << "confetti and fireworks";
  game.CaptureFrame("effects-round-won");
}

TEST_F(EffectsPictures, TheStoryHasTheOldFilmLook) {
  // A new player hears the story once named.
  game.Start();
  game.Driver().SkipsStories = false;
  for (int tick = 0; tick < 4000 && game.Scene() != gsAddInitialPlayer; ++tick) {
    game.Click(683, 384);
    game.RunTicks(1);
  }
  game.RunTicks(30);
  game.Type("ANN\r");
  ASSERT_TRUE(game.RunUntilScene(gsOpeningStory, 600));
  ASSERT_EQ(game.Scene(), gsOpeningStory);
  game.RunTicks(60);
  EXPECT_EQ(Effects().Family(), efStory);
  EXPECT_GT(game.PixelsTheDecorationChanges(kWholeFrame), 4000) << "scratches, specks and dust";
  game.CaptureFrame("effects-story");
}

}  // namespace
}  // namespace qm
