// Area clears and what sets them off: the blaster wave, the hammer's cross,
// fruit bombs and the big bomb, lightning, worms and their fairies, the tool
// highlight, the shakes, and the queries the tools, spiders and tutorials ask.
#include "board/GameBoard.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "board/GameBoardRules.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"

namespace qm {

using namespace board_rules;

namespace {

constexpr int kBlastStep = 7;        // the pass runs when the step first exceeds it
constexpr int kLastWaveStep = 28;
constexpr int kRingShake = 7;
constexpr int kShakeIntervalMs = 60;
// Shake rings: the centre and its eight neighbours, then three rings further
// out; every other tile gets the last value.
constexpr int kExplosionShake[4] = {7, 6, 5, 3};
constexpr int kExplosionShakeElsewhere = 2;
constexpr int kHammerShake[4] = {3, 2, 2, 1};
constexpr int kHammerShakeElsewhere = 1;

struct TOffset {
  int X, Y;
};

constexpr std::array<TOffset, 4> kSmallArea = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

constexpr std::array<TOffset, 45> BigArea() {
  std::array<TOffset, 45> area{};
  std::size_t n = 0;
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx)
      if (std::abs(dx) != 3 || std::abs(dy) != 3) area[n++] = {dx, dy};
  return area;
}
constexpr std::array<TOffset, 45> kBigArea = BigArea();

template <class Visit>
void ForArea(TPoint p, TGameBoard::TArea area, Visit visit) {
  auto each = [&](const auto& offsets) {
    for (const TOffset& o : offsets) {
      const TPoint cell{p.X + o.X, p.Y + o.Y};
      if (IsOnBoard(cell)) visit(cell);
    }
  };
  if (area == TGameBoard::arSmall)
    each(kSmallArea);
  else
    each(kBigArea);
}

bool IsPlainCode(std::uint8_t element) { return element >= ecFirstFruit && element <= ecLastFlower; }

}  // namespace

void TGameBoard::PlaySound(const char* sound) {
  if (OnPlaySound) OnPlaySound(sound);
}

// ---------------------------------------------------------------------------
// The blaster

void TGameBoard::StartBlasterWave(TPoint p) {
  FBlasterOn = true;
  FBlasterCentre = p;
  FBlasterStep = 0;
  FBlasterClock = 0;
  FBlasterFired = false;
  ShakeBlasterRing();
}

bool TGameBoard::IsBlasterWaveRunning() const { return FBlasterOn && FBlasterStep < 8 && !FBlasterFired; }

void TGameBoard::AdvanceBlasterWave() {
  if (!FBlasterOn) return;
  FBlasterClock += FrameMs;
  if (FBlasterClock < 2 * FrameMs) return;
  FBlasterClock = 0;
  ++FBlasterStep;
  if (FBlasterStep > kLastWaveStep) {
    FBlasterOn = false;
    return;
  }
  ShakeBlasterRing();
  if (FBlasterStep > kBlastStep && !FBlasterFired) {
    FBlasterFired = true;
    BlastPass(FBlasterElement);
  }
}

// The ring at the wave's distance shakes, and stars rise from the blaster's
// free pieces on every ring still shaking at full strength.
void TGameBoard::ShakeBlasterRing() {
  for (int i = 0; i < BoardCells; ++i) {
    const TPoint p = CellPoint(i);
    if (std::abs(p.X - FBlasterCentre.X) + std::abs(p.Y - FBlasterCentre.Y) == FBlasterStep) FShake[i] = kRingShake;
  }
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = FBoard.Tiles[i];
    if (FShake[i] == kRingShake && tile.ObjectKind == okFruit && tile.Element == FBlasterElement && tile.Web == 0 &&
        OnStarsEffectRequest)
      OnStarsEffectRequest(CellPoint(i));
  }
}

void TGameBoard::BlastPass(std::uint8_t element) {
  TSimpleObjectArray grouped;
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = FBoard.Tiles[i];
    if (tile.ObjectKind != okFruit || tile.Element != element || tile.Worm == 2 || !TakesPart(FStates[i])) continue;
    if (HitCell(CellPoint(i), tsGrouped)) grouped.Cells[i] = 1;
  }
  ReportGroup(grouped, true);
}

void TGameBoard::BlasterAt(TPoint p, TPoint toolPos) {
  if (!IsOnBoard(p)) return;
  PlaySound("ItemActivated");
  TBoardTile& tile = FBoard.At(p);
  tile.BlastElement = tile.Element;
  FBlasterElement = tile.Element;
  if (OnMultiBubbleClicked) OnMultiBubbleClicked(p, toolPos, tile.Element);
  if (OnNoMatchTimerReset) OnNoMatchTimerReset();
  DisarmSelection();
}

