#pragma once

#include "board/GeneralDataClass.h"

namespace qm {

// Where the board lies on screen, as every tool sees it: the tile under the
// pointer and whether the pointer is on the board at all.
class TToolBoardArea {
 public:
  int BoardLeft = 0;
  int BoardTop = 0;

  static constexpr int Width = BoardColumns * TileSize;
  static constexpr int Height = BoardRows * TileSize;

  // Column and row are 1-based; a point left of or above the board gives 0,
  // one right of or below it gives a number past the last tile.
  TPoint TileAt(int x, int y) const;
  // Edges included, as everywhere else in the game.
  bool Contains(int x, int y) const;
  // Top-left pixel of a tile.
  TPoint TileOrigin(TPoint tile) const;
};

}  // namespace qm
