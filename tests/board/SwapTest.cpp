#include <gtest/gtest.h>

#include <cstring>

#include "board/BoardRig.h"
#include "engine/EffectsMode.h"

namespace qm::testing {
namespace {

bool SameBytes(const TBoardData& a, const TBoardData& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(SwapBack, ASwapThatMakesNoLineSlidesOutAndBackIn18Frames) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"ABCD", "CDAB"}));
  const TBoardData before = rig.Board.BoardData();
  rig.Click({2, 1});
  rig.Click({3, 1});
  EXPECT_EQ(rig.Log.back(), "swap (2,1)(3,1)");
  rig.Frames(17);
  EXPECT_EQ(rig.SwapBacks, 0);
  rig.Frame();
  EXPECT_EQ(rig.SwapBacks, 1);
  EXPECT_TRUE(SameBytes(rig.Board.BoardData(), before));
  EXPECT_EQ(rig.Board.TileState({2, 1}), tsIdle);
  EXPECT_EQ(rig.Board.TileState({3, 1}), tsIdle);
  EXPECT_TRUE(rig.GroupRequests.empty());
}

TEST(SwapBack, WithReducedEffectsItTakes10Frames) {
  ReducedEffectsMode = true;
  TBoardRig rig;
  rig.Load(BoardFromRows({"ABCD"}));
  rig.Click({1, 1});
  rig.Click({2, 1});
  rig.Frames(9);
  EXPECT_EQ(rig.SwapBacks, 0);
  rig.Frame();
  ReducedEffectsMode = false;
  EXPECT_EQ(rig.SwapBacks, 1);
}

TEST(SwapBack, ItReportsTheTilesSecondFirst) {
  TSwapEffect swap;
  std::vector<std::string> reports;
  swap.OnSwapBackComplete = [&](TTileObjectKind kind, TPoint a, TPoint b) {
    reports.push_back(std::to_string(kind) + ":" + std::to_string(a.X) + std::to_string(a.Y) + "," +
                      std::to_string(b.X) + std::to_string(b.Y));
  };
  TSwappedObjectsData data;
  data.Object1Pos = {5, 3};  // clicked first, but it is the right-hand tile
  data.Object2Pos = {4, 3};
  swap.Start(data, false);
  for (int i = 0; i < 18; ++i) swap.TickAndDraw();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "1:53,43");
  EXPECT_FALSE(swap.IsRunning());
}

TEST(SwapForward, AMatchingSwapExchangesThePiecesAndClearsTheLine) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AABA", "CCAD"}));
  rig.Click({3, 1});
  rig.Click({3, 2});
  EXPECT_EQ(rig.Log[0], "manual match");
  EXPECT_EQ(rig.Log[1], "swap (3,1)(3,2) match");
  rig.Frames(7);  // the quick step: 8 pixels a frame
  EXPECT_EQ(rig.SwapsDone, 1);
  EXPECT_EQ(RowOf(rig.Board.BoardData(), 2).substr(0, 4), "CCBD");
  ASSERT_EQ(rig.GroupRequests.size(), 1u);
  EXPECT_EQ(CellsOf(rig.GroupRequests[0]), "(1,1)(2,1)(3,1)(4,1)");
}

TEST(SwapForward, OnlyThePieceMovesWebsChainsAndBacksStay) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"AB"});
  data.At(1, 1).TileBack = 1;
  data.At(2, 1).FruitBomb = 1;
  data.At(2, 1).BlastElement = 9;
  rig.Load(data);
  rig.Board.SwapCompleted({1, 1}, {2, 1});
  const TBoardData& after = rig.Board.BoardData();
  EXPECT_EQ(after.At(1, 1).Element, 2);
  EXPECT_EQ(after.At(1, 1).FruitBomb, 1);
  EXPECT_EQ(after.At(1, 1).BlastElement, 9);
  EXPECT_EQ(after.At(1, 1).TileBack, 1);
  EXPECT_EQ(after.At(2, 1).TileBack, 0);
}

TEST(SwapForward, LockersSwapTheirColoursAndOpenTheirLine) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"xxyx", "zzxz"}));
  rig.Click({3, 1});
  rig.Click({3, 2});
  rig.Frames(9);
  EXPECT_EQ(rig.SwapsDone, 1);
  EXPECT_EQ(RowOf(rig.Board.BoardData(), 1).substr(0, 4), "xxxx");
  ASSERT_FALSE(rig.OpenRequests.empty());
  EXPECT_EQ(CellsOf(rig.OpenRequests.back()), "(1,1)(2,1)(3,1)(4,1)");
}

TEST(SwapForward, ThreePotionsSideBySideMakeNoMatch) {
  TBoardRig rig;
  // Potions low on a board with another row below, so none is at the bottom.
  rig.Load(BoardFromRows({"qqAq", "BCDB", "CDBC"}));
  rig.Click({3, 1});
  rig.Click({4, 1});
  EXPECT_EQ(rig.Log, std::vector<std::string>{"swap (3,1)(4,1)"}) << "no manual match";
  rig.SettleEffects();
  EXPECT_EQ(rig.SwapBacks, 1);
  EXPECT_EQ(RowOf(rig.Board.BoardData(), 1).substr(0, 4), "qqAq");
}

TEST(SwapForward, SeveralSwapsRunAtOnce) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"ABCD", "CDAB", "ABCD"}));
  rig.Click({1, 1});
  rig.Click({2, 1});
  rig.Click({1, 3});
  rig.Click({2, 3});
  EXPECT_EQ(rig.SwapRequests, 2);
  rig.SettleEffects();
  EXPECT_EQ(rig.SwapBacks, 2);
}

}  // namespace
}  // namespace qm::testing
