// Falling and refill: emptied cells fall, columns bounce, new pieces come in
// at the top and the spawn rules turn some of them into specials.
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

std::uint8_t TGameBoard::RandomElement() {
  bool common = false;
  bool rare = false;
  for (int code = ecFirstFruit; code <= ecLastFruit; ++code) common = common || FAllowedElements.test(code);
  for (int code = ecFirstFlower; code <= ecLastFlower; ++code) rare = rare || FAllowedElements.test(code);
  bool useRare;
  if (common && rare)
    useRare = Random(37) >= 34;
  else if (common || rare)
    useRare = rare;
  else
    return ecFirstFruit;
  for (int attempt = 0; attempt < 100; ++attempt) {
    int code = useRare ? Random(4) + ecFirstFlower : Random(12) + ecFirstFruit;
    if (FAllowedElements.test(code)) return static_cast<std::uint8_t>(code);
  }
  // A narrow allowed set can miss a hundred draws; a piece outside it would
  // break the level, so the first allowed code of the group stands in.
  int first = useRare ? ecFirstFlower : ecFirstFruit, last = useRare ? ecLastFlower : ecLastFruit;
  for (int code = first; code <= last; ++code)
    if (FAllowedElements.test(code)) return static_cast<std::uint8_t>(code);
  return ecFirstFruit;
}

// ---------------------------------------------------------------------------
// Per frame

namespace {

// A cell busy with an effect: its tile is still being shown by the effect,
// so nothing may fall into it or past it until the effect hands it back.
bool IsBusy(TTileState state) {
  return state == tsSwapping || state == tsOpening || state == tsGrouped || state == tsHammered;
}

}  // namespace

void TGameBoard::MarkFalling() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (FBoard.At(x, y).ObjectKind != okTempBlank) continue;
      for (int up = y; up >= 1; --up) {
        TTileState& state = FStates[CellIndex(x, up)];
        if (state == tsIdle) {
          state = tsFalling;
          FBoard.At(x, up).FallOffset = 0;
        } else if (state == tsVoid || state == tsChained || IsBusy(state)) {
          break;
        }
      }
    }
}

bool TGameBoard::BelowHasHole(int x, int y) const {
  for (int below = y + 1; below <= BoardRows; ++below) {
    const TBoardTile& tile = FBoard.At(x, below);
    if (tile.ObjectKind == okTempBlank) return true;
    if (tile.ObjectKind == okUnused || tile.ChainLock != 0 || IsBusy(FStates[CellIndex(x, below)])) return false;
  }
  return false;
}

bool TGameBoard::IsSpawnCell(int x, int y) const {
  if (y == 1) return true;
  const TBoardTile& above = FBoard.At(x, y - 1);
  return above.ObjectKind == okUnused || (above.IsLockerOrPiece() && above.ChainLock != 0);
}

void TGameBoard::FallStep() {
  const bool wasSettled = IsSettled();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = BoardRows; y >= 1; --y) {
      if (FStates[CellIndex(x, y)] != tsFalling) continue;
      TBoardTile& tile = FBoard.At(x, y);
      tile.FallOffset += DroppingStep;
      if (tile.FallOffset < TileSize) continue;
      tile.FallOffset = 0;
      if (tile.IsLockerOrPiece() && y < BoardRows) {
        TBoardTile& below = FBoard.At(x, y + 1);
        // The background look belongs to the cell, not to the piece.
        const std::uint8_t back = below.TileBack;
        below = tile;
        below.TileBack = back;
        FWormFairy[CellIndex(x, y + 1)] = FWormFairy[CellIndex(x, y)];
        if (!BelowHasHole(x, y + 1)) {
          FStates[CellIndex(x, y + 1)] = tsIdle;
          FBounce[x - 1] = 0;
        }
      }
      VacateCell(CellIndex(x, y));
      if (IsSpawnCell(x, y)) {
        NewPiece({x, y});
        FStates[CellIndex(x, y)] = BelowHasHole(x, y) ? tsFalling : tsIdle;
      }
    }
  if (!wasSettled && IsSettled()) {
    MatchLockers();
    FRegroupClock = 0;
    FRegroupOn = true;
  }
}

