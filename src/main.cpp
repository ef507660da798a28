// Program entry: one copy at a time, then the main window and its loop.
#include <malloc.h>

#include "platform/InstanceGuard.h"
#include "platform/Platform.h"
#include "platform/QuitSignals.h"
#include "shell/FormMain.h"

int main() {
  // Pictures are decoded into large buffers that live only until they are
  // on the device: have the allocator hand such blocks back to the system
  // at once rather than keep them in a heap that only grows.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
  auto platform = qm::CreateSdlPlatform();
  qm::TInstanceGuard guard("QSR_Quillmere_Game");
  if (!guard.Acquired()) {
    platform->MessageBox->Show(qm::TFormMain::kAlreadyRunningMessage, "Message", qm::TMessageBoxKind::mbPlain);
    return 0;
  }
  {
    qm::TFormMain form(*platform);
    form.FormCreate();
    qm::InstallQuitSignals();
    if (!platform->Application->Terminated()) {
      form.FormShow();
      platform->Application->Run();
    }
  }
  return 0;
}
