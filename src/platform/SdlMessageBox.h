#pragma once

#include "platform/MessageBox.h"

struct SDL_Window;

namespace qm {

// System message boxes; when no window system answers, the message goes to
// stderr so it is never lost.
class TSdlMessageBox : public IMessageBox {
 public:
  void SetParent(SDL_Window* parent) { FParent = parent; }
  void Show(const std::string& text, const std::string& caption, TMessageBoxKind kind) override;

 private:
  SDL_Window* FParent = nullptr;
};

}  // namespace qm
