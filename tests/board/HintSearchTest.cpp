#include <gtest/gtest.h>

#include <memory>

#include "board/BoardRig.h"
#include "board/BoardSoak.h"
#include "engine/GameRandom.h"

namespace qm::testing {
namespace {

// The hint search checks each candidate swap only around the two cells it
// changes; these boards hold lines already, busy cells, eaten pieces,
// potions and odd codes, so the shortcut meets everything the full check
// on a swapped copy would.
TEST(HintSearch, TheQuickCheckAgreesWithTheFullCheckOnEverySwapOfManyBoards) {
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
          ASSERT_EQ(quick, rig->Board.IsHintMoveByFullScan({x, y}, n))
              << "seed " << seed << " (" << x << "," << y << ") to (" << n.X << "," << n.Y << ")";
          ++pairs;
          moves += quick;
        }
    for (std::uint32_t start = 0; start < 4; ++start) {
      TPoint a;
      TPoint b;
      TPoint a2;
      TPoint b2;
      GameRandom().SetSeed(seed * 4 + start);
      const bool found = rig->Board.FindMove(a, b);
      GameRandom().SetSeed(seed * 4 + start);
      ASSERT_EQ(found, rig->Board.FindMoveByFullScan(a2, b2)) << "seed " << seed;
      EXPECT_EQ(a, a2);
      EXPECT_EQ(b, b2);
    }
  }
  EXPECT_GT(moves, pairs / 50);
}

}  // namespace
}  // namespace qm::testing
