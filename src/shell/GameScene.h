#pragma once

#include <cstdint>
#include <functional>
#include <utility>

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
    // A change started by another change's actions sees a scene that is
    // neither the old nor the new one: counted, so tools and tests find it.
    if (FChanging) ++FNestedChanges;
    const bool wasChanging = std::exchange(FChanging, true);
    try {
      if (OnChanged) OnChanged(FValue, value);
    } catch (...) {
      FChanging = wasChanging;
      throw;
    }
    FValue = value;
    FChanging = wasChanging;
  }
  int NestedChanges() const { return FNestedChanges; }

  std::function<void(TGameSceneValues oldValue, TGameSceneValues newValue)> OnChanged;

 private:
  TGameSceneValues FValue;
  bool FChanging = false;
  int FNestedChanges = 0;
};

}  // namespace qm
