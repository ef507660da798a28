#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>

#include "board/BoardRig.h"
#include "engine/GameRandom.h"

namespace qm::testing {
namespace {

// A mixed board drawn from the game's generator: mostly pieces of five
// elements, some lockers, holes and blockers, webs and chains here and there.
TBoardData RandomBoard() {
  TBoardData data = BoardFromRows({});
  for (TBoardTile& tile : data.Tiles) {
    tile = TBoardTile{};
    tile.BlastElement = 1;
    const int kind = Random(100);
    tile.ObjectKind = kind < 70 ? okFruit : kind < 90 ? okLocker : kind < 95 ? okUnused : okBlocker;
    tile.LockerColor = static_cast<std::uint8_t>(Random(3) + 1);
    tile.Element = static_cast<std::uint8_t>(Random(5) + 1);
    if (Random(40) == 0) tile.Element = ecPotion1;
    if (Random(10) == 0) tile.Web = 1;
    if (Random(10) == 0) tile.ChainLock = static_cast<std::uint8_t>(Random(2) + 1);
  }
  return data;
}

struct TPlayed {
  TBoardData Board;
  std::array<TTileState, BoardCells> States;
};

// Plays `moves` random neighbour swaps, each followed by its clearing.
// `check` runs after every move once the board is still. A frozen board
// clears but never falls, so emptied cells stay as the clearing left them.
enum TFalls { fsFrozen, fsFalling };

template <class Check>
TPlayed Play(std::uint32_t seed, int moves, Check check, TFalls falls = fsFrozen) {
  auto rig = std::make_unique<TBoardRig>();
  GameRandom().SetSeed(seed);
  SetRandomizeClock([] { return 42u; });
  rig->Load(RandomBoard());
  rig->Board.Frozen = falls == fsFrozen;
  auto settle = [&] { falls == fsFrozen ? rig->SettleEffects() : rig->Settle(); };
  rig->Board.MatchLockers();
  rig->Board.MatchElements();
  settle();
  for (int move = 0; move < moves; ++move) {
    const TPoint a{Random(16) + 1, Random(12) + 1};
    const int direction = Random(4);
    const TPoint b{a.X + (direction == 0) - (direction == 1), a.Y + (direction == 2) - (direction == 3)};
    const TBoardData before = rig->Board.BoardData();
    const std::size_t clearedBefore = rig->Cleared.size();
    rig->Click(a);
    rig->Click(b);
    settle();
    check(*rig, before, clearedBefore);
  }
  SetRandomizeClock(nullptr);
  TPlayed played;
  played.Board = rig->Board.BoardData();
  for (int i = 0; i < BoardCells; ++i) played.States[i] = rig->Board.TileState({i / 12 + 1, i % 12 + 1});
  return played;
}

TEST(BoardProperties, EveryCellIsInTheOneStateItsRecordAllows) {
  for (std::uint32_t seed = 1; seed <= 60; ++seed)
    Play(seed, 12, [&](TBoardRig& rig, const TBoardData&, std::size_t) {
      for (int x = 1; x <= 16; ++x)
        for (int y = 1; y <= 12; ++y) {
          const TBoardTile& tile = rig.Board.BoardData().At(x, y);
          const TTileState state = rig.Board.TileState({x, y});
          SCOPED_TRACE(::testing::Message() << "seed " << seed << " cell " << x << "," << y);
          EXPECT_EQ(state == tsVoid, tile.ObjectKind == okUnused);
          EXPECT_EQ(state == tsFalling, tile.ObjectKind == okTempBlank);
          if (tile.IsLockerOrPiece()) {
            EXPECT_EQ(state == tsChained, tile.ChainLock != 0);
          }
          EXPECT_NE(state, tsSwapping);
          EXPECT_NE(state, tsGrouped);
          EXPECT_NE(state, tsOpening);
        }
    }, fsFalling);
}

TEST(BoardProperties, NoPieceVanishesWithoutBeingReportedAndNoneTwice) {
  for (std::uint32_t seed = 100; seed <= 160; ++seed)
    Play(seed, 12, [&](TBoardRig& rig, const TBoardData& before, std::size_t clearedBefore) {
      std::map<int, int> reports;
      for (std::size_t i = clearedBefore; i < rig.Cleared.size(); ++i)
        ++reports[CellIndex(rig.Cleared[i].X, rig.Cleared[i].Y)];
      for (int i = 0; i < BoardCells; ++i) {
        const bool emptied = before.Tiles[i].ObjectKind != okTempBlank &&
                             rig.Board.BoardData().Tiles[i].ObjectKind == okTempBlank;
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " cell " << i);
        EXPECT_EQ(reports.count(i) ? reports[i] : 0, emptied ? 1 : 0);
      }
    });
}

TEST(BoardProperties, PiecesThatStayKeepTheirElementsBetweenThem) {
  for (std::uint32_t seed = 200; seed <= 240; ++seed)
    Play(seed, 10, [&](TBoardRig& rig, const TBoardData& before, std::size_t) {
      std::map<int, int> count;
      for (int i = 0; i < BoardCells; ++i) {
        const TBoardTile& now = rig.Board.BoardData().Tiles[i];
        if (!before.Tiles[i].IsLockerOrPiece()) continue;
        // An emptied cell still names the piece that left it.
        ++count[before.Tiles[i].Element];
        --count[now.Element];
      }
      // A swap only moves pieces and a clear only takes them away: no piece
      // changes what it is.
      for (const auto& [element, difference] : count) EXPECT_EQ(difference, 0) << "seed " << seed << " element " << element;
    });
}

TEST(BoardProperties, TheSameSeedAndMovesGiveTheSameBoardBytes) {
  auto none = [](TBoardRig&, const TBoardData&, std::size_t) {};
  for (std::uint32_t seed = 300; seed <= 320; ++seed) {
    const TPlayed first = Play(seed, 15, none, fsFalling);
    const TPlayed second = Play(seed, 15, none, fsFalling);
    EXPECT_EQ(std::memcmp(&first.Board, &second.Board, sizeof(TBoardData)), 0) << "seed " << seed;
    EXPECT_EQ(first.States, second.States) << "seed " << seed;
  }
}

TEST(BoardProperties, SomeMovesOfTheseGamesDoClearPieces) {
  std::size_t cleared = 0;
  int swaps = 0;
  for (std::uint32_t seed = 1; seed <= 20; ++seed)
    Play(seed, 12, [&](TBoardRig& rig, const TBoardData&, std::size_t) {
      cleared = std::max(cleared, rig.Cleared.size());
      swaps = std::max(swaps, rig.SwapsDone);
    });
  EXPECT_GT(cleared, 0u);
  EXPECT_GT(swaps, 0);
}

}  // namespace
}  // namespace qm::testing
