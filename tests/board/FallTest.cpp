#include <gtest/gtest.h>

#include <map>
#include <string>

#include "board/BoardRig.h"
#include "engine/GameRandom.h"

namespace qm::testing {
namespace {

// One column of pieces, top row first; everything else is a hole.
TBoardData Column(const std::string& rows) {
  TBoardData data = BoardFromRows({});
  for (int y = 1; y <= static_cast<int>(rows.size()); ++y) data.At(1, y) = BoardFromRows({rows.substr(y - 1, 1).c_str()}).At(1, 1);
  return data;
}

std::string ColumnOf(const TBoardRig& rig) {
  std::string text;
  for (int y = 1; y <= BoardRows; ++y) text += RowOf(rig.Board.BoardData(), y)[0];
  return text;
}

bool ColumnIdle(const TBoardRig& rig, int from, int to) {
  for (int y = from; y <= to; ++y)
    if (rig.Board.TileState({1, y}) != tsIdle) return false;
  return true;
}

class Falling : public ::testing::Test {
 protected:
  void SetUp() override {
    GameRandom().SetSeed(7);
    rig.Board.OneUniFruitEveryInterval = 0;
  }
  TBoardRig rig;
};

TEST_F(Falling, AnEmptyTopCellGetsANewPieceAfterSixFramesThatRestsAtOnce) {
  rig.Load(Column("ABCDEFABCDEF"));
  rig.Board.CellCleared({1, 1});
  rig.Frames(5);
  EXPECT_EQ(ColumnOf(rig)[0], '_');
  rig.Frame();
  EXPECT_NE(ColumnOf(rig)[0], '_');
  EXPECT_EQ(rig.Board.TileState({1, 1}), tsIdle);
  EXPECT_EQ(ColumnOf(rig).substr(1), "BCDEFABCDEF");
}

TEST_F(Falling, ThreeEmptyCellsAtTheBottomPullTheColumnDownInLockstep) {
  rig.Load(Column("ABCDEFABCDEF"));
  rig.Board.GroupedCleared(MaskOf({{1, 10}, {1, 11}, {1, 12}}));
  rig.Frames(6);
  // One row per six frames, all nine pieces together, a new one on top.
  EXPECT_EQ(ColumnOf(rig).substr(1, 9), "ABCDEFABC");
  EXPECT_EQ(ColumnOf(rig).substr(10), "__");
  rig.Frames(6);
  EXPECT_EQ(ColumnOf(rig).substr(2, 9), "ABCDEFABC");
  rig.Frames(5);
  EXPECT_EQ(rig.Board.TileState({1, 12}), tsFalling);
  rig.Frame();
  EXPECT_EQ(ColumnOf(rig).substr(3), "ABCDEFABC");
  EXPECT_EQ(ColumnOf(rig).find('_'), std::string::npos);
  EXPECT_TRUE(ColumnIdle(rig, 1, 12));
}

TEST_F(Falling, APieceMovesOneRowEveryFrameWhenTheStepIsATile) {
  rig.Board.DroppingStep = 52;
  rig.Load(Column("ABCDEFABCDEF"));
  rig.Board.GroupedCleared(MaskOf({{1, 12}}));
  rig.Frame();
  EXPECT_EQ(ColumnOf(rig).substr(1), "ABCDEFABCDE");
  EXPECT_TRUE(ColumnIdle(rig, 1, 12));
}

TEST_F(Falling, AChainedPieceStaysAndNewPiecesEnterBelowIt) {
  TBoardData data = Column("ABCDEFABCDEF");
  data.At(1, 5).ChainLock = 1;
  rig.Load(data);
  rig.Board.CellCleared({1, 8});
  EXPECT_EQ(rig.Board.TileState({1, 4}), tsIdle);
  EXPECT_EQ(rig.Board.TileState({1, 6}), tsFalling);
  rig.Frames(6);
  EXPECT_EQ(ColumnOf(rig).substr(0, 5), "ABCDE");
  EXPECT_EQ(ColumnOf(rig).substr(6, 2), "FA");
  EXPECT_NE(ColumnOf(rig)[5], '_');
  EXPECT_TRUE(ColumnIdle(rig, 1, 4));
  EXPECT_EQ(rig.Board.TileState({1, 5}), tsChained);
  EXPECT_TRUE(ColumnIdle(rig, 6, 12));
}

TEST_F(Falling, NothingFallsThroughAHoleAndTheCellsBelowRefillFromUnderIt) {
  rig.Load(BoardFromRows({"A", "B", "C", ".", "D", "E", "F", "A", "B", "C", "D", "E"}));
  rig.Board.CellCleared({1, 12});
  EXPECT_EQ(rig.Board.TileState({1, 3}), tsIdle);
  rig.Frames(6);
  EXPECT_EQ(ColumnOf(rig).substr(0, 4), "ABC.");
  EXPECT_EQ(ColumnOf(rig).substr(5), "DEFABCD");
  EXPECT_NE(ColumnOf(rig)[4], '_');
  EXPECT_TRUE(ColumnIdle(rig, 1, 3));
  EXPECT_TRUE(ColumnIdle(rig, 5, 12));
}

TEST_F(Falling, ABlockerAboveAnEmptyCellCannotFallSoItsCellEmptiesAndThePiecesAboveComeDown) {
  rig.Load(Column("AB#CDEFABCDE"));
  rig.Board.CellCleared({1, 4});
  EXPECT_EQ(rig.Board.TileState({1, 3}), tsFalling);
  rig.Frames(12);
  EXPECT_EQ(ColumnOf(rig).substr(2), "ABDEFABCDE");
  EXPECT_EQ(ColumnOf(rig).find('#'), std::string::npos);
  EXPECT_TRUE(ColumnIdle(rig, 1, 12));
}

TEST_F(Falling, ABlockerWithNothingEmptyBelowStaysPut) {
  rig.Load(Column("AB#CDEFABCDE"));
  rig.Board.CellCleared({1, 1});
  rig.Frames(6);
  EXPECT_EQ(ColumnOf(rig).substr(1), "B#CDEFABCDE");
}

TEST_F(Falling, AWebbedPieceFallsWithItsWeb) {
  TBoardData data = Column("ABCDEFABCDEF");
  data.At(1, 10).Web = 1;
  rig.Load(data);
  rig.Board.CellCleared({1, 12});
  rig.Frames(6);
  EXPECT_TRUE(rig.Board.HasWeb({1, 11}));
  EXPECT_FALSE(rig.Board.HasWeb({1, 10}));
}

TEST_F(Falling, ACellLeftEmptyKeepsNothingOfThePieceThatLeftIt) {
  // The top row clears while the webbed, worm-eaten B below it falls into
  // the gap: B's old cell waits empty under the clearing row.
  TBoardData data = BoardFromRows({"AAA", "B..", "_..", "C.."});
  data.At(1, 2).Web = 1;
  data.At(1, 2).Worm = 1;
  rig.Load(data);
  rig.Board.MatchElements();
  for (int frame = 0; frame < 30; ++frame) {
    rig.Frame();
    const TBoardTile& left = rig.Board.BoardData().At(1, 2);
    if (left.ObjectKind != okTempBlank) continue;
    EXPECT_EQ(left.Web, 0) << "frame " << frame;
    EXPECT_EQ(left.Worm, 0) << "frame " << frame;
    EXPECT_EQ(rig.Board.CountWebs(), 1) << "frame " << frame;
  }
  rig.Settle();
  EXPECT_TRUE(rig.Board.HasWeb({1, 3}));
  EXPECT_EQ(rig.Board.BoardData().At(1, 3).Worm, 1);
  EXPECT_EQ(rig.Board.BoardData().At(1, 1).Worm + rig.Board.BoardData().At(1, 2).Worm, 0) << "one worm, not two";
}

TEST_F(Falling, TheBackgroundLookStaysWithItsCell) {
  TBoardData data = Column("ABCDEFABCDEF");
  data.At(1, 11).TileBack = 1;
  rig.Load(data);
  rig.Board.CellCleared({1, 12});
  rig.Frames(6);
  EXPECT_EQ(rig.Board.BoardData().At(1, 11).TileBack, 1);
  EXPECT_EQ(rig.Board.BoardData().At(1, 12).TileBack, 0);
}

TEST_F(Falling, AFrozenBoardHoldsItsFallAndGoesOnWhereItStopped) {
  rig.Load(Column("ABCDEFABCDEF"));
  rig.Board.CellCleared({1, 12});
  rig.Frames(3);
  rig.Board.Frozen = true;
  rig.Frames(20);
  EXPECT_EQ(rig.Board.BoardData().At(1, 11).FallOffset, 30);
  rig.Board.Frozen = false;
  rig.Frames(3);
  EXPECT_EQ(ColumnOf(rig).substr(1), "ABCDEFABCDE");
}

TEST_F(Falling, AHiddenBoardNeitherFallsNorDraws) {
  rig.Load(Column("ABCDEFABCDEF"));
  rig.Board.CellCleared({1, 12});
  rig.Board.CanDraw = false;
  rig.Frames(20);
  EXPECT_EQ(rig.Board.BoardData().At(1, 11).FallOffset, 0);
}

// New pieces

std::map<int, int> DrawNewPieces(TGameBoard& board, std::initializer_list<int> allowed, int count) {
  TElementSet set;
  for (int code : allowed) set.set(code);
  board.SetAllowedElements(set);
  board.OneUniFruitEveryInterval = 0;
  std::map<int, int> seen;
  for (int i = 0; i < count; ++i) {
    board.NewPiece({1, 1});
    ++seen[board.BoardData().At(1, 1).Element];
  }
  return seen;
}

TEST(Refill, NewPiecesComeEvenlyFromTheAllowedFruits) {
  TGameBoard board;
  GameRandom().SetSeed(11);
  const std::map<int, int> seen = DrawNewPieces(board, {1, 2, 3}, 3000);
  ASSERT_EQ(seen.size(), 3u);
  for (int code = 1; code <= 3; ++code) {
    EXPECT_GT(seen.at(code), 900) << code;
    EXPECT_LT(seen.at(code), 1100) << code;
  }
}

TEST(Refill, WithOnlyOneFlowerAllowedEveryNewPieceIsThatFlower) {
  GameRandom().SetSeed(12);
  TGameBoard board;
  const std::map<int, int> seen = DrawNewPieces(board, {13}, 500);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen.count(13), 1u);
}

TEST(Refill, FlowersComeThreeTimesInThirtySevenBesideFruit) {
  GameRandom().SetSeed(13);
  TGameBoard board;
  const std::map<int, int> seen = DrawNewPieces(board, {1, 2, 14}, 37000);
  EXPECT_NEAR(seen.at(14), 3000, 300);
  EXPECT_EQ(seen.count(17) + seen.count(18), 0u);
}

TEST(Refill, ASingleAllowedFruitIsAlwaysDrawnEvenAfterManyMisses) {
  TGameBoard board;
  for (std::uint32_t seed = 0; seed < 50; ++seed) {
    GameRandom().SetSeed(seed);
    const std::map<int, int> seen = DrawNewPieces(board, {12}, 200);
    ASSERT_EQ(seen.size(), 1u) << "seed " << seed;
    EXPECT_EQ(seen.count(12), 1u);
  }
}

TEST(Refill, PotionsInTheAllowedSetAreNeverDrawn) {
  TGameBoard board;
  GameRandom().SetSeed(14);
  const std::map<int, int> seen = DrawNewPieces(board, {4, 17, 18}, 500);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen.count(4), 1u);
}

