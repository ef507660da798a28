#include "board/ArcFlight.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qm {

namespace {

// Frames for a flight of no length, and one more per this many pixels.
constexpr int kBaseFrames = 24;
constexpr float kPixelsPerFrame = 40.0f;

}  // namespace

void TArcFlight::Start(float fromX, float fromY, float toX, float toY, float wobble) {
  FActive = true;
  FFromX = fromX;
  FFromY = fromY;
  FToX = toX;
  FToY = toY;
  const float distance = std::hypot(toX - fromX, toY - fromY);
  FArc = 40.0f + distance * 0.2f;
  FWobble = wobble;
  FFrame = 0;
  FFrames = kBaseFrames + static_cast<int>(distance / kPixelsPerFrame);
}

bool TArcFlight::Step() {
  if (!FActive) return false;
  if (++FFrame < FFrames) return false;
  FActive = false;
  return true;
}

float TArcFlight::Progress() const { return std::min(1.0f, static_cast<float>(FFrame) / static_cast<float>(FFrames)); }

float TArcFlight::X() const {
  const float t = Progress();
  const float along = t * t;
  return FFromX + (FToX - FFromX) * along + FWobble * std::sin(t * 3.0f * std::numbers::pi_v<float>) * (1.0f - t);
}

float TArcFlight::Y() const {
  const float t = Progress();
  return FFromY + (FToY - FFromY) * t * t - FArc * std::sin(t * std::numbers::pi_v<float>);
}

}  // namespace qm
