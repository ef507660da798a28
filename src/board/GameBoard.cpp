#include "board/GameBoard.h"

#include <algorithm>
#include <cstdlib>

#include "board/BoardImages.h"
#include "engine/EffectsMode.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"
#include "engine/StepHelpers.h"

namespace qm {

namespace {

constexpr int kUniRevealFrames = 20;
constexpr int kRegroupDelayMs = 300;
constexpr int kHintWiggleMax = 8;
// A landing column dips and rebounds, a little less each time.
constexpr int kBounceOffsets[] = {2, -2, 1, -1, 1, 0};
constexpr int kBounceFrames = static_cast<int>(sizeof(kBounceOffsets) / sizeof(kBounceOffsets[0]));
// Draws the regeneration may spend looking for a cell, and whole attempts
// at a board without a line.
constexpr int kCellDraws = 10000;
constexpr int kGenerateAttempts = 8;

TPoint CellPoint(int index) { return {index / BoardRows + 1, index % BoardRows + 1}; }

// Only lockers of the three colours and plain pieces (fruit and flowers)
// can be part of a line. Potions and specials never are: three potions side
// by side would otherwise make every swap "match" without anything to clear.
bool CanLine(const TBoardTile& tile) {
  if (tile.ObjectKind == okLocker) return tile.LockerColor >= 1 && tile.LockerColor <= 3;
  return tile.ObjectKind == okFruit && tile.Element >= ecFirstFruit && tile.Element <= ecLastFlower && tile.Worm != 2;
}

// Codes no rule knows would otherwise index past tables or never settle:
// they are brought into range or the cell is taken off the board.
void CleanTile(TBoardTile& tile) {
  if (tile.ObjectKind > okUnused) tile.ObjectKind = okUnused;
  if (tile.ObjectKind == okLocker) tile.LockerColor = std::clamp<std::uint8_t>(tile.LockerColor, 1, 3);
  tile.ChainLock = std::min<std::uint8_t>(tile.ChainLock, 2);
  tile.Web = tile.Web != 0 ? 1 : 0;
  // Chains and webs hold lockers and pieces only; on any other cell they
  // would travel into the next piece that fills it.
  if (tile.ObjectKind != okLocker && tile.ObjectKind != okFruit) tile.ChainLock = tile.Web = 0;
  tile.FruitBomb = tile.FruitBomb != 0 ? 1 : 0;
  if (tile.Worm > 2) tile.Worm = 0;
  if (tile.FallOffset < 0 || tile.FallOffset >= TileSize) tile.FallOffset = 0;
}

// A random tile. The column is drawn first: the order of the two draws
// decides the cell, so it must not be left to the compiler.
TPoint RandomCell() {
  const int column = Random(BoardColumns) + 1;
  const int row = Random(BoardRows) + 1;
  return {column, row};
}

bool TakesPart(TTileState state) { return state == tsIdle || state == tsChained; }

// One sweep with a key per cell (kind and colour) finds the same runs as
// asking every kind and colour in turn: a run needs equal keys, and keys
// differ across kinds and colours. `found` hears the key of every run of
// three; the sweep stops as soon as it answers true.
template <class Found>
bool ForEachRunKey(const TBoardData& data, const std::array<TTileState, BoardCells>& states, Found found) {
  int keys[BoardCells];
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = data.Tiles[i];
    keys[i] = CanLine(tile) && TakesPart(states[i]) ? tile.ObjectKind * 256 + tile.Color() : -1;
  }
  for (int y = 1; y <= BoardRows; ++y)
    for (int x = 1; x <= BoardColumns - 2; ++x) {
      const int k = keys[CellIndex(x, y)];
      if (k >= 0 && k == keys[CellIndex(x + 1, y)] && k == keys[CellIndex(x + 2, y)] && found(k)) return true;
    }
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows - 2; ++y) {
      const int k = keys[CellIndex(x, y)];
      if (k >= 0 && k == keys[CellIndex(x, y + 1)] && k == keys[CellIndex(x, y + 2)] && found(k)) return true;
    }
  return false;
}

}  // namespace

