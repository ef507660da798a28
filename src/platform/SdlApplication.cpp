#include "platform/SdlApplication.h"

#include <SDL.h>

#include <cstdlib>

#include "platform/SdlWindow.h"

namespace qm {

namespace {

// Runs on SDL's timer thread: only posts an event for the loop.
Uint32 PostTimerEvent(Uint32 interval, void* param) {
  SDL_Event event{};
  auto packed = reinterpret_cast<std::uintptr_t>(param);
  event.type = Uint32(packed >> 32);
  event.user.code = Sint32(packed & 0xFFFFFFFF);
  SDL_PushEvent(&event);
  return interval;
}

}  // namespace

TSdlApplication::TSdlApplication() { FTimerEvent = SDL_RegisterEvents(1); }

TSdlApplication::~TSdlApplication() {
  for (auto& [id, timer] : FTimers) SDL_RemoveTimer(timer.SdlId);
}

int TSdlApplication::SetTimer(unsigned intervalMs, std::function<void()> onTimer) {
  int id = FNextId++;
  auto param = reinterpret_cast<void*>((std::uintptr_t(FTimerEvent) << 32) | std::uintptr_t(id));
  int sdlId = SDL_AddTimer(intervalMs, &PostTimerEvent, param);
  FTimers[id] = TTimer{sdlId, std::move(onTimer)};
  return id;
}

void TSdlApplication::KillTimer(int id) {
  auto it = FTimers.find(id);
  if (it == FTimers.end()) return;
  SDL_RemoveTimer(it->second.SdlId);
  FTimers.erase(it);
}

void TSdlApplication::Guarded(const std::function<void()>& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (...) {
    if (OnException) OnException(std::current_exception());
  }
}

void TSdlApplication::Dispatch(const SDL_Event& event) {
  if (event.type == FTimerEvent) {
    // A timer killed after its event was posted is gone: ignore the event.
    auto it = FTimers.find(event.user.code);
    if (it != FTimers.end()) Guarded(it->second.OnTimer);
    return;
  }
  if (event.type == SDL_WINDOWEVENT) {
    switch (event.window.event) {
      case SDL_WINDOWEVENT_FOCUS_LOST: Guarded(OnDeactivate); return;
      case SDL_WINDOWEVENT_FOCUS_GAINED: Guarded(OnActivate); return;
      case SDL_WINDOWEVENT_RESTORED: Guarded(OnRestore); return;
      default: break;
    }
  }
  if (FWindow) Guarded([&] { FWindow->HandleEvent(event); });
}

void TSdlApplication::Run() {
  SDL_Event event;
  while (!FTerminated) {
    while (!FTerminated && SDL_PollEvent(&event)) Dispatch(event);
    if (FTerminated) break;
    // Between frames the loop sleeps until the frame timer's next frame is
    // due or a message comes; without the timer, until the next message.
    const unsigned wait = RunIdleOnce() ? 100 : IdleWaitMs;
    if (wait > 0 && SDL_WaitEventTimeout(&event, int(wait))) Dispatch(event);
  }
}

void TSdlApplication::Halt(int exitCode) {
  SDL_Quit();
  std::_Exit(exitCode);
}

}  // namespace qm
