#include "effects/Shine.h"

#include <cmath>
#include <numbers>

#include "engine/EffectsMode.h"
#include "engine/OmegaImageList.h"

namespace qm {

namespace {

constexpr int kAdditiveBlend = 2;
// A sweep crosses its area in this part of the period and waits the rest.
constexpr float kSweepShare = 0.4f;

}  // namespace

void TShine::Reset() {
  FRunning = false;
  FTick = 0;
}

void TShine::Start() {
  FRunning = true;
  FTick = 0;
}

void TShine::TickAndDraw() {
  // Every shine is decoration: reduced effects leave it out.
  if (!Visible || !FRunning || DecorationOff() || PeriodTicks <= 0) return;
  ++FTick;
  if (Periods > 0 && FTick >= Periods * PeriodTicks) {
    Reset();
    if (OnEnd) OnEnd(*this);
    return;
  }
  if (!OmgImgList) return;
  TImageListItem* light = OmgImgList->FindImage(Image);
  if (!light) return;
  const float phase = float(FTick % PeriodTicks) / float(PeriodTicks);
  // The pattern's middle goes where the light stands; scaling keeps it there.
  const float halfWidth = float(light->TileWidth()) / 2, halfHeight = float(light->TileHeight()) / 2;
  const float centreX = float(Left) + float(Width) / 2, centreY = float(Top) + float(Height) / 2;
  float x = centreX, angle = 0, alpha = float(Alpha), scale = Scale;
  switch (Motion) {
    case smSweep:
      if (phase > kSweepShare) return;
      x = float(Left) + float(Width) * phase / kSweepShare;
      alpha *= std::sin(float(std::numbers::pi) * phase / kSweepShare);
      break;
    case smPulse:
      alpha *= 0.5f - 0.5f * std::cos(2 * float(std::numbers::pi) * phase);
      scale *= 0.85f + 0.3f * phase;
      break;
    case smRotate:
      angle = 360 * phase;
      break;
  }
  light->DrawEx(x - halfWidth, centreY - halfHeight, angle, 0.5f, 0.5f, scale, scale, 255, 255, 255, int(alpha), 0,
                kAdditiveBlend);
}

}  // namespace qm
