#pragma once

namespace qm {

// Set once at start-up: decorative effects skip or simplify their work and
// the story pictures come from their plain folders.
extern bool ReducedEffectsMode;
// Set only when the player asked for full effects at start-up.
extern bool ForceFullEffects;

}  // namespace qm
