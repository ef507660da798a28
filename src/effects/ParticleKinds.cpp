#include "effects/ParticleKinds.h"

#include <array>

namespace qm {

namespace {

// image, patterns, burst, events/s, run, life, speed, angle, gravity, scale,
// spin, alpha, additive, decorative
constexpr std::array<TParticleRecipe, ParticleKindCount> kRecipes{{
    {"ScreenDustEffect", 0, 3, 1, 6, 0, 180, 0.3f, 0.8f, -110, -70, 0, 0.6f, 1.2f, 1, 170, true, true},
    {"DustParticle", 0, 3, 6, 0, 0, 24, 0.6f, 1.6f, 180, 360, 0.02f, 0.8f, 1.4f, 3, 200, false, true},
    {"SparkleStar", 0, 1, 24, 6, 90, 45, 1.0f, 3.5f, 0, 360, 0.04f, 0.3f, 0.8f, 6, 255, true, true},
    {"SparkleStar", 0, 1, 10, 0, 0, 30, 0.8f, 2.2f, 0, 360, 0, 0.3f, 0.6f, 8, 255, true, false},
    {"LittleStars", 0, 2, 10, 0, 0, 36, 1.5f, 3.0f, 0, 360, 0.05f, 1.1f, 1.8f, 10, 255, false, true},
    {"Confetti", 0, 6, 12, 10, 150, 140, 0.5f, 2.0f, 60, 120, 0.03f, 0.8f, 1.3f, 9, 255, false, true},
    {"CyanParticle", 0, 5, 36, 2, 150, 50, 2.0f, 4.5f, 0, 360, 0.06f, 0.6f, 1.1f, 0, 255, true, true},
    {"BubbleInside", 0, 4, 1, 3, 0, 70, 0.5f, 1.1f, -100, -80, -0.005f, 0.25f, 0.45f, 0, 200, false, true},
    {"DustParticle", 3, 3, 2, 3, 0, 60, 0.2f, 0.6f, 180, 360, -0.005f, 0.8f, 1.5f, 2, 110, false, true},
    {"DiamondButterfly1", 0, 5, 5, 0, 0, 70, 0.8f, 1.8f, -150, -30, -0.01f, 0.7f, 1.0f, 3, 255, false, true},
}};

}  // namespace

const TParticleRecipe& ParticleRecipe(TParticleKind kind) { return kRecipes[kind]; }

}  // namespace qm
