#pragma once

#include <cstdint>
#include <optional>

namespace qm {

// The monotonic clocks the frame timer paces the game with.
class IClock {
 public:
  virtual ~IClock() = default;
  // Ticks per second of the high-resolution counter, or nothing when the
  // machine has none (the timer then falls back to milliseconds).
  virtual std::optional<std::int64_t> HighResolutionFrequency() = 0;
  virtual std::int64_t HighResolutionCounter() = 0;
  virtual std::uint32_t Milliseconds() = 0;
  // Ask for (and release) a 1 ms resolution of the millisecond clock.
  virtual void BeginFinePeriod() {}
  virtual void EndFinePeriod() {}
};

// A clock that only moves when told to; tests pace the game with it.
class TFakeClock : public IClock {
 public:
  explicit TFakeClock(std::optional<std::int64_t> frequency = 1'000'000) : FFrequency(frequency) {}

  std::optional<std::int64_t> HighResolutionFrequency() override { return FFrequency; }
  std::int64_t HighResolutionCounter() override { return FNow; }
  std::uint32_t Milliseconds() override { return static_cast<std::uint32_t>(FNow); }
  void BeginFinePeriod() override { ++FinePeriods; }
  void EndFinePeriod() override { --FinePeriods; }

  void Advance(std::int64_t ticks) { FNow += ticks; }
  void AdvanceMs(double ms) { FNow += static_cast<std::int64_t>(ms * Ticks1s() / 1000.0); }
  std::int64_t Ticks1s() const { return FFrequency.value_or(1000); }

  int FinePeriods = 0;

 private:
  std::optional<std::int64_t> FFrequency;
  std::int64_t FNow = 1'000'000'000;
};

}  // namespace qm
