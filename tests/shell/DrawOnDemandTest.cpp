// Whole-game tests run their ticks without rasterising and draw only the
// frames they read: what the game does never depends on what was drawn.
#include <gtest/gtest.h>

#include "engine/GameRandom.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::THeadlessGame;

// A round from the splash, a few moves, then the frame.
TRgbaImage FrameOfARound(bool drawEveryTick) {
  GameRandom().SetSeed(7);
  THeadlessGame game({.Rendering = true, .WithContent = true, .DrawEveryTick = drawEveryTick});
  game.StartAsPlayerWithoutTutorials("ANN");
  game.Form().StartLevel();
  EXPECT_TRUE(game.RunUntilScene(gsObjectiveInfo, 100));
  game.RunTicks(30);
  game.Click(683, 384);
  for (int moves = 0, tick = 0; moves < 2 && tick < 600; ++tick) {
    moves += game.Driver().MakeHintMove() ? 1 : 0;
    game.RunTicks(1);
  }
  game.RunTicks(7);
  return game.Frame().value_or(TRgbaImage{});
}

TEST(DrawOnDemand, AFrameDrawnAloneIsTheFrameOfAGameDrawnEveryTick) {
  const TRgbaImage alone = FrameOfARound(false);
  const TRgbaImage everyTick = FrameOfARound(true);
  ASSERT_EQ(alone.Width, 1366);
  ASSERT_EQ(everyTick.Width, alone.Width);
  ASSERT_EQ(everyTick.Height, alone.Height);
  EXPECT_TRUE(alone.Pixels == everyTick.Pixels) << "the frames differ";
}

}  // namespace
}  // namespace qm
