#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/EffectsMode.h"
#include "text/GlobalGameText.h"
#include "text/TextFolder.h"
#include "text/TextStrings.h"
#include "text/TutorialToolTip.h"
#include "text/WrenTutorial.h"

namespace qm {
namespace {

using testing_support::TTextFolder;

const std::string kLongBody = "Swap two neighbouring pieces to line up three or more of a kind, then watch them go.";

class Tutorials : public testing::Test {
 protected:
  Tutorials() {
    std::vector<std::string> lines;
    for (int i = 1; i <= 30; ++i) lines.push_back("Line " + std::to_string(i));
    lines[1] = kLongBody;
    lines[2] = std::string(70, 'T');
    folder.WriteLines("GameTutorial.txt", lines);
    texts = std::make_unique<TTextStrings>(folder.Path);
    scroll.TextStringsComp = texts.get();
    scroll.ReloadTexts();
    tip.TextStringsComp = texts.get();
    tip.ReloadTexts();
    scroll.OnSpecificTutorialIdx = [this](TWrenTutorial&, int entry) { Log("specific", entry); };
    scroll.OnStart = [this](TWrenTutorial&, int entry) { Log("start", entry); };
    scroll.OnFinish = [this](TWrenTutorial&) { Log("finish"); };
    tip.OnPointingPosRequest = [this](TTutorialToolTip&, int entry, TScreenPoint& at) {
      Log("point " + std::to_string(at.X) + "," + std::to_string(at.Y), entry);
      if (pointAt) at = *pointAt;
    };
    tip.OnButtonPosChange = [this](TTutorialToolTip&, int x, int y) { button = {x, y}; };
    tip.OnStart = [this](TTutorialToolTip&) { Log("start"); };
    tip.OnSpecificToolTipIdxEvent = [this](TTutorialToolTip&, int entry) { Log("specific", entry); };
    tip.OnFinish = [this](TTutorialToolTip&) { Log("finish"); };
  }
  ~Tutorials() override { ReducedEffectsMode = false; }

  void Log(const std::string& what, int entry = 0) { log.push_back(entry ? what + " " + std::to_string(entry) : what); }

  template <typename T, typename F>
  static int TicksWhile(T& component, F still) {
    int ticks = 0;
    for (; still() && ticks < 100; ++ticks) component.TickAndDraw();
    return ticks;
  }

