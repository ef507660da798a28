#include "widgets/GameCheckBox.h"

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "widgets/WidgetSounds.h"

namespace qm {

void TGameCheckBox::MouseMove(int x, int y) {
  FHover = PointInRect(float(x), float(y), float(Left), float(Top), float(Left + Width), float(Top + Height));
  if (FHover && OnCursorRequest) OnCursorRequest(TCursorShape::crHandPoint);
}

void TGameCheckBox::MouseDown(int, int, TMouseButton button) {
  if (button != TMouseButton::mbLeft || !FHover) return;
  Checked = !Checked;
  if (OnPlaySound) OnPlaySound(std::string(WidgetSound::Click));
  if (OnClick) OnClick(*this);
}

void TGameCheckBox::Draw() {
  if (!OmgImgList) return;
  if (TImageListItem* picture = OmgImgList->FindImage(ImageName)) picture->Draw(float(Left), float(Top), Look());
}

}  // namespace qm
