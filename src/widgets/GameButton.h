#pragma once

#include <functional>
#include <string>

#include "platform/Window.h"

namespace qm {

class TOmegaImageList;

// A picture that acts as a button: pattern 0 enabled, pattern 1 disabled.
// It shrinks a little while pressed, glows while the pointer is over it and
// clicks on a release over it after a press over it. The shell forwards the
// mouse and calls Draw once per frame.
class TGameButton {
 public:
  using TNotify = std::function<void(TGameButton& sender)>;

  TOmegaImageList* OmgImgList = nullptr;
  std::string ImageName;
  int Left = 0;
  int Top = 0;
  // Hidden buttons neither draw nor react.
  bool Visible = true;
  // Disabled buttons draw pattern 1 and neither react nor glow.
  bool Enabled = true;
  int Tag = 0;
  double PushedSizeRatio = 0.97;
  int HighlightAlpha = 50;

  TNotify OnClick;
  TNotify OnActivate;    // the pointer came over the button
  TNotify OnDeactivate;  // the pointer left it
  TNotify OnMouseRangeOn;
  TNotify OnMouseRangeOff;
  // Asks the audio code for a sound by name.
  std::function<void(const std::string& name)> OnPlaySound;
  // Asks the shell for the pointing hand for the rest of this mouse move.
  std::function<void(TCursorShape shape)> OnCursorRequest;

  // Hit size := pattern size of ImageName, once the picture is loaded.
  void FetchSize();
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Edges included: a button at x of width w is hit from x to x + w.
  bool HitTest(int x, int y) const;

  void MouseMove(int x, int y);
  void MouseDown(int x, int y, TMouseButton button);
  void MouseUp(int x, int y);
  // Fire on every call while inside (or outside), not only on a change.
  void CheckRangeOn(int x, int y);
  void CheckRangeOff(int x, int y);

  void DrawButton(int alpha);
  void Draw() { DrawButton(255); }

  bool Hovered() const { return FHover; }
  bool Pressed() const { return FPressed; }

 private:
  bool Reacts() const { return Visible && Enabled; }
  void PlaySound(std::string_view name);

  int FWidth = 100;
  int FHeight = 50;
  bool FHover = false;
  bool FPressed = false;
};

}  // namespace qm
