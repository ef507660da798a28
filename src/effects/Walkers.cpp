#include "effects/Walkers.h"

#include <cmath>

#include "effects/EffectRandom.h"
#include "engine/EffectsMode.h"
#include "engine/OmegaImageList.h"

namespace qm {

void TWalkers::Start(int count) {
  FWalkers.clear();
  if (Lanes.empty()) return;
  TEffectRandom& random = EffectRandom();
  for (int i = 0; i < count; ++i) {
    const TLane& lane = Lanes[std::size_t(i) % Lanes.size()];
    const float speed = random.Range(SpeedMin, SpeedMax) * (random.Below(2) ? 1 : -1);
    FWalkers.push_back({i % int(Lanes.size()), random.Below(Variants), random.Range(float(lane.FromX), float(lane.ToX)), speed,
                        random.Below(Patterns * TicksPerPattern)});
  }
}

void TWalkers::TickAndDraw() {
  // All of it is decoration.
  if (!Visible || DecorationOff()) return;
  TImageListItem* picture = OmgImgList ? OmgImgList->FindImage(Image) : nullptr;
  for (TWalker& walker : FWalkers) {
    const TLane& lane = Lanes[std::size_t(walker.Lane)];
    walker.X += walker.Speed;
    if ((walker.X > float(lane.ToX) && walker.Speed > 0) || (walker.X < float(lane.FromX) && walker.Speed < 0))
      walker.Speed = -walker.Speed;
    ++walker.Tick;
    if (!picture) continue;
    const int pattern = walker.Variant * Patterns + (walker.Tick / TicksPerPattern) % Patterns;
    const float bob = Bob * std::sin(float(walker.Tick) * 0.25f);
    // The picture faces right; a walker going left is mirrored.
    picture->DrawEx(walker.X - picture->TileWidth() / 2.0f, float(lane.Y) - float(picture->TileHeight()) + bob, 0,
                    0.5f, 1.0f, Scale, Scale, (std::uint32_t(Alpha) << 24) | 0xFFFFFFu, walker.Speed < 0, false,
                    pattern, 0);
  }
}

}  // namespace qm
