// Specials and area clears: what each one takes off the board and what it
// reports, from small literal boards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/BoardRig.h"

namespace qm::testing {
namespace {

// A full board of one row pattern, so every area lies on pieces.
TBoardData FullBoard() {
  return BoardFromRows({"ABCDEFABCDEFABCD", "BCDEFABCDEFABCDE", "CDEFABCDEFABCDEF", "DEFABCDEFABCDEFA",
                        "EFABCDEFABCDEFAB", "FABCDEFABCDEFABC", "ABCDEFABCDEFABCD", "BCDEFABCDEFABCDE",
                        "CDEFABCDEFABCDEF", "DEFABCDEFABCDEFA", "EFABCDEFABCDEFAB", "FABCDEFABCDEFABC"});
}

TEST(UniFruit, ClickedItBecomesTheShownElementAndClearsItsLineTwentyFramesLater) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"CCuD", "ABAB"}));
  for (int frame = 0; frame < 200 && rig.Board.UniFruitShownElement() != 3; ++frame) rig.Frame();
  ASSERT_EQ(rig.Board.UniFruitShownElement(), 3);
  rig.Click({3, 1});
  EXPECT_EQ(rig.Board.ElementAt({3, 1}), 3);
  rig.Frames(19);
  EXPECT_TRUE(rig.GroupRequests.empty()) << "the reveal is still showing";
  rig.Frames(1);
  ASSERT_EQ(rig.GroupRequests.size(), 1u);
  EXPECT_EQ(CellsOf(rig.GroupRequests[0]), "(1,1)(2,1)(3,1)");
}

TEST(MultiBubble, TheWaveGroupsEveryFreePieceOfItsElementAndOnlyUnwebsWebbedOnes) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"mEAEB", "BAEAB", "EBABE"});
  data.At(1, 1).BlastElement = 5;
  data.At(1, 3).Web = 1;
  rig.Load(data);
  rig.Play.Board->OnMultiBubbleClicked = [&](TPoint p, TPoint, int) { rig.Board.StartBlasterWave(p); };
  rig.Click({1, 1});
  EXPECT_TRUE(rig.Board.IsBlasterWaveRunning());
  rig.Frames(15);
  EXPECT_TRUE(rig.GroupRequests.empty());
  rig.Frames(1);
  ASSERT_EQ(rig.GroupRequests.size(), 1u) << "16 frames after the click";
  EXPECT_EQ(CellsOf(rig.GroupRequests[0]), "(1,1)(2,1)(3,2)(4,1)(5,3)");
  EXPECT_FALSE(rig.Board.HasWeb({1, 3})) << "the webbed piece loses its web and stays";
  EXPECT_EQ(rig.Board.ElementAt({1, 3}), 5);
  EXPECT_FALSE(rig.Board.IsBlasterWaveRunning());
}

TEST(HammerPiece, ItsStrikeTakesItsCrossOnTheBoard) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"*AB", "CDE", "FAB"}));
  TSimpleObjectArray hammered;
  rig.Play.Board->OnHammeredObjectsEffectRequest = [&](const TBoardData&, const TSimpleObjectArray& mask) {
    hammered = mask;
  };
  rig.Board.HammerStrike({1, 1});
  EXPECT_EQ(CellsOf(hammered), "(1,2)(2,1)");
  for (TPoint p : {TPoint{1, 1}, TPoint{2, 1}, TPoint{1, 2}}) EXPECT_EQ(rig.Board.TileState(p), tsHammered);
  EXPECT_EQ(rig.Board.TileState({2, 2}), tsIdle);
  rig.Board.HammeredCleared();
  EXPECT_EQ(RowOf(rig.Board.BoardData(), 1).substr(0, 2), "__");
}

// Each area clear on a full board: the cells it empties.
TEST(AreaClears, EachToolTakesItsShape) {
  enum TBlast { bsFruitBombInALine, bsBomb, bsBigBomb };
  const struct {
    const char* What;
    TBlast Blast;
    TPoint At;
    int Expected;
  } cases[] = {
      // Its line takes the bomb's own cell; the blast, the one below.
      {"a fruit bomb cleared at column 16 keeps to the board", bsFruitBombInALine, {16, 5}, 1},
      {"a bomb in the middle takes its square", bsBomb, {8, 6}, 4},
      {"a big bomb takes 45 cells", bsBigBomb, {8, 6}, 45},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TBoardRig rig;
    TBoardData data = FullBoard();
    if (c.Blast == bsFruitBombInALine) {
      // The bomb's piece ends a line of three.
      data.At(c.At).FruitBomb = 1;
      data.At(c.At.X - 1, c.At.Y).Element = data.At(c.At.X - 2, c.At.Y).Element = data.At(c.At).Element;
    }
    rig.Load(data);
    TSimpleObjectArray emptied;
    rig.Play.Board->OnFallingElementsEffectRequest = [&](const TBoardData&, const TSimpleObjectArray& mask) {
      emptied = mask;
    };
    switch (c.Blast) {
      case bsFruitBombInALine:
        rig.Board.MatchElements();
        rig.SettleEffects();
        break;
      case bsBomb: rig.Board.BombAt(c.At); break;
      case bsBigBomb: rig.Board.BigBombAt(c.At); break;
    }
    EXPECT_EQ(emptied.Count(), c.Expected);
  }
}

