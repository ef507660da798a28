// Playing with the keyboard alone: the focus moves among a scene's controls
// and presses them as a click does, Escape goes back, the board cursor picks
// and swaps tiles and takes up the tools, and the marks show only while the
// keyboard is in use.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/RoundFixture.h"

namespace qm {
namespace {

using testing::RoundThroughTheShell;

class KeyboardPlay : public RoundThroughTheShell {
 protected:
  TFormMain& Form() { return game.Form(); }
  void Press(int key, bool shift = false) { game.Window().PressKey(key, TShiftState{.Shift = shift}); }
  bool RunUntil(int maxTicks, const std::function<bool()>& done) {
    for (int tick = 0; tick < maxTicks && !done(); ++tick) game.RunTicks(1);
    return done();
  }
  bool FocusOn(const TGameButton& button) {
    const TFocusTarget* target = Form().FocusRing->Target();
    return target != nullptr && target->Left == button.Left && target->Top == button.Top;
  }
  void OpenMenu() {
    Form().GameScene->SetValue(gsMenu);
    ASSERT_TRUE(game.Driver().WaitForPanel(*Form().MenuPanelMover, 200));
  }
  void OpenOptions() {
    OpenMenu();
    Form().OpenOptions(false);
    ASSERT_TRUE(RunUntil(200, [&] { return Form().OptionsWindow->State() == mwShown; }));
  }
  void OpenRound() {
    StartRound();
    PlayFromBanner();
  }
  void OpenInGameMenu() {
    OpenRound();
    Press(vk::Escape);
    ASSERT_TRUE(RunUntil(200, [&] { return Form().InGameMenuWindow->State() == mwShown; }));
  }
  // The focus drawn this frame: the ring's pieces, top-left first.
  std::vector<TPoint> RingDrawn() {
    game.RunTicks(1);
    return game.DrawnAt("FocusRing");
  }
  TPoint Cursor() { return Form().BoardCursor->Tile(); }
  // The mouse moved last; then a key shows the ring where it stands.
  void ShowRing() {
    game.MouseMove(1, 1);
    Press(vk::Tab);
  }
};

// A scene opens with the focus on its default, and Enter presses it.
TEST_F(KeyboardPlay, EnterPressesTheDefaultOfTheSceneOnShow) {
  struct TCase {
    const char* Scene;
    std::function<void()> Open;
    std::function<const TGameButton&()> Default;
    TGameSceneValues After;
  };
  const TCase cases[] = {
      {"menu", [&] { OpenMenu(); }, [&]() -> const TGameButton& { return *Form().PlayButton; }, gsMap},
      {"options", [&] { OpenOptions(); }, [&]() -> const TGameButton& { return *Form().OptionsOKButton; }, gsMenu},
      {"in-game menu", [&] { OpenInGameMenu(); }, [&]() -> const TGameButton& { return *Form().InGameResumeButton; },
       gsMainGame},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Scene);
    c.Open();
    ShowRing();
    EXPECT_TRUE(FocusOn(c.Default()));
    Press(vk::Return);
    EXPECT_TRUE(game.Driver().WaitForScene(c.After, 300));
  }
}

// Tab and Shift-Tab go round the controls in reading order, the arrows go
// to the nearest control that way.
TEST_F(KeyboardPlay, TabAndTheArrowsMoveTheFocusInTheMenu) {
  struct TCase {
    int Key;
    bool Shift;
    TGameButton* Focused;
  };
  const TCase cases[] = {
      {vk::Tab, false, Form().OptionsButton.get()},  {vk::Tab, false, Form().HighScoresButton.get()},
      {vk::Tab, true, Form().OptionsButton.get()},   {vk::Up, false, Form().PlayButton.get()},
      {vk::Down, false, Form().OptionsButton.get()}, {vk::Down, false, Form().HighScoresButton.get()},
      {vk::Up, false, Form().OptionsButton.get()},   {vk::Up, false, Form().PlayButton.get()},
      {vk::Tab, true, Form().ChangePlayerLink.get()}, {vk::Tab, false, Form().PlayButton.get()},
  };
  OpenMenu();
  ShowRing();
  ASSERT_TRUE(FocusOn(*Form().PlayButton));
  for (const TCase& c : cases) {
    Press(c.Key, c.Shift);
    EXPECT_TRUE(FocusOn(*c.Focused)) << c.Focused->ImageName;
  }
}

// Left and right on a volume bar turn its volume down and up.
TEST_F(KeyboardPlay, LeftAndRightOnAVolumeBarChangeTheVolume) {
  struct TCase {
    int Key;
    int Volume;
  };
  const TCase cases[] = {{vk::Right, 80}, {vk::Left, 70}, {vk::Left, 60}};
  OpenOptions();
  ShowRing();
  Press(vk::Tab);  // from OK round to the sound box
  Press(vk::Tab);  // and to its bar
  ASSERT_EQ(Form().FocusRing->Target()->Left, Form().SoundVolumeBar->Left);
  for (const TCase& c : cases) {
    Press(c.Key);
    EXPECT_EQ(Form().SoundVolumeBar->Position(), c.Volume);
  }
}

// Escape is the window's way back.
TEST_F(KeyboardPlay, EscapeClosesTheWindowOnShow) {
  struct TCase {
    const char* Window;
    std::function<void()> Open;
    TGameSceneValues After;
  };
  const TCase cases[] = {
      {"options", [&] { OpenOptions(); }, gsMenu},
      {"in-game menu", [&] { OpenInGameMenu(); }, gsMainGame},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Window);
    c.Open();
    game.MouseMove(1, 1);
    Press(vk::Escape);
    EXPECT_TRUE(game.Driver().WaitForScene(c.After, 300));
  }
}

