#include "rules/PlusOneBigHeart.h"

#include <algorithm>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {
namespace {

constexpr int kFadeInStep = 26;

}  // namespace

void TPlusOneBigHeart::Start(int delayMs) {
  FPhase = phWaiting;
  FClock = 0;
  FDelay = std::max(delayMs, 0);
  FSize = StartSize;
  FAlpha = 0;
  FShineAlpha = 0;
}

void TPlusOneBigHeart::Reset() {
  FPhase = phIdle;
  FShineAlpha = 0;
}

void TPlusOneBigHeart::TickAndDraw() {
  if (!Visible || FPhase == phIdle) return;
  Step();
  if (FPhase != phIdle && FPhase != phWaiting) Draw();
}

void TPlusOneBigHeart::Step() {
  switch (FPhase) {
    case phWaiting:
      // The first drawn frame shows the start size.
      if (FDelay == 0 || TimerReached(FClock, FDelay)) {
        FPhase = phLanding;
        FAlpha = kFadeInStep;
      }
      break;
    case phLanding:
      FAlpha = std::min(FAlpha + kFadeInStep, 255);
      if (StepToward(FSize, StartSizeStep, AttachedSize)) {
        FPhase = phAttached;
        FAlpha = 255;
        FClock = 0;
        FShineAlpha = ShineStartAlpha;
        FShineSize = ShineStartSize;
      }
      break;
    case phAttached:
      if (FShineAlpha > ShineEndAlpha) {
        FShineAlpha -= ShineAlphaStep;
        FShineSize += ShineSizeStep;
      }
      if (AttachedTime > 0 && TimerReached(FClock, AttachedTime)) FPhase = phLeaving;
      break;
    case phLeaving:
      FSize -= EndSizeStep;
      if (FSize <= 0) {
        FPhase = phIdle;
        if (OnFinished) OnFinished(*this);
      }
      break;
    case phIdle:
      break;
  }
}

void TPlusOneBigHeart::Draw() const {
  if (!OmgImgList) return;
  DrawImageEx(*OmgImgList, ImageName, float(Left), float(Top), 0, 0.5f, 0.5f, FSize, FSize, 255, 255, 255, FAlpha,
              MainPattern, 0);
  if (FShineAlpha > ShineEndAlpha)
    DrawImageEx(*OmgImgList, ImageName, float(Left), float(Top), 0, 0.5f, 0.5f, FShineSize, FShineSize, 255, 255, 255,
                FShineAlpha, ShinePattern, 2);
}

}  // namespace qm
