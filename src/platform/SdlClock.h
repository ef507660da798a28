#pragma once

#include "platform/Clock.h"

namespace qm {

class TSdlClock : public IClock {
 public:
  std::optional<std::int64_t> HighResolutionFrequency() override;
  std::int64_t HighResolutionCounter() override;
  std::uint32_t Milliseconds() override;
};

}  // namespace qm