TGameBoard::TGameBoard() {
  Randomize();
  for (TBoardTile& tile : FBoard.Tiles) {
    tile = TBoardTile{};
    tile.ObjectKind = okFruit;
    tile.LockerColor = static_cast<std::uint8_t>(Random(3) + 1);
    tile.Element = RandomElement();
    tile.BlastElement = 1;
  }
  FStates.fill(tsIdle);
  FUniReveal.fill(-1);
  FBounce.fill(-1);
}

void TGameBoard::ResetRound() {
  CanMatch = true;
  Frozen = false;
  FDragging = false;
  DisarmSelection();
  FUniRevealFlag = false;
  FStates.fill(tsIdle);
  DrawFoundFlowerThreshold();
  FWormFairy.fill(0);
  FUniReveal.fill(-1);
  FBounce.fill(-1);
  HideHint();
  FRegroupOn = false;
  FRegroupClock = 0;
  FPiecesSinceUniFruit = 0;
  FPiecesSinceFruitBomb = 0;
  ResetNoMoreMoves();
}

void TGameBoard::RandomizeElements() {
  Randomize();
  // A level's lockers stay locked with a new piece inside: the board built
  // from this one keeps as many free pieces, so a locker freed here could
  // never appear in the round.
  for (TBoardTile& tile : FBoard.Tiles) {
    tile.Element = RandomElement();
    tile.BlastElement = 1;
  }
  ResetNoMoreMoves();
  DrawFoundFlowerThreshold();
}

void TGameBoard::LoadBoardData(const TBoardData& data) {
  FBoard = data;
  for (TBoardTile& tile : FBoard.Tiles) CleanTile(tile);
  RebuildStates();
  // A reveal belongs to a piece of the board that was replaced.
  FUniReveal.fill(-1);
  DisarmSelection();
  FDragging = false;
}

void TGameBoard::RebuildStates() {
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = FBoard.Tiles[i];
    if (tile.ObjectKind == okUnused)
      FStates[i] = tsVoid;
    else if (tile.IsLockerOrPiece() && tile.ChainLock != 0)
      FStates[i] = tsChained;
    else
      FStates[i] = tsIdle;
  }
}

void TGameBoard::BoardExtent(TPoint& extent) const {
  int a = BoardColumns;
  int b = BoardRows;
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = FBoard.Tiles[i];
    if (tile.ObjectKind != okUnused || tile.TileBack != 0) {
      const TPoint p = CellPoint(i);
      a = std::min(a, p.X);
      b = std::min(b, p.Y);
    }
  }
  extent = {Left + TileSize * a - 62, Top + TileSize * b - 63};
}

void TGameBoard::SetPotion(TPoint tilePos, std::uint8_t code) {
  if (!IsOnBoard(tilePos) || (code != ecPotion1 && code != ecPotion2)) return;
  FBoard.At(tilePos).Element = code;
}

TPoint TGameBoard::TileAtPixel(int x, int y) const {
  return {std::max(0, (x - Left + TileSize) / TileSize), std::max(0, (y - Top + TileSize) / TileSize)};
}

bool TGameBoard::IsSettled() const {
  return std::none_of(FStates.begin(), FStates.end(), [](TTileState s) { return s == tsFalling; });
}

bool TGameBoard::IsQuiet() const {
  return std::all_of(FStates.begin(), FStates.end(),
                     [](TTileState s) { return s == tsIdle || s == tsVoid || s == tsChained; });
}

// ---------------------------------------------------------------------------
// Input and selection

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
      if (OnUniBubbleEffectRequest) OnUniBubbleEffectRequest(p);
      tile.Element = FUniFruitShownElement;
      FUniReveal[CellIndex(p.X, p.Y)] = 0;
      break;
    case ecHammer:
      State(p) = tsHammered;
      if (OnHammerEffectRequest) OnHammerEffectRequest(p);
      break;
    case ecMultiBubble:
      tile.Element = static_cast<std::uint8_t>(std::clamp(tile.BlastElement, 0, 255));
      if (OnMultiBubbleClicked) OnMultiBubbleClicked(p, TPoint{}, tile.Element);
      break;
    default:
      break;
  }
  DisarmSelection();
}

