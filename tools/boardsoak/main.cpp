// Plays random moves on random boards until the count is reached, checking
// the board's rules each time it comes to rest, and prints the speed.
//
//   quillmere-boardsoak [moves] [seed] [specials]
//
// With a third argument "specials" every special piece spawns often, worms
// are written into each level, special pieces are clicked and the tools'
// area clears are set off.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "board/BoardSoak.h"

int main(int argc, char** argv) {
  const int moves = argc > 1 ? std::atoi(argv[1]) : 10000;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 2024);
  const auto start = std::chrono::steady_clock::now();
  const bool specials = argc > 3 && std::string(argv[3]) == "specials";
  const qm::testing::TSoakResult result = qm::testing::RunSoak(seed, moves, 40, specials);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("moves %d, levels %d, no-more-moves %d, regenerations %d, special clicks %d, tools %d, frames %lld\n",
              result.Moves, result.Rounds, result.NoMoreMoves, result.Regenerations, result.SpecialClicks,
              result.ToolUses, result.Frames);
  std::printf("%.2f s, %.0f moves per second, %.0f frames per second\n", seconds, result.Moves / seconds,
              static_cast<double>(result.Frames) / seconds);
  for (const std::string& problem : result.Problems) std::printf("problem: %s\n", problem.c_str());
  return result.Problems.empty() && result.Moves == moves ? 0 : 1;
}
