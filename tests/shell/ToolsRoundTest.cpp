// The tools in a round through the shell: a power tool is picked off the
// left panel once the jar has reached its mark, lights up its area over the
// board and is paid for from the jar; the broom, the magic key and the
// aerosol work on webs, locks and worms.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/RoundFixture.h"

namespace qm {
namespace {

using testing::BoardFromRows;
using testing::RoundThroughTheShell;
using testing::SmallLevel;

// Every cell a piece, no two neighbours alike: no line anywhere.
TBoardData FullBoard() {
  TBoardData data{};
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& tile = data.At(x, y);
      tile.ObjectKind = okFruit;
      tile.Element = static_cast<std::uint8_t>((x + 2 * y) % 5 + 1);
    }
  return data;
}

TLevelRecord FullLevel() {
  TLevelRecord level = SmallLevel(500);
  level.Board = FullBoard();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) level.Board.At(x, y).LockerColor = 1;
  return level;
}

class ToolsInTheRound : public RoundThroughTheShell {
 protected:
  explicit ToolsInTheRound(bool rendering = false) : RoundThroughTheShell(rendering) {}

  void StartOn(const TLevelRecord& level, const TBoardData& board) {
    WriteLevel(level);
    StartRound();
    PlayFromBanner();
    Form().GameBoard().LoadBoardData(board);
    Form().State.DeveloperMode = true;
  }

  // The developer's key offers every tool and fills the jar; the tools
  // come on as the liquid rises past their marks.
  void FillJar(bool developerKey = true) {
    if (developerKey)
      game.KeyDown(vk::F3);
    else
      for (int unit = 0; unit < 200; ++unit) Form().MannaEnergy->AddOne();
    for (int tick = 0; tick < 400 && !Form().PowerTool(tlBigBomb)->Enabled; ++tick) game.RunTicks(1);
    ASSERT_TRUE(Form().PowerTool(tlBigBomb)->Enabled);
  }

  int MarkedCells() {
    int marked = 0;
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) marked += Form().GameBoard().ToolMarked({x, y}) ? 1 : 0;
    return marked;
  }

  bool Heard(const std::string& sound) { return TimesPlayed(sound) > heardBefore[sound]; }
  // Sounds count from here on.
  void ForgetSounds() {
    for (const char* sound : {"DisabledTile", "Sweeping", "Spray", "ToolAcquired"}) heardBefore[sound] = TimesPlayed(sound);
  }

  TFormMain& Form() { return game.Form(); }
  THeadlessDriver& Driver() { return game.Driver(); }
  std::map<std::string, int> heardBefore;
};

int CountElement(const TBoardData& data, std::uint8_t element) {
  int count = 0;
  for (const TBoardTile& tile : data.Tiles) count += tile.ObjectKind == okFruit && tile.Element == element ? 1 : 0;
  return count;
}

// Each power tool over a full board: the cells it lights up, what it costs
// and that at least those cells are cleared.
TEST_F(ToolsInTheRound, EachPowerToolLightsItsAreaPaysFromTheJarAndClearsIt) {
  const TBoardData board = FullBoard();
  const struct {
    TNewToolKind Kind;
    TPoint At;
    int Marked;
  } cases[] = {
      {tlHammer, {5, 5}, 1},
      {tlBomb, {16, 12}, 1},  // the bottom-right corner: only the tile is on the board
      {tlBomb, {16, 6}, 2},   // the right edge: the tile and the one below
      {tlBlaster, {5, 5}, CountElement(board, board.At(5, 5).Element)},
      {tlHorzLightning, {3, 4}, BoardColumns},
      {tlVertLightning, {3, 4}, BoardRows},
      {tlBigBomb, {8, 6}, 45},
  };
  StartOn(FullLevel(), board);
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Kind));
    Settle();
    Form().GameBoard().LoadBoardData(board);
    FillJar();
    ASSERT_TRUE(Driver().PickPowerTool(c.Kind));
    Driver().HoverTile(c.At);
    EXPECT_EQ(MarkedCells(), c.Marked);
    const int full = Form().MannaEnergy->FruitsCounter();
    const int scoreBefore = Form().RoundScore->LevelScore();
    Driver().ClickTile(c.At);
    EXPECT_FALSE(Form().PowerTool(c.Kind)->Carried());
    EXPECT_EQ(MarkedCells(), 0) << "the highlight goes with the use";
    const float share = Form().MannaEnergy->ReqEnergyFactor[TMannaEnergy::ThresholdOf(c.Kind) - 1];
    // A bomb's cells are cleared at once, and pay their manna straight back.
    const int paidBack = c.Kind == tlBomb ? c.Marked : 0;
    EXPECT_EQ(full - Form().MannaEnergy->FruitsCounter(), static_cast<int>(std::lround(200 * share)) - paidBack);
    Settle();
    EXPECT_GE(Form().RoundScore->LevelScore() - scoreBefore, c.Marked * TRoundScore::PointsPerClearedTile);
  }
}