// The cursor starts by the board's middle, steps over the tiles with the
// arrows or W A S D, picks with Enter and swaps with an arrow.
TEST_F(KeyboardPlay, TheBoardCursorMovesPicksAndSwaps) {
  struct TCase {
    int Key;
    TPoint Cursor;
    TPoint Picked;
  };
  const TCase cases[] = {
      {vk::Left, {8, 6}, {}},  // the first key only shows it
      {vk::Left, {7, 6}, {}},  {'A', {6, 6}, {}},     {'W', {6, 5}, {}},     {vk::Up, {6, 4}, {}},
      {'D', {7, 4}, {}},       {'S', {7, 5}, {}},     {vk::Right, {8, 5}, {}}, {vk::Right, {8, 5}, {}},  // the edge
      {vk::Return, {8, 5}, {8, 5}},
  };
  OpenRound();
  for (const TCase& c : cases) {
    Press(c.Key);
    EXPECT_EQ(Cursor(), c.Cursor) << "after key " << c.Key;
    const bool picked = Form().GameBoard().SelectionArmed();
    EXPECT_EQ(picked ? Form().GameBoard().SelectedTile() : TPoint{}, c.Picked) << "after key " << c.Key;
  }
}

TEST_F(KeyboardPlay, AnArrowSwapsAPickedTileWithItsNeighbour) {
  OpenRound();
  Press(vk::Left);
  while (Cursor().X > 3) Press(vk::Left);
  while (Cursor().Y > 1) Press(vk::Up);
  ASSERT_EQ(Cursor(), (TPoint{3, 1}));
  Press(vk::Space);
  Press(vk::Down);
  EXPECT_EQ(Cursor(), (TPoint{3, 2}));
  Settle();
  EXPECT_EQ(BananasLeft(), 3) << "three bananas lined up";
}

// Number keys take the power tools off the panel, Enter uses the one in the
// hand at the cursor and Backspace puts it back.
TEST_F(KeyboardPlay, ToolsComeToTheHandByKeyAndGoBackWithBackspace) {
  OpenRound();
  Form().State.DeveloperMode = true;
  Press(vk::F3);  // every power tool offered, the jar filled
  ASSERT_TRUE(RunUntil(400, [&] { return Form().PowerTool(tlBigBomb)->Enabled; }));
  for (int number = 1; number <= 6; ++number) {
    SCOPED_TRACE(number);
    Press('0' + number);
    EXPECT_TRUE(Form().PowerToolCarried());
    Press(vk::Back);
    EXPECT_FALSE(Form().PowerToolCarried());
    game.RunTicks(60);
  }
}

