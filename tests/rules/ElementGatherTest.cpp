#include "rules/ElementGather.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

// A panel that has started a round with only the given targets, and keeps
// what it reported.
class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    Gather.OnSlotDone = [this](TElementGather&, int x) { SlotDoneAt.push_back(x); };
    Gather.OnComplete = [this](TElementGather&) { ++Completions; };
    Gather.OnPlaySound = [this](const std::string& name) { Sounds.push_back(name); };
  }

  void StartWith(std::initializer_list<std::pair<TIndividualElementKind, int>> targets) {
    Gather.StartRound();
    for (int kind = 0; kind < TElementGather::SlotCount; ++kind) Gather.SetTarget(TIndividualElementKind(kind), 0);
    for (auto [kind, count] : targets) Gather.SetTarget(kind, count);
  }

  TElementGather Gather;
  std::vector<int> SlotDoneAt;
  int Completions = 0;
  std::vector<std::string> Sounds;
};

TEST_F(Panel, BananasAndStrawberriesAreAskedForByDefault) {
  EXPECT_EQ(Gather.TargetBananas(), 1);
  EXPECT_EQ(Gather.TargetStrawberries(), 1);
  EXPECT_EQ(Gather.TargetApples(), 0);
  EXPECT_EQ(Gather.ActiveCount(), 2);
}

TEST_F(Panel, TwoSlotsAreTwoEndPiecesCentredOn684) {
  StartWith({{ieFruit1, 5}, {ieFlower2, 3}});
  EXPECT_EQ(Gather.ActiveCount(), 2);
  EXPECT_EQ(Gather.PanelLeft(), 684 - 121);
}

TEST_F(Panel, MiddleSlotsAreNarrower) {
  StartWith({{ieFruit1, 1}, {ieFruit2, 1}, {ieFruit3, 1}, {ieFruit4, 1}});
  EXPECT_EQ(Gather.PanelLeft(), 684 - (121 + 111 + 111 + 121) / 2);
  StartWith({{ieSpider, 1}});
  EXPECT_EQ(Gather.PanelLeft(), 684 - 60) << "121 / 2 rounds toward zero";
}

TEST_F(Panel, EachArrivalCountsItsSlotDown) {
  StartWith({{ieFruit1, 5}, {ieFlower2, 3}});
  Gather.Collect(elFruit, 1);
  Gather.Collect(elFlower, 2);
  Gather.Collect(elFlower, 2);
  EXPECT_EQ(Gather.Remaining(ieFruit1), 4);
  EXPECT_EQ(Gather.Remaining(ieFlower2), 1);
  EXPECT_TRUE(Gather.IsRequired(ieFlower2));
  EXPECT_FALSE(Gather.IsRequired(ieFruit2));
}

TEST_F(Panel, KindsAndIndicesMapToTheirSlots) {
  StartWith({{iePotion2, 1}, {ieFruit8, 1}, {ieFlower4, 1}, {ieSpider, 1}, {ieGoldTile1, 1}, {ieGoldTile2, 1}});
  Gather.Collect(elPotion, 2);
  Gather.Collect(elFruit, 8);
  Gather.Collect(elFlower, 4);
  Gather.Collect(elSpider, 0);
  Gather.Collect(elGoldTile, 1);
  EXPECT_EQ(SlotDoneAt.size(), 5u);
  EXPECT_TRUE(Gather.IsRequired(ieGoldTile2));
  Gather.Collect(elGoldTile, 2);
  EXPECT_EQ(Completions, 1);
}

TEST_F(Panel, ANeverNeededOrFinishedSlotDoesNotGoBelowZero) {
  StartWith({{ieFruit1, 1}, {ieFruit3, 2}});
  Gather.Collect(elFruit, 1);
  Gather.Collect(elFruit, 1);
  Gather.Collect(elFruit, 2);
  EXPECT_EQ(Gather.Remaining(ieFruit1), 0);
  EXPECT_EQ(Gather.Remaining(ieFruit2), 0);
  EXPECT_EQ(SlotDoneAt.size(), 1u);
  EXPECT_EQ(Completions, 0);
}

TEST_F(Panel, PiecesWithoutASlotChangeNothing) {
  StartWith({{ieFruit1, 1}});
  Gather.Collect(elFruit, 9);
  Gather.Collect(elFlower, 0);
  Gather.Collect(TElementKind(7), 1);
  EXPECT_EQ(Gather.Remaining(ieFruit1), 1);
  EXPECT_EQ(Completions, 0);
}

