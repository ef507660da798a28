#include "board/HammerEffect.h"

#include "board/BoardImages.h"

namespace qm {

void THammerEffect::Start(TPoint tilePos) {
  FRunning = true;
  FTile = tilePos;
  FFrame = 0;
}

void THammerEffect::TickAndDraw() {
  if (!FRunning) return;
  ++FFrame;
  if (FFrame == kHitFrame && OnHit) OnHit(FTile);
  if (FFrame >= kFrames) {
    FRunning = false;
    return;
  }
  if (!Visible) return;
  // Swung down from 60 degrees to the blow, then lifted and faded.
  TImageDraw how;
  how.Angle = FFrame < kHitFrame ? 60.0f * float(kHitFrame - FFrame) / kHitFrame : 0.0f;
  how.Alpha = FFrame < kHitFrame ? 255 : 255 * (kFrames - FFrame) / (kFrames - kHitFrame);
  const float x = static_cast<float>(Left + TileSize * (FTile.X - 1) - 14);
  const float y = static_cast<float>(Top + TileSize * (FTile.Y - 1) - 40);
  BoardDrawEx(OmgImgList, "HammerStrike", x, y, 0, how);
}

void THammeredObjectsEffect::Start(TPoint centre, const TBoardData& board, const TSimpleObjectArray& hammered) {
  FRunning = true;
  FBoard = board;
  FCells = hammered;
  if (IsOnBoard(centre)) FCells.At(centre) = 1;
  FFrame = 0;
}

void THammeredObjectsEffect::TickAndDraw() {
  if (!FRunning) return;
  if (++FFrame >= kFrames) {
    FRunning = false;
    if (OnFinish) OnFinish();
    return;
  }
  if (!Visible) return;
  TImageDraw flash;
  flash.BlendMode = 2;
  flash.Alpha = 255 * (kFrames - FFrame) / kFrames;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (FCells.At(x, y) != 0)
        BoardDrawEx(OmgImgList, "ToolHighlight", static_cast<float>(Left + TileSize * (x - 1)),
                    static_cast<float>(Top + TileSize * (y - 1)), 0, flash);
}

}  // namespace qm
