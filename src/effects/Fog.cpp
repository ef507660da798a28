#include "effects/Fog.h"

#include <cmath>

#include "effects/EffectRandom.h"
#include "engine/EffectsMode.h"
#include "engine/OmegaImageList.h"

namespace qm {

namespace {

constexpr int kBands = 3;
constexpr float kScale = 2;
constexpr float kBandSpeed[kBands] = {0.25f, -0.18f, 0.35f};

}  // namespace

void TFog::Start() {
  FRunning = true;
  FDrift = EffectRandom().Range(0, 1000);
}

void TFog::TickAndDraw() {
  if (!Visible || !FRunning || DecorationOff() || !OmgImgList) return;
  TImageListItem* fog = OmgImgList->FindImage("Fog");
  if (!fog) return;
  FDrift += 1;
  const float width = float(fog->TileWidth()) * kScale;
  for (int band = 0; band < kBands; ++band) {
    // Each band repeats across the screen and wraps as it drifts.
    const float shift = std::fmod(FDrift * kBandSpeed[band], width);
    const float y = float(Top) + float(Height) * float(band) / kBands;
    for (float x = shift - width; x < 1366 + width; x += width)
      fog->DrawEx(x, y, 0, 0, 0, kScale, kScale, 255, 255, 255, Alpha, band, 0);
  }
}

}  // namespace qm
