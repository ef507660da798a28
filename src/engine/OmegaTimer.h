#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/Application.h"
#include "platform/Clock.h"

namespace qm {

// Paces the game: while enabled it takes over the application's idle
// handler, keeps the loop spinning and fires OnTimer whenever at least one
// target frame period has passed. It never sleeps. Lossy mode paces with a
// coarse window timer instead.
class TOmegaTimer {
 public:
  TOmegaTimer(IClock& clock, IApplication& application);
  ~TOmegaTimer();
  TOmegaTimer(const TOmegaTimer&) = delete;
  TOmegaTimer& operator=(const TOmegaTimer&) = delete;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int TargetFPS() const { return FTargetFPS; }
  void SetTargetFPS(int value);
  int MinFPS() const { return FMinFPS; }
  void SetMinFPS(int value);
  int MaxFPS() const { return FMaxFPS; }
  void SetMaxFPS(int value);
  int FPSWarningFrames() const { return FFPSWarningFrames; }
  void SetFPSWarningFrames(int value);
  bool LossyMode() const { return FLossyMode; }
  void SetLossyMode(bool value);

  // A plain field: assigning it installs nothing until Enabled, TargetFPS or
  // LossyMode is set again.
  std::function<void()> OnTimer;

  // Frames fired in the last complete second.
  int CurrentFPS() const { return FCurrentFPS; }
  bool LowFPSWarning() const { return FLowFPSWarning; }
  // The last fired frame's length in target frames and in seconds.
  float FrameDelta() const { return FFrameDelta; }
  float FrameSeconds() const { return FFrameSeconds; }

 private:
  void UpdateHook();
  void KillWindowTimer();
  void StartWindowTimer();
  void InstallIdleHandler();
  void ClearIdleHandler();

  void Tick(bool& done);
  void WindowTimerTick();
  std::int64_t ReadClock();
  void AdvanceRateWindow(std::int64_t now);
  void LossyFire(std::int64_t elapsed, std::int64_t now);
  std::int64_t SlowFrameTest(std::int64_t elapsed);
  bool FireTest(std::int64_t elapsed);
  void PublishFrameTimes(std::int64_t elapsed, std::int64_t frameTicks);
  void Fire(std::int64_t now);
  void PublishIdleWait(std::int64_t now);
  void ChainIdleHandler(bool& done);

  IClock& FClock;
  IApplication& FApplication;
  IApplication::TIdleHandler FPreviousIdle;
  std::optional<int> FWindowTimer;

  bool FHighResolution = false;
  std::int64_t FFrequency = 1000;

  bool FEnabled = false;
  int FTargetFPS = 0;
  int FMinFPS = 0;
  int FMaxFPS = 0;
  int FFPSWarningFrames = 0;
  bool FLossyMode = false;

  std::int64_t FLastFire = 0;
  std::int64_t FWindowStart = 0;
  std::int32_t FFramesInWindow = 0;
  std::int32_t FCurrentFPS = 0;
  std::int32_t FSlowFrames = 0;
  bool FLowFPSWarning = false;

  std::int32_t FTicksPerFrame = 0;
  std::int64_t FTicksPerMinFrame = 0;
  std::int64_t FTicksPerMaxFrame = 0;
  unsigned FLossyIntervalMs = 0;

  float FFrameDelta = 0.0f;
  float FFrameSeconds = 0.0f;
};

}  // namespace qm
