#include "board/ChainLockEffect.h"

#include <algorithm>

#include "board/BoardImages.h"

namespace qm {

void TChainLockEffect::Start(TPoint tilePos, std::uint8_t chainLockLevel) {
  if (!IsOnBoard(tilePos)) return;
  FBreaks[FNext] = {true, tilePos, std::clamp<std::uint8_t>(chainLockLevel, 1, 2), 0};
  FNext = (FNext + 1) % kSlots;
}

void TChainLockEffect::Reset() {
  for (TBreak& b : FBreaks) b.Active = false;
}

bool TChainLockEffect::IsRunning() const {
  return std::any_of(FBreaks.begin(), FBreaks.end(), [](const TBreak& b) { return b.Active; });
}

void TChainLockEffect::TickAndDraw() {
  if (!Visible) return;
  for (TBreak& b : FBreaks) {
    if (!b.Active) continue;
    if (++b.Frame > kFrames) {
      b.Active = false;
      continue;
    }
    // The broken link grows from its drawn size and fades; its pattern
    // tells which link broke.
    TImageDraw how;
    how.Scale = 1.0f + 0.04f * static_cast<float>(b.Frame) * 52.0f / static_cast<float>(std::max(1, OrigChainLockWidth));
    how.Alpha = 255 - 255 * b.Frame / kFrames;
    const float x = static_cast<float>(Left + TileSize * (b.Tile.X - 1));
    const float y = static_cast<float>(Top + TileSize * (b.Tile.Y - 1) - b.Frame);
    BoardDrawEx(OmgImgList, "ChainLock", x, y, b.Level == 2 ? 5 : 0, how);
  }
}

}  // namespace qm
