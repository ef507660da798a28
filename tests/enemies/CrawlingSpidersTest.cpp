// Crawling spiders: waves, webs, stranded spiders, the ways they are knocked
// off and what keeps moving while the game is frozen.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "enemies/CrawlingSpiders.h"
#include "engine/GameRandom.h"
#include "engine/OmegaImageList.h"

namespace qm {
namespace {

constexpr int kLeft = 150;
constexpr int kTop = 80;
constexpr TPoint kEntry{5, 1};
// A spider standing on kEntry: its pixel position and middle.
constexpr int kEntryX = kLeft + 5 * TileSize - 48;
constexpr int kEntryY = kTop + 1 * TileSize - 34;
constexpr int kMiddleX = kEntryX + 24;
constexpr int kMiddleY = kEntryY + 24;

class Spiders : public ::testing::Test {
 protected:
  void SetUp() override {
    GameRandom().SetSeed(4711);
    S.Left = kLeft;
    S.Top = kTop;
    S.OmgImgList = &Pictures;
    S.OnTopBoardPosRequest = [](TPoint& tile) { tile = kEntry; };
    S.OnTilePossibleToWebQuestion = [this](TPoint tile, bool& possible) {
      possible = Webbable && std::find(Webs.begin(), Webs.end(), tile) == Webs.end();
    };
    S.OnPutWeb = [this](TPoint tile) { Webs.push_back(tile); };
    S.OnAnySpiderLanding = [this](TPoint) { ++Landings; };
    S.OnOneSpiderHit = [this](int, int, bool& required) {
      ++Credited;
      required = NeedSpiders;
    };
    S.OnFallingPosUpdate = [this](TPoint) { ++DustBounces; };
    S.OnPlaySound = [this](const std::string& sound) { Sounds.push_back(sound); };
  }

  // Every cell unused except the given ones.
  void Only(std::initializer_list<TPoint> tiles) {
    for (TBoardTile& tile : Board.Tiles) tile.ObjectKind = okUnused;
    for (TPoint p : tiles) Board.At(p).ObjectKind = okFruit;
  }
  void Tick(int count) {
    for (int i = 0; i < count; ++i) S.UpdateAndDraw();
  }
  int Count(TSpiderState state) const {
    int n = 0;
    for (int slot = 1; slot <= TCrawlingSpiders::SlotCount; ++slot) n += S.Spider(slot).State == state;
    return n;
  }
  // One spider of a fresh wave dropped onto kEntry; frozen there.
  void LandOne() {
    S.MaxSpidersOnBoard = 1;
    S.StartWave(Board, 0);
    for (int i = 0; i < 400 && Landings == 0; ++i) S.UpdateAndDraw();
    ASSERT_EQ(Landings, 1);
    S.Frozen = true;
  }

