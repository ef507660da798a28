#pragma once

namespace qm {

// A tool moving on its own toward a point: the longer axis advances Speed
// pixels a tick and the shorter one in proportion, so it travels straight.
class TToolGlide {
 public:
  static constexpr float Speed = 40.0f;

  float X = 0;
  float Y = 0;

  void JumpTo(float x, float y) {
    X = x;
    Y = y;
  }
  // One tick toward (x, y), never past it. True once there.
  bool StepToward(float x, float y);
  bool At(float x, float y) const { return X == x && Y == y; }
};

}  // namespace qm
