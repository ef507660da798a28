#pragma once

#include <functional>

#include "rules/PopInRatio.h"

namespace qm {

class TOmegaImageList;

// The energy bonus that pops up beside the manna meter when a combo lands:
// a badge with its text in one of three looks, shown a moment, then faded.
class TEnergyBonusPopper {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int Left = 122;
  int Top = 639;
  int ShowingTime = 900;  // ms before it fades
  int FadeStep = 25;

  // Shows look 0 to 2, over whatever is showing.
  void Start(int look);
  void Reset();
  void TickAndDraw();

  bool Active() const { return FActive; }
  int Look() const { return FLook; }

 private:
  bool FActive = false;
  int FLook = 0;
  int FElapsed = 0;
  int FAlpha = 0;
  TPopInRatio FPopIn{1.35f, 0.1f, 0.065f};
};

}  // namespace qm
