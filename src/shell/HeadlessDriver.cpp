#include "shell/HeadlessDriver.h"

#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>
#include <utility>
#include <vector>
#include <system_error>

#include "platform/HeadlessScreenDevice.h"

namespace qm {

namespace fs = std::filesystem;

namespace {

// Ticks the menu panels take to slide into place.
constexpr int kMenuSlideTicks = 45;

}  // namespace

THeadlessDriver::THeadlessDriver(const TOptions& options)
    : FPlatform(options.Rendering ? CreateRenderingTestPlatform() : CreateHeadlessPlatform()),
      FRecordQuads(options.RecordQuads) {
  if (options.Rendering && options.DrawOnDemand && FPlatform->Graphics) {
    auto graphics = std::make_unique<TOnDemandGraphics>(std::move(FPlatform->Graphics));
    FOnDemand = graphics.get();
    FPlatform->Graphics = std::move(graphics);
  }
  auto& system = static_cast<TTestOperatingSystem&>(*FPlatform->System);
  system.ProgramDir = options.ProgramFolder;
  system.SaveRoots = {options.SaveRoot};
  FForm = std::make_unique<TFormMain>(*FPlatform);
}

THeadlessDriver::~THeadlessDriver() {
  FForm.reset();
  // Start-up enters the program folder; leave it for one that surely stays.
  std::error_code ec;
  fs::current_path(fs::temp_directory_path(), ec);
}

bool THeadlessDriver::Start() {
  FForm->FormCreate();
  if (!FForm->GameScene) return false;
  FForm->FormShow();
  // The null screen accepts and counts every call and keeps no quad.
  if (auto* device = dynamic_cast<THeadlessScreenDevice*>(FForm->OmegaScreen1->Device()))
    device->RecordQuads = FRecordQuads;
  return true;
}

void THeadlessDriver::Tick(int ticks) {
  auto& clock = static_cast<TFakeClock&>(*FPlatform->Clock);
  auto& application = static_cast<THeadlessApplication&>(*FPlatform->Application);
  long long target = FForm->FramesTicked() + ticks;
  // The guard stops a loop whose frame timer no longer runs.
  for (long long guard = 0; FForm->FramesTicked() < target && guard < ticks * 100LL; ++guard) {
    clock.AdvanceMs(1.0);
    application.Idle();
  }
}

void THeadlessDriver::DrawTick() {
  if (FOnDemand) FOnDemand->SetDrawing(true);
  Tick();
  if (FOnDemand) FOnDemand->SetDrawing(false);
}

void THeadlessDriver::FrameToWindow(int frameX, int frameY, int& x, int& y) const {
  x = int(std::lround(frameX * FForm->OmegaScreen1->ScaleX));
  y = int(std::lround(frameY * FForm->OmegaScreen1->ScaleY));
}

void THeadlessDriver::MouseDown(int frameX, int frameY, TMouseButton button) {
  int x, y;
  FrameToWindow(frameX, frameY, x, y);
  TShiftState shift;
  shift.Left = button == TMouseButton::mbLeft;
  ++FMouseEvents;
  if (FPlatform->Window->OnMouseDown) FPlatform->Window->OnMouseDown(button, shift, x, y);
}

void THeadlessDriver::MouseMove(int frameX, int frameY) {
  int x, y;
  FrameToWindow(frameX, frameY, x, y);
  ++FMouseEvents;
  if (FPlatform->Window->OnMouseMove) FPlatform->Window->OnMouseMove({}, x, y);
}

void THeadlessDriver::MouseUp(int frameX, int frameY, TMouseButton button) {
  int x, y;
  FrameToWindow(frameX, frameY, x, y);
  ++FMouseEvents;
  if (FPlatform->Window->OnMouseUp) FPlatform->Window->OnMouseUp(button, {}, x, y);
}

void THeadlessDriver::Click(int frameX, int frameY) {
  if (KeysOnly) {
    ClickByKeys(frameX, frameY);
    return;
  }
  MouseMove(frameX, frameY);
  MouseDown(frameX, frameY);
  MouseUp(frameX, frameY);
}

void THeadlessDriver::ClickButton(const TGameButton& button) {
  // The round's menu button stands outside the focus, and Enter hurries a
  // chat or a story on rather than skipping it: Escape is the key of all.
  if (KeysOnly && ((&button == FForm->InGameMenuButton.get() && Scene() == gsMainGame) ||
                   (&button == FForm->DialogSkipButton.get() && FForm->ChapterDialog->Playing()) ||
                   &button == FForm->StorySkipButton.get())) {
    PressKey(vk::Escape);
    return;
  }
  Click(button.Left + button.Width() / 2, button.Top + button.Height() / 2);
}

void THeadlessDriver::ClickTile(TPoint tile) {
  if (KeysOnly) {
    ClickTileByKeys(tile);
    return;
  }
  TPoint corner = FForm->GameBoard().TilePixel(tile);
  Click(corner.X + TileSize / 2, corner.Y + TileSize / 2);
}

void THeadlessDriver::HoverTile(TPoint tile) {
  if (KeysOnly) {
    MoveCursorTo(tile);
    return;
  }
  TPoint corner = FForm->GameBoard().TilePixel(tile);
  MouseMove(corner.X + TileSize / 2, corner.Y + TileSize / 2);
}

bool THeadlessDriver::PickPowerTool(TNewToolKind kind) {
  const TCollectorBombTool* tool = FForm->PowerTool(kind);
  if (tool == nullptr) return false;
  if (KeysOnly) {
    for (std::size_t index = 0; index < FForm->CollectorBombTools.size(); ++index)
      if (FForm->CollectorBombTools[index].get() == tool) PressKey('1' + int(index));
    return tool->Carried();
  }
  Click(tool->HitLeft + tool->HitWidth / 2, tool->HitTop + tool->HitHeight / 2);
  return tool->Carried();
}

bool THeadlessDriver::PickCountedTool(const TCountedTool& tool) {
  if (KeysOnly) {
    const TFormMain& form = *FForm;
    PressKey(&tool == form.MagicKey.get() ? 'K' : &tool == form.Broom.get() ? 'B' : 'E');
    return tool.Carried();
  }
  Click(tool.HangingPosX + tool.HitWidth / 2, tool.HangingPosY + tool.HitHeight / 2);
  return tool.Carried();
}

void THeadlessDriver::Type(std::string_view text) {
  for (char c : text) {
    char key = c;
    if (FPlatform->Window->OnKeyPress) FPlatform->Window->OnKeyPress(key);
  }
}

void THeadlessDriver::PressKey(int key) { FPlatform->Window->PressKey(key); }

bool THeadlessDriver::FocusHolds(int frameX, int frameY) const {
  const TFocusTarget* target = FForm->FocusRing->Target();
  return target != nullptr && frameX >= target->Left && frameX <= target->Left + target->Width &&
         frameY >= target->Top && frameY <= target->Top + target->Height;
}

void THeadlessDriver::ClickByKeys(int frameX, int frameY) {
  if (Scene() == gsMainGame) {
    const TGameBoard& board = FForm->GameBoard();
    const TPoint tile = board.TileAtPixel(frameX, frameY);
    // The cells a level leaves unused are off the board for the tools too.
    if (IsOnBoard(tile) && board.BoardData().At(tile).ObjectKind != okUnused)
      ClickTileByKeys(tile);
    else
      PressKey(vk::Back);
    return;
  }
  // Tab shows the focus, then goes round until it holds the point; a scene
  // without controls takes Enter anywhere.
  PressKey(vk::Tab);
  for (int step = 0; step < 40 && FForm->FocusRing->Target() != nullptr && !FocusHolds(frameX, frameY); ++step)
    PressKey(vk::Tab);
  if (FForm->FocusRing->Target() == nullptr || FocusHolds(frameX, frameY)) PressKey(vk::Return);
}

bool THeadlessDriver::MoveCursorTo(TPoint tile) {
  const TGameBoard& board = FForm->GameBoard();
  const TBoardCursor& cursor = *FForm->BoardCursor;
  // An arrow would swap a picked tile away; with a tool in the hand nothing
  // is picked, and Backspace would send the tool home.
  const bool toolInHand = FForm->PowerToolCarried() || FForm->CountedToolActive();
  if (!toolInHand && board.SelectionArmed() && board.SelectedTile() == cursor.Tile()) PressKey(vk::Back);
  if (!cursor.Shown) PressKey(vk::Left);
  // The fewest arrows there: each goes to the next usable tile that way,
  // over the holes, as the cursor does.
  const auto usable = [&](TPoint p) { return IsOnBoard(p) && board.BoardData().At(p).ObjectKind != okUnused; };
  constexpr int kArrows[4] = {vk::Left, vk::Right, vk::Up, vk::Down};
  constexpr TPoint kSteps[4] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  std::map<std::pair<int, int>, std::pair<TPoint, int>> cameFrom;
  std::deque<TPoint> queue{cursor.Tile()};
  cameFrom[{cursor.Tile().X, cursor.Tile().Y}] = {cursor.Tile(), 0};
  while (!queue.empty() && !cameFrom.count({tile.X, tile.Y})) {
    const TPoint from = queue.front();
    queue.pop_front();
    for (int way = 0; way < 4; ++way) {
      TPoint next{from.X + kSteps[way].X, from.Y + kSteps[way].Y};
      while (IsOnBoard(next) && !usable(next)) next = {next.X + kSteps[way].X, next.Y + kSteps[way].Y};
      if (!IsOnBoard(next) || cameFrom.count({next.X, next.Y})) continue;
      cameFrom[{next.X, next.Y}] = {from, kArrows[way]};
      queue.push_back(next);
    }
  }
  if (!cameFrom.count({tile.X, tile.Y})) return false;
  std::vector<int> keys;
  for (TPoint at = tile; at != cursor.Tile();) {
    const auto& [from, key] = cameFrom[{at.X, at.Y}];
    keys.push_back(key);
    at = from;
  }
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) PressKey(*key);
  return cursor.Tile() == tile;
}

