#pragma once

#include <vector>

#include "platform/OperatingSystem.h"

namespace qm {

// The back-buffer size: the best of the game's preferred sizes that the
// display offers, else 800 x 600. The game always draws in 1366 x 768 and
// the screen scales.
TDisplayMode ChooseBackBufferSize(const std::vector<TDisplayMode>& displayModes);

}  // namespace qm
