#include "board/LightningEffect.h"

#include <algorithm>

#include "engine/OmegaImageList.h"

namespace qm {

namespace {

constexpr int kBoltPatterns = 8;
constexpr float kBoltLength = 416.0f;
constexpr float kBoltThickness = 32.0f;
constexpr int kAdditiveBlend = 2;

}  // namespace

void TLightningEffect::Start(TPoint tilePos, TLightningType type, int first, int last) {
  const int own = type == ltHorizontal ? tilePos.X : tilePos.Y;
  FRunning = true;
  FTile = tilePos;
  FType = type;
  FFirst = first > 0 ? first : own;
  FLast = last > 0 ? last : own;
  FFrame = 0;
}

void TLightningEffect::TickAndDraw() {
  if (!FRunning) return;
  ++FFrame;
  if (FFrame == kFullFrame && OnFullEffect) OnFullEffect(FTile, FType);
  if (FFrame >= kFrames) {
    FRunning = false;
    return;
  }
  if (Visible) Draw();
}

void TLightningEffect::Draw() const {
  // The bolt grows from the struck tile toward both ends of its line.
  const float grown = std::min(1.0f, float(FFrame) / float(kFullFrame));
  const int own = FType == ltHorizontal ? FTile.X : FTile.Y;
  const float centre = (float(own) - 0.5f) * TileSize;
  const float from = centre + ((float(FFirst) - 1.0f) * TileSize - centre) * grown;
  const float to = centre + (float(FLast) * TileSize - centre) * grown;
  if (OmgImgList == nullptr) return;
  const int alpha = FFrame <= kFullFrame ? 255 : 255 * (kFrames - FFrame) / (kFrames - kFullFrame);
  const float length = std::max(1.0f, to - from);
  const int pattern = FFrame % kBoltPatterns;
  // The picture is scaled around its middle, so the middle is put on the
  // middle of the bolt.
  const float middle = (from + to) / 2.0f;
  const float across = (float(FType == ltHorizontal ? FTile.Y : FTile.X) - 0.5f) * TileSize;
  float x = FType == ltHorizontal ? middle : across;
  float y = FType == ltHorizontal ? across : middle;
  x += float(Left) - kBoltLength / 2.0f;
  y += float(Top) - kBoltThickness / 2.0f;
  const float angle = FType == ltHorizontal ? 0.0f : 90.0f;
  DrawImageEx(*OmgImgList, "LightningEffect", x, y, angle, 0.5f, 0.5f, length / kBoltLength, 1.0f, 255, 255, 255,
              alpha, pattern, kAdditiveBlend);
}

}  // namespace qm
