#include "board/BoardSoak.h"
#include "board/MoveOracle.h"

#include <algorithm>
#include <memory>
#include <set>

#include "engine/GameRandom.h"

namespace qm::testing {

namespace {

constexpr int kSettleLimit = 20000;

std::string At(TPoint p) { return "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")"; }

// Cells whose web or chain the passes since the last grouping touched.
std::set<int> WornSince(const TBoardRig& rig, std::size_t from) {
  std::set<int> cells;
  for (std::size_t i = from; i < rig.Log.size(); ++i) {
    const std::string& line = rig.Log[i];
    int x = 0;
    int y = 0;
    if (std::sscanf(line.c_str(), "web (%d,%d)", &x, &y) == 2 || std::sscanf(line.c_str(), "chain (%d,%d)", &x, &y) == 2)
      cells.insert(CellIndex(x, y));
  }
  return cells;
}

struct TMove {
  TPoint A;
  TPoint B;
};

// Every special often, and worms that eat and are restored quickly.
void SwitchSpecialsOn(TGameBoard& board) {
  board.OneUniFruitEveryInterval = 20;
  board.MaxUniFruitOnBoard = 2;
  board.OneMultiBubbleEveryProb = 15;
  board.MaxMultiBubbleOnBoard = 2;
  board.OneHammerEveryProb = 15;
  board.MaxHammersOnBoard = 2;
  board.OneFruitBombEveryInterval = 8;
  board.MaxFruitBombsOnBoard = 4;
  board.OneMagicKeyEveryProb = board.OneBroomEveryProb = board.OneAerosolEveryProb = 60;
  board.WormEatingTime = 600;
  board.FruitRegenerateTime = 900;
  board.WaitingFairyRestoreInterval = 300;
}

void AddWorms(TGameBoard& board) {
  TBoardData data = board.BoardData();
  for (TBoardTile& tile : data.Tiles)
    if (tile.ObjectKind == okFruit && tile.Element >= ecFirstFruit && tile.Element <= ecLastFruit && Random(25) == 0)
      tile.Worm = 1;
  board.LoadBoardData(data);
}

// What a tool does to a random cell, as the tools would.
void UseATool(TGameBoard& board) {
  const TPoint p{Random(BoardColumns) + 1, Random(BoardRows) + 1};
  switch (Random(6)) {
    case 0:
      board.BombAt(p);
      break;
    case 1:
      board.BigBombAt(p);
      break;
    case 2:
      board.ClearLine(p, Random(2) == 0 ? ltHorizontal : ltVertical);
      break;
    case 3:
      board.HammerToolHit(p);
      break;
    case 4:
      if (board.IsPlainElement(p)) board.BlasterAt(p, {});
      break;
    default:
      board.MarkToolArea(p, TNewToolKind(Random(6) + 1));
      board.BanWormsInRect(board.Left, board.Top, board.Left + 8 * TileSize, board.Top + 6 * TileSize);
      break;
  }
}

}  // namespace

TRandomLevel RandomLevel() {
  TRandomLevel level;
  const int colours = 4 + Random(5);
  for (int code = 1; code <= colours; ++code) level.Allowed.set(code);
  if (Random(4) == 0) level.Allowed.set(13 + Random(4));
  const int holes = Random(4) == 0 ? 0 : Random(35);
  const int lockers = Random(40);
  const int blockers = Random(3) == 0 ? Random(6) : 0;
  const int chains = Random(12);
  const int webs = Random(12);
  level.Board = BoardFromRows({});
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& tile = level.Board.At(x, y);
      tile = TBoardTile{};
      tile.BlastElement = 1;
      const int kind = Random(100);
      tile.ObjectKind = kind < holes ? okUnused : kind < holes + blockers ? okBlocker : kind < holes + blockers + lockers ? okLocker : okFruit;
      tile.TileBack = static_cast<std::uint8_t>((x + y) % 2);
      tile.LockerColor = static_cast<std::uint8_t>(Random(3) + 1);
      tile.Element = static_cast<std::uint8_t>(Random(colours) + 1);
      if (Random(100) < chains) tile.ChainLock = static_cast<std::uint8_t>(Random(2) + 1);
      if (Random(100) < webs) tile.Web = 1;
      if (Random(150) == 0) tile.Element = Random(2) == 0 ? ecPotion1 : ecPotion2;
    }
  return level;
}

std::vector<std::string> RestProblems(const TBoardRig& rig, std::size_t lastPassLog) {
  std::vector<std::string> problems;
  const TGameBoard& board = rig.Board;
  const TBoardData& data = board.BoardData();
  if (rig.Busy()) problems.push_back("still moving");
  if (!board.IsQuiet()) problems.push_back("not quiet");
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& tile = data.At(x, y);
      const TTileState state = board.TileState({x, y});
      if ((state == tsVoid) != (tile.ObjectKind == okUnused)) problems.push_back("hole state at " + At({x, y}));
      if (tile.ObjectKind == okTempBlank) problems.push_back("empty cell at rest at " + At({x, y}));
      if (tile.IsLockerOrPiece() && (state == tsChained) != (tile.ChainLock != 0))
        problems.push_back("chain state at " + At({x, y}));
      if (tile.IsLockerOrPiece() && tile.Element == ecRepick) problems.push_back("unpicked piece at " + At({x, y}));
      if (tile.FallOffset != 0) problems.push_back("piece left mid-fall at " + At({x, y}));
    }
  // A line may stay at rest only where the last pass found every one of its
  // cells under a web or a chain, so it wore those down and cleared nothing.
  const std::set<int> worn = WornSince(rig, lastPassLog);
  for (int color = 1; color <= ecLastFlower; ++color) {
    const TSimpleObjectArray marks = board.FindLines(data, okFruit, color);
    for (int i = 0; i < BoardCells; ++i)
      if (marks.Cells[i] != 0 && data.Tiles[i].ChainLock == 0 && worn.count(i) == 0)
        problems.push_back("line of " + std::to_string(color) + " at rest at cell " + std::to_string(i));
  }
  return problems;
}

