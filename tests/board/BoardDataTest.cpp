#include <gtest/gtest.h>

#include <cstring>

#include "board/BoardRig.h"

namespace qm::testing {
namespace {

TEST(BoardRecords, TileFieldsSitWhereLevelFilesPutThem) {
  TBoardData data = BoardFromRows({});
  TBoardTile& tile = data.At(3, 5);
  tile.ObjectKind = okLocker;
  tile.LockerColor = 2;
  tile.Element = 7;
  tile.WormTime = 0x01020304;
  tile.FallOffset = -2;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&data);
  const int at = 240 * (3 - 1) + 20 * (5 - 1);
  EXPECT_EQ(bytes[at + 0], okLocker);
  EXPECT_EQ(bytes[at + 2], 2);
  EXPECT_EQ(bytes[at + 3], 7);
  EXPECT_EQ(bytes[at + 8], 0x04);  // little-endian
  EXPECT_EQ(bytes[at + 11], 0x01);
  EXPECT_EQ(bytes[at + 16], 0xFE);
}

TEST(BoardRecords, MasksAreColumnMajorFromOne) {
  TSimpleObjectArray mask = MaskOf({{2, 1}, {1, 12}});
  EXPECT_EQ(mask.Cells[12], 1);
  EXPECT_EQ(mask.Cells[11], 1);
  EXPECT_EQ(mask.Count(), 2);
}

TEST(BoardRecords, ElementCodesMapToObjectiveSlots) {
  TIndividualElementKind kind{};
  ASSERT_TRUE(IndividualKindOf(1, kind));
  EXPECT_EQ(kind, ieFruit1);
  ASSERT_TRUE(IndividualKindOf(16, kind));
  EXPECT_EQ(kind, ieFlower4);
  ASSERT_TRUE(IndividualKindOf(18, kind));
  EXPECT_EQ(kind, iePotion2);
  EXPECT_FALSE(IndividualKindOf(9, kind));
  EXPECT_FALSE(IndividualKindOf(ecHammer, kind));
}

class PixelToTile : public ::testing::Test {
 protected:
  void SetUp() override {
    Board.Left = 300;
    Board.Top = 120;
  }
  TGameBoard Board;
};

TEST_F(PixelToTile, ThePixelLeftOfTheBoardIsOffIt) {
  EXPECT_EQ(Board.TileAtPixel(299, 120), (TPoint{0, 1}));
  EXPECT_EQ(Board.TileAtPixel(300, 119), (TPoint{1, 0}));
}

TEST_F(PixelToTile, TheCornersAreTheCornerTiles) {
  EXPECT_EQ(Board.TileAtPixel(300, 120), (TPoint{1, 1}));
  EXPECT_EQ(Board.TileAtPixel(300 + 52 * 16 - 1, 120 + 52 * 12 - 1), (TPoint{16, 12}));
  EXPECT_EQ(Board.TileAtPixel(300 + 52 * 16, 120), (TPoint{17, 1}));
}

TEST_F(PixelToTile, FarAwayPointsClampAtZero) {
  EXPECT_EQ(Board.TileAtPixel(-5000, -5000), (TPoint{0, 0}));
}

TEST_F(PixelToTile, TilesStartFiftyTwoPixelsApart) {
  EXPECT_EQ(Board.TilePixel({1, 1}), (TPoint{300, 120}));
  EXPECT_EQ(Board.TilePixel({16, 12}), (TPoint{300 + 52 * 15, 120 + 52 * 11}));
  EXPECT_EQ(Board.TileAtPixel(300 + 52 * 4 + 51, 120 + 52 * 2), (TPoint{5, 3}));
}

TEST_F(PixelToTile, ClicksOffTheBoardOrOnAHoleDropTheSelection) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AB.C"}));
  rig.Click({1, 1});
  ASSERT_TRUE(rig.Board.SelectionArmed());
  rig.Click({3, 1});
  EXPECT_FALSE(rig.Board.SelectionArmed());
  rig.Click({1, 1});
  rig.Board.MouseDown(rig.Board.Left - 1, rig.Board.Top + 10, 0);
  EXPECT_FALSE(rig.Board.SelectionArmed());
}

TEST(BoardExtent, AFullBoardFramesItsTopLeftTile) {
  TGameBoard board;
  board.Left = 200;
  board.Top = 100;
  TPoint extent;
  board.BoardExtent(extent);
  EXPECT_EQ(extent, (TPoint{190, 89}));
}

TEST(BoardExtent, HolesAtTheTopLeftMoveTheFrame) {
  TGameBoard board;
  board.LoadBoardData(BoardFromRows({"", "", "..AB", "o"}));
  TPoint extent;
  board.BoardExtent(extent);
  EXPECT_EQ(extent, (TPoint{52 - 62, 52 * 3 - 63}));
}

