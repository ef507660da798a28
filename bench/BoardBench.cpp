#include <benchmark/benchmark.h>

#include "board/GameBoard.h"
#include "engine/GameRandom.h"

namespace qm {
namespace {

// A full 16 x 12 board of six elements with a few lockers: lines are rare,
// as on a board waiting for the player's move.
TBoardData FullBoard() {
  GameRandom().SetSeed(12345);
  TBoardData data{};
  for (TBoardTile& tile : data.Tiles) {
    tile = TBoardTile{};
    tile.ObjectKind = Random(10) == 0 ? okLocker : okFruit;
    tile.LockerColor = static_cast<std::uint8_t>(Random(3) + 1);
    tile.Element = static_cast<std::uint8_t>(Random(6) + 1);
  }
  return data;
}

// The question a swap asks: is there any line at all?
void BM_AnyLineFullBoard(benchmark::State& state) {
  TGameBoard board;
  board.LoadBoardData(FullBoard());
  const TBoardData& data = board.BoardData();
  for (auto _ : state) benchmark::DoNotOptimize(board.AnyLine(data));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnyLineFullBoard);

// The clearing passes' question: the cells of every line, colour by colour
// (16 piece colours and 3 locker colours).
void BM_FindLinesEveryColourFullBoard(benchmark::State& state) {
  TGameBoard board;
  board.LoadBoardData(FullBoard());
  const TBoardData& data = board.BoardData();
  for (auto _ : state) {
    int marked = 0;
    for (int color = 1; color <= 16; ++color) marked += board.FindLines(data, okFruit, color).Count();
    for (int color = 1; color <= 3; ++color) marked += board.FindLines(data, okLocker, color).Count();
    benchmark::DoNotOptimize(marked);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindLinesEveryColourFullBoard);

// One FindLines call, the unit a hint search repeats per candidate swap.
void BM_FindLinesOneColourFullBoard(benchmark::State& state) {
  TGameBoard board;
  board.LoadBoardData(FullBoard());
  const TBoardData& data = board.BoardData();
  for (auto _ : state) benchmark::DoNotOptimize(board.FindLines(data, okFruit, 3));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindLinesOneColourFullBoard);

}  // namespace
}  // namespace qm
