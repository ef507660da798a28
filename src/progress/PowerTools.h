#pragma once

#include <array>

namespace qm {

// The six power tools of a round.
enum TPowerTool { ptHammer, ptBomb, ptBigBomb, ptBlaster, ptHorzLightning, ptVertLightning, PowerToolCount };

using TPowerToolSet = std::array<bool, PowerToolCount>;

// Which tools a round of (island, level) offers: all of them, but the first
// island hands them out one by one as its levels teach them, and the big
// bomb waits for the second level of the second island.
TPowerToolSet PowerToolsAvailable(int island, int level);

}  // namespace qm