// ---------------------------------------------------------------------------
// The line rule

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
  if (TakesPart(State(p))) {
    State(p) = tsOpening;
    if (OnOpeningLockersEffectRequest) OnOpeningLockersEffectRequest(FBoard, TSimpleObjectArray::Single(p));
    if (OnNoMatchTimerReset) OnNoMatchTimerReset();
  }
  DisarmSelection();
}

bool TGameBoard::IsLocker(TPoint p) const { return IsOnBoard(p) && FBoard.At(p).ObjectKind == okLocker; }

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

void TGameBoard::AdvanceUniFruitCycle() {
  FUniFruitClock += FrameMs;
  if (FUniFruitClock < UniFruitInterval) return;
  FUniFruitClock = 0;
  for (int step = 1; step <= ecLastFlower; ++step) {
    const int code = (FUniFruitShownElement - 1 + step) % ecLastFlower + 1;
    if (FAllowedElements.test(code)) {
      FUniFruitShownElement = static_cast<std::uint8_t>(code);
      return;
    }
  }
}

void TGameBoard::AdvanceUniReveals() {
  for (int i = 0; i < BoardCells; ++i) {
    if (FUniReveal[i] < 0) continue;
    if (++FUniReveal[i] < kUniRevealFrames) continue;
    FUniReveal[i] = -1;
    UniRevealDone();
  }
}

bool TGameBoard::UniRevealPending() const {
  return std::any_of(FUniReveal.begin(), FUniReveal.end(), [](int frame) { return frame >= 0; });
}

void TGameBoard::UniRevealDone() {
  FUniRevealFlag = true;
  MatchElements();
}

void TGameBoard::Tick() {
  if (!CanDraw || !Visible) return;
  AdvanceUniFruitCycle();
  AdvanceBounces();
  if (!Frozen) AdvanceHintClock();
  AdvanceNoMoreMovesClock();
  MarkFalling();
  if (!Frozen) FallStep();
  Draw();
  AdvanceUniReveals();
  if (!Frozen) AdvanceRegroup();
}

void TGameBoard::DrawPiece(const TBoardTile& tile, float x, float y, float scale) {
  TImageDraw how;
  how.Scale = scale;
  if (tile.Element == ecUniFruit)
    BoardDrawEx(OmgImgList, "BubbleInside", x, y, FUniFruitShownElement - 1, how);
  else
    BoardDrawEx(OmgImgList, "Elements", x, y, tile.Element - 1, how);
}

