// Board tools: the shared geometry, collected tools in flight, the counted
// tools and the six power tools, driven by mouse events and ticks alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "enemies/Aerosol.h"
#include "enemies/Broom.h"
#include "enemies/CollectorBombTool.h"
#include "enemies/CountedTool.h"
#include "enemies/MagicKey.h"
#include "enemies/ToolBoardArea.h"
#include "enemies/ToolGlide.h"

namespace qm {
namespace {

constexpr int kBoardLeft = 150;
constexpr int kBoardTop = 80;

// Sounds and cursor requests a tool made, in order.
struct TToolLog {
  std::vector<std::string> Sounds;
  std::vector<TCursorShape> Cursors;
  int Picks = 0;

  template <class Tool>
  void Attach(Tool& tool) {
    tool.OnPlaySound = [this](const std::string& s) { Sounds.push_back(s); };
    tool.OnCursorRequest = [this](TCursorShape c) { Cursors.push_back(c); };
    tool.OnPick = [this] { ++Picks; };
  }
  bool Played(const std::string& s) const {
    for (const auto& played : Sounds)
      if (played == s) return true;
    return false;
  }
};

template <class Tool>
void Ticks(Tool& tool, int count) {
  for (int i = 0; i < count; ++i) tool.UpdateAndDraw();
}

// Pixel at the middle of a tile.
int TileMidX(int column) { return kBoardLeft + (column - 1) * TileSize + TileSize / 2; }
int TileMidY(int row) { return kBoardTop + (row - 1) * TileSize + TileSize / 2; }

// --- Mouse to tile ---------------------------------------------------------

struct TTileCase {
  int X, Y;
  TPoint Tile;
  bool Inside;
};

class MouseToTile : public ::testing::TestWithParam<TTileCase> {};

TEST_P(MouseToTile, ColumnAndRowComeFromTheBoardOrigin) {
  TToolBoardArea area{kBoardLeft, kBoardTop};
  const TTileCase& c = GetParam();
  EXPECT_EQ(area.TileAt(c.X, c.Y), c.Tile);
  EXPECT_EQ(area.Contains(c.X, c.Y), c.Inside);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, MouseToTile,
    ::testing::Values(TTileCase{kBoardLeft, kBoardTop, {1, 1}, true},
                      TTileCase{kBoardLeft + 52, kBoardTop + 52, {2, 2}, true},
                      // The far edges still count as the board but lie past the last tile.
                      TTileCase{kBoardLeft + 832, kBoardTop + 624, {17, 13}, true},
                      TTileCase{kBoardLeft + 833, kBoardTop, {17, 1}, false},
                      TTileCase{kBoardLeft - 1, kBoardTop, {0, 1}, false},
                      TTileCase{kBoardLeft, kBoardTop - 1, {1, 0}, false}));

// --- Gliding ----------------------------------------------------------------

struct TGlideCase {
  float FromX, FromY, ToX, ToY;
  float StepX, StepY;  // after one tick
  int Ticks;           // until arrival
};

class Glide : public ::testing::TestWithParam<TGlideCase> {};

TEST_P(Glide, TheLongerAxisMovesFortyAndNothingOvershoots) {
  const TGlideCase& c = GetParam();
  TToolGlide g;
  g.JumpTo(c.FromX, c.FromY);
  g.StepToward(c.ToX, c.ToY);
  EXPECT_FLOAT_EQ(g.X, c.StepX);
  EXPECT_FLOAT_EQ(g.Y, c.StepY);
  g.JumpTo(c.FromX, c.FromY);
  int ticks = 1;
  while (!g.StepToward(c.ToX, c.ToY)) ++ticks;
  EXPECT_EQ(ticks, c.Ticks);
  EXPECT_TRUE(g.At(c.ToX, c.ToY));
}

INSTANTIATE_TEST_SUITE_P(Paths, Glide,
                         ::testing::Values(TGlideCase{0, 0, 100, 0, 40, 0, 3}, TGlideCase{0, 0, 100, 50, 40, 20, 3},
                                           TGlideCase{100, 200, 90, 0, 98, 160, 5},
                                           TGlideCase{0, 0, 30, -10, 30, -10, 1}, TGlideCase{5, 5, 5, 5, 5, 5, 1}));

// --- Collected tools in flight ---------------------------------------------

// --- Counted-tool stock -----------------------------------------------------

// The shared behaviour alone: every click on the board applies.
class TPlainCountedTool : public TCountedTool {
 public:
  TPlainCountedTool() : TCountedTool(27, 227, 85, 258, 250, -3, -38) {}
  std::vector<TPoint> Used;
  std::vector<TPoint> Reported;

