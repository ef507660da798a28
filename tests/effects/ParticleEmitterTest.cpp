#include "effects/ParticleEmitter.h"

#include <gtest/gtest.h>

#include "engine/EffectsMode.h"
#include "engine/GameRandom.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

class ParticleKinds : public ::testing::TestWithParam<TParticleKind> {
 protected:
  ParticleKinds() {
    for (const char* name : {"ScreenDustEffect", "DustParticle", "SparkleStar", "LittleStars", "Confetti",
                             "CyanParticle", "BubbleInside", "DiamondButterfly1"})
      screen.AddPicture(name, 96, 96, 3, 3);
    emitter.OmgImgList = &screen.List;
    emitter.Left = 600;
    emitter.Top = 300;
  }
  ~ParticleKinds() override { ReducedDecoration = false; }

  TSpriteRecorder screen;
  TParticleEmitter emitter{GetParam()};
};

TEST_P(ParticleKinds, ABurstIsBornDrawnAndGoneAfterItsLifeWithOneEndEvent) {
  const TParticleRecipe& recipe = ParticleRecipe(GetParam());
  int ends = 0;
  emitter.OnEnd = [&](TParticleEmitter&) { ++ends; };
  emitter.Start();
  EXPECT_EQ(emitter.Count(), recipe.Burst) << "the first burst comes at once";
  emitter.TickAndDraw();
  const std::vector<TSprite> drawn = screen.Sprites();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.front().Image, recipe.Image);
  EXPECT_EQ(drawn.front().Additive, recipe.Additive);
  if (recipe.RunTicks == 0) emitter.Stop();
  for (int tick = 0; tick < recipe.RunTicks + recipe.LifeTicks + 1; ++tick) emitter.TickAndDraw();
  EXPECT_FALSE(emitter.Active());
  EXPECT_EQ(ends, 1);
}

TEST_P(ParticleKinds, ReducedEffectsLeaveOutOnlyTheDecoration) {
  ReducedDecoration = true;
  emitter.Start();
  EXPECT_EQ(emitter.Count(), ParticleRecipe(GetParam()).Decorative ? 0 : ParticleRecipe(GetParam()).Burst);
}

TEST_P(ParticleKinds, DecorationNeverDrawsFromTheGamesRandomSequence) {
  GameRandom().SetSeed(1234);
  emitter.Start();
  for (int tick = 0; tick < 200; ++tick) emitter.TickAndDraw();
  EXPECT_EQ(GameRandom().Seed(), 1234u);
}

INSTANTIATE_TEST_SUITE_P(Every, ParticleKinds,
                         ::testing::Values(pkScreenDust, pkBounceDust, pkScoringDust, pkSlotSparkle, pkHitStars,
                                           pkConfetti, pkFireworks, pkTubeBubbles, pkNarrationPuffs,
                                           pkDiamondButterflies));

TEST(ParticleEmitter, ABurstAtAPointIsBornThere) {
  TParticleEmitter stars(pkHitStars);
  stars.BurstAt(400, 250);
  EXPECT_EQ(stars.Count(), ParticleRecipe(pkHitStars).Burst);
  EXPECT_FALSE(stars.Running()) << "a burst is not a run";
}

}  // namespace
}  // namespace qm
