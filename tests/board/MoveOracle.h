#pragma once

#include "board/GameBoard.h"

namespace qm::testing {

// The hint rule written out again with plain loops, sharing nothing with
// the game's search: two resting neighbours of one kind (lockers or pieces)
// without web or chain, neither a uni fruit, hammer, found flower or multi
// bubble; exchanged on a copy, the tile that moved into b's cell has its
// kind and colour in a run of three somewhere on the board. A run counts
// lockers of colours 1 to 3, and fruit or flowers whose piece is not eaten,
// in cells that rest or are chained.
bool OracleIsHintMove(const TGameBoard& board, TPoint a, TPoint b);
// Some pair of neighbours is a hint move.
bool OracleHasMove(const TGameBoard& board);

}  // namespace qm::testing
