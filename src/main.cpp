// Program entry: one copy at a time, then the main window and its loop.
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>

#include "platform/InstanceGuard.h"
#include "platform/SdlMessageBox.h"
#include "platform/Platform.h"
#include "platform/QuitSignals.h"
#include "shell/FormMain.h"
#include "text/Language.h"

namespace {

constexpr const char* kUsage =
    "usage: quillmere [--help] [--version] [--reduced-effects] [--fullscreen | --window]\n"
    "                 [--scale 1|2|auto] [--lang en|de|fr]\n"
    "\n"
    "Quillmere, a story-driven match-3 game. Without options the game starts.\n"
    "Players and their progress are kept in $XDG_DATA_HOME/Quillmere - Qvx/\n"
    "(~/.local/share/Quillmere - Qvx/ by default).\n"
    "\n"
    "  --help             show this text and quit\n"
    "  --version          show the version and quit\n"
    "  --reduced-effects  play this run without the decorative effects and with\n"
    "                     shorter fades, whatever the player has chosen\n"
    "  --fullscreen       play this run in full screen, whatever the player has chosen\n"
    "  --window           play this run in a window, whatever the player has chosen\n"
    "  --scale 1|2|auto   draw the pictures at their own size and stretch them (1),\n"
    "                     or draw the finer pictures at the screen's size (2);\n"
    "                     auto (the default) draws the finer ones on screens more\n"
    "                     than 1.2 times the game's 1366 x 768\n"
    "  --lang en|de|fr    play this run in English, German or French, whatever\n"
    "                     the player has chosen (by default the chosen language,\n"
    "                     before any choice the desktop's)\n";

struct TRunOptions {
  bool ReducedEffects = false;
  std::optional<bool> FullScreen;
  qm::TScaleMode Scale = qm::TScaleMode::Auto;
  std::optional<qm::TLanguage> Language;
};

// Options answer on the terminal before any window opens (a status to end
// with); the others say how this run plays.
std::optional<int> ReadOptions(int argc, char** argv, TRunOptions& run) {
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::cout << kUsage;
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "quillmere " << QUILLMERE_VERSION << '\n';
    return 0;
  }
  for (int i = 1; i < argc; ++i) {
    const char* option = argv[i];
    if (std::strcmp(option, "--reduced-effects") == 0) {
      run.ReducedEffects = true;
    } else if (std::strcmp(option, "--fullscreen") == 0 || std::strcmp(option, "--window") == 0) {
      run.FullScreen = std::strcmp(option, "--fullscreen") == 0;
    } else if (std::strcmp(option, "--scale") == 0 && i + 1 < argc && qm::ScaleModeNamed(argv[i + 1])) {
      run.Scale = *qm::ScaleModeNamed(argv[++i]);
    } else if (std::strcmp(option, "--lang") == 0 && i + 1 < argc && qm::LanguageNamed(argv[i + 1])) {
      run.Language = qm::LanguageNamed(argv[++i]);
    } else {
      const char* expected = std::strcmp(option, "--scale") == 0  ? " (1, 2 or auto)"
                             : std::strcmp(option, "--lang") == 0 ? " (en, de or fr)"
                                                                   : "";
      std::cerr << "quillmere: unknown option " << option << expected << "\n" << kUsage;
      return 2;
    }
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  TRunOptions run;
  if (const std::optional<int> status = ReadOptions(argc, argv, run)) return *status;
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
    if (run.ReducedEffects) form.ReduceEffectsForThisRun();
    form.DisplayForThisRun(run.FullScreen, run.Scale);
    form.LanguageForThisRun(run.Language, qm::DesktopLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                                               std::getenv("LANG")));
    form.FormCreate();
    qm::InstallQuitSignals();
    if (!platform->Application->Terminated()) {
      form.FormShow();
      platform->Application->Run();
    }
  }
  return 0;
}
