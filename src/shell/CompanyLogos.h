#pragma once

#include "engine/OmegaImageList.h"

namespace qm {

// The company logos on white: each fades in, holds, and gives way to the
// next while the previous one fades out.
class TCompanyLogos {
 public:
  static constexpr int kMaxLogos = 3;

  TOmegaImageList* OmgImgList = nullptr;
  int AlphaInc = 6;
  int AlphaDec = 12;

  void StepAndDraw();
  bool Finished() const { return FCurrent > FCount; }
  // The current logo moves on as soon as it is fully shown.
  void SkipHold();
  void SetLogoCount(int count) { FCount = count < 0 ? 0 : count > kMaxLogos ? kMaxLogos : count; }

  int CurrentLogo() const { return FCurrent; }
  int LogoAlpha(int logo) const { return FAlpha[logo - 1]; }

 private:
  void StepLogo(int logo);

  int FCurrent = 1;
  int FCount = kMaxLogos;
  int FHoldMs = 0;
  int FAlpha[kMaxLogos] = {0, 0, 0};
  static constexpr int kHoldMs[kMaxLogos] = {750, 500, 200};
};

}  // namespace qm
