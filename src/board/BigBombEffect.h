#pragma once

#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// The big bomb tool's blast: a ball of fire swells over its tile, reports
// the moment it is at full size (the board clears the 45 cells then), and
// burns out with sparks.
class TBigBombEffect {
 public:
  static constexpr int kFullFrame = 8;
  static constexpr int kFrames = 24;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  std::function<void(TPoint tilePos)> OnFullExplosion;

  void Start(TPoint tilePos);
  void Reset() { FRunning = false; }
  void TickAndDraw();
  bool IsRunning() const { return FRunning; }

 private:
  void Draw() const;

  bool FRunning = false;
  TPoint FTile;
  int FFrame = 0;
};

}  // namespace qm