void THeadlessDriver::ClickTileByKeys(TPoint tile) {
  const TGameBoard& board = FForm->GameBoard();
  const TPoint at = FForm->BoardCursor->Tile();
  const int dx = tile.X - at.X, dy = tile.Y - at.Y;
  // A picked tile goes to its neighbour by the arrow that way.
  if (FForm->BoardCursor->Shown && board.SelectionArmed() && board.SelectedTile() == at &&
      std::abs(dx) + std::abs(dy) == 1) {
    PressKey(dx < 0 ? vk::Left : dx > 0 ? vk::Right : dy < 0 ? vk::Up : vk::Down);
    return;
  }
  if (MoveCursorTo(tile)) PressKey(vk::Return);
}

bool THeadlessDriver::WaitForScene(TGameSceneValues scene, int maxTicks) {
  for (long long limit = Ticks() + maxTicks; Ticks() < limit && !Terminated(); Tick())
    if (Scene() == scene && !FForm->SceneTransition->Active()) return true;
  return Scene() == scene && !FForm->SceneTransition->Active();
}

bool THeadlessDriver::WaitForWindow(const TGameMenuWindow& window, int maxTicks) {
  for (long long limit = Ticks() + maxTicks; window.State() != mwShown; Tick())
    if (Ticks() >= limit || Terminated()) return false;
  return true;
}

