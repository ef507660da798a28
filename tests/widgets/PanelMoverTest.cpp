#include "widgets/PanelMover.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm {
namespace {

class PanelMoverTest : public testing::Test {
 protected:
  PanelMoverTest() {
    panel.Left = 100;
    panel.Top = 50;
    panel.HideLeft = -200;
    panel.HideTop = 20;
    panel.HorzStep = 100;
    panel.VertStep = 10;
    panel.OnPosUpdate = [this](TPanelMover&, TScreenPoint p) { moves.push_back(p); };
    panel.OnShowingCompleted = [this](TPanelMover&) { events.push_back("shown"); };
    panel.OnHidingCompleted = [this](TPanelMover&) { events.push_back("hidden"); };
  }

  TPanelMover panel;
  std::vector<TScreenPoint> moves;
  std::vector<std::string> events;
};

using Moves = std::vector<TScreenPoint>;
using Events = std::vector<std::string>;

TEST_F(PanelMoverTest, BothAxesStepTowardTheShownPlaceAndCompleteOnArrival) {
  panel.Show();
  panel.Update();
  panel.Update();
  panel.Update();
  EXPECT_EQ(moves, (Moves{{-100, 30}, {0, 40}, {100, 50}}));
  EXPECT_EQ(panel.State(), pmShown);
  EXPECT_EQ(events, (Events{"shown"}));
}

TEST_F(PanelMoverTest, TheSlowerAxisDecidesWhenShowingCompletes) {
  panel.VertStep = 1;
  panel.Show();
  for (int i = 0; i < 29; ++i) panel.Update();
  EXPECT_EQ(panel.State(), pmShowing);
  panel.Update();
  EXPECT_EQ(panel.State(), pmShown);
  EXPECT_EQ(moves.back(), (TScreenPoint{100, 50}));
}

TEST_F(PanelMoverTest, ReportsThePositionEveryFrameInEveryState) {
  panel.Update();
  panel.Show();
  for (int i = 0; i < 5; ++i) panel.Update();
  EXPECT_EQ(moves.size(), 6u);
  EXPECT_EQ(moves.back(), (TScreenPoint{100, 50}));
}

TEST_F(PanelMoverTest, HidingReturnsToTheHiddenPlace) {
  panel.Show();
  for (int i = 0; i < 3; ++i) panel.Update();
  panel.Hide();
  for (int i = 0; i < 3; ++i) panel.Update();
  EXPECT_EQ(panel.State(), pmHidden);
  EXPECT_EQ(moves.back(), (TScreenPoint{-200, 20}));
  EXPECT_EQ(events, (Events{"shown", "hidden"}));
}

TEST_F(PanelMoverTest, ShowingAlwaysStartsFromTheHiddenPlace) {
  panel.Show();
  for (int i = 0; i < 3; ++i) panel.Update();
  panel.Show();
  panel.Update();
  EXPECT_EQ(moves.back(), (TScreenPoint{-100, 30}));
}

TEST_F(PanelMoverTest, AZeroStepOnAnAxisThatMustMoveNeverCompletes) {
  panel.HorzStep = 0;
  panel.Show();
  for (int i = 0; i < 100; ++i) panel.Update();
  EXPECT_EQ(panel.State(), pmShowing);
  EXPECT_EQ(moves.back(), (TScreenPoint{-200, 50}));
  EXPECT_TRUE(events.empty());
}

TEST_F(PanelMoverTest, CurrentPosIsOffScreenWhileHidden) {
  EXPECT_EQ(panel.CurrentPos(), (TScreenPoint{-999, -999}));
  panel.Show();
  EXPECT_EQ(panel.CurrentPos(), (TScreenPoint{-200, 20}));
  panel.Update();
  EXPECT_EQ(panel.CurrentPos(), (TScreenPoint{-100, 30}));
  panel.HideNow();
  EXPECT_EQ(panel.State(), pmHidden);
  EXPECT_EQ(panel.CurrentPos(), (TScreenPoint{-999, -999}));
  EXPECT_TRUE(events.empty()) << "HideNow reports nothing";
}

}  // namespace
}  // namespace qm
