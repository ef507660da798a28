#include "effects/Collector.h"

#include <algorithm>

#include "engine/EffectsMode.h"
#include "engine/OmegaImageList.h"

namespace qm {

void TCollector::Reset() {
  FSources.clear();
  FTick = 0;
}

void TCollector::Start(const std::vector<TSource>& sources, float targetX, float targetY) {
  Reset();
  if (DecorationOff()) return;
  FSources = sources;
  FTargetX = targetX;
  FTargetY = targetY;
}

int TCollector::Flying() const {
  int flying = 0;
  for (std::size_t i = 0; i < FSources.size(); ++i) {
    const int age = FTick - int(i) * StaggerTicks;
    flying += age >= 0 && age < FlightTicks;
  }
  return flying;
}

void TCollector::TickAndDraw() {
  if (!Visible || DecorationOff() || FSources.empty()) return;
  TImageListItem* picture = OmgImgList ? OmgImgList->FindImage(Image) : nullptr;
  for (std::size_t i = 0; picture && i < FSources.size(); ++i) {
    const int age = FTick - int(i) * StaggerTicks;
    if (age < 0 || age >= FlightTicks) continue;
    // Fast away from the pocket, slowing into the target.
    const float t = float(age) / float(FlightTicks);
    const float eased = 1 - (1 - t) * (1 - t);
    const TSource& from = FSources[i];
    const float x = from.X + (FTargetX - from.X) * eased;
    const float y = from.Y + (FTargetY - from.Y) * eased - Lift * 4 * eased * (1 - eased);
    const float scale = StartScale + (EndScale - StartScale) * eased;
    const int alpha = int(255 * std::min(1.0f, (1 - t) * 4));
    picture->DrawEx(x - picture->TileWidth() / 2.0f, y - picture->TileHeight() / 2.0f, 0, 0.5f, 0.5f, scale, scale,
                    255, 255, 255, alpha, from.Pattern, 0);
  }
  ++FTick;
  const int lastLanding = int(FSources.size() - 1) * StaggerTicks + FlightTicks;
  if (FTick >= lastLanding) {
    FSources.clear();
    if (OnEnd) OnEnd(*this);
  }
}

}  // namespace qm