// ---------------------------------------------------------------------------
// The hammer

void TGameBoard::HammerStrike(TPoint p) {
  TSimpleObjectArray hammered;
  const TPoint cross[] = {p, {p.X, p.Y - 1}, {p.X + 1, p.Y}, {p.X, p.Y + 1}, {p.X - 1, p.Y}};
  for (const TPoint cell : cross) {
    if (!IsOnBoard(cell) || FBoard.At(cell).ObjectKind == okUnused || !TakesPart(State(cell))) continue;
    State(cell) = tsHammered;
    if (cell.X != p.X || cell.Y != p.Y) hammered.At(cell) = 1;
  }
  if (OnHammeredObjectsEffectRequest) OnHammeredObjectsEffectRequest(FBoard, hammered);
}

void TGameBoard::HammeredCleared() {
  for (int i = 0; i < BoardCells; ++i) {
    if (FStates[i] != tsHammered) continue;
    VacateCell(i);
    FStates[i] = tsFalling;
  }
  MarkFalling();
}

void TGameBoard::HammerToolHit(TPoint p) {
  TSimpleObjectArray grouped;
  if (IsOnBoard(p) && FBoard.At(p).ObjectKind == okFruit && TakesPart(State(p))) {
    TBoardTile& tile = FBoard.At(p);
    State(p) = tsGrouped;
    grouped.At(p) = 1;
    if (tile.Web != 0) {
      tile.Web = 0;
      if (OnWebEffectRequest) OnWebEffectRequest(p);
    }
    if (tile.ChainLock != 0) {
      tile.ChainLock = 0;
      if (OnChainLockEffectRequest) OnChainLockEffectRequest(p, 1);
    }
  }
  ReportGroup(grouped, true);
  if (OnNoMatchTimerReset) OnNoMatchTimerReset();
  DisarmSelection();
}

// ---------------------------------------------------------------------------
// Bombs and area clears

void TGameBoard::ExplodeFruitBombs(const TBoardData& cleared, const TSimpleObjectArray& mask) {
  for (int i = 0; i < BoardCells; ++i) {
    if (mask.Cells[i] == 0 || cleared.Tiles[i].FruitBomb == 0) continue;
    const TPoint p = CellPoint(i);
    if (OnExplossionEffectRequest) OnExplossionEffectRequest(p);
    BanEnemies(p, arSmall);
    ExplodeArea(p, arSmall);
    ShakeExplosion(p);
  }
}

void TGameBoard::BombAt(TPoint p) {
  if (IsOnBoard(p)) {
    if (OnExplossionEffectRequest) OnExplossionEffectRequest(p);
    BanEnemies(p, arSmall);
    ExplodeArea(p, arSmall);
    ShakeExplosion(p);
  }
  if (OnNoMatchTimerReset) OnNoMatchTimerReset();
  DisarmSelection();
}

void TGameBoard::BigBombAt(TPoint p) {
  if (IsOnBoard(p)) {
    BanEnemies(p, arBig);
    ExplodeArea(p, arBig);
    ShakeExplosion(p);
  }
  if (OnNoMatchTimerReset) OnNoMatchTimerReset();
  DisarmSelection();
}

void TGameBoard::BanEnemies(TPoint p, TArea area) {
  TSimpleObjectArray banned;
  if (IsOnBoard(p)) banned.At(p) = 1;
  ForArea(p, area, [&](TPoint cell) { banned.At(cell) = 1; });
  if (OnEnemiesBanned) OnEnemiesBanned(banned);
}

void TGameBoard::ExplodeArea(TPoint p, TArea area) {
  TSimpleObjectArray marked;
  const TBoardData before = FBoard;
  ForArea(p, area, [&](TPoint cell) {
    TBoardTile& tile = FBoard.At(cell);
    if (tile.ObjectKind != okFruit || !IsPlainCode(tile.Element) || !TakesPart(State(cell))) return;
    marked.At(cell) = 1;
    const bool web = tile.Web != 0;
    const bool chain = tile.ChainLock != 0;
    VacateCell(CellIndex(cell.X, cell.Y));
    State(cell) = tsFalling;
    if (web && OnWebEffectRequest) OnWebEffectRequest(cell);
    if (chain && OnChainLockEffectRequest) OnChainLockEffectRequest(cell, 1);
  });
  if (!marked.Any()) return;
  // The pieces fly away as they were before the blast emptied their cells.
  if (OnFallingElementsEffectRequest) OnFallingElementsEffectRequest(before, marked);
  if (OnRemoveLockerFrames) OnRemoveLockerFrames(marked);
}

