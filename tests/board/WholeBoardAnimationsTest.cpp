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
