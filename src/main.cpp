// Program entry: one copy at a time, then the main window and its loop.
#include <malloc.h>

#include <cstring>
#include <iostream>
#include <optional>

#include "platform/InstanceGuard.h"
#include "platform/SdlMessageBox.h"
#include "platform/Platform.h"
#include "platform/QuitSignals.h"
#include "shell/FormMain.h"

namespace {

constexpr const char* kUsage =
    "usage: quillmere [--help] [--version] [--reduced-effects]\n"
    "\n"
    "Quillmere, a story-driven match-3 game. Without options the game starts.\n"
    "Players and their progress are kept in $XDG_DATA_HOME/Quillmere - Qvx/\n"
    "(~/.local/share/Quillmere - Qvx/ by default).\n"
    "\n"
    "  --help             show this text and quit\n"
    "  --version          show the version and quit\n"
    "  --reduced-effects  play this run without the decorative effects and with\n"
    "                     shorter fades, whatever the player has chosen\n";

constexpr const char* kReducedEffects = "--reduced-effects";

// Options answer on the terminal before any window opens; without any, or
// with only --reduced-effects, the game starts.
std::optional<int> AnswerOptions(int argc, char** argv) {
  if (argc < 2 || (argc == 2 && std::strcmp(argv[1], kReducedEffects) == 0)) return std::nullopt;
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::cout << kUsage;
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "quillmere " << QUILLMERE_VERSION << '\n';
    return 0;
  }
  std::cerr << "quillmere: unknown option " << argv[1] << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> status = AnswerOptions(argc, argv)) return *status;
  // Pictures are decoded into large buffers that live only until they are
  // on the device: have the allocator hand such blocks back to the system
  // at once rather than keep them in a heap that only grows.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
  // Asked before any window exists: a box over a window that never shows
  // is never seen either.
  qm::TInstanceGuard guard("QSR_Quillmere_Game");
  if (!guard.Acquired()) {
    qm::TSdlMessageBox().Show(qm::TFormMain::kAlreadyRunningMessage, "Message", qm::TMessageBoxKind::mbPlain);
    return 0;
  }
  auto platform = qm::CreateSdlPlatform();
  {
    qm::TFormMain form(*platform);
    if (argc == 2) form.ReduceEffectsForThisRun();
    form.FormCreate();
    qm::InstallQuitSignals();
    if (!platform->Application->Terminated()) {
      form.FormShow();
      platform->Application->Run();
    }
  }
  return 0;
}
