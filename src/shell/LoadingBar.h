#pragma once

#include "engine/OmegaImageList.h"
#include "engine/ValueUpDown.h"

namespace qm {

// The splash's loading bar: fills as the start-up pictures load, then
// pulses its "click to continue" line and slides down when clicked.
class TLoadingBar {
 public:
  TLoadingBar();

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 685;
  int Top = 682;
  int FillWidth = 0;
  int FillHeight = 0;
  // Width of a line of the "LoadingBarText" picture, centred in the tube.
  int TextWidth = 0;
  int ImageCountToLoad = 0;

  bool LoadingFinished() const { return FLoadingFinished; }
  bool LoadingMinusOneFinished() const { return FLoadingMinusOneFinished; }
  int ImagesLoaded() const { return FLoaded; }
  // Width of the fill drawn now.
  int FillShown() const;

  void OneImageLoaded();
  // Every picture the folder held is in, however many that was (a count
  // made before a picture failed, or of a folder with none): the bar
  // completes on the next step.
  void LoadingOver();
  void StepAndDraw();
  void StartSlide() { FSlideState = 1; }
  // Reads the fill size from the "LoadingBarFill" picture and the words'
  // width from "LoadingBarText".
  void MeasureFill();

 private:
  int FLoaded = 0;
  bool FLoadingFinished = false;
  bool FLoadingMinusOneFinished = false;
  int FSlideState = 2;
  int FX;
  int FY;
  TValueUpDown FLoadingPulse;
  TValueUpDown FFinishedPulse;
};

}  // namespace qm
