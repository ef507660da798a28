#include "board/BigBombEffect.h"

#include <algorithm>
#include <cmath>

#include "engine/OmegaImageList.h"

namespace qm {

namespace {

constexpr int kExplosionPatterns = 6;
constexpr float kExplosionSize = 104.0f;
// The fire covers the 7 x 7 area at its fullest.
constexpr float kFullScale = 7.0f * TileSize / kExplosionSize;
constexpr int kSparks = 12;
constexpr float kSparkSize = 32.0f;

}  // namespace

void TBigBombEffect::Start(TPoint tilePos) {
  FRunning = true;
  FTile = tilePos;
  FFrame = 0;
}

void TBigBombEffect::TickAndDraw() {
  if (!FRunning) return;
  ++FFrame;
  if (FFrame == kFullFrame && OnFullExplosion) OnFullExplosion(FTile);
  if (FFrame >= kFrames) {
    FRunning = false;
    return;
  }
  if (Visible) Draw();
}

void TBigBombEffect::Draw() const {
  if (OmgImgList == nullptr) return;
  // The tile's pixel position as the tool reports it: its centre.
  const float cx = float(Left + (FTile.X - 1) * TileSize) + TileSize / 2.0f;
  const float cy = float(Top + (FTile.Y - 1) * TileSize) + TileSize / 2.0f;
  const float grown = std::min(1.0f, float(FFrame) / float(kFullFrame));
  const float scale = kFullScale * (0.3f + 0.7f * grown);
  const int pattern = std::min(kExplosionPatterns - 1, FFrame * kExplosionPatterns / kFrames);
  const int alpha = FFrame <= kFullFrame ? 255 : 255 * (kFrames - FFrame) / (kFrames - kFullFrame);
  DrawImageEx(*OmgImgList, "Explosion", cx - kExplosionSize / 2, cy - kExplosionSize / 2, float(FFrame * 7), 0.5f,
              0.5f, scale, scale, 255, 255, 255, alpha, pattern, 0);
  if (FFrame <= kFullFrame) return;
  // Sparks fly out once the blast has gone off.
  const float reach = float(FFrame - kFullFrame) * 14.0f;
  for (int spark = 0; spark < kSparks; ++spark) {
    const float angle = float(spark) * 6.2832f / kSparks;
    DrawImage(*OmgImgList, "BombSparks", cx + std::cos(angle) * reach - kSparkSize / 2,
              cy + std::sin(angle) * reach - kSparkSize / 2, spark % 6, alpha);
  }
}

}  // namespace qm
