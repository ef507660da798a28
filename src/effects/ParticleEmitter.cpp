#include "effects/ParticleEmitter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "effects/EffectRandom.h"
#include "engine/EffectsMode.h"
#include "engine/FrameTime.h"
#include "engine/OmegaImageList.h"

namespace qm {

namespace {

constexpr int kAdditiveBlend = 2;
// A crowd beyond this costs more than it shows.
constexpr std::size_t kMostParticles = 400;

}  // namespace

bool TParticleEmitter::Suppressed() const { return DecorationOff() && ParticleRecipe(FKind).Decorative; }

void TParticleEmitter::Reset() {
  FParticles.clear();
  FRunning = false;
  FRunTicks = 0;
  FEventTimer = 0;
}

void TParticleEmitter::Start() {
  if (Suppressed()) return;
  FRunning = true;
  FRunTicks = 0;
  FEventTimer = 0;
  Emit();
}

void TParticleEmitter::BurstAt(float x, float y) {
  if (Suppressed()) return;
  const TParticleRecipe& recipe = ParticleRecipe(FKind);
  TEffectRandom& random = EffectRandom();
  for (int i = 0; i < recipe.Burst && FParticles.size() < kMostParticles; ++i) {
    const float speed = random.Range(recipe.SpeedMin, recipe.SpeedMax);
    const float angle = random.Range(recipe.AngleMin, recipe.AngleMax) * float(std::numbers::pi / 180);
    FParticles.push_back({x, y, speed * std::cos(angle), speed * std::sin(angle), random.Range(0, 360),
                          random.Range(-recipe.Spin, recipe.Spin), random.Range(recipe.ScaleMin, recipe.ScaleMax),
                          recipe.FirstPattern + random.Below(recipe.Patterns), 0});
  }
}

void TParticleEmitter::Emit() {
  TEffectRandom& random = EffectRandom();
  BurstAt(float(Left) + random.Range(0, float(Width)), float(Top) + random.Range(0, float(Height)));
}

void TParticleEmitter::Step() {
  const TParticleRecipe& recipe = ParticleRecipe(FKind);
  if (FRunning) {
    ++FRunTicks;
    if (recipe.RunTicks > 0 && FRunTicks >= recipe.RunTicks) FRunning = false;
  }
  if (FRunning && recipe.EventsPerSecond > 0) {
    FEventTimer += FrameMs;
    const int interval = 1000 / recipe.EventsPerSecond;
    for (; FEventTimer >= interval; FEventTimer -= interval) Emit();
  }
  for (TParticle& p : FParticles) {
    p.X += p.VX;
    p.Y += p.VY;
    p.VY += recipe.Gravity;
    p.Angle += p.Spin;
    ++p.Age;
  }
  std::erase_if(FParticles, [&](const TParticle& p) { return p.Age >= recipe.LifeTicks; });
}

void TParticleEmitter::Draw() const {
  if (!OmgImgList) return;
  const TParticleRecipe& recipe = ParticleRecipe(FKind);
  TImageListItem* picture = OmgImgList->FindImage(recipe.Image);
  if (!picture) return;
  for (const TParticle& p : FParticles) {
    // In over the first fifth of its life, out over the last half.
    const float life = float(p.Age) / float(recipe.LifeTicks);
    const float fade = std::min({1.0f, life * 5, (1 - life) * 2});
    const int alpha = int(float(recipe.Alpha) * std::max(0.0f, fade));
    picture->DrawEx(p.X - picture->TileWidth() / 2.0f, p.Y - picture->TileHeight() / 2.0f, p.Angle, 0.5f, 0.5f,
                    p.Scale, p.Scale, 255, 255, 255, alpha, p.Pattern, recipe.Additive ? kAdditiveBlend : 0);
  }
}

void TParticleEmitter::TickAndDraw() {
  // Reduced effects turned on midway hold the particles where they are.
  if (!Visible || Suppressed()) return;
  const bool wasActive = Active();
  Step();
  Draw();
  if (wasActive && !Active() && OnEnd) OnEnd(*this);
}

}  // namespace qm