// The ring and the cursor are drawn after a key and gone at the first move
// of the mouse.
TEST_F(KeyboardPlay, TheMarksShowAfterAKeyAndGoWithTheMouse) {
  struct TCase {
    const char* Scene;
    std::function<void()> Open;
    std::function<TPoint()> Around;
  };
  const TCase cases[] = {
      {"menu", [&] { OpenMenu(); }, [&] { return TPoint{Form().PlayButton->Left, Form().PlayButton->Top}; }},
      {"round", [&] { OpenRound(); }, [&] { return Form().GameBoard().TilePixel(Cursor()); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Scene);
    c.Open();
    game.MouseMove(5, 5);
    EXPECT_TRUE(RingDrawn().empty());
    Press(vk::Left);
    const std::vector<TPoint> drawn = RingDrawn();
    ASSERT_FALSE(drawn.empty());
    const TPoint around = c.Around();
    EXPECT_LT(drawn.front().X, around.X);
    EXPECT_LT(drawn.front().Y, around.Y);
    EXPECT_GT(drawn.front().X, around.X - 12);
    game.MouseMove(5, 5);
    EXPECT_TRUE(RingDrawn().empty());
  }
}

// After a won round, Enter takes the result's OK, the shop opens with the
// focus on its first upgrade on sale and Enter buys it.
TEST_F(KeyboardPlay, TheShopOpensOnTheFirstUpgradeOnSaleAndEnterBuysIt) {
  Form().MapIslands->MarkPlayed();
  OpenRound();
  CollectEveryTarget();
  ASSERT_TRUE(game.Driver().WaitForScene(gsStageResult, 600));
  ASSERT_TRUE(RunUntil(200, [&] { return Form().ResultWindow->State() == mwShown; }));
  ShowRing();
  EXPECT_TRUE(FocusOn(*Form().ResultOKButton));
  Press(vk::Return);
  ASSERT_TRUE(game.Driver().WaitForScene(gsStickerBook, 600));
  Form().BuySlots->SetAccounts({5000, 500, 500, 500, 500});
  Form().BuySlots->UpdateAffordable();
  for (int tick = 0; tick < 600 && !Form().ShopTakesClicks(); ++tick) {
    game.Driver().ConfirmTutorial(100);
    game.RunTicks(1);
  }
  ASSERT_TRUE(Form().ShopTakesClicks());
  ShowRing();
  int first = 1;
  while (first < TBuySlots::SlotCount && !Form().BuySlots->BuyButton(first).Visible) ++first;
  ASSERT_TRUE(FocusOn(Form().BuySlots->BuyButton(first)));
  Press(vk::Return);
  EXPECT_TRUE(Form().BuySlots->Slot(Form().BuySlots->IslandIdx, first).Bought);
}

// The driver's keyboard play, as the autoplay's --keys uses it: from the
// menu's Play to a won round with not one mouse event.
TEST_F(KeyboardPlay, ARoundIsPlayedFromTheMenuWithKeysAlone) {
  OpenMenu();
  int mouseEvents = 0;
  game.Window().OnMouseDown = [&](TMouseButton, TShiftState, int, int) { ++mouseEvents; };
  game.Window().OnMouseMove = [&](TShiftState, int, int) { ++mouseEvents; };
  game.Window().OnMouseUp = [&](TMouseButton, TShiftState, int, int) { ++mouseEvents; };
  game.Driver().KeysOnly = true;
  EXPECT_TRUE(game.Driver().ClearRoundFromMenu(3000));
  EXPECT_EQ(mouseEvents, 0);
}

}  // namespace
}  // namespace qm
