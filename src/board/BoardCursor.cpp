#include "board/BoardCursor.h"

#include <cstdlib>
#include <limits>

#include "widgets/FocusRing.h"

namespace qm {

void TBoardCursor::Settle(const TUsable& usable) {
  if (IsOnBoard(FTile) && usable(FTile)) return;
  FTile = {};
  // Twice the distance, so that the middle falls between tiles evenly.
  int best = std::numeric_limits<int>::max();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const int distance = std::abs(2 * x - BoardColumns - 1) + std::abs(2 * y - BoardRows - 1);
      if (distance < best && usable({x, y})) {
        best = distance;
        FTile = {x, y};
      }
    }
}

bool TBoardCursor::Move(int dx, int dy, const TUsable& usable) {
  for (TPoint next{FTile.X + dx, FTile.Y + dy}; IsOnBoard(next); next = {next.X + dx, next.Y + dy})
    if (usable(next)) {
      FTile = next;
      return true;
    }
  return false;
}

void TBoardCursor::Draw(TPoint tilePixel) const {
  if (!Shown || !IsOnBoard(FTile) || OmgImgList == nullptr) return;
  DrawFocusOutline(*OmgImgList, tilePixel.X, tilePixel.Y, TileSize, TileSize);
}

}  // namespace qm
