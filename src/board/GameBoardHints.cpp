// Hints and the no-more-moves check: the move search, the hint's wiggle
// and the clocks that show it and report a board without moves.
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

}  // namespace qm
