#include "widgets/VolumeBar.h"

#include <algorithm>
#include <string>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {

namespace {

const std::string kFill = "VolumeFill";
const std::string kGlass = "VolumeGlass";
constexpr int kFillStep = 2;

}  // namespace

void TVolumeBar::FetchSize() {
  if (!OmgImgList || !OmgImgList->FindImage(kFill)) return;
  FillWidth = PatternWidth(*OmgImgList, kFill);
  FillHeight = PatternHeight(*OmgImgList, kFill) / 2;
  UpdateTarget();
}

void TVolumeBar::SetPosition(int value) {
  FPosition = std::clamp(value, 0, 100);
  UpdateTarget();
}

void TVolumeBar::SetPositionNow(int value) {
  SetPosition(value);
  FShownWidth = FTargetWidth;
}

void TVolumeBar::UpdateTarget() {
  FTargetWidth = std::clamp(RoundToEven(FPosition / 100.0 * FillWidth), 0, FillWidth);
}

void TVolumeBar::Draw() {
  StepToward(FShownWidth, kFillStep, FTargetWidth);
  if (!OmgImgList) return;
  if (TImageListItem* fill = OmgImgList->FindImage(kFill)) {
    // The enabled look is the lower of the two fills.
    const int top = Enabled ? FillHeight : 0;
    fill->DrawPart(0, top, FShownWidth, top + FillHeight, float(Left + FFillOffset.X), float(Top + FFillOffset.Y),
                   0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
  }
  if (TImageListItem* glass = OmgImgList->FindImage(kGlass))
    glass->Draw(float(Left + FGlassOffset.X), float(Top + FGlassOffset.Y), 0);
}

}  // namespace qm
