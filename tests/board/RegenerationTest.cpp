#include <gtest/gtest.h>

#include <memory>

#include "board/BoardRig.h"
#include "engine/GameRandom.h"

namespace qm::testing {
namespace {

TBoardData NoMoveBoard() { return BoardFromRows({"ABCD", "CDAB", "ABCD", "CDAB"}); }

// What a regeneration keeps: how many lockers and free pieces there are and
// which specials; where the potions, chains and holes are.
struct TPieces {
  int Lockers = 0;
  int Pieces = 0;
  int Hammers = 0;
  int UniFruits = 0;
  int MultiBubbles = 0;
  int FruitBombs = 0;
  friend bool operator==(const TPieces&, const TPieces&) = default;
};

TPieces PiecesOf(const TBoardData& data) {
  TPieces p;
  for (const TBoardTile& tile : data.Tiles) {
    if (!tile.IsLockerOrPiece()) continue;
    (tile.ObjectKind == okLocker ? p.Lockers : p.Pieces)++;
    p.Hammers += tile.Element == ecHammer;
    p.UniFruits += tile.Element == ecUniFruit;
    p.MultiBubbles += tile.Element == ecMultiBubble;
    p.FruitBombs += tile.FruitBomb != 0;
  }
  return p;
}

void ExpectFixedCellsKept(const TBoardData& before, const TBoardData& after) {
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& a = before.Tiles[i];
    const TBoardTile& b = after.Tiles[i];
    SCOPED_TRACE(::testing::Message() << "cell " << i);
    EXPECT_EQ(a.ObjectKind == okUnused, b.ObjectKind == okUnused);
    EXPECT_EQ(a.IsLockerOrPiece(), b.IsLockerOrPiece());
    if (a.IsLockerOrPiece()) {
      EXPECT_EQ(a.ChainLock, b.ChainLock);
    }
    if (a.IsPotion()) {
      EXPECT_EQ(a.Element, b.Element);
    }
    EXPECT_EQ(b.Web, 0);
    EXPECT_EQ(b.Worm, 0);
    EXPECT_NE(b.Element, ecRepick);
  }
}

TEST(Regeneration, ABoardWithoutMovesIsReportedAndReplacedByOneWithTheSamePiecesAndNoLine) {
  GameRandom().SetSeed(31);
  SetRandomizeClock([] { return 31u; });
  TBoardRig rig;
  rig.Load(NoMoveBoard());
  rig.Frames(667);
  ASSERT_EQ(rig.NoMoreMovesReports, 1);
  // The board hides while the shuffle plays.
  EXPECT_FALSE(rig.Board.CanDraw);
  EXPECT_TRUE(rig.ShuffleAway.IsRunning());
  rig.Settle();
  SetRandomizeClock(nullptr);
  ASSERT_EQ(rig.Regenerations, 1);
  EXPECT_TRUE(rig.Board.CanDraw);
  EXPECT_FALSE(rig.Board.NoMoreMovesReported());
  EXPECT_EQ(PiecesOf(rig.Regenerated), PiecesOf(NoMoveBoard()));
  EXPECT_FALSE(rig.Board.AnyLine(rig.Regenerated));
  EXPECT_TRUE(rig.GroupRequests.empty());
}

TEST(Regeneration, ShuffleTakesTheOldBoardAwayAndBringsTheNewOneInWithinTwoSeconds) {
  TBoardRig rig;
  rig.Load(NoMoveBoard());
  rig.Board.CheckNoMoreMoves();
  const int frames = rig.Settle();
  EXPECT_EQ(rig.Regenerations, 1);
  // 600 ms shake, 12 + 12 frames out and in, 250 ms shake.
  EXPECT_EQ(frames, 20 + 12 + 12 + 9);
}

TEST(Regeneration, SpecialsPotionsChainsAndHolesStayAndWebsAndWormsGo) {
  GameRandom().SetSeed(32);
  TBoardData data = BoardFromRows({
      "ABCDEFABCDEF",
      "x*uCmxyzAq.B",
      "CDEF#BCDyzxF",
      "EFAB.DEFABCr",
  });
  data.At(1, 1).FruitBomb = 1;
  data.At(2, 1).ChainLock = 2;
  data.At(3, 1).Web = 1;
  data.At(4, 1).Worm = 1;
  data.At(6, 3).ChainLock = 1;
  TGameBoard board;
  TElementSet allowed;
  for (int code = 1; code <= 6; ++code) allowed.set(code);
  board.SetAllowedElements(allowed);
  board.LoadBoardData(data);
  TBoardData fresh;
  board.GenerateShuffledBoard(fresh);
  ExpectFixedCellsKept(board.BoardData(), fresh);
  EXPECT_EQ(PiecesOf(fresh), PiecesOf(board.BoardData()));
  EXPECT_EQ(fresh.At(10, 2).Element, ecPotion1);
  EXPECT_EQ(fresh.At(12, 4).Element, ecPotion2);
  EXPECT_FALSE(board.AnyLine(fresh));
}

TEST(Regeneration, ARevealUnderWayEndsWithTheOldBoard) {
  TBoardRig rig;
  rig.Load(BoardFromRows({"uBCD", "CDAB", "ABCD"}));
  rig.Click({1, 1});
  ASSERT_TRUE(rig.Board.UniRevealPending());
  rig.Play.Regenerate();
  while (rig.Regenerations == 0 && rig.FramesRun < 500) rig.Frame();
  EXPECT_FALSE(rig.Board.UniRevealPending());
}

TEST(Regeneration, FreePiecesGoToTheColumnDrawnFirstAndTheRowDrawnSecond) {
  // A full board of lockers and one free piece: the first cell drawn after
  // the reseed takes the piece.
  TBoardData data = BoardFromRows({});
  for (TBoardTile& tile : data.Tiles) tile = BoardFromRows({"x"}).At(1, 1);
  data.At(1, 1) = BoardFromRows({"A"}).At(1, 1);
  TGameBoard board;
  TElementSet allowed;
  for (int code = 1; code <= 5; ++code) allowed.set(code);
  board.SetAllowedElements(allowed);
  board.LoadBoardData(data);
  SetRandomizeClock([] { return 2024u; });
  TBoardData fresh;
  board.GenerateShuffledBoard(fresh);
  SetRandomizeClock(nullptr);
  TGameRandom draws(2024);
  const int column = draws.Random(BoardColumns) + 1;
  const int row = draws.Random(BoardRows) + 1;
  EXPECT_EQ(fresh.At(column, row).ObjectKind, okFruit) << column << "," << row;
}

TEST(Regeneration, AnUnusedCellKeepsItsPlaceAndItsBackgroundAndABlockerStays) {
  TGameBoard board;
  TElementSet allowed;
  for (int code = 1; code <= 5; ++code) allowed.set(code);
  board.SetAllowedElements(allowed);
  board.LoadBoardData(BoardFromRows({"AB.oC", "CD#EA"}));
  TBoardData fresh;
  board.GenerateShuffledBoard(fresh);
  EXPECT_EQ(RowOf(fresh, 1).substr(2, 2), ".o");
  EXPECT_EQ(RowOf(fresh, 2)[2], '#');
}

// Boards where no arrangement avoids a line: generation still ends, every
// cell gets a real colour and the kept pieces stay as they were. The shell's
// passes after loading clear whatever line is left.
TEST(Regeneration, ACrampedBoardStillGetsABoardInBoundedTime) {
  for (int colours : {1, 2}) {
    TGameBoard board;
    TElementSet allowed;
    for (int code = 1; code <= colours; ++code) allowed.set(code);
    board.SetAllowedElements(allowed);
    TBoardData data = BoardFromRows({});
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        TBoardTile& tile = data.At(x, y);
        tile.ObjectKind = (x + y) % 5 == 0 ? okLocker : okFruit;
        tile.LockerColor = 1;
        tile.Element = 1;
        tile.ChainLock = (x * y) % 7 == 0 ? 1 : 0;
      }
    board.LoadBoardData(data);
    TBoardData fresh;
    board.GenerateShuffledBoard(fresh);
    ExpectFixedCellsKept(board.BoardData(), fresh);
    const TPieces before = PiecesOf(board.BoardData());
    const TPieces after = PiecesOf(fresh);
    EXPECT_EQ(after.Lockers + after.Pieces, before.Lockers + before.Pieces);
    EXPECT_GE(after.Pieces, before.Pieces);
  }
}

