#include "engine/OmegaTimer.h"

#include <algorithm>
#include <exception>

namespace qm {

TOmegaTimer::TOmegaTimer(IClock& clock, IApplication& application)
    : FClock(clock), FApplication(application), FPreviousIdle(application.OnIdle) {
  if (auto frequency = FClock.HighResolutionFrequency(); frequency && *frequency > 0) {
    FHighResolution = true;
    FFrequency = *frequency;
  } else {
    FClock.BeginFinePeriod();
    FFrequency = 1000;
  }
  SetMinFPS(10);
  SetMaxFPS(120);
  SetFPSWarningFrames(10);
}

TOmegaTimer::~TOmegaTimer() {
  if (!FHighResolution) FClock.EndFinePeriod();
  KillWindowTimer();
  // The application is shutting the loop down with us; the handler we
  // replaced is not brought back.
  ClearIdleHandler();
}

void TOmegaTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  if (FEnabled) {
    // Restart the measurement so the time spent disabled is not a frame.
    FLastFire = ReadClock();
    FWindowStart = FLastFire;
    FFramesInWindow = 0;
    FCurrentFPS = 0;
  }
  UpdateHook();
}

void TOmegaTimer::SetTargetFPS(int value) {
  if (value == FTargetFPS) return;
  FTargetFPS = value;
  if (FTargetFPS > 0) {
    FTicksPerFrame = static_cast<std::int32_t>(FFrequency / FTargetFPS);
    FLossyIntervalMs = static_cast<unsigned>(1000 / FTargetFPS);
  }
  UpdateHook();
}

void TOmegaTimer::SetMinFPS(int value) {
  if (value == FMinFPS) return;
  FMinFPS = value;
  if (FMinFPS > 0) FTicksPerMinFrame = FFrequency / FMinFPS;
}

void TOmegaTimer::SetMaxFPS(int value) {
  if (value == FMaxFPS) return;
  FMaxFPS = value;
  if (FMaxFPS > 0) FTicksPerMaxFrame = FFrequency / FMaxFPS;
}

void TOmegaTimer::SetFPSWarningFrames(int value) {
  if (value == FFPSWarningFrames) return;
  FFPSWarningFrames = value;
  FSlowFrames = 0;
  FLowFPSWarning = false;
}

void TOmegaTimer::SetLossyMode(bool value) {
  FLossyMode = value;
  UpdateHook();
}

void TOmegaTimer::UpdateHook() {
  KillWindowTimer();
  if (FLossyMode) {
    if (FTargetFPS > 0 && FEnabled && OnTimer) StartWindowTimer();
    ClearIdleHandler();
  } else if (FEnabled && OnTimer) {
    InstallIdleHandler();
  } else {
    ClearIdleHandler();
  }
}

void TOmegaTimer::KillWindowTimer() {
  if (!FWindowTimer) return;
  FApplication.KillTimer(*FWindowTimer);
  FWindowTimer.reset();
}

void TOmegaTimer::StartWindowTimer() {
  FWindowTimer = FApplication.SetTimer(FLossyIntervalMs, [this] { WindowTimerTick(); });
}

void TOmegaTimer::InstallIdleHandler() {
  FApplication.OnIdle = [this](bool& done) { Tick(done); };
}

void TOmegaTimer::ClearIdleHandler() { FApplication.OnIdle = nullptr; }

void TOmegaTimer::WindowTimerTick() {
  // A failing frame must not stop the window timer's stream of frames.
  bool done = true;
  try {
    Tick(done);
  } catch (...) {
    if (FApplication.OnException) FApplication.OnException(std::current_exception());
  }
}

void TOmegaTimer::Tick(bool& done) {
  if (!FEnabled) return;
  done = false;
  const std::int64_t now = ReadClock();
  AdvanceRateWindow(now);
  std::int64_t elapsed = now - FLastFire;
  if (FLossyMode) {
    LossyFire(elapsed, now);
  } else {
    elapsed = SlowFrameTest(elapsed);
    if (FireTest(elapsed)) Fire(now);
    // Read again: the frame just drawn took time of its own, and sleeping a
    // whole period after it would stretch every slow frame by one more.
    PublishIdleWait(ReadClock());
  }
  ChainIdleHandler(done);
}

void TOmegaTimer::PublishIdleWait(std::int64_t now) {
  // The loop may sleep until the next frame is due instead of spinning; a
  // free-running timer wants every pass.
  if (FTargetFPS <= 0 || FFrequency <= 0) {
    FApplication.IdleWaitMs = 0;
    return;
  }
  const std::int64_t left = std::max<std::int64_t>(0, FTicksPerFrame - (now - FLastFire));
  FApplication.IdleWaitMs = static_cast<unsigned>((left * 1000 + FFrequency - 1) / FFrequency);
}

std::int64_t TOmegaTimer::ReadClock() {
  if (FHighResolution) return FClock.HighResolutionCounter();
  return static_cast<std::int64_t>(FClock.Milliseconds());
}

void TOmegaTimer::AdvanceRateWindow(std::int64_t now) {
  if (now - FWindowStart < FFrequency) return;
  FCurrentFPS = FFramesInWindow;
  FFramesInWindow = 0;
  FWindowStart = now;
}

void TOmegaTimer::LossyFire(std::int64_t elapsed, std::int64_t now) {
  PublishFrameTimes(elapsed, FTicksPerFrame);
  Fire(now);
}

std::int64_t TOmegaTimer::SlowFrameTest(std::int64_t elapsed) {
  if (FMinFPS > 0 && elapsed > FTicksPerMinFrame) {
    // Clamp so one long stall does not become a huge step; the warning
    // only goes up after a run of stalls and then holds while they last.
    ++FSlowFrames;
    if (FSlowFrames >= FFPSWarningFrames) {
      FLowFPSWarning = true;
      --FSlowFrames;
    }
    return FTicksPerMinFrame;
  }
  FLowFPSWarning = false;
  FSlowFrames = 0;
  return elapsed;
}

bool TOmegaTimer::FireTest(std::int64_t elapsed) {
  if (FMaxFPS != 0 && elapsed < FTicksPerMaxFrame) return false;
  if (FTargetFPS > 0) {
    if (elapsed < FTicksPerFrame) return false;
    PublishFrameTimes(elapsed, FTicksPerFrame);
    return true;
  }
  // Free running: one frame per loop pass, measured in seconds.
  PublishFrameTimes(elapsed, FFrequency);
  return true;
}

void TOmegaTimer::PublishFrameTimes(std::int64_t elapsed, std::int64_t frameTicks) {
  const long double ticks = static_cast<long double>(elapsed);
  FFrameDelta = static_cast<float>(ticks / static_cast<long double>(frameTicks));
  FFrameSeconds = static_cast<float>(ticks / static_cast<long double>(FFrequency));
}

void TOmegaTimer::Fire(std::int64_t now) {
  if (OnTimer) OnTimer();
  // The real time, not a clamped one: time lost in a stall is dropped.
  FLastFire = now;
  ++FFramesInWindow;
}

void TOmegaTimer::ChainIdleHandler(bool& done) {
  if (FPreviousIdle) FPreviousIdle(done);
}

}  // namespace qm
