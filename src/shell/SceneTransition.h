#pragma once

#include <functional>

#include "engine/OmegaImageList.h"
#include "shell/GameScene.h"

namespace qm {

// The animated cover that hides a scene change: it closes, the scene
// switches behind it, and it opens and fades away again.
class TSceneTransition {
 public:
  // The caption under the nearly closed cover is drawn at this size.
  static constexpr float CaptionScale = 0.6f;

  TOmegaImageList* OmgImgList = nullptr;
  int BaseAlphaStep = 10;
  float MaxSizeRatioAdd = 32.0f;
  float AngleAdd = 3.0f;

  std::function<void(TGameSceneValues from, TGameSceneValues to)> OnStartToSwitch;
  std::function<void(TGameSceneValues to)> OnSceneSwitch;
  // Draws the caption line under the cover, centred at the given y, while
  // the cover is nearly closed.
  std::function<void(float scale, int y)> OnDrawCaption;

  // Continues from the current alpha and size when already running.
  void Start(TGameSceneValues from, TGameSceneValues to);
  void StepAndDraw();
  // Input waits while the cover closes and until it has opened to 65 %.
  bool IsBlocking() const;
  void Cancel() { FActive = false; }

  bool Active() const { return FActive; }
  bool Closing() const { return FPhase == 0; }
  int Alpha() const { return FAlpha; }
  float SizeRatio() const { return FSizeRatio; }
  float Angle() const { return FAngle; }
  TGameSceneValues Target() const { return FTarget; }

 private:
  void StepClosing();
  void StepOpening();
  void Draw();

  bool FActive = false;
  int FPhase = 0;
  int FAlpha = 0;
  float FAngle = 0.0f;
  float FSizeRatio = 32.0f;
  TGameSceneValues FTarget = gsMenu;
};

}  // namespace qm