// ---------------------------------------------------------------------------
// Lightning

void TGameBoard::ClearLine(TPoint p, TLightningType type) {
  TSimpleObjectArray grouped;
  if (IsOnBoard(p)) {
    const int count = type == ltHorizontal ? BoardColumns : BoardRows;
    for (int n = 1; n <= count; ++n) {
      const TPoint cell = type == ltHorizontal ? TPoint{n, p.Y} : TPoint{p.X, n};
      TBoardTile& tile = FBoard.At(cell);
      if (tile.ObjectKind != okFruit || !IsPlainCode(tile.Element) || !TakesPart(State(cell))) continue;
      State(cell) = tsGrouped;
      grouped.At(cell) = 1;
      if (tile.Web != 0) {
        tile.Web = 0;
        if (OnWebEffectRequest) OnWebEffectRequest(cell);
      }
      if (tile.ChainLock != 0) {
        tile.ChainLock = 0;
        if (OnChainLockEffectRequest) OnChainLockEffectRequest(cell, 1);
      }
    }
  }
  ReportGroup(grouped, true);
  if (OnNoMatchTimerReset) OnNoMatchTimerReset();
  DisarmSelection();
}

void TGameBoard::LineExtent(TPoint p, int& firstColumn, int& lastColumn, int& firstRow, int& lastRow) const {
  firstColumn = lastColumn = firstRow = lastRow = 0;
  if (!IsOnBoard(p)) return;
  for (int x = 1; x <= BoardColumns; ++x)
    if (FBoard.At(x, p.Y).IsLockerOrPiece()) {
      if (firstColumn == 0) firstColumn = x;
      lastColumn = x;
    }
  for (int y = 1; y <= BoardRows; ++y)
    if (FBoard.At(p.X, y).IsLockerOrPiece()) {
      if (firstRow == 0) firstRow = y;
      lastRow = y;
    }
}

// ---------------------------------------------------------------------------
// Worms and fairies

void TGameBoard::AdvanceWorms() {
  for (int i = 0; i < BoardCells; ++i) {
    TBoardTile& tile = FBoard.Tiles[i];
    if (tile.Worm == 0) continue;
    tile.WormTime += FrameMs;
    if (tile.Worm == 1) {
      if (tile.WormTime < WormEatingTime) continue;
      tile.WormTime = 0;
      tile.Worm = 2;
      continue;
    }
    const int wait = FWormFairy[i] == 0 ? FruitRegenerateTime : WaitingFairyRestoreInterval;
    if (tile.WormTime < wait) continue;
    tile.WormTime = 0;
    FWormFairy[i] = 1;
    if (OnFruitRestoreEffectRequest) OnFruitRestoreEffectRequest(CellPoint(i));
  }
}

void TGameBoard::RestoreEatenFruit(TPoint p) {
  if (!IsOnBoard(p)) return;
  TBoardTile& tile = FBoard.At(p);
  const int i = CellIndex(p.X, p.Y);
  if (tile.Worm != 2 || FWormFairy[i] == 0) return;
  tile.Worm = 0;
  tile.WormTime = 0;
  FWormFairy[i] = 0;
  MatchElements();
}

void TGameBoard::BanWormsInRect(int left, int top, int right, int bottom) {
  for (int i = 0; i < BoardCells; ++i) {
    TBoardTile& tile = FBoard.Tiles[i];
    if (tile.Worm != 1) continue;
    const TPoint p = CellPoint(i);
    const int cx = Left + TileSize * p.X - TileSize / 2;
    const int cy = Top + TileSize * p.Y - TileSize / 2;
    if (cx < left || cx > right || cy < top || cy > bottom) continue;
    tile.Worm = 0;
    if (OnAFruitWormBanRequest) OnAFruitWormBanRequest(p);
  }
}

int TGameBoard::CountWorms() const {
  return int(std::count_if(std::begin(FBoard.Tiles), std::end(FBoard.Tiles),
                           [](const TBoardTile& tile) { return tile.ObjectKind == okFruit && tile.Worm == 1; }));
}

// ---------------------------------------------------------------------------
// The tool highlight

