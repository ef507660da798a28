#include "enemies/MonsterAura.h"

#include <string>

#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {

namespace {

constexpr float kGrowStep = 0.1f;
constexpr float kFadeGrowStep = 0.075f;
constexpr int kBrightenStep = 12;
constexpr int kFadeStep = 10;
constexpr int kAdditive = 2;

}  // namespace

void TMonsterAura::Start(TPoint topLeft) {
  Left = topLeft.X;
  Top = topLeft.Y;
  FPhase = phGrowing;
  FSize = MinBubbleSizeRatio;
  FAlpha = MinBubbleAlpha;
  FSincePeak = 0;
  FPeaked = false;
  FDelayReported = false;
  // A slow breath on top of the size, so the grown bubble stays alive.
  FPulse.Setup(0.94f, 1.0f, 0.006f, 0.006f);
}

void TMonsterAura::Stop() {
  if (FPhase == phGrowing || FPhase == phHolding) FPhase = phFading;
}

void TMonsterAura::Reset() {
  FPhase = phIdle;
  FPeaked = false;
  FDelayReported = false;
}

void TMonsterAura::Step() {
  FPulse.Step();
  switch (FPhase) {
    case phGrowing:
      StepUpTo(FAlpha, kBrightenStep, MaxBubbleAlpha);
      if (!StepUpTo(FSize, kGrowStep, MaxBubbleSizeRatio)) break;
      FPhase = phHolding;
      FPeaked = true;
      if (OnAuraPeak) OnAuraPeak();
      return;
    case phHolding: StepUpTo(FAlpha, kBrightenStep, MaxBubbleAlpha); break;
    case phFading:
      FSize += kFadeGrowStep;
      if (StepToward(FAlpha, kFadeStep, MinBubbleAlpha)) FPhase = phIdle;
      break;
    case phIdle: return;
  }
  if (FPeaked && !FDelayReported && TimerReached(FSincePeak, AuraPeakDelayTime)) {
    FDelayReported = true;
    if (OnAuraPeakWithDelay) OnAuraPeakWithDelay();
  }
}

void TMonsterAura::TickAndDraw() {
  if (!Visible || FPhase == phIdle) return;
  Step();
  if (!OmgImgList || FPhase == phIdle) return;
  const float scale = FSize * FPulse.Value();
  DrawImageEx(*OmgImgList, std::string(img::MonsterAura), float(Left), float(Top), 0, 0.5f, 0.5f, scale, scale, 255,
              255, 255, FAlpha, 0, kAdditive);
}

}  // namespace qm
