#include "engine/ValueUpDown.h"

#include "engine/StepHelpers.h"

namespace qm {

void TValueUpDown::SetRangeMin(float value) {
  FRangeMin = value;
  FRangeMinSet = true;
}

void TValueUpDown::SetRangeMax(float value) {
  FRangeMax = value;
  FRangeMaxSet = true;
}

int TValueUpDown::RoundedValue() const { return RoundToEven(FValue); }

void TValueUpDown::Setup(float min, float max, float inc, float dec) {
  FMin = min;
  FMax = max;
  FInc = inc;
  FDec = dec;
  FCurrent = min;
  UpdateValue();
}

void TValueUpDown::Step() {
  if (FGoingUp) {
    FCurrent += FInc;
    if (FCurrent >= FMax) {
      FCurrent = FMax;
      FGoingUp = false;
    }
  } else {
    FCurrent -= FDec;
    if (FCurrent <= FMin) {
      FCurrent = FMin;
      FGoingUp = true;
    }
  }
  UpdateValue();
}

void TValueUpDown::RestartUp() {
  FGoingUp = true;
  UpdateValue();
}

void TValueUpDown::UpdateValue() {
  FValue = FCurrent;
  if (FRangeMinSet && FValue < FRangeMin) FValue = FRangeMin;
  if (FRangeMaxSet && FValue > FRangeMax) FValue = FRangeMax;
}

}  // namespace qm
