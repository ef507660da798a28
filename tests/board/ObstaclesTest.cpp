#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "board/BoardRig.h"

namespace qm::testing {
namespace {

bool Logged(const TBoardRig& rig, const std::string& line) {
  return std::find(rig.Log.begin(), rig.Log.end(), line) != rig.Log.end();
}

std::string Groups(const TBoardRig& rig) {
  std::string text;
  for (const TSimpleObjectArray& mask : rig.GroupRequests) text += "[" + CellsOf(mask) + "]";
  return text;
}

TEST(Webs, AWebbedPieceInALineLosesItsWebAndStays) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"AAA", "BCB"});
  data.At(2, 1).Web = 1;
  rig.Load(data);
  rig.Board.MatchElements();
  rig.SettleEffects();
  EXPECT_EQ(Groups(rig), "[(1,1)(3,1)]");
  EXPECT_TRUE(Logged(rig, "web (2,1)"));
  EXPECT_EQ(RowOf(rig.Board.BoardData(), 1).substr(0, 3), "_A_");
  EXPECT_FALSE(rig.Board.HasWeb({2, 1}));
  EXPECT_EQ(rig.Board.TileState({2, 1}), tsIdle);
}

TEST(Webs, WebsGoOnlyOnPlainLockersAndPieces) {
  TGameBoard board;
  board.LoadBoardData(BoardFromRows({"Axq*M.#"}));
  for (int x = 1; x <= 7; ++x) board.PlaceWeb({x, 1});
  EXPECT_TRUE(board.HasWeb({1, 1}));
  EXPECT_TRUE(board.HasWeb({2, 1}));
  EXPECT_EQ(board.CountWebs(), 2);
  EXPECT_TRUE(board.IsBroomable({2, 1}));
  EXPECT_FALSE(board.IsBroomable({3, 1}));
}

TEST(Webs, AWebOnTheSelectedTileDropsTheSelection) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AB"}));
  rig.Click({1, 1});
  rig.Board.PlaceWeb({1, 1});
  EXPECT_FALSE(rig.Board.SelectionArmed());
}

TEST(Webs, RemovingAWebReportsItOnce) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AB"}));
  rig.Board.PlaceWeb({2, 1});
  rig.Board.RemoveWeb({2, 1});
  rig.Board.RemoveWeb({2, 1});
  EXPECT_EQ(std::count(rig.Log.begin(), rig.Log.end(), "web (2,1)"), 1);
}

TEST(ChainLocks, ALineBreaksOneLinkOfAStrongChain) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"AAA", "BCB"});
  data.At(2, 1).ChainLock = 2;
  rig.Load(data);
  rig.Board.MatchElements();
  rig.SettleEffects();
  EXPECT_EQ(Groups(rig), "[(1,1)(3,1)]");
  EXPECT_TRUE(Logged(rig, "chain (2,1) 2"));
  EXPECT_EQ(rig.Board.BoardData().At(2, 1).ChainLock, 1);
  EXPECT_EQ(rig.Board.TileState({2, 1}), tsChained);
}

TEST(ChainLocks, TheLastLinkFreesTheTile) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"AAA", "BCB"});
  data.At(3, 1).ChainLock = 1;
  rig.Load(data);
  rig.Board.MatchElements();
  EXPECT_TRUE(Logged(rig, "chain (3,1) 1"));
  EXPECT_EQ(rig.Board.BoardData().At(3, 1).ChainLock, 0);
  EXPECT_EQ(rig.Board.TileState({3, 1}), tsIdle);
  EXPECT_EQ(rig.Board.BoardData().At(3, 1).Element, 1);
}

TEST(ChainLocks, AWebAndALinkGoTogether) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"AAA"});
  data.At(1, 1).ChainLock = 2;
  data.At(1, 1).Web = 1;
  rig.Load(data);
  rig.Board.MatchElements();
  EXPECT_TRUE(Logged(rig, "web (1,1)"));
  EXPECT_TRUE(Logged(rig, "chain (1,1) 2"));
  EXPECT_EQ(Groups(rig), "[(2,1)(3,1)]");
}

