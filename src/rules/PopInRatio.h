#pragma once

namespace qm {

// A size that pops in: it grows from nothing past full size to Max, then
// settles back to 1 and stays there. It reads 1 until started.
class TPopInRatio {
 public:
  TPopInRatio(float max, float stepUp, float stepDown) : FMax(max), FStepUp(stepUp), FStepDown(stepDown) {}

  void Start();
  // One tick; does nothing until started and once settled.
  void Step();
  float Ratio() const { return FRatio; }
  bool Settled() const { return FPhase == phSettled; }

 private:
  enum TPhase { phSettled, phGrowing, phShrinking };

  float FMax, FStepUp, FStepDown;
  TPhase FPhase = phSettled;
  float FRatio = 1;
};

}  // namespace qm
