#include "widgets/GameButton.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

// A button at (100, 100) of 80 x 40 that writes down everything it reports.
class GameButtonTest : public testing::Test {
 protected:
  GameButtonTest() {
    screen.AddPicture("OkButton", 80, 80, 1, 2);
    button.OmgImgList = &screen.List;
    button.ImageName = "OkButton";
    button.Left = 100;
    button.Top = 100;
    button.FetchSize();
    button.OnClick = [this](TGameButton&) { events.push_back("click"); };
    button.OnActivate = [this](TGameButton&) { events.push_back("activate"); };
    button.OnDeactivate = [this](TGameButton&) { events.push_back("deactivate"); };
    button.OnMouseRangeOn = [this](TGameButton&) { events.push_back("range on"); };
    button.OnMouseRangeOff = [this](TGameButton&) { events.push_back("range off"); };
    button.OnPlaySound = [this](const std::string& name) { events.push_back("sound " + name); };
    button.OnCursorRequest = [this](TCursorShape shape) {
      if (shape == TCursorShape::crHandPoint) ++handRequests;
    };
  }

  TSpriteRecorder screen;
  TGameButton button;
  std::vector<std::string> events;
  int handRequests = 0;
};

using Events = std::vector<std::string>;

TEST_F(GameButtonTest, HitSizeIsThePatternSizeWithEdgesIncluded) {
  EXPECT_EQ(button.Width(), 80);
  EXPECT_EQ(button.Height(), 40);
  EXPECT_TRUE(button.HitTest(100, 100));
  EXPECT_TRUE(button.HitTest(180, 140));
  EXPECT_FALSE(button.HitTest(181, 140));
  EXPECT_FALSE(button.HitTest(100, 99));
}

TEST_F(GameButtonTest, HitSizeIs100By50UntilFetched) {
  TGameButton fresh;
  EXPECT_EQ(fresh.Width(), 100);
  EXPECT_EQ(fresh.Height(), 50);
}

TEST_F(GameButtonTest, PressAndReleaseOverTheButtonClicks) {
  button.MouseDown(120, 120, TMouseButton::mbLeft);
  button.MouseUp(125, 125);
  EXPECT_EQ(events, (Events{"sound Click", "click"}));
  EXPECT_FALSE(button.Pressed());
}

TEST_F(GameButtonTest, PressOutsideAndReleaseInsideDoesNothing) {
  button.MouseDown(10, 10, TMouseButton::mbLeft);
  button.MouseUp(120, 120);
  EXPECT_TRUE(events.empty());
}

TEST_F(GameButtonTest, PressInsideAndReleaseOutsideDoesNotClick) {
  button.MouseDown(120, 120, TMouseButton::mbLeft);
  button.MouseUp(300, 300);
  EXPECT_EQ(events, (Events{"sound Click"}));
  EXPECT_FALSE(button.Pressed());
}

TEST_F(GameButtonTest, MovingOutAndBackInWhilePressedStillClicks) {
  button.MouseDown(120, 120, TMouseButton::mbLeft);
  button.MouseMove(300, 300);
  button.MouseMove(130, 130);
  button.MouseUp(130, 130);
  EXPECT_EQ(events.back(), "click");
}

TEST_F(GameButtonTest, RightAndMiddlePressesDoNothing) {
  button.MouseDown(120, 120, TMouseButton::mbRight);
  button.MouseDown(120, 120, TMouseButton::mbMiddle);
  button.MouseUp(120, 120);
  EXPECT_TRUE(events.empty());
}

TEST_F(GameButtonTest, EnteringActivatesOnceAndPlaysTheHoverSound) {
  button.MouseMove(50, 50);
  button.MouseMove(110, 110);
  button.MouseMove(120, 115);
  button.MouseMove(150, 130);
  button.MouseMove(250, 130);
  EXPECT_EQ(events, (Events{"activate", "sound MouseOver", "deactivate"}));
}

TEST_F(GameButtonTest, AsksForTheHandOnEveryMoveOverIt) {
  button.MouseMove(50, 50);
  button.MouseMove(110, 110);
  button.MouseMove(120, 115);
  button.MouseMove(250, 130);
  EXPECT_EQ(handRequests, 2);
}

