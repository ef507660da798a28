#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "board/BoardRig.h"

namespace qm::testing {
namespace {

// Runs one element pass and lets the grouped pieces leave.
struct TCleared {
  std::string Grouped;
  std::vector<TPoint> Cells;
};

TCleared ClearOnce(TBoardRig& rig, const TBoardData& data) {
  rig.Load(data);
  rig.Board.MatchElements();
  rig.SettleEffects();
  TCleared result;
  for (const TSimpleObjectArray& mask : rig.GroupRequests) result.Grouped += CellsOf(mask);
  result.Cells = rig.Cleared;
  return result;
}

bool EachOnce(const std::vector<TPoint>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i)
    if (std::count(cells.begin(), cells.end(), cells[i]) != 1) return false;
  return true;
}

TEST(Lines, AHorizontalLineOfThreeClears) {
  TBoardRig rig;
  const TCleared c = ClearOnce(rig, BoardFromRows({"BAAAB", "CDCDC"}));
  EXPECT_EQ(c.Grouped, "(2,1)(3,1)(4,1)");
  EXPECT_EQ(c.Cells.size(), 3u);
  EXPECT_EQ(RowOf(rig.Board.BoardData(), 1).substr(0, 5), "B___B");
}

TEST(Lines, AVerticalLineOfFourClears) {
  TBoardRig rig;
  const TCleared c = ClearOnce(rig, BoardFromRows({"AB", "CB", "AB", "CB", "AC"}));
  EXPECT_EQ(c.Grouped, "(2,1)(2,2)(2,3)(2,4)");
}

TEST(Lines, AnLShapeClearsEveryCellOnce) {
  TBoardRig rig;
  const TCleared c = ClearOnce(rig, BoardFromRows({"ABC", "ACB", "AAA"}));
  EXPECT_EQ(c.Grouped, "(1,1)(1,2)(1,3)(2,3)(3,3)");
  EXPECT_EQ(c.Cells.size(), 5u);
  EXPECT_TRUE(EachOnce(c.Cells));
}

TEST(Lines, ATShapeClearsEveryCellOnce) {
  TBoardRig rig;
  const TCleared c = ClearOnce(rig, BoardFromRows({"EEE", "BEC", "CEB"}));
  EXPECT_EQ(c.Grouped, "(1,1)(2,1)(2,2)(2,3)(3,1)");
  EXPECT_EQ(c.Cells.size(), 5u);
  EXPECT_TRUE(EachOnce(c.Cells));
}

TEST(Lines, ACrossClearsEveryCellOnce) {
  TBoardRig rig;
  const TCleared c = ClearOnce(rig, BoardFromRows({"BGC", "GGG", "CGB"}));
  EXPECT_EQ(c.Grouped, "(1,2)(2,1)(2,2)(2,3)(3,2)");
  EXPECT_EQ(c.Cells.size(), 5u);
  EXPECT_TRUE(EachOnce(c.Cells));
}

TEST(Lines, FiveInARowWithTwoAboveTheMiddleClearsSevenAndNothingElse) {
  TBoardRig rig;
  const TCleared c = ClearOnce(rig, BoardFromRows({"BCDCB", "CBDBC", "DDDDD", "BCBCB"}));
  EXPECT_EQ(c.Grouped, "(1,3)(2,3)(3,1)(3,2)(3,3)(4,3)(5,3)");
  EXPECT_EQ(c.Cells.size(), 7u);
  EXPECT_EQ(rig.GroupRequests.size(), 1u);
  EXPECT_EQ(RowOf(rig.Board.BoardData(), 4).substr(0, 5), "BCBCB");
}

TEST(Lines, TwoPiecesAreNoLine) {
  TBoardRig rig;
  const TCleared c = ClearOnce(rig, BoardFromRows({"AAB", "BBA"}));
  EXPECT_TRUE(c.Grouped.empty());
}

TEST(Lines, HolesBreakARun) {
  TBoardRig rig;
  const TCleared c = ClearOnce(rig, BoardFromRows({"AA.A"}));
  EXPECT_TRUE(c.Grouped.empty());
}

TEST(Lines, AnEatenPieceNeverMatches) {
  TBoardData data = BoardFromRows({"AAA"});
  data.At(2, 1).Worm = 2;
  TBoardRig rig;
  EXPECT_TRUE(ClearOnce(rig, data).Grouped.empty());
  data.At(2, 1).Worm = 1;
  TBoardRig eating;
  EXPECT_EQ(ClearOnce(eating, data).Grouped, "(1,1)(2,1)(3,1)");
}

TEST(Lines, LinesAtTheBoardsFarEdgesAreFound) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"", "", "", "", "", "", "", "", "", "", "", "ABCDEFGHIJKLMPPP"});
  const TCleared c = ClearOnce(rig, data);
  EXPECT_EQ(c.Grouped, "(14,12)(15,12)(16,12)");
}

