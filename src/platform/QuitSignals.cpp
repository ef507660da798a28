#include "platform/QuitSignals.h"

#include <csignal>

namespace qm {

namespace {

volatile std::sig_atomic_t QuitRequested = 0;

extern "C" void NoteQuitSignal(int) { QuitRequested = 1; }

}  // namespace

void InstallQuitSignals() {
  struct sigaction action {};
  action.sa_handler = NoteQuitSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

bool TakeQuitSignal() {
  if (QuitRequested == 0) return false;
  QuitRequested = 0;
  return true;
}

}  // namespace qm
