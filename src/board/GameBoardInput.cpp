// The board under the mouse: picking, dragging and swapping tiles, and
// activating the special pieces a click sets off.
#include "board/GameBoard.h"

#include <algorithm>
#include <cstdlib>

#include "board/BoardImages.h"
#include "board/GameBoardRules.h"
#include "engine/EffectsMode.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"
#include "engine/StepHelpers.h"

namespace qm {

using namespace board_rules;

void TGameBoard::MouseDown(int x, int y, int button) {
  if (!CanDraw || !Visible) return;
  if (button == 1) {
    DisarmSelection();
    return;
  }
  const TPoint p = TileAtPixel(x, y);
  if (!IsOnBoard(p) || FBoard.At(p).ObjectKind == okUnused) {
    DisarmSelection();
    return;
  }
  TileClick(p);
}

void TGameBoard::MouseMove(int x, int y) {
  if (!Visible) return;
  const TPoint p = TileAtPixel(x, y);
  FHover = IsOnBoard(p) ? p : TPoint{};
}

void TGameBoard::SetDragging(bool value) {
  if (!Visible) return;
  FDragging = value;
}

void TGameBoard::DisarmSelection() {
  FSelectionArmed = false;
  FSelectionLook = 0;
}

bool TGameBoard::IsLegalPair(TPoint a, TPoint b) const {
  if (!IsOnBoard(a) || !IsOnBoard(b)) return false;
  const TBoardTile& ta = FBoard.At(a);
  const TBoardTile& tb = FBoard.At(b);
  // Only lockers and pieces move; blockers and holes stay put.
  if (!ta.IsLockerOrPiece() || ta.ObjectKind != tb.ObjectKind) return false;
  const int dx = std::abs(a.X - b.X);
  const int dy = std::abs(a.Y - b.Y);
  return dx + dy == 1;
}

void TGameBoard::TileClick(TPoint p) {
  if (!IsOnBoard(p)) return;
  const TBoardTile& tile = FBoard.At(p);
  if (tile.Web != 0 || tile.ChainLock != 0) {
    DisarmSelection();
    return;
  }
  if (State(p) != tsIdle) return;
  HideHint();
  FHintClock = 0;
  if (OnObjectTileClick) OnObjectTileClick();
  if (!FSelectionArmed) {
    FLastClicked = p;
    FSelectionArmed = true;
  }
  FSelectionArmed = p == FLastClicked;
  FLastClicked = p;

  const bool clickable = tile.ObjectKind == okFruit &&
                         (tile.Element == ecUniFruit || tile.Element == ecHammer || tile.Element == ecMultiBubble);
  if (clickable) {
    if (FSelectionArmed) ActivateSpecialPiece(p);
    FDragging = false;
    return;
  }
  if (FSelectionArmed) {
    FFirstTile = p;
    FSelectionLook = 0;
    return;
  }

  FSecondTile = p;
  FDragging = false;
  // The first tile may have been swept into a fall or a group since it was
  // selected; only two resting tiles can swap.
  if (!IsLegalPair(FFirstTile, FSecondTile) || State(FFirstTile) != tsIdle) {
    DisarmSelection();
    return;
  }
  TBoardData swapped = FBoard;
  std::swap(swapped.At(FFirstTile), swapped.At(FSecondTile));
  const bool matchOccurs = AnyLine(swapped);
  if (matchOccurs && OnManualMatch) OnManualMatch();

  State(FFirstTile) = tsSwapping;
  State(FSecondTile) = tsSwapping;
  const TBoardTile& t1 = FBoard.At(FFirstTile);
  const TBoardTile& t2 = FBoard.At(FSecondTile);
  TSwappedObjectsData data;
  data.Object1Pos = FFirstTile;
  data.Object2Pos = FSecondTile;
  data.ObjectKind1 = t1.ObjectKind;
  data.ObjectKind2 = t2.ObjectKind;
  data.Special1 = t1.IsSpecial() ? 1 : 0;
  data.Special2 = t2.IsSpecial() ? 1 : 0;
  data.Color1 = t1.Color();
  data.Color2 = t2.Color();
  data.FruitBomb1 = t1.FruitBomb;
  data.FruitBomb2 = t2.FruitBomb;
  data.Worm1 = t1.Worm;
  data.Worm2 = t2.Worm;
  if (OnSwapEffectRequest) OnSwapEffectRequest(data, matchOccurs);
}

void TGameBoard::SetToolSelection(TPoint tilePos, bool notUsable) {
  if (IsOnBoard(tilePos) && FBoard.At(tilePos).IsLockerOrPiece()) {
    FSelectionArmed = true;
    FFirstTile = tilePos;
    FSelectionLook = notUsable ? 1 : 0;
  } else {
    DisarmSelection();
  }
}

void TGameBoard::ActivateSpecialPiece(TPoint p) {
  if (OnNoMatchTimerReset) OnNoMatchTimerReset();
  TBoardTile& tile = FBoard.At(p);
  switch (tile.Element) {
    case ecUniFruit:
      PlaySound("BubblePop");
      if (OnUniBubbleEffectRequest) OnUniBubbleEffectRequest(p);
      tile.Element = FUniFruitShownElement;
      FUniReveal[CellIndex(p.X, p.Y)] = 0;
      break;
    case ecHammer:
      PlaySound("ItemActivated");
      State(p) = tsHammered;
      if (OnHammerEffectRequest) OnHammerEffectRequest(p);
      break;
    case ecMultiBubble:
      PlaySound("ItemActivated");
      tile.Element = static_cast<std::uint8_t>(std::clamp(tile.BlastElement, 0, 255));
      FBlasterElement = tile.Element;
      if (OnMultiBubbleClicked) OnMultiBubbleClicked(p, TPoint{}, tile.Element);
      break;
    default:
      break;
  }
  DisarmSelection();
}

// ---------------------------------------------------------------------------
// The line rule

}  // namespace qm
