#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "board/BoardRig.h"
#include "engine/GameRandom.h"

namespace qm::testing {
namespace {

// Only swapping (3,1) and (3,2) lines up three 'A's.
TBoardData OneMoveBoard() { return BoardFromRows({"AABC", "CDAB", "ABCD", "CDAB"}); }
// No swap makes a line.
TBoardData NoMoveBoard() { return BoardFromRows({"ABCD", "CDAB", "ABCD", "CDAB"}); }

bool IsPair(TPoint a, TPoint b, TPoint p, TPoint q) { return (a == p && b == q) || (a == q && b == p); }

class Hints : public ::testing::Test {
 protected:
  void SetUp() override { GameRandom().SetSeed(21); }
  TBoardRig rig;
};

TEST_F(Hints, AHintAppearsAfterTwelveSecondsWithoutAClick) {
  rig.Load(OneMoveBoard());
  rig.Frames(399);
  EXPECT_FALSE(rig.Board.HintVisible());
  rig.Frame();
  ASSERT_TRUE(rig.Board.HintVisible());
  EXPECT_TRUE(IsPair(rig.Board.HintTileA(), rig.Board.HintTileB(), {3, 1}, {3, 2}));
  EXPECT_TRUE(rig.Board.HintMarked({3, 1}));
  EXPECT_TRUE(rig.Board.HintMarked({3, 2}));
}

TEST_F(Hints, AClickStartsTheWaitAgain) {
  rig.Load(OneMoveBoard());
  rig.Frames(300);
  rig.Click({1, 3});
  rig.Frames(399);
  EXPECT_FALSE(rig.Board.HintVisible());
  rig.Frame();
  EXPECT_TRUE(rig.Board.HintVisible());
}

TEST_F(Hints, AClickHidesAShownHint) {
  rig.Load(OneMoveBoard());
  rig.Frames(400);
  rig.Click({1, 3});
  EXPECT_FALSE(rig.Board.HintVisible());
}

TEST_F(Hints, TheHintShowsForTwoAndAHalfSeconds) {
  rig.Load(OneMoveBoard());
  rig.Frames(400);
  // The tick that shows it is the first of 84 ticks of 30 ms.
  rig.Frames(82);
  EXPECT_TRUE(rig.Board.HintVisible());
  rig.Frame();
  EXPECT_FALSE(rig.Board.HintVisible());
  EXPECT_FALSE(rig.Board.HintMarked({3, 1}));
}

TEST_F(Hints, ToolsCancelTheHintAndRestartTheWait) {
  rig.Load(OneMoveBoard());
  rig.Frames(400);
  rig.Board.CancelHint();
  EXPECT_FALSE(rig.Board.HintVisible());
  rig.Frames(399);
  EXPECT_FALSE(rig.Board.HintVisible());
}

TEST_F(Hints, ATutorialCanPointAtAnyPair) {
  rig.Load(NoMoveBoard());
  rig.Board.ShowHint({1, 1}, {2, 1});
  EXPECT_TRUE(rig.Board.HintVisible());
  EXPECT_TRUE(rig.Board.HintMarked({2, 1}));
}

TEST_F(Hints, WithNoMoveNoHintShows) {
  rig.Load(NoMoveBoard());
  rig.Frames(400);
  EXPECT_FALSE(rig.Board.HintVisible());
  EXPECT_EQ(rig.Board.HintTileA(), TPoint{});
}

TEST_F(Hints, WebbedChainedAndClickableSpecialTilesAreNeverHinted) {
  for (const char* special : {"w", "c", "u", "*", "m", "f"}) {
    TBoardData data = OneMoveBoard();
    TBoardTile& moving = data.At(3, 2);
    if (*special == 'w') moving.Web = 1;
    if (*special == 'c') moving.ChainLock = 1;
    if (*special == 'u') moving.Element = ecUniFruit;
    if (*special == '*') moving.Element = ecHammer;
    if (*special == 'm') moving.Element = ecMultiBubble;
    if (*special == 'f') moving.Element = ecFoundFlower;
    rig.Load(data);
    TPoint a;
    TPoint b;
    EXPECT_FALSE(rig.Board.FindMove(a, b)) << special;
  }
}

TEST_F(Hints, LockersAreHintedByTheirColour) {
  rig.Load(BoardFromRows({"xxyz", "zyxy"}));
  TPoint a;
  TPoint b;
  ASSERT_TRUE(rig.Board.FindMove(a, b));
  EXPECT_TRUE(IsPair(a, b, {3, 1}, {3, 2}));
}

// The hint draws its start cell from the game's sequence, so the same seed
// points at the same move.
TEST_F(Hints, TheSearchStartsAfterARandomCellAndGoesAlongTheRows) {
  // Two moves, found from (3,2) and from (6,2). A start at (3,2) to (5,2)
  // reaches (6,2) first; a start at (6,2) tries itself last.
  rig.Load(BoardFromRows({"AAB", "..A..C", "...CCD"}));
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    GameRandom().SetSeed(seed);
    const TPoint start{Random(16) + 1, Random(12) + 1};
    GameRandom().SetSeed(seed);
    TPoint a;
    TPoint b;
    ASSERT_TRUE(rig.Board.FindMove(a, b));
    const bool afterFirst = start.Y == 2 && start.X >= 3 && start.X < 6;
    EXPECT_EQ(a, (afterFirst ? TPoint{6, 2} : TPoint{3, 2})) << "start " << start.X << "," << start.Y;
    EXPECT_EQ(b, (afterFirst ? TPoint{6, 3} : TPoint{3, 1}));
  }
}

// No more moves

TEST(NoMoreMoves, AQuietBoardWithoutAMoveIsReportedAfterTwentySeconds) {
  GameRandom().SetSeed(22);
  TBoardRig rig;
  rig.Load(NoMoveBoard());
  rig.Board.OnNoMoreMoves = [&] { ++rig.NoMoreMovesReports; };
  rig.Frames(666);
  EXPECT_EQ(rig.NoMoreMovesReports, 0);
  rig.Frame();
  EXPECT_EQ(rig.NoMoreMovesReports, 1);
  EXPECT_TRUE(rig.Board.NoMoreMovesReported());
}

TEST(NoMoreMoves, OnlyMovesWithWebbedTilesCountAsNone) {
  GameRandom().SetSeed(23);
  TBoardRig rig;
  TBoardData data = OneMoveBoard();
  data.At(3, 1).Web = 1;
  rig.Load(data);
  EXPECT_FALSE(rig.Board.HasAnyMove());
  rig.Board.OnNoMoreMoves = [&] { ++rig.NoMoreMovesReports; };
  rig.Frames(667);
  EXPECT_EQ(rig.NoMoreMovesReports, 1);
}

TEST(NoMoreMoves, AHammerOrAMultiBubbleIsAMoveAndAUniFruitIsNot) {
  TBoardRig rig;
  for (char special : {'*', 'm', 'u'}) {
    TBoardData data = NoMoveBoard();
    data.At(1, 1) = BoardFromRows({std::string(1, special).c_str()}).At(1, 1);
    rig.Load(data);
    EXPECT_EQ(rig.Board.HasAnyMove(), special != 'u') << special;
  }
}

TEST(NoMoreMoves, TheCheckWaitsWhileAHintShowsAndRunsOnTheFirstFrameAfter) {
  GameRandom().SetSeed(24);
  TBoardRig rig;
  rig.Load(NoMoveBoard());
  rig.Board.OnNoMoreMoves = [&] { ++rig.NoMoreMovesReports; };
  rig.Frames(600);
  rig.Board.ShowHint({1, 1}, {2, 1});
  // The check would be due at tick 667; the hint hides at the end of the
  // 84th tick after it appeared.
  rig.Frames(84);
  EXPECT_EQ(rig.NoMoreMovesReports, 0);
  EXPECT_FALSE(rig.Board.HintVisible());
  rig.Frame();
  EXPECT_EQ(rig.NoMoreMovesReports, 1);
}

TEST(NoMoreMoves, TheClockOnlyRunsWhileTheBoardIsQuiet) {
  GameRandom().SetSeed(25);
  TBoardRig rig;
  rig.Load(NoMoveBoard());
  rig.Board.OnNoMoreMoves = [&] { ++rig.NoMoreMovesReports; };
  rig.Frames(600);
  // A swap that slides back keeps two tiles busy; those ticks do not count.
  rig.Click({1, 1});
  rig.Click({2, 1});
  ASSERT_GT(rig.SettleEffects(), 0);
  ASSERT_EQ(rig.SwapBacks, 1);
  rig.Frames(66);
  EXPECT_EQ(rig.NoMoreMovesReports, 0);
  rig.Frame();
  EXPECT_EQ(rig.NoMoreMovesReports, 1);
}

TEST(NoMoreMoves, ItIsReportedOnceUntilTheRegenerationResetsIt) {
  TBoardRig rig;
  rig.Load(NoMoveBoard());
  rig.Board.OnNoMoreMoves = [&] { ++rig.NoMoreMovesReports; };
  rig.Board.CheckNoMoreMoves();
  rig.Board.CheckNoMoreMoves();
  rig.Frames(1400);
  EXPECT_EQ(rig.NoMoreMovesReports, 1);
  rig.Board.ResetNoMoreMoves();
  rig.Board.CheckNoMoreMoves();
  EXPECT_EQ(rig.NoMoreMovesReports, 2);
}

TEST(NoMoreMoves, ABoardThatMayNotMatchReportsNothing) {
  TBoardRig rig;
  rig.Load(NoMoveBoard());
  rig.Board.OnNoMoreMoves = [&] { ++rig.NoMoreMovesReports; };
  rig.Board.CanMatch = false;
  rig.Board.CheckNoMoreMoves();
  rig.Frames(700);
  EXPECT_EQ(rig.NoMoreMovesReports, 0);
}

}  // namespace
}  // namespace qm::testing
