#pragma once

#include <functional>
#include <string>

namespace qm {

class TOmegaImageList;

enum TShineMotion {
  smSweep,   // a band of light crosses the area from left to right, then waits
  smPulse,   // the light swells and fades in place
  smRotate,  // the light turns about its middle
};

// A shine of additive light over something the player should notice: the
// play button, the shuffle button, the tool panel, the ending.
class TShine {
 public:
  std::function<void(TShine& sender)> OnEnd;

  TOmegaImageList* OmgImgList = nullptr;
  std::string Image = "FeatureShine";
  TShineMotion Motion = smPulse;
  // The area it lights: a sweep crosses it, the others stand in its middle.
  int Left = 0, Top = 0, Width = 128, Height = 128;
  int PeriodTicks = 90;  // one sweep and its wait, one pulse, one turn
  int Alpha = 90;
  float Scale = 1;
  // 0 goes on until Reset; otherwise the shine ends after this many periods.
  int Periods = 0;
  bool Visible = true;

  void Reset();
  void Start();
  void TickAndDraw();
  bool Running() const { return FRunning; }

 private:
  bool FRunning = false;
  int FTick = 0;
};

}  // namespace qm
