// Program entry: one copy at a time, then the main window and its loop.
#include "platform/InstanceGuard.h"
#include "platform/Platform.h"
#include "platform/QuitSignals.h"
#include "shell/FormMain.h"

int main() {
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
