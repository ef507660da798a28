#include "board/LockersAwayEffect.h"

#include "board/BoardImages.h"
#include "engine/FrameTime.h"

namespace qm {

void TLockersAwayEffect::Start(const TBoardData& board) {
  FBoard = board;
  FRunning = true;
  FSpreading = false;
  FClock = 0;
  FFrame = 0;
}

void TLockersAwayEffect::TickAndDraw() {
  if (!Visible || !FRunning) return;
  ++FFrame;
  if (!FSpreading) {
    FClock += FrameMs;
    if (FClock >= FirstShakeTime) {
      FSpreading = true;
      FFrame = 0;
      if (OnAboutSpreading) OnAboutSpreading();
    }
  }
  // Tiles move away from the middle of the board, the outer ones fastest.
  const float middleX = (BoardColumns + 1) / 2.0f;
  const float middleY = (BoardRows + 1) / 2.0f;
  const float spread = FSpreading ? static_cast<float>(FFrame) / kSpreadFrames : 0.0f;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const int shake = FSpreading ? 0 : (FFrame * 7 + x * 5 + y * 3) % 5 - 2;
      TImageDraw how;
      how.Alpha = static_cast<int>(255 * (1.0f - spread));
      const float dx = (x - middleX) * TileSize * 2.0f * spread;
      const float dy = (y - middleY) * TileSize * 2.0f * spread;
      DrawTileCopy(OmgImgList, FBoard.At(x, y), Left + TileSize * (x - 1) + dx + shake,
                   Top + TileSize * (y - 1) + dy, how, UniFruitColorIndex);
    }
  if (!FSpreading || FFrame < kSpreadFrames) return;
  FRunning = false;
  if (OnFinished) OnFinished();
}

}  // namespace qm
