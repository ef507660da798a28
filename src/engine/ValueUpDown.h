#pragma once

namespace qm {

// A value that swings between Min and Max, one step per tick: pulsing
// alphas, bobbing positions, breathing sizes. It starts at 0 going down, so
// the first Step clamps to Min and turns up. RangeMin and RangeMax clip the
// output only, once set; the swing itself keeps its full range.
class TValueUpDown {
 public:
  float Dec() const { return FDec; }
  void SetDec(float value) { FDec = value; }
  float Inc() const { return FInc; }
  void SetInc(float value) { FInc = value; }
  float Min() const { return FMin; }
  void SetMin(float value) { FMin = value; }
  float Max() const { return FMax; }
  void SetMax(float value) { FMax = value; }
  float RangeMin() const { return FRangeMin; }
  void SetRangeMin(float value);
  float RangeMax() const { return FRangeMax; }
  void SetRangeMax(float value);

  float Value() const { return FValue; }
  // Overrides the output only, until the next Step or recomputation.
  void SetValue(float value) { FValue = value; }
  // Value rounded to nearest, halves to even.
  int RoundedValue() const;

  // Starts the swing over at min; the direction is kept.
  void Setup(float min, float max, float inc, float dec);
  void Step();
  void RestartUp();

 private:
  void UpdateValue();

  float FCurrent = 0;
  bool FGoingUp = false;
  float FDec = 1;
  float FInc = 1;
  float FMin = 0;
  float FMax = 100;
  float FRangeMin = 0;
  float FRangeMax = 0;
  bool FRangeMinSet = false;
  bool FRangeMaxSet = false;
  float FValue = 0;
};

}  // namespace qm
