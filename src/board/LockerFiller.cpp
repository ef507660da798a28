#include "board/LockerFiller.h"

#include <algorithm>

#include "board/BoardImages.h"
#include "engine/FrameTime.h"

namespace qm {

void TLockerFiller::Start(const TBoardData& board) {
  FBoard = board;
  FClock = 0;
  FRunning = true;
}

void TLockerFiller::TickAndDraw() {
  if (!Visible || !FRunning) return;
  FClock += FrameMs;
  const int gap = std::max(1, GapInterval);
  const int dropMs = kDropFrames * FrameMs;
  bool allDown = true;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& tile = FBoard.At(x, y);
      if (!tile.IsLockerOrPiece()) continue;
      const int since = FClock - (x + y - 2) * gap;
      if (since < dropMs) allDown = false;
      if (since <= 0) continue;
      const int left = std::max(0, dropMs - since);
      TImageDraw how;
      how.Alpha = 255 - 255 * left / dropMs;
      DrawTileCopy(OmgImgList, tile, static_cast<float>(Left + TileSize * (x - 1)),
                   static_cast<float>(Top + TileSize * (y - 1) - kDropHeight * left / dropMs), how,
                   UniFruitColorIndex);
    }
  if (!allDown) return;
  FRunning = false;
  if (OnFinish) OnFinish();
}

}  // namespace qm
