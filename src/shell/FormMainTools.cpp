// The tools of a round: six power tools on the left panel, paid with manna,
// and the magic key, the broom and the aerosol on the top panel with their
// stocks. The tools only know the pointer; what a tile allows and what a use
// does is answered here from the board.
#include "shell/FormMain.h"

namespace qm {

namespace {

struct TPowerToolLayout {
  const char* Image;
  TNewToolKind Kind;
  TPowerTool Offer;
  int HitLeft, HitTop, HitWidth, HitHeight;
  int OffsetX, OffsetY;
};

// Hit rectangles in frame pixels while the left panel is in place.
constexpr TPowerToolLayout kPowerTools[] = {
    {"CollectorTool", tlBlaster, ptBlaster, 19, 318, 66, 65, -12, -11},
    {"BombTool", tlBomb, ptBomb, 19, 505, 66, 56, -13, -13},
    {"HammerTool", tlHammer, ptHammer, 19, 562, 66, 53, -15, -14},
    {"HorzLightningTool", tlHorzLightning, ptHorzLightning, 19, 446, 66, 56, -15, -14},
    {"VertLightningTool", tlVertLightning, ptVertLightning, 19, 387, 66, 56, -15, -14},
    {"BigBombTool", tlBigBomb, ptBigBomb, 19, 256, 66, 60, -15, -14},
};
// Where the left panel stands when it is in, so the tools hang in their
// hit rectangles.
constexpr TScreenPoint kLeftPanelShown{-4, 232};

// The counted tools sit on the top panel's left end, each with its stock
// to its right.
constexpr int kCountedToolTop = 6;
constexpr int kCountedToolLeft[] = {24, 124, 224};
constexpr int kCountOffsetX = 68;
constexpr int kCountOffsetY = 20;

constexpr int kDeveloperMannaSteps = 800;

}  // namespace

void TFormMain::CreateTools() {
  TOmegaImageList* images = OmegaImageList1.get();
  auto playSound = SoundRequest();
  for (std::size_t i = 0; i < CollectorBombTools.size(); ++i) {
    const TPowerToolLayout& layout = kPowerTools[i];
    auto& tool = CollectorBombTools[i];
    tool = std::make_unique<TCollectorBombTool>();
    tool->OmgImgList = images;
    tool->ImgName = layout.Image;
    tool->ToolKind = layout.Kind;
    tool->SetHitRect(layout.HitLeft, layout.HitTop, layout.HitWidth, layout.HitHeight);
    tool->SetDrawOffset(layout.OffsetX, layout.OffsetY);
    tool->OnPlaySound = playSound;
    WirePowerTool(*tool);
  }
  MagicKey = std::make_unique<TMagicKey>();
  Broom = std::make_unique<TBroom>();
  Aerosol = std::make_unique<TAerosol>();
  for (TCountedTool* tool : CountedTools()) {
    tool->OmgImgList = images;
    tool->OnPlaySound = playSound;
    tool->OnCursorRequest = [this](TCursorShape shape) { RequestCursor(shape); };
  }
  WireCountedTools();
  FlowingTools = std::make_unique<TFlowingTool>();
  FlowingTools->OmgImgList = images;
  FlowingTools->OnToolArrived = [this](TToolKind kind) {
    if (TCountedTool* tool = CountedTool(kind)) tool->AcquireOne();
  };
  RoundPlay->OnToolCollected = [this](TPoint tilePos, int code) { LaunchCollectedTool(tilePos, code); };
  PlacePowerTools(kLeftPanelShown);
  PlaceCountedTools({2, 0});
}

std::array<TCountedTool*, 3> TFormMain::CountedTools() const { return {MagicKey.get(), Broom.get(), Aerosol.get()}; }

TCountedTool* TFormMain::CountedTool(TToolKind kind) const {
  switch (kind) {
    case toMagicKey: return MagicKey.get();
    case toBroom: return Broom.get();
    case toAerosol: return Aerosol.get();
    case toNone: break;
  }
  return nullptr;
}

void TFormMain::PlacePowerTools(TScreenPoint leftPanel) {
  for (std::size_t i = 0; i < CollectorBombTools.size(); ++i) {
    CollectorBombTools[i]->HangingPosX = leftPanel.X - kLeftPanelShown.X + kPowerTools[i].HitLeft;
    CollectorBombTools[i]->HangingPosY = leftPanel.Y - kLeftPanelShown.Y + kPowerTools[i].HitTop;
  }
}

void TFormMain::PlaceCountedTools(TScreenPoint topPanel) {
  const auto counted = CountedTools();
  for (std::size_t i = 0; i < counted.size(); ++i) {
    TCountedTool& tool = *counted[i];
    tool.HangingPosX = topPanel.X + kCountedToolLeft[i];
    tool.HangingPosY = topPanel.Y + kCountedToolTop;
    tool.CountPosX = tool.HangingPosX + kCountOffsetX;
    tool.CountPosY = tool.HangingPosY + kCountOffsetY;
  }
}

void TFormMain::PlaceToolsOnBoard(TPoint origin) {
  for (auto& tool : CollectorBombTools) tool->Board = {origin.X, origin.Y};
  for (TCountedTool* tool : CountedTools()) tool->Board = {origin.X, origin.Y};
}

void TFormMain::WirePowerTool(TCollectorBombTool& tool) {
  tool.OnCursorRequest = [this](TCursorShape shape) { RequestCursor(shape); };
  tool.OnPick = [this, &tool] {
    for (auto& other : CollectorBombTools)
      if (other.get() != &tool) other->Reset();
    RequestCursor(TCursorShape::crNone);
  };
  tool.OnCostCoveredAsk = [this, &tool](bool& covered) { covered = MannaEnergy->Covers(tool.ToolKind); };
  tool.OnObjectOpenableAsk = [this, &tool](TPoint tilePos, bool& openable, bool& blank) {
    const TGameBoard& board = GameBoard();
    blank = board.IsBlankTile(tilePos);
    const bool plain = tool.ToolKind == tlHammer || tool.ToolKind == tlBlaster;
    openable = plain ? board.IsPlainElement(tilePos) : board.IsFruit(tilePos);
  };
  tool.OnTilePosChange = [this](TPoint tilePos, bool& selectionEnabled, TNewToolKind kind) {
    TGameBoard& board = GameBoard();
    board.SetToolSelection(tilePos, !selectionEnabled);
    board.ClearToolArea();
    if (selectionEnabled) board.MarkToolArea(tilePos, kind);
  };
  tool.OnClick = [this, &tool](TPoint tilePos, TPoint toolPos) {
    MannaEnergy->Spend(tool.ToolKind);
    TGameBoard& board = GameBoard();
    board.ClearToolArea();
    board.SetToolSelection({}, false);
    RoundPlay->UseTool(tool.ToolKind, tilePos, toolPos);
  };
}

void TFormMain::WireCountedTools() {
  auto showTile = [this](TPoint tilePos, bool usable) { GameBoard().SetToolSelection(tilePos, !usable); };
  MagicKey->OnObjectOpenableAsk = [this](TPoint tilePos, bool& openable, bool& blank) {
    openable = GameBoard().CanOpenLocker(tilePos);
    blank = GameBoard().IsBlankTile(tilePos);
  };
  MagicKey->OnTilePosChange = showTile;
  MagicKey->OnTileClick = [this](TPoint tilePos) {
    TGameBoard& board = GameBoard();
    board.OpenLocker(tilePos);
    if (board.HasWeb(tilePos)) board.RemoveWeb(tilePos);
    RoundPlay->Stars->Start(tilePos);
    PlaySound("Key");
  };
  Broom->OnObjectBroomableAsk = [this](TPoint tilePos, bool& broomable, bool& blank) {
    broomable = GameBoard().IsBroomable(tilePos);
    blank = GameBoard().IsBlankTile(tilePos);
  };
  Broom->OnTilePosChange = showTile;
  Broom->OnTileBroomingFinished = [this](TPoint tilePos) {
    GameBoard().RemoveWeb(tilePos);
    // A swept piece may complete a line at once.
    GameBoard().MatchElements();
  };
  Broom->OnWebsLeftQuestion = [this](int& websLeft) { websLeft = GameBoard().CountWebs(); };
  Aerosol->OnSpraySizeChange = [this](const TSprayRect& rect) {
    GameBoard().BanWormsInRect(rect.Left, rect.Top, rect.Right, rect.Bottom);
    SprayEnemies(rect);
  };
  Aerosol->OnEnemiesExistQuestion = [this](bool& enemiesExist) { enemiesExist = EnemiesLeft(); };
  TGameBoard& board = GameBoard();
  board.OnAcquiredMagicKeysQuestion = [this](int& count) { count = MagicKey->Stock(); };
  board.OnAcquiredBroomsQuestion = [this](int& count) { count = Broom->Stock(); };
  board.OnAcquiredAerosolsQuestion = [this](int& count) { count = Aerosol->Stock(); };
}

void TFormMain::LaunchCollectedTool(TPoint tilePos, int code) {
  const TToolKind kind = code == ecMagicKeyItem ? toMagicKey
                         : code == ecBroomItem  ? toBroom
                         : code == ecAerosolItem ? toAerosol
                                                 : toNone;
  TCountedTool* holder = CountedTool(kind);
  if (holder == nullptr) return;
  const TPoint from = GameBoard().TilePixel(tilePos);
  FlowingTools->Launch(kind, float(from.X), float(from.Y), float(holder->HangingPosX), float(holder->HangingPosY));
}

void TFormMain::ResetTools() {
  for (std::size_t i = 0; i < CollectorBombTools.size(); ++i) {
    TCollectorBombTool& tool = *CollectorBombTools[i];
    tool.Reset();
    tool.Available = State.PowerTools[kPowerTools[i].Offer];
    // The jar starts empty: every tool waits for its mark.
    tool.Enabled = false;
    tool.Accessible = true;
  }
  for (TCountedTool* tool : CountedTools()) {
    tool->Reset();
    tool->Enabled = true;
  }
  FlowingTools->Reset();
}

void TFormMain::EnableToolsUpTo(int threshold) {
  for (auto& tool : CollectorBombTools)
    if (TMannaEnergy::ThresholdOf(tool->ToolKind) <= threshold) tool->Enabled = true;
}

void TFormMain::DisableToolsFrom(int threshold) {
  for (auto& tool : CollectorBombTools)
    if (TMannaEnergy::ThresholdOf(tool->ToolKind) >= threshold) tool->Enabled = false;
}

// Play has stopped: whatever is in the hand goes home, as a right click
// off the board sends it.
void TFormMain::DropCarriedTools() {
  for (TCountedTool* tool : CountedTools()) tool->MouseDown(0, 0, TMouseButton::mbRight);
  for (auto& tool : CollectorBombTools) tool->MouseDown(0, 0, TMouseButton::mbRight);
}

void TFormMain::SetToolsPaused(bool paused) {
  for (auto& tool : CollectorBombTools) tool->Accessible = !paused;
  for (TCountedTool* tool : CountedTools()) tool->Enabled = !paused;
}

void TFormMain::FillToolsForDeveloper() {
  for (auto& tool : CollectorBombTools) tool->Available = true;
  for (int step = 0; step < kDeveloperMannaSteps; ++step) MannaEnergy->AddOne();
}

bool TFormMain::CountedToolActive() const {
  for (TCountedTool* tool : CountedTools())
    if (tool->State() != TCountedToolState::Hanging) return true;
  return false;
}

bool TFormMain::PowerToolCarried() const {
  for (const auto& tool : CollectorBombTools)
    if (tool->Carried()) return true;
  return false;
}

TCollectorBombTool* TFormMain::PowerTool(TNewToolKind kind) const {
  for (const auto& tool : CollectorBombTools)
    if (tool->ToolKind == kind) return tool.get();
  return nullptr;
}

// The three counted tools take turns: one in use keeps the others on their
// hooks.
bool TFormMain::CountedToolMayTake(const TCountedTool& tool) const {
  for (TCountedTool* other : CountedTools())
    if (other != &tool && other->State() != TCountedToolState::Hanging) return false;
  return true;
}

void TFormMain::ToolsMouseDown(int x, int y, TMouseButton button) {
  for (TCountedTool* tool : CountedTools())
    if (CountedToolMayTake(*tool)) tool->MouseDown(x, y, button);
  for (auto& tool : CollectorBombTools) tool->MouseDown(x, y, button);
}

void TFormMain::ToolsMouseMove(int x, int y) {
  for (TCountedTool* tool : CountedTools())
    if (CountedToolMayTake(*tool)) tool->MouseMove(x, y);
  for (auto& tool : CollectorBombTools) tool->MouseMove(x, y);
  // A carried tool is the pointer itself.
  if (CountedToolActive() || PowerToolCarried()) RequestCursor(TCursorShape::crNone);
}

void TFormMain::ToolsRoutine() {
  for (TCountedTool* tool : CountedTools()) tool->UpdateAndDraw();
  for (auto& tool : CollectorBombTools) tool->UpdateAndDraw();
  FlowingTools->UpdateAndDraw();
}

}  // namespace qm
