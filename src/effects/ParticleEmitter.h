#pragma once

#include <functional>
#include <vector>

#include "effects/ParticleKinds.h"

namespace qm {

class TOmegaImageList;

// Particles of one kind: born in bursts over an area, flying, turning and
// fading out over their life. Started by the shell on a game event, stepped
// and drawn once per tick; tells when the last particle is gone.
class TParticleEmitter {
 public:
  using TNotify = std::function<void(TParticleEmitter& sender)>;

  explicit TParticleEmitter(TParticleKind kind) : FKind(kind) {}

  TOmegaImageList* OmgImgList = nullptr;
  // Where the particles are born: a point, or an area when it has a size.
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  TNotify OnEnd;

  // No particles and no more births.
  void Reset();
  // A burst now, then the kind's events for its run (until Stop when the
  // kind runs on).
  void Start();
  // One burst at a point, such as a landing piece or a hit.
  void BurstAt(float x, float y);
  // No more births; the living particles finish.
  void Stop() { FRunning = false; }
  void TickAndDraw();

  TParticleKind Kind() const { return FKind; }
  bool Running() const { return FRunning; }
  int Count() const { return int(FParticles.size()); }
  bool Active() const { return FRunning || !FParticles.empty(); }

 private:
  struct TParticle {
    float X, Y, VX, VY, Angle, Spin, Scale;
    int Pattern, Age;
  };
  void Emit();
  void Step();
  void Draw() const;
  bool Suppressed() const;

  TParticleKind FKind;
  std::vector<TParticle> FParticles;
  bool FRunning = false;
  int FRunTicks = 0;
  int FEventTimer = 0;  // milliseconds since the last event
};

}  // namespace qm
