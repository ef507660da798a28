#include "platform/MessageBox.h"

#include <iostream>

namespace qm {

void THeadlessMessageBox::Show(const std::string& text, const std::string& caption, TMessageBoxKind kind) {
  std::cerr << caption << ": " << text << '\n';
  Messages.push_back({text, caption, kind});
}

bool THeadlessMessageBox::Shown(const std::string& text) const {
  for (const auto& message : Messages)
    if (message.Text == text) return true;
  return false;
}

}  // namespace qm