TEST_F(GameButtonTest, RangeEventsFireOnEveryCallNotOnlyOnChanges) {
  button.CheckRangeOn(120, 120);
  button.CheckRangeOn(121, 120);
  button.CheckRangeOff(121, 120);
  button.CheckRangeOff(10, 10);
  button.CheckRangeOff(11, 10);
  button.CheckRangeOn(11, 10);
  EXPECT_EQ(events, (Events{"range on", "range on", "range off", "range off"}));
}

TEST_F(GameButtonTest, ADisabledButtonPlaysNoSoundsAndFiresNoEvents) {
  button.Enabled = false;
  button.MouseMove(120, 120);
  button.MouseDown(120, 120, TMouseButton::mbLeft);
  button.MouseUp(120, 120);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(handRequests, 0);
}

TEST_F(GameButtonTest, AHiddenButtonNeitherReactsNorDraws) {
  button.Visible = false;
  button.MouseMove(120, 120);
  button.MouseDown(120, 120, TMouseButton::mbLeft);
  button.MouseUp(120, 120);
  button.CheckRangeOn(120, 120);
  button.CheckRangeOff(10, 10);
  button.Draw();
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(screen.Sprites().empty());
}

TEST_F(GameButtonTest, AtRestItDrawsPatternZeroOpaqueAtItsPlace) {
  button.Draw();
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 1u);
  EXPECT_EQ(sprites[0].Pattern, 0);
  EXPECT_FLOAT_EQ(sprites[0].Left, 100);
  EXPECT_FLOAT_EQ(sprites[0].Top, 100);
  EXPECT_FLOAT_EQ(sprites[0].Width, 80);
  EXPECT_EQ(sprites[0].Alpha, 255);
  EXPECT_FALSE(sprites[0].Additive);
}

TEST_F(GameButtonTest, DrawButtonTakesTheAlpha) {
  button.DrawButton(90);
  ASSERT_EQ(screen.Sprites().size(), 1u);
  EXPECT_EQ(screen.Sprites()[0].Alpha, 90);
}

TEST_F(GameButtonTest, HoveredItGlowsYellowWithTheHighlightAlpha) {
  button.MouseMove(120, 120);
  button.Draw();
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_FALSE(sprites[0].Additive);
  EXPECT_TRUE(sprites[1].Additive);
  EXPECT_EQ(sprites[1].Pattern, 0);
  EXPECT_EQ(sprites[1].Red, 255);
  EXPECT_EQ(sprites[1].Green, 255);
  EXPECT_EQ(sprites[1].Blue, 0);
  EXPECT_EQ(sprites[1].Alpha, 50);
  EXPECT_FLOAT_EQ(sprites[1].Width, 80) << "not pressed: full size";
}

TEST_F(GameButtonTest, PressedAndHoveredItShrinksAboutItsMiddle) {
  button.MouseDown(120, 120, TMouseButton::mbLeft);
  button.Draw();
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  for (const TSprite& s : sprites) {
    EXPECT_NEAR(s.Width, 80 * 0.97f, 1e-3);
    EXPECT_NEAR(s.Left + s.Width / 2, 140, 1e-3);
    EXPECT_NEAR(s.Top + s.Height / 2, 120, 1e-3);
  }
}

TEST_F(GameButtonTest, PressedButMovedAwayItShowsFullSizeWithoutGlow) {
  button.MouseDown(120, 120, TMouseButton::mbLeft);
  button.MouseMove(300, 300);
  button.Draw();
  ASSERT_EQ(screen.Sprites().size(), 1u);
  EXPECT_FLOAT_EQ(screen.Sprites()[0].Width, 80);
}

TEST_F(GameButtonTest, AfterAClickItNoLongerGlows) {
  button.MouseDown(120, 120, TMouseButton::mbLeft);
  button.MouseUp(120, 120);
  EXPECT_FALSE(button.Hovered());
  button.Draw();
  EXPECT_EQ(screen.Sprites().size(), 1u);
}

TEST_F(GameButtonTest, DisabledItDrawsPatternOneNeverPressedNorGlowing) {
  button.MouseDown(120, 120, TMouseButton::mbLeft);
  button.Enabled = false;
  button.Draw();
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 1u);
  EXPECT_EQ(sprites[0].Pattern, 1);
  EXPECT_FLOAT_EQ(sprites[0].Width, 80);
}

}  // namespace
}  // namespace qm