  TTextFolder folder;
  std::unique_ptr<TTextStrings> texts;
  TWrenTutorial scroll;
  TTutorialToolTip tip;
  std::vector<std::string> log;
  std::optional<TScreenPoint> pointAt;
  TScreenPoint button = OffScreenPoint;
};

TEST_F(Tutorials, EachLevelStartNamesItsScrollEntry) {
  struct TCase {
    int Island, Level;
    TGameObjective Objective;
    int Entry;
  };
  for (const TCase& c :
       {TCase{1, 1, goBossMode, 7}, {4, 9, goBossMode, 7},    {0, 0, goBossMode, 7},    {0, 0, goNormalMode, 6},
        {1, 1, goNormalMode, 1},    {1, 2, goNormalMode, 9},  {1, 3, goNormalMode, 10}, {1, 4, goNormalMode, 0},
        {1, 5, goNormalMode, 13},   {1, 6, goNormalMode, 0},  {1, 7, goNormalMode, 11}, {1, 8, goNormalMode, 12},
        {2, 1, goNormalMode, 2},    {2, 2, goNormalMode, 14}, {2, 11, goNormalMode, 8}, {3, 1, goNormalMode, 3},
        {4, 1, goNormalMode, 4},    {5, 1, goNormalMode, 5},  {5, 2, goNormalMode, 0},  {0, 1, goNormalMode, 0},
        {6, 1, goNormalMode, 0}})
    EXPECT_EQ(TWrenTutorial::EntryFor(c.Island, c.Level, c.Objective), c.Entry) << c.Island << "-" << c.Level;
}

TEST_F(Tutorials, AScrollShowsOnceForAPlayerAcrossResetsAndSaves) {
  EXPECT_TRUE(scroll.Check(2, 1, goNormalMode));
  scroll.Show(2, 1, goNormalMode);
  EXPECT_TRUE(scroll.Visible());
  EXPECT_EQ(scroll.Current(), 2);
  scroll.Reset();
  EXPECT_FALSE(scroll.Visible());
  scroll.Show(2, 1, goNormalMode);
  EXPECT_FALSE(scroll.Visible());
  TWrenTutorial loaded;
  loaded.ImportShown(scroll.ExportShown());
  EXPECT_EQ(loaded.ExportShown(), scroll.ExportShown());
  EXPECT_FALSE(loaded.Check(2, 1, goNormalMode));
  EXPECT_TRUE(loaded.Check(3, 1, goNormalMode));
  EXPECT_EQ(log, (std::vector<std::string>{"specific 2", "start 2"}));
  scroll.ReloadTexts();
  EXPECT_TRUE(scroll.Check(2, 1, goNormalMode));
}

TEST_F(Tutorials, SwitchedOffNeitherShowsNorForgets) {
  std::array<std::uint8_t, TWrenTutorial::EntryCount> seen{};
  seen[1] = 1;
  scroll.ImportShown(seen);
  scroll.Enabled = tip.Enabled = false;
  EXPECT_FALSE(scroll.Check(1, 1, goNormalMode));
  scroll.Show(1, 1, goNormalMode);
  for (int move = 0; move < 20; ++move) tip.CountMove();
  tip.SceneTrigger(0);
  tip.EventTrigger(3);
  EXPECT_FALSE(scroll.Visible());
  EXPECT_FALSE(tip.Showing());
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(scroll.ExportShown(), seen);
  EXPECT_EQ(tip.ExportShown(), (std::array<std::uint8_t, TTutorialToolTip::EntryCount>{}));
  tip.Enabled = true;
  tip.CountMove();
  EXPECT_FALSE(tip.Showing());
  tip.SceneTrigger(0);
  EXPECT_TRUE(tip.Showing());
}

TEST_F(Tutorials, TipsWithoutATextNeverShow) {
  for (int entry = 1; entry <= TTutorialToolTip::EntryCount; ++entry)
    if (tip.Text(entry).empty()) tip.Show(entry);
  for (int kind : {1, 2, 4}) tip.EventTrigger(kind);
  tip.SceneTrigger(1);
  EXPECT_FALSE(tip.Showing());
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(tip.ExportShown(), (std::array<std::uint8_t, TTutorialToolTip::EntryCount>{}));
}

TEST_F(Tutorials, TheObjectivesTipComesAtTheEighthMoveOfTheFirstLevel) {
  struct TCase {
    int Island, Level, ShowsAt;
  };
  for (const TCase& c : {TCase{1, 1, 8}, {1, 2, 0}, {2, 1, 0}}) {
    TTutorialToolTip fresh;
    fresh.IslandIdx = c.Island;
    fresh.LevelIdx = c.Level;
    int shownAt = 0;
    for (int move = 1; move <= 20 && !shownAt; ++move) {
      fresh.CountMove();
      EXPECT_FALSE(fresh.Showing()) << "not while the move's pieces still fall";
      fresh.CheckMoveTriggers();  // the board has come to rest
      if (fresh.Showing()) shownAt = move;
    }
    EXPECT_EQ(shownAt, c.ShowsAt) << c.Island << "-" << c.Level;
    EXPECT_EQ(fresh.Current(), c.ShowsAt ? 3 : 0);
  }
}

TEST_F(Tutorials, EventsShowTheirTipsWhereTheyApply) {
  struct TCase {
    int Island, Level;
    void (TTutorialToolTip::*Trigger)(int);
    int Kind, Entry;
  };
  for (const TCase& c : {TCase{1, 1, &TTutorialToolTip::EventTrigger, 0, 0},
                         {1, 2, &TTutorialToolTip::EventTrigger, 0, 6},
                         {1, 9, &TTutorialToolTip::EventTrigger, 0, 6},
                         {2, 3, &TTutorialToolTip::EventTrigger, 0, 0},
                         {3, 5, &TTutorialToolTip::EventTrigger, 3, 22},
                         {4, 2, &TTutorialToolTip::SceneTrigger, 0, 25}}) {
    TTutorialToolTip fresh;
    fresh.IslandIdx = c.Island;
    fresh.LevelIdx = c.Level;
    (fresh.*c.Trigger)(c.Kind);
    EXPECT_EQ(fresh.Current(), c.Entry) << c.Island << "-" << c.Level << " kind " << c.Kind;
  }
  for (auto [level, entry] : {std::pair{3, 0}, {4, 13}}) {
    TTutorialToolTip fresh;
    fresh.LevelIdx = level;
    fresh.LevelStart();
    EXPECT_EQ(fresh.Current(), entry);
  }
}

TEST_F(Tutorials, TheBoxSitsOnTheScreenSideOfTheTarget) {
  struct TCase {
    TScreenPoint At;
    int Quadrant;
    TScreenPoint Arrow;
    int Angle;
    TScreenPoint Box, Text, Button;
  };
  for (const TCase& c : {TCase{{900, 460}, 0, {895, 453}, 105, {919, 479}, {955, 514}, {1040, 643}},
                         {{901, 100}, 1, {854, 94}, 195, {554, 111}, {590, 146}, {675, 275}},
                         {{100, 461}, 2, {94, 412}, 15, {123, 224}, {159, 259}, {244, 388}},
                         {{1200, 700}, 3, {1152, 652}, 285, {856, 467}, {892, 502}, {977, 631}}}) {
    pointAt = c.At;
    tip.Reset();
    tip.ImportShown({});
    tip.SceneTrigger(0);
    EXPECT_EQ(tip.Quadrant(), c.Quadrant);
    EXPECT_EQ(tip.ArrowPos(), c.Arrow);
    EXPECT_EQ(tip.ArrowAngle(), c.Angle);
    EXPECT_EQ(tip.BoxPos(), c.Box);
    EXPECT_EQ(tip.TextPos(), c.Text);
    EXPECT_EQ(tip.ButtonPos(), c.Button);
    EXPECT_EQ(button, c.Button);
  }
  EXPECT_EQ(log[0], "point 563,690 25");
  EXPECT_EQ((std::vector<std::string>(log.begin() + 1, log.begin() + 3)),
            (std::vector<std::string>{"start", "specific 25"}));
}

TEST_F(Tutorials, BothFadeInAndAfterFinishFadeOutAndHide) {
  struct TCase {
    bool Reduced;
    int ScrollTicks, TipTicks;
  };
  for (const TCase& c : {TCase{false, 34, 10}, {true, 4, 2}}) {
    ReducedEffectsMode = c.Reduced;
    scroll.ImportShown({});
    tip.ImportShown({});
    scroll.Show(1, 1, goNormalMode);
    tip.SceneTrigger(0);
    EXPECT_EQ(TicksWhile(scroll, [&] { return scroll.Fade() < 1; }), c.ScrollTicks);
    EXPECT_EQ(TicksWhile(tip, [&] { return tip.Fade() < 1; }), c.TipTicks);
    log.clear();
    scroll.Finish();
    tip.Finish();
    scroll.Finish();
    EXPECT_EQ(log, (std::vector<std::string>{"finish", "finish"}));
    EXPECT_EQ(TicksWhile(scroll, [&] { return scroll.Visible(); }), c.ScrollTicks);
    EXPECT_EQ(TicksWhile(tip, [&] { return tip.Showing(); }), c.TipTicks);
    EXPECT_EQ(scroll.Fade(), 0);
    EXPECT_EQ(tip.Fade(), 0);
  }
}

}  // namespace
}  // namespace qm