 protected:
  void UseAt(TPoint tile, int, int) override {
    Used.push_back(tile);
    SpendOne();
  }
  void AskTile(TPoint, bool& applies, bool& blank) override {
    applies = true;
    blank = false;
  }
  void ReportTilePos(TPoint tile, bool) override { Reported.push_back(tile); }
};

struct TStockCase {
  int Before;
  int After;
};

class CountedStock : public ::testing::TestWithParam<TStockCase> {};

TEST_P(CountedStock, ACollectedToolAddsOneUpToNineAndAlwaysSounds) {
  TPlainCountedTool tool;
  TToolLog log;
  log.Attach(tool);
  tool.SetStock(GetParam().Before);
  tool.AcquireOne();
  EXPECT_EQ(tool.Stock(), GetParam().After);
  EXPECT_EQ(log.Sounds, std::vector<std::string>{"ToolAcquired"});
}

INSTANTIATE_TEST_SUITE_P(Counts, CountedStock,
                         ::testing::Values(TStockCase{0, 1}, TStockCase{3, 4}, TStockCase{8, 9}, TStockCase{9, 9}));

// --- Counted-tool hand ------------------------------------------------------

TEST(CountedHand, PickingNeedsTheHolderAStockAndAnAvailableEnabledTool) {
  struct TCase {
    int Stock;
    bool Available, Enabled;
    int X, Y;
    bool Picked;
  };
  for (const TCase& c : {TCase{3, true, true, 40, 240, true}, TCase{0, true, true, 40, 240, false},
                         TCase{3, false, true, 40, 240, false}, TCase{3, true, false, 40, 240, false},
                         TCase{3, true, true, 200, 240, false}}) {
    TPlainCountedTool tool;
    TToolLog log;
    log.Attach(tool);
    tool.SetStock(c.Stock);
    tool.Available = c.Available;
    tool.Enabled = c.Enabled;
    tool.MouseDown(c.X, c.Y, TMouseButton::mbLeft);
    EXPECT_EQ(tool.Carried(), c.Picked) << c.Stock << c.Available << c.Enabled << c.X;
    EXPECT_EQ(log.Picks, c.Picked ? 1 : 0);
    EXPECT_EQ(log.Played("PickingTool"), c.Picked);
  }
}

TEST(CountedHand, AClickOutsideTheBoardDropsItAndItGlidesHomeAfterTheIdleTime) {
  TPlainCountedTool tool;
  tool.Board = {kBoardLeft, kBoardTop};
  TToolLog log;
  log.Attach(tool);
  tool.MouseDown(40, 240, TMouseButton::mbLeft);
  tool.MouseMove(TileMidX(8), TileMidY(6));
  Ticks(tool, 30);
  tool.MouseDown(kBoardLeft + 900, 300, TMouseButton::mbLeft);
  EXPECT_EQ(tool.State(), TCountedToolState::Waiting);
  EXPECT_TRUE(tool.Used.empty());
  ASSERT_FALSE(tool.Reported.empty());
  EXPECT_EQ(tool.Reported.back(), (TPoint{0, 0})) << "the highlight is cleared";
  ASSERT_FALSE(log.Cursors.empty());
  EXPECT_EQ(log.Cursors.back(), TCursorShape::crDefault);
  const float waitingAt = tool.X();
  Ticks(tool, 250 / 30);
  EXPECT_EQ(tool.X(), waitingAt) << "it lies still for the idle time";
  Ticks(tool, 1);
  EXPECT_EQ(tool.State(), TCountedToolState::Returning);
  Ticks(tool, 40);
  EXPECT_EQ(tool.State(), TCountedToolState::Hanging);
  EXPECT_EQ(tool.X(), 27.0f);
  EXPECT_EQ(tool.Y(), 227.0f);
}

// --- Broom ------------------------------------------------------------------

// A board the counted tools are asked about: which tiles apply, which are
// blank, how many webs and enemies are left.
struct TToolBoard {
  std::vector<TPoint> Applicable;
  std::vector<TPoint> Blank;
  int WebsLeft = 5;
  bool Enemies = true;
  std::vector<TPoint> Finished;
  std::vector<TPoint> Asked;

