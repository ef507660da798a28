#include "board/ShuffleAwayEffect.h"

#include "board/BoardImages.h"
#include "engine/FrameTime.h"

namespace qm {

void TShuffleAwayEffect::Start(const TBoardData& oldBoard, const TBoardData& newBoard) {
  FOld = oldBoard;
  FNew = newBoard;
  FPhase = phShakeOld;
  FClock = 0;
  FFrame = 0;
}

void TShuffleAwayEffect::Reset() { FPhase = phIdle; }

void TShuffleAwayEffect::TickAndDraw() {
  if (!Visible || FPhase == phIdle) return;
  ++FFrame;
  switch (FPhase) {
    case phShakeOld:
      DrawBoard(FOld, 1.0f, 3);
      FClock += FrameMs;
      if (FClock >= FirstShakeTime) {
        FPhase = phAway;
        FFrame = 0;
      }
      break;
    case phAway:
      DrawBoard(FOld, 1.0f - static_cast<float>(FFrame) / kAwayFrames, 0);
      if (FFrame >= kAwayFrames) {
        FPhase = phIn;
        FFrame = 0;
      }
      break;
    case phIn:
      DrawBoard(FNew, static_cast<float>(FFrame) / kInFrames, 0);
      if (FFrame >= kInFrames) {
        FPhase = phShakeNew;
        FClock = 0;
      }
      break;
    case phShakeNew:
      DrawBoard(FNew, 1.0f, 2);
      FClock += FrameMs;
      if (FClock >= SecondShakeTime) {
        FPhase = phIdle;
        if (OnFinished) OnFinished(FNew);
      }
      break;
    case phIdle:
      break;
  }
}

void TShuffleAwayEffect::DrawBoard(const TBoardData& board, float scale, int shake) {
  if (scale <= 0.0f) return;
  TImageDraw how;
  how.Scale = scale;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      // A fixed tremble per cell and frame keeps the game's draws for the game.
      const int dx = shake > 0 ? (FFrame * 7 + x * 5 + y * 3) % (2 * shake + 1) - shake : 0;
      const int dy = shake > 0 ? (FFrame * 5 + x * 3 + y * 7) % (2 * shake + 1) - shake : 0;
      DrawTileCopy(OmgImgList, board.At(x, y), static_cast<float>(Left + TileSize * (x - 1) + dx),
                   static_cast<float>(Top + TileSize * (y - 1) + dy), how, UniFruitColorIndex);
    }
}

}  // namespace qm
