#include "rules/ObjectiveInfo.h"

#include <gtest/gtest.h>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

class Banner : public ::testing::Test {
 protected:
  void SetUp() override {
    Info.ShadowHeight = 60;
    Info.OnShowing = [this](TObjectiveInfo&) { Events.push_back("showing"); };
    Info.OnStartHiding = [this](TObjectiveInfo&) { Events.push_back("start hiding"); };
    Info.OnHidingComplete = [this](TObjectiveInfo&) { Events.push_back("hidden"); };
  }

  // Ticks while the banner is in state; returns how many.
  int TicksIn(TObjectiveInfo::TState state) {
    int ticks = 0;
    while (Info.State() == state && ticks < 10000) {
      Info.TickAndDraw();
      ++ticks;
    }
    return ticks;
  }

  TObjectiveInfo Info;
  std::vector<std::string> Events;
};

TEST_F(Banner, RisesFromBelowTheScreenAndStopsAt135) {
  Info.Show(goNormalMode);
  EXPECT_EQ(Events, (std::vector<std::string>{"showing"}));
  EXPECT_FLOAT_EQ(Info.X(), 359.0f);
  EXPECT_FLOAT_EQ(Info.Y(), 768.0f + 120.0f);
  Info.TickAndDraw();
  EXPECT_FLOAT_EQ(Info.Y(), 888.0f - 8.0f);
  Info.TickAndDraw();
  EXPECT_FLOAT_EQ(Info.Y(), 888.0f - 8.0f - 16.0f);
  // Fully faded in after 21 ticks (0.048 a tick), which is after it stopped.
  EXPECT_EQ(TicksIn(TObjectiveInfo::stDropping), 19);
  EXPECT_FLOAT_EQ(Info.Y(), 135.0f);
  EXPECT_FLOAT_EQ(Info.Alpha(), 1.0f);
}

TEST_F(Banner, ShowsForThreeSecondsThenFliesOffTheTop) {
  Info.Show(goBossMode);
  TicksIn(TObjectiveInfo::stDropping);
  EXPECT_EQ(TicksIn(TObjectiveInfo::stShowing), 100);
  EXPECT_EQ(Events.back(), "start hiding");
  const int hiding = TicksIn(TObjectiveInfo::stHiding);
  // Speed 16, 19, 22 ... 37: eight ticks take y from 135 to -77, past -60.
  EXPECT_EQ(hiding, 8);
  EXPECT_EQ(Events, (std::vector<std::string>{"showing", "start hiding", "hidden"}));
  EXPECT_LE(Info.Y(), -60.0f);
}

TEST_F(Banner, AClickWhileShowingSendsItAway) {
  Info.Show(goNormalMode);
  TicksIn(TObjectiveInfo::stDropping);
  Info.TickAndDraw();
  Info.Skip();
  Info.TickAndDraw();
  EXPECT_EQ(Info.State(), TObjectiveInfo::stHiding);
}

TEST_F(Banner, AClickWhileRisingIsIgnored) {
  Info.Show(goNormalMode);
  Info.TickAndDraw();
  Info.Skip();
  TicksIn(TObjectiveInfo::stDropping);
  EXPECT_EQ(TicksIn(TObjectiveInfo::stShowing), 100);
}

TEST_F(Banner, LogoAndTitlePopInOnceItHasStopped) {
  Info.Show(goNormalMode);
  for (int i = 0; i < 5; ++i) Info.TickAndDraw();
  EXPECT_FLOAT_EQ(Info.LogoRatio(), 1.0f) << "not started";
  TicksIn(TObjectiveInfo::stDropping);
  float largest = 0;
  for (int i = 0; i < 60; ++i) {
    Info.TickAndDraw();
    largest = std::max(largest, Info.LogoRatio());
  }
  EXPECT_FLOAT_EQ(largest, 1.15f);
  EXPECT_FLOAT_EQ(Info.LogoRatio(), 1.0f);
  EXPECT_FLOAT_EQ(Info.TitleRatio(), 1.0f);
}

TEST_F(Banner, DrawsShadowLogoAndTitleInTheObjectivesLook) {
  TSpriteRecorder screen;
  screen.AddPicture("ObjInfoShadow", 340, 60);
  screen.AddPicture("ObjInfoLogo", 240, 120, 2, 1);
  screen.AddPicture("ObjInfoTitle", 280, 100, 1, 2);
  Info.OmgImgList = &screen.List;
  Info.FetchShadowHeight();
  EXPECT_EQ(Info.ShadowHeight, 60);
  Info.Show(goBossMode);
  TicksIn(TObjectiveInfo::stDropping);
  for (int i = 0; i < 40; ++i) Info.TickAndDraw();
  screen.Forget();
  Info.TickAndDraw();
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 3u);
  EXPECT_EQ(sprites[0].Image, "ObjInfoShadow");
  EXPECT_EQ(sprites[0].Alpha, 160);
  EXPECT_FLOAT_EQ(sprites[0].Width, 680.0f);
  EXPECT_EQ(sprites[1].Image, "ObjInfoLogo");
  EXPECT_EQ(sprites[1].Pattern, 1);
  EXPECT_FLOAT_EQ(sprites[1].Left, 359.0f + 254.0f);
  EXPECT_FLOAT_EQ(sprites[1].Top, 135.0f + 27.0f);
  EXPECT_EQ(sprites[2].Image, "ObjInfoTitle");
  EXPECT_EQ(sprites[2].Pattern, 1);
  EXPECT_FLOAT_EQ(sprites[2].Left, 359.0f + 196.0f);
  EXPECT_FLOAT_EQ(sprites[2].Top, 135.0f + 138.0f);
  EXPECT_EQ(sprites[2].Alpha, 255);
}

TEST_F(Banner, BeforeItsPopInTheLogoOnlyShowsFaintly) {
  TSpriteRecorder screen;
  screen.AddPicture("ObjInfoShadow", 340, 60);
  screen.AddPicture("ObjInfoLogo", 240, 120, 2, 1);
  screen.AddPicture("ObjInfoTitle", 280, 100, 1, 2);
  Info.OmgImgList = &screen.List;
  Info.Show(goNormalMode);
  for (int i = 0; i < 10; ++i) Info.TickAndDraw();
  screen.Forget();
  Info.TickAndDraw();
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 3u);
  EXPECT_EQ(sprites[1].Alpha, 77) << "0.3";
  EXPECT_EQ(sprites[2].Alpha, 51) << "0.2";
}

TEST_F(Banner, IdleOrInvisibleItDoesNothing) {
  Info.TickAndDraw();
  EXPECT_EQ(Info.State(), TObjectiveInfo::stIdle);
  Info.Show(goNormalMode);
  Info.Visible = false;
  Info.TickAndDraw();
  EXPECT_FLOAT_EQ(Info.Y(), 888.0f);
}

}  // namespace
}  // namespace qm