TEST(Regeneration, WithNoAllowedCodeEveryPieceStillGetsAFruit) {
  TGameBoard board;
  board.SetAllowedElements(TElementSet{});
  board.LoadBoardData(NoMoveBoard());
  TBoardData fresh;
  board.GenerateShuffledBoard(fresh);
  ExpectFixedCellsKept(board.BoardData(), fresh);
}

TEST(Regeneration, MoreSpecialsThanFreePiecesTakeLockers) {
  TGameBoard board;
  TElementSet allowed;
  for (int code = 1; code <= 6; ++code) allowed.set(code);
  board.SetAllowedElements(allowed);
  TBoardData data = BoardFromRows({"xyzxyz", "zxyzxy", "*....."});
  data.At(1, 1).Element = ecUniFruit;
  data.At(2, 1).Element = ecMultiBubble;
  board.LoadBoardData(data);
  TBoardData fresh;
  board.GenerateShuffledBoard(fresh);
  const TPieces after = PiecesOf(fresh);
  EXPECT_EQ(after.Hammers, 1);
  EXPECT_EQ(after.UniFruits, 1);
  EXPECT_EQ(after.MultiBubbles, 1);
  EXPECT_EQ(after.Pieces, 3);
  EXPECT_EQ(after.Lockers, 10);
}

