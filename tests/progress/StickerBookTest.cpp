// The upgrade scene's town picture, its guide wren and the shop's hint panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/ImageCatalogue.h"
#include "progress/BuySlotsInfo.h"
#include "progress/ProgressRecord.h"
#include "progress/SmallWren.h"
#include "progress/StickerBookObjects.h"
#include "text/GlobalGameText.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;
using Book = TStickerBookObjects;

std::vector<int> RevealedObjects(const Book& book) {
  std::vector<int> objects;
  for (int object = 1; object <= Book::ObjectCount; ++object)
    if (book.Revealed(object)) objects.push_back(object);
  return objects;
}

TEST(StickerBookReveal, EachGroupShowsItsOwnObjectsAndNoOthers) {
  const struct {
    int Group;
    std::vector<int> Objects;
  } cases[] = {
      {Book::ZeppelinGroup, {23}},      // only when the whole game is done
      {Book::GroupOf(1, 1), {3}},       // the first upgrade
      {Book::GroupOf(2, 3), {17}},      // listed out of group order
      {12, {8, 12}},                    // two pictures, apart in the table
      {Book::GroupOf(5, 4), {19, 22}},  // the last upgrade
  };
  for (const auto& c : cases) {
    Book book;
    book.Reveal(c.Group, false);
    EXPECT_EQ(RevealedObjects(book), c.Objects) << "group " << c.Group;
    EXPECT_TRUE(book.GroupRevealed(c.Group)) << "group " << c.Group;
  }
  EXPECT_EQ(Book::GroupOf(3, 3), 12);
}

TEST(StickerBookReveal, EveryUpgradeLeavesOnlyTheZeppelinWhichCompletesTheTown) {
  Book book;
  for (int island = 1; island <= 5; ++island)
    for (int slot = 1; slot <= 4; ++slot) book.Reveal(Book::GroupOf(island, slot), false);
  EXPECT_EQ(RevealedObjects(book).size(), 22u);
  EXPECT_FALSE(book.ZeppelinRevealed());
  EXPECT_FALSE(book.AllRevealed());

  book.Reveal(Book::ZeppelinGroup, false);
  EXPECT_TRUE(book.ZeppelinRevealed());
  EXPECT_TRUE(book.AllRevealed());
  book.Reset();
  EXPECT_TRUE(RevealedObjects(book).empty());
}

TEST(StickerBookBackground, FollowsTheIslandUntilTheTownIsFinished) {
  EXPECT_EQ(Book::Background(1, false), "ciBG1");
  EXPECT_EQ(Book::Background(3, false), "ciBG3");
  EXPECT_EQ(Book::Background(5, false), "ciBG5");
  EXPECT_EQ(Book::Background(2, true), "ciBG5");
}

TEST(StickerBookRecord, OneByteAnObjectInTableOrderAndSavedObjectsShowAtOnce) {
  Book book;
  book.Reveal(12, true);
  book.Reveal(Book::ZeppelinGroup, false);
  TProgressRecord record = DefaultProgressRecord();
  book.StoreInto(record);

  const auto bytes = EncodeProgressRecord(record);  // the objects start at byte 24
  for (int object = 1; object <= 23; ++object)
    EXPECT_EQ(bytes[24 + object - 1], object == 8 || object == 12 || object == 23) << "object " << object;

  Book loaded;
  loaded.LoadFrom(*DecodeProgressRecord(bytes));
  EXPECT_EQ(RevealedObjects(loaded), (std::vector<int>{8, 12, 23}));
  EXPECT_EQ(loaded.Alpha(8), 255);
  EXPECT_EQ(loaded.Alpha(1), 0);
}

TEST(StickerBookFade, ABoughtObjectFadesInOverAboutASecondAtItsPlace) {
  TSpriteRecorder screen;
  screen.AddPicture("Upg1-4", 240, 250);
  Book book;
  book.OmgImgList = &screen.List;
  book.Reveal(5, true);
  EXPECT_EQ(book.Alpha(2), 0);
  int ticks = 0;
  for (; book.Alpha(2) < 255 && ticks < 100; ++ticks) book.TickAndDraw();
  EXPECT_GE(ticks, 25);
  EXPECT_LE(ticks, 40);

  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), std::size_t(ticks));
  EXPECT_LT(sprites.front().Alpha, 20);
  EXPECT_EQ(sprites.back().Alpha, 255);
  EXPECT_FLOAT_EQ(sprites.back().Left, TStickerBookObjects::Object(2).X);
  EXPECT_FLOAT_EQ(sprites.back().Top, TStickerBookObjects::Object(2).Y);

  book.Reveal(6, false);
  EXPECT_EQ(book.Alpha(5), 255) << "without the animation it is there at once";
}

