#include "progress/PowerTools.h"

namespace qm {

TPowerToolSet PowerToolsAvailable(int island, int level) {
  TPowerToolSet tools;
  tools.fill(true);
  if (island == 1) {
    tools[ptHammer] = level >= 2;
    tools[ptBomb] = level >= 3;
    tools[ptBlaster] = level >= 5;
    tools[ptHorzLightning] = level >= 7;
    tools[ptVertLightning] = level >= 8;
  }
  tools[ptBigBomb] = !(island == 1 || (island == 2 && level == 1));
  return tools;
}

}  // namespace qm
