#include "enemies/ToolGlide.h"

#include <algorithm>
#include <cmath>

namespace qm {

bool TToolGlide::StepToward(float x, float y) {
  const float dx = x - X;
  const float dy = y - Y;
  const float longer = std::max(std::fabs(dx), std::fabs(dy));
  // Steps come from the distance left, so a target that moves (the pointer)
  // bends the path instead of being overshot.
  if (longer <= Speed) {
    JumpTo(x, y);
    return true;
  }
  X += dx * Speed / longer;
  Y += dy * Speed / longer;
  return false;
}

}  // namespace qm
