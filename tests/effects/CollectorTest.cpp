// The harvest a purchase spends flies from the pocket to what it bought.
#include "effects/Collector.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/EffectsMode.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

class SpentHarvest : public ::testing::Test {
 protected:
  SpentHarvest() {
    screen.AddPicture("Elements", 200, 40, 5, 1);
    harvest.OmgImgList = &screen.List;
    harvest.OnEnd = [this](TCollector&) { ++ends; };
  }
  ~SpentHarvest() override { ReducedDecoration = false; }

  // The pieces drawn by one tick.
  std::vector<TSprite> Tick() {
    screen.Forget();
    harvest.TickAndDraw();
    return screen.Sprites();
  }

  TSpriteRecorder screen;
  TCollector harvest;
  int ends = 0;
  const std::vector<TCollector::TSource> pocket{{40, 40, 0}, {80, 40, 1}, {120, 40, 2}};
};

TEST_F(SpentHarvest, PiecesLeaveThePocketOneAfterAnotherAndLandOnTheTarget) {
  harvest.Start(pocket, 600, 650);
  EXPECT_EQ(Tick().size(), 1u) << "the first piece leaves at once";
  for (int tick = 1; tick < harvest.StaggerTicks * 2; ++tick) Tick();
  EXPECT_EQ(Tick().size(), 3u) << "the others follow in turn";
  std::vector<TSprite> last;
  while (harvest.Active()) {
    const std::vector<TSprite> drawn = Tick();
    if (!drawn.empty()) last = drawn;
  }
  ASSERT_EQ(last.size(), 1u);
  const TSprite& piece = last.front();
  EXPECT_EQ(piece.Pattern, 2) << "the last source's piece lands last";
  EXPECT_NEAR(piece.QuadLeft + piece.Width / 2, 600, 12);
  EXPECT_NEAR(piece.QuadTop + piece.Height / 2, 650, 12);
  EXPECT_EQ(ends, 1);
}

TEST_F(SpentHarvest, ThePiecesRiseOverTheStraightLineOnTheWay) {
  harvest.Start({{40, 400, 0}}, 640, 400);
  for (int tick = 0; tick < harvest.FlightTicks / 2; ++tick) Tick();
  const std::vector<TSprite> drawn = Tick();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_LT(drawn.front().QuadTop + drawn.front().Height / 2, 400 - harvest.Lift / 2);
}

TEST_F(SpentHarvest, ReducedEffectsSendNothing) {
  ReducedDecoration = true;
  harvest.Start(pocket, 600, 650);
  EXPECT_FALSE(harvest.Active());
  EXPECT_TRUE(Tick().empty());
}

}  // namespace
}  // namespace qm
