#include "progress/SmallWren.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "audio/AudioNames.h"
#include "engine/OmegaImageList.h"

namespace qm {

namespace {

constexpr char kImage[] = "SmallWren";
// One more tick per this many pixels of a leg, up to the cap.
constexpr float kPixelsPerExtraTick = 60.0f;
// A beat of the wings lasts two frames each way.
constexpr int kWingBeatTicks = 2;
// The cheer is a hop; the object appears at its top.
constexpr float kHopHeight = 18.0f;

// Slow off the perch, slow into the landing.
float Ease(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

void TSmallWren::Reset() {
  FState = stPerched;
  FX = float(HomeX);
  FY = float(HomeY);
  FFacingLeft = false;
  FPeakDone = false;
}

void TSmallWren::FlyTo(int x, int y) {
  if (Busy()) return;
  FPeakDone = false;
  FState = stFlyingOut;
  StartLeg(float(HomeX), float(HomeY), float(x), float(y));
  if (OnPlaySound) OnPlaySound(std::string(SoundName::WhipAway));
}

void TSmallWren::StartLeg(float fromX, float fromY, float toX, float toY) {
  FFromX = fromX;
  FFromY = fromY;
  FToX = toX;
  FToY = toY;
  const float distance = std::hypot(toX - fromX, toY - fromY);
  FTicks = std::min(MaxFlightTicks, MinFlightTicks + int(distance / kPixelsPerExtraTick));
  // A longer way climbs higher, but never off the top of the scene.
  FArc = std::min(120.0f, 30.0f + distance * 0.15f);
  FTick = 0;
  if (toX != fromX) FFacingLeft = toX < fromX;
  FX = fromX;
  FY = fromY;
}

bool TSmallWren::StepLeg() {
  ++FTick;
  const float t = std::min(1.0f, float(FTick) / float(FTicks));
  const float along = Ease(t);
  FX = FFromX + (FToX - FFromX) * along;
  FY = FFromY + (FToY - FFromY) * along - FArc * std::sin(t * std::numbers::pi_v<float>);
  return FTick >= FTicks;
}

void TSmallWren::Step() {
  switch (FState) {
    case stPerched:
      FX = float(HomeX);
      FY = float(HomeY);
      break;
    case stFlyingOut:
      if (StepLeg()) {
        FState = stCheering;
        FTick = 0;
        if (OnPlaySound) OnPlaySound(std::string(SoundName::SlotTing));
      }
      break;
    case stCheering: {
      ++FTick;
      const float t = float(FTick) / float(CheerTicks);
      FX = FToX;
      FY = FToY - kHopHeight * std::sin(t * std::numbers::pi_v<float>);
      if (!FPeakDone && FTick >= CheerTicks / 2) {
        FPeakDone = true;
        if (OnCheerPeak) OnCheerPeak();
        // The scene may have sent it home (Reset) from inside the event.
        if (FState != stCheering) break;
      }
      if (FTick >= CheerTicks) {
        FState = stFlyingBack;
        StartLeg(FToX, FToY, float(HomeX), float(HomeY));
      }
      break;
    }
    case stFlyingBack:
      if (StepLeg()) {
        FState = stPerched;
        // Settled on the perch it turns round to watch the slot it left.
        if (FFromX != FToX) FFacingLeft = FFromX < FToX;
        FX = float(HomeX);
        FY = float(HomeY);
        if (OnCheerDone) OnCheerDone();
      }
      break;
  }
}

int TSmallWren::Pattern() const {
  switch (FState) {
    case stCheering: return PatternCheering;
    case stFlyingOut:
    case stFlyingBack: return (FTick / kWingBeatTicks) % 2 == 0 ? PatternWingsUp : PatternWingsDown;
    default: return PatternPerched;
  }
}

void TSmallWren::Draw() const {
  if (!OmgImgList) return;
  TImageListItem* item = OmgImgList->FindImage(kImage);
  if (!item) return;
  item->DrawEx(FX, FY, 0, 0, 0, 1, 1, 0xFFFFFFFFu, FFacingLeft, false, Pattern(), 0);
}

void TSmallWren::TickAndDraw() {
  Step();
  Draw();
}

}  // namespace qm
