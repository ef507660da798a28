#include "effects/EffectsSet.h"

#include <gtest/gtest.h>

#include "engine/EffectsMode.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSpriteRecorder;

// What runs once a family is entered.
struct TFamilyCase {
  TEffectsFamily Family;
  bool Dust, PlayShine, MapShine, Town, Film, EndingShine;
};

class EffectsFamilies : public ::testing::TestWithParam<TFamilyCase> {};

TEST_P(EffectsFamilies, EachFamilyStartsItsOwnAmbienceAndNothingElse) {
  const TFamilyCase& c = GetParam();
  TEffectsSet effects(nullptr);
  effects.EnterFamily(c.Family);
  EXPECT_EQ(effects.ScreenDust->Running(), c.Dust);
  EXPECT_EQ(effects.PlayButtonShine->Running(), c.PlayShine);
  EXPECT_EQ(effects.MapShine->Running(), c.MapShine);
  EXPECT_EQ(effects.TownPeopleFront->Count() > 0, c.Town);
  EXPECT_EQ(effects.SunShine->Running(), c.Town);
  EXPECT_EQ(effects.Film->Running(), c.Film);
  EXPECT_EQ(effects.EndingShine->Running(), c.EndingShine);
}

INSTANTIATE_TEST_SUITE_P(Scenes, EffectsFamilies,
                         ::testing::Values(TFamilyCase{efMenu, true, true, false, true, false, false},
                                           TFamilyCase{efMap, true, false, true, false, false, false},
                                           TFamilyCase{efTown, false, false, false, true, false, false},
                                           TFamilyCase{efRound, false, false, false, false, false, false},
                                           TFamilyCase{efStory, true, false, false, false, true, false},
                                           TFamilyCase{efEnding, true, false, false, false, true, true}));

TEST(EffectsSet, LeavingAFamilyStopsWhatItStartedAndItsEvents) {
  TEffectsSet effects(nullptr);
  effects.EnterFamily(efTown);
  effects.Purchase(500, 650, {{30, 30, 2}});
  ASSERT_TRUE(effects.Fireworks->Active());
  effects.EnterFamily(efMenu);
  EXPECT_FALSE(effects.Fireworks->Active()) << "the purchase's fireworks stay in the town";
  EXPECT_TRUE(effects.PlayButtonShine->Running());
}

TEST(EffectsSet, ARoundsLookComesWithTheRoundAndARestartStartsItAfresh) {
  TEffectsSet effects(nullptr);
  effects.RoundMisty = true;
  effects.TubeWidth = 16;
  effects.TubeHeight = 280;
  effects.EnterFamily(efRound);
  EXPECT_TRUE(effects.Fog->Running());
  EXPECT_TRUE(effects.TubeBubbles->Running());
  effects.Celebrate();
  effects.RoundMisty = false;
  effects.TubeWidth = 0;
  effects.Restart();
  EXPECT_FALSE(effects.Fog->Running());
  EXPECT_FALSE(effects.TubeBubbles->Running());
  EXPECT_FALSE(effects.Confetti->Active()) << "a restarted round has nothing to celebrate";
}

TEST(EffectsSet, APausedRoundNeitherMovesNorShowsItsEffects) {
  TEffectsSet effects(nullptr);
  effects.EnterFamily(efRound);
  effects.Celebrate();
  effects.SetRoundPaused(true);
  const int confetti = effects.Confetti->Count();
  for (int tick = 0; tick < 200; ++tick) effects.Confetti->TickAndDraw();
  EXPECT_EQ(effects.Confetti->Count(), confetti) << "held, not spent, while paused";
  effects.SetRoundPaused(false);
  effects.Confetti->TickAndDraw();
  EXPECT_TRUE(effects.Confetti->Active());
}

// The overlays draw their pictures while running, and not with reduced effects.
struct TOverlayCase {
  const char* Rule;
  bool Reduced;
  std::size_t Film, Fog;
};

class Overlays : public ::testing::TestWithParam<TOverlayCase> {};

TEST_P(Overlays, DrawWhileRunningUnlessEffectsAreReduced) {
  TSpriteRecorder screen;
  screen.AddPicture("MovieEffect", 684, 192, 2, 1);
  screen.AddPicture("Fog", 683, 384, 1, 3);
  TFilmOverlay film;
  TFog fog;
  film.OmgImgList = fog.OmgImgList = &screen.List;
  film.Start();
  fog.Start();
  ReducedDecoration = GetParam().Reduced;
  film.TickAndDraw();
  const std::size_t filmQuads = screen.Sprites().size();
  screen.Forget();
  fog.TickAndDraw();
  const std::size_t fogQuads = screen.Sprites().size();
  ReducedDecoration = false;
  EXPECT_EQ(filmQuads, GetParam().Film) << GetParam().Rule;
  EXPECT_EQ(fogQuads > 0, GetParam().Fog > 0) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(Looks, Overlays,
                         ::testing::Values(TOverlayCase{"one scratch layer and banks of fog", false, 1, 1},
                                           TOverlayCase{"reduced effects leave both out", true, 0, 0}));

}  // namespace
}  // namespace qm