void TGameBoard::AdvanceRegroup() {
  if (!FRegroupOn) return;
  FRegroupClock += FrameMs;
  if (FRegroupClock < kRegroupDelayMs) return;
  FRegroupOn = false;
  MatchElements();
}

void TGameBoard::AdvanceBounces() {
  for (int& frame : FBounce)
    if (frame >= 0 && ++frame >= kBounceFrames) frame = -1;
}

int TGameBoard::ColumnBounce(int x) const {
  if (x < 1 || x > BoardColumns) return 0;
  const int frame = FBounce[x - 1];
  return frame >= 0 ? kBounceOffsets[frame] : 0;
}

int TGameBoard::CountElement(std::uint8_t element) const {
  return static_cast<int>(std::count_if(std::begin(FBoard.Tiles), std::end(FBoard.Tiles), [&](const TBoardTile& t) {
    return t.IsLockerOrPiece() && t.Element == element;
  }));
}

void TGameBoard::NewPiece(TPoint p) {
  if (!IsOnBoard(p)) return;
  ++FPiecesSinceUniFruit;
  ++FPiecesSinceFruitBomb;
  TBoardTile& tile = FBoard.At(p);
  tile.ObjectKind = okFruit;
  tile.LockerColor = static_cast<std::uint8_t>(Random(3) + 1);
  tile.Element = RandomElement();
  tile.Web = 0;
  tile.FruitBomb = 0;
  ApplySpawnRules(p);
}

void TGameBoard::ApplySpawnRules(TPoint p) {
  TBoardTile& tile = FBoard.At(p);
  if (OneUniFruitEveryInterval > 0 && FPiecesSinceUniFruit >= OneUniFruitEveryInterval &&
      CountElement(ecUniFruit) < MaxUniFruitOnBoard) {
    FPiecesSinceUniFruit = 0;
    tile.Element = ecUniFruit;
    if (OnFruitBubbleAdded) OnFruitBubbleAdded();
  }
  if (!tile.IsSpecial() && OneMultiBubbleEveryProb > 0 && Random(OneMultiBubbleEveryProb) == 0 &&
      CountElement(ecMultiBubble) < MaxMultiBubbleOnBoard) {
    tile.Element = ecMultiBubble;
    tile.BlastElement = RandomElement();
    if (OnFruitBlasterAdded) OnFruitBlasterAdded();
  }
  if (!tile.IsSpecial() && OneHammerEveryProb > 0 && Random(OneHammerEveryProb) == 0 &&
      CountElement(ecHammer) < MaxHammersOnBoard) {
    tile.Element = ecHammer;
    if (OnHammerAdded) OnHammerAdded();
  }
  if (!tile.IsSpecial() && OneFruitBombEveryInterval > 0 && FPiecesSinceFruitBomb >= OneFruitBombEveryInterval) {
    const int bombs = static_cast<int>(std::count_if(std::begin(FBoard.Tiles), std::end(FBoard.Tiles),
                                                     [](const TBoardTile& t) {
                                                       return t.ObjectKind == okFruit && t.FruitBomb != 0;
                                                     }));
    if (bombs < MaxFruitBombsOnBoard) {
      FPiecesSinceFruitBomb = 0;
      tile.FruitBomb = 1;
      if (OnFruitBombAdded) OnFruitBombAdded();
    }
  }
  struct TItemRule {
    int Prob;
    std::uint8_t Code;
    TToolKind Lowest;
    const std::function<void(int&)>* Question;
  };
  const TItemRule items[] = {
      {OneMagicKeyEveryProb, ecMagicKeyItem, toMagicKey, &OnAcquiredMagicKeysQuestion},
      {OneBroomEveryProb, ecBroomItem, toBroom, &OnAcquiredBroomsQuestion},
      {OneAerosolEveryProb, ecAerosolItem, toAerosol, &OnAcquiredAerosolsQuestion},
  };
  for (const TItemRule& item : items) {
    if (tile.IsSpecial() || item.Prob <= 0 || Random(item.Prob) != 0) continue;
    const int onBoard = CountElement(item.Code);
    if (onBoard != 0 || MaxToolKind < item.Lowest) continue;
    int acquired = 0;
    if (*item.Question) (*item.Question)(acquired);
    if (onBoard + acquired < 9) tile.Element = item.Code;
  }
}

// ---------------------------------------------------------------------------
// Hints and no more moves

}  // namespace qm