void TGameBoard::Draw() {
  if (!ReducedEffectsMode)
    for (int i = 0; i < BoardCells; ++i) {
      const TBoardTile& tile = FBoard.Tiles[i];
      if (tile.ObjectKind == okUnused && tile.TileBack == 0) continue;
      const TPoint at = TilePixel(CellPoint(i));
      BoardDraw(OmgImgList, "BackgroundTile", static_cast<float>(at.X - 2), static_cast<float>(at.Y - 2),
                tile.TileBack != 0 ? 1 : 0);
    }
  if (OnTimeToDrawBoardBorder) OnTimeToDrawBoardBorder();
  if (OnTimeToDrawLockerFrames) OnTimeToDrawLockerFrames();

  FPotionPulse = (FPotionPulse + 8) % 512;
  for (int x = BoardColumns; x >= 1; --x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TPoint p{x, y};
      const TBoardTile& tile = FBoard.At(p);
      const TTileState state = FStates[CellIndex(x, y)];
      // Swapping, grouped and opening tiles are drawn by their effects.
      if (!tile.IsLockerOrPiece() || state == tsSwapping || state == tsGrouped || state == tsOpening) continue;
      TPoint at = TilePixel(p);
      if (state == tsFalling)
        at.Y += tile.FallOffset;
      else
        at.Y += ColumnBounce(x);
      if (p == FHover && tile.Web == 0 && tile.ChainLock == 0) at.Y -= 2;
      if (tile.ObjectKind == okLocker) {
        DrawTileCopy(OmgImgList, tile, static_cast<float>(at.X), static_cast<float>(at.Y), TImageDraw{},
                     FUniFruitShownElement);
        continue;
      }
      DrawPiece(tile, static_cast<float>(at.X), static_cast<float>(at.Y), 1.0f);
      if (tile.IsPotion()) {
        TImageDraw glow;
        glow.Alpha = FPotionPulse < 256 ? FPotionPulse : 511 - FPotionPulse;
        glow.BlendMode = 2;
        BoardDrawEx(OmgImgList, "Elements", static_cast<float>(at.X), static_cast<float>(at.Y), tile.Element - 1,
                    glow);
      }
    }
  for (int i = 0; i < BoardCells; ++i) {
    if (FUniReveal[i] < 0) continue;
    const TTileState state = FStates[i];
    if (state == tsSwapping || state == tsHammered) continue;
    const TPoint at = TilePixel(CellPoint(i));
    TImageDraw how;
    how.Scale = 1.0f + 0.01f * static_cast<float>(kUniRevealFrames - FUniReveal[i]);
    BoardDrawEx(OmgImgList, "Elements", static_cast<float>(at.X), static_cast<float>(at.Y),
                FBoard.Tiles[i].Element - 1, how);
  }
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = FBoard.Tiles[i];
    if (tile.ChainLock == 0 || !tile.IsLockerOrPiece()) continue;
    const TPoint at = TilePixel(CellPoint(i));
    BoardDraw(OmgImgList, "ChainLock", static_cast<float>(at.X), static_cast<float>(at.Y), 0);
    if (tile.ChainLock >= 2) BoardDraw(OmgImgList, "ChainLock", static_cast<float>(at.X), static_cast<float>(at.Y), 5);
  }
  for (int i = 0; i < BoardCells; ++i) {
    if (FBoard.Tiles[i].Web == 0) continue;
    const TPoint at = TilePixel(CellPoint(i));
    BoardDraw(OmgImgList, "Web", static_cast<float>(at.X), static_cast<float>(at.Y), 0);
  }
  FSelectionAlpha += FSelectionAlphaStep;
  if (FSelectionAlpha <= 150 || FSelectionAlpha >= 255) {
    FSelectionAlpha = std::clamp(FSelectionAlpha, 150, 255);
    FSelectionAlphaStep = -FSelectionAlphaStep;
  }
  if (FSelectionArmed && IsOnBoard(FFirstTile)) {
    const TPoint at = TilePixel(FFirstTile);
    TImageDraw how;
    how.Alpha = FSelectionAlpha;
    BoardDrawEx(OmgImgList, "TileSelection", static_cast<float>(at.X), static_cast<float>(at.Y), FSelectionLook, how);
  }
}

// ---------------------------------------------------------------------------
// Falling and refill

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

bool TGameBoard::HintLegal(TPoint a, TPoint b) const {
  if (!IsOnBoard(a) || !IsOnBoard(b)) return false;
  const TBoardTile& ta = FBoard.At(a);
  const TBoardTile& tb = FBoard.At(b);
  if (!ta.IsLockerOrPiece() || ta.ObjectKind != tb.ObjectKind) return false;
  for (const TBoardTile* tile : {&ta, &tb}) {
    if (tile->Web != 0 || tile->ChainLock != 0) return false;
    const std::uint8_t e = tile->Element;
    if (tile->ObjectKind == okFruit && (e == ecUniFruit || e == ecHammer || e == ecFoundFlower || e == ecMultiBubble))
      return false;
  }
  return true;
}

bool TGameBoard::SwapMakesLineOnCopy(TPoint a, TPoint b) const {
  TBoardData swapped = FBoard;
  std::swap(swapped.At(a), swapped.At(b));
  const TBoardTile& moved = swapped.At(b);
  return FindLines(swapped, static_cast<TTileObjectKind>(moved.ObjectKind), moved.Color()).Any();
}

void TGameBoard::NoteLiveLines(std::array<bool, 512>& lined) const {
  lined.fill(false);
  ForEachRunKey(FBoard, FStates, [&](int key) {
    lined[key] = true;
    return false;
  });
}

