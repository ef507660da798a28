#include <gtest/gtest.h>

#include <memory>

#include "board/BoardSoak.h"
#include "board/MoveOracle.h"
#include "engine/GameRandom.h"

namespace qm::testing {
namespace {

std::string FirstOf(const std::vector<std::string>& problems) { return problems.empty() ? "" : problems.front(); }

TEST(BoardsAtRest, EveryShapeComesToRestWithoutALineTheNextPassWouldClear) {
  SetRandomizeClock([] { return 5u; });
  for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
    GameRandom().SetSeed(seed);
    const TRandomLevel level = RandomLevel();
    auto rig = std::make_unique<TBoardRig>();
    rig->Board.SetAllowedElements(level.Allowed);
    rig->Load(level.Board);
    rig->Board.MatchLockers();
    rig->Board.MatchElements();
    const int frames = rig->Settle(20000);
    ASSERT_LT(frames, 20000) << "seed " << seed;
    std::size_t lastGroup = 0;
    for (std::size_t i = 0; i < rig->Log.size(); ++i)
      if (rig->Log[i].rfind("group", 0) == 0) lastGroup = i;
    const std::vector<std::string> problems = RestProblems(*rig, lastGroup);
    ASSERT_TRUE(problems.empty()) << "seed " << seed << ": " << FirstOf(problems);
  }
  SetRandomizeClock(nullptr);
}

TEST(BoardsAtRest, ABoardWithoutWebsOrChainsRestsWithNoLineAtAll) {
  for (std::uint32_t seed = 1; seed <= 500; ++seed) {
    GameRandom().SetSeed(seed);
    TRandomLevel level = RandomLevel();
    for (TBoardTile& tile : level.Board.Tiles) tile.Web = tile.ChainLock = 0;
    auto rig = std::make_unique<TBoardRig>();
    rig->Board.SetAllowedElements(level.Allowed);
    rig->Load(level.Board);
    rig->Board.MatchLockers();
    rig->Board.MatchElements();
    rig->Settle(20000);
    const TBoardData& data = rig->Board.BoardData();
    for (int color = 1; color <= 16; ++color)
      ASSERT_FALSE(rig->Board.FindLines(data, okFruit, color).Any()) << "seed " << seed << " colour " << color;
  }
}

TEST(BoardsAtRest, EveryHintIsASwapThatClearsALine) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    GameRandom().SetSeed(seed);
    TRandomLevel level = RandomLevel();
    auto rig = std::make_unique<TBoardRig>();
    rig->Board.SetAllowedElements(level.Allowed);
    rig->Load(level.Board);
    rig->Board.MatchLockers();
    rig->Board.MatchElements();
    rig->Settle(20000);
    rig->Frames(400);
    if (!rig->Board.HintVisible()) continue;
    const std::size_t groups = rig->GroupRequests.size() + rig->OpenRequests.size();
    rig->Drag(rig->Board.HintTileA(), rig->Board.HintTileB());
    ASSERT_NE(rig->Log.back().find(" match"), std::string::npos) << "seed " << seed;
    rig->SettleEffects();
    EXPECT_EQ(rig->SwapBacks, 0) << "seed " << seed;
    EXPECT_GT(rig->GroupRequests.size() + rig->OpenRequests.size(), groups) << "seed " << seed;
  }
}

TEST(BoardsAtRest, AShortPlayKeepsEveryRuleAndEveryNoMoreMovesReportIsTrue) {
  const TSoakResult result = RunSoak(99, 300, 25);
  EXPECT_EQ(FirstOf(result.Problems), "");
  EXPECT_EQ(result.Moves, 300);
  EXPECT_EQ(result.Rounds, 12);
  EXPECT_GT(result.NoMoreMoves, 0);
  EXPECT_EQ(result.Regenerations, result.NoMoreMoves);
}

TEST(BoardsAtRest, APlayFullOfSpecialsWormsAndToolsKeepsEveryRule) {
  const TSoakResult result = RunSoak(7, 300, 25, /*specials=*/true);
  EXPECT_EQ(FirstOf(result.Problems), "");
  EXPECT_EQ(result.Moves, 300);
  EXPECT_GT(result.SpecialClicks, 0);
  EXPECT_GT(result.ToolUses, 0);
}

TEST(BoardsAtRest, NoMoreMovesIsReportedExactlyWhenNoSwapMakesALineAndNoHammerOrBubbleIsLeft) {
  int reported = 0;
  for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
    GameRandom().SetSeed(seed);
    TRandomLevel level = RandomLevel();
    // Few colours on small shapes run out of moves often.
    level.Allowed.reset();
    for (int code = 1; code <= 3 + static_cast<int>(seed % 3); ++code) level.Allowed.set(code);
    for (TBoardTile& tile : level.Board.Tiles) {
      tile.Element = static_cast<std::uint8_t>(Random(3 + static_cast<int>(seed % 3)) + 1);
      if (Random(300) == 0) tile.Element = Random(2) == 0 ? ecHammer : ecMultiBubble;
    }
    auto rig = std::make_unique<TBoardRig>();
    rig->Board.SetAllowedElements(level.Allowed);
    rig->Load(level.Board);
    rig->Board.MatchLockers();
    rig->Board.MatchElements();
    rig->Settle(20000);
    int reports = 0;
    rig->Board.OnNoMoreMoves = [&] { ++reports; };
    rig->Board.CheckNoMoreMoves();
    bool clickable = false;
    for (const TBoardTile& tile : rig->Board.BoardData().Tiles)
      clickable = clickable || (tile.ObjectKind == okFruit && (tile.Element == ecHammer || tile.Element == ecMultiBubble));
    const bool move = OracleHasMove(rig->Board);
    ASSERT_EQ(reports == 1, !move && !clickable) << "seed " << seed;
    reported += reports;
  }
  EXPECT_GT(reported, 0);
}

}  // namespace
}  // namespace qm::testing
