#include "enemies/ToolBoardArea.h"

namespace qm {

TPoint TToolBoardArea::TileAt(int x, int y) const {
  // Truncating division: anything within one tile left of the board is tile 0,
  // and so is anything farther left.
  return {(x - BoardLeft + TileSize) / TileSize, (y - BoardTop + TileSize) / TileSize};
}

bool TToolBoardArea::Contains(int x, int y) const {
  return x >= BoardLeft && x <= BoardLeft + Width && y >= BoardTop && y <= BoardTop + Height;
}

TPoint TToolBoardArea::TileOrigin(TPoint tile) const {
  return {BoardLeft + (tile.X - 1) * TileSize, BoardTop + (tile.Y - 1) * TileSize};
}

}  // namespace qm