// The line rule asked about a board with a and b exchanged. Only the two
// changed cells can start a new run, so a colour that has no run on the
// live board can only gain one through a or b; a colour that already has
// one is checked on a full copy.
bool TGameBoard::SwapMakesLineNear(TPoint a, TPoint b, const std::array<bool, 512>& lined) const {
  const TBoardTile& ta = FBoard.At(a);
  const TBoardTile& tb = FBoard.At(b);
  const int kind = ta.ObjectKind;
  const int color = ta.Color();
  if (lined[kind * 256 + color]) return SwapMakesLineOnCopy(a, b);
  auto fits = [&](int x, int y) {
    if (x < 1 || x > BoardColumns || y < 1 || y > BoardRows) return false;
    const TPoint p{x, y};
    const TBoardTile& tile = p == a ? tb : p == b ? ta : FBoard.At(p);
    return tile.ObjectKind == kind && tile.Color() == color && CanLine(tile) && TakesPart(FStates[CellIndex(x, y)]);
  };
  for (TPoint q : {a, b}) {
    if (!fits(q.X, q.Y)) continue;
    int run = 1;
    for (int x = q.X - 1; fits(x, q.Y); --x) ++run;
    for (int x = q.X + 1; fits(x, q.Y); ++x) ++run;
    if (run >= 3) return true;
    run = 1;
    for (int y = q.Y - 1; fits(q.X, y); --y) ++run;
    for (int y = q.Y + 1; fits(q.X, y); ++y) ++run;
    if (run >= 3) return true;
  }
  return false;
}

bool TGameBoard::IsHintMove(TPoint a, TPoint b) const {
  if (!HintLegal(a, b) || std::abs(a.X - b.X) + std::abs(a.Y - b.Y) != 1) return false;
  std::array<bool, 512> lined;
  NoteLiveLines(lined);
  return SwapMakesLineNear(a, b, lined);
}

template <class Test>
bool TGameBoard::SearchMove(TPoint& a, TPoint& b, Test test) {
  const TPoint start = RandomCell();
  TPoint p = start;
  do {
    if (++p.X > BoardColumns) {
      p.X = 1;
      if (++p.Y > BoardRows) p.Y = 1;
    }
    if (!FBoard.At(p).IsLockerOrPiece()) continue;
    for (TPoint n : {TPoint{p.X - 1, p.Y}, TPoint{p.X + 1, p.Y}, TPoint{p.X, p.Y - 1}, TPoint{p.X, p.Y + 1}})
      if (HintLegal(p, n) && test(p, n)) {
        a = p;
        b = n;
        return true;
      }
  } while (!(p == start));
  return false;
}

bool TGameBoard::FindMove(TPoint& a, TPoint& b) {
  std::array<bool, 512> lined;
  NoteLiveLines(lined);
  return SearchMove(a, b, [&](TPoint p, TPoint n) { return SwapMakesLineNear(p, n, lined); });
}

void TGameBoard::HideHint() { FHintVisible = false; }

void TGameBoard::ShowHint(TPoint a, TPoint b) {
  if (!IsOnBoard(a) || !IsOnBoard(b)) return;
  FHintA = a;
  FHintB = b;
  FHintMarks.fill(0);
  FHintMarks[CellIndex(a.X, a.Y)] = 1;
  FHintMarks[CellIndex(b.X, b.Y)] = 1;
  FHintKind = FBoard.At(a).ObjectKind;
  FHintWiggle = 0;
  FHintWiggleStep = 1;
  FHintShowingClock = 0;
  FHintVisible = true;
  FHintClock = 0;
}

void TGameBoard::ShowFoundMove() {
  TPoint a;
  TPoint b;
  if (FindMove(a, b)) {
    const int clock = FHintClock;
    ShowHint(a, b);
    FHintClock = clock;
  } else {
    FHintA = FHintB = TPoint{};
    HideHint();
  }
}

void TGameBoard::CancelHint() {
  HideHint();
  FHintClock = 0;
}

void TGameBoard::AdvanceHintClock() {
  FHintClock += FrameMs;
  if (FHintClock < HintInterval) return;
  FHintClock = 0;
  ShowFoundMove();
}

void TGameBoard::AdvanceNoMoreMovesClock() {
  if (!CanMatch || Frozen || !IsQuiet()) return;
  if (TimerReached(FNoMoreMovesClock, NoMoreMovesInterval) && !FHintVisible) CheckNoMoreMoves();
}