TSoakResult RunSoak(std::uint32_t seed, int moves, int movesPerRound, bool specials) {
  TSoakResult result;
  auto rig = std::make_unique<TBoardRig>();
  GameRandom().SetSeed(seed);
  std::uint32_t clock = seed;
  SetRandomizeClock([&clock] { return clock += 7919; });
  // Every report is checked against the board it was made on, then the
  // game's own regeneration runs.
  rig->Board.OnNoMoreMoves = [&, regenerate = rig->Board.OnNoMoreMoves] {
    ++result.NoMoreMoves;
    bool special = false;
    for (const TBoardTile& tile : rig->Board.BoardData().Tiles)
      special = special || (tile.ObjectKind == okFruit && (tile.Element == ecHammer || tile.Element == ecMultiBubble));
    if (OracleHasMove(rig->Board) || special) result.Problems.push_back("no more moves reported with a move left");
    regenerate();
  };
  auto settle = [&](const char* after) {
    const std::size_t logBefore = rig->Log.size();
    const int frames = rig->Settle(kSettleLimit);
    result.Frames += frames;
    if (frames >= kSettleLimit) result.Problems.push_back(std::string("no rest after ") + after);
    // The pass that matters is the last one that grouped nothing.
    std::size_t lastGroup = logBefore;
    for (std::size_t i = logBefore; i < rig->Log.size(); ++i)
      if (rig->Log[i].rfind("group", 0) == 0) lastGroup = i;
    for (const std::string& problem : RestProblems(*rig, lastGroup))
      result.Problems.push_back("seed " + std::to_string(seed) + " move " + std::to_string(result.Moves) + " after " +
                                after + ": " + problem);
  };

  for (int move = 0; move < moves && result.Problems.size() < 20; ++move) {
    if (move % movesPerRound == 0) {
      const TRandomLevel level = RandomLevel();
      rig->Log.clear();
      rig->StartRound(level.Board, level.Allowed);
      if (specials) {
        SwitchSpecialsOn(rig->Board);
        AddWorms(rig->Board);
      }
      rig->Board.MatchLockers();
      rig->Board.MatchElements();
      ++result.Rounds;
      settle("round start");
    }
    // Candidates: every swap that makes a line, and every legal pair.
    std::vector<TMove> lines;
    std::vector<TMove> pairs;
    std::vector<TPoint> uniFruits;
    std::vector<TPoint> specialPieces;
    const TBoardData& data = rig->Board.BoardData();
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        const TBoardTile& tile = data.At(x, y);
        if (tile.ObjectKind == okFruit && tile.Element == ecUniFruit && tile.Web == 0 && tile.ChainLock == 0)
          uniFruits.push_back({x, y});
        if (tile.ObjectKind == okFruit && (tile.Element == ecHammer || tile.Element == ecMultiBubble) &&
            tile.Web == 0 && tile.ChainLock == 0)
          specialPieces.push_back({x, y});
        for (TPoint n : {TPoint{x + 1, y}, TPoint{x, y + 1}}) {
          if (!IsOnBoard(n) || !tile.IsLockerOrPiece() || data.At(n).ObjectKind != tile.ObjectKind) continue;
          if (tile.Web || tile.ChainLock || data.At(n).Web || data.At(n).ChainLock) continue;
          pairs.push_back({{x, y}, n});
          if (rig->Board.IsHintMove({x, y}, n) || rig->Board.IsHintMove(n, {x, y})) lines.push_back({{x, y}, n});
        }
      }
    const int pick = Random(10);
    if (specials && pick == 2 && !specialPieces.empty()) {
      const TPoint p = specialPieces[Random(static_cast<int>(specialPieces.size()))];
      rig->Click(p);
      rig->Click(p);
      ++result.SpecialClicks;
    } else if (specials && pick == 3) {
      UseATool(rig->Board);
      ++result.ToolUses;
    } else if (pick == 0 && !uniFruits.empty()) {
      const TPoint p = uniFruits[Random(static_cast<int>(uniFruits.size()))];
      rig->Click(p);
      rig->Click(p);
    } else if (pick == 1 && !pairs.empty()) {
      const TMove m = pairs[Random(static_cast<int>(pairs.size()))];
      rig->Click(m.A);
      rig->Click(m.B);
    } else if (!lines.empty()) {
      const TMove m = lines[Random(static_cast<int>(lines.size()))];
      rig->Drag(m.A, m.B);
    } else {
      rig->Board.CheckNoMoreMoves();
      settle("no more moves");
    }
    // An impatient player swaps again while the last move still clears
    // and falls.
    if (Random(3) == 0 && !pairs.empty()) {
      rig->Frames(1 + Random(12));
      const TMove m = pairs[Random(static_cast<int>(pairs.size()))];
      rig->Click(m.A);
      rig->Click(m.B);
    }
    ++result.Moves;
    settle("move");
  }
  result.Regenerations = rig->Regenerations;
  SetRandomizeClock(nullptr);
  return result;
}

}  // namespace qm::testing
