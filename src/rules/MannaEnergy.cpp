#include "rules/MannaEnergy.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {
namespace {

constexpr const char* kJarImage = "MannaEnergy";  // 2x1: empty jar, full jar
constexpr const char* kLiquidImage = "MannaEnergyLiquid";
constexpr const char* kWaveImage = "MannaEnergyWave";  // 1x6
constexpr int kJarEmpty = 0;
constexpr int kJarFull = 1;

// The outer waves swell in step, the middle one slower, so the surface never
// moves as one piece.
constexpr const char* kWaveSeqs[TMannaEnergy::WaveCount] = {
    "1111222233334444555566665555444433332222",
    "11111111122223333344444555556666555554444333332222",
    "1111222233334444555566665555444433332222",
};
constexpr int kWaveRaise = 4;
// The liquid's sides stand this far in from its picture's edges (the glass).
constexpr int kWaveInset = 4;
constexpr int kWaveAlpha = 130;
constexpr float kWaveDrawnWidth = 36.0f;
constexpr float kWaveDrawnHeight = 7.0f;

// The rising steps are not exact in binary (0.95 for a jar of 190), so a
// level that has crept onto a mark may lie a rounding error short of it.
constexpr double kLevelSlack = 1e-6;

}  // namespace

TMannaEnergy::TMannaEnergy() {
  for (int i = 0; i < WaveCount; ++i) {
    FWaves[i].SetSeq(kWaveSeqs[i]);
    FWaves[i].SetLooped(true);
  }
}

void TMannaEnergy::AddOne() { FCounter = std::min(FCounter + 1, FullRequiredFruits); }

void TMannaEnergy::Spend(TNewToolKind kind) {
  const int threshold = ThresholdOf(kind);
  if (threshold == 0) return;
  FCounter = std::max(RoundToEven(double(FCounter) - Level(threshold)), 0);
}

bool TMannaEnergy::Covers(TNewToolKind kind) const {
  const int threshold = ThresholdOf(kind);
  return threshold == 0 || FCounter >= Level(threshold) - kLevelSlack;
}

void TMannaEnergy::SetImmediately(int n) {
  FCounter = std::clamp(FCounter + n, 0, std::max(FullRequiredFruits, 0));
  FShown = FCounter;
}

void TMannaEnergy::Reset() {
  FCounter = 0;
  FShown = 0;
  FFull = false;
  FReached.fill(false);
  for (TAnimData& wave : FWaves) wave.Reset();
}

void TMannaEnergy::ReloadSizes() {
  if (!OmgImgList) return;
  int width = 0, height = 0;
  PatternSize(*OmgImgList, kLiquidImage, width, height);
  if (width > 0 && height > 0) {
    EnergyWidth = width;
    EnergyHeight = height;
    MaxPixelProgress = height;
  }
  PatternSize(*OmgImgList, kWaveImage, width, height);
  if (width > 0 && height > 0) {
    OrigWaveWidth = width;
    OrigWaveHeight = height;
  }
}

void TMannaEnergy::TickAndDraw() {
  Update();
  Draw();
}

bool TMannaEnergy::Reached(int threshold) const {
  return threshold >= 1 && threshold <= ThresholdCount && FReached[threshold - 1];
}

float TMannaEnergy::Threshold(int threshold) const {
  return threshold >= 1 && threshold <= ThresholdCount ? float(Level(threshold)) : 0.0f;
}

int TMannaEnergy::ThresholdOf(TNewToolKind kind) {
  switch (kind) {
    case tlHammer:
      return 1;
    case tlBomb:
      return 2;
    case tlHorzLightning:
      return 3;
    case tlVertLightning:
      return 4;
    case tlBlaster:
      return 5;
    case tlBigBomb:
      return 6;
    default:
      return 0;
  }
}

int TMannaEnergy::LiquidHeight() const {
  if (FullRequiredFruits <= 0) return 0;
  return std::clamp(RoundToEven(FShown / FullRequiredFruits * MaxPixelProgress), 0, std::max(MaxPixelProgress, 0));
}

