#include "engine/StepHelpers.h"

#include <cmath>

#include "engine/FrameTime.h"
#include "engine/GameRandom.h"

namespace qm {

namespace {

template <typename T>
bool StepTowardImpl(T& value, T step, T target) {
  if (value < target) {
    value += step;
    if (value > target) value = target;
  } else if (value > target) {
    value -= step;
    if (value < target) value = target;
  }
  return value == target;
}

template <typename T>
bool StepUpToImpl(T& value, T step, T limit) {
  value += step;
  if (value >= limit) {
    value = limit;
    return true;
  }
  return false;
}

}  // namespace

bool StepToward(float& value, float step, float target) { return StepTowardImpl(value, step, target); }
bool StepToward(int& value, int step, int target) { return StepTowardImpl(value, step, target); }

bool StepUpTo(float& value, float step, float limit) { return StepUpToImpl(value, step, limit); }
bool StepUpTo(int& value, int step, int limit) { return StepUpToImpl(value, step, limit); }

bool TimerReached(int& counter, int limit) { return StepUpToImpl(counter, FrameMs, limit); }

int RandomStep(int count, int step, int base) { return base + Random(count) * step; }

int RandomStretch(int value) { return value + RoundToEven(value * Random(5) / 10.0); }

void AngleStep(float& angle, float step) {
  angle += step;
  if (angle > 360) angle = 0;
}

bool PointInRect(float x, float y, float left, float top, float right, float bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

int RoundToEven(double value) {
  double rounded = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) rounded = 2 * std::round(value / 2);
  return static_cast<int>(rounded);
}

}  // namespace qm
