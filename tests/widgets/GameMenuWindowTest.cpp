#include "widgets/GameMenuWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSpriteRecorder;

// A window that writes down every report.
class GameMenuWindowTest : public testing::Test {
 protected:
  GameMenuWindowTest() {
    window.OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint p) { moves.push_back(window.ShowDir <= sdToLeft ? p.X : p.Y); };
    window.OnStartShowing = [this](TGameMenuWindow&) { events.push_back("start showing"); };
    window.OnShowingComplete = [this](TGameMenuWindow&) { events.push_back("shown"); };
    window.OnShownTimerReached = [this](TGameMenuWindow&) { events.push_back("timer"); };
    window.OnStartHiding = [this](TGameMenuWindow&) { events.push_back("start hiding"); };
    window.OnHidingComplete = [this](TGameMenuWindow&) { events.push_back("hidden"); };
  }
  // The options window of the menu.
  void SetUpOptionsWindow() {
    window.Left = 460;
    window.Top = 187;
    window.HidingXPos = -450;
    window.MoveStep = 100;
    window.ShowDir = sdToRight;
  }
  // The confirm window.
  void SetUpConfirmWindow() {
    window.Left = 480;
    window.Top = 290;
    window.HidingYPos = -190;
    window.MoveStep = 85;
    window.ShowDir = sdToDown;
  }
  // Updates until the window is shown (or 1000 frames); the count.
  int UpdatesUntil(TMenuWindowState state) {
    int updates = 0;
    while (window.State() != state && updates < 1000) {
      window.Update();
      ++updates;
    }
    return updates;
  }

  TGameMenuWindow window;
  std::vector<int> moves;  // the moving coordinate of every OnPosUpdate
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;
using Moves = std::vector<int>;

TEST_F(GameMenuWindowTest, StartsHiddenFarOffScreen) {
  EXPECT_EQ(window.State(), mwHidden);
  EXPECT_EQ(window.Position(), (TScreenPoint{-999, -999}));
}

TEST_F(GameMenuWindowTest, ShowStartsFromTheHiddenSideOfItsDirection) {
  SetUpOptionsWindow();
  window.Show();
  EXPECT_EQ(window.Position(), (TScreenPoint{-450, 187}));
  EXPECT_EQ(window.State(), mwShowing);
  EXPECT_EQ(events, (Events{"start showing"}));
  SetUpConfirmWindow();
  window.Show();
  EXPECT_EQ(window.Position(), (TScreenPoint{480, -190}));
}

TEST_F(GameMenuWindowTest, OptionsWindowSlidesInByHundredsAndCompletesOnTheTenthUpdate) {
  SetUpOptionsWindow();
  window.Show();
  EXPECT_EQ(UpdatesUntil(mwShown), 10);
  EXPECT_EQ(moves, (Moves{-350, -250, -150, -50, 50, 150, 250, 350, 450, 460}));
  EXPECT_EQ(events, (Events{"start showing", "shown"}));
}

TEST_F(GameMenuWindowTest, ConfirmWindowCompletesOnTheSixthUpdate) {
  SetUpConfirmWindow();
  window.Show();
  EXPECT_EQ(UpdatesUntil(mwShown), 6);
  EXPECT_EQ(moves, (Moves{-105, -20, 65, 150, 235, 290}));
}

TEST_F(GameMenuWindowTest, LandingExactlyOnTheShownPlaceCompletesOneUpdateLater) {
  // The top panel: from -75 to 0 at one pixel per frame.
  window.Left = 2;
  window.Top = 0;
  window.HidingYPos = -75;
  window.MoveStep = 1;
  window.ShowDir = sdToDown;
  window.Show();
  for (int i = 0; i < 75; ++i) window.Update();
  EXPECT_EQ(window.Position(), (TScreenPoint{2, 0}));
  EXPECT_EQ(window.State(), mwShowing);
  window.Update();
  EXPECT_EQ(window.State(), mwShown);
  EXPECT_EQ(window.Position(), (TScreenPoint{2, 0}));
  EXPECT_EQ(moves.size(), 75u) << "the 76th update ends where it began";
  EXPECT_EQ(events.back(), "shown");
}

TEST_F(GameMenuWindowTest, LeftAndUpWindowsSlideTheOtherWay) {
  window.Left = 480;
  window.Top = 187;
  window.HidingXPos = 1366;
  window.MoveStep = 100;
  window.ShowDir = sdToLeft;
  window.Show();
  EXPECT_EQ(UpdatesUntil(mwShown), 9);
  EXPECT_EQ(moves.front(), 1266);
  EXPECT_EQ(moves.back(), 480);

  moves.clear();
  window.Top = 100;
  window.HidingYPos = 800;
  window.ShowDir = sdToUp;
  window.Show();
  EXPECT_EQ(UpdatesUntil(mwShown), 8) << "the seventh lands exactly on 100";
  EXPECT_EQ(moves, (Moves{700, 600, 500, 400, 300, 200, 100}));
}

