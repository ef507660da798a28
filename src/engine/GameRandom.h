#pragma once

#include <cstdint>
#include <functional>

namespace qm {

// The game's one random sequence: a 32-bit linear congruential generator
// (seed := seed * 134775813 + 1). A draw of Random(n) is the high half of
// the 64-bit product of the new seed and n, so a given seed always yields
// the same draws; tests and replays pin the seed to repeat a game.
class TGameRandom {
 public:
  explicit TGameRandom(std::uint32_t seed = 0) : FSeed(seed) {}

  std::uint32_t Seed() const { return FSeed; }
  void SetSeed(std::uint32_t value) { FSeed = value; }

  // 0 to n - 1. The seed advances on every draw, also for n <= 0, which
  // yields 0.
  std::int32_t Random(std::int32_t n);

 private:
  std::uint32_t FSeed;
};

// The generator every component draws from. It starts at seed 0.
TGameRandom& GameRandom();

// A draw from the shared generator.
std::int32_t Random(std::int32_t n);

// Reseeds the shared generator from the clock source.
void Randomize();

// The clock Randomize reads. Defaults to the system's monotonic clock in
// milliseconds; tests and replays install a fixed one. An empty function
// restores the default.
using TRandomizeClock = std::function<std::uint32_t()>;
void SetRandomizeClock(TRandomizeClock clock);

}  // namespace qm
