#include <gtest/gtest.h>

#include <vector>

#include "shell/SceneTransition.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

// A cover with a counter of scene switches, started from the splash to the
// menu.
class SceneTransitionTest : public ::testing::Test {
 protected:
  SceneTransitionTest() {
    cover.OnSceneSwitch = [this](TGameSceneValues to) { switches.push_back(to); };
  }
  void Steps(int ticks) {
    for (int i = 0; i < ticks; ++i) cover.StepAndDraw();
  }
  // Ticks until the scene switches (0 when it never does within the limit).
  int TicksToSwitch() {
    for (int tick = 1; tick <= 100; ++tick) {
      cover.StepAndDraw();
      if (!switches.empty()) return tick;
    }
    return 0;
  }

  TSceneTransition cover;
  std::vector<TGameSceneValues> switches;
};

using CoverTiming = SceneTransitionTest;

TEST_F(CoverTiming, ClosesInTwentyOneTicksAndThenSwitches) {
  cover.Start(gsSplash, gsMenu);
  EXPECT_EQ(TicksToSwitch(), 21);
  EXPECT_EQ(switches, std::vector<TGameSceneValues>{gsMenu});
  EXPECT_FALSE(cover.Closing());
  EXPECT_EQ(cover.Alpha(), 255);
  EXPECT_EQ(cover.SizeRatio(), 0.0f);
}

TEST_F(CoverTiming, OpensOverTwentySixTicksThenFadesOverThirteen) {
  cover.Start(gsSplash, gsMenu);
  Steps(21);
  Steps(25);
  EXPECT_LT(cover.SizeRatio(), 32.0f);
  Steps(1);
  EXPECT_EQ(cover.SizeRatio(), 32.0f);
  EXPECT_EQ(cover.Alpha(), 255) << "fading starts once fully open";
  Steps(12);
  EXPECT_TRUE(cover.Active());
  EXPECT_GT(cover.Alpha(), 0);
  Steps(1);
  EXPECT_FALSE(cover.Active());
  EXPECT_EQ(cover.Alpha(), 0);
  EXPECT_EQ(switches.size(), 1u);
}

TEST_F(CoverTiming, AlphaRisesFortyPerTickUpToFull) {
  cover.Start(gsSplash, gsMenu);
  Steps(1);
  EXPECT_EQ(cover.Alpha(), 40);
  Steps(5);
  EXPECT_EQ(cover.Alpha(), 240);
  Steps(1);
  EXPECT_EQ(cover.Alpha(), 255);
}

TEST_F(CoverTiming, FadingTakesTwentyPerTick) {
  cover.Start(gsSplash, gsMenu);
  Steps(21 + 26 + 1);
  EXPECT_EQ(cover.Alpha(), 235);
}

TEST_F(CoverTiming, TheAngleTurnsEveryTickAndWraps) {
  cover.AngleAdd = 100;
  cover.Start(gsSplash, gsMenu);
  Steps(3);
  EXPECT_FLOAT_EQ(cover.Angle(), 300);
  Steps(1);
  EXPECT_FLOAT_EQ(cover.Angle(), 40);
}

TEST_F(CoverTiming, AnInactiveCoverNeitherMovesNorDraws) {
  TSpriteRecorder recorder;
  recorder.AddPicture("TransDark", 100, 100);
  cover.OmgImgList = &recorder.List;
  Steps(5);
  EXPECT_FLOAT_EQ(cover.Angle(), 0);
  EXPECT_TRUE(recorder.Sprites().empty());
}

using CoverRestart = SceneTransitionTest;

TEST_F(CoverRestart, StartingAgainWhileClosingKeepsAlphaAndSize) {
  cover.Start(gsSplash, gsMenu);
  Steps(10);
  const float size = cover.SizeRatio();
  const int alpha = cover.Alpha();
  cover.Start(gsMenu, gsMap);
  EXPECT_EQ(cover.SizeRatio(), size);
  EXPECT_EQ(cover.Alpha(), alpha);
  EXPECT_EQ(cover.Target(), gsMap);
  EXPECT_EQ(TicksToSwitch(), 11) << "only the rest of the way closes";
  EXPECT_EQ(switches, std::vector<TGameSceneValues>{gsMap});
}

TEST_F(CoverRestart, StartingAgainWhileOpeningClosesFromTheCurrentSize) {
  cover.Start(gsSplash, gsMenu);
  Steps(21 + 5);
  const float size = cover.SizeRatio();
  switches.clear();
  cover.Start(gsMenu, gsMap);
  EXPECT_TRUE(cover.Closing());
  EXPECT_EQ(cover.SizeRatio(), size);
  EXPECT_EQ(cover.Alpha(), 255);
  EXPECT_EQ(TicksToSwitch(), 5) << "6.27 closes at 1.55 per tick";
  EXPECT_EQ(switches, std::vector<TGameSceneValues>{gsMap});
}

