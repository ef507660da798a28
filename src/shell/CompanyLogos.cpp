#include "shell/CompanyLogos.h"

#include <string>

#include "engine/FrameTime.h"

namespace qm {

void TCompanyLogos::SkipHold() {
  if (!Finished()) FHoldMs = kHoldMs[FCurrent - 1];
}

void TCompanyLogos::StepLogo(int logo) {
  int& alpha = FAlpha[logo - 1];
  if (logo != FCurrent) {
    alpha = alpha - AlphaDec < 0 ? 0 : alpha - AlphaDec;
    return;
  }
  alpha += AlphaInc;
  if (alpha <= 254) return;
  alpha = 255;
  FHoldMs += FrameMs;
  if (FHoldMs >= kHoldMs[logo - 1]) {
    FHoldMs = 0;
    ++FCurrent;
  }
}

void TCompanyLogos::StepAndDraw() {
  if (OmgImgList && !Finished()) DrawImageEx(*OmgImgList, "WhiteRect", 0, 0, 0, 0, 0, 2, 2, 255, 255, 255, 255, 0, 0);
  for (int logo = 1; logo <= FCount; ++logo) StepLogo(logo);
  if (!OmgImgList) return;
  for (int logo = 1; logo <= FCount; ++logo)
    if (logo == FCurrent || logo == FCurrent - 1)
      DrawImage(*OmgImgList, "CompanyLogo" + std::to_string(logo), 0, 0, 0, FAlpha[logo - 1]);
}

}  // namespace qm