// Where a carried power tool does not apply, or lands on no tile at all.
TEST_F(ToolsInTheRound, ARefusedClickKeepsTheToolAndABlankOrOutsideClickSendsItHome) {
  const TBoardData board = BoardFromRows({"uqABCDEA", "BCDxBCDE", "ABC.ABCD", "CDEABCDE", "ABCDEABC", "CDEABCDE",
                                          "ABCDEABC", "CDEABCDE"});
  const struct {
    const char* What;
    TNewToolKind Kind;
    TPoint At;
    bool StaysCarried;
    const char* Sound;
  } cases[] = {
      {"a blaster over a uni fruit", tlBlaster, {1, 1}, true, "DisabledTile"},
      {"a blaster over a potion", tlBlaster, {2, 1}, true, "DisabledTile"},
      {"a hammer over a locker", tlHammer, {4, 2}, true, "DisabledTile"},
      {"a bomb over a hole in the board", tlBomb, {4, 3}, false, nullptr},
      {"a bomb outside the board", tlBomb, {12, 3}, false, nullptr},
  };
  StartOn(SmallLevel(200), board);
  FillJar();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    ForgetSounds();
    ASSERT_TRUE(Driver().PickPowerTool(c.Kind));
    Driver().HoverTile(c.At);
    EXPECT_EQ(MarkedCells(), 0);
    const int manna = Form().MannaEnergy->FruitsCounter();
    Driver().ClickTile(c.At);
    EXPECT_EQ(Form().PowerTool(c.Kind)->Carried(), c.StaysCarried);
    EXPECT_EQ(Form().MannaEnergy->FruitsCounter(), manna);
    if (c.Sound) {
      EXPECT_TRUE(Heard(c.Sound));
    }
    // Carried, the tool's tile stays marked as refused; gone home, nothing
    // is selected.
    EXPECT_EQ(Form().GameBoard().SelectionArmed(), c.StaysCarried);
    Form().PowerTool(c.Kind)->Reset();
  }
}

TEST_F(ToolsInTheRound, PickingAToolDropsTheOneInTheHand) {
  StartOn(SmallLevel(200), FullBoard());
  FillJar();
  ASSERT_TRUE(Driver().PickPowerTool(tlHammer));
  ASSERT_TRUE(Driver().PickPowerTool(tlBomb));
  EXPECT_EQ(Form().PowerTool(tlHammer)->State(), TPowerToolState::Hanging);
  EXPECT_TRUE(Form().PowerTool(tlBomb)->Carried());
}

