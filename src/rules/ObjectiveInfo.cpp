#include "rules/ObjectiveInfo.h"

#include <algorithm>

#include "engine/FrameTime.h"
#include "engine/OmegaImageList.h"

namespace qm {
namespace {

// A pop-in grows from next to nothing; exactly 0 would draw at full size.
constexpr float kPopInStart = 0.05f;

// Before its pop-in the logo and the title only show faintly.
constexpr float kLogoFaintAlpha = 0.3f;
constexpr float kTitleFaintAlpha = 0.2f;

int Alpha255(float alpha) { return std::clamp(int(alpha * 255.0f + 0.5f), 0, 255); }

}  // namespace

void TObjectiveInfo::TPopIn::Start() {
  Started = true;
  Growing = true;
  Ratio = kPopInStart;
}

void TObjectiveInfo::TPopIn::Step() {
  if (!Started) return;
  if (Growing) {
    Ratio = std::min(Ratio + StepUp, Max);
    if (Ratio >= Max) Growing = false;
  } else {
    Ratio = std::max(Ratio - StepDown, 1.0f);
  }
}

void TObjectiveInfo::Reset() {
  FState = stIdle;
  FX = RestX;
  FY = 768.0f + 2.0f * ShadowHeight;
  FSpeed = 0;
  FAlpha = 0;
  FScale = 0;
  FElapsed = 0;
  FLogo = TPopIn{FLogo.Max, FLogo.StepUp, FLogo.StepDown};
  FTitle = TPopIn{FTitle.Max, FTitle.StepUp, FTitle.StepDown};
}

void TObjectiveInfo::Show(TGameObjective objective) {
  Reset();
  FObjective = objective == goBossMode ? goBossMode : goNormalMode;
  FState = stDropping;
  if (OnShowing) OnShowing(*this);
}

void TObjectiveInfo::Skip() {
  if (FState == stShowing) FElapsed = ShowingTime;
}

void TObjectiveInfo::FetchShadowHeight() {
  if (OmgImgList && OmgImgList->FindImage("ObjInfoShadow")) ShadowHeight = PatternHeight(*OmgImgList, "ObjInfoShadow");
}

void TObjectiveInfo::Step() {
  switch (FState) {
    case stIdle:
      return;
    case stDropping:
      FAlpha = std::min(FAlpha + 0.048f, 1.0f);
      FScale = std::min(FScale + 0.055f, 1.0f);
      FSpeed += 8;
      FY = std::max(FY - FSpeed, float(RestY));
      if (FAlpha >= 1.0f && FScale >= 1.0f) FState = stShowing;
      break;
    case stShowing:
      FElapsed += FrameMs;
      if (FElapsed >= ShowingTime) {
        FState = stHiding;
        FSpeed = float(OrigMoveStep);
        if (OnStartHiding) OnStartHiding(*this);
      }
      break;
    case stHiding:
      FSpeed += 3;
      FAlpha = std::max(FAlpha - 0.12f, 0.0f);
      FScale = std::max(FScale - 0.04f, 0.0f);
      FY -= FSpeed;
      if (FY <= -float(ShadowHeight)) {
        FState = stIdle;
        if (OnHidingComplete) OnHidingComplete(*this);
        return;
      }
      break;
  }
  // The logo and title pop in once the banner has come to rest.
  if (FState != stHiding && FY <= RestY) {
    if (!FLogo.Started) FLogo.Start();
    if (!FTitle.Started) FTitle.Start();
  }
  if (FLogo.Started) {
    FLogo.Step();
    FTitle.Step();
  }
}

void TObjectiveInfo::TickAndDraw() {
  if (!Visible || FState == stIdle) return;
  Step();
  if (FState != stIdle) Draw();
}

void TObjectiveInfo::Draw() {
  if (!OmgImgList) return;
  const TOmegaImageList& list = *OmgImgList;
  DrawImageEx(list, "ObjInfoShadow", FX + ShadowHeight / 2.0f, FY, 0, 0.5f, 0.5f, 2 * FScale, 2 * FScale, 255, 255,
              255, std::clamp(int(160.0f * FAlpha + 0.5f), 0, 160), 0, 0);
  const bool hiding = FState == stHiding;
  const float logoAlpha = hiding || FLogo.Started ? FAlpha : std::min(FAlpha, kLogoFaintAlpha);
  const float titleAlpha = hiding || FTitle.Started ? FAlpha : std::min(FAlpha, kTitleFaintAlpha);
  DrawImageEx(list, "ObjInfoLogo", FX + 254, FY + 27, 0, 0.5f, 0.5f, FLogo.Ratio, FLogo.Ratio, 255, 255, 255,
              Alpha255(logoAlpha), FObjective, 0);
  DrawImageEx(list, "ObjInfoTitle", FX + 196, FY + 138, 0, 0.5f, 0.5f, FTitle.Ratio, FTitle.Ratio, 255, 255, 255,
              Alpha255(titleAlpha), FObjective, 0);
}

}  // namespace qm