TEST_F(GameMenuWindowTest, HidingSlidesBackAndCompletesPastTheHiddenPlace) {
  SetUpConfirmWindow();
  window.Show();
  UpdatesUntil(mwShown);
  moves.clear();
  events.clear();
  window.Hide();
  EXPECT_EQ(events, (Events{"start hiding"}));
  EXPECT_EQ(UpdatesUntil(mwHidden), 6);
  EXPECT_EQ(moves, (Moves{205, 120, 35, -50, -135, -190}));
  EXPECT_EQ(events, (Events{"start hiding", "hidden"}));
}

TEST_F(GameMenuWindowTest, HideWhileShowingTurnsBackAtOnce) {
  SetUpConfirmWindow();
  window.Show();
  window.Update();
  window.Update();  // at -20
  window.Hide();
  window.Update();
  EXPECT_EQ(window.Position().Y, -105);
  window.Update();
  EXPECT_EQ(window.Position().Y, -190);
  EXPECT_EQ(window.State(), mwHiding) << "landed exactly, not beyond";
  window.Update();
  EXPECT_EQ(window.State(), mwHidden);
}

TEST_F(GameMenuWindowTest, ShowWhileShownRestartsFromTheHiddenPlace) {
  SetUpConfirmWindow();
  window.Show();
  UpdatesUntil(mwShown);
  window.Show();
  EXPECT_EQ(window.Position().Y, -190);
  EXPECT_EQ(window.State(), mwShowing);
}

TEST_F(GameMenuWindowTest, HideNowJumpsToHiddenWithoutTheHidingEvents) {
  SetUpConfirmWindow();
  window.Tag = "MENU_OPTIONS";
  window.Show();
  UpdatesUntil(mwShown);
  events.clear();
  moves.clear();
  window.HideNow();
  EXPECT_EQ(window.State(), mwHidden);
  EXPECT_EQ(window.Position(), (TScreenPoint{-400, -190}));
  EXPECT_EQ(window.Tag, "");
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(moves, (Moves{-190}));
}

TEST_F(GameMenuWindowTest, ShownTimerFiresOnceOnTheFiveHundredthShownFrame) {
  // The stage result window: 15 000 ms at 30 ms a frame.
  window.Left = 480;
  window.Top = 161;
  window.HidingYPos = -450;
  window.MoveStep = 85;
  window.ShowDir = sdToDown;
  window.ShownTimerEnabled = true;
  window.ShownTimeToTriggerEvent = 15000;
  window.Show();
  UpdatesUntil(mwShown);
  events.clear();
  for (int frame = 1; frame <= 499; ++frame) window.Update();
  EXPECT_TRUE(events.empty());
  window.Update();
  EXPECT_EQ(events, (Events{"timer"}));
  for (int frame = 0; frame < 600; ++frame) window.Update();
  EXPECT_EQ(events, (Events{"timer"}));
  EXPECT_EQ(window.ShownTime(), 15000);
}

TEST_F(GameMenuWindowTest, ShownTimerStartsAgainWithTheNextShowing) {
  SetUpConfirmWindow();
  window.ShownTimerEnabled = true;
  window.ShownTimeToTriggerEvent = 90;
  window.Show();
  UpdatesUntil(mwShown);
  for (int frame = 0; frame < 5; ++frame) window.Update();
  window.Show();
  UpdatesUntil(mwShown);
  for (int frame = 0; frame < 5; ++frame) window.Update();
  EXPECT_EQ(std::count(events.begin(), events.end(), "timer"), 2);
}

TEST_F(GameMenuWindowTest, WithoutTheTimerNothingIsCounted) {
  SetUpConfirmWindow();
  window.Show();
  UpdatesUntil(mwShown);
  for (int frame = 0; frame < 600; ++frame) window.Update();
  EXPECT_EQ(window.ShownTime(), 0);
  EXPECT_EQ(events, (Events{"start showing", "shown"}));
}

TEST_F(GameMenuWindowTest, DrawsItsPictureExceptWhenHidden) {
  TSpriteRecorder screen;
  screen.AddPicture("ConfirmWindow", 406, 188);
  window.OmgImgList = &screen.List;
  window.WindowImg = "ConfirmWindow";
  SetUpConfirmWindow();
  window.Draw();
  EXPECT_TRUE(screen.Sprites().empty());
  window.Show();
  window.Update();
  window.Draw();
  ASSERT_EQ(screen.Sprites().size(), 1u);
  EXPECT_FLOAT_EQ(screen.Sprites()[0].Left, 480);
  EXPECT_FLOAT_EQ(screen.Sprites()[0].Top, -105);
}

}  // namespace
}  // namespace qm
