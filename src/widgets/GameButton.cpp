#include "widgets/GameButton.h"

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "widgets/WidgetSounds.h"

namespace qm {

namespace {

constexpr int kEnabledPattern = 0;
constexpr int kDisabledPattern = 1;
constexpr int kAdditiveBlend = 2;

}  // namespace

void TGameButton::FetchSize() {
  if (!OmgImgList || !OmgImgList->FindImage(ImageName)) return;
  PatternSize(*OmgImgList, ImageName, FWidth, FHeight);
}

bool TGameButton::HitTest(int x, int y) const {
  return PointInRect(float(x), float(y), float(Left), float(Top), float(Left + FWidth), float(Top + FHeight));
}

void TGameButton::PlaySound(std::string_view name) {
  if (OnPlaySound) OnPlaySound(std::string(name));
}

void TGameButton::MouseMove(int x, int y) {
  if (!Reacts()) return;
  const bool wasHovered = FHover;
  FHover = HitTest(x, y);
  if (FHover && OnCursorRequest) OnCursorRequest(TCursorShape::crHandPoint);
  if (!wasHovered && FHover) {
    if (OnActivate) OnActivate(*this);
    PlaySound(WidgetSound::MouseOver);
  } else if (wasHovered && !FHover) {
    if (OnDeactivate) OnDeactivate(*this);
  }
}

void TGameButton::MouseDown(int x, int y, TMouseButton button) {
  if (!Reacts() || button != TMouseButton::mbLeft) return;
  FPressed = false;
  FHover = HitTest(x, y);
  if (FHover) {
    FPressed = true;
    PlaySound(WidgetSound::Click);
  }
}

void TGameButton::MouseUp(int x, int y) {
  if (!Reacts()) return;
  FHover = HitTest(x, y);
  const bool click = FHover && FPressed;
  FPressed = false;
  if (click) {
    // The button lets go of its glow: the click usually hides or moves it.
    FHover = false;
    if (OnClick) OnClick(*this);
  }
}

void TGameButton::CheckRangeOn(int x, int y) {
  if (Visible && HitTest(x, y) && OnMouseRangeOn) OnMouseRangeOn(*this);
}

void TGameButton::CheckRangeOff(int x, int y) {
  if (Visible && !HitTest(x, y) && OnMouseRangeOff) OnMouseRangeOff(*this);
}

void TGameButton::DrawButton(int alpha) {
  if (!Visible || !OmgImgList) return;
  TImageListItem* picture = OmgImgList->FindImage(ImageName);
  if (!picture) return;
  const bool glowing = Enabled && FHover;
  const float scale = glowing && FPressed ? float(PushedSizeRatio) : 1.0f;
  const int pattern = Enabled ? kEnabledPattern : kDisabledPattern;
  picture->DrawEx(float(Left), float(Top), 0, 0.5f, 0.5f, scale, scale, 255, 255, 255, alpha, pattern, 0);
  if (glowing)
    picture->DrawEx(float(Left), float(Top), 0, 0.5f, 0.5f, scale, scale, 255, 255, 0, HighlightAlpha, pattern,
                    kAdditiveBlend);
}

}  // namespace qm
