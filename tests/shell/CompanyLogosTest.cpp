#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/CompanyLogos.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

class CompanyLogosTest : public ::testing::Test {
 protected:
  void Steps(int ticks) {
    for (int i = 0; i < ticks; ++i) logos.StepAndDraw();
  }
  // Ticks from the first one that shows the logo fully to the one that
  // moves on to the next, both counted.
  int FullTicks(int logo) {
    while (logos.CurrentLogo() == logo && logos.LogoAlpha(logo) < 255) logos.StepAndDraw();
    int ticks = 1;
    while (logos.CurrentLogo() == logo) {
      logos.StepAndDraw();
      ++ticks;
    }
    return ticks;
  }

  TCompanyLogos logos;
};

using LogoTiming = CompanyLogosTest;

TEST_F(LogoTiming, TheFirstLogoFadesInSixPerTick) {
  Steps(1);
  EXPECT_EQ(logos.LogoAlpha(1), 6);
  Steps(41);
  EXPECT_EQ(logos.LogoAlpha(1), 252);
  Steps(1);
  EXPECT_EQ(logos.LogoAlpha(1), 255) << "past 254 counts as full";
}

TEST_F(LogoTiming, EachLogoHoldsItsOwnTime) {
  EXPECT_EQ(FullTicks(1), 25) << "750 ms at 30 ms a tick";
  EXPECT_EQ(FullTicks(2), 17) << "500 ms, rounded up to whole ticks";
  EXPECT_EQ(FullTicks(3), 7) << "200 ms";
  EXPECT_TRUE(logos.Finished());
}

TEST_F(LogoTiming, ThePreviousLogoFadesOutTwelvePerTick) {
  FullTicks(1);
  EXPECT_EQ(logos.LogoAlpha(1), 255);
  Steps(1);
  EXPECT_EQ(logos.LogoAlpha(1), 243);
  Steps(21);
  EXPECT_EQ(logos.LogoAlpha(1), 0);
  Steps(1);
  EXPECT_EQ(logos.LogoAlpha(1), 0) << "floored at nothing";
}

TEST_F(LogoTiming, TheNextLogoStartsInTheTickThePreviousOneLetsGo) {
  FullTicks(1);
  EXPECT_EQ(logos.CurrentLogo(), 2);
  EXPECT_EQ(logos.LogoAlpha(2), 6);
}

TEST_F(LogoTiming, AllThreeTakeAboutFiveAndAHalfSeconds) {
  int ticks = 0;
  while (!logos.Finished() && ticks < 1000) {
    logos.StepAndDraw();
    ++ticks;
  }
  EXPECT_EQ(ticks, 173);
}

TEST_F(LogoTiming, FewerLogosFinishSooner) {
  logos.SetLogoCount(1);
  EXPECT_EQ(FullTicks(1), 25);
  EXPECT_TRUE(logos.Finished());
}

using SkippingTheHold = CompanyLogosTest;

TEST_F(SkippingTheHold, APressWhileFadingInMovesOnAsSoonAsTheLogoIsFull) {
  Steps(10);
  logos.SkipHold();
  EXPECT_EQ(FullTicks(1), 1);
}

TEST_F(SkippingTheHold, APressDuringTheHoldMovesOnAtTheNextTick) {
  Steps(50);
  ASSERT_EQ(logos.CurrentLogo(), 1);
  logos.SkipHold();
  Steps(1);
  EXPECT_EQ(logos.CurrentLogo(), 2);
}

TEST_F(SkippingTheHold, OnlyTheCurrentLogoIsShortened) {
  logos.SkipHold();
  FullTicks(1);
  EXPECT_EQ(FullTicks(2), 17);
}

TEST_F(SkippingTheHold, APressAfterTheLastLogoChangesNothing) {
  logos.SetLogoCount(1);
  FullTicks(1);
  logos.SkipHold();
  EXPECT_TRUE(logos.Finished());
}

using LogoDrawing = CompanyLogosTest;

TEST_F(LogoDrawing, TheLogoShowsOnAWhitePageWithItsAlpha) {
  TSpriteRecorder recorder;
  recorder.AddPicture("WhiteRect", 683, 384);
  for (int n = 1; n <= 3; ++n) recorder.AddPicture("CompanyLogo" + std::to_string(n), 300, 200);
  logos.OmgImgList = &recorder.List;
  Steps(10);
  recorder.Forget();
  Steps(1);
  std::vector<TSprite> sprites = recorder.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_EQ(sprites[0].Image, "WhiteRect");
  EXPECT_NEAR(sprites[0].Width, 1366, 0.01);
  EXPECT_NEAR(sprites[0].Height, 768, 0.01);
  EXPECT_EQ(sprites[0].Alpha, 255);
  EXPECT_EQ(sprites[1].Image, "CompanyLogo1");
  EXPECT_EQ(sprites[1].Alpha, 66);
  EXPECT_EQ(sprites[1].Left, 0);
  EXPECT_EQ(sprites[1].Top, 0);
}

TEST_F(LogoDrawing, TheOutgoingLogoStillShowsUnderTheNextOne) {
  TSpriteRecorder recorder;
  for (int n = 1; n <= 3; ++n) recorder.AddPicture("CompanyLogo" + std::to_string(n), 300, 200);
  logos.OmgImgList = &recorder.List;
  FullTicks(1);
  recorder.Forget();
  Steps(1);
  std::vector<std::string> drawn;
  for (const TSprite& sprite : recorder.Sprites()) drawn.push_back(sprite.Image);
  EXPECT_EQ(drawn, (std::vector<std::string>{"CompanyLogo1", "CompanyLogo2"}));
}

TEST_F(LogoDrawing, TheWhitePageGoesWhenTheLogosAreOver) {
  TSpriteRecorder recorder;
  recorder.AddPicture("WhiteRect", 683, 384);
  logos.OmgImgList = &recorder.List;
  while (!logos.Finished()) logos.StepAndDraw();
  recorder.Forget();
  Steps(1);
  EXPECT_TRUE(recorder.Sprites().empty());
}

}  // namespace
}  // namespace qm