TEST(Lines, BusyCellsTakeNoPart) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AAAB", "CDCD"}));
  rig.Click({3, 1});
  rig.Click({4, 1});  // (3,1) and (4,1) are now swapping
  const TSimpleObjectArray marks = rig.Board.FindLines(rig.Board.BoardData(), okFruit, 1);
  EXPECT_FALSE(marks.Any());
}

TEST(Lines, OnlyLockersFruitAndFlowersLineUp) {
  TGameBoard board;
  board.LoadBoardData(BoardFromRows({"ABAB", "BABA", "ABAB"}));
  EXPECT_FALSE(board.AnyLine(board.BoardData()));
  EXPECT_TRUE(board.AnyLine(BoardFromRows({"yyy"})));
  EXPECT_TRUE(board.AnyLine(BoardFromRows({"PPP"})));
  EXPECT_FALSE(board.AnyLine(BoardFromRows({"r", "r", "r"})));
  EXPECT_FALSE(board.AnyLine(BoardFromRows({"qqq"})));
  EXPECT_FALSE(board.AnyLine(BoardFromRows({"***"})));
  EXPECT_FALSE(board.FindLines(BoardFromRows({"qqq"}), okFruit, ecPotion1).Any());
}

TEST(Clearing, NothingOutsideTheLineIsTouched) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"BqDBC", "AAAxC", "BCDCB"});
  data.At(1, 1).Web = 1;
  data.At(4, 3).ChainLock = 2;
  data.At(5, 2).Web = 1;
  rig.LockerFrames.Load(MaskOf({{1, 1}, {5, 2}}));
  const TCleared c = ClearOnce(rig, data);
  EXPECT_EQ(c.Grouped, "(1,2)(2,2)(3,2)");
  const TBoardData& after = rig.Board.BoardData();
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y) {
      if (y == 2 && x <= 3) continue;
      EXPECT_EQ(std::memcmp(&after.At(x, y), &data.At(x, y), sizeof(TBoardTile)), 0) << x << "," << y;
    }
  EXPECT_EQ(rig.LockerFrames.FrameCount({1, 1}), 1);
  EXPECT_EQ(rig.LockerFrames.FrameCount({5, 2}), 1);
  EXPECT_EQ(std::count_if(rig.Log.begin(), rig.Log.end(), [](const std::string& s) { return s.rfind("web", 0) == 0 || s.rfind("chain", 0) == 0 || s.rfind("gold", 0) == 0; }), 0);
}

TEST(Clearing, ClearedPiecesAreReportedInTheSameFrameOnePerCell) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AAA"}));
  rig.Board.MatchElements();
  rig.Frames(TGroupedElementsEffect::kSteps - 1);
  EXPECT_TRUE(rig.Cleared.empty());
  EXPECT_EQ(rig.Board.TileState({2, 1}), tsGrouped);
  rig.Frame();
  EXPECT_EQ(rig.Cleared.size(), 3u);
  EXPECT_EQ(rig.Board.TileState({2, 1}), tsFalling);
}

TEST(Clearing, AGroupedCellIsNeverGroupedAgain) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AAA"}));
  rig.Board.MatchElements();
  rig.Board.MatchElements();
  EXPECT_EQ(rig.GroupRequests.size(), 1u);
}

TEST(Clearing, NothingIsMatchedWhileMatchingIsOff) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AAA", "xxx"}));
  rig.Board.CanMatch = false;
  rig.Board.MatchElements();
  rig.Board.MatchLockers();
  EXPECT_TRUE(rig.GroupRequests.empty());
  EXPECT_TRUE(rig.OpenRequests.empty());
}

}  // namespace
}  // namespace qm::testing
