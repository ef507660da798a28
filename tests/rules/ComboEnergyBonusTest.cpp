#include "rules/EnergyBonusPopper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

class ComboEnergyBonus : public testing::Test {
 protected:
  ComboEnergyBonus() {
    screen.AddPicture("EnergyBonusText", 480, 50, 3, 1);
    screen.AddPicture("ComboBadge", 300, 100, 3, 1);
    popper.OmgImgList = &screen.List;
  }

  std::vector<TSprite> Tick() {
    screen.Forget();
    popper.TickAndDraw();
    return screen.Sprites();
  }

  TSpriteRecorder screen;
  TEnergyBonusPopper popper;
};

TEST_F(ComboEnergyBonus, PopsUpBesideTheMannaMeterInTheLookOfTheCombo) {
  popper.Start(2);
  for (int i = 0; i < 20; ++i) Tick();
  const std::vector<TSprite> sprites = Tick();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_EQ(sprites[0].Image, "ComboBadge");
  EXPECT_EQ(sprites[1].Image, "EnergyBonusText");
  for (const TSprite& s : sprites) EXPECT_EQ(s.Pattern, 2);
  EXPECT_NEAR(sprites[1].Left, 122, 0.01);
  EXPECT_NEAR(sprites[1].Top, 639, 0.01);
  // The badge is centred behind the text.
  EXPECT_NEAR(sprites[0].Left + 50, 122 + 80, 0.01);
  EXPECT_NEAR(sprites[0].Top + 50, 639 + 25, 0.01);
}

TEST_F(ComboEnergyBonus, ShowsFor900MsThenFadesAway) {
  popper.Start(0);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(Tick().at(1).Alpha, std::min(51 * (i + 1), 255));
  std::vector<int> fading;
  while (popper.Active()) {
    const std::vector<TSprite> sprites = Tick();
    if (!sprites.empty()) fading.push_back(sprites[1].Alpha);
  }
  EXPECT_EQ(fading.front(), 230);
  EXPECT_EQ(fading.back(), 5);
  EXPECT_EQ(fading.size(), 10u);
}

TEST_F(ComboEnergyBonus, ANewBonusReplacesTheOneShowing) {
  popper.Start(0);
  for (int i = 0; i < 40; ++i) Tick();
  popper.Start(1);
  const std::vector<TSprite> sprites = Tick();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_EQ(sprites[1].Pattern, 1);
  EXPECT_EQ(sprites[1].Alpha, 51);
}

TEST_F(ComboEnergyBonus, AResetBonusIsGone) {
  popper.Start(1);
  Tick();
  popper.Reset();
  EXPECT_TRUE(Tick().empty());
  EXPECT_FALSE(popper.Active());
}

}  // namespace
}  // namespace qm