TEST_F(CoverRestart, ReportsTheScenesItLeavesAndEnters) {
  std::vector<std::pair<TGameSceneValues, TGameSceneValues>> starts;
  cover.OnStartToSwitch = [&](TGameSceneValues from, TGameSceneValues to) { starts.emplace_back(from, to); };
  cover.Start(gsMap, gsStickerBook);
  EXPECT_EQ(starts, (std::vector<std::pair<TGameSceneValues, TGameSceneValues>>{{gsMap, gsStickerBook}}));
}

using CoverBlocking = SceneTransitionTest;

TEST_F(CoverBlocking, InputWaitsWhileTheCoverCloses) {
  EXPECT_FALSE(cover.IsBlocking());
  cover.Start(gsSplash, gsMenu);
  EXPECT_TRUE(cover.IsBlocking());
  Steps(20);
  EXPECT_TRUE(cover.IsBlocking());
}

TEST_F(CoverBlocking, InputReturnsOnceTheCoverHasOpenedToSixtyFivePercent) {
  cover.Start(gsSplash, gsMenu);
  Steps(21 + 16);
  EXPECT_LT(cover.SizeRatio(), 0.65f * 32);
  EXPECT_TRUE(cover.IsBlocking());
  Steps(1);
  EXPECT_GE(cover.SizeRatio(), 0.65f * 32);
  EXPECT_FALSE(cover.IsBlocking());
  EXPECT_TRUE(cover.Active()) << "the cover still fades over an answering scene";
}

TEST_F(CoverBlocking, CancellingFreesInputAtOnce) {
  cover.Start(gsSplash, gsMenu);
  Steps(3);
  cover.Cancel();
  EXPECT_FALSE(cover.Active());
  EXPECT_FALSE(cover.IsBlocking());
}

using CoverDrawing = SceneTransitionTest;

TEST_F(CoverDrawing, TheDarkDiscAndTheSpinnerGrowWithTheSize) {
  TSpriteRecorder recorder;
  recorder.AddPicture("TransDark", 200, 100);
  recorder.AddPicture("TransSpin", 40, 40);
  cover.OmgImgList = &recorder.List;
  cover.AngleAdd = 0;
  cover.Start(gsSplash, gsMenu);
  Steps(1);
  const float scale = cover.SizeRatio() + 2;
  std::vector<TSprite> sprites = recorder.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_EQ(sprites[0].Image, "TransDark");
  EXPECT_EQ(sprites[0].Alpha, 40);
  EXPECT_NEAR(sprites[0].Width, 200 * scale, 0.01);
  // Scaled about its middle, which stays at (252 + 100, -46 + 50).
  EXPECT_NEAR((sprites[0].QuadLeft + sprites[0].QuadRight) / 2, 352, 0.25 * scale + 0.01);
  EXPECT_NEAR((sprites[0].QuadTop + sprites[0].QuadBottom) / 2, 4, 0.25 * scale + 0.01);
  EXPECT_EQ(sprites[1].Image, "TransSpin");
  EXPECT_EQ(sprites[1].Alpha, 40);
  EXPECT_NEAR(sprites[1].Width, 40 * scale * 0.29f / 2, 0.01);
  EXPECT_NEAR((sprites[1].QuadLeft + sprites[1].QuadRight) / 2, 475, 0.25 * scale + 0.01);
}

TEST_F(CoverDrawing, TheCaptionShowsOnlyWhileTheCoverIsNearlyClosed) {
  std::vector<int> captionTicks;
  int tick = 0;
  TSpriteRecorder recorder;
  cover.OmgImgList = &recorder.List;
  cover.OnDrawCaption = [&](float scale, int y) {
    EXPECT_FLOAT_EQ(scale, 0.6f);
    EXPECT_EQ(y, 740);
    captionTicks.push_back(tick);
  };
  cover.Start(gsSplash, gsMenu);
  for (tick = 1; cover.Active(); ++tick) {
    cover.StepAndDraw();
    if (!captionTicks.empty() && captionTicks.back() == tick) {
      EXPECT_LE(cover.SizeRatio(), 6.0f);
    }
  }
  // Five closing ticks down to nothing, four opening ticks back up to 6.
  EXPECT_EQ(captionTicks, (std::vector<int>{17, 18, 19, 20, 21, 22, 23, 24, 25}));
}

}  // namespace
}  // namespace qm
