// How the frame meets the screen: full screen or a window for this run, and
// the scale the screen draws at for the window's real size.
#include "shell/FormMain.h"

namespace qm {

void TFormMain::DisplayForThisRun(std::optional<bool> fullScreen, TScaleMode scale) {
  FFullScreenForRun = fullScreen;
  FScaleMode = scale;
}

void TFormMain::FollowOutputSize() {
  int width = 0, height = 0;
  FPlatform.Window->OutputSize(width, height);
  const TOutputScale wanted = ChooseOutputScale(FScaleMode, width, height, OmegaScreen1->Width, OmegaScreen1->Height);
  const TOutputScale current{OmegaScreen1->OutputScale, OmegaImageList1->Density()};
  if (wanted == current) return;
  OmegaImageList1->SetDensity(wanted.Density);
  OmegaScreen1->OutputScale = wanted.Scale;
  if (OmegaScreen1->Device()) OmegaScreen1->ResetDevice();
}

}  // namespace qm