bool TGameBoard::HasAnyMove() {
  ShowFoundMove();
  HideHint();
  if (IsOnBoard(FHintA)) return true;
  return std::any_of(std::begin(FBoard.Tiles), std::end(FBoard.Tiles), [](const TBoardTile& t) {
    return t.ObjectKind == okFruit && (t.Element == ecHammer || t.Element == ecMultiBubble);
  });
}

void TGameBoard::CheckNoMoreMoves() {
  FNoMoreMovesClock = 0;
  // Falling, opening or trembling pieces take no part in lines, and the
  // element pass after a landing may still clear some: only a board at
  // rest can be judged.
  if (!IsQuiet() || FRegroupOn) return;
  if (FNoMoreMovesReported || !CanMatch || HasAnyMove()) return;
  FNoMoreMovesReported = true;
  if (OnNoMoreMoves) OnNoMoreMoves();
}

void TGameBoard::ResetNoMoreMoves() {
  FHintClock = 0;
  FNoMoreMovesClock = 0;
  FNoMoreMovesReported = false;
}

void TGameBoard::DrawHint() {
  if (!CanDraw || !Visible || !FHintVisible) return;
  FHintWiggle += FHintWiggleStep;
  if (FHintWiggle >= kHintWiggleMax || FHintWiggle <= 0) FHintWiggleStep = -FHintWiggleStep;
  const bool rowPair = FHintA.Y == FHintB.Y;
  const int base = FHintKind == okLocker ? -6 : -1;
  for (TPoint p : {FHintA, FHintB}) {
    if (!HintMarked(p)) continue;
    // The left or upper tile of the pair moves left or up, the other one
    // the opposite way.
    const TPoint other = p == FHintA ? FHintB : FHintA;
    const int away = (rowPair ? p.X < other.X : p.Y < other.Y) ? -FHintWiggle : FHintWiggle;
    const TPoint corner = TilePixel(p);
    const float x = static_cast<float>(corner.X + base + (rowPair ? away : 0));
    const float y = static_cast<float>(corner.Y + base + (rowPair ? 0 : away));
    const TBoardTile& tile = FBoard.At(p);
    const bool locker = tile.ObjectKind == okLocker;
    const bool bubble = !locker && tile.Element == ecUniFruit;
    const char* image = locker ? LockerImage : bubble ? "BubbleInside" : "Elements";
    const int pattern = locker ? tile.LockerColor - 1 : bubble ? FUniFruitShownElement - 1 : tile.Element - 1;
    DrawLiftedPiece(OmgImgList, image, x, y, pattern);
  }
  FHintShowingClock += FrameMs;
  if (FHintShowingClock >= ShowingHintTime) {
    FHintMarks.fill(0);
    HideHint();
  }
}

// ---------------------------------------------------------------------------
// Regeneration

void TGameBoard::GenerateShuffledBoard(TBoardData& newBoard) {
  // The first attempt reseeds as the game always has; later ones go on
  // drawing, so each tries a different arrangement. When every attempt
  // leaves a line (a board too cramped for its colours), the last one is
  // kept: the shell's passes after loading clear that line like any other.
  for (int attempt = 0; attempt < kGenerateAttempts; ++attempt)
    if (GenerateOnce(newBoard, attempt == 0)) return;
}

