#include "board/WebEffect.h"

#include <algorithm>

#include "board/BoardImages.h"

namespace qm {

void TWebEffect::Start(TPoint tilePos) {
  if (!IsOnBoard(tilePos)) return;
  FTears[FNext] = {true, tilePos, 0};
  FNext = (FNext + 1) % kSlots;
}

void TWebEffect::Reset() {
  for (TTear& t : FTears) t.Active = false;
}

bool TWebEffect::IsRunning() const {
  return std::any_of(FTears.begin(), FTears.end(), [](const TTear& t) { return t.Active; });
}

void TWebEffect::TickAndDraw() {
  if (!Visible) return;
  for (TTear& t : FTears) {
    if (!t.Active) continue;
    if (++t.Frame > kFrames) {
      t.Active = false;
      continue;
    }
    TImageDraw how;
    how.Alpha = 255 - 255 * t.Frame / kFrames;
    how.Angle = static_cast<float>(t.Frame * 4);
    const float x = static_cast<float>(Left + TileSize * (t.Tile.X - 1));
    const float y = static_cast<float>(Top + TileSize * (t.Tile.Y - 1));
    BoardDrawEx(OmgImgList, "Web", x, y, std::min(t.Frame / 2, 5), how);
  }
}

}  // namespace qm
