#pragma once

#include <functional>

#include "board/GeneralDataClass.h"
#include "engine/ValueUpDown.h"

namespace qm {

class TOmegaImageList;

// The glowing bubble around an absorbing boss: it swells and brightens,
// reports its peak (when the round timer is drained) and, once stopped,
// keeps swelling while it fades out.
class TMonsterAura {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  // Top-left corner of the picture at its own size; it grows about its
  // middle.
  int Left = -999;
  int Top = -999;
  bool Visible = true;
  float MinBubbleSizeRatio = 0.5f;
  float MaxBubbleSizeRatio = 2.0f;
  int MinBubbleAlpha = 10;
  int MaxBubbleAlpha = 240;
  int AuraPeakDelayTime = 2000;

  std::function<void()> OnAuraPeak;
  std::function<void()> OnAuraPeakWithDelay;

  void Start(TPoint topLeft);
  void Stop();
  void Reset();
  void TickAndDraw();

  bool IsActive() const { return FPhase != phIdle; }
  bool IsFading() const { return FPhase == phFading; }
  float SizeRatio() const { return FSize; }
  int Alpha() const { return FAlpha; }

 private:
  enum TPhase { phIdle, phGrowing, phHolding, phFading };

  void Step();

  TPhase FPhase = phIdle;
  float FSize = 0;
  int FAlpha = 0;
  int FSincePeak = 0;
  bool FPeaked = false;
  bool FDelayReported = false;
  TValueUpDown FPulse;
};

}  // namespace qm
