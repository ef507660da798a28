#include "engine/GameRandom.h"

#include <chrono>
#include <utility>

namespace qm {

namespace {

constexpr std::uint32_t kMultiplier = 134775813;

std::uint32_t SystemMilliseconds() {
  auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

TRandomizeClock& RandomizeClock() {
  static TRandomizeClock clock = SystemMilliseconds;
  return clock;
}

}  // namespace

std::int32_t TGameRandom::Random(std::int32_t n) {
  FSeed = FSeed * kMultiplier + 1;
  if (n <= 0) return 0;
  std::uint64_t product = static_cast<std::uint64_t>(FSeed) * static_cast<std::uint64_t>(n);
  return static_cast<std::int32_t>(product >> 32);
}

TGameRandom& GameRandom() {
  static TGameRandom generator;
  return generator;
}

std::int32_t Random(std::int32_t n) { return GameRandom().Random(n); }

void Randomize() { GameRandom().SetSeed(RandomizeClock()()); }

void SetRandomizeClock(TRandomizeClock clock) {
  RandomizeClock() = clock ? std::move(clock) : TRandomizeClock(SystemMilliseconds);
}

}  // namespace qm