// Whatever empties the cells under a chained tile in the top row, the tile
// keeps its place and new pieces come in below it.
TEST(ChainLocks, AChainedTileNeverFalls) {
  const struct {
    const char* What;
    std::array<const char*, 3> Rows;
    int Column;
    std::function<void(TBoardRig&)> Empty;
  } cases[] = {
      {"the magic key on a chained locker, then a line under it", {"xBC", "AAA", "BCB"}, 1,
       [](TBoardRig& rig) {
         rig.Board.OpenLocker({1, 1});
         rig.SettleEffects();
         rig.Board.MatchElements();
       }},
      {"a line", {"BCD", "AAA", "CDB"}, 2, [](TBoardRig& rig) { rig.Board.MatchElements(); }},
      {"a bomb", {"BCD", "ABA", "CDB"}, 1, [](TBoardRig& rig) { rig.Board.BombAt({1, 2}); }},
      {"a lightning", {"BCD", "ABA", "CDB"}, 2, [](TBoardRig& rig) { rig.Board.ClearLine({1, 2}, ltHorizontal); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TBoardRig rig;
    TElementSet allowed;
    allowed.set(6);  // new pieces that line up nothing
    rig.Board.SetAllowedElements(allowed);
    TBoardData data = BoardFromRows({c.Rows[0], c.Rows[1], c.Rows[2]});
    data.At(c.Column, 1).ChainLock = 1;
    rig.Load(data);
    c.Empty(rig);
    int loose = 0;  // chained tiles free to fall, frame after frame
    for (int frame = 0; frame < 300 && rig.Busy(); ++frame) {
      rig.Frame();
      for (int i = 0; i < BoardCells; ++i)
        loose += rig.Board.BoardData().Tiles[i].ChainLock != 0 && rig.Board.TileStates()[i] != tsChained;
    }
    EXPECT_EQ(loose, 0);
    EXPECT_EQ(RowOf(rig.Board.BoardData(), 1)[c.Column - 1], c.Rows[0][c.Column - 1]);
    EXPECT_EQ(int(rig.Board.BoardData().At(c.Column, 1).ChainLock), 1);
    EXPECT_EQ(RowOf(rig.Board.BoardData(), 2).substr(0, 3).find('_'), std::string::npos) << "filled under the chain";
  }
}

TEST(Lockers, ThreeLockersOfOneColourOpenWhateverTheyHold) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"yyyx", "ABCD"});
  data.At(1, 1).Element = 5;
  data.At(2, 1).Element = 6;
  data.At(3, 1).Element = 7;
  rig.Load(data);
  rig.Board.MatchLockers();
  ASSERT_EQ(rig.OpenRequests.size(), 1u);
  EXPECT_EQ(CellsOf(rig.OpenRequests[0]), "(1,1)(2,1)(3,1)");
  EXPECT_EQ(rig.Board.TileState({2, 1}), tsOpening);
  rig.SettleEffects();
  EXPECT_EQ(RowOf(rig.Board.BoardData(), 1).substr(0, 4), "EFGx");
  EXPECT_EQ(rig.Board.TileState({2, 1}), tsIdle);
}

TEST(Lockers, LockersOfDifferentColoursHoldingOnePieceStayShut) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"xyzx"}));  // all hold piece 1
  rig.Board.MatchLockers();
  ASSERT_EQ(rig.OpenRequests.size(), 1u);  // asked even when empty
  EXPECT_FALSE(rig.OpenRequests[0].Any());
  EXPECT_FALSE(rig.Board.AnyLine(rig.Board.BoardData()));
}

TEST(Lockers, PiecesLetOutOfLockersFormLines) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"zzz", "ABA"}));
  rig.Board.MatchLockers();
  rig.SettleEffects();
  EXPECT_EQ(Groups(rig), "[(1,1)(2,1)(3,1)]");
}

TEST(Lockers, EachOpenedLockerReportsOnceAndOnlyTheLastSaysSo) {
  TOpeningLockers opening;
  std::vector<std::string> reports;
  opening.OnOpeningEffectComplete = [&](const TSimpleObjectArray& mask, bool last) {
    reports.push_back(CellsOf(mask) + (last ? " last" : ""));
  };
  int debris = 0;
  opening.OnPiecesEffectRequest = [&](const TBoardData&, const TSimpleObjectArray& mask) { debris += mask.Count(); };
  const TBoardData data = BoardFromRows({"xxx"});
  opening.Start(data, MaskOf({{1, 1}, {2, 1}, {3, 1}}));
  opening.Start(data, TSimpleObjectArray{});
  for (int i = 0; i < 40; ++i) opening.TickAndDraw();
  EXPECT_EQ(debris, 3);
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0], "(1,1)");
  EXPECT_EQ(reports[2], "(3,1) last");
  EXPECT_EQ(opening.Batch(), 1);
}

