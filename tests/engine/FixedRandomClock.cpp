// Every test starts from the same random sequence: boards reseed the game's
// generator from a clock, and tests must not depend on when they run.
#include <gtest/gtest.h>

#include "engine/GameRandom.h"

namespace qm {
namespace {

class TFixedRandomClock : public ::testing::Environment {
 public:
  void SetUp() override { SetRandomizeClock([] { return 20261207u; }); }
};

const auto* const kFixedRandomClock = ::testing::AddGlobalTestEnvironment(new TFixedRandomClock);

}  // namespace
}  // namespace qm
