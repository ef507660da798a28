#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/OmegaTimer.h"
#include "platform/Application.h"
#include "platform/Clock.h"

namespace qm {
namespace {

// A microsecond clock: at 33 fps one frame is 30303 ticks, and the 10 fps
// slow-frame limit is 100000 ticks.
constexpr std::int64_t kSecond = 1'000'000;
constexpr std::int64_t kFrame = 30'303;
constexpr std::int64_t kSlowLimit = 100'000;
constexpr std::int64_t kStall = 250'000;

class OmegaTimerTest : public testing::Test {
 protected:
  OmegaTimerTest() { timer.OnTimer = [this] { ++frames; }; }

  // The main window's settings.
  void Configure() {
    timer.SetTargetFPS(33);
    timer.SetMinFPS(10);
    timer.SetMaxFPS(0);
    timer.SetFPSWarningFrames(10);
  }
  void Start() {
    Configure();
    timer.SetEnabled(true);
  }
  // One pass of the message loop, ticks after the previous one.
  bool PassAfter(std::int64_t ticks) {
    clock.Advance(ticks);
    return app.Idle();
  }
  void SlowFrames(int count) {
    for (int i = 0; i < count; ++i) PassAfter(kStall);
  }

  TFakeClock clock{1'000'000};
  THeadlessApplication app;
  TOmegaTimer timer{clock, app};
  int frames = 0;
};

using OmegaTimerDefaults = OmegaTimerTest;
using OmegaTimerPacing = OmegaTimerTest;
using OmegaTimerFrameTimes = OmegaTimerTest;
using OmegaTimerFreeRunning = OmegaTimerTest;
using OmegaTimerMaxFPS = OmegaTimerTest;
using OmegaTimerSlowFrames = OmegaTimerTest;
using OmegaTimerWarningFrames = OmegaTimerTest;
using OmegaTimerSetters = OmegaTimerTest;
using OmegaTimerOnTimerField = OmegaTimerTest;
using OmegaTimerEnabling = OmegaTimerTest;
using OmegaTimerLossyMode = OmegaTimerTest;

TEST_F(OmegaTimerDefaults, StartsDisabledWithTheStandardLimits) {
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.TargetFPS(), 0);
  EXPECT_EQ(timer.MinFPS(), 10);
  EXPECT_EQ(timer.MaxFPS(), 120);
  EXPECT_EQ(timer.FPSWarningFrames(), 10);
  EXPECT_FALSE(timer.LossyMode());
  EXPECT_EQ(timer.CurrentFPS(), 0);
  EXPECT_FALSE(timer.LowFPSWarning());
}

TEST_F(OmegaTimerDefaults, ADisabledTimerHooksNothing) {
  Configure();
  EXPECT_FALSE(app.OnIdle);
  EXPECT_EQ(app.TimerCount(), 0);
  EXPECT_TRUE(PassAfter(kSecond)) << "the loop may wait for messages";
  EXPECT_EQ(frames, 0);
}

TEST_F(OmegaTimerPacing, TheLoopMaySleepUntilTheNextFrameIsDue) {
  Start();
  PassAfter(kFrame);  // fires
  EXPECT_EQ(frames, 1);
  EXPECT_EQ(app.IdleWaitMs, 31u) << "30.3 ms, rounded up so the loop wakes when the frame is due";
  PassAfter(10'000);
  EXPECT_EQ(app.IdleWaitMs, 21u);
  timer.SetTargetFPS(0);
  PassAfter(1);
  EXPECT_EQ(app.IdleWaitMs, 0u) << "free running wants every pass";
}

TEST_F(OmegaTimerPacing, TheSleepAfterASlowFrameLeavesOutTheFrameItself) {
  Start();
  timer.OnTimer = [this] {
    ++frames;
    clock.Advance(22'000);  // drawing the frame took 22 ms
  };
  PassAfter(kFrame);
  EXPECT_EQ(frames, 1);
  EXPECT_EQ(app.IdleWaitMs, 9u) << "the next frame is due 30.3 ms after this one started, 8.3 ms from now";
}

TEST_F(OmegaTimerPacing, NoFrameBeforeOneTargetPeriod) {
  Start();
  PassAfter(kFrame - 1);
  EXPECT_EQ(frames, 0);
}

TEST_F(OmegaTimerPacing, AFrameExactlyOneTargetPeriodLongFires) {
  Start();
  PassAfter(kFrame - 1);
  PassAfter(1);
  EXPECT_EQ(frames, 1);
}

TEST_F(OmegaTimerPacing, KeepsTheLoopSpinningEvenWithoutAFrame) {
  Start();
  EXPECT_FALSE(PassAfter(1));
  EXPECT_FALSE(PassAfter(kFrame));
  EXPECT_EQ(frames, 1);
}

TEST_F(OmegaTimerPacing, AFastLoopGets33FramesASecond) {
  Start();
  // 3 ticks per pass divides the frame period, so no frame comes late.
  for (std::int64_t t = 0; t <= kSecond; t += 3) PassAfter(3);
  EXPECT_EQ(frames, 33);
  EXPECT_EQ(timer.CurrentFPS(), 33);
}

TEST_F(OmegaTimerPacing, MillisecondLoopPassesMakeLateFramesThatDoNotCatchUp) {
  Start();
  // Each frame fires on the first pass after 30.303 ms, that is every 31 ms.
  for (int ms = 1; ms < 1000; ++ms) PassAfter(1000);
  EXPECT_EQ(frames, 32);
  EXPECT_EQ(timer.CurrentFPS(), 0) << "the first second is not over yet";
  PassAfter(1000);
  EXPECT_EQ(timer.CurrentFPS(), 32);
}

TEST_F(OmegaTimerPacing, CurrentFPSIsTheCountOfTheLastFullSecond) {
  Start();
  for (int i = 0; i < 10; ++i) PassAfter(kFrame);
  // This pass closes the first second; its own frame opens the next one.
  PassAfter(kSecond - 10 * kFrame);
  EXPECT_EQ(timer.CurrentFPS(), 10);
  for (int i = 0; i < 4; ++i) PassAfter(kFrame);
  PassAfter(kSecond - 4 * kFrame);
  EXPECT_EQ(timer.CurrentFPS(), 5);
}

TEST_F(OmegaTimerPacing, ALateFrameDropsTheLostTime) {
  Start();
  PassAfter(50'000);
  ASSERT_EQ(frames, 1);
  // The next period is measured from the late frame, not from 30303.
  PassAfter(kFrame - 1);
  EXPECT_EQ(frames, 1);
  PassAfter(1);
  EXPECT_EQ(frames, 2);
}

TEST_F(OmegaTimerPacing, AStallIsFollowedByAFullPeriod) {
  Start();
  PassAfter(kStall);
  ASSERT_EQ(frames, 1);
  PassAfter(kFrame - 1);
  EXPECT_EQ(frames, 1);
  PassAfter(1);
  EXPECT_EQ(frames, 2);
}

TEST_F(OmegaTimerFrameTimes, AnOnTimeFrameIsOneFrameLong) {
  Start();
  PassAfter(kFrame);
  EXPECT_FLOAT_EQ(timer.FrameDelta(), 1.0f);
  EXPECT_FLOAT_EQ(timer.FrameSeconds(), 0.030303f);
}

TEST_F(OmegaTimerFrameTimes, ALateFrameIsLongerThanOne) {
  Start();
  PassAfter(2 * kFrame);
  EXPECT_FLOAT_EQ(timer.FrameDelta(), 2.0f);
  EXPECT_FLOAT_EQ(timer.FrameSeconds(), 0.060606f);
}

TEST_F(OmegaTimerFrameTimes, AStallCountsAsOneSlowLimit) {
  Start();
  PassAfter(kStall);
  EXPECT_FLOAT_EQ(timer.FrameDelta(), 100'000.0f / 30'303.0f);
  EXPECT_FLOAT_EQ(timer.FrameSeconds(), 0.1f);
}

TEST_F(OmegaTimerFrameTimes, WithoutASlowLimitAStallIsMeasuredInFull) {
  Start();
  timer.SetMinFPS(0);
  PassAfter(kStall);
  EXPECT_FLOAT_EQ(timer.FrameSeconds(), 0.25f);
}

TEST_F(OmegaTimerFrameTimes, FreeRunningFramesAreMeasuredInSeconds) {
  Start();
  timer.SetTargetFPS(0);
  PassAfter(10'000);
  EXPECT_FLOAT_EQ(timer.FrameDelta(), 0.01f);
  EXPECT_FLOAT_EQ(timer.FrameSeconds(), 0.01f);
}

TEST_F(OmegaTimerFreeRunning, FiresOnEveryLoopPass) {
  Start();
  timer.SetTargetFPS(0);
  PassAfter(1);
  PassAfter(1);
  PassAfter(0);
  EXPECT_EQ(frames, 3);
}

TEST_F(OmegaTimerFreeRunning, CurrentFPSIsTheLoopRate) {
  Start();
  timer.SetTargetFPS(0);
  for (int i = 0; i < 200; ++i) PassAfter(10'000);
  EXPECT_EQ(timer.CurrentFPS(), 100);
}

TEST_F(OmegaTimerMaxFPS, CapsAFreeRunningLoop) {
  Start();
  timer.SetTargetFPS(0);
  timer.SetMaxFPS(120);  // 8333 ticks
  for (int i = 0; i < 10; ++i) PassAfter(5'000);
  EXPECT_EQ(frames, 5);
}

TEST_F(OmegaTimerMaxFPS, ACapBelowTheTargetWins) {
  Start();
  timer.SetMaxFPS(20);
  PassAfter(kFrame);
  EXPECT_EQ(frames, 0);
  PassAfter(50'000 - kFrame);
  EXPECT_EQ(frames, 1);
}

TEST_F(OmegaTimerMaxFPS, ZeroMeansNoCap) {
  Start();
  timer.SetTargetFPS(0);
  for (int i = 0; i < 10; ++i) PassAfter(5'000);
  EXPECT_EQ(frames, 10);
}

TEST_F(OmegaTimerSlowFrames, TenSlowFramesRaiseTheWarning) {
  Start();
  SlowFrames(9);
  EXPECT_FALSE(timer.LowFPSWarning());
  SlowFrames(1);
  EXPECT_TRUE(timer.LowFPSWarning());
}

TEST_F(OmegaTimerSlowFrames, TheWarningHoldsWhileSlowFramesContinue) {
  Start();
  SlowFrames(10);
  for (int i = 0; i < 5; ++i) {
    SlowFrames(1);
    EXPECT_TRUE(timer.LowFPSWarning());
  }
}

TEST_F(OmegaTimerSlowFrames, EverySlowFrameStillFiresOnce) {
  Start();
  SlowFrames(10);
  EXPECT_EQ(frames, 10);
}

TEST_F(OmegaTimerSlowFrames, TheFirstQuickFrameClearsTheWarningAndTheCount) {
  Start();
  SlowFrames(12);
  PassAfter(kFrame);
  EXPECT_FALSE(timer.LowFPSWarning());
  SlowFrames(9);
  EXPECT_FALSE(timer.LowFPSWarning()) << "the count started again from zero";
  SlowFrames(1);
  EXPECT_TRUE(timer.LowFPSWarning());
}

TEST_F(OmegaTimerSlowFrames, AFrameExactlyAtTheSlowLimitIsNotSlow) {
  Start();
  SlowFrames(9);
  PassAfter(kSlowLimit);
  SlowFrames(9);
  EXPECT_FALSE(timer.LowFPSWarning());
}

TEST_F(OmegaTimerSlowFrames, NoMinimumRateMeansNoWarning) {
  Start();
  timer.SetMinFPS(0);
  SlowFrames(20);
  EXPECT_FALSE(timer.LowFPSWarning());
}

TEST_F(OmegaTimerWarningFrames, SettingTheSameCountKeepsTheWarning) {
  Start();
  SlowFrames(10);
  timer.SetFPSWarningFrames(10);
  EXPECT_TRUE(timer.LowFPSWarning());
}

TEST_F(OmegaTimerWarningFrames, ANewCountClearsTheWarningAndStartsCountingAgain) {
  Start();
  SlowFrames(10);
  timer.SetFPSWarningFrames(3);
  EXPECT_FALSE(timer.LowFPSWarning());
  SlowFrames(2);
  EXPECT_FALSE(timer.LowFPSWarning());
  SlowFrames(1);
  EXPECT_TRUE(timer.LowFPSWarning());
}

TEST_F(OmegaTimerSetters, ANegativeMaxFPSKeepsThePreviousCap) {
  Start();
  timer.SetTargetFPS(0);
  timer.SetMaxFPS(120);
  timer.SetMaxFPS(-1);
  EXPECT_EQ(timer.MaxFPS(), -1);
  for (int i = 0; i < 10; ++i) PassAfter(5'000);
  EXPECT_EQ(frames, 5);
}

TEST_F(OmegaTimerSetters, ANegativeMinFPSMeansNoSlowFrames) {
  Start();
  timer.SetMinFPS(-1);
  SlowFrames(20);
  EXPECT_FALSE(timer.LowFPSWarning());
  EXPECT_FLOAT_EQ(timer.FrameSeconds(), 0.25f);
}

TEST_F(OmegaTimerSetters, ANegativeTargetRunsFree) {
  Start();
  timer.SetTargetFPS(-5);
  PassAfter(1);
  PassAfter(1);
  EXPECT_EQ(frames, 2);
}

TEST_F(OmegaTimerSetters, EnablingTwiceDoesNotRestartTheMeasurement) {
  Start();
  PassAfter(20'000);
  timer.SetEnabled(true);
  PassAfter(kFrame - 20'000);
  EXPECT_EQ(frames, 1);
}

TEST_F(OmegaTimerSetters, TheSameTargetDoesNotReinstallTheHook) {
  Configure();
  timer.OnTimer = nullptr;
  timer.SetEnabled(true);
  timer.OnTimer = [this] { ++frames; };
  timer.SetTargetFPS(33);
  EXPECT_FALSE(app.OnIdle);
  timer.SetTargetFPS(34);
  EXPECT_TRUE(app.OnIdle);
}

TEST_F(OmegaTimerSetters, LossyModeReinstallsTheHookEvenWhenUnchanged) {
  Configure();
  timer.OnTimer = nullptr;
  timer.SetEnabled(true);
  timer.OnTimer = [this] { ++frames; };
  timer.SetLossyMode(false);
  EXPECT_TRUE(app.OnIdle);
}

TEST_F(OmegaTimerSetters, MinAndMaxFPSLeaveTheHookAlone) {
  Configure();
  timer.OnTimer = nullptr;
  timer.SetEnabled(true);
  timer.OnTimer = [this] { ++frames; };
  timer.SetMinFPS(20);
  timer.SetMaxFPS(60);
  timer.SetFPSWarningFrames(5);
  EXPECT_FALSE(app.OnIdle);
}

TEST_F(OmegaTimerOnTimerField, AssigningItAfterEnablingInstallsNothing) {
  Configure();
  timer.OnTimer = nullptr;
  timer.SetEnabled(true);
  EXPECT_FALSE(app.OnIdle);
  timer.OnTimer = [this] { ++frames; };
  timer.SetEnabled(true);
  EXPECT_FALSE(app.OnIdle) << "an unchanged Enabled is ignored";
  PassAfter(kSecond);
  EXPECT_EQ(frames, 0);
  timer.SetTargetFPS(40);
  EXPECT_TRUE(app.OnIdle);
  PassAfter(kSecond);
  EXPECT_EQ(frames, 1);
}

TEST_F(OmegaTimerEnabling, EnablingInstallsTheIdleHookAndDisablingClearsIt) {
  Start();
  EXPECT_TRUE(app.OnIdle);
  timer.SetEnabled(false);
  EXPECT_FALSE(app.OnIdle);
  EXPECT_TRUE(PassAfter(kSecond));
  EXPECT_EQ(frames, 0);
}

TEST_F(OmegaTimerEnabling, ReenablingWaitsAFullPeriodForTheFirstFrame) {
  Start();
  PassAfter(20'000);
  timer.SetEnabled(false);
  clock.Advance(kSecond);
  timer.SetEnabled(true);
  PassAfter(0);
  PassAfter(kFrame - 1);
  EXPECT_EQ(frames, 0);
  PassAfter(1);
  EXPECT_EQ(frames, 1);
}

TEST_F(OmegaTimerEnabling, ReenablingStartsANewRateSecond) {
  Start();
  for (int i = 0; i < 40; ++i) PassAfter(kFrame);
  ASSERT_EQ(timer.CurrentFPS(), 33);
  timer.SetEnabled(false);
  timer.SetEnabled(true);
  EXPECT_EQ(timer.CurrentFPS(), 0);
  for (int i = 0; i < 33; ++i) PassAfter(kFrame);
  EXPECT_EQ(timer.CurrentFPS(), 0) << "a full second has not passed since enabling";
}

TEST_F(OmegaTimerEnabling, APassQueuedBeforeDisablingDoesNothing) {
  int previousCalls = 0;
  app.OnIdle = [&](bool&) { ++previousCalls; };
  TOmegaTimer own(clock, app);
  own.OnTimer = [this] { ++frames; };
  own.SetTargetFPS(33);
  own.SetEnabled(true);
  auto queued = app.OnIdle;
  own.SetEnabled(false);
  clock.Advance(kSecond);
  bool done = true;
  queued(done);
  EXPECT_TRUE(done);
  EXPECT_EQ(frames, 0);
  EXPECT_EQ(previousCalls, 0);
}

TEST_F(OmegaTimerEnabling, AFrameMayDisableTheTimer) {
  Start();
  timer.OnTimer = [this] {
    ++frames;
    timer.SetEnabled(false);
  };
  timer.SetLossyMode(false);
  PassAfter(kFrame);
  EXPECT_FALSE(app.OnIdle);
  EXPECT_TRUE(PassAfter(kFrame));
  EXPECT_EQ(frames, 1);
}

TEST_F(OmegaTimerLossyMode, RunsAWindowTimerOf1000DivTargetMilliseconds) {
  Start();
  timer.SetLossyMode(true);
  ASSERT_EQ(app.TimerCount(), 1);
  EXPECT_EQ(app.TimerInterval(1), 30u);
  EXPECT_FALSE(app.OnIdle);
}

TEST_F(OmegaTimerLossyMode, EveryWindowTimerMessageFiresAFrame) {
  Start();
  timer.SetLossyMode(true);
  app.FireTimers();
  app.FireTimers();
  EXPECT_EQ(frames, 2);
  EXPECT_TRUE(PassAfter(kSecond)) << "the idle loop is left alone";
  EXPECT_EQ(frames, 2);
}

TEST_F(OmegaTimerLossyMode, FramesAreMeasuredWithoutTheSlowLimit) {
  Start();
  timer.SetLossyMode(true);
  clock.Advance(kFrame / 2);
  app.FireTimers();
  EXPECT_FLOAT_EQ(timer.FrameDelta(), 15'151.0f / 30'303.0f);
  for (int i = 0; i < 12; ++i) {
    clock.Advance(kStall);
    app.FireTimers();
  }
  EXPECT_FLOAT_EQ(timer.FrameSeconds(), 0.25f);
  EXPECT_FALSE(timer.LowFPSWarning());
}

TEST_F(OmegaTimerLossyMode, CountsFramesPerSecond) {
  Start();
  timer.SetLossyMode(true);
  for (int i = 0; i < 40; ++i) {
    clock.Advance(30'000);
    app.FireTimers();
  }
  EXPECT_EQ(timer.CurrentFPS(), 33);
}

TEST_F(OmegaTimerLossyMode, ANewTargetReplacesTheWindowTimer) {
  Start();
  timer.SetLossyMode(true);
  timer.SetTargetFPS(50);
  ASSERT_EQ(app.TimerCount(), 1);
  EXPECT_FALSE(app.TimerRunning(1));
  EXPECT_EQ(app.TimerInterval(2), 20u);
}

TEST_F(OmegaTimerLossyMode, DisablingKillsTheWindowTimer) {
  Start();
  timer.SetLossyMode(true);
  timer.SetEnabled(false);
  EXPECT_EQ(app.TimerCount(), 0);
  EXPECT_FALSE(app.OnIdle);
}

TEST_F(OmegaTimerLossyMode, LeavingItGoesBackToTheIdleLoop) {
  Start();
  timer.SetLossyMode(true);
  timer.SetLossyMode(false);
  EXPECT_EQ(app.TimerCount(), 0);
  EXPECT_TRUE(app.OnIdle);
}

TEST_F(OmegaTimerLossyMode, NoTargetMeansNoFramesAtAll) {
  Configure();
  timer.SetTargetFPS(0);
  timer.SetLossyMode(true);
  timer.SetEnabled(true);
  EXPECT_EQ(app.TimerCount(), 0);
  EXPECT_FALSE(app.OnIdle);
  PassAfter(kSecond);
  app.FireTimers();
  EXPECT_EQ(frames, 0);
}

TEST_F(OmegaTimerLossyMode, NoHandlerMeansNoWindowTimer) {
  Configure();
  timer.OnTimer = nullptr;
  timer.SetLossyMode(true);
  timer.SetEnabled(true);
  EXPECT_EQ(app.TimerCount(), 0);
}

TEST_F(OmegaTimerLossyMode, AFailingFrameIsReportedAndTheFramesGoOn) {
  std::vector<std::string> errors;
  app.OnException = [&](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      errors.push_back(e.what());
    }
  };
  Start();
  timer.OnTimer = [this] {
    ++frames;
    throw std::runtime_error("frame failed");
  };
  timer.SetLossyMode(true);
  app.FireTimers();
  app.FireTimers();
  EXPECT_EQ(frames, 2);
  EXPECT_EQ(errors, (std::vector<std::string>{"frame failed", "frame failed"}));
  EXPECT_TRUE(app.TimerRunning(1));
}

TEST(OmegaTimerIdleChain, ThePreviousHandlerRunsAfterEveryPass) {
  TFakeClock clock;
  THeadlessApplication app;
  std::vector<std::string> calls;
  app.OnIdle = [&](bool& done) {
    calls.push_back(done ? "previous, done" : "previous, spinning");
  };
  TOmegaTimer timer(clock, app);
  timer.OnTimer = [&] { calls.push_back("frame"); };
  timer.SetTargetFPS(33);
  timer.SetEnabled(true);
  clock.Advance(1);
  app.Idle();
  clock.Advance(kFrame);
  app.Idle();
  EXPECT_EQ(calls, (std::vector<std::string>{"previous, spinning", "frame", "previous, spinning"}));
}

TEST(OmegaTimerIdleChain, ThePreviousHandlerCanEndTheBusyLoop) {
  TFakeClock clock;
  THeadlessApplication app;
  app.OnIdle = [](bool& done) { done = true; };
  TOmegaTimer timer(clock, app);
  timer.OnTimer = [] {};
  timer.SetTargetFPS(33);
  timer.SetEnabled(true);
  EXPECT_TRUE(app.Idle());
}

TEST(OmegaTimerIdleChain, WindowTimerFramesChainToo) {
  TFakeClock clock;
  THeadlessApplication app;
  int previousCalls = 0;
  app.OnIdle = [&](bool&) { ++previousCalls; };
  TOmegaTimer timer(clock, app);
  timer.OnTimer = [] {};
  timer.SetTargetFPS(33);
  timer.SetLossyMode(true);
  timer.SetEnabled(true);
  app.FireTimers();
  EXPECT_EQ(previousCalls, 1);
}

TEST(OmegaTimerIdleChain, AFailingFrameReachesTheApplication) {
  TFakeClock clock;
  THeadlessApplication app;
  int errors = 0;
  app.OnException = [&](std::exception_ptr) { ++errors; };
  TOmegaTimer timer(clock, app);
  timer.OnTimer = [] { throw std::runtime_error("frame failed"); };
  timer.SetTargetFPS(33);
  timer.SetEnabled(true);
  clock.Advance(kFrame);
  app.Idle();
  EXPECT_EQ(errors, 1);
}

TEST(OmegaTimerLifetime, DestroyingClearsTheIdleHandlerWithoutRestoringThePreviousOne) {
  TFakeClock clock;
  THeadlessApplication app;
  app.OnIdle = [](bool&) {};
  {
    TOmegaTimer timer(clock, app);
    timer.OnTimer = [] {};
    timer.SetTargetFPS(33);
    timer.SetEnabled(true);
  }
  EXPECT_FALSE(app.OnIdle);
}

TEST(OmegaTimerLifetime, DestroyingKillsTheWindowTimer) {
  TFakeClock clock;
  THeadlessApplication app;
  {
    TOmegaTimer timer(clock, app);
    timer.OnTimer = [] {};
    timer.SetTargetFPS(33);
    timer.SetLossyMode(true);
    timer.SetEnabled(true);
    ASSERT_EQ(app.TimerCount(), 1);
  }
  EXPECT_EQ(app.TimerCount(), 0);
}

TEST(OmegaTimerMillisecondClock, IsUsedWhenThereIsNoHighResolutionCounter) {
  TFakeClock clock(std::nullopt);
  THeadlessApplication app;
  int frames = 0;
  {
    TOmegaTimer timer(clock, app);
    EXPECT_EQ(clock.FinePeriods, 1) << "asks for 1 ms resolution";
    timer.OnTimer = [&] { ++frames; };
    timer.SetTargetFPS(33);  // 30 ms
    timer.SetEnabled(true);
    clock.AdvanceMs(29);
    app.Idle();
    EXPECT_EQ(frames, 0);
    clock.AdvanceMs(1);
    app.Idle();
    EXPECT_EQ(frames, 1);
    EXPECT_FLOAT_EQ(timer.FrameDelta(), 1.0f);
    EXPECT_FLOAT_EQ(timer.FrameSeconds(), 0.03f);
  }
  EXPECT_EQ(clock.FinePeriods, 0) << "gives the resolution back";
}

TEST(OmegaTimerMillisecondClock, IsNotTouchedWithAHighResolutionCounter) {
  TFakeClock clock;
  THeadlessApplication app;
  { TOmegaTimer timer(clock, app); }
  EXPECT_EQ(clock.FinePeriods, 0);
}

}  // namespace
}  // namespace qm