TEST(Lockers, AWebbedLockerInALineLosesItsWebAndStaysShut) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"xxx"});
  data.At(3, 1).Web = 1;
  rig.Load(data);
  rig.Board.MatchLockers();
  EXPECT_EQ(CellsOf(rig.OpenRequests[0]), "(1,1)(2,1)");
  EXPECT_TRUE(Logged(rig, "web (3,1)"));
  EXPECT_TRUE(rig.Board.IsLocker({3, 1}));
}

TEST(Lockers, TheMagicKeyOpensOneLocker) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"xA"}));
  rig.Click({2, 1});
  rig.Board.OpenLocker({2, 1});
  EXPECT_TRUE(rig.OpenRequests.empty());
  rig.Board.OpenLocker({1, 1});
  ASSERT_EQ(rig.OpenRequests.size(), 1u);
  EXPECT_EQ(CellsOf(rig.OpenRequests[0]), "(1,1)");
  EXPECT_FALSE(rig.Board.SelectionArmed());
  rig.SettleEffects();
  EXPECT_FALSE(rig.Board.IsLocker({1, 1}));
  EXPECT_TRUE(rig.Board.IsBlankTile({3, 1}));
  EXPECT_TRUE(rig.Board.IsBlankTile({0, 0}));
}

TEST(FoundFlowers, NoFlowerInNormalModeWhateverTheAnswer) {
  TBoardRig rig;
  rig.Board.OneFlowerPerLockersMin = rig.Board.OneFlowerPerLockersMax = 1;
  int asked = 0;
  rig.Board.OnCanAddFlowerQuestion = [&](bool& can) {
    ++asked;
    can = true;
  };
  rig.Load(BoardFromRows({"xxx"}));
  rig.Board.MatchLockers();
  EXPECT_EQ(asked, 1);
  for (int x = 1; x <= 3; ++x) EXPECT_NE(rig.Board.BoardData().At(x, 1).Element, ecFoundFlower);
}

TEST(FoundFlowers, InFindFlowerModeOneOpenedLockerHoldsAFlower) {
  TBoardRig rig;
  rig.Board.OneFlowerPerLockersMin = rig.Board.OneFlowerPerLockersMax = 1;
  rig.Board.OnCanAddFlowerQuestion = [](bool& can) { can = true; };
  rig.Board.OnUnobtainedFlowerIdxSetRequest = [](TFlowerIdxSet& set) { set.set(4); };
  rig.Load(BoardFromRows({"xxx", "yyy"}));
  rig.Board.ActiveMode = amFindFlower;
  rig.Board.MatchLockers();
  int flowers = 0;
  for (int x = 1; x <= 3; ++x)
    for (int y = 1; y <= 2; ++y) flowers += rig.Board.BoardData().At(x, y).Element == ecFoundFlower;
  EXPECT_EQ(flowers, 1);
  EXPECT_EQ(rig.Board.FoundFlowerIdx(), 4);
  // Once free, the flower is collected on its own.
  rig.SettleEffects();
  EXPECT_TRUE(Logged(rig, "flower (1,1)"));
}

TEST(FoundFlowers, WithNoFlowerLeftTheIndexIsOne) {
  TBoardRig rig;
  rig.Board.OneFlowerPerLockersMin = rig.Board.OneFlowerPerLockersMax = 1;
  rig.Board.OnCanAddFlowerQuestion = [](bool& can) { can = true; };
  rig.Load(BoardFromRows({"xxx"}));
  rig.Board.ActiveMode = amFindFlower;
  rig.Board.MatchLockers();
  EXPECT_EQ(rig.Board.FoundFlowerIdx(), 1);
}

TEST(Potions, APotionInTheBottomRowIsCollectedWithoutALine) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({});
  data.At(5, 12) = BoardFromRows({"q"}).At(1, 1);
  rig.Load(data);
  rig.Board.MatchElements();
  EXPECT_EQ(Groups(rig), "[(5,12)]");
}

