#include "board/LockerFrames.h"

#include <algorithm>

#include "board/BoardImages.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"
#include "engine/StepHelpers.h"

namespace qm {

namespace {

constexpr std::uint32_t kRotaterSeed = 0x601d;

}  // namespace

void TLockerFrames::Load(const TSimpleObjectArray& grid) {
  FCount.fill(0);
  FAngle.fill(0);
  for (int i = 0; i < BoardCells; ++i) FCount[i] = grid.Cells[i];
  FPresence = FPresenceTarget = 0.0f;
  FRotaterClock = 0;
  FRandom.SetSeed(kRotaterSeed);
}

void TLockerFrames::FlyIn() { FPresenceTarget = 1.0f; }

void TLockerFrames::FlyOut() { FPresenceTarget = 0.0f; }

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
  if (frames == 0 || FRandom.Random(std::max(1, RotaterOnePerXProb)) != 0) return;
  int pick = FRandom.Random(frames);
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
  StepToward(FPresence, 1.0f / kFlightFrames, FPresenceTarget);
  if (FPresence <= 0.0f) return;
  FRotaterClock += FrameMs;
  if (FRotaterClock >= RotaterInterval) {
    FRotaterClock = 0;
    StartRotater();
  }
  // Eased so that a frame slows down as it settles on its cell.
  const float along = 1.0f - (1.0f - FPresence) * (1.0f - FPresence);
  for (int i = 0; i < BoardCells; ++i) {
    if (FCount[i] == 0) continue;
    if (FAngle[i] != 0) {
      FAngle[i] += RotationAngleStep;
      if (FAngle[i] >= 360) FAngle[i] = 0;
    }
    // A frame is a little larger than its tile and centred on it.
    const float cellX = static_cast<float>(Left + TileSize * (i / BoardRows) + FrameAdjustX - 2);
    const float cellY = static_cast<float>(Top + TileSize * (i % BoardRows) + FrameAdjustY - 2);
    TImageDraw how;
    how.Angle = static_cast<float>(FAngle[i]) + 360.0f * (1.0f - along);
    how.Scale = 0.4f + 0.6f * along;
    const float x = static_cast<float>(CenterPosX) + (cellX - static_cast<float>(CenterPosX)) * along;
    const float y = static_cast<float>(CenterPosY) + (cellY - static_cast<float>(CenterPosY)) * along;
    BoardDrawEx(OmgImgList, "GoldTileFrame", x, y, static_cast<int>(TileKind), how);
    // A second gold tile under the first shows as a thicker, inner frame.
    if (FCount[i] > 1) {
      how.Scale *= 0.82f;
      BoardDrawEx(OmgImgList, "GoldTileFrame", x, y, static_cast<int>(TileKind), how);
    }
  }
}

}  // namespace qm
