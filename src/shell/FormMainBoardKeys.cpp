// The round from the keyboard: a cursor on the board that picks and swaps
// tiles, and keys that take the tools off their holders. Every press is a
// click at the cursor's tile, so the board and the tools act as clicked.
#include "shell/FormMain.h"

namespace qm {

namespace {

// Arrows and W A S D move the cursor; the aerosol is on E, beside them.
bool CursorStep(int key, int& dx, int& dy) {
  dx = dy = 0;
  switch (key) {
    case vk::Left: case 'A': dx = -1; return true;
    case vk::Right: case 'D': dx = 1; return true;
    case vk::Up: case 'W': dy = -1; return true;
    case vk::Down: case 'S': dy = 1; return true;
    default: return false;
  }
}

}  // namespace

bool TFormMain::BoardTileUsable(TPoint tile) const {
  return IsOnBoard(tile) && GameBoard().BoardData().At(tile).ObjectKind != okUnused;
}

void TFormMain::SettleBoardCursor() {
  BoardCursor->Settle([this](TPoint tile) { return BoardTileUsable(tile); });
}

TPoint TFormMain::BoardCursorMiddle() const {
  const TPoint corner = GameBoard().TilePixel(BoardCursor->Tile());
  return {corner.X + TileSize / 2, corner.Y + TileSize / 2};
}

void TFormMain::PressBoardCursor() {
  const TPoint middle = BoardCursorMiddle();
  PressAt(middle.X, middle.Y);
}

void TFormMain::PickToolByKey(int hitLeft, int hitTop, int hitWidth, int hitHeight) {
  PressAt(hitLeft + hitWidth / 2, hitTop + hitHeight / 2);
  // The tool in the hand follows the cursor, not the holder it came from.
  const TPoint middle = BoardCursorMiddle();
  SceneMouseMove(middle.X, middle.Y);
}

int TFormMain::PadKeyMeaning(int key) {
  constexpr int kPowerTools = 6;
  constexpr int kHandTools[] = {'K', 'B', 'E'};
  switch (key) {
    case vk::PadB: {
      const bool onBoard = GameScene->Value() == gsMainGame;
      const bool inHand = onBoard && (CountedToolActive() || PowerToolCarried() || GameBoard().SelectionArmed());
      return inHand ? vk::Back : vk::Escape;
    }
    case vk::PadNext:
    case vk::PadPrevious: {
      const int step = key == vk::PadNext ? 1 : kPowerTools - 1;
      FPadPowerTool = FPadPowerTool < 0 ? (key == vk::PadNext ? 0 : kPowerTools - 1)
                                        : (FPadPowerTool + step) % kPowerTools;
      return '1' + FPadPowerTool;
    }
    case vk::PadX:
      FPadHandTool = (FPadHandTool + 1) % int(std::size(kHandTools));
      return kHandTools[FPadHandTool];
    default:
      return key;
  }
}

bool TFormMain::BoardKeyDown(int& key) {
  SettleBoardCursor();
  if (!IsOnBoard(BoardCursor->Tile())) return false;
  const bool toolInHand = CountedToolActive() || PowerToolCarried();
  int dx = 0, dy = 0;
  if (CursorStep(key, dx, dy)) {
    // The first step only shows where the cursor stands.
    if (!BoardCursor->Shown) return true;
    const TPoint from = BoardCursor->Tile();
    const TPoint next{from.X + dx, from.Y + dy};
    const bool picked = !toolInHand && GameBoard().SelectionArmed() && GameBoard().SelectedTile() == from;
    if (picked && BoardTileUsable(next)) {
      // A picked tile swaps with its neighbour that way.
      BoardCursor->Move(dx, dy, [next](TPoint tile) { return tile == next; });
      PressBoardCursor();
    } else if (BoardCursor->Move(dx, dy, [this](TPoint tile) { return BoardTileUsable(tile); })) {
      const TPoint middle = BoardCursorMiddle();
      SceneMouseMove(middle.X, middle.Y);
    }
    return true;
  }
  if (key >= '1' && key <= '6') {
    const TCollectorBombTool& tool = *CollectorBombTools[std::size_t(key - '1')];
    PickToolByKey(tool.HitLeft, tool.HitTop, tool.HitWidth, tool.HitHeight);
    return true;
  }
  TCountedTool* counted = nullptr;
  if (key == 'K') counted = MagicKey.get();
  if (key == 'B') counted = Broom.get();
  if (key == 'E') counted = Aerosol.get();
  if (counted != nullptr) {
    PickToolByKey(counted->HangingPosX, counted->HangingPosY, counted->HitWidth, counted->HitHeight);
    return true;
  }
  switch (key) {
    case vk::Return:
    case vk::Space:
      PressBoardCursor();
      key = 0;
      return true;
    case vk::Back:
      // A right press off the board: a tool in the hand goes home, a picked
      // tile is let go.
      SceneMouseDown(0, 0, TMouseButton::mbRight);
      SceneMouseUp(0, 0);
      key = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace qm
