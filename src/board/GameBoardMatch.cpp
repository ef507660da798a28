// Lines and what clears them: matching pieces and lockers, potions at the
// bottom, found flowers, emptied cells, lockers opened, webs.
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

TSimpleObjectArray TGameBoard::FindLines(const TBoardData& data, TTileObjectKind kind, int color) const {
  TSimpleObjectArray marks;
  if (kind != okLocker && kind != okFruit) return marks;
  bool fits[BoardCells];
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = data.Tiles[i];
    fits[i] = tile.ObjectKind == kind && tile.Color() == color && CanLine(tile) && TakesPart(FStates[i]);
  }
  // Rows: a run ends at a cell that does not fit or at the board's edge.
  for (int y = 1; y <= BoardRows; ++y) {
    int run = 0;
    for (int x = 1; x <= BoardColumns + 1; ++x) {
      if (x <= BoardColumns && fits[CellIndex(x, y)]) {
        ++run;
        continue;
      }
      if (run >= 3)
        for (int k = x - run; k < x; ++k) marks.At(k, y) = 1;
      run = 0;
    }
  }
  for (int x = 1; x <= BoardColumns; ++x) {
    int run = 0;
    for (int y = 1; y <= BoardRows + 1; ++y) {
      if (y <= BoardRows && fits[CellIndex(x, y)]) {
        ++run;
        continue;
      }
      if (run >= 3)
        for (int k = y - run; k < y; ++k) marks.At(x, k) = 1;
      run = 0;
    }
  }
  return marks;
}

bool TGameBoard::AnyLine(const TBoardData& data) const {
  return ForEachRunKey(data, FStates, [](int) { return true; });
}

// ---------------------------------------------------------------------------
// Swap completions

void TGameBoard::SwapCompleted(TPoint pos1, TPoint pos2) {
  if (!IsOnBoard(pos1) || !IsOnBoard(pos2)) return;
  TBoardTile& a = FBoard.At(pos1);
  TBoardTile& b = FBoard.At(pos2);
  if (a.ObjectKind == okLocker && b.ObjectKind == okLocker) std::swap(a.LockerColor, b.LockerColor);
  std::swap(a.Element, b.Element);
  std::swap(a.FruitBomb, b.FruitBomb);
  std::swap(a.Worm, b.Worm);
  std::swap(a.WormTime, b.WormTime);
  std::swap(a.BlastElement, b.BlastElement);
  State(pos1) = tsIdle;
  State(pos2) = tsIdle;
}

void TGameBoard::SwapBackCompleted(TPoint pos1, TPoint pos2) {
  if (IsOnBoard(pos1)) State(pos1) = tsIdle;
  if (IsOnBoard(pos2)) State(pos2) = tsIdle;
}

// ---------------------------------------------------------------------------
// Clearing

bool TGameBoard::HitCell(TPoint p, TTileState groupedState) {
  TBoardTile& tile = FBoard.At(p);
  if (tile.Web == 0 && tile.ChainLock == 0) {
    State(p) = groupedState;
    return true;
  }
  if (tile.Web != 0) {
    tile.Web = 0;
    if (OnWebEffectRequest) OnWebEffectRequest(p);
  }
  if (tile.ChainLock != 0) {
    const std::uint8_t before = tile.ChainLock;
    tile.ChainLock = static_cast<std::uint8_t>(before - 1);
    if (tile.ChainLock == 0) State(p) = tsIdle;
    if (OnChainLockEffectRequest) OnChainLockEffectRequest(p, before);
  }
  return false;
}

bool TGameBoard::IsPotionAtBottom(TPoint p) const {
  const TBoardTile& tile = FBoard.At(p);
  if (!tile.IsLockerOrPiece() || !tile.IsPotion()) return false;
  if (p.Y == BoardRows) return true;
  const TBoardTile& below = FBoard.At(p.X, p.Y + 1);
  return below.ObjectKind == okTempBlank || below.ObjectKind == okBlocker ||
         (below.ObjectKind == okUnused && below.TileBack == 0);
}