// The factors are meant as hundredths, which a float only comes near: 0.15f
// times 200 is a hair above 30, and the hammer would wait a frame past 30.
// Taking the factor to the nearest millionth first keeps thresholds and
// spent amounts where the decimal factor puts them.
double TMannaEnergy::Level(int threshold) const {
  const std::int64_t perMillion = std::llround(double(ReqEnergyFactor[threshold - 1]) * 1e6);
  return double(std::int64_t(FullRequiredFruits) * perMillion) / 1e6;
}

bool TMannaEnergy::AtOrAbove(int threshold) const { return FShown >= Level(threshold) - kLevelSlack; }

void TMannaEnergy::Update() {
  const double counter = FCounter;
  if (counter > FShown) {
    FShown += double(FullRequiredFruits) / std::max(TempCounterIncDivFactor, 1);
    // Steps that are not exact in binary would otherwise stop a hair short
    // of the count and fill the jar a frame late.
    if (FShown >= counter - kLevelSlack) FShown = counter;
    if (FShown >= FullRequiredFruits && !FFull) {
      FFull = true;
      if (OnFull) OnFull();
    }
    for (int k = 1; k <= ThresholdCount; ++k) {
      if (FReached[k - 1] || !AtOrAbove(k)) continue;
      FReached[k - 1] = true;
      if (OnEnergyFactorReached) OnEnergyFactorReached(k);
    }
  } else if (counter < FShown) {
    // A big spend overshoots the count; the next frames creep back up to it,
    // which can take a tool away and give it back.
    FShown = std::max(FShown - double(FullRequiredFruits) / std::max(TempCounterDecDivFactor, 1), 0.0);
    FFull = false;
    for (int k = 1; k <= ThresholdCount; ++k) {
      if (!FReached[k - 1] || AtOrAbove(k)) continue;
      FReached[k - 1] = false;
      if (OnBelowEnergyFactor) OnBelowEnergyFactor(k);
    }
  }
}

void TMannaEnergy::Draw() {
  if (!OmgImgList) return;
  const float x = float(Left), y = float(Top);
  // The full jar is one picture of its own, glowing, without a surface.
  if (FShown >= FullRequiredFruits) {
    DrawImage(*OmgImgList, kJarImage, x, y, kJarFull);
    return;
  }
  DrawImage(*OmgImgList, kJarImage, x, y, kJarEmpty);
  const int height = LiquidHeight();
  const int surface = Top + MaxPixelProgress + LiquidAdjustY - height;
  // The liquid and its waves stand in the middle of the jar.
  const int liquidLeft = Left + (PatternWidth(*OmgImgList, kJarImage) - EnergyWidth) / 2;
  if (height > 0) {
    if (TImageListItem* liquid = OmgImgList->FindImage(kLiquidImage))
      liquid->DrawPart(0, MaxPixelProgress - height, EnergyWidth, MaxPixelProgress, float(liquidLeft),
                       float(surface), 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
  }
  if (FShown <= 0) return;
  // A little manna already shows a surface, before the first row of liquid.
  const float scaleX = OrigWaveWidth > 0 ? kWaveDrawnWidth / float(OrigWaveWidth) : 1.0f;
  const float scaleY = OrigWaveHeight > 0 ? kWaveDrawnHeight / float(OrigWaveHeight) : 1.0f;
  const float spacing = (EnergyWidth - 2 * kWaveInset - kWaveDrawnWidth) / float(WaveCount - 1);
  for (int i = 0; i < WaveCount; ++i) {
    FWaves[i].Next();
    DrawImageEx(*OmgImgList, kWaveImage, liquidLeft + kWaveInset + spacing * i, float(surface - kWaveRaise), 0, 0, 0, scaleX,
                scaleY, 255, 255, 255, kWaveAlpha, FWaves[i].CurrentFrame(), 0);
  }
}

}  // namespace qm