TEST(TileStates, LoadingGivesEachCellItsRestingState) {
  TBoardData data = BoardFromRows({"xA.#_o"});
  data.At(1, 1).ChainLock = 1;
  data.At(2, 1).ChainLock = 2;
  data.At(3, 1).ChainLock = 2;  // a hole stays a hole whatever it holds
  TGameBoard board;
  board.LoadBoardData(data);
  EXPECT_EQ(board.TileState({1, 1}), tsChained);
  EXPECT_EQ(board.TileState({2, 1}), tsChained);
  EXPECT_EQ(board.TileState({3, 1}), tsVoid);
  EXPECT_EQ(board.TileState({4, 1}), tsIdle);
  EXPECT_EQ(board.TileState({5, 1}), tsIdle);
  EXPECT_EQ(board.TileState({6, 1}), tsVoid);
}

TEST(TileStates, ANewBoardIsFullOfRestingPieces) {
  TGameBoard board;
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y) {
      EXPECT_EQ(board.BoardData().At(x, y).ObjectKind, okFruit);
      EXPECT_EQ(board.TileState({x, y}), tsIdle);
    }
  EXPECT_TRUE(board.IsQuiet());
}

class BadRecords : public ::testing::Test {
 protected:
  // Every byte of every tile set to something no rule knows.
  static TBoardData Garbage(std::uint8_t fill) {
    TBoardData data;
    std::memset(static_cast<void*>(&data), fill, sizeof data);
    return data;
  }
};

TEST_F(BadRecords, UnknownObjectKindsBecomeHoles) {
  TGameBoard board;
  board.LoadBoardData(Garbage(0xC7));
  EXPECT_EQ(board.BoardData().At(1, 1).ObjectKind, okUnused);
  EXPECT_EQ(board.TileState({16, 12}), tsVoid);
}

TEST_F(BadRecords, OutOfRangeCodesAreBroughtIntoRange) {
  TBoardData data = BoardFromRows({"xAA"});
  data.At(1, 1).LockerColor = 9;
  data.At(2, 1).ChainLock = 7;
  data.At(2, 1).Web = 3;
  data.At(3, 1).Worm = 200;
  data.At(3, 1).FallOffset = 9999;
  data.At(3, 1).FruitBomb = 77;
  TGameBoard board;
  board.LoadBoardData(data);
  const TBoardData& loaded = board.BoardData();
  EXPECT_EQ(loaded.At(1, 1).LockerColor, 3);
  EXPECT_EQ(loaded.At(2, 1).ChainLock, 2);
  EXPECT_EQ(loaded.At(2, 1).Web, 1);
  EXPECT_EQ(loaded.At(3, 1).Worm, 0);
  EXPECT_EQ(loaded.At(3, 1).FallOffset, 0);
  EXPECT_EQ(loaded.At(3, 1).FruitBomb, 1);
}

TEST_F(BadRecords, UnknownElementsNeverMatchAndNothingBreaks) {
  TBoardData data = BoardFromRows({"AAA", "BBB"});
  for (int x = 1; x <= 3; ++x) data.At(x, 1).Element = 77;
  for (int x = 1; x <= 3; ++x) data.At(x, 2).Element = 250;
  TBoardRig rig;
  rig.Load(data);
  rig.Board.MatchElements();
  rig.Board.MatchLockers();
  EXPECT_TRUE(rig.GroupRequests.empty());
  rig.Click({1, 1});
  rig.Click({1, 2});
  rig.Settle();
  rig.Frames(5);
  EXPECT_EQ(rig.SwapBacks, 1);
}

TEST_F(BadRecords, AWholeBoardOfEveryByteValuePlaysWithoutHarm) {
  for (int fill = 0; fill < 256; fill += 5) {
    TBoardRig rig;
    TBoardData data = Garbage(static_cast<std::uint8_t>(fill));
    // Half the cells keep a real kind so the rules reach the odd codes.
    for (int i = 0; i < BoardCells; i += 2) data.Tiles[i].ObjectKind = static_cast<std::uint8_t>(i % 5);
    rig.Load(data);
    rig.Board.MatchLockers();
    rig.Board.MatchElements();
    for (int x = 1; x < 16; x += 3) {
      rig.Click({x, 4});
      rig.Click({x + 1, 4});
    }
    rig.Frames(60);
    for (int i = 0; i < BoardCells; ++i) {
      const TBoardTile& tile = rig.Board.BoardData().Tiles[i];
      EXPECT_LE(tile.ObjectKind, okUnused);
      EXPECT_LE(tile.ChainLock, 2);
    }
  }
}

}  // namespace
}  // namespace qm::testing
