#pragma once

#include <exception>
#include <functional>
#include <map>

namespace qm {

// The program's message loop, seen from the game: an idle handler that the
// frame timer takes over, window timers, the focus events of the whole
// application, and termination.
class IApplication {
 public:
  // done = false asks to be called again at once instead of waiting for the
  // next message (the frame timer's busy loop).
  using TIdleHandler = std::function<void(bool& done)>;

  virtual ~IApplication() = default;

  TIdleHandler OnIdle;
  std::function<void()> OnActivate;
  std::function<void()> OnDeactivate;
  std::function<void()> OnRestore;
  // The application-wide handler for errors that escape every other guard.
  std::function<void(std::exception_ptr)> OnException;
  // A quit signal arrived (see QuitSignals.h); the loop passes it on.
  std::function<void()> OnQuitSignal;
  // How long the loop may wait for messages before it runs the idle
  // handler again, when the handler asked to be called again (done =
  // false); the frame timer sets it to the time left until its next frame.
  unsigned IdleWaitMs = 0;

  // A window timer firing every intervalMs until killed; returns its id.
  virtual int SetTimer(unsigned intervalMs, std::function<void()> onTimer) = 0;
  virtual void KillTimer(int id) = 0;

  // Runs the message loop until Terminate.
  virtual void Run() = 0;
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;

  // Ends the program at once with the exit code (after a fatal message).
  [[noreturn]] virtual void Halt(int exitCode) = 0;

 protected:
  // Passes on a pending quit signal, then runs the idle handler once,
  // routing escaping errors to OnException.
  bool RunIdleOnce();
};

// Thrown by the headless application's Halt so tests can see a fatal end.
struct TProgramHalted {
  int ExitCode;
};

// A message loop driven by hand: tests call Idle() for loop passes and
// FireTimers() for the window timers that are due.
class THeadlessApplication : public IApplication {
 public:
  int SetTimer(unsigned intervalMs, std::function<void()> onTimer) override;
  void KillTimer(int id) override;
  void Run() override;
  void Terminate() override { FTerminated = true; }
  bool Terminated() const override { return FTerminated; }
  [[noreturn]] void Halt(int exitCode) override;

  // One pass of the loop; returns the handler's done flag (true when none).
  bool Idle() { return RunIdleOnce(); }
  bool TimerRunning(int id) const { return FTimers.count(id) != 0; }
  unsigned TimerInterval(int id) const;
  int TimerCount() const { return static_cast<int>(FTimers.size()); }
  // Fires every running timer once (as if its interval had passed).
  void FireTimers();

 private:
  struct TTimer {
    unsigned IntervalMs;
    std::function<void()> OnTimer;
  };
  std::map<int, TTimer> FTimers;
  int FNextId = 1;
  bool FTerminated = false;
};

}  // namespace qm
