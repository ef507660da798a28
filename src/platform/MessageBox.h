#pragma once

#include <string>
#include <vector>

namespace qm {

enum class TMessageBoxKind {
  mbPlain,        // OK only, no icon
  mbInformation,  // OK only
  mbError,        // error icon, OK and Cancel (the answer is not used)
};

// Modal messages: the game's only way to tell the player that something
// went wrong.
class IMessageBox {
 public:
  virtual ~IMessageBox() = default;
  virtual void Show(const std::string& text, const std::string& caption, TMessageBoxKind kind) = 0;
};

// Writes every message to stderr and keeps it for tests.
class THeadlessMessageBox : public IMessageBox {
 public:
  struct TMessage {
    std::string Text;
    std::string Caption;
    TMessageBoxKind Kind;
  };
  void Show(const std::string& text, const std::string& caption, TMessageBoxKind kind) override;
  bool Shown(const std::string& text) const;

  std::vector<TMessage> Messages;
};

}  // namespace qm
