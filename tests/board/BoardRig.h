#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "board/RoundPlay.h"

namespace qm::testing {

// A board from up to 12 rows of up to 16 characters; cells not written are
// holes. 'A'..'P' pieces 1..16, 'q' 'r' potions, 'u' uni fruit, '*' hammer,
// 'm' multi bubble, 'f' found flower, 'k' 'b' 'a' tool items, 'x' 'y' 'z'
// lockers of colour 1..3 holding piece 1, '#' blocker, '_' empty cell,
// '.' hole, 'o' hole that still shows a background tile.
TBoardData BoardFromRows(std::initializer_list<const char*> rows);
// The piece codes of one row, written back as BoardFromRows reads them.
std::string RowOf(const TBoardData& data, int y);
// The mask's cells as "(x,y)" in column order.
std::string CellsOf(const TSimpleObjectArray& mask);
TSimpleObjectArray MaskOf(std::initializer_list<TPoint> cells);

// The game's own round play, with every report written to a log on top of
// its wiring.
class TBoardRig {
 public:
  // The board draws new pieces from the six elements 'A' to 'F'.
  TBoardRig();
  TBoardRig(const TBoardRig&) = delete;
  TBoardRig& operator=(const TBoardRig&) = delete;

  void Load(const TBoardData& data);
  // The round set-up: a new board from the level's shape, shown by the
  // locker filler; potions and webs where the level's board has them.
  void StartRound(const TBoardData& level, const TElementSet& allowed);
  // One frame of the round routine, in its order.
  void Frame();
  void Frames(int count);
  bool Busy() const { return Play.Moving(); }
  // Frames until nothing moves (at most `limit`).
  int Settle(int limit = 2000);
  // Frames until the swap, grouping and opening effects have reported,
  // leaving emptied cells empty (at most `limit`).
  int SettleEffects(int limit = 200);
  // A click on the middle of a tile, as the shell passes it on.
  void Click(TPoint tile);
  // Press on one tile, drag onto another, release.
  void Drag(TPoint from, TPoint to);
  TPoint PixelOf(TPoint tile) const;

  TRoundPlay Play;
  TGameBoard& Board;
  TSwapEffect& Swap;
  TGroupedElementsEffect& Grouped;
  TOpeningLockers& Opening;
  TLockerFrames& LockerFrames;
  TShuffleAwayEffect& ShuffleAway;
  TLockerFiller& LockerFiller;
  TLockersAwayEffect& LockersAway;
  TLostBoardEffect& LostBoard;

  std::vector<std::string> Log;
  // Every cell reported cleared, in order.
  std::vector<TPoint> Cleared;
  std::vector<TSimpleObjectArray> GroupRequests;
  std::vector<TSimpleObjectArray> OpenRequests;
  int SwapRequests = 0;
  int SwapBacks = 0;
  int SwapsDone = 0;
  int FramesRun = 0;
  int NoMoreMovesReports = 0;
  int Regenerations = 0;
  // The board the last regeneration loaded, as it was handed over.
  TBoardData Regenerated{};
};

}  // namespace qm::testing
