#include "platform/Window.h"

namespace qm {

bool IWindow::RunCloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  if (canClose && OnClose) OnClose();
  return canClose;
}

void THeadlessWindow::Close() {
  if (RunCloseQuery()) Closed = true;
}

}  // namespace qm