// The jar pays for one tool at a time: what is left after a use is
// checked at once, when the next tool is picked and when it is used, not
// when the liquid has crept down past its mark.
TEST_F(ToolsInTheRound, AToolTheJarNoLongerPaysForCanBeNeitherPickedNorUsed) {
  StartOn(SmallLevel(200), FullBoard());
  FillJar();
  Form().MannaEnergy->SetImmediately(-200 + 120);  // the blaster's mark (112) and a little more
  ASSERT_TRUE(Driver().PickPowerTool(tlBlaster));
  Driver().ClickTile({5, 5});
  ASSERT_LT(Form().MannaEnergy->FruitsCounter(), 64) << "the blaster was paid";
  ASSERT_TRUE(Form().PowerTool(tlBomb)->Enabled) << "the liquid has not crept down yet";
  EXPECT_FALSE(Driver().PickPowerTool(tlBomb)) << "picked";
  Form().MannaEnergy->SetImmediately(70 - Form().MannaEnergy->FruitsCounter());
  ASSERT_TRUE(Driver().PickPowerTool(tlBomb));
  Form().MannaEnergy->SetImmediately(-70);
  Driver().ClickTile({5, 5});
  EXPECT_FALSE(Form().PowerTool(tlBomb)->Carried()) << "used: it goes home unpaid";
  EXPECT_EQ(Form().MannaEnergy->FruitsCounter(), 0);
}

TEST_F(ToolsInTheRound, ToolsInTheHandGoHomeWhenTheRoundIsWon) {
  for (const bool powerTool : {true, false}) {
    SCOPED_TRACE(powerTool ? "a power tool" : "the broom");
    StartOn(SmallLevel(200), FullBoard());
    FillJar();
    Form().Broom->SetStock(1);
    ASSERT_TRUE(powerTool ? Driver().PickPowerTool(tlHammer) : Driver().PickCountedTool(*Form().Broom));
    Form().RoundWon();
    game.RunTicks(60);
    EXPECT_EQ(Form().PowerTool(tlHammer)->State(), TPowerToolState::Hanging);
    EXPECT_EQ(Form().Broom->State(), TCountedToolState::Hanging);
  }
}

// Tools are offered by level, wait for the jar, and rest while paused.
TEST_F(ToolsInTheRound, ToolsFollowTheLevelTheJarAndThePause) {
  StartOn(SmallLevel(200), FullBoard());  // island 1, level 1: no power tool yet
  EXPECT_FALSE(Driver().PickPowerTool(tlHammer));
  FillJar(/*developerKey=*/false);
  EXPECT_FALSE(Form().PowerTool(tlHammer)->Available);
  EXPECT_FALSE(Driver().PickPowerTool(tlHammer)) << "unavailable stays so however full the jar";
  game.KeyDown(vk::F3);
  EXPECT_TRUE(Form().PowerTool(tlHammer)->Available) << "the developer's key offers every tool";
  Form().SetPaused(true);
  EXPECT_FALSE(Driver().PickPowerTool(tlHammer));
  EXPECT_FALSE(Driver().PickCountedTool(*Form().Broom));
  Form().SetPaused(false);
  EXPECT_TRUE(Driver().PickPowerTool(tlHammer));
}

TEST_F(ToolsInTheRound, TheBroomSweepsAWebTheKeyOpensALockTheAerosolSpraysAWorm) {
  TBoardData board = BoardFromRows({"ABCDEABC", "CDExCDEA", "ABCDEABC", "CDEABCDE", "ABCDEABC", "CDEABCDE",
                                    "ABCDEABC", "CDEABCDE"});
  board.At(2, 5).Web = 1;
  board.At(6, 6).Worm = 1;
  StartOn(SmallLevel(200), board);
  TGameBoard& live = Form().GameBoard();

  ASSERT_TRUE(Driver().PickCountedTool(*Form().Broom));
  Driver().ClickTile({2, 5});
  for (int tick = 0; tick < 60 && live.HasWeb({2, 5}); ++tick) game.RunTicks(1);
  EXPECT_FALSE(live.HasWeb({2, 5}));
  EXPECT_EQ(Form().Broom->Stock(), 2);
  EXPECT_TRUE(Heard("Sweeping"));
  for (int tick = 0; tick < 60 && Form().CountedToolActive(); ++tick) game.RunTicks(1);
  EXPECT_FALSE(Form().CountedToolActive()) << "no web left: the broom goes home";

  ASSERT_TRUE(Driver().PickCountedTool(*Form().MagicKey));
  Driver().ClickTile({4, 2});
  EXPECT_EQ(live.TileState({4, 2}), tsOpening);
  EXPECT_EQ(Form().MagicKey->Stock(), 2);

  for (int tick = 0; tick < 60 && !Form().MagicKey->Carried(); ++tick) game.RunTicks(1);
  EXPECT_TRUE(Form().MagicKey->Carried()) << "uses left: the key stays in the hand";
  game.Click(5, 5);  // off the board: the key goes home
  for (int tick = 0; tick < 60 && Form().CountedToolActive(); ++tick) game.RunTicks(1);
  ASSERT_TRUE(Driver().PickCountedTool(*Form().Aerosol));
  Driver().ClickTile({6, 6});
  for (int tick = 0; tick < 60 && live.CountWorms() > 0; ++tick) game.RunTicks(1);
  EXPECT_EQ(live.CountWorms(), 0);
  EXPECT_EQ(Form().Aerosol->Stock(), 2);
  EXPECT_TRUE(Heard("Spray"));
}

