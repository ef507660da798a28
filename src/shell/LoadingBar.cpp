#include "shell/LoadingBar.h"

#include <algorithm>
#include <cmath>

#include "engine/StepHelpers.h"

namespace qm {

TLoadingBar::TLoadingBar() : FX(Left), FY(Top) {
  FLoadingPulse.Setup(120, 255, 8, 8);
  FFinishedPulse.Setup(40, 255, 15, 12);
}

void TLoadingBar::OneImageLoaded() {
  ++FLoaded;
  if (FLoaded >= ImageCountToLoad - 1) FLoadingMinusOneFinished = true;
  if (FLoaded >= ImageCountToLoad) {
    FLoaded = ImageCountToLoad;
    FLoadingFinished = true;
  }
}

void TLoadingBar::LoadingOver() {
  FLoaded = std::max(FLoaded, ImageCountToLoad - 1);
  FLoadingMinusOneFinished = true;
}

int TLoadingBar::FillShown() const {
  if (ImageCountToLoad <= 0) return 0;
  return RoundToEven(double(FLoaded) / ImageCountToLoad * FillWidth);
}

void TLoadingBar::MeasureFill() {
  if (!OmgImgList) return;
  PatternSize(*OmgImgList, "LoadingBarFill", FillWidth, FillHeight);
  int textHeight = 0;
  PatternSize(*OmgImgList, "LoadingBarText", TextWidth, textHeight);
}

void TLoadingBar::StepAndDraw() {
  if (FSlideState == 1) {
    ++FY;
    if (FY >= Top + 10) FSlideState = 3;
  }
  TValueUpDown& pulse = FLoadingFinished ? FFinishedPulse : FLoadingPulse;
  pulse.Step();
  if (!OmgImgList) return;
  DrawImage(*OmgImgList, "LoadingBarBG", FX, FY, 0);
  if (TImageListItem* fill = OmgImgList->FindImage("LoadingBarFill"))
    fill->DrawPart(0, 0, FillShown(), FillHeight, FX + 22, FY + 22, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
  DrawImage(*OmgImgList, "LoadingBarGlass", FX + 23, FY + 22, 0);
  // The words in the middle of the tube.
  constexpr int kTubeLeft = 22, kTubeWidth = 516;
  DrawImage(*OmgImgList, "LoadingBarText", FX + kTubeLeft + (kTubeWidth - TextWidth) / 2, FY + 23,
            FLoadingFinished ? 1 : 0, pulse.RoundedValue());
}

}  // namespace qm
