#include <benchmark/benchmark.h>

#include <memory>

#include "board/GameBoard.h"
#include "board/GroupedElementsEffect.h"
#include "board/OpeningLockers.h"
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

// The blaster's blast pass on a full board: the wave started and run until
// the pass has grouped every free piece of its element.
void BM_BlasterBlastPassFullBoard(benchmark::State& state) {
  const TBoardData full = FullBoard();
  TGameBoard board;
  board.CanDraw = true;
  for (auto _ : state) {
    state.PauseTiming();
    board.LoadBoardData(full);
    board.BlasterAt({8, 6}, {});
    board.StartBlasterWave({8, 6});
    state.ResumeTiming();
    while (board.IsBlasterWaveRunning()) board.Tick();
    benchmark::DoNotOptimize(board.BoardData());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BlasterBlastPassFullBoard);

// A big bomb in the middle of a full board: 45 cells emptied at once.
void BM_BigBombFullBoard(benchmark::State& state) {
  const TBoardData full = FullBoard();
  TGameBoard board;
  for (auto _ : state) {
    state.PauseTiming();
    board.LoadBoardData(full);
    state.ResumeTiming();
    board.BigBombAt({8, 6});
    benchmark::DoNotOptimize(board.BoardData());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BigBombFullBoard);

// One FindLines call, the unit a hint search repeats per candidate swap.
void BM_FindLinesOneColourFullBoard(benchmark::State& state) {
  TGameBoard board;
  board.LoadBoardData(FullBoard());
  const TBoardData& data = board.BoardData();
  for (auto _ : state) benchmark::DoNotOptimize(board.FindLines(data, okFruit, 3));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindLinesOneColourFullBoard);

// Boards of a given width and height in the top-left corner, holes around.
TElementSet SixElements() {
  TElementSet allowed;
  for (int code = 1; code <= 6; ++code) allowed.set(code);
  return allowed;
}

TBoardData Shaped(int width, int height) {
  TBoardData data{};
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& tile = data.At(x, y);
      tile = TBoardTile{};
      tile.ObjectKind = x <= width && y <= height ? okFruit : okUnused;
    }
  return data;
}

// Four elements laid so that no swap makes a line: the search tries every
// candidate, as the no-more-moves test does before it reports.
TBoardData NoMoveBoard(int width, int height) {
  TBoardData data = Shaped(width, height);
  for (int x = 1; x <= width; ++x)
    for (int y = 1; y <= height; ++y) data.At(x, y).Element = static_cast<std::uint8_t>((x - 1 + (y % 2 == 0 ? 2 : 0)) % 4 + 1);
  return data;
}

// A board as the player meets it: six elements, a few lockers, no line.
std::unique_ptr<TGameBoard> PlayableBoard(int width, int height) {
  auto board = std::make_unique<TGameBoard>();
  board->SetAllowedElements(SixElements());
  GameRandom().SetSeed(99);
  TBoardData data = Shaped(width, height);
  for (TBoardTile& tile : data.Tiles)
    if (tile.ObjectKind == okFruit) {
      tile.ObjectKind = Random(8) == 0 ? okLocker : okFruit;
      tile.LockerColor = static_cast<std::uint8_t>(Random(3) + 1);
      tile.Element = static_cast<std::uint8_t>(Random(6) + 1);
    }
  board->LoadBoardData(data);
  TBoardData fresh;
  board->GenerateShuffledBoard(fresh);
  board->LoadBoardData(fresh);
  return board;
}

void Shapes(benchmark::internal::Benchmark* b) {
  b->Args({16, 12})->Args({10, 9})->Args({8, 8})->Args({6, 6});
}

void BM_FindMovePlayable(benchmark::State& state) {
  auto board = PlayableBoard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  TPoint a;
  TPoint b;
  for (auto _ : state) benchmark::DoNotOptimize(board->FindMove(a, b));
}
BENCHMARK(BM_FindMovePlayable)->Apply(Shapes);

// The search as it would be without the shortcut: every pair of neighbours
// swapped on a copy of the whole board and asked for a line.
bool FindMoveByFullScan(const TGameBoard& board) {
  const TBoardData& live = board.BoardData();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      for (TPoint n : {TPoint{x + 1, y}, TPoint{x, y + 1}}) {
        if (!IsOnBoard(n) || !live.At(x, y).IsLockerOrPiece() || live.At(n).ObjectKind != live.At(x, y).ObjectKind)
          continue;
        TBoardData swapped = live;
        std::swap(swapped.At(x, y), swapped.At(n));
        const TBoardTile& moved = swapped.At(n);
        if (board.FindLines(swapped, TTileObjectKind(moved.ObjectKind), moved.Color()).Any()) return true;
      }
  return false;
}

void BM_FindMoveByFullScanPlayable(benchmark::State& state) {
  auto board = PlayableBoard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(FindMoveByFullScan(*board));
}
BENCHMARK(BM_FindMoveByFullScanPlayable)->Apply(Shapes);

// The no-more-moves test on a board that has none, which is its dearest case.
void BM_HasAnyMoveNoMove(benchmark::State& state) {
  auto board = std::make_unique<TGameBoard>();
  board->LoadBoardData(NoMoveBoard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  for (auto _ : state) benchmark::DoNotOptimize(board->HasAnyMove());
}
BENCHMARK(BM_HasAnyMoveNoMove)->Apply(Shapes);

void BM_FindMoveByFullScanNoMove(benchmark::State& state) {
  auto board = std::make_unique<TGameBoard>();
  board->LoadBoardData(NoMoveBoard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  for (auto _ : state) benchmark::DoNotOptimize(FindMoveByFullScan(*board));
}
BENCHMARK(BM_FindMoveByFullScanNoMove)->Apply(Shapes);

void BM_GenerateShuffledBoard(benchmark::State& state) {
  auto board = std::make_unique<TGameBoard>();
  board->SetAllowedElements(SixElements());
  board->LoadBoardData(NoMoveBoard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  TBoardData fresh;
  for (auto _ : state) {
    board->GenerateShuffledBoard(fresh);
    benchmark::DoNotOptimize(fresh);
  }
}
BENCHMARK(BM_GenerateShuffledBoard)->Apply(Shapes);

// One whole cascade: the bottom row clears, everything falls and refills,
// and the passes run until a pass finds nothing; the clearing and opening
// effects are wired back as the main window wires them.
void BM_CascadeResolution(benchmark::State& state) {
  auto board = PlayableBoard(BoardColumns, BoardRows);
  const TBoardData start = board->BoardData();
  TGroupedElementsEffect grouped;
  TOpeningLockers opening;
  board->OnGroupedElementsEffectRequest = [&](const TBoardData& data, const TSimpleObjectArray& mask, bool, bool blaster) {
    grouped.Start(data, mask, blaster);
  };
  grouped.OnGroupingEffectComplete = [&](const TBoardData&, const TSimpleObjectArray& mask, bool) {
    board->GroupedCleared(mask);
  };
  board->OnOpeningLockersEffectRequest = [&](const TBoardData& data, const TSimpleObjectArray& mask) {
    opening.Start(data, mask);
  };
  opening.OnOpeningEffectComplete = [&](const TSimpleObjectArray& mask, bool last) {
    board->LockersOpened(mask);
    if (last) board->MatchElements();
  };
  TSimpleObjectArray bottom;
  for (int x = 1; x <= BoardColumns; ++x) bottom.At(x, BoardRows) = 1;
  std::int64_t frames = 0;
  for (auto _ : state) {
    GameRandom().SetSeed(7);
    board->LoadBoardData(start);
    board->GroupedCleared(bottom);
    do {
      board->Tick();
      opening.TickAndDraw();
      grouped.TickAndDraw();
      ++frames;
    } while (!board->IsSettled() || board->RegroupPending() || grouped.IsRunning() || opening.IsRunning());
  }
  state.counters["frames"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CascadeResolution);

}  // namespace
}  // namespace qm