TEST_F(Panel, TheLastPieceFinishesItsSlotThenTheLevelOnce) {
  StartWith({{ieFruit1, 1}, {ieFlower1, 1}});
  std::vector<std::string> order;
  Gather.OnSlotDone = [&](TElementGather&, int) { order.push_back("slot"); };
  Gather.OnComplete = [&](TElementGather&) { order.push_back("level"); };
  Gather.Collect(elFruit, 1);
  Gather.Collect(elFlower, 1);
  Gather.Collect(elFlower, 1);
  Gather.Collect(elFruit, 1);
  EXPECT_EQ(order, (std::vector<std::string>{"slot", "slot", "level"}));
}

TEST_F(Panel, NoTargetsMeansTheFirstArrivalCompletes) {
  StartWith({});
  EXPECT_EQ(Gather.ActiveCount(), 0);
  Gather.Collect(elFruit, 1);
  EXPECT_EQ(Completions, 1);
  Gather.Collect(elFruit, 1);
  EXPECT_EQ(Completions, 1);
}

TEST_F(Panel, ANewRoundCanCompleteAgain) {
  StartWith({{ieSpider, 1}});
  Gather.Collect(elSpider, 0);
  StartWith({{ieSpider, 1}});
  Gather.Collect(elSpider, 0);
  EXPECT_EQ(Completions, 2);
}

TEST_F(Panel, CountingDownTicksTheScoreCountSound) {
  StartWith({{ieFruit1, 3}});
  Gather.ShowPanel();
  Gather.Collect(elFruit, 1);
  for (int i = 0; i < 10; ++i) Gather.TickAndDraw();
  EXPECT_EQ(Sounds, (std::vector<std::string>{"ScoreCount"}));
}

TEST_F(Panel, SlidesDownOnePixelPerTickFromItsHidingPlace) {
  StartWith({{ieFruit1, 3}});
  Gather.Top = 10;
  Gather.ShowPanel();
  EXPECT_EQ(Gather.Position(), (TPoint{684 - 60, -100}));
  for (int i = 0; i < 110; ++i) Gather.TickAndDraw();
  EXPECT_EQ(Gather.Position().Y, 10);
  Gather.HidePanel();
  for (int i = 0; i < 50; ++i) Gather.TickAndDraw();
  EXPECT_EQ(Gather.Position().Y, -40);
}

TEST_F(Panel, InvisibleItNeitherMovesNorDraws) {
  StartWith({{ieFruit1, 3}});
  Gather.ShowPanel();
  Gather.Visible = false;
  Gather.TickAndDraw();
  EXPECT_EQ(Gather.Position().Y, -100);
}

TEST_F(Panel, PiecesIconsAndCountsAreLaidOutSlotBySlot) {
  TSpriteRecorder screen;
  screen.AddPicture("ElementPanel", 484, 64, 4, 1);
  screen.AddPicture("Elements", 52 * 23, 52, 23, 1);
  screen.AddPicture("ElementGatherNumber", 150, 20, 10, 1);
  screen.AddPicture("ElementGatherNumberBlur", 45, 25, 3, 1);
  Gather.OmgImgList = &screen.List;
  Gather.ReloadDigitSizes();
  StartWith({{ieFruit1, 5}, {ieFruit2, 7}, {ieFlower2, 3}});
  Gather.Top = 0;
  Gather.ShowPanel();
  for (int i = 0; i < 100; ++i) Gather.TickAndDraw();
  screen.Forget();
  Gather.TickAndDraw();

  const int left = 684 - (121 + 111 + 121) / 2;
  std::vector<TSprite> pieces, icons, digits;
  for (const TSprite& s : screen.Sprites()) {
    if (s.Image == "ElementPanel") pieces.push_back(s);
    if (s.Image == "Elements") icons.push_back(s);
    if (s.Image == "ElementGatherNumber") digits.push_back(s);
  }
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].Pattern, 0);
  EXPECT_EQ(pieces[1].Pattern, 1);
  EXPECT_EQ(pieces[2].Pattern, 2);
  EXPECT_FLOAT_EQ(pieces[0].Left, float(left));
  EXPECT_FLOAT_EQ(pieces[1].Left, float(left + 121 - 3));
  EXPECT_FLOAT_EQ(pieces[2].Left, float(left + 121 + 111 - 3));
  EXPECT_FLOAT_EQ(pieces[0].Top, 0.0f);

  ASSERT_EQ(icons.size(), 3u);
  EXPECT_EQ(icons[0].Pattern, 0) << "banana";
  EXPECT_EQ(icons[1].Pattern, 1) << "strawberry";
  EXPECT_EQ(icons[2].Pattern, 13) << "flower 2";
  EXPECT_FLOAT_EQ(icons[0].Left, float(left + 40));
  EXPECT_FLOAT_EQ(icons[1].Left, float(left + 121 - 3 + 31));
  EXPECT_FLOAT_EQ(icons[0].Top, 7.0f);
  EXPECT_EQ(icons[0].Alpha, 255);

  ASSERT_EQ(digits.size(), 3u) << "one digit each, the leading zero left out";
  EXPECT_EQ(digits[0].Pattern, 5);
  EXPECT_EQ(Gather.SlotPosition(ieFruit1), (TPoint{left + 40 + 15, 56}));
  // One digit in the room of two: the second place, moved back by half a
  // digit (7.5 rounds to 8).
  EXPECT_FLOAT_EQ(digits[0].Left, float(left + 40 + 15 - 8 + 15));
  EXPECT_FLOAT_EQ(digits[0].Top, 56.0f);
}

