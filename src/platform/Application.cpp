#include "platform/Application.h"

#include <vector>

#include "platform/QuitSignals.h"

namespace qm {

bool IApplication::RunIdleOnce() {
  if (TakeQuitSignal() && OnQuitSignal) {
    try {
      OnQuitSignal();
    } catch (...) {
      if (OnException) OnException(std::current_exception());
    }
  }
  bool done = true;
  if (!OnIdle) return done;
  try {
    OnIdle(done);
  } catch (...) {
    if (OnException) OnException(std::current_exception());
  }
  return done;
}

int THeadlessApplication::SetTimer(unsigned intervalMs, std::function<void()> onTimer) {
  int id = FNextId++;
  FTimers[id] = TTimer{intervalMs, std::move(onTimer)};
  return id;
}

void THeadlessApplication::KillTimer(int id) { FTimers.erase(id); }

unsigned THeadlessApplication::TimerInterval(int id) const {
  auto it = FTimers.find(id);
  return it == FTimers.end() ? 0 : it->second.IntervalMs;
}

void THeadlessApplication::Run() {
  while (!FTerminated) RunIdleOnce();
}

void THeadlessApplication::Halt(int exitCode) { throw TProgramHalted{exitCode}; }

void THeadlessApplication::FireTimers() {
  std::vector<int> ids;
  for (auto& [id, timer] : FTimers) ids.push_back(id);
  for (int id : ids) {
    auto it = FTimers.find(id);  // an earlier handler may have killed it
    if (it == FTimers.end()) continue;
    auto handler = it->second.OnTimer;
    try {
      handler();
    } catch (...) {
      if (OnException) OnException(std::current_exception());
    }
  }
}

}  // namespace qm
