#pragma once

namespace qm {

// Set once at start-up: decorative effects skip or simplify their work and
// the story pictures come from their plain folders.
extern bool ReducedEffectsMode;
// Set only when the player asked for full effects at start-up.
extern bool ForceFullEffects;
// The player's "Reduced effects" option, or --reduced-effects for one run:
// the decorative effects stay away and the scene fades run faster, while the
// round's own timing is left as it is, so a seed plays the same game.
extern bool ReducedDecoration;
// Whether decorative effects are left out, for either reason.
inline bool DecorationOff() { return ReducedEffectsMode || ReducedDecoration; }

}  // namespace qm
