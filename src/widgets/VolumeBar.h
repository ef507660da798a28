#pragma once

#include "widgets/ScreenPoint.h"

namespace qm {

class TOmegaImageList;

// A level 0..100 shown as a fill that slides 2 pixels per frame to its new
// width, under a glass frame. "VolumeFill" holds the disabled fill over the
// enabled one; "VolumeGlass" is drawn one pixel to the left of the bar.
class TVolumeBar {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  int FillWidth = 123;
  int FillHeight = 11;
  bool Enabled = true;

  // FillWidth := pattern width of "VolumeFill", FillHeight := half its
  // height; the target width follows.
  void FetchSize();

  int Position() const { return FPosition; }
  // Clamped to 0..100; the fill then slides to its new width.
  void SetPosition(int value);
  // The same, with the fill at its new width at once.
  void SetPositionNow(int value);

  // One frame: the fill steps toward its target, then the bar is drawn.
  void Draw();

  int TargetWidth() const { return FTargetWidth; }
  int ShownWidth() const { return FShownWidth; }

 private:
  void UpdateTarget();

  int FPosition = 0;
  int FTargetWidth = 0;
  int FShownWidth = 0;
  TScreenPoint FFillOffset{0, 0};
  TScreenPoint FGlassOffset{-1, 0};
};

}  // namespace qm
