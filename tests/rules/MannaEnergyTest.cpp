#include "rules/MannaEnergy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

// A jar with its events written down as they fire.
class MannaJar : public testing::Test {
 protected:
  MannaJar() { Watch(jar); }

  void Watch(TMannaEnergy& watched) {
    watched.OnFull = [this] { events.push_back("full"); };
    watched.OnEnergyFactorReached = [this](int k) { events.push_back("reached " + std::to_string(k)); };
    watched.OnBelowEnergyFactor = [this](int k) { events.push_back("below " + std::to_string(k)); };
  }

  void Add(int count) {
    for (int i = 0; i < count; ++i) jar.AddOne();
  }

  // Ticks until the shown level stands on the count; the shown level of
  // every tick on the way.
  std::vector<float> Settle() {
    std::vector<float> shown;
    while (jar.Shown() != float(jar.FruitsCounter()) && shown.size() < 1000) {
      jar.TickAndDraw();
      shown.push_back(jar.Shown());
    }
    return shown;
  }

  TMannaEnergy jar;
  std::vector<std::string> events;
};

// A rising level moves a two-hundredth of the jar a frame, so each tool comes
// on the frame its factor names, whatever the jar holds, even when the steps
// are not exact in binary: on a jar of 200 the hammer waits for 30.
TEST_F(MannaJar, EachToolComesOnWhenTheShownLevelReachesItsThreshold) {
  const struct {
    int full;
    std::vector<float> shownAtReached;
  } cases[] = {
      {200, {30, 64, 80, 96, 112, 200}},
      {190, {28.5f, 60.8f, 76, 91.2f, 106.4f, 190}},
      {1000, {150, 320, 400, 480, 560, 1000}},
  };
  std::vector<float> reachedAt(TMannaEnergy::ThresholdCount, 0);
  jar.OnEnergyFactorReached = [&](int k) {
    events.push_back("reached " + std::to_string(k));
    reachedAt[k - 1] = jar.Shown();
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "full jar " << c.full);
    jar.Reset();
    events.clear();
    jar.FullRequiredFruits = c.full;
    Add(c.full);
    const std::vector<float> shown = Settle();
    EXPECT_EQ(shown.size(), 200u);
    for (int k = 1; k <= TMannaEnergy::ThresholdCount; ++k) {
      EXPECT_FLOAT_EQ(jar.Threshold(k), c.shownAtReached[k - 1]);
      EXPECT_NEAR(reachedAt[k - 1], c.shownAtReached[k - 1], 1e-3);
    }
    EXPECT_EQ(events, (std::vector<std::string>{"reached 1", "reached 2", "reached 3", "reached 4", "reached 5", "full",
                                                "reached 6"}));
    EXPECT_TRUE(jar.Full());
    for (int k = 1; k <= TMannaEnergy::ThresholdCount; ++k) EXPECT_TRUE(jar.Reached(k));
  }
  EXPECT_EQ(jar.Threshold(0), 0);
  EXPECT_FALSE(jar.Reached(7));
}

TEST_F(MannaJar, UsingAToolSpendsItsThresholdsShareRoundedHalfToEven) {
  const struct {
    int full, counter;
    TNewToolKind kind;
    int left;
  } cases[] = {
      {200, 150, tlHammer, 120},        {200, 200, tlBomb, 136},   {200, 200, tlHorzLightning, 120},
      {200, 200, tlVertLightning, 104}, {200, 200, tlBlaster, 88}, {200, 200, tlBigBomb, 0},
      {200, 100, tlBlaster, 0},         {190, 74, tlHammer, 46},   {190, 73, tlHammer, 44},
      {190, 100, tlBomb, 39},           {200, 150, tlNone, 150},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "full jar " << c.full << ", counter " << c.counter << ", tool " << int(c.kind));
    jar.Reset();
    jar.FullRequiredFruits = c.full;
    jar.SetImmediately(c.counter);
    jar.Spend(c.kind);
    EXPECT_EQ(jar.FruitsCounter(), c.left);
  }
}

TEST_F(MannaJar, TheShownLevelFallsAFortiethOfTheJarPerFrame) {
  const struct {
    int full, counter;
    TNewToolKind kind;
    std::vector<float> falling;
  } cases[] = {
      {200, 150, tlHammer, {145, 140, 135, 130, 125, 120}},
      // The last step passes the count of 59; the level creeps back up to it.
      {190, 120, tlBomb, {115.25, 110.5, 105.75, 101, 96.25, 91.5, 86.75, 82, 77.25, 72.5, 67.75, 63, 58.25, 59}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "full jar " << c.full);
    jar.Reset();
    jar.FullRequiredFruits = c.full;
    jar.SetImmediately(c.counter);
    jar.Spend(c.kind);
    const std::vector<float> shown = Settle();
    ASSERT_EQ(shown.size(), c.falling.size());
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_FLOAT_EQ(shown[i], c.falling[i]) << "frame " << i + 1;
  }
}

