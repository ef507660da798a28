#include "engine/EffectsMode.h"

namespace qm {

bool ReducedEffectsMode = false;
bool ForceFullEffects = false;
bool ReducedDecoration = false;

}  // namespace qm