TEST_F(Panel, AFinishedSlotShowsItsIconFaded) {
  TSpriteRecorder screen;
  screen.AddPicture("ElementPanel", 484, 64, 4, 1);
  screen.AddPicture("Elements", 52 * 23, 52, 23, 1);
  Gather.OmgImgList = &screen.List;
  StartWith({{ieFruit1, 1}, {ieFruit2, 1}});
  Gather.ShowPanel();
  Gather.Collect(elFruit, 1);
  for (int i = 0; i < 60; ++i) Gather.TickAndDraw();
  screen.Forget();
  Gather.TickAndDraw();
  std::vector<TSprite> icons;
  for (const TSprite& s : screen.Sprites())
    if (s.Image == "Elements") icons.push_back(s);
  ASSERT_EQ(icons.size(), 2u);
  EXPECT_EQ(icons[0].Alpha, 125);
  EXPECT_EQ(icons[1].Alpha, 255);
}

TEST_F(Panel, AnArrivalMakesTheIconPulse) {
  TSpriteRecorder screen;
  screen.AddPicture("Elements", 52 * 23, 52, 23, 1);
  Gather.OmgImgList = &screen.List;
  StartWith({{ieFruit1, 3}});
  Gather.ShowPanel();
  Gather.Collect(elFruit, 1);
  float largest = 0;
  for (int i = 0; i < 40; ++i) {
    screen.Forget();
    Gather.TickAndDraw();
    for (const TSprite& s : screen.Sprites())
      if (s.Image == "Elements") largest = std::max(largest, s.Width);
  }
  EXPECT_NEAR(largest, 52.0f * 65.0f / 58.0f * 1.06f, 0.01f);
}

TEST_F(Panel, ASlotLeftAloneForLongRemindsThePlayerThreeTimes) {
  StartWith({{ieFruit1, 3}});
  Gather.ShowPanel();
  TSpriteRecorder screen;
  screen.AddPicture("Elements", 52 * 23, 52, 23, 1);
  Gather.OmgImgList = &screen.List;
  // Pulses may follow each other at once, so count the times the icon
  // reaches its full size.
  int pulses = 0;
  bool wasBlown = false;
  for (int tick = 0; tick < 45000 / 30 + 200; ++tick) {
    screen.Forget();
    Gather.TickAndDraw();
    bool blown = false;
    for (const TSprite& s : screen.Sprites())
      if (s.Image == "Elements" && s.Width > 60.0f) blown = true;
    if (blown && !wasBlown) ++pulses;
    wasBlown = blown;
  }
  EXPECT_EQ(pulses, 3);
}

TEST_F(Panel, ACountOfAHundredOrMoreSitsFivePixelsFurtherLeft) {
  StartWith({{ieFruit1, 100}, {ieFruit2, 99}});
  Gather.ShowPanel();
  Gather.TickAndDraw();
  const int left = Gather.PanelLeft();
  EXPECT_EQ(Gather.SlotPosition(ieFruit1).X, left + 40 + 15 - 5);
  EXPECT_EQ(Gather.SlotPosition(ieFruit2).X, left + 121 - 3 + 31 + 15);
}

TEST_F(Panel, UnknownKindsFlyToAFixedPoint) {
  EXPECT_EQ(Gather.SlotPosition(TIndividualElementKind(17)), (TPoint{320, 30}));
}

}  // namespace
}  // namespace qm
