#pragma once

namespace qm {

// Moves value by step toward target without passing it. True once value
// equals target.
bool StepToward(float& value, float step, float target);
bool StepToward(int& value, int step, int target);

// Adds step to value and clamps it at limit. True once value is at limit.
bool StepUpTo(float& value, float step, float limit);
bool StepUpTo(int& value, int step, int limit);

// Counts one tick (FrameMs) into a millisecond counter, which is held at
// limit. True whenever the counter stands at limit, so an owner that must
// react only once keeps its own flag or resets the counter.
bool TimerReached(int& counter, int limit);

// One of count evenly spaced values: base + Random(count) * step.
int RandomStep(int count, int step, int base = 0);

// value plus 0, 10, 20, 30 or 40 % of it, rounded halves to even.
int RandomStretch(int value);

// Turns angle (degrees) by step; past 360 it starts again at 0.
void AngleStep(float& angle, float step);

// Edges included on all four sides.
bool PointInRect(float x, float y, float left, float top, float right, float bottom);

// Rounds to nearest with halves going to the even neighbour, as every
// rounding in the game does.
int RoundToEven(double value);

}  // namespace qm
