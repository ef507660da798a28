#include "platform/SdlClock.h"

#include <SDL.h>

namespace qm {

std::optional<std::int64_t> TSdlClock::HighResolutionFrequency() {
  Uint64 frequency = SDL_GetPerformanceFrequency();
  if (frequency == 0) return std::nullopt;
  return static_cast<std::int64_t>(frequency);
}

std::int64_t TSdlClock::HighResolutionCounter() { return static_cast<std::int64_t>(SDL_GetPerformanceCounter()); }

std::uint32_t TSdlClock::Milliseconds() { return SDL_GetTicks(); }

}  // namespace qm