class WrenTrip : public testing::Test {
 protected:
  WrenTrip() {
    wren.HomeX = 100;
    wren.HomeY = 600;
    wren.Reset();
    wren.OnCheerPeak = [this] {
      events.push_back("peak");
      peakX = wren.X();
    };
    wren.OnCheerDone = [this] { events.push_back(wren.X() == 100 && wren.Y() == 600 ? "done" : "done away"); };
  }

  int RunTrip() {
    int ticks = 0;
    for (; wren.Busy() && ticks < 500; ++ticks) wren.TickAndDraw();
    return ticks;
  }

  TSmallWren wren;
  std::vector<std::string> events;
  float peakX = 0;
};

TEST_F(WrenTrip, CheersOnceAtTheSlotThenLandsOnThePerchWithinTwoAndAHalfSeconds) {
  for (const int x : {140, 700, 1250}) {
    events.clear();
    wren.FlyTo(x, 80);
    const int ticks = RunTrip();
    EXPECT_EQ(events, (std::vector<std::string>{"peak", "done"})) << "to " << x;
    EXPECT_FLOAT_EQ(peakX, float(x)) << "the object appears while the wren is at the slot";
    EXPECT_GE(ticks, 50) << "to " << x;  // 1.5 s at 33 ticks a second
    EXPECT_LE(ticks, 83) << "to " << x;
  }
}

TEST_F(WrenTrip, ASecondFlyToDuringATripIsIgnored) {
  wren.FlyTo(700, 120);
  for (int i = 0; i < 5; ++i) wren.TickAndDraw();
  wren.FlyTo(300, 300);
  RunTrip();
  EXPECT_EQ(events, (std::vector<std::string>{"peak", "done"}));
  EXPECT_FLOAT_EQ(peakX, 700);
}

// An account shows the whole pieces it can pay with: tenths and the float
// sums' strays never round up past what the player has.
TEST(BuySlotsInfoText, AnAmountShowsItsWholePieces) {
  const struct {
    float Amount;
    const char* Shown;
  } cases[] = {{0, "0"}, {-0.04f, "0"}, {10, "10"}, {10.4f, "10"}, {158.9f, "158"}, {9.99999f, "10"}, {0.99f, "1"}};
  for (const auto& c : cases) EXPECT_EQ(FormatShopAmount(c.Amount), c.Shown) << c.Amount;
}

TEST(BuySlotsInfoText, TheDescriptionWrapsIntoAtMostFourLinesOfThePanelsWidth) {
  const std::string longText =
      "Gold tiles shine brighter and pay more for every one you clear, so the market stalls can finally open "
      "again and the whole harbour wakes up, with music on the pier every evening and lanterns on every boat";
  for (const auto& [text, count] : {std::pair<std::string, std::size_t>{"A new well.", 1}, {longText, 4}}) {
    TBuySlotsInfo panel;
    panel.Show("Well", text, {}, {});
    EXPECT_EQ(panel.DescriptionLines().size(), count);
    for (const std::string& line : panel.DescriptionLines())
      EXPECT_LE(MeasureText(fkAirstripNormal, " " + line, 0, panel.DescTextRatio), panel.MaxDescTextWidth) << line;
  }
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

// The shop's panel covers the town from this line down.
constexpr int kShopPanelTop = 627;

TEST(TownObjects, TheFirstIslandsObjectsStandAboveTheShopPanel) {
  for (int object = 1; object <= 4; ++object) {
    const TStickerObject& placed = TStickerBookObjects::Object(object);
    const TCatalogueImage* picture = FindCatalogueImage(placed.Image);
    ASSERT_NE(picture, nullptr) << placed.Image;
    EXPECT_LE(placed.Y + picture->PatternHeight(), kShopPanelTop) << placed.Image;
    EXPECT_GE(placed.X + picture->PatternWidth() / 2, 0) << placed.Image << " has its middle on the screen";
  }
}

}  // namespace
}  // namespace qm
