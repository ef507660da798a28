#pragma once

#include <functional>
#include <string>

#include "platform/Window.h"

namespace qm {

class TOmegaImageList;

// A four-look picture toggled by a press: pattern 0 unchecked, 1 unchecked
// under the pointer, 2 checked, 3 checked under the pointer.
class TGameCheckBox {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  std::string ImageName;
  int Left = 0;
  int Top = 0;
  // The hit rectangle, edges included.
  int Width = 30;
  int Height = 15;
  bool Checked = false;

  std::function<void(TGameCheckBox& sender)> OnClick;
  std::function<void(const std::string& name)> OnPlaySound;
  std::function<void(TCursorShape shape)> OnCursorRequest;

  void MouseMove(int x, int y);
  // Toggles when the last move left the pointer over the box.
  void MouseDown(int x, int y, TMouseButton button);
  void Draw();

  bool Hovered() const { return FHover; }
  // The pattern Draw shows now.
  int Look() const { return (Checked ? 2 : 0) + (FHover ? 1 : 0); }

 private:
  bool FHover = false;
};

}  // namespace qm
