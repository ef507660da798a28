#include "board/LockerFrames.h"

#include <algorithm>

#include "board/BoardImages.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"

namespace qm {

void TLockerFrames::Load(const TSimpleObjectArray& grid) {
  FCount.fill(0);
  FAngle.fill(0);
  for (int i = 0; i < BoardCells; ++i) FCount[i] = grid.Cells[i];
}

void TLockerFrames::RemoveFrames(const TSimpleObjectArray& framesToRemove) {
  for (int i = 0; i < BoardCells; ++i) {
    if (framesToRemove.Cells[i] == 0 || FCount[i] == 0) continue;
    const std::uint8_t before = FCount[i];
    FCount[i] = static_cast<std::uint8_t>(before - 1);
    if (OnLockerFrameEffectRequest) OnLockerFrameEffectRequest({i / BoardRows + 1, i % BoardRows + 1}, before);
  }
}

int TLockerFrames::FramesLeft() const {
  return static_cast<int>(std::count_if(FCount.begin(), FCount.end(), [](std::uint8_t c) { return c != 0; }));
}

// Now and then one resting frame turns once around.
void TLockerFrames::StartRotater() {
  const int frames = FramesLeft();
  if (frames == 0 || Random(std::max(1, RotaterOnePerXProb)) != 0) return;
  int pick = Random(frames);
  for (int i = 0; i < BoardCells; ++i) {
    if (FCount[i] == 0) continue;
    if (pick-- == 0) {
      if (FAngle[i] == 0) FAngle[i] = RotationAngleStep;
      return;
    }
  }
}

void TLockerFrames::TickAndDraw() {
  if (!Visible) return;
  FRotaterClock += FrameMs;
  if (FRotaterClock >= RotaterInterval) {
    FRotaterClock = 0;
    StartRotater();
  }
  for (int i = 0; i < BoardCells; ++i) {
    if (FCount[i] == 0) continue;
    if (FAngle[i] != 0) {
      FAngle[i] += RotationAngleStep;
      if (FAngle[i] >= 360) FAngle[i] = 0;
    }
    TImageDraw how;
    how.Angle = static_cast<float>(FAngle[i]);
    // Two looks per tile kind: the last gold tile, and more than one.
    const int pattern = 2 * static_cast<int>(TileKind) + (FCount[i] > 1 ? 1 : 0);
    BoardDrawEx(OmgImgList, "BrownTile", static_cast<float>(Left + TileSize * (i / BoardRows) + FrameAdjustX),
                static_cast<float>(Top + TileSize * (i % BoardRows) + FrameAdjustY), pattern, how);
  }
}

}  // namespace qm
