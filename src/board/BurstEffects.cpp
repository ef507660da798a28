#include "board/BurstEffects.h"

#include <algorithm>

#include "board/BoardImages.h"

namespace qm {

void TBurstEffects::Start(TPoint tilePos) {
  if (!IsOnBoard(tilePos)) return;
  FBursts[std::size_t(FNext)] = {true, tilePos, 0};
  FNext = (FNext + 1) % kSlots;
}

void TBurstEffects::Reset() {
  for (TBurst& burst : FBursts) burst.Active = false;
}

bool TBurstEffects::IsRunning() const {
  return std::any_of(FBursts.begin(), FBursts.end(), [](const TBurst& burst) { return burst.Active; });
}

void TBurstEffects::TickAndDraw() {
  if (!Visible) return;
  const int frames = Patterns * TicksPerPattern;
  for (TBurst& burst : FBursts) {
    if (!burst.Active) continue;
    if (burst.Frame >= frames) {
      burst.Active = false;
      continue;
    }
    const float x = static_cast<float>(Left + TileSize * (burst.Tile.X - 1) - Overhang);
    const float y = static_cast<float>(Top + TileSize * (burst.Tile.Y - 1) - Overhang);
    ++burst.Frame;
    TImageDraw how;
    if (FadeOut) how.Alpha = 255 - 255 * burst.Frame / frames;
    how.Angle = SpinPerFrame * static_cast<float>(burst.Frame);
    BoardDrawEx(OmgImgList, Image, x, y, (burst.Frame - 1) / TicksPerPattern, how);
  }
}

}  // namespace qm
