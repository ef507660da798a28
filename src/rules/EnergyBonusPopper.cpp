#include "rules/EnergyBonusPopper.h"

#include <algorithm>

#include "engine/FrameTime.h"
#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"

namespace qm {
namespace {

constexpr const char* kTextImage = "EnergyBonusText";
constexpr int kFadeInStep = 51;

}  // namespace

void TEnergyBonusPopper::Start(int look) {
  FActive = true;
  FLook = std::clamp(look, 0, 2);
  FElapsed = 0;
  FAlpha = 0;
  FPopIn.Start();
}

void TEnergyBonusPopper::Reset() { FActive = false; }

void TEnergyBonusPopper::TickAndDraw() {
  if (!Visible || !FActive) return;
  FPopIn.Step();
  if (FElapsed < ShowingTime) {
    FElapsed += FrameMs;
    FAlpha = std::min(FAlpha + kFadeInStep, 255);
  } else {
    FAlpha -= FadeStep;
    if (FAlpha < 1) {
      FActive = false;
      return;
    }
  }
  if (!OmgImgList) return;
  // The badge sits centred behind the text.
  int textWidth = 0, textHeight = 0, badgeWidth = 0, badgeHeight = 0;
  PatternSize(*OmgImgList, kTextImage, textWidth, textHeight);
  PatternSize(*OmgImgList, std::string(img::ComboBadge), badgeWidth, badgeHeight);
  const float scale = FPopIn.Ratio();
  DrawImageEx(*OmgImgList, std::string(img::ComboBadge), float(Left + (textWidth - badgeWidth) / 2),
              float(Top + (textHeight - badgeHeight) / 2), 0, 0.5f, 0.5f, scale, scale, 255, 255, 255, FAlpha, FLook, 0);
  DrawImageEx(*OmgImgList, kTextImage, float(Left), float(Top), 0, 0.5f, 0.5f, scale, scale, 255, 255, 255, FAlpha,
              FLook, 0);
}

}  // namespace qm