void TGameBoard::ReportGroup(const TSimpleObjectArray& grouped, bool triggeredByBlaster) {
  if (OnRemoveLockerFrames) OnRemoveLockerFrames(grouped);
  if (!grouped.Any()) return;
  for (int i = 0; i < BoardCells; ++i)
    if (grouped.Cells[i] != 0 && FBoard.Tiles[i].Worm == 1 && OnAFruitWormBanRequest)
      OnAFruitWormBanRequest(CellPoint(i));
  if (OnGroupedElementsEffectRequest) OnGroupedElementsEffectRequest(FBoard, grouped, FUniRevealFlag, triggeredByBlaster);
  FUniRevealFlag = false;
  if (OnNoMatchTimerReset) OnNoMatchTimerReset();
}

void TGameBoard::MatchElements() {
  if (!CanMatch) return;
  TSimpleObjectArray grouped;
  for (int color = 1; color <= ecPotion2; ++color) {
    TSimpleObjectArray marks;
    if (color <= ecLastFlower) marks = FindLines(FBoard, okFruit, color);
    for (int i = 0; i < BoardCells; ++i) {
      const TPoint p = CellPoint(i);
      const TBoardTile& tile = FBoard.Tiles[i];
      const bool collected =
          tile.ObjectKind == okFruit && (tile.Element == ecFoundFlower || (tile.Element >= ecMagicKeyItem &&
                                                                            tile.Element <= ecAerosolItem));
      if (marks.Cells[i] == 0 && !collected && !IsPotionAtBottom(p)) continue;
      if (!TakesPart(FStates[i])) continue;
      if (HitCell(p, tsGrouped)) grouped.Cells[i] = 1;
    }
  }
  ReportGroup(grouped, false);
}

void TGameBoard::DrawFoundFlowerThreshold() {
  const int span = std::max(1, OneFlowerPerLockersMax - OneFlowerPerLockersMin + 1);
  FFlowerThreshold = OneFlowerPerLockersMin + Random(span);
}

void TGameBoard::ChooseFoundFlowerIdx() {
  TFlowerIdxSet unobtained;
  if (OnUnobtainedFlowerIdxSetRequest) OnUnobtainedFlowerIdxSetRequest(unobtained);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const int idx = Random(6) + 1;
    if (unobtained.test(idx)) {
      FFoundFlowerIdx = idx;
      return;
    }
  }
  for (int idx = 1; idx <= 6; ++idx)
    if (unobtained.test(idx)) {
      FFoundFlowerIdx = idx;
      return;
    }
  FFoundFlowerIdx = 1;
}

void TGameBoard::MatchLockers() {
  if (!CanMatch) return;
  bool mayPlaceFlower = false;
  if (++FLockerPassCounter >= FFlowerThreshold) {
    DrawFoundFlowerThreshold();
    FLockerPassCounter = 0;
    if (OnCanAddFlowerQuestion) OnCanAddFlowerQuestion(mayPlaceFlower);
  }
  bool flowerPlaced = false;
  bool handled = false;
  TSimpleObjectArray opened;
  for (int color = 1; color <= 3; ++color) {
    const TSimpleObjectArray marks = FindLines(FBoard, okLocker, color);
    for (int i = 0; i < BoardCells; ++i) {
      if (marks.Cells[i] == 0 || !TakesPart(FStates[i])) continue;
      handled = true;
      const TPoint p = CellPoint(i);
      if (!HitCell(p, tsOpening)) continue;
      opened.Cells[i] = 1;
      TBoardTile& tile = FBoard.Tiles[i];
      if (ActiveMode == amFindFlower && mayPlaceFlower && !flowerPlaced && !tile.IsSpecial()) {
        tile.Element = ecFoundFlower;
        flowerPlaced = true;
        ChooseFoundFlowerIdx();
      }
    }
  }
  if (handled && OnNoMatchTimerReset) OnNoMatchTimerReset();
  if (OnOpeningLockersEffectRequest) OnOpeningLockersEffectRequest(FBoard, opened);
}

