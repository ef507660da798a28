#include "rules/CombosConveyer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

// Size of a drawn "ComboText" badge relative to its picture, whatever its
// turn: the quad's diagonal against the pattern's (with its half-pixel edge).
float BadgeScale(const TSprite& s) {
  return std::hypot(s.QuadRight - s.QuadLeft, s.QuadBottom - s.QuadTop) / std::hypot(160.5f, 60.5f);
}

// The meter's landing point is (-11, 630).
class CombosConveyer : public testing::Test {
 protected:
  CombosConveyer() {
    screen.AddPicture("ComboText", 640, 60, 4, 1);
    conveyer.OmgImgList = &screen.List;
    conveyer.OnAComboArrives = [this](TCombosConveyer&, int matchX) { arrived.push_back({matchX, ticks}); };
  }

  void Tick() {
    ++ticks;
    screen.Forget();
    conveyer.TickAndDraw();
  }
  // The one item drawn this tick.
  TSprite Item() {
    const std::vector<TSprite> sprites = screen.Sprites();
    EXPECT_EQ(sprites.size(), 1u);
    return sprites.empty() ? TSprite{} : sprites[0];
  }

  struct TArrival {
    int MatchX, Tick;
    friend bool operator==(const TArrival&, const TArrival&) = default;
  };

  TSpriteRecorder screen;
  TCombosConveyer conveyer;
  std::vector<TArrival> arrived;
  int ticks = 0;
};

TEST_F(CombosConveyer, AnItemSpeedsUpTowardTheMeterAndReportsOnLanding) {
  // 180 pixels straight left: steps of 21.2, 25.1, 29.6, 34.9, 41.2, 48.6.
  conveyer.Launch(5, {-11 + 180, 630});
  for (int i = 0; i < 5; ++i) Tick();
  EXPECT_TRUE(arrived.empty());
  Tick();
  EXPECT_EQ(arrived, (std::vector<TArrival>{{5, 6}}));
}

TEST_F(CombosConveyer, BothAxesArriveTogether) {
  conveyer.Launch(4, {-11 + 90, 630 - 180});
  for (int i = 0; i < 6; ++i) Tick();
  EXPECT_EQ(arrived, (std::vector<TArrival>{{4, 6}}));
}

TEST_F(CombosConveyer, ALandedItemFadesOutWhereItLandedAndReportsOnlyOnce) {
  conveyer.Launch(7, {-11 + 180, 630});
  for (int i = 0; i < 6; ++i) Tick();
  std::vector<int> alphas;
  for (int i = 0; i < 16; ++i) {
    Tick();
    const TSprite item = Item();
    alphas.push_back(item.Alpha);
    EXPECT_EQ(item.Pattern, 3);
  }
  EXPECT_EQ(alphas.front(), 240);
  EXPECT_EQ(alphas.back(), 15);
  Tick();
  EXPECT_TRUE(screen.Sprites().empty());
  EXPECT_EQ(conveyer.ActiveCount(), 0);
  EXPECT_EQ(arrived.size(), 1u);
}

TEST_F(CombosConveyer, AnItemShrinksToAFifthOnTheWayAndGrowsAgainOnceLanded) {
  conveyer.Launch(4, {-11 + 2000, 630});
  std::vector<float> sizes;
  while (arrived.empty()) {
    Tick();
    sizes.push_back(BadgeScale(Item()));
  }
  EXPECT_NEAR(sizes[0], 0.95f, 0.001);
  EXPECT_NEAR(sizes[1], 0.90f, 0.001);
  EXPECT_NEAR(sizes.back(), 0.2f, 0.001) << "held at 0.2";
  Tick();
  EXPECT_NEAR(BadgeScale(Item()), 0.225f, 0.001);
}

TEST_F(CombosConveyer, AnItemLaunchedOnTheMeterLandsAtOnce) {
  conveyer.Launch(6, TCombosConveyer::Target);
  Tick();
  EXPECT_EQ(arrived, (std::vector<TArrival>{{6, 1}}));
}

TEST_F(CombosConveyer, AnEleventhItemIsDropped) {
  for (int i = 0; i < 11; ++i) conveyer.Launch(4, {300, 300});
  EXPECT_EQ(conveyer.ActiveCount(), 10);
  for (int i = 0; i < 40; ++i) Tick();
  EXPECT_EQ(arrived.size(), 10u);
}

TEST_F(CombosConveyer, ClearingTheRoundDropsEveryItem) {
  conveyer.Launch(4, {300, 300});
  conveyer.Clear();
  for (int i = 0; i < 40; ++i) Tick();
  EXPECT_TRUE(arrived.empty());
}

}  // namespace
}  // namespace qm