TEST_F(ToolsInTheRound, ACollectedToolFliesToItsHolderAndAddsOne) {
  StartOn(SmallLevel(200), BoardFromRows({"bbbCDEAB", "CDEABCDE", "ABCDEABC", "CDEABCDE", "ABCDEABC",
                                          "CDEABCDE", "ABCDEABC", "CDEABCDE"}));
  Form().GameBoard().MatchElements();
  for (int tick = 0; tick < 200 && Form().Broom->Stock() < 6; ++tick) game.RunTicks(1);
  EXPECT_EQ(Form().Broom->Stock(), 6);
  EXPECT_TRUE(Heard("ToolAcquired"));
}

class ToolPictures : public ToolsInTheRound {
 protected:
  ToolPictures() : ToolsInTheRound(/*rendering=*/true) {}
};

// Each power tool over its area and at work, and the counted tools on
// their targets; the frames are for looking at.
TEST_F(ToolPictures, EachToolOverItsAreaAndAtWork) {
  TBoardData board = FullBoard();
  board.At(3, 3).Web = 1;
  board.At(12, 9).Worm = 1;
  StartOn(FullLevel(), board);
  const struct {
    TNewToolKind Kind;
    TPoint At;
    const char* Name;
    int EffectTicks;
  } cases[] = {
      {tlHammer, {5, 5}, "hammer", 6},
      {tlBomb, {10, 4}, "bomb", 3},
      {tlBlaster, {8, 8}, "blaster", 6},
      {tlHorzLightning, {6, 7}, "horz-lightning", 5},
      {tlVertLightning, {13, 5}, "vert-lightning", 5},
      {tlBigBomb, {8, 6}, "big-bomb", 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Settle();
    FillJar();
    ASSERT_TRUE(Driver().PickPowerTool(c.Kind));
    Driver().HoverTile(c.At);
    game.RunTicks(2);
    game.CaptureFrame(std::string("tool-") + c.Name + "-area");
    Driver().ClickTile(c.At);
    game.RunTicks(c.EffectTicks);
    game.CaptureFrame(std::string("tool-") + c.Name + "-effect");
  }
  Settle();
  Form().GameBoard().LoadBoardData(board);
  ASSERT_TRUE(Driver().PickCountedTool(*Form().Broom));
  Driver().ClickTile({3, 3});
  game.RunTicks(5);
  game.CaptureFrame("tool-broom");
  for (int tick = 0; tick < 60 && Form().CountedToolActive(); ++tick) game.RunTicks(1);
  ASSERT_TRUE(Driver().PickCountedTool(*Form().Aerosol));
  Driver().ClickTile({12, 9});
  game.RunTicks(TAerosol::ShakeTicks + 12);
  game.CaptureFrame("tool-aerosol");
}

}  // namespace
}  // namespace qm
