#include "effects/EffectRandom.h"

namespace qm {

std::uint32_t TEffectRandom::Next() {
  // xorshift32: cheap, and unrelated to the game's generator.
  FState ^= FState << 13;
  FState ^= FState >> 17;
  FState ^= FState << 5;
  return FState;
}

int TEffectRandom::Below(int n) { return n <= 0 ? 0 : int(Next() % std::uint32_t(n)); }

float TEffectRandom::Range(float low, float high) {
  return low + (high - low) * float(Next() >> 8) / float(1u << 24);
}

TEffectRandom& EffectRandom() {
  static TEffectRandom random;
  return random;
}

}  // namespace qm
