// The levels of the content pack can be played: every board the round
// set-up makes offers a move and shows no line before the first one, and the
// first level can be cleared through the shell by clicking.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "board/RoundPlay.h"
#include "engine/GameRandom.h"
#include "rules/DefaultLevels.h"
#include "rules/LevelParams.h"
#include "shell/HeadlessDriver.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

const fs::path kGame = QUILLMERE_GAME_DIR;

// Set-ups checked per level: each round reseeds the board, so one draw says
// little about the next.
constexpr int kSetUpsPerLevel = 12;

// Reseeds from a counter while it lives, then puts back the fixed seed the
// tests share.
class TCountingReseeds {
 public:
  TCountingReseeds() {
    Randomize();
    FShared = GameRandom().Seed();
    SetRandomizeClock([draw = 0u]() mutable { return 1000u + 7919u * draw++; });
  }
  ~TCountingReseeds() {
    SetRandomizeClock([seed = FShared] { return seed; });
    GameRandom().SetSeed(FShared);
  }

 private:
  std::uint32_t FShared = 0;
};

TEST(LevelSetUp, EveryLevelOffersAMoveAndNoLineAtRest) {
  TCountingReseeds reseeds;
  for (const TLevelDesign& design : DefaultLevels()) {
    std::string name = LevelFileName(design.Island, design.Level);
    TLevelParams params;
    params.LevelFilesPath = kGame / "Levels";
    ASSERT_TRUE(params.Load(design.Island, design.Level)) << name;
    for (int setUp = 0; setUp < kSetUpsPerLevel; ++setUp) {
      // The round's own set-up, played until the first board stands still.
      TRoundPlay play;
      play.StartRound(params.Record().BoardSetUp(false));
      for (int frame = 0; frame < 2000 && play.Moving(); ++frame) {
        play.TickBoardLayer();
        play.TickEffectsLayer();
        play.TickBlastsLayer();
      }
      TPoint a, b;
      EXPECT_TRUE(play.Board->FindMove(a, b)) << name << " set-up " << setUp << " has no move";
      EXPECT_FALSE(play.Board->AnyLine(play.Board->BoardData())) << name << " set-up " << setUp << " has a line at rest";
    }
  }
}

// Play from the menu at the resume point a saved player at that level
// would bring, until the round is cleared.
bool ClearByClicking(THeadlessDriver& driver, int island, int level, int maxTicks) {
  driver.Form().Progress.NextUncompletedIslandIdx = island;
  driver.Form().Progress.NextUncompletedLevelIdx = level;
  driver.Form().MapIslands->Unlock(island);
  driver.Form().MapIslands->SelectUpTo(island);
  driver.Form().MapIslands->MarkPlayed();
  return driver.ClearRoundFromMenu(maxTicks);
}

TEST(LevelPlay, TheFirstLevelIsClearedByClickingHintMoves) {
  testing::TTempFolder saves;
  THeadlessDriver driver({.ProgramFolder = kGame, .SaveRoot = saves.Path()});
  ASSERT_TRUE(driver.Start());
  ASSERT_TRUE(driver.ReachMenu(2000));
  ASSERT_TRUE(ClearByClicking(driver, 1, 1, 6000));
  EXPECT_EQ(driver.Form().Progress.IslandIdx, 1);
  EXPECT_EQ(driver.Form().Progress.LevelIdx, 1);
  EXPECT_GT(driver.Form().TotalScore->Value(), 0);

  ASSERT_TRUE(driver.LeaveResult(600)) << "OK on the result window opens the upgrade scene";
  ASSERT_TRUE(driver.PressBookPlay(600));
  EXPECT_TRUE(driver.WaitForScene(gsObjectiveInfo, 200)) << "the book's Play opens the next round";
  EXPECT_EQ(driver.Form().Progress.LevelIdx, 2);
}

TEST(LevelPlay, GoldTilesWornOffCountTowardsTheirTarget) {
  testing::TTempFolder saves;
  THeadlessDriver driver({.ProgramFolder = kGame, .SaveRoot = saves.Path()});
  ASSERT_TRUE(driver.Start());
  ASSERT_TRUE(driver.ReachMenu(2000));
  // Island 3 opens with gold tiles as its only target besides fruit.
  ASSERT_TRUE(ClearByClicking(driver, 3, 1, 8000));
  EXPECT_EQ(driver.Form().ElementGather->Remaining(ieGoldTile1), 0);
  EXPECT_EQ(driver.Form().RoundPlay->LockerFrames->FramesLeft(), 0);
}

}  // namespace
}  // namespace qm
