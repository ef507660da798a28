#include "widgets/PanelMover.h"

#include "engine/StepHelpers.h"

namespace qm {

void TPanelMover::Show() {
  FState = pmShowing;
  FPosition = {HideLeft, HideTop};
}

void TPanelMover::Hide() { FState = pmHiding; }

void TPanelMover::HideNow() {
  FState = pmHidden;
  FPosition = {HideLeft, HideTop};
}

void TPanelMover::Update() {
  if (FState == pmShowing) {
    const bool xArrived = StepToward(FPosition.X, HorzStep, Left);
    const bool yArrived = StepToward(FPosition.Y, VertStep, Top);
    if (xArrived && yArrived) {
      FState = pmShown;
      if (OnShowingCompleted) OnShowingCompleted(*this);
    }
  } else if (FState == pmHiding) {
    const bool xArrived = StepToward(FPosition.X, HorzStep, HideLeft);
    const bool yArrived = StepToward(FPosition.Y, VertStep, HideTop);
    if (xArrived && yArrived) {
      FState = pmHidden;
      if (OnHidingCompleted) OnHidingCompleted(*this);
    }
  }
  if (OnPosUpdate) OnPosUpdate(*this, FPosition);
}

TScreenPoint TPanelMover::CurrentPos() const { return FState == pmHidden ? OffScreenPoint : FPosition; }

}  // namespace qm