bool THeadlessDriver::ClickWhenShown(const TGameMenuWindow& window, const TGameButton& button, int maxTicks) {
  if (!WaitForWindow(window, maxTicks)) return false;
  ClickButton(button);
  return true;
}

bool THeadlessDriver::SeeStoryThrough(int maxTicks) {
  TFormMain& form = *FForm;
  auto story = [&] { return Scene() == gsOpeningStory || Scene() == gsEndingStory; };
  for (long long limit = Ticks() + maxTicks; story() || form.ChapterDialog->Playing(); Tick()) {
    if (Ticks() >= limit) return false;
    if (!SkipsStories || form.SceneTransition->IsBlocking()) continue;
    if (form.ChapterDialog->Playing() && form.DialogSkipButton->Visible)
      ClickButton(*form.DialogSkipButton);
    else if (story() && form.StorySkipButton->Enabled)
      ClickButton(*form.StorySkipButton);
  }
  return true;
}

bool THeadlessDriver::ConfirmTutorial(int maxTicks) {
  TFormMain& form = *FForm;
  const bool scroll = form.Tutorial->Visible() && form.TutorialOKButton->Visible;
  const bool tip = form.ToolTip->Showing() && form.ToolTipOKButton->Visible;
  if (!scroll && !tip) return false;
  // Read before it is confirmed, as a player would.
  for (long long limit = Ticks() + maxTicks; scroll ? form.Tutorial->Fade() < 1 : form.ToolTip->Fade() < 1; Tick())
    if (Ticks() >= limit) return false;
  ClickButton(scroll ? *form.TutorialOKButton : *form.ToolTipOKButton);
  return true;
}

