#pragma once

// What every file of the board's rules shares: constants and small
// helpers over tiles and cells.

#include <algorithm>
#include <array>

#include "board/GeneralDataClass.h"
#include "engine/GameRandom.h"

namespace qm::board_rules {

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

inline TPoint CellPoint(int index) { return {index / BoardRows + 1, index % BoardRows + 1}; }

// Only lockers of the three colours and plain pieces (fruit and flowers)
// can be part of a line. Potions and specials never are: three potions side
// by side would otherwise make every swap "match" without anything to clear.
inline bool CanLine(const TBoardTile& tile) {
  if (tile.ObjectKind == okLocker) return tile.LockerColor >= 1 && tile.LockerColor <= 3;
  return tile.ObjectKind == okFruit && tile.Element >= ecFirstFruit && tile.Element <= ecLastFlower && tile.Worm != 2;
}

// Codes no rule knows would otherwise index past tables or never settle:
// they are brought into range or the cell is taken off the board.
inline void CleanTile(TBoardTile& tile) {
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
inline TPoint RandomCell() {
  const int column = Random(BoardColumns) + 1;
  const int row = Random(BoardRows) + 1;
  return {column, row};
}

inline bool TakesPart(TTileState state) { return state == tsIdle || state == tsChained; }

// One sweep with a key per cell (kind and colour) finds the same runs as
// asking every kind and colour in turn: a run needs equal keys, and keys
// differ across kinds and colours. `found` hears the key of every run of
// three; the sweep stops as soon as it answers true.
template <class Found>
inline bool ForEachRunKey(const TBoardData& data, const std::array<TTileState, BoardCells>& states, Found found) {
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

}  // namespace qm::board_rules