TEST(AreaClears, ABigBombSparesPotionsAndUniFruits) {
  TBoardRig rig;
  TBoardData data = FullBoard();
  data.At(8, 6).Element = ecPotion1;
  data.At(9, 7).Element = ecUniFruit;
  rig.Load(data);
  TSimpleObjectArray emptied, banned;
  rig.Play.Board->OnFallingElementsEffectRequest = [&](const TBoardData&, const TSimpleObjectArray& m) { emptied = m; };
  rig.Play.Board->OnEnemiesBanned = [&](const TSimpleObjectArray& m) { banned = m; };
  rig.Board.BigBombAt({8, 6});
  EXPECT_EQ(emptied.Count(), 43);
  EXPECT_EQ(banned.Count(), 45) << "enemies are knocked off the whole area";
  EXPECT_EQ(rig.Board.ElementAt({8, 6}), ecPotion1);
  EXPECT_EQ(rig.Board.ElementAt({9, 7}), ecUniFruit);
}

TEST(Lightning, ARowClearsThroughAChainedPieceAndReportsItsChain) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"ABCDEF", "BCDEFA"});
  data.At(3, 1).ChainLock = 2;
  rig.Load(data);
  rig.Board.ClearLine({2, 1}, ltHorizontal);
  ASSERT_EQ(rig.GroupRequests.size(), 1u);
  EXPECT_EQ(CellsOf(rig.GroupRequests[0]), "(1,1)(2,1)(3,1)(4,1)(5,1)(6,1)");
  EXPECT_NE(std::find(rig.Log.begin(), rig.Log.end(), "chain (3,1) 1"), rig.Log.end());
  int first, last, top, bottom;
  rig.Board.LineExtent({2, 1}, first, last, top, bottom);
  EXPECT_EQ(std::vector<int>({first, last, top, bottom}), std::vector<int>({1, 6, 1, 2}));
}

TEST(Worms, AnEatenPieceIsRestoredByTheFairy) {
  TBoardRig rig;
  TBoardData data = BoardFromRows({"AAB", "CDE"});
  data.At(3, 1).Element = 1;
  data.At(3, 1).Worm = 1;
  rig.Load(data);
  std::vector<TPoint> restores;
  rig.Play.Board->OnFruitRestoreEffectRequest = [&](TPoint p) { restores.push_back(p); };
  rig.Board.WormEatingTime = 60;
  rig.Board.FruitRegenerateTime = 90;
  EXPECT_EQ(rig.Board.CountWorms(), 1);
  rig.Frames(2);
  EXPECT_EQ(rig.Board.BoardData().At(3, 1).Worm, 2) << "eaten: the line of three is no line";
  rig.Board.MatchElements();
  EXPECT_TRUE(rig.GroupRequests.empty());
  rig.Frames(3);
  ASSERT_EQ(restores.size(), 1u);
  rig.Board.RestoreEatenFruit({3, 1});
  ASSERT_EQ(rig.GroupRequests.size(), 1u) << "the restored piece completes its line";
}

TEST(SpawnRules, ToolItemsNeverExceedTheMaxToolKind) {
  TGameBoard board;
  board.LoadBoardData(BoardFromRows({"AB"}));
  board.SetAllowedElements(TElementSet{0b1111110});
  board.OneUniFruitEveryInterval = 0;
  board.OneMagicKeyEveryProb = board.OneBroomEveryProb = board.OneAerosolEveryProb = 1;
  board.MaxToolKind = toMagicKey;
  int keys = 0;
  for (int piece = 0; piece < 200; ++piece) {
    board.NewPiece({1, 1});
    const std::uint8_t element = board.ElementAt({1, 1});
    EXPECT_NE(element, ecBroomItem);
    EXPECT_NE(element, ecAerosolItem);
    keys += element == ecMagicKeyItem;
  }
  EXPECT_GT(keys, 0) << "the key does come";
}

}  // namespace
}  // namespace qm::testing
