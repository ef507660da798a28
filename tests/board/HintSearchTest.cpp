#include <gtest/gtest.h>

#include <memory>

#include "board/BoardRig.h"
#include "board/BoardSoak.h"
#include "board/MoveOracle.h"
#include "engine/GameRandom.h"

namespace qm::testing {
namespace {

// The hint search, against the rule written out independently on boards
// that hold lines already, busy cells, eaten pieces, potions and odd codes.
TEST(HintSearch, TheSearchAgreesWithTheRuleOnEverySwapOfManyBoards) {
  long long pairs = 0;
  long long moves = 0;
  for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
    GameRandom().SetSeed(seed);
    TRandomLevel level = RandomLevel();
    for (TBoardTile& tile : level.Board.Tiles) {
      if (Random(30) == 0) tile.Worm = 2;
      if (Random(200) == 0) tile.Element = static_cast<std::uint8_t>(Random(256));
    }
    auto rig = std::make_unique<TBoardRig>();
    rig->Board.SetAllowedElements(level.Allowed);
    rig->Load(level.Board);
    // Half the boards are caught mid-clear: grouped, opening and falling
    // cells beside lines that are still there.
    if (seed % 2 == 0) {
      rig->Board.MatchLockers();
      rig->Board.MatchElements();
      rig->Frames(static_cast<int>(seed % 17));
    }
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y)
        for (TPoint n : {TPoint{x - 1, y}, TPoint{x + 1, y}, TPoint{x, y - 1}, TPoint{x, y + 1}}) {
          const bool quick = rig->Board.IsHintMove({x, y}, n);
          ASSERT_EQ(quick, OracleIsHintMove(rig->Board, {x, y}, n))
              << "seed " << seed << " (" << x << "," << y << ") to (" << n.X << "," << n.Y << ")";
          ++pairs;
          moves += quick;
        }
    TPoint a;
    TPoint b;
    const bool found = rig->Board.FindMove(a, b);
    ASSERT_EQ(found, OracleHasMove(rig->Board)) << "seed " << seed;
    if (found) {
      EXPECT_TRUE(OracleIsHintMove(rig->Board, a, b)) << "seed " << seed;
    }
  }
  EXPECT_GT(moves, pairs / 50);
}

}  // namespace
}  // namespace qm::testing
