#include "rules/Combos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

constexpr std::uint8_t kBanana = 1;
constexpr std::uint8_t kGrape = 2;

// Size of a drawn "ComboText" badge relative to its picture, whatever its
// turn: the quad's diagonal against the pattern's (with its half-pixel edge).
float BadgeScale(const TSprite& s) {
  return std::hypot(s.QuadRight - s.QuadLeft, s.QuadBottom - s.QuadTop) / std::hypot(160.5f, 60.5f);
}

struct TBadge {
  int MatchX;
  TPoint Position;
};

// Badges over a full board at (266, 95), with every sound and finished
// badge written down.
class Combos : public testing::Test {
 protected:
  Combos() {
    screen.AddPicture("ComboText", 640, 60, 4, 1);
    combos.OmgImgList = &screen.List;
    combos.OnPlaySound = [this](const std::string& name) { sounds.push_back(name); };
    combos.OnAComboDoneShowing = [this](TCombos&, int matchX, TPoint p) { done.push_back({matchX, p}); };
  }

  // Puts `code` on the tiles of row `row` from `first` to `last`, marked as cleared.
  void Clear(std::uint8_t code, int row, int first, int last) {
    for (int x = first; x <= last; ++x) {
      board.At(x, row).Element = code;
      mask.At(x, row) = 1;
    }
  }

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) combos.TickAndDraw();
  }

  std::vector<TSprite> Badges() {
    std::vector<TSprite> badges;
    for (const TSprite& s : screen.Sprites())
      if (s.Image == "ComboText") badges.push_back(s);
    return badges;
  }

  TSpriteRecorder screen;
  TCombos combos;
  TBoardData board{};
  TSimpleObjectArray mask;
  std::vector<std::string> sounds;
  std::vector<TBadge> done;
};

TEST_F(Combos, MatchXIsTheLargestCountOfOneKindInTheClearing) {
  Clear(kBanana, 2, 1, 3);
  Clear(kGrape, 4, 1, 4);
  EXPECT_EQ(TCombos::MatchXOf(board, mask), 4);
}

TEST_F(Combos, TilesOutsideTheClearingDoNotCount) {
  Clear(kGrape, 4, 1, 3);
  board.At(4, 4).Element = kGrape;
  EXPECT_EQ(TCombos::MatchXOf(board, mask), 3);
}

TEST_F(Combos, ThreeBananasAndFourGrapesShowOneMatchXBadge) {
  Clear(kBanana, 2, 1, 3);
  Clear(kGrape, 4, 1, 4);
  combos.Check(board, mask);
  EXPECT_EQ(sounds, (std::vector<std::string>{"MatchX"}));
  EXPECT_EQ(combos.ActiveCount(), 1);
}

TEST_F(Combos, FiveOfAKindIsStillAMatchXAndSixOrSevenAreACombo) {
  Clear(kGrape, 1, 1, 5);
  combos.Check(board, mask);
  Clear(kGrape, 1, 1, 6);
  combos.Check(board, mask);
  Clear(kGrape, 1, 1, 7);
  combos.Check(board, mask);
  EXPECT_EQ(sounds, (std::vector<std::string>{"MatchX", "Combo", "Combo"}));
  EXPECT_EQ(combos.ActiveCount(), 3);
}

TEST_F(Combos, ThreeOrEightOfAKindShowNoBadge) {
  Clear(kGrape, 1, 1, 3);
  combos.Check(board, mask);
  Clear(kGrape, 1, 1, 8);
  combos.Check(board, mask);
  EXPECT_TRUE(sounds.empty());
  EXPECT_EQ(combos.ActiveCount(), 0);
}

TEST_F(Combos, UniFruitsAndToolItemsAreNoKindOfTheirOwn) {
  Clear(ecUniFruit, 1, 1, 5);
  Clear(ecHammer, 2, 1, 5);
  EXPECT_EQ(TCombos::MatchXOf(board, mask), 0);
  Clear(ecPotion2, 3, 1, 4);
  EXPECT_EQ(TCombos::MatchXOf(board, mask), 4) << "potions are kinds 17 and 18";
}

