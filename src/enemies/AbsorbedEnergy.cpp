#include "enemies/AbsorbedEnergy.h"

#include <algorithm>
#include <string>

#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"

namespace qm {

namespace {

constexpr int kYellowFrom = 41;
constexpr int kGreenFrom = 78;
constexpr int kHalfSpark = 16;
// Neighbouring sparks sway to opposite sides of the arc.
constexpr float kWobble = 14.0f;
// Sparks dwindle on the way and fade over the last part of it.
constexpr float kEndScale = 0.5f;
constexpr float kFadeFrom = 0.75f;
constexpr int kAdditive = 2;

struct TRgb {
  int Red, Green, Blue;
};

constexpr TRgb kTints[] = {{255, 70, 60}, {255, 220, 60}, {90, 255, 110}};

}  // namespace

TAbsorbedEnergyColour TAbsorbedEnergy::ColourForPercentLeft(int percentLeft) {
  if (percentLeft < kYellowFrom) return ecRed;
  if (percentLeft < kGreenFrom) return ecYellow;
  return ecGreen;
}

void TAbsorbedEnergy::Start(TPoint from, TPoint to, int percentLeft) {
  Reset();
  FLaunched = 0;
  FFrom = from;
  FTo = to;
  FColour = ColourForPercentLeft(percentLeft);
}

void TAbsorbedEnergy::Reset() {
  for (TArcFlight& spark : FSparks) spark = TArcFlight{};
  FLaunched = kSparks;
  FTick = 0;
}

bool TAbsorbedEnergy::IsRunning() const {
  return FLaunched < kSparks || std::any_of(FSparks.begin(), FSparks.end(), [](const TArcFlight& s) {
           return s.Active();
         });
}

void TAbsorbedEnergy::TickAndDraw() {
  if (!Visible) return;
  if (FLaunched < kSparks && FTick % kTicksBetweenSparks == 0) {
    const float wobble = FLaunched % 2 == 0 ? kWobble : -kWobble;
    FSparks[FLaunched++].Start(float(FFrom.X - kHalfSpark), float(FFrom.Y - kHalfSpark), float(FTo.X - kHalfSpark),
                               float(FTo.Y - kHalfSpark), wobble);
  }
  ++FTick;
  const TRgb tint = kTints[FColour];
  for (TArcFlight& spark : FSparks) {
    if (spark.Step() || !spark.Active() || !OmgImgList) continue;
    const float t = spark.Progress();
    const float scale = 1.0f - (1.0f - kEndScale) * t;
    const int alpha = t < kFadeFrom ? 255 : int(255 * (1.0f - t) / (1.0f - kFadeFrom));
    DrawImageEx(*OmgImgList, std::string(img::AbsorbedEnergy), spark.X(), spark.Y(), 0, 0.5f, 0.5f, scale, scale,
                tint.Red, tint.Green, tint.Blue, alpha, 0, kAdditive);
  }
}

}  // namespace qm
