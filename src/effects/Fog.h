#pragma once

namespace qm {

class TOmegaImageList;

// Banks of mist drifting slowly across the round on the misty island: the
// three bands of "Fog" at their own heights and speeds.
class TFog {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  int Top = 120, Height = 600;
  int Alpha = 90;
  bool Visible = true;

  void Reset() { FRunning = false; }
  void Start();
  void TickAndDraw();
  bool Running() const { return FRunning; }

 private:
  bool FRunning = false;
  float FDrift = 0;
};

}  // namespace qm
