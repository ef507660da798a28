#pragma once

#include <functional>

#include "widgets/ScreenPoint.h"

namespace qm {

enum TPanelMoverState { pmHidden, pmShowing, pmShown, pmHiding };

// Moves a point between a hidden and a shown position on both axes, each at
// its own step per frame; the owner draws its panel wherever the point is.
class TPanelMover {
 public:
  using TNotify = std::function<void(TPanelMover& sender)>;

  // The shown position.
  int Left = 0;
  int Top = 0;
  int HideLeft = 0;
  int HideTop = 0;
  int HorzStep = 0;
  int VertStep = 0;

  // Every frame, with the position whether it changed or not.
  std::function<void(TPanelMover& sender, TScreenPoint position)> OnPosUpdate;
  TNotify OnShowingCompleted;
  TNotify OnHidingCompleted;

  // Always starts from the hidden position.
  void Show();
  void Hide();
  void HideNow();
  void Update();

  // Where to draw: the position, or off screen while hidden.
  TScreenPoint CurrentPos() const;
  TPanelMoverState State() const { return FState; }

 private:
  TPanelMoverState FState = pmHidden;
  TScreenPoint FPosition;
};

}  // namespace qm
