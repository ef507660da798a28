#include <gtest/gtest.h>

#include <algorithm>

#include "board/BoardRig.h"
#include "engine/GameRandom.h"

namespace qm::testing {
namespace {

int Count(const TBoardRig& rig, const std::string& line) {
  return static_cast<int>(std::count(rig.Log.begin(), rig.Log.end(), line));
}

TBoardData Level() {
  TBoardData data = BoardFromRows({
      "ABCDEF.",
      "BCxyzA.",
      "CDEFAB#",
      "DEqABCo",
  });
  data.At(2, 1).Web = 1;
  return data;
}

// A seed whose two-fruit board is left with a line by the generator.
constexpr std::uint32_t LineSeed = 3;

TElementSet FiveElements() {
  TElementSet allowed;
  for (int code = 1; code <= 5; ++code) allowed.set(code);
  return allowed;
}

TEST(RoundStart, TheBoardStaysHiddenWhileTheLockerFillerBuildsIt) {
  GameRandom().SetSeed(41);
  SetRandomizeClock([] { return 41u; });
  TBoardRig rig;
  rig.StartRound(Level(), FiveElements());
  SetRandomizeClock(nullptr);
  EXPECT_FALSE(rig.Board.CanDraw);
  EXPECT_TRUE(rig.LockerFiller.IsRunning());
  rig.Settle();
  EXPECT_EQ(Count(rig, "filled"), 1);
  EXPECT_TRUE(rig.Board.CanDraw);
}

TEST(RoundStart, TheFirstBoardHasTheLevelsShapeItsWebsAndPotionsAndNoLine) {
  GameRandom().SetSeed(42);
  TBoardRig rig;
  rig.StartRound(Level(), FiveElements());
  const TBoardData& data = rig.Board.BoardData();
  EXPECT_FALSE(rig.Board.AnyLine(data));
  EXPECT_EQ(RowOf(data, 1)[6], '.');
  EXPECT_EQ(RowOf(data, 3)[6], '#');
  EXPECT_EQ(RowOf(data, 4)[6], 'o');
  EXPECT_EQ(data.At(3, 4).Element, ecPotion1);
  EXPECT_TRUE(rig.Board.HasWeb({2, 1}));
  // The level's lockers stay locked: the new board has as many, wherever
  // they land.
  int lockers = 0;
  for (const TBoardTile& tile : data.Tiles) lockers += tile.ObjectKind == okLocker;
  EXPECT_EQ(lockers, 3);
}

TEST(RoundStart, ALineTheBoardCouldNotAvoidIsClearedBeforePlay) {
  // Two fruits on a full board: the generator cannot always avoid a line.
  GameRandom().SetSeed(LineSeed);
  SetRandomizeClock([] { return LineSeed; });
  TBoardRig rig;
  TElementSet two;
  two.set(1);
  two.set(2);
  TBoardData full = BoardFromRows({});
  for (TBoardTile& tile : full.Tiles) tile = BoardFromRows({"A"}).At(1, 1);
  rig.StartRound(full, two);
  ASSERT_TRUE(rig.Board.AnyLine(rig.Board.BoardData())) << "the set-up left a line";
  rig.Settle(20000);
  SetRandomizeClock(nullptr);
  EXPECT_FALSE(rig.Board.AnyLine(rig.Board.BoardData()));
}

TEST(RoundStart, AFirstBoardWithoutAMoveIsReplacedAtOnce) {
  TBoardRig rig;
  rig.StartRound(BoardFromRows({"AB", "CD"}), FiveElements());  // too small for any line
  while (rig.LockerFiller.IsRunning()) rig.Frame();
  EXPECT_EQ(rig.NoMoreMovesReports, 1);
  EXPECT_TRUE(rig.ShuffleAway.IsRunning());
}

TEST(RoundStart, GoldFramesWaitAtTheCentreUntilTheBoardIsBuiltThenFlyToTheirCells) {
  // A board with a move: one without would be shuffled away at once and
  // take its frames with it.
  SetRandomizeClock([] { return 41u; });
  TBoardRig rig;
  TBoardSetUp setUp;
  setUp.Board = Level();
  setUp.Allowed = FiveElements();
  setUp.GoldTiles = MaskOf({{1, 1}, {4, 3}});
  rig.Play.StartRound(setUp);
  SetRandomizeClock(nullptr);
  rig.Frames(5);
  EXPECT_TRUE(rig.LockerFiller.IsRunning());
  EXPECT_EQ(rig.LockerFrames.Presence(), 0.0f);
  while (rig.LockerFiller.IsRunning()) rig.Frame();
  rig.Frames(TLockerFrames::kFlightFrames / 2);
  EXPECT_GT(rig.LockerFrames.Presence(), 0.0f);
  EXPECT_LT(rig.LockerFrames.Presence(), 1.0f);
  rig.Frames(TLockerFrames::kFlightFrames);
  EXPECT_EQ(rig.LockerFrames.Presence(), 1.0f);
  // A regeneration takes them away and brings them back, though the board
  // itself does not draw meanwhile.
  rig.Play.Regenerate();
  rig.Frames(TLockerFrames::kFlightFrames);
  EXPECT_EQ(rig.LockerFrames.Presence(), 0.0f);
  rig.Settle();
  rig.Frames(TLockerFrames::kFlightFrames);
  EXPECT_EQ(rig.LockerFrames.Presence(), 1.0f);
}

TEST(RoundStart, TurningGoldFramesTakeNothingFromTheGameStream) {
  TLockerFrames frames;
  frames.Load(MaskOf({{1, 1}, {4, 3}, {6, 2}}));
  frames.FlyIn();
  GameRandom().SetSeed(7);
  // Long enough for many turns: how long the frames are in view must not
  // change the pieces dealt.
  for (int frame = 0; frame < 3000; ++frame) frames.TickAndDraw();
  EXPECT_EQ(GameRandom().Seed(), 7u);
}

TEST(RoundStart, TheBorderRunsAlongEveryEdgeOfTheShape) {
  TBoardBorder border;
  // Three by two: ten tile edges of two pieces each and four outer corners.
  border.Start(BoardFromRows({"ABC", "CAB"}));
  EXPECT_EQ(border.PieceCount(), 10 * 2 + 4);
  // An L: eight tile edges, five outer corners and one inner one.
  border.Start(BoardFromRows({"AB", "C."}));
  EXPECT_EQ(border.PieceCount(), 8 * 2 + 5 + 1);
}

TEST(WholeBoardAnimations, ABoardLostWhileItRegeneratesStaysGone) {
  TBoardRig rig;
  rig.Load(Level());
  rig.Play.Regenerate();
  rig.Frames(5);
  rig.Play.FallApart();
  rig.Settle();
  EXPECT_EQ(rig.Regenerations, 0);
  EXPECT_FALSE(rig.Board.CanDraw);
  EXPECT_FALSE(rig.Board.CanMatch);
  EXPECT_EQ(Count(rig, "dialog"), 1);
}

TEST(WholeBoardAnimations, UniFruitsShowTheElementTheBoardShowsNow) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"uBCD", "CDAB"}));
  rig.Frames(60);  // the uni fruit has moved on from its first element
  ASSERT_NE(rig.Board.UniFruitShownElement(), 1);
  rig.Play.ClearAway();
  rig.Frame();
  ASSERT_TRUE(rig.LockersAway.IsRunning());
  EXPECT_EQ(rig.LockersAway.UniFruitColorIndex, rig.Board.UniFruitShownElement());
  EXPECT_EQ(rig.Swap.UniFruitColorIndex, rig.Board.UniFruitShownElement());
}

