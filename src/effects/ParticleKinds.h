#pragma once

namespace qm {

// The particle effects of the game. What each looks like and how it moves is
// data (ParticleRecipe), so one emitter serves them all.
enum TParticleKind {
  pkScreenDust,      // motes drifting over the menu, the map and the stories
  pkBounceDust,      // puffs where pieces land and spiders drop
  pkScoringDust,     // a golden spray over a purchase
  pkSlotSparkle,     // the sparkle of an objective slot that is done
  pkHitStars,        // stars around a monster that is hit
  pkConfetti,        // paper falling over a won round or a purchase
  pkFireworks,       // bursts of sparks over the town and the ending
  pkTubeBubbles,     // bubbles rising in the tube of a guardian round
  pkNarrationPuffs,  // soft puffs under the story's narration
  pkDiamondButterflies,  // butterflies off a potion that reached its slot
  ParticleKindCount
};

struct TParticleRecipe {
  const char* Image;
  int FirstPattern, Patterns;  // a particle shows one of these at random
  int Burst;                   // particles born at one event
  int EventsPerSecond;         // events while the emitter runs; 0: only at its start
  int RunTicks;                // how long it runs after Start; 0: until stopped
  int LifeTicks;               // each particle's life
  float SpeedMin, SpeedMax;    // pixels per tick
  float AngleMin, AngleMax;    // degrees, 0 right, 90 down
  float Gravity;               // pixels per tick per tick, down
  float ScaleMin, ScaleMax;
  float Spin;                  // degrees per tick, either way
  int Alpha;
  bool Additive;
  // Removed by reduced effects; the others show something the rules do.
  bool Decorative;
};

const TParticleRecipe& ParticleRecipe(TParticleKind kind);

}  // namespace qm