TEST(Regeneration, ManyShapesKeepTheirPiecesAndComeWithoutALine) {
  SetRandomizeClock([] { return 77u; });
  int withLine = 0;
  for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
    GameRandom().SetSeed(seed);
    auto board = std::make_unique<TGameBoard>();
    TElementSet allowed;
    const int colours = 5 + Random(4);
    for (int code = 1; code <= colours; ++code) allowed.set(code);
    board->SetAllowedElements(allowed);
    TBoardData data = BoardFromRows({});
    const int holes = Random(30);
    for (TBoardTile& tile : data.Tiles) {
      const int kind = Random(100);
      tile.ObjectKind = kind < holes ? okUnused : kind < holes + 5 ? okBlocker : kind < 80 ? okFruit : okLocker;
      tile.LockerColor = static_cast<std::uint8_t>(Random(3) + 1);
      tile.Element = static_cast<std::uint8_t>(Random(colours) + 1);
      if (Random(8) == 0) tile.ChainLock = static_cast<std::uint8_t>(Random(2) + 1);
      if (Random(10) == 0) tile.Web = 1;
      if (Random(60) == 0) tile.Element = ecPotion1;
      if (Random(80) == 0) tile.Element = ecHammer;
      if (Random(80) == 0) tile.FruitBomb = 1;
    }
    board->LoadBoardData(data);
    TBoardData fresh;
    board->GenerateShuffledBoard(fresh);
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    ExpectFixedCellsKept(board->BoardData(), fresh);
    const TPieces before = PiecesOf(board->BoardData());
    const TPieces after = PiecesOf(fresh);
    EXPECT_EQ(after.Lockers + after.Pieces, before.Lockers + before.Pieces);
    EXPECT_EQ(after.Hammers, before.Hammers);
    EXPECT_EQ(after.FruitBombs, before.FruitBombs);
    // A locker hemmed in by all three locker colours becomes a piece.
    EXPECT_GE(after.Pieces, before.Pieces);
    withLine += board->AnyLine(fresh) ? 1 : 0;
  }
  SetRandomizeClock(nullptr);
  EXPECT_EQ(withLine, 0);
}

}  // namespace
}  // namespace qm::testing
