#include "engine/EffectsMode.h"

namespace qm {

bool ReducedEffectsMode = false;
bool ForceFullEffects = false;

}  // namespace qm