TEST_F(Combos, TheBadgeSitsOverTheCentreOfTheClearedArea) {
  // Columns 3..6 of row 5: centre (266 + 156 - 26 + 78, 95 + 260 - 26).
  Clear(kGrape, 5, 3, 6);
  combos.Check(board, mask);
  Ticks(29);
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].MatchX, 4);
  EXPECT_EQ(done[0].Position, (TPoint{474 - 63, 329 - 57}));
}

TEST_F(Combos, AColumnClearingCentresOnItsMiddleRow) {
  // Rows 2..6 of column 1 on a board at (300, 120): the centre of row 4.
  combos.BoardLeft = 300;
  combos.BoardTop = 120;
  for (int y = 2; y <= 6; ++y) {
    board.At(1, y).Element = kBanana;
    mask.At(1, y) = 1;
  }
  combos.Check(board, mask);
  Ticks(29);
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].Position, (TPoint{300 + 26 - 63, 120 + 104 - 26 + 104 - 57}));
}

TEST_F(Combos, ABadgeShowsFor850MsThenReportsOnce) {
  Clear(kGrape, 1, 1, 6);
  combos.Check(board, mask);
  Ticks(28);
  EXPECT_TRUE(done.empty()) << "28 ticks are 840 ms";
  Ticks(1);
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].MatchX, 6);
  EXPECT_EQ(combos.ActiveCount(), 0);
  Ticks(40);
  EXPECT_EQ(done.size(), 1u);
}

TEST_F(Combos, ABadgeFadesInAndShowsThePictureOfItsCount) {
  Clear(kGrape, 1, 1, 7);
  combos.Check(board, mask);
  std::vector<int> alphas;
  for (int i = 0; i < 12; ++i) {
    screen.Forget();
    Ticks(1);
    const std::vector<TSprite> badges = Badges();
    ASSERT_EQ(badges.size(), 1u);
    EXPECT_EQ(badges[0].Pattern, 3);
    alphas.push_back(badges[0].Alpha);
  }
  EXPECT_EQ(alphas, (std::vector<int>{25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255, 255}));
}

TEST_F(Combos, ABadgePopsInPastFullSizeAndSettles) {
  Clear(kGrape, 1, 1, 4);
  combos.Check(board, mask);
  std::vector<float> sizes;
  for (int i = 0; i < 28; ++i) {
    screen.Forget();
    Ticks(1);
    sizes.push_back(BadgeScale(Badges().at(0)));
  }
  EXPECT_LT(sizes.front(), 0.2f) << "it starts small";
  EXPECT_GT(*std::max_element(sizes.begin(), sizes.end()), 1.3f);
  EXPECT_LT(sizes.back(), 1.1f) << "settled, with the gentle pulse";
}

TEST_F(Combos, AnEleventhBadgeAtOnceIsNotShown) {
  Clear(kGrape, 1, 1, 4);
  for (int i = 0; i < 11; ++i) combos.Check(board, mask);
  EXPECT_EQ(combos.ActiveCount(), 10);
  EXPECT_EQ(sounds.size(), 11u) << "the sound still plays";
  Ticks(29);
  EXPECT_EQ(done.size(), 10u);
}

TEST_F(Combos, ClearingTheRoundDropsEveryBadgeUnreported) {
  Clear(kGrape, 1, 1, 4);
  combos.Check(board, mask);
  combos.Clear();
  Ticks(40);
  EXPECT_TRUE(done.empty());
}

TEST_F(Combos, HiddenBadgesNeitherAgeNorDraw) {
  Clear(kGrape, 1, 1, 4);
  combos.Check(board, mask);
  combos.Visible = false;
  screen.Forget();
  Ticks(40);
  EXPECT_TRUE(done.empty());
  EXPECT_TRUE(Badges().empty());
}

}  // namespace
}  // namespace qm
