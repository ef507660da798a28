#pragma once

#include <functional>
#include <string>

#include "widgets/ScreenPoint.h"

namespace qm {

class TOmegaImageList;

// Direction of travel while showing; hiding travels back.
enum TShowDir { sdToRight, sdToLeft, sdToDown, sdToUp };

enum TMenuWindowState { mwHidden, mwShowing, mwShown, mwHiding };

// A window picture that slides in from outside the screen by a fixed step
// per frame and slides out again. Its owner moves the window's buttons and
// texts along through OnPosUpdate.
class TGameMenuWindow {
 public:
  using TNotify = std::function<void(TGameMenuWindow& sender)>;

  TOmegaImageList* OmgImgList = nullptr;
  std::string WindowImg;
  // The shown position.
  int Left = 220;
  int Top = 140;
  int MoveStep = 65;
  // Hidden x for the horizontal directions, hidden y for the vertical ones.
  int HidingXPos = -400;
  int HidingYPos = -400;
  TShowDir ShowDir = sdToRight;
  bool ShownTimerEnabled = false;
  int ShownTimeToTriggerEvent = 5000;  // ms
  // Free for the owner; HideNow clears it.
  std::string Tag;

  std::function<void(TGameMenuWindow& sender, TScreenPoint position)> OnPosUpdate;
  TNotify OnStartShowing;
  TNotify OnShowingComplete;
  TNotify OnShownTimerReached;  // once per showing
  TNotify OnStartHiding;
  TNotify OnHidingComplete;

  // Starts from the hidden side, even when already shown.
  void Show();
  // Turns back at once, also halfway through showing.
  void Hide();
  // Hidden at once, without the hiding events.
  void HideNow();
  // Once per frame: one step, and OnPosUpdate when the position changed.
  void Update();
  void Step();
  void Draw();

  TMenuWindowState State() const { return FState; }
  TScreenPoint Position() const { return FPosition; }
  int ShownTime() const { return FShownTime; }

 private:
  bool Horizontal() const { return ShowDir == sdToRight || ShowDir == sdToLeft; }
  // +1 when showing moves toward larger coordinates.
  int ShowSign() const { return ShowDir == sdToRight || ShowDir == sdToDown ? 1 : -1; }
  int& MovingCoordinate() { return Horizontal() ? FPosition.X : FPosition.Y; }
  void StepShowing();
  void StepShown();
  void StepHiding();

  TMenuWindowState FState = mwHidden;
  TScreenPoint FPosition = OffScreenPoint;
  int FShownTime = 0;
  bool FShownTimerFired = false;
};

}  // namespace qm
