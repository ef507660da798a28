#include "shell/SceneTransition.h"

namespace qm {

void TSceneTransition::Start(TGameSceneValues from, TGameSceneValues to) {
  FTarget = to;
  FPhase = 0;
  FActive = true;
  if (OnStartToSwitch) OnStartToSwitch(from, to);
}

bool TSceneTransition::IsBlocking() const {
  return FActive && (FPhase == 0 || FSizeRatio < 0.65f * MaxSizeRatioAdd);
}

void TSceneTransition::StepAndDraw() {
  if (!FActive) return;
  if (FPhase == 0)
    StepClosing();
  else
    StepOpening();
  FAngle += AngleAdd;
  while (FAngle >= 360.0f) FAngle -= 360.0f;
  Draw();
}

void TSceneTransition::StepClosing() {
  FAlpha += 4 * BaseAlphaStep;
  if (FAlpha >= 256) FAlpha = 255;
  FSizeRatio -= MaxSizeRatioAdd / 255.0f * BaseAlphaStep + 0.3f;
  if (FSizeRatio > 0.0f) return;
  FSizeRatio = 0.0f;
  FPhase = 1;
  FAlpha = 255;
  if (OnSceneSwitch) OnSceneSwitch(FTarget);
}

void TSceneTransition::StepOpening() {
  if (FSizeRatio < MaxSizeRatioAdd) {
    FSizeRatio += MaxSizeRatioAdd / 255.0f * BaseAlphaStep;
    if (FSizeRatio > MaxSizeRatioAdd) FSizeRatio = MaxSizeRatioAdd;
    return;
  }
  FAlpha -= 2 * BaseAlphaStep;
  if (FAlpha > 0) return;
  FAlpha = 0;
  FActive = false;
}

void TSceneTransition::Draw() {
  if (!OmgImgList) return;
  float scale = FSizeRatio + 2.0f;
  DrawImageEx(*OmgImgList, "TransDark", 252, -46, FAngle, 0.5f, 0.5f, scale, scale, 255, 255, 255, FAlpha, 0, 0);
  float spinScale = scale * 0.29f / 2.0f;
  DrawImageEx(*OmgImgList, "TransSpin", 455, 158, FAngle, 0.5f, 0.5f, spinScale, spinScale, 255, 255, 255, FAlpha, 0,
              0);
  if (FSizeRatio <= 6.0f && OnDrawCaption) OnDrawCaption(CaptionScale, 740);
}

}  // namespace qm
