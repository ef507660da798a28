#include "board/LostBoardEffect.h"

#include <algorithm>
#include <utility>

#include "board/BoardImages.h"
#include "engine/FrameTime.h"

namespace qm {

namespace {
constexpr float kGravity = 1.2f;
TPoint CellPoint(int index) { return {index / BoardRows + 1, index % BoardRows + 1}; }
}  // namespace

void TLostBoardEffect::Start(const TBoardData& board) {
  FBoard = board;
  FRunning = true;
  FShaking = true;
  FClock = 0;
  FFrame = 0;
  FNextDrop = 0;
  FOrderCount = 0;
  FDrops.fill(TDrop{});
  FRandom.SetSeed(0x5eed);
  for (int y = BoardRows; y >= 1; --y)
    for (int x = 1; x <= BoardColumns; ++x) {
      const int index = CellIndex(x, y);
      if (!FBoard.Tiles[index].IsLockerOrPiece()) continue;
      FOrder[FOrderCount++] = index;
      FDrops[index].Y = static_cast<float>(Top + TileSize * (y - 1));
      FDrops[index].Bounces = OneBounceEveryProb > 0 && FRandom.Random(OneBounceEveryProb) == 0;
    }
  // Shuffle within each row so a row crumbles rather than sliding off.
  for (int i = FOrderCount - 1; i > 0; --i) {
    const int j = i - FRandom.Random(std::min(i + 1, BoardColumns));
    if (CellPoint(FOrder[i]).Y == CellPoint(FOrder[j]).Y) std::swap(FOrder[i], FOrder[j]);
  }
}

void TLostBoardEffect::TriggerNext() {
  if (FNextDrop < FOrderCount) FDrops[FOrder[FNextDrop++]].Started = true;
}

void TLostBoardEffect::Advance(TDrop& drop) {
  drop.Speed += kGravity;
  drop.Y += drop.Speed;
  if (drop.Y + TileSize < GroundPosY) return;
  if (drop.Bounces && !drop.Bounced) {
    drop.Bounced = true;
    drop.Y = static_cast<float>(GroundPosY - TileSize);
    drop.Speed = -drop.Speed * 0.4f;
    return;
  }
  if (drop.Y >= GroundPosY) drop.Gone = true;
}

void TLostBoardEffect::TickAndDraw() {
  if (!Visible || !FRunning) return;
  ++FFrame;
  FClock += FrameMs;
  if (FShaking) {
    if (FClock >= ShakingTime) {
      FShaking = false;
      FClock = 0;
      TriggerNext();
    }
  } else if (FClock >= DroppingTriggerInterval) {
    FClock = 0;
    TriggerNext();
  }
  bool anyLeft = FNextDrop < FOrderCount;
  for (int n = 0; n < FOrderCount; ++n) {
    const int index = FOrder[n];
    TDrop& drop = FDrops[index];
    if (drop.Gone) continue;
    if (drop.Started) Advance(drop);
    if (drop.Gone) continue;
    anyLeft = true;
    const TPoint p = CellPoint(index);
    const int shake = FShaking ? (FFrame * 7 + p.X * 5 + p.Y * 3) % 5 - 2 : 0;
    DrawTileCopy(OmgImgList, FBoard.Tiles[index], static_cast<float>(Left + TileSize * (p.X - 1) + shake), drop.Y,
                 TImageDraw{}, UniFruitColorIndex);
  }
  if (anyLeft) return;
  FRunning = false;
  if (OnTimeForDialogWindow) OnTimeForDialogWindow();
}

}  // namespace qm