void TGameBoard::LockersOpened(const TSimpleObjectArray& mask) {
  for (int i = 0; i < BoardCells; ++i) {
    if (mask.Cells[i] == 0) continue;
    FBoard.Tiles[i].ObjectKind = okFruit;
    FStates[i] = tsIdle;
  }
}

void TGameBoard::GroupedCleared(const TSimpleObjectArray& mask) {
  for (int i = 0; i < BoardCells; ++i) {
    if (mask.Cells[i] == 0) continue;
    VacateCell(i);
    FStates[i] = tsFalling;
  }
  MarkFalling();
}

void TGameBoard::VacateCell(int index) {
  // The cell keeps its own background look and nothing of the piece that
  // left: a web, worm or bomb left behind would be counted, drawn or handed
  // to the next piece.
  TBoardTile& tile = FBoard.Tiles[index];
  tile.ObjectKind = okTempBlank;
  tile.Web = 0;
  tile.ChainLock = 0;
  tile.FruitBomb = 0;
  tile.Worm = 0;
  tile.WormTime = 0;
  tile.FallOffset = 0;
  FWormFairy[index] = 0;
}

void TGameBoard::CellCleared(TPoint tilePos) { GroupedCleared(TSimpleObjectArray::Single(tilePos)); }

// ---------------------------------------------------------------------------
// Lockers and webs

void TGameBoard::OpenLocker(TPoint p) {
  if (!IsLocker(p)) return;
  if (CanOpenLocker(p)) {
    State(p) = tsOpening;
    if (OnOpeningLockersEffectRequest) OnOpeningLockersEffectRequest(FBoard, TSimpleObjectArray::Single(p));
    if (OnNoMatchTimerReset) OnNoMatchTimerReset();
  }
  DisarmSelection();
}

bool TGameBoard::IsLocker(TPoint p) const { return IsOnBoard(p) && FBoard.At(p).ObjectKind == okLocker; }

bool TGameBoard::CanOpenLocker(TPoint p) const { return IsLocker(p) && TileState(p) == tsIdle; }

bool TGameBoard::IsBlankTile(TPoint p) const {
  if (!IsOnBoard(p)) return true;
  const TBoardTile& tile = FBoard.At(p);
  return tile.ObjectKind == okUnused && tile.TileBack == 0;
}

void TGameBoard::PlaceWeb(TPoint p) {
  if (!IsOnBoard(p)) return;
  TBoardTile& tile = FBoard.At(p);
  if (!tile.IsLockerOrPiece() || tile.IsSpecial() || tile.IsPotion() || tile.IsFlower()) return;
  tile.Web = 1;
  if (FSelectionArmed && FFirstTile == p) DisarmSelection();
}

void TGameBoard::RemoveWeb(TPoint p) {
  if (!HasWeb(p)) return;
  FBoard.At(p).Web = 0;
  if (OnWebEffectRequest) OnWebEffectRequest(p);
}

bool TGameBoard::HasWeb(TPoint p) const { return IsOnBoard(p) && FBoard.At(p).Web != 0; }

int TGameBoard::CountWebs() const {
  return static_cast<int>(
      std::count_if(std::begin(FBoard.Tiles), std::end(FBoard.Tiles), [](const TBoardTile& t) { return t.Web != 0; }));
}

bool TGameBoard::IsBroomable(TPoint p) const {
  if (!IsOnBoard(p)) return false;
  const TBoardTile& tile = FBoard.At(p);
  return tile.IsLockerOrPiece() && tile.Web != 0 && tile.ChainLock == 0;
}

// ---------------------------------------------------------------------------
// New elements

}  // namespace qm
