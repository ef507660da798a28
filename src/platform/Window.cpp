#include "platform/Window.h"

namespace qm {

bool IWindow::RunCloseQuery() {
  // A second request (the system's quit after the window's own close) finds
  // the window closed already.
  if (FCloseDone) return true;
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  if (!canClose) return false;
  FCloseDone = true;
  if (OnClose) OnClose();
  return true;
}

void IWindow::CloseWithoutAsking() {
  if (FCloseDone) return;
  FCloseDone = true;
  if (OnClose) OnClose();
}

namespace {

char ControlCharacterOf(int virtualKey) {
  switch (virtualKey) {
    case vk::Back: return 8;
    case vk::Return: return 13;
    case vk::Escape: return 27;
    default: return 0;
  }
}

}  // namespace

void IWindow::PressKey(int key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(key, shift);
  // Printable characters arrive as typed text; the control ones come here.
  char typed = ControlCharacterOf(key);
  if (typed != 0 && OnKeyPress) OnKeyPress(typed);
}

void THeadlessWindow::Close() {
  if (RunCloseQuery()) Closed = true;
}

}  // namespace qm
