#pragma once

#include <cstdint>
#include <functional>

namespace qm {

enum TGameSceneValues : std::uint8_t {
  gsCompanyLogos,
  gsSplash,
  gsMenu,
  gsPlayerSelect,
  gsMap,
  gsMainGame,
  gsInGameMenu,
  gsInGameOptions,
  gsRoundClear,
  gsTimeUp,
  gsOptions,
  gsHighScores,
  gsHelp,
  gsObjectiveInfo,
  gsTutorial,
  gsTutorialToolTip,
  gsStageResult,
  gsStickerBook,
  gsConfirmWindow,
  gsAddPlayer,
  gsAddInitialPlayer,
  gsCredits,
  gsOpeningStory,
  gsEndingStory,
};

// The scene the game is in. OnChanged fires only for a real change, and
// before the new value is stored: during the event Value still reads the
// old scene.
class TGameScene {
 public:
  explicit TGameScene(TGameSceneValues value = gsCompanyLogos) : FValue(value) {}

  TGameSceneValues Value() const { return FValue; }
  void SetValue(TGameSceneValues value) {
    if (value == FValue) return;
    if (OnChanged) OnChanged(FValue, value);
    FValue = value;
  }

  std::function<void(TGameSceneValues oldValue, TGameSceneValues newValue)> OnChanged;

 private:
  TGameSceneValues FValue;
};

}  // namespace qm
