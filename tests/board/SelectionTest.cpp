#include <gtest/gtest.h>

#include "board/BoardRig.h"

namespace qm::testing {
namespace {

// No line can form anywhere on this board, whatever two pieces swap.
TBoardData Quiet() { return BoardFromRows({"ABCD", "CDAB", "ABCD", "xyxy"}); }

class Selection : public ::testing::Test {
 protected:
  void SetUp() override { Rig.Load(Quiet()); }
  TBoardRig Rig;
};

TEST_F(Selection, AFirstClickSelectsTheTile) {
  Rig.Click({2, 2});
  EXPECT_TRUE(Rig.Board.SelectionArmed());
  EXPECT_EQ(Rig.Board.SelectedTile(), (TPoint{2, 2}));
}

TEST_F(Selection, ClickingTheSelectedTileAgainKeepsIt) {
  Rig.Click({2, 2});
  Rig.Click({2, 2});
  EXPECT_TRUE(Rig.Board.SelectionArmed());
  EXPECT_EQ(Rig.Board.SelectedTile(), (TPoint{2, 2}));
  EXPECT_EQ(Rig.SwapRequests, 0);
}

TEST_F(Selection, ClickingANeighbourSwaps) {
  Rig.Click({2, 2});
  Rig.Click({3, 2});
  EXPECT_EQ(Rig.SwapRequests, 1);
  EXPECT_FALSE(Rig.Board.SelectionArmed());
  EXPECT_EQ(Rig.Board.TileState({2, 2}), tsSwapping);
  EXPECT_EQ(Rig.Board.TileState({3, 2}), tsSwapping);
}

TEST_F(Selection, ClickingAFarTileOnlyClearsTheSelection) {
  Rig.Click({1, 1});
  Rig.Click({4, 3});
  EXPECT_FALSE(Rig.Board.SelectionArmed());
  EXPECT_EQ(Rig.SwapRequests, 0);
  // The next click starts afresh.
  Rig.Click({4, 3});
  EXPECT_TRUE(Rig.Board.SelectionArmed());
  EXPECT_EQ(Rig.Board.SelectedTile(), (TPoint{4, 3}));
}

TEST_F(Selection, TheRightButtonClearsTheSelection) {
  Rig.Click({1, 1});
  const TPoint at = Rig.PixelOf({1, 1});
  Rig.Board.MouseDown(at.X, at.Y, 1);
  EXPECT_FALSE(Rig.Board.SelectionArmed());
}

TEST_F(Selection, WebbedAndChainedTilesCannotBeSelected) {
  TBoardData data = Quiet();
  data.At(1, 1).Web = 1;
  data.At(2, 1).ChainLock = 1;
  Rig.Load(data);
  Rig.Click({3, 3});
  Rig.Click({1, 1});
  EXPECT_FALSE(Rig.Board.SelectionArmed());
  Rig.Click({2, 1});
  EXPECT_FALSE(Rig.Board.SelectionArmed());
  Rig.Click({3, 1});
  Rig.Click({2, 1});
  EXPECT_EQ(Rig.SwapRequests, 0);
}

TEST_F(Selection, ATileThatIsBusyIgnoresClicks) {
  Rig.Click({1, 1});
  Rig.Click({2, 1});
  Rig.Click({3, 3});
  Rig.Click({2, 1});
  EXPECT_EQ(Rig.Board.SelectedTile(), (TPoint{3, 3}));
  EXPECT_TRUE(Rig.Board.SelectionArmed());
}

TEST_F(Selection, ASelectedTileSweptIntoAGroupSwapsWithNothing) {
  Rig.Load(BoardFromRows({"AAAB", "CDCD"}));
  Rig.Click({1, 1});
  Rig.Board.MatchElements();  // the row clears under the selection
  Rig.Click({1, 2});
  EXPECT_EQ(Rig.SwapRequests, 0);
  EXPECT_EQ(Rig.Board.TileState({1, 1}), tsGrouped);
}

TEST_F(Selection, AHiddenOrPausedBoardTakesNoClicks) {
  Rig.Board.CanDraw = false;
  Rig.Click({1, 1});
  EXPECT_FALSE(Rig.Board.SelectionArmed());
  Rig.Board.CanDraw = true;
  Rig.Board.Visible = false;
  Rig.Click({1, 1});
  EXPECT_FALSE(Rig.Board.SelectionArmed());
}

TEST_F(Selection, EveryAcceptedClickIsReported) {
  int clicks = 0;
  Rig.Board.OnObjectTileClick = [&] { ++clicks; };
  Rig.Click({1, 1});
  Rig.Click({1, 1});
  TBoardData data = Quiet();
  data.At(2, 2).Web = 1;
  Rig.Load(data);
  Rig.Click({2, 2});
  EXPECT_EQ(clicks, 2);
}

TEST_F(Selection, AToolMarksTheTileItWouldActOn) {
  Rig.Board.SetToolSelection({2, 4}, true);
  EXPECT_TRUE(Rig.Board.SelectionArmed());
  EXPECT_EQ(Rig.Board.SelectionLook(), 1);
  Rig.Board.SetToolSelection({2, 5}, false);
  EXPECT_FALSE(Rig.Board.SelectionArmed());
  EXPECT_EQ(Rig.Board.SelectionLook(), 0);
}

TEST(Dragging, DraggingOntoANeighbourSwaps) {
  TBoardRig rig;
  rig.Load(Quiet());
  rig.Drag({2, 2}, {2, 3});
  EXPECT_EQ(rig.SwapRequests, 1);
  EXPECT_FALSE(rig.Board.Dragging());
  ASSERT_FALSE(rig.Log.empty());
  EXPECT_EQ(rig.Log.back(), "swap (2,2)(2,3)");
}

TEST(Dragging, DraggingWithoutThePressSelectsNothing) {
  TBoardRig rig;
  rig.Load(Quiet());
  const TPoint at = rig.PixelOf({2, 2});
  rig.Board.MouseMove(at.X, at.Y);
  EXPECT_EQ(rig.Board.HoverTile(), (TPoint{2, 2}));
  EXPECT_FALSE(rig.Board.Dragging());
  EXPECT_FALSE(rig.Board.SelectionArmed());
}

TEST(Dragging, ADragThatLeavesTheBoardMakesNoSwap) {
  TBoardRig rig;
  rig.Load(Quiet());
  rig.Drag({1, 1}, {0, 1});
  EXPECT_EQ(rig.SwapRequests, 0);
  EXPECT_FALSE(rig.Board.SelectionArmed());
}

TEST(NeighbourSwaps, DiagonalNeighboursDoNotSwap) {
  TBoardRig rig;
  rig.Load(Quiet());
  rig.Click({2, 2});
  rig.Click({3, 3});
  EXPECT_EQ(rig.SwapRequests, 0);
  EXPECT_FALSE(rig.Board.SelectionArmed());
}

TEST(NeighbourSwaps, ALockerDoesNotSwapWithAPiece) {
  TBoardRig rig;
  rig.Load(Quiet());
  rig.Click({1, 3});
  rig.Click({1, 4});
  EXPECT_EQ(rig.SwapRequests, 0);
}

TEST(NeighbourSwaps, LockersSwapWithLockers) {
  TBoardRig rig;
  rig.Load(Quiet());
  rig.Click({1, 4});
  rig.Click({2, 4});
  EXPECT_EQ(rig.SwapRequests, 1);
}

TEST(NeighbourSwaps, BlockersNeverMove) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"##A"}));
  rig.Click({1, 1});
  rig.Click({2, 1});
  EXPECT_EQ(rig.SwapRequests, 0);
}

TEST(NeighbourSwaps, TwoPiecesOfOneElementMaySwap) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AAB"}));
  rig.Click({1, 1});
  rig.Click({2, 1});
  EXPECT_EQ(rig.SwapRequests, 1);
  rig.SettleEffects();
  EXPECT_EQ(rig.SwapBacks, 1);
}

}  // namespace
}  // namespace qm::testing
