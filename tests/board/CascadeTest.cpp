#include <gtest/gtest.h>

#include <string>

#include "board/BoardRig.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"

namespace qm::testing {
namespace {

// A column where taking out the 'B' drops two 'A's onto a third: the fall
// itself makes the next line.
TBoardRig& DroppingOntoALine(TBoardRig& rig) {
  GameRandom().SetSeed(3);
  TElementSet allowed;
  allowed.set(5);
  rig.Board.SetAllowedElements(allowed);
  rig.Board.OneUniFruitEveryInterval = 0;
  rig.Load(BoardFromRows({"A", "A", "B", "A"}));
  rig.Board.CellCleared({1, 3});
  return rig;
}

TEST(Cascades, TheLockerPassRunsInTheTickThePiecesLand) {
  TBoardRig rig;
  DroppingOntoALine(rig);
  rig.Frames(5);
  EXPECT_TRUE(rig.OpenRequests.empty());
  rig.Frame();
  EXPECT_TRUE(rig.Board.IsSettled());
  EXPECT_EQ(rig.OpenRequests.size(), 1u);
  EXPECT_TRUE(rig.GroupRequests.empty());
}

TEST(Cascades, TheElementPassFollowsTheLandingByTenTicksOfThirtyMilliseconds) {
  TBoardRig rig;
  DroppingOntoALine(rig);
  rig.Frames(6);
  ASSERT_TRUE(rig.Board.RegroupPending());
  // The landing tick is the first of the ten: 300 ms at 30 ms per tick.
  static_assert(FrameMs == 30);
  rig.Frames(8);
  EXPECT_TRUE(rig.GroupRequests.empty());
  rig.Frame();
  ASSERT_EQ(rig.GroupRequests.size(), 1u);
  EXPECT_EQ(CellsOf(rig.GroupRequests[0]), "(1,2)(1,3)(1,4)");
  EXPECT_FALSE(rig.Board.RegroupPending());
}

TEST(Cascades, AFrozenBoardHoldsTheDelayedPass) {
  TBoardRig rig;
  DroppingOntoALine(rig);
  rig.Frames(8);
  rig.Board.Frozen = true;
  rig.Frames(50);
  EXPECT_TRUE(rig.GroupRequests.empty());
  rig.Board.Frozen = false;
  rig.Frames(6);
  EXPECT_TRUE(rig.GroupRequests.empty());
  rig.Frame();
  EXPECT_EQ(rig.GroupRequests.size(), 1u);
}

TEST(Cascades, EachPassThatFindsALineStartsTheNextRoundUntilOneFindsNothing) {
  GameRandom().SetSeed(5);
  TBoardRig rig;
  rig.Board.OneUniFruitEveryInterval = 0;
  // Clearing the 'B's drops the first three columns by a row: their two
  // 'C's land beside the fourth column's 'C', and that line clears in turn.
  rig.Load(BoardFromRows({"DADA", "ACCD", "EFEC", "BBBE"}));
  rig.Board.MatchElements();
  rig.Settle();
  ASSERT_GE(rig.GroupRequests.size(), 2u);
  EXPECT_EQ(CellsOf(rig.GroupRequests[0]), "(1,4)(2,4)(3,4)");
  EXPECT_EQ(CellsOf(rig.GroupRequests[1]), "(2,3)(3,3)(4,3)");
  EXPECT_FALSE(rig.Busy());
  EXPECT_TRUE(rig.Board.IsQuiet());
  // At rest the last pass found nothing.
  const std::size_t groups = rig.GroupRequests.size();
  rig.Board.MatchElements();
  EXPECT_EQ(rig.GroupRequests.size(), groups);
}

TEST(Cascades, AGroupedCellStopsPiecesAboveUntilItsEffectHandsItBack) {
  TBoardRig rig;
  rig.Board.OneUniFruitEveryInterval = 0;
  // The cell under the grouped 'B' line empties while the line still
  // trembles; the 'C' above it must not fall into the line's cell.
  rig.Load(BoardFromRows({"C..", "BBB", "A.."}));
  rig.Board.MatchElements();
  rig.Board.CellCleared({1, 3});
  EXPECT_EQ(rig.Board.TileState({1, 2}), tsGrouped);
  EXPECT_EQ(rig.Board.TileState({1, 1}), tsIdle);
  rig.Frames(6);
  EXPECT_EQ(RowOf(rig.Board.BoardData(), 1)[0], 'C');
  rig.Settle();
  EXPECT_EQ(rig.Cleared.size(), 3u);
  EXPECT_FALSE(rig.Busy());
}

// A tool's group and a cascade's tremble at the same time: the score hears
// each cell with the flag of its own group, whichever started last.
TEST(Cascades, OverlappingGroupsEachReportWhoSetThemOff) {
  const struct {
    const char* What;
    bool ToolFirst;
    const char* Reports;
  } cases[] = {
      {"the lightning strikes first", true, "(1,3) tool (2,3) tool (3,3) tool (4,3) tool (1,1) line (2,1) line (3,1) line "},
      {"the line clears first", false, "(1,1) line (2,1) line (3,1) line (1,3) tool (2,3) tool (3,3) tool (4,3) tool "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TBoardRig rig;
    rig.Load(BoardFromRows({"AAAB", "BCDC", "CDBD"}));
    std::string reports;
    rig.Play.OnGroupCleared = [&](const TBoardData&, const TSimpleObjectArray& mask, bool byTool) {
      reports += CellsOf(mask) + (byTool ? " tool " : " line ");
    };
    for (bool tool : {c.ToolFirst, !c.ToolFirst}) {
      if (tool)
        rig.Board.ClearLine({1, 3}, ltHorizontal);
      else
        rig.Board.MatchElements();
      rig.Frames(2);
    }
    rig.SettleEffects();
    EXPECT_EQ(reports, c.Reports);
  }
}

}  // namespace
}  // namespace qm::testing