TEST(Potions, WhatLiesBelowDecidesWhetherAPotionIsAtTheBottom) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"qqqqr", "Ao._#"}));
  rig.Board.MatchElements();
  EXPECT_EQ(Groups(rig), "[(3,1)(4,1)(5,1)]");
}

TEST(Potions, PotionsNeverClearByLines) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"qqq", "ABA"}));
  rig.Board.MatchElements();
  EXPECT_TRUE(rig.GroupRequests.empty());
}

TEST(Potions, AWebbedChainedPotionWearsDownPassByPassInOneCall) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"q"});
  data.At(1, 1).Web = 1;
  data.At(1, 1).ChainLock = 2;
  rig.Load(data);
  rig.Board.MatchElements();
  EXPECT_TRUE(Logged(rig, "web (1,1)"));
  EXPECT_TRUE(Logged(rig, "chain (1,1) 2"));
  EXPECT_TRUE(Logged(rig, "chain (1,1) 1"));
  EXPECT_EQ(Groups(rig), "[(1,1)]");
}

TEST(ToolItems, AFreeToolItemIsCollectedOnItsOwn) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"AkB", "BAb"}));
  rig.Board.MatchElements();
  EXPECT_EQ(Groups(rig), "[(2,1)(3,2)]");
  rig.SettleEffects();
  EXPECT_TRUE(Logged(rig, "tool 104 (2,1)"));
  EXPECT_TRUE(Logged(rig, "tool 105 (3,2)"));
  EXPECT_EQ(rig.Cleared.size(), 2u);
  EXPECT_EQ(rig.Board.TileState({2, 1}), tsFalling);
}

TEST(ToolItems, AToolItemInALockerWaitsForTheLocker) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"xBC"});
  data.At(1, 1).Element = ecBroomItem;
  rig.Load(data);
  rig.Board.MatchElements();
  EXPECT_TRUE(rig.GroupRequests.empty());
}

TEST(GoldFrames, ClearingAPieceTakesOneGoldTileFromItsCell) {
  TBoardRig rig;
  TSimpleObjectArray gold;
  gold.At(1, 1) = 2;
  gold.At(2, 1) = 1;
  gold.At(1, 2) = 1;
  rig.LockerFrames.Load(gold);
  rig.Load(BoardFromRows({"AAA", "BCB"}));
  rig.Board.MatchElements();
  EXPECT_TRUE(Logged(rig, "gold (1,1) 2"));
  EXPECT_TRUE(Logged(rig, "gold (2,1) 1"));
  EXPECT_EQ(rig.LockerFrames.FrameCount({1, 1}), 1);
  EXPECT_EQ(rig.LockerFrames.FrameCount({2, 1}), 0);
  EXPECT_EQ(rig.LockerFrames.FrameCount({1, 2}), 1);
  EXPECT_EQ(rig.LockerFrames.FramesLeft(), 2);
}

TEST(GoldFrames, AnEmptyMaskOrAWornObstacleTakesNothing) {
  TBoardRig rig;
  TSimpleObjectArray gold;
  gold.At(2, 1) = 1;
  rig.LockerFrames.Load(gold);
  TBoardData data = BoardFromRows({"AAA"});
  data.At(2, 1).Web = 1;
  rig.Load(data);
  rig.Board.MatchElements();
  rig.LockerFrames.RemoveFrames(TSimpleObjectArray{});
  EXPECT_EQ(rig.LockerFrames.FrameCount({2, 1}), 1);
}

TEST(Reports, FramesGoBeforeTheGroupAndWormsLeaveFirst) {
  TGameBoard board;
  TBoardData data = BoardFromRows({"AAA"});
  data.At(3, 1).Worm = 1;
  board.LoadBoardData(data);
  std::vector<std::string> order;
  board.OnRemoveLockerFrames = [&](const TSimpleObjectArray&) { order.push_back("frames"); };
  board.OnAFruitWormBanRequest = [&](TPoint p) { order.push_back("worm " + std::to_string(p.X)); };
  board.OnGroupedElementsEffectRequest = [&](const TBoardData&, const TSimpleObjectArray&, bool, bool blaster) {
    order.push_back(blaster ? "group blaster" : "group");
  };
  board.OnNoMatchTimerReset = [&] { order.push_back("reset"); };
  board.MatchElements();
  EXPECT_EQ(order, (std::vector<std::string>{"frames", "worm 3", "group", "reset"}));
}

}  // namespace
}  // namespace qm::testing