bool THeadlessDriver::VisitOptions(int maxTicks) {
  TFormMain& form = *FForm;
  ClickButton(*form.OptionsButton);
  if (!ClickWhenShown(*form.OptionsWindow, *form.OptionsOKButton, maxTicks)) return false;
  return WaitForScene(gsMenu, maxTicks);
}

bool THeadlessDriver::PauseAndResume(int maxTicks) {
  return ChooseInGameMenu(*FForm->InGameResumeButton, gsMainGame, maxTicks);
}

bool THeadlessDriver::RestartRound(int maxTicks) {
  return ChooseInGameMenu(*FForm->InGameRestartButton, gsObjectiveInfo, maxTicks);
}

bool THeadlessDriver::ChooseInGameMenu(const TGameButton& button, TGameSceneValues then, int maxTicks) {
  ClickButton(*FForm->InGameMenuButton);
  return ClickWhenShown(*FForm->InGameMenuWindow, button, maxTicks) && WaitForScene(then, maxTicks);
}

bool THeadlessDriver::LeaveRoundForMenu(int maxTicks) {
  TFormMain& form = *FForm;
  PressKey(vk::Escape);
  if (!ClickWhenShown(*form.InGameMenuWindow, *form.InGameToMenuButton, maxTicks) ||
      !ClickWhenShown(form.ConfirmWindow->Window(), form.ConfirmWindow->PositiveButton(), maxTicks) ||
      !WaitForScene(gsMenu, maxTicks))
    return false;
  return WaitForPanel(*form.MenuPanelMover, maxTicks);
}

bool THeadlessDriver::NameTheNewPlayer(std::string_view name, int maxTicks) {
  TFormMain& form = *FForm;
  if (!WaitForWindow(*form.AddNameWindow, maxTicks)) return false;
  Type(name);
  return ClickWhenShown(*form.AddNameWindow, *form.AddNameOKButton, maxTicks);
}

bool THeadlessDriver::ReachMenu(int maxTicks, std::string_view firstName) {
  long long limit = Ticks() + maxTicks;
  // Clicks skip the logos' hold and, once loading is done, leave the splash.
  while (Scene() != gsMenu && Ticks() < limit) {
    if (Scene() == gsCompanyLogos || Scene() == gsSplash) Click(683, 384);
    if (Scene() == gsAddInitialPlayer && FForm->AddNameWindow->State() == mwShown) {
      Type(firstName);
      ClickButton(*FForm->AddNameOKButton);
    }
    if (Scene() == gsOpeningStory && !SeeStoryThrough(int(limit - Ticks()))) return false;
    Tick(5);
  }
  if (!WaitForScene(gsMenu, maxTicks)) return false;
  Tick(kMenuSlideTicks);
  return Scene() == gsMenu && FForm->MenuPanelMover->State() == pmShown;
}