  // No pictures loaded: the drawing runs and shows nothing.
  TOmegaImageList Pictures;
  TCrawlingSpiders S;
  TBoardData Board{};
  bool Webbable = true;
  bool NeedSpiders = false;
  std::vector<TPoint> Webs;
  std::vector<std::string> Sounds;
  int Landings = 0, Credited = 0, DustBounces = 0;
};

// --- Waves --------------------------------------------------------------------

struct TWaveCase {
  int WebsOnBoard;
  int Spiders;
};

class WaveSize : public Spiders, public ::testing::WithParamInterface<TWaveCase> {};

TEST_P(WaveSize, SpidersComeOnlyWhileWebsAreLeftToSpin) {
  Webbable = false;
  S.StartWave(Board, GetParam().WebsOnBoard);
  Tick(400);
  EXPECT_EQ(Landings, GetParam().Spiders);
}

INSTANTIATE_TEST_SUITE_P(WebsPresent, WaveSize,
                         ::testing::Values(TWaveCase{0, 2}, TWaveCase{2, 2}, TWaveCase{3, 0}, TWaveCase{5, 0}));

// --- Webs -----------------------------------------------------------------------

TEST_F(Spiders, NoTwoSpidersAnchorOnOneTile) {
  Only({kEntry, {6, 1}});
  S.OneWebEveryProb = 1;
  S.StartWave(Board, 1);
  bool shared = false;
  for (int i = 0; i < 1500 && Webs.size() < 2; ++i) {
    S.UpdateAndDraw();
    const int webbing = Count(spAnchoring) + Count(spSpinning);
    const bool sameTile = S.Spider(1).Tile == S.Spider(2).Tile;
    ASSERT_FALSE(webbing == 2 && sameTile);
    shared = shared || (webbing == 1 && sameTile && Count(spStopped) + Count(spWalking) == 1);
  }
  EXPECT_TRUE(shared) << "the second spider came by while the first was webbing";
  ASSERT_EQ(Webs.size(), 2u);
  EXPECT_FALSE(Webs[0] == Webs[1]);
}

// --- A tile without neighbours ------------------------------------------------

TEST_F(Spiders, ASpiderWithNowhereToGoStaysOnItsTile) {
  Only({kEntry});
  Webbable = false;
  S.MaxSpidersOnBoard = 1;
  S.StartWave(Board, 0);
  Tick(600);
  EXPECT_EQ(S.Spider(1).State, spStopped);
  EXPECT_EQ(S.Spider(1).Tile, kEntry);
  EXPECT_EQ(S.Spider(1).X, kEntryX);
  EXPECT_EQ(S.Spider(1).Y, kEntryY);
  S.StartWave(Board, S.MaxWebs);
  Tick(1);
  EXPECT_EQ(S.Spider(1).State, spDroppingToGround) << "a wave with no webs to spin sends it away";
}

// --- Knocked off ------------------------------------------------------------------

struct TMaskCase {
  TPoint Cleared;
  bool Hit;
};

class KnockOffByGroup : public Spiders, public ::testing::WithParamInterface<TMaskCase> {};

TEST_P(KnockOffByGroup, AClearedGroupTakesTheSpiderOnItsTiles) {
  LandOne();
  S.KnockOffCleared(TSimpleObjectArray::Single(GetParam().Cleared));
  EXPECT_EQ(S.Spider(1).State == spHit, GetParam().Hit);
  EXPECT_EQ(Sounds.size(), GetParam().Hit ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Masks, KnockOffByGroup,
                         ::testing::Values(TMaskCase{kEntry, true}, TMaskCase{{6, 1}, false},
                                           TMaskCase{{5, 2}, false}));

struct TCascadeCase {
  TPoint Tile;
  TTileState State;
  bool Hit;
};

class KnockOffByCascade : public Spiders, public ::testing::WithParamInterface<TCascadeCase> {};

TEST_P(KnockOffByCascade, OnlyAFallingTileTakesTheSpider) {
  LandOne();
  TTileStates states{};
  states[static_cast<std::size_t>(CellIndex(GetParam().Tile.X, GetParam().Tile.Y))] = GetParam().State;
  S.KnockOffFalling(states);
  EXPECT_EQ(S.Spider(1).State == spHit, GetParam().Hit);
}

INSTANTIATE_TEST_SUITE_P(States, KnockOffByCascade,
                         ::testing::Values(TCascadeCase{kEntry, tsFalling, true},
                                           TCascadeCase{kEntry, tsGrouped, false}, TCascadeCase{kEntry, tsIdle, false},
                                           TCascadeCase{{5, 2}, tsFalling, false}));

struct TSprayCase {
  TSprayRect Rect;
  bool Hit;
};

class KnockOffBySpray : public Spiders, public ::testing::WithParamInterface<TSprayCase> {};

TEST_P(KnockOffBySpray, TheSpiderIsSprayedWhenItsMiddleIsCovered) {
  LandOne();
  S.KnockOffSprayed(GetParam().Rect);
  EXPECT_EQ(S.Spider(1).State == spHit, GetParam().Hit);
}

INSTANTIATE_TEST_SUITE_P(
    Rects, KnockOffBySpray,
    ::testing::Values(TSprayCase{{kMiddleX, kMiddleY, kMiddleX, kMiddleY}, true}, TSprayCase{{0, 0, 1366, 768}, true},
                      TSprayCase{{kMiddleX - 100, kMiddleY - 100, kMiddleX - 1, kMiddleY + 100}, false},
                      TSprayCase{{kMiddleX - 100, kMiddleY + 1, kMiddleX + 100, kMiddleY + 100}, false}));

struct TNeedCase {
  bool NeedSpiders;
  bool Rolls;
};

class KnockedOff : public Spiders, public ::testing::WithParamInterface<TNeedCase> {};

TEST_P(KnockedOff, ANeededSpiderFliesAwayAndAnyOtherRollsOffTheScreen) {
  NeedSpiders = GetParam().NeedSpiders;
  LandOne();
  S.KnockOffAll();
  S.KnockOffAll();
  for (int i = 0; i < 200 && S.IsRunning(); ++i) S.UpdateAndDraw();
  EXPECT_FALSE(S.IsRunning());
  EXPECT_EQ(Credited, 1) << "knocked off once, counted once";
  EXPECT_EQ(Sounds, std::vector<std::string>{"SpiderHit"});
  EXPECT_EQ(DustBounces > 0, GetParam().Rolls);
}

INSTANTIATE_TEST_SUITE_P(Objectives, KnockedOff, ::testing::Values(TNeedCase{true, false}, TNeedCase{false, true}));

TEST_F(Spiders, NoSpiderOfTheWaveComesOnceAllAreKnockedOff) {
  S.MaxSpidersOnBoard = 2;
  S.StartWave(Board, 0);
  for (int i = 0; i < 400 && Count(spDroppingIn) == 0; ++i) S.UpdateAndDraw();
  ASSERT_EQ(Count(spDroppingIn), 1);
  S.KnockOffAll();
  Tick(400);
  EXPECT_EQ(Landings, 0);
  EXPECT_EQ(Credited, 1) << "only the spider on its way down";
  EXPECT_FALSE(S.IsRunning());
}

// --- Frozen --------------------------------------------------------------------------

TEST_F(Spiders, FrozenSpidersStillFallAndRollAway) {
  S.MaxSpidersOnBoard = 2;
  S.StartWave(Board, 0);
  for (int i = 0; i < 400 && Count(spDroppingIn) == 0; ++i) S.UpdateAndDraw();
  ASSERT_EQ(Count(spDroppingIn), 1);
  S.Frozen = true;
  const int droppingY = S.Spider(1).Y;
  Tick(1);
  EXPECT_GT(S.Spider(1).Y, droppingY);
  Tick(400);
  EXPECT_EQ(Landings, 1) << "no new spider while frozen";
  EXPECT_EQ(S.Spider(1).State, spStopped);
  S.KnockOffAll();
  for (int i = 0; i < 200 && S.IsRunning(); ++i) S.UpdateAndDraw();
  EXPECT_FALSE(S.IsRunning());
  EXPECT_GT(DustBounces, 0);
}

}  // namespace
}  // namespace qm
