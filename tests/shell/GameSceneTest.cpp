#include <gtest/gtest.h>

#include <vector>

#include "shell/GameScene.h"

namespace qm {
namespace {

struct TChange {
  TGameSceneValues Old, New, ValueDuringEvent;
  bool operator==(const TChange&) const = default;
};

TEST(SceneValue, AChangeIsReportedBeforeTheNewValueIsStored) {
  TGameScene scene;
  std::vector<TChange> changes;
  scene.OnChanged = [&](TGameSceneValues oldValue, TGameSceneValues newValue) {
    changes.push_back({oldValue, newValue, scene.Value()});
  };
  scene.SetValue(gsSplash);
  scene.SetValue(gsMenu);
  EXPECT_EQ(changes, (std::vector<TChange>{{gsCompanyLogos, gsSplash, gsCompanyLogos}, {gsSplash, gsMenu, gsSplash}}));
  EXPECT_EQ(scene.Value(), gsMenu);
}

TEST(SceneValue, SettingTheCurrentSceneFiresNothing) {
  TGameScene scene(gsMap);
  int changes = 0;
  scene.OnChanged = [&](TGameSceneValues, TGameSceneValues) { ++changes; };
  scene.SetValue(gsMap);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(scene.Value(), gsMap);
}

TEST(SceneValue, WorksWithoutAHandler) {
  TGameScene scene;
  scene.SetValue(gsEndingStory);
  EXPECT_EQ(scene.Value(), gsEndingStory);
}

TEST(SceneValue, ValuesKeepTheirNumbers) {
  EXPECT_EQ(int(gsCompanyLogos), 0);
  EXPECT_EQ(int(gsMainGame), 5);
  EXPECT_EQ(int(gsStickerBook), 17);
  EXPECT_EQ(int(gsConfirmWindow), 18);
  EXPECT_EQ(int(gsEndingStory), 23);
  EXPECT_EQ(sizeof(TGameSceneValues), 1u);
}

}  // namespace
}  // namespace qm
