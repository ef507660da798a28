#include "widgets/GameMenuWindow.h"

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {

void TGameMenuWindow::Show() {
  FPosition = Horizontal() ? TScreenPoint{HidingXPos, Top} : TScreenPoint{Left, HidingYPos};
  FShownTime = 0;
  FShownTimerFired = false;
  if (OnStartShowing) OnStartShowing(*this);
  FState = mwShowing;
}

void TGameMenuWindow::Hide() {
  FState = mwHiding;
  if (OnStartHiding) OnStartHiding(*this);
}

void TGameMenuWindow::HideNow() {
  FPosition = {HidingXPos, HidingYPos};
  FState = mwHidden;
  Tag.clear();
  FShownTime = 0;
  FShownTimerFired = false;
  if (OnPosUpdate) OnPosUpdate(*this, FPosition);
}

void TGameMenuWindow::Update() {
  const TScreenPoint before = FPosition;
  Step();
  if (FPosition != before && OnPosUpdate) OnPosUpdate(*this, FPosition);
}

void TGameMenuWindow::Step() {
  switch (FState) {
    case mwShowing: StepShowing(); break;
    case mwShown: StepShown(); break;
    case mwHiding: StepHiding(); break;
    case mwHidden: break;
  }
}

// Arrival needs a step strictly beyond the goal: a step landing exactly on
// it completes only on the next frame.
void TGameMenuWindow::StepShowing() {
  const int goal = Horizontal() ? Left : Top;
  int& coordinate = MovingCoordinate();
  coordinate += ShowSign() * MoveStep;
  if ((coordinate - goal) * ShowSign() > 0) {
    coordinate = goal;
    FState = mwShown;
    if (OnShowingComplete) OnShowingComplete(*this);
  }
}

void TGameMenuWindow::StepShown() {
  if (!ShownTimerEnabled || FShownTimerFired) return;
  if (TimerReached(FShownTime, ShownTimeToTriggerEvent)) {
    FShownTimerFired = true;
    if (OnShownTimerReached) OnShownTimerReached(*this);
  }
}

void TGameMenuWindow::StepHiding() {
  const int goal = Horizontal() ? HidingXPos : HidingYPos;
  int& coordinate = MovingCoordinate();
  coordinate -= ShowSign() * MoveStep;
  if ((goal - coordinate) * ShowSign() > 0) {
    coordinate = goal;
    FState = mwHidden;
    if (OnHidingComplete) OnHidingComplete(*this);
  }
}

void TGameMenuWindow::Draw() {
  if (FState == mwHidden || !OmgImgList) return;
  if (TImageListItem* picture = OmgImgList->FindImage(WindowImg))
    picture->Draw(float(FPosition.X), float(FPosition.Y), 0);
}

}  // namespace qm