TEST(Refill, TheColumnRefillsOnlyWithAllowedElements) {
  GameRandom().SetSeed(15);
  TBoardRig rig;
  TElementSet allowed;
  allowed.set(2);
  allowed.set(5);
  rig.Board.SetAllowedElements(allowed);
  rig.Board.OneUniFruitEveryInterval = 0;
  rig.Load(Column("ACACACACACAC"));
  rig.Board.GroupedCleared(MaskOf({{1, 7}, {1, 8}, {1, 9}, {1, 10}, {1, 11}, {1, 12}}));
  rig.Frames(36);
  for (int y = 1; y <= 6; ++y) {
    const int element = rig.Board.BoardData().At(1, y).Element;
    EXPECT_TRUE(element == 2 || element == 5) << "row " << y << " holds " << element;
  }
}

TEST(Refill, EveryHundredthNewPieceIsAUniFruitWhileNoneIsOnTheBoard) {
  GameRandom().SetSeed(16);
  TGameBoard board;
  TElementSet allowed;
  allowed.set(1);
  board.SetAllowedElements(allowed);
  board.LoadBoardData(BoardFromRows({"A"}));
  int added = 0;
  board.OnFruitBubbleAdded = [&] { ++added; };
  for (int i = 0; i < 99; ++i) board.NewPiece({1, 1});
  EXPECT_EQ(board.BoardData().At(1, 1).Element, 1);
  board.NewPiece({1, 1});
  EXPECT_EQ(board.BoardData().At(1, 1).Element, ecUniFruit);
  EXPECT_EQ(added, 1);
}

TEST(Refill, RandomizingGivesEveryTileANewAllowedElementAndKeepsTheLockersLocked) {
  TGameBoard board;
  TElementSet allowed;
  allowed.set(3);
  board.SetAllowedElements(allowed);
  board.LoadBoardData(BoardFromRows({"AxB.#"}));
  board.RandomizeElements();
  EXPECT_EQ(RowOf(board.BoardData(), 1).substr(0, 5), "CxC.#");
  EXPECT_EQ(board.BoardData().At(2, 1).Element, 3) << "the locker holds a new piece";
  EXPECT_EQ(board.BoardData().At(4, 1).Element, 3);
}

}  // namespace
}  // namespace qm::testing
