// Drawing a board afresh: a shuffled board without lines that keeps its
// lockers, potions and special cells, with a move to make.
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