// 190 x 0.32 puts the bomb at 60.8. A level of 64.5 falling toward 63 takes
// one step of 4.75, which lands below the bomb's mark; rising back by 0.95 a
// frame gives the bomb back before the level settles.
TEST_F(MannaJar, AFallThatOvershootsTheCountTakesAToolAwayAndGivesItBack) {
  jar.FullRequiredFruits = 190;
  jar.SetImmediately(73);
  jar.AddOne();
  Settle();
  ASSERT_TRUE(jar.Reached(2));
  jar.Spend(tlHammer);  // 74 - 28.5 rounds to 46
  jar.TickAndDraw();
  jar.TickAndDraw();
  while (jar.FruitsCounter() < 63) jar.AddOne();
  ASSERT_FLOAT_EQ(jar.Shown(), 64.5f);
  ASSERT_EQ(jar.FruitsCounter(), 63);
  events.clear();

  const struct {
    float shown;
    bool bomb;
    std::vector<std::string> events;
  } frames[] = {
      {59.75f, false, {"below 2"}},
      {60.7f, false, {"below 2"}},
      {61.65f, true, {"below 2", "reached 2"}},
      {62.6f, true, {"below 2", "reached 2"}},
      {63, true, {"below 2", "reached 2"}},
      {63, true, {"below 2", "reached 2"}},
  };
  for (std::size_t i = 0; i < std::size(frames); ++i) {
    SCOPED_TRACE(testing::Message() << "frame " << i + 1);
    jar.TickAndDraw();
    EXPECT_FLOAT_EQ(jar.Shown(), frames[i].shown);
    EXPECT_EQ(jar.Reached(2), frames[i].bomb);
    EXPECT_TRUE(jar.Reached(1));
    EXPECT_EQ(events, frames[i].events);
  }
}

TEST_F(MannaJar, AFullJarTakesNoMore) {
  const struct { int full, added; } cases[] = {{200, 200}, {200, 260}, {10, 11}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.added << " into a jar of " << c.full);
    jar.Reset();
    jar.FullRequiredFruits = c.full;
    Add(c.added);
    EXPECT_EQ(jar.FruitsCounter(), c.full);
  }
  jar.Reset();
  jar.FullRequiredFruits = 200;
  jar.SetImmediately(190);
  jar.SetImmediately(25);
  EXPECT_EQ(jar.FruitsCounter(), 200);
  EXPECT_EQ(jar.Shown(), 200);
  Add(5);
  jar.Spend(tlHammer);
  EXPECT_EQ(jar.FruitsCounter(), 170) << "the extra manna was lost, not kept over the brim";
}

// The jar drawn on the recording screen: a jar 96 wide, a liquid 68 x 62.
class MannaJarDrawing : public testing::Test {
 protected:
  MannaJarDrawing() {
    screen.AddPicture("MannaEnergy", 192, 100, 2, 1);
    screen.AddPicture("MannaEnergyLiquid", 68, 62);
    screen.AddPicture("MannaEnergyWave", 36, 78, 1, 6);
    jar.OmgImgList = &screen.List;
    jar.Left = 34;
    jar.Top = 408;
    jar.ReloadSizes();
  }

  std::vector<TSprite> Tick() {
    screen.Forget();
    jar.TickAndDraw();
    return screen.Sprites();
  }

  TSpriteRecorder screen;
  TMannaEnergy jar;
};

TEST_F(MannaJarDrawing, TheLiquidIsTheBottomOfItsPictureUpToTheShownLevel) {
  const struct {
    int full, manna, rows;
  } cases[] = {{200, 100, 31}, {190, 95, 31}, {200, 3, 1}, {200, 1, 0}, {200, 199, 62}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.manna << " of " << c.full);
    jar.Reset();
    jar.FullRequiredFruits = c.full;
    jar.SetImmediately(c.manna);
    const std::vector<TSprite> sprites = Tick();
    EXPECT_EQ(jar.LiquidHeight(), c.rows);
    ASSERT_EQ(sprites.size(), c.rows > 0 ? 5u : 4u) << "jar, liquid when a row shows, three waves";
    EXPECT_EQ(sprites[0].Image, "MannaEnergy");
    EXPECT_EQ(sprites[0].Pattern, 0);
    const float surface = 408 + 62 + 5 - c.rows;
    if (c.rows > 0) {
      const TSprite& liquid = sprites[1];
      EXPECT_EQ(liquid.Image, "MannaEnergyLiquid");
      EXPECT_FLOAT_EQ(liquid.TexLeft, 0);
      EXPECT_FLOAT_EQ(liquid.TexRight, 68);
      EXPECT_FLOAT_EQ(liquid.TexTop, 62 - c.rows);
      EXPECT_FLOAT_EQ(liquid.TexBottom, 62);
      EXPECT_FLOAT_EQ(liquid.QuadLeft, 34 + (96 - 68) / 2 - 0.5f) << "in the middle of the jar";
      EXPECT_FLOAT_EQ(liquid.QuadTop, surface - 0.5f);
      EXPECT_FLOAT_EQ(liquid.QuadBottom, 408 + 62 + 5);
    }
    for (int i = 0; i < 3; ++i) {
      const TSprite& wave = sprites[sprites.size() - 3 + i];
      EXPECT_EQ(wave.Image, "MannaEnergyWave");
      EXPECT_FLOAT_EQ(wave.Left, 34 + (96 - 68) / 2 + 4 + (68 - 8 - 36) / 2 * i) << "across the liquid";
      EXPECT_FLOAT_EQ(wave.Top, surface - 4);
      EXPECT_FLOAT_EQ(wave.Width, 36);
      EXPECT_NEAR(wave.Height, 7, 1e-3);
      EXPECT_EQ(wave.Alpha, 130);
    }
  }
}

}  // namespace
}  // namespace qm
