#pragma once

#include <cstdint>

namespace qm {

// The decoration's own random stream. Effects never draw from the game's
// generator, so a seed plays the same game whether they run or not.
class TEffectRandom {
 public:
  explicit TEffectRandom(std::uint32_t seed = 0x2545F491u) : FState(seed ? seed : 1) {}

  // 0 to n - 1; 0 for n <= 0.
  int Below(int n);
  // A float from low up to high.
  float Range(float low, float high);

 private:
  std::uint32_t Next();
  std::uint32_t FState;
};

// The stream every effect draws from.
TEffectRandom& EffectRandom();

}  // namespace qm