  static bool Has(const std::vector<TPoint>& v, TPoint p) {
    for (TPoint q : v)
      if (q == p) return true;
    return false;
  }
  void Answer(TPoint p, bool& applies, bool& blank) {
    Asked.push_back(p);
    applies = Has(Applicable, p);
    blank = Has(Blank, p) || !IsOnBoard(p);
  }
};

// Picked and carried over the board.
template <class Tool>
void PickUp(Tool& tool) {
  tool.Board = {kBoardLeft, kBoardTop};
  tool.MouseDown(tool.HangingPosX + 5, tool.HangingPosY + 5, TMouseButton::mbLeft);
  ASSERT_TRUE(tool.Carried());
}

void HookBroom(TBroom& broom, TToolBoard& board) {
  broom.OnObjectBroomableAsk = [&board](TPoint p, bool& a, bool& b) { board.Answer(p, a, b); };
  broom.OnWebsLeftQuestion = [&board](int& left) { left = board.WebsLeft; };
  broom.OnTileBroomingFinished = [&board](TPoint p) {
    board.Finished.push_back(p);
    --board.WebsLeft;
  };
}

struct TBroomCase {
  const char* Name;
  TPoint Tile;
  int Stock;
  int WebsLeft;
  int StockAfter;
  const char* Sound;  // the last one played
  TCountedToolState StateAfterSweep;
};

class BroomClick : public ::testing::TestWithParam<TBroomCase> {};

TEST_P(BroomClick, AWebbedTileIsSweptOthersRefuseOrDrop) {
  const TBroomCase& c = GetParam();
  TBroom broom;
  TToolBoard board;
  board.Applicable = {{4, 4}};
  board.Blank = {{1, 1}};
  board.WebsLeft = c.WebsLeft;
  TToolLog log;
  log.Attach(broom);
  HookBroom(broom, board);
  broom.SetStock(c.Stock);
  broom.IdleReturnTime = 1000;  // still waiting when the sweep would be over
  PickUp(broom);
  broom.MouseDown(TileMidX(c.Tile.X), TileMidY(c.Tile.Y), TMouseButton::mbLeft);
  EXPECT_EQ(broom.Stock(), c.StockAfter) << c.Name;
  EXPECT_EQ(log.Sounds.back(), c.Sound) << c.Name;
  Ticks(broom, TBroom::SweepTicks);
  EXPECT_EQ(broom.State(), c.StateAfterSweep) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Tiles, BroomClick,
    ::testing::Values(TBroomCase{"webbed, more webs", {4, 4}, 3, 5, 2, "Sweeping", TCountedToolState::Carried},
                      TBroomCase{"webbed, last web", {4, 4}, 3, 1, 2, "Sweeping", TCountedToolState::Waiting},
                      TBroomCase{"webbed, last use", {4, 4}, 1, 5, 0, "Sweeping", TCountedToolState::Waiting},
                      TBroomCase{"no web", {5, 4}, 3, 5, 3, "DisabledTile", TCountedToolState::Carried},
                      TBroomCase{"blank", {1, 1}, 3, 5, 3, "PickingTool", TCountedToolState::Waiting}));

// --- Magic key --------------------------------------------------------------

struct TKeyCase {
  const char* Name;
  TPoint Tile;
  int Stock;
  bool Opened;
  TCountedToolState StateAfter;
};

class KeyClick : public ::testing::TestWithParam<TKeyCase> {};

TEST_P(KeyClick, ALockOpensAtOnceAndTheKeyStaysWhileItHasUses) {
  const TKeyCase& c = GetParam();
  TMagicKey key;
  TToolBoard board;
  board.Applicable = {{7, 3}};
  board.Blank = {{2, 2}};
  std::vector<TPoint> opened;
  key.OnObjectOpenableAsk = [&](TPoint p, bool& a, bool& b) { board.Answer(p, a, b); };
  key.OnTileClick = [&](TPoint p) { opened.push_back(p); };
  key.SetStock(c.Stock);
  key.IdleReturnTime = 1000;
  PickUp(key);
  key.MouseDown(TileMidX(c.Tile.X), TileMidY(c.Tile.Y), TMouseButton::mbLeft);
  EXPECT_EQ(opened.size(), c.Opened ? 1u : 0u) << c.Name;
  Ticks(key, static_cast<int>(TMagicKey::OpeningSequence.size()));
  EXPECT_EQ(key.State(), c.StateAfter) << c.Name;
  EXPECT_EQ(key.Stock(), c.Stock - (c.Opened ? 1 : 0)) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(Tiles, KeyClick,
                         ::testing::Values(TKeyCase{"locker", {7, 3}, 2, true, TCountedToolState::Carried},
                                           TKeyCase{"locker, last key", {7, 3}, 1, true, TCountedToolState::Waiting},
                                           TKeyCase{"plain piece", {8, 3}, 2, false, TCountedToolState::Carried},
                                           TKeyCase{"blank", {2, 2}, 2, false, TCountedToolState::Waiting}));

// --- Aerosol ----------------------------------------------------------------

// Runs a spray from the click to the end of its spray-out.
int SprayThrough(TAerosol& can) {
  int ticks = 0;
  while (ticks < 200 && can.State() != TCountedToolState::Carried && can.State() != TCountedToolState::Waiting) {
    can.UpdateAndDraw();
    ++ticks;
  }
  return ticks;
}

TEST(AerosolSpray, TheSquareGrowsByTenFromTheSprayFrameShrunkByTheReduce) {
  TAerosol can;
  TToolLog log;
  log.Attach(can);
  std::vector<TSprayRect> rects;
  can.OnSpraySizeChange = [&](const TSprayRect& r) { rects.push_back(r); };
  PickUp(can);
  const int x = TileMidX(8), y = TileMidY(6);
  can.MouseDown(x, y, TMouseButton::mbLeft);
  EXPECT_EQ(can.State(), TCountedToolState::Shaking);
  EXPECT_EQ(can.Stock(), 2);
  Ticks(can, TAerosol::ShakeTicks + can.SprayOutAnimSeqPos - 1);
  EXPECT_FALSE(log.Played("Spray"));
  Ticks(can, 1);
  EXPECT_TRUE(log.Played("Spray"));
  EXPECT_EQ(can.SpraySize(), 10);
  SprayThrough(can);
  // Sizes 40..200 leave a square once the 15-pixel rim is taken off.
  ASSERT_EQ(rects.size(), 17u);
  EXPECT_EQ(rects.front(), (TSprayRect{x - 5, y - 5, x + 5, y + 5}));
  EXPECT_EQ(rects.back(), (TSprayRect{x - 85, y - 85, x + 85, y + 85}));
}

struct TAerosolCase {
  int Stock;
  bool Enemies;
  TCountedToolState After;
};

class AerosolHand : public ::testing::TestWithParam<TAerosolCase> {};

TEST_P(AerosolHand, ItStaysInTheHandOnlyWhileStockAndEnemiesRemain) {
  const TAerosolCase& c = GetParam();
  TAerosol can;
  can.SetStock(c.Stock);
  can.OnEnemiesExistQuestion = [&](bool& e) { e = c.Enemies; };
  PickUp(can);
  can.MouseDown(TileMidX(2), TileMidY(2), TMouseButton::mbLeft);
  SprayThrough(can);
  EXPECT_EQ(can.State(), c.After);
  EXPECT_EQ(can.Stock(), c.Stock - 1);
}

INSTANTIATE_TEST_SUITE_P(Ends, AerosolHand,
                         ::testing::Values(TAerosolCase{3, true, TCountedToolState::Carried},
                                           TAerosolCase{3, false, TCountedToolState::Waiting},
                                           TAerosolCase{1, true, TCountedToolState::Waiting},
                                           TAerosolCase{1, false, TCountedToolState::Waiting}));

// --- Power tools --------------------------------------------------------------

// A hammer laid out as the shell lays it out, with a board that answers.
struct TPowerRig {
  TCollectorBombTool Tool;
  TToolBoard Board;
  TToolLog Log;
  std::vector<std::pair<TPoint, bool>> Highlights;
  std::vector<std::pair<TPoint, TPoint>> Clicks;

  explicit TPowerRig(TNewToolKind kind = tlHammer) {
    Tool.ImgName = "HammerTool";
    Tool.ToolKind = kind;
    Tool.SetHitRect(19, 562, 66, 53);
    Tool.SetDrawOffset(-15, -14);
    Tool.HangingPosX = 24;
    Tool.HangingPosY = 566;
    Tool.Reset();
    Tool.Board = {kBoardLeft, kBoardTop};
    Board.Applicable = {{5, 5}};
    Board.Blank = {{1, 12}};
    Log.Attach(Tool);
    Tool.OnObjectOpenableAsk = [this](TPoint p, bool& a, bool& b) { Board.Answer(p, a, b); };
    Tool.OnTilePosChange = [this](TPoint p, bool& sel, TNewToolKind) { Highlights.emplace_back(p, sel); };
    Tool.OnClick = [this](TPoint tile, TPoint pos) { Clicks.emplace_back(tile, pos); };
  }
  void Pick() { Tool.MouseDown(30, 570, TMouseButton::mbLeft); }
};

struct TPickCase {
  const char* Name;
  bool Available, Enabled, Accessible;
  int X, Y;
  bool Picked;
};

class PowerPick : public ::testing::TestWithParam<TPickCase> {};

TEST_P(PowerPick, OnlyAnEnabledReachableToolUnderThePointerIsPicked) {
  const TPickCase& c = GetParam();
  TPowerRig rig;
  rig.Tool.Available = c.Available;
  rig.Tool.Enabled = c.Enabled;
  rig.Tool.Accessible = c.Accessible;
  rig.Tool.MouseDown(c.X, c.Y, TMouseButton::mbLeft);
  EXPECT_EQ(rig.Tool.Carried(), c.Picked) << c.Name;
  EXPECT_EQ(rig.Log.Picks, c.Picked ? 1 : 0) << c.Name;
  EXPECT_EQ(rig.Log.Played("PickingTool"), c.Picked) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(Holders, PowerPick,
                         ::testing::Values(TPickCase{"inside", true, true, true, 30, 570, true},
                                           TPickCase{"far corner", true, true, true, 85, 615, true},
                                           TPickCase{"just outside", true, true, true, 86, 570, false},
                                           TPickCase{"disabled", true, false, true, 30, 570, false},
                                           TPickCase{"unavailable", false, true, true, 30, 570, false},
                                           TPickCase{"paused", true, true, false, 30, 570, false}));

struct TPowerClickCase {
  const char* Name;
  int X, Y;
  TMouseButton Button;
  TPowerToolState After;
  bool Used;
  bool Refused;  // "DisabledTile"
};

class PowerClick : public ::testing::TestWithParam<TPowerClickCase> {};

TEST_P(PowerClick, ACarriedToolIsUsedRefusedOrSentHome) {
  const TPowerClickCase& c = GetParam();
  TPowerRig rig;
  rig.Pick();
  rig.Tool.MouseDown(c.X, c.Y, c.Button);
  EXPECT_EQ(rig.Tool.State(), c.After) << c.Name;
  EXPECT_EQ(rig.Clicks.size(), c.Used ? 1u : 0u) << c.Name;
  EXPECT_EQ(rig.Log.Played("DisabledTile"), c.Refused) << c.Name;
  if (c.After == TPowerToolState::Returning) {
    ASSERT_FALSE(rig.Highlights.empty()) << c.Name;
    EXPECT_EQ(rig.Highlights.back().first, (TPoint{0, 0})) << c.Name << ": the highlight is cleared";
    EXPECT_EQ(rig.Log.Cursors.back(), TCursorShape::crDefault) << c.Name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tiles, PowerClick,
    ::testing::Values(
        TPowerClickCase{"applicable", TileMidX(5), TileMidY(5), TMouseButton::mbLeft, TPowerToolState::Hanging, true,
                        false},
        TPowerClickCase{"not applicable", TileMidX(6), TileMidY(5), TMouseButton::mbLeft, TPowerToolState::Carried,
                        false, true},
        TPowerClickCase{"blank tile", TileMidX(1), TileMidY(12), TMouseButton::mbLeft, TPowerToolState::Returning,
                        false, false},
        TPowerClickCase{"outside the board", kBoardLeft - 20, TileMidY(5), TMouseButton::mbLeft,
                        TPowerToolState::Returning, false, false},
        TPowerClickCase{"cancel", TileMidX(5), TileMidY(5), TMouseButton::mbRight, TPowerToolState::Returning,
                        false, false}));

}  // namespace
}  // namespace qm
