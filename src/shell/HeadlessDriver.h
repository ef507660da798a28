#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "board/GeneralDataClass.h"
#include "platform/OnDemandGraphics.h"
#include "platform/Platform.h"
#include "shell/FormMain.h"

namespace qm {

// The whole game on headless parts, driven from outside as a player would:
// the loop is turned by hand on a fake clock and input goes through the
// window's mouse events in frame coordinates. Tools and tests read the game's
// state to decide where to click, never to change it.
class THeadlessDriver {
 public:
  struct TOptions {
    // The program folder: the executable's folder with its content beside it.
    std::filesystem::path ProgramFolder;
    // Where the save folder is made.
    std::filesystem::path SaveRoot;
    // Draw through SDL's software renderer on the dummy video driver rather
    // than the null screen.
    bool Rendering = false;
    // With Rendering: rasterise only the ticks run by DrawTick, and run the
    // others at the cost of the game alone.
    bool DrawOnDemand = false;
    // Keep every quad on the recording device (for tests that read them);
    // otherwise the null screen counts them and keeps none.
    bool RecordQuads = false;
  };

  explicit THeadlessDriver(const TOptions& options);
  ~THeadlessDriver();
  THeadlessDriver(const THeadlessDriver&) = delete;
  THeadlessDriver& operator=(const THeadlessDriver&) = delete;

  TFormMain& Form() { return *FForm; }
  TPlatform& Platform() { return *FPlatform; }
  TGameSceneValues Scene() const { return FForm->GameScene->Value(); }
  long long Ticks() const { return FForm->FramesTicked(); }
  bool Terminated() const { return FPlatform->Application->Terminated(); }

  // FormCreate and FormShow, as the program entry does; false when start-up
  // gave up (its message is on the headless message box's list).
  bool Start();
  // Turns the loop a millisecond at a time until the frame timer has fired
  // `ticks` more times.
  void Tick(int ticks = 1);
  // One tick, rasterised even when drawing is on demand.
  void DrawTick();

  void MouseDown(int frameX, int frameY, TMouseButton button = TMouseButton::mbLeft);
  void MouseMove(int frameX, int frameY);
  void MouseUp(int frameX, int frameY, TMouseButton button = TMouseButton::mbLeft);
  void Click(int frameX, int frameY);
  void ClickButton(const TGameButton& button);
  void ClickTile(TPoint tile);
  // The pointer over a tile's middle.
  void HoverTile(TPoint tile);
  // A tool off its holder by a click on it; true when it is in the hand.
  bool PickPowerTool(TNewToolKind kind);
  bool PickCountedTool(const TCountedTool& tool);
  // Types characters (code page 1252) one key at a time.
  void Type(std::string_view text);
  // A key as the keyboard delivers it (a virtual-key code, see vk).
  void PressKey(int key);

  // Runs until the scene is reached and no cover hides it; false when it is
  // not reached within the limit.
  bool WaitForScene(TGameSceneValues scene, int maxTicks);
  // Runs until the panel stands in place.
  bool WaitForPanel(const TPanelMover& panel, int maxTicks);

  // Clicks through the logos and the splash; true once the menu stands with
  // its panels in place. On a first run the name entry gets firstName
  // typed (blank: the game's default name) and confirmed.
  bool ReachMenu(int maxTicks, std::string_view firstName = {});
  // From the menu, through the player list: selects the player when listed,
  // otherwise adds them with the name typed key by key; true once the menu
  // stands again with that player loaded.
  bool ChoosePlayer(const std::string& name, int maxTicks);
  // One hint-search move on a board at rest: clicks the first tile, then the
  // second. False when the board is busy or the search finds nothing.
  bool MakeHintMove();
  // From the menu's Play to the end of the round, skipping the banner and
  // then making hint moves; false when the round is not cleared in time.
  bool ClearRoundFromMenu(int maxTicks);
  // The menu's Play, then the map's Play once its panel stands; true when
  // the round's banner shows.
  bool PlayFromMenu(int maxTicks);
  // On the map: its Play once its panel stands.
  bool PlayFromMap(int maxTicks);
  // The result window's OK once it stands; true in the upgrade scene.
  bool LeaveResult(int maxTicks);
  // In the upgrade scene: the slot's buy button once the shop takes clicks,
  // then until the guide character has fetched the upgrade.
  bool BuyUpgrade(int slot, int maxTicks);
  // In the upgrade scene: the book's Play once the shop takes clicks.
  bool PressBookPlay(int maxTicks);
  // From the menu: the options window opened and closed with OK, back in
  // the menu.
  bool VisitOptions(int maxTicks);
  // In a round: the in-game menu opened by its button and closed with
  // Resume, back in the round.
  bool PauseAndResume(int maxTicks);
  // In a round: the in-game menu's Restart; true once the new round's
  // banner shows.
  bool RestartRound(int maxTicks);
  // In a round: Escape, the in-game menu's Main Menu and Yes to leaving;
  // true once the menu stands with its panels in place.
  bool LeaveRoundForMenu(int maxTicks);
  // The opening or ending story or a chapter dialog that runs is seen to its
  // end, or skipped by its button when SkipsStories; true once none runs.
  bool SeeStoryThrough(int maxTicks);
  // Tests have seen the stories; a player watching them sets this false.
  bool SkipsStories = true;
  // Plays with the keyboard alone, no mouse event at all: a click on a
  // control becomes the focus moved there and Enter, a click on a tile the
  // board cursor moved there and Enter (or an arrow that swaps), a tool
  // comes by its key and an off-board click is Backspace.
  bool KeysOnly = false;
  // Mouse events sent to the window so far, by any caller.
  int MouseEvents() const { return FMouseEvents; }
  // The guide's scroll or a tool tip that is up: once it has faded in, its
  // OK. True when one was confirmed.
  bool ConfirmTutorial(int maxTicks);

 private:
  void FrameToWindow(int frameX, int frameY, int& x, int& y) const;
  bool WaitForWindow(const TGameMenuWindow& window, int maxTicks);
  // Until the upgrade scene's shop stands and takes clicks.
  bool WaitForShop(int maxTicks);
  // Clicks the button once its window stands; false when it never does.
  bool ClickWhenShown(const TGameMenuWindow& window, const TGameButton& button, int maxTicks);
  bool NameTheNewPlayer(std::string_view name, int maxTicks);
  // The in-game menu by its button, then one of its buttons; true once the
  // scene that follows stands.
  bool ChooseInGameMenu(const TGameButton& button, TGameSceneValues then, int maxTicks);

  // The keyboard's ways to the same ends as Click, ClickTile and HoverTile.
  void ClickByKeys(int frameX, int frameY);
  void ClickTileByKeys(TPoint tile);
  // The board cursor to the tile, letting go of a picked tile first;
  // false when the cursor cannot get there.
  bool MoveCursorTo(TPoint tile);
  bool FocusHolds(int frameX, int frameY) const;

  std::unique_ptr<TPlatform> FPlatform;
  // The platform's graphics when drawing is on demand.
  TOnDemandGraphics* FOnDemand = nullptr;
  std::unique_ptr<TFormMain> FForm;
  bool FRecordQuads;
  int FMouseEvents = 0;
};

}  // namespace qm
