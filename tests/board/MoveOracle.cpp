#include "board/MoveOracle.h"

#include <cstdlib>

namespace qm::testing {

namespace {

bool OnTheBoard(TPoint p) { return p.X >= 1 && p.X <= 16 && p.Y >= 1 && p.Y <= 12; }

bool Counts(const TGameBoard& board, const TBoardData& data, int x, int y, int kind, int colour) {
  const TBoardTile& t = data.At(x, y);
  const TTileState state = board.TileState({x, y});
  if (state != tsIdle && state != tsChained) return false;
  if (kind == okLocker) return t.ObjectKind == okLocker && t.LockerColor == colour && colour >= 1 && colour <= 3;
  return t.ObjectKind == okFruit && t.Element == colour && colour >= 1 && colour <= 16 && t.Worm != 2;
}

bool RunOfThree(const TGameBoard& board, const TBoardData& data, int kind, int colour) {
  for (int y = 1; y <= 12; ++y)
    for (int x = 1; x <= 14; ++x)
      if (Counts(board, data, x, y, kind, colour) && Counts(board, data, x + 1, y, kind, colour) &&
          Counts(board, data, x + 2, y, kind, colour))
        return true;
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 10; ++y)
      if (Counts(board, data, x, y, kind, colour) && Counts(board, data, x, y + 1, kind, colour) &&
          Counts(board, data, x, y + 2, kind, colour))
        return true;
  return false;
}

bool MayMove(const TBoardTile& t) {
  if (t.ObjectKind != okLocker && t.ObjectKind != okFruit) return false;
  if (t.Web != 0 || t.ChainLock != 0) return false;
  return t.ObjectKind == okLocker || (t.Element != 0 && t.Element != 101 && t.Element != 102 && t.Element != 103);
}

}  // namespace

bool OracleIsHintMove(const TGameBoard& board, TPoint a, TPoint b) {
  if (!OnTheBoard(a) || !OnTheBoard(b) || std::abs(a.X - b.X) + std::abs(a.Y - b.Y) != 1) return false;
  TBoardData data = board.BoardData();
  const TBoardTile first = data.At(a);
  const TBoardTile second = data.At(b);
  if (!MayMove(first) || !MayMove(second) || first.ObjectKind != second.ObjectKind) return false;
  data.At(a) = second;
  data.At(b) = first;
  const int colour = first.ObjectKind == okLocker ? first.LockerColor : first.Element;
  return RunOfThree(board, data, first.ObjectKind, colour);
}

bool OracleHasMove(const TGameBoard& board) {
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y)
      for (TPoint n : {TPoint{x - 1, y}, TPoint{x + 1, y}, TPoint{x, y - 1}, TPoint{x, y + 1}})
        if (OracleIsHintMove(board, {x, y}, n)) return true;
  return false;
}

}  // namespace qm::testing