bool TGameBoard::GenerateOnce(TBoardData& board, bool reseed) {
  int pieces = 0;
  int hammers = 0;
  int uniFruits = 0;
  int multiBubbles = 0;
  int fruitBombs = 0;
  std::array<std::uint8_t, BoardCells> potion{};
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = FBoard.Tiles[i];
    if (tile.IsPotion()) potion[i] = tile.Element;
    if (!tile.IsLockerOrPiece()) continue;
    if (tile.ObjectKind == okFruit) ++pieces;
    hammers += tile.Element == ecHammer;
    uniFruits += tile.Element == ecUniFruit;
    multiBubbles += tile.Element == ecMultiBubble;
    fruitBombs += tile.FruitBomb != 0;
  }

  board = FBoard;
  for (TBoardTile& tile : board.Tiles) {
    if (!tile.IsLockerOrPiece()) continue;
    tile.ObjectKind = okLocker;
    tile.LockerColor = static_cast<std::uint8_t>(Random(3) + 1);
    tile.Element = RandomElement();
    tile.Web = 0;
    tile.FruitBomb = 0;
    tile.Worm = 0;
    tile.WormTime = 0;
    tile.FallOffset = 0;
  }

  // Free as many pieces as there were. Every playable cell is a locker
  // now, so there are enough; the walk only serves a draw that keeps
  // missing the last few.
  if (reseed) Randomize();
  for (int piece = 0; piece < pieces; ++piece) {
    TBoardTile* chosen = nullptr;
    for (int draw = 0; draw < kCellDraws && chosen == nullptr; ++draw) {
      TBoardTile& tile = board.At(RandomCell());
      if (tile.ObjectKind == okLocker) chosen = &tile;
    }
    for (int i = 0; i < BoardCells && chosen == nullptr; ++i)
      if (board.Tiles[i].ObjectKind == okLocker) chosen = &board.Tiles[i];
    if (chosen == nullptr) break;
    chosen->ObjectKind = okFruit;
    chosen->Element = RandomElement();
  }

  // Break every run at the cell where it starts, then give each broken
  // cell the first colour that makes no line.
  for (int i = 0; i < BoardCells; ++i) {
    TBoardTile& tile = board.Tiles[i];
    if (!tile.IsLockerOrPiece()) continue;
    if (FindLines(board, static_cast<TTileObjectKind>(tile.ObjectKind), tile.Color()).Cells[i] == 0) continue;
    (tile.ObjectKind == okLocker ? tile.LockerColor : tile.Element) = ecRepick;
  }
  for (int pass = 0; pass < 2; ++pass)
    for (TBoardTile& tile : board.Tiles) {
      if (tile.ObjectKind == okFruit && tile.Element == ecRepick) {
        for (int code = ecFirstFruit; code <= ecPotion2; ++code) {
          if (!FAllowedElements.test(code)) continue;
          tile.Element = static_cast<std::uint8_t>(code);
          if (!AnyLine(board)) break;
        }
        // No allowed code at all: a piece still needs a picture.
        if (tile.Element == ecRepick) tile.Element = RandomElement();
      } else if (tile.ObjectKind == okLocker && tile.LockerColor == ecRepick) {
        bool placed = false;
        for (int color = 1; color <= 3 && !placed; ++color) {
          tile.LockerColor = static_cast<std::uint8_t>(color);
          placed = !AnyLine(board);
        }
        if (!placed) {
          tile.ObjectKind = okFruit;
          tile.Element = ecRepick;
        }
      }
    }

  // Specials go back onto plain free pieces, so none is lost under another
  // and the number of free pieces stays what it was. Only when too few
  // plain pieces are left do they take lockers.
  if (reseed) Randomize();
  int* const remaining[] = {&hammers, &uniFruits, &multiBubbles, &fruitBombs};
  auto placeOn = [&](int index, bool lockersToo) {
    TBoardTile& tile = board.Tiles[index];
    const bool plain = tile.ObjectKind == okFruit || (lockersToo && tile.ObjectKind == okLocker);
    if (!plain || potion[index] != 0 || tile.IsSpecial()) return;
    const std::uint8_t codes[] = {ecHammer, ecUniFruit, ecMultiBubble};
    for (int kind = 0; kind < 4; ++kind) {
      if (*remaining[kind] == 0) continue;
      --*remaining[kind];
      tile.ObjectKind = okFruit;
      if (kind < 3)
        tile.Element = codes[kind];
      else
        tile.FruitBomb = 1;
      return;
    }
  };
  auto anyRemaining = [&] { return hammers + uniFruits + multiBubbles + fruitBombs > 0; };
  for (int draw = 0; draw < kCellDraws && anyRemaining(); ++draw) {
    const TPoint cell = RandomCell();
    placeOn(CellIndex(cell.X, cell.Y), false);
  }
  for (int i = 0; i < BoardCells && anyRemaining(); ++i) placeOn(i, false);
  for (int i = 0; i < BoardCells && anyRemaining(); ++i) placeOn(i, true);

  const bool lineFree = !AnyLine(board);
  for (int i = 0; i < BoardCells; ++i)
    if (potion[i] != 0) board.Tiles[i].Element = potion[i];
  return lineFree;
}

}  // namespace qm
