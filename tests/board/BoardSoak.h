#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board/BoardRig.h"

namespace qm::testing {

// A random board of the given seed's shape: holes, blockers, lockers,
// chains, webs and potions in varying amounts, and its allowed elements.
struct TRandomLevel {
  TBoardData Board{};
  TElementSet Allowed;
};
TRandomLevel RandomLevel();

// What must hold whenever the rig has come to rest; each breach is
// described in one line.
std::vector<std::string> RestProblems(const TBoardRig& rig, std::size_t lastPassLog);

struct TSoakResult {
  int Moves = 0;
  int Rounds = 0;
  int NoMoreMoves = 0;
  int Regenerations = 0;
  // Special pieces clicked and tools set off.
  int SpecialClicks = 0;
  int ToolUses = 0;
  long long Frames = 0;
  std::vector<std::string> Problems;
};

// Plays `moves` random moves the way a player could: mostly swaps that make
// a line, now and then one that slides back, a uni fruit clicked when there
// is one; a new level every `movesPerRound` moves. When no move is left the
// board is asked at once instead of after twenty idle seconds. After each
// move the rig runs until it rests and the rest is checked. With specials,
// every special piece spawns often, worms are written into each level, the
// special pieces are clicked and the tools' area clears are set off.
TSoakResult RunSoak(std::uint32_t seed, int moves, int movesPerRound = 40, bool specials = false);

}  // namespace qm::testing
