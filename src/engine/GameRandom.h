#pragma once

#include <cstdint>

namespace qm {

// The game's one random generator, the classic 32-bit LCG: every draw the
// seed becomes seed * 134775813 + 1 and Random(n) is the high half of
// seed * n. One shared seed keeps a seeded game replayable draw for draw.
namespace detail {
inline std::uint32_t GameRandSeed = 0;
}

inline std::uint32_t RandSeed() { return detail::GameRandSeed; }
inline void SetRandSeed(std::uint32_t seed) { detail::GameRandSeed = seed; }

// 0 .. n - 1; 0 when n is not positive (the seed still advances).
inline int Random(int n) {
  detail::GameRandSeed = detail::GameRandSeed * 134775813u + 1u;
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(detail::GameRandSeed) * static_cast<std::uint32_t>(n)) >> 32);
}

}  // namespace qm