void TGameBoard::MarkToolArea(TPoint p, TNewToolKind kind) {
  FToolPulse = 0;
  FToolMarks.fill(0);
  if (!IsOnBoard(p) || !FBoard.At(p).IsLockerOrPiece()) return;
  auto mark = [&](TPoint cell) { FToolMarks[CellIndex(cell.X, cell.Y)] = 1; };
  switch (kind) {
    case tlHammer:
      mark(p);
      break;
    case tlBomb:
      ForArea(p, arSmall, mark);
      break;
    case tlBigBomb:
      mark(p);
      ForArea(p, arBig, mark);
      break;
    case tlBlaster: {
      const std::uint8_t element = FBoard.At(p).Element;
      if (element == ecUniFruit || element == ecPotion1 || element == ecPotion2) break;
      for (int i = 0; i < BoardCells; ++i)
        if (FBoard.Tiles[i].IsLockerOrPiece() && FBoard.Tiles[i].Element == element) FToolMarks[i] = 1;
      break;
    }
    case tlHorzLightning:
      for (int x = 1; x <= BoardColumns; ++x) mark({x, p.Y});
      break;
    case tlVertLightning:
      for (int y = 1; y <= BoardRows; ++y) mark({p.X, y});
      break;
    default:
      break;
  }
}

void TGameBoard::ClearToolArea() { FToolMarks.fill(0); }

// ---------------------------------------------------------------------------
// Shakes

void TGameBoard::Shake(TPoint p, const int (&rings)[4], int elsewhere) {
  for (int i = 0; i < BoardCells; ++i) {
    const TPoint cell = CellPoint(i);
    const int distance = std::max(std::abs(cell.X - p.X), std::abs(cell.Y - p.Y));
    const int amplitude = distance <= 1 ? rings[0] : distance <= 4 ? rings[distance - 1] : elsewhere;
    FShake[i] = static_cast<std::uint8_t>(std::max<int>(FShake[i], amplitude));
  }
}

void TGameBoard::ShakeExplosion(TPoint p) { Shake(p, kExplosionShake, kExplosionShakeElsewhere); }

void TGameBoard::ShakeHammer(TPoint p) { Shake(p, kHammerShake, kHammerShakeElsewhere); }

void TGameBoard::DecayShakes() {
  FShakeClock += FrameMs;
  if (FShakeClock < kShakeIntervalMs) return;
  FShakeClock = 0;
  for (std::uint8_t& amplitude : FShake)
    if (amplitude > 0) --amplitude;
}

// ---------------------------------------------------------------------------
// Queries

bool TGameBoard::IsFruit(TPoint p) const { return IsOnBoard(p) && FBoard.At(p).ObjectKind == okFruit; }

bool TGameBoard::IsPlainElement(TPoint p) const {
  if (!IsFruit(p)) return false;
  const std::uint8_t element = FBoard.At(p).Element;
  return element != ecUniFruit && element != ecPotion1 && element != ecPotion2;
}

std::uint8_t TGameBoard::ElementAt(TPoint p) const { return IsOnBoard(p) ? FBoard.At(p).Element : 0; }

bool TGameBoard::CanWebTile(TPoint p) const {
  if (!IsOnBoard(p)) return false;
  const TBoardTile& tile = FBoard.At(p);
  return tile.IsLockerOrPiece() && !tile.IsSpecial() && !tile.IsPotion() && !tile.IsFlower() && tile.Worm == 0 &&
         tile.Web == 0 && tile.ChainLock == 0;
}

TPoint TGameBoard::RandomTopTile() {
  for (int draw = 0; draw < kCellDraws; ++draw) {
    const int x = Random(BoardColumns) + 1;
    for (int y = 1; y <= BoardRows; ++y)
      if (FBoard.At(x, y).IsLockerOrPiece()) return {x, y};
  }
  return {};
}

TPoint TGameBoard::FindElementInRange(int first) const {
  auto inRange = [&](const TBoardTile& tile) { return tile.Element >= first && tile.Element <= first + 3; };
  for (int y = 5; y <= BoardRows; ++y)
    for (int x = 6; x <= BoardColumns; ++x)
      if (FBoard.At(x, y).ObjectKind == okFruit && inRange(FBoard.At(x, y))) return {x, y};
  for (int y = 1; y <= BoardRows; ++y)
    for (int x = 1; x <= BoardColumns; ++x)
      if (inRange(FBoard.At(x, y))) return {x, y};
  return {};
}

void TGameBoard::MakeUniFruit(TPoint p) {
  if (IsFruit(p)) FBoard.At(p).Element = ecUniFruit;
}

}  // namespace qm
