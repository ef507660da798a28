#include "rules/PopInRatio.h"

#include <algorithm>

namespace qm {

void TPopInRatio::Start() {
  FPhase = phGrowing;
  FRatio = 0;
}

void TPopInRatio::Step() {
  switch (FPhase) {
    case phGrowing:
      FRatio = std::min(FRatio + FStepUp, FMax);
      if (FRatio >= FMax) FPhase = phShrinking;
      break;
    case phShrinking:
      FRatio = std::max(FRatio - FStepDown, 1.0f);
      if (FRatio <= 1) FPhase = phSettled;
      break;
    case phSettled:
      break;
  }
}

}  // namespace qm
