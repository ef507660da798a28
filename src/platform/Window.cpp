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

void THeadlessWindow::Close() {
  if (RunCloseQuery()) Closed = true;
}

}  // namespace qm
