#include "widgets/GameCheckBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSpriteRecorder;

class GameCheckBoxTest : public testing::Test {
 protected:
  GameCheckBoxTest() {
    screen.AddPicture("CheckBoxSound", 30, 120, 1, 4);
    box.OmgImgList = &screen.List;
    box.ImageName = "CheckBoxSound";
    box.Left = 200;
    box.Top = 300;
    box.OnClick = [this](TGameCheckBox& sender) { events.push_back(sender.Checked ? "click on" : "click off"); };
    box.OnPlaySound = [this](const std::string& name) { events.push_back("sound " + name); };
    box.OnCursorRequest = [this](TCursorShape shape) {
      if (shape == TCursorShape::crHandPoint) ++handRequests;
    };
  }
  int DrawnLook() {
    screen.Forget();
    box.Draw();
    const auto sprites = screen.Sprites();
    EXPECT_EQ(sprites.size(), 1u);
    return sprites.empty() ? -1 : sprites[0].Pattern;
  }

  TSpriteRecorder screen;
  TGameCheckBox box;
  std::vector<std::string> events;
  int handRequests = 0;
};

using Events = std::vector<std::string>;

TEST_F(GameCheckBoxTest, FourLooksForCheckedAndHovered) {
  EXPECT_EQ(DrawnLook(), 0);
  box.MouseMove(210, 305);
  EXPECT_EQ(DrawnLook(), 1);
  box.Checked = true;
  EXPECT_EQ(DrawnLook(), 3);
  box.MouseMove(10, 10);
  EXPECT_EQ(DrawnLook(), 2);
  EXPECT_FLOAT_EQ(screen.Sprites()[0].Left, 200);
  EXPECT_FLOAT_EQ(screen.Sprites()[0].Top, 300);
}

TEST_F(GameCheckBoxTest, TheHitRectangleIs30By15WithEdgesIncluded) {
  box.MouseMove(230, 315);
  EXPECT_TRUE(box.Hovered());
  box.MouseMove(231, 315);
  EXPECT_FALSE(box.Hovered());
  box.MouseMove(200, 316);
  EXPECT_FALSE(box.Hovered());
}

TEST_F(GameCheckBoxTest, APressAfterAMoveOverItToggles) {
  box.MouseMove(210, 305);
  box.MouseDown(210, 305, TMouseButton::mbLeft);
  EXPECT_TRUE(box.Checked);
  box.MouseDown(210, 305, TMouseButton::mbLeft);
  EXPECT_FALSE(box.Checked);
  EXPECT_EQ(events, (Events{"sound Click", "click on", "sound Click", "click off"}));
}

TEST_F(GameCheckBoxTest, ThePressGoesByTheLastMoveNotByItsOwnPosition) {
  box.MouseDown(210, 305, TMouseButton::mbLeft);
  EXPECT_FALSE(box.Checked) << "no move over it yet";
  box.MouseMove(210, 305);
  box.MouseDown(0, 0, TMouseButton::mbLeft);
  EXPECT_TRUE(box.Checked);
}

TEST_F(GameCheckBoxTest, ARightPressDoesNothing) {
  box.MouseMove(210, 305);
  box.MouseDown(210, 305, TMouseButton::mbRight);
  EXPECT_FALSE(box.Checked);
  EXPECT_TRUE(events.empty());
}

TEST_F(GameCheckBoxTest, AsksForTheHandWhileOverIt) {
  box.MouseMove(210, 305);
  box.MouseMove(211, 305);
  box.MouseMove(0, 0);
  EXPECT_EQ(handRequests, 2);
}

}  // namespace
}  // namespace qm