bool THeadlessDriver::ChoosePlayer(const std::string& name, int maxTicks) {
  TFormMain& form = *FForm;
  if (Scene() != gsMenu) return false;
  ClickButton(*form.ChangePlayerLink);
  if (Scene() != gsPlayerSelect) return false;
  int row = 0;
  for (int slot = 1; slot <= TNameList::SlotCount; ++slot)
    if (form.NameList->Name(slot) == name) row = slot;
  if (row == 0) {
    if (!ClickWhenShown(*form.NameListWindow, *form.NameListNewButton, maxTicks) ||
        !NameTheNewPlayer(name, maxTicks) || !WaitForScene(gsPlayerSelect, maxTicks))
      return false;
  } else {
    if (!WaitForWindow(*form.NameListWindow, maxTicks)) return false;
    const TNameList& list = *form.NameList;
    Click(list.Left + list.ListWidth / 2, list.Top + (row - 1) * list.VertGap + list.VertGap / 2);
  }
  if (!ClickWhenShown(*form.NameListWindow, *form.NameListOKButton, maxTicks)) return false;
  // A player who has not seen the story yet sees it first.
  for (long long limit = Ticks() + maxTicks; Scene() == gsPlayerSelect && Ticks() < limit;) Tick();
  if (!SeeStoryThrough(maxTicks) || !WaitForScene(gsMenu, maxTicks)) return false;
  Tick(kMenuSlideTicks);
  return form.PlayerName() == name;
}

bool THeadlessDriver::PlayFromMenu(int maxTicks) {
  ClickButton(*FForm->PlayButton);
  return WaitForScene(gsMap, maxTicks) && PlayFromMap(maxTicks);
}

bool THeadlessDriver::PlayFromMap(int maxTicks) {
  if (!WaitForPanel(*FForm->MapRightPanelMover, maxTicks)) return false;
  ClickButton(*FForm->MapPlayButton);
  return WaitForScene(gsObjectiveInfo, maxTicks);
}

bool THeadlessDriver::WaitForPanel(const TPanelMover& panel, int maxTicks) {
  for (long long limit = Ticks() + maxTicks; panel.State() != pmShown; Tick())
    if (Ticks() >= limit || Terminated()) return false;
  return true;
}

bool THeadlessDriver::LeaveResult(int maxTicks) {
  if (!WaitForScene(gsStageResult, maxTicks) || !ClickWhenShown(*FForm->ResultWindow, *FForm->ResultOKButton, maxTicks))
    return false;
  return WaitForScene(gsStickerBook, maxTicks);
}

bool THeadlessDriver::WaitForShop(int maxTicks) {
  TFormMain& form = *FForm;
  auto tutorialUp = [&] { return form.TutorialOKButton->Visible || form.ToolTipOKButton->Visible; };
  for (long long limit = Ticks() + maxTicks;
       !form.BuySlots->Enabled || form.ShopPanelMover->State() != pmShown || tutorialUp(); Tick()) {
    if (Ticks() >= limit) return false;
    // The chapter a purchase opens is told before the shop opens again, and
    // the workshop's scroll and tool tip are read.
    if (form.ChapterDialog->Playing() && !SeeStoryThrough(int(limit - Ticks()))) return false;
    ConfirmTutorial(int(limit - Ticks()));
  }
  return true;
}

bool THeadlessDriver::BuyUpgrade(int slot, int maxTicks) {
  TFormMain& form = *FForm;
  if (!WaitForShop(maxTicks) || !form.BuySlots->CanBuy(slot)) return false;
  ClickButton(form.BuySlots->BuyButton(slot));
  return form.BuySlots->Slot(form.BuySlots->IslandIdx, slot).Bought && WaitForShop(maxTicks);
}

bool THeadlessDriver::PressBookPlay(int maxTicks) {
  if (!WaitForShop(maxTicks)) return false;
  ClickButton(*FForm->BookPlayButton);
  return true;
}

bool THeadlessDriver::ClearRoundFromMenu(int maxTicks) {
  if (!PlayFromMenu(maxTicks)) return false;
  for (int tick = 0; tick < maxTicks && Scene() != gsRoundClear; ++tick) {
    if (Scene() == gsObjectiveInfo) Click(683, 384);
    ConfirmTutorial(maxTicks);
    MakeHintMove();
    Tick();
  }
  return Scene() == gsRoundClear;
}

bool THeadlessDriver::MakeHintMove() {
  if (Scene() != gsMainGame || FForm->RoundPlay->Moving()) return false;
  TPoint a, b;
  if (!FForm->GameBoard().FindMove(a, b)) return false;
  ClickTile(a);
  ClickTile(b);
  return true;
}

}  // namespace qm
