#pragma once

#include <map>

#include "platform/Application.h"

union SDL_Event;

namespace qm {

class TSdlWindow;

// The SDL message loop: events go to the window and the focus handlers,
// window timers arrive as events, and the idle handler runs between them.
class TSdlApplication : public IApplication {
 public:
  TSdlApplication();
  ~TSdlApplication() override;

  void AttachWindow(TSdlWindow* window) { FWindow = window; }

  int SetTimer(unsigned intervalMs, std::function<void()> onTimer) override;
  void KillTimer(int id) override;
  void Run() override;
  void Terminate() override { FTerminated = true; }
  bool Terminated() const override { return FTerminated; }
  [[noreturn]] void Halt(int exitCode) override;

 private:
  void Dispatch(const SDL_Event& event);
  void Guarded(const std::function<void()>& handler);

  struct TTimer {
    int SdlId;
    std::function<void()> OnTimer;
  };
  TSdlWindow* FWindow = nullptr;
  std::map<int, TTimer> FTimers;
  int FNextId = 1;
  unsigned FTimerEvent = 0;
  bool FTerminated = false;
};

}  // namespace qm