TEST(WholeBoardAnimations, LockersAwayShakesThenSpreadsThenFinishes) {
  TBoardRig rig;
  rig.LockersAway.Start(Level());
  rig.Frames(26);
  EXPECT_EQ(Count(rig, "spreading"), 0);
  rig.Frame();
  EXPECT_EQ(Count(rig, "spreading"), 1);
  rig.Frames(29);
  EXPECT_EQ(Count(rig, "lockers away"), 0);
  rig.Frame();
  EXPECT_EQ(Count(rig, "lockers away"), 1);
  EXPECT_FALSE(rig.LockersAway.IsRunning());
}

TEST(WholeBoardAnimations, TheLostBoardAsksForTheDialogOnceEveryTileHasDropped) {
  TBoardRig rig;
  rig.LostBoard.Start(Level());
  rig.Frames(33);
  EXPECT_EQ(Count(rig, "dialog"), 0);
  const int frames = rig.Settle();
  EXPECT_EQ(Count(rig, "dialog"), 1);
  EXPECT_GT(frames, 0);
  EXPECT_FALSE(rig.LostBoard.IsRunning());
}

TEST(WholeBoardAnimations, AStoppedShuffleNeverReports) {
  TBoardRig rig;
  rig.ShuffleAway.Start(Level(), Level());
  rig.Frames(10);
  rig.ShuffleAway.Reset();
  rig.Frames(100);
  EXPECT_EQ(rig.Regenerations, 0);
  EXPECT_FALSE(rig.ShuffleAway.IsRunning());
}

TEST(WholeBoardAnimations, InvisibleAnimationsStandStill) {
  TBoardRig rig;
  rig.LockerFiller.Visible = false;
  rig.LockerFiller.Start(Level());
  rig.Frames(500);
  EXPECT_TRUE(rig.LockerFiller.IsRunning());
  EXPECT_EQ(Count(rig, "filled"), 0);
}

}  // namespace
}  // namespace qm::testing
