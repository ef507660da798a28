#include "board/FallingElements.h"

#include <algorithm>

#include "board/BoardImages.h"
#include "engine/FrameTime.h"

namespace qm {

namespace {

constexpr float kFloatGravity = 0.3f;
constexpr float kFallGravity = 0.8f;
// Below the frame's bottom edge a piece is gone.
constexpr float kOffScreenY = 780.0f;

}  // namespace

void TFallingElements::Start(const TBoardData& board, const TSimpleObjectArray& mask) {
  const int batch = FNextBatch;
  FNextBatch = (FNextBatch + 1) % kBatchCount;
  bool any = false;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& tile = board.At(x, y);
      // A fruit bomb's piece drops as its fruit.
      if (mask.At(x, y) == 0 || tile.Element < ecFirstFruit || tile.Element > ecPotion2) continue;
      TPiece& piece = FPieces[FNext];
      FNext = (FNext + 1) % kPieceCount;
      piece = TPiece{};
      piece.Phase = phFloating;
      piece.Element = tile.Element;
      piece.Column = x;
      piece.X = static_cast<float>(Left + TileSize * (x - 1) + AdjustX);
      piece.Y = static_cast<float>(Top + TileSize * (y - 1) + AdjustY);
      piece.SpeedX = static_cast<float>(FRandom.Random(61) - 30) / 10.0f;
      piece.SpeedY = -static_cast<float>(40 + FRandom.Random(31)) / 10.0f;
      any = true;
    }
  if (any) FBatches[batch] = {true, 0, board};
}

void TFallingElements::Reset() {
  for (TPiece& piece : FPieces) piece.Phase = phIdle;
  for (TBatch& batch : FBatches) batch.Pending = false;
}

bool TFallingElements::IsRunning() const {
  return std::any_of(FPieces.begin(), FPieces.end(), [](const TPiece& p) { return p.Phase != phIdle; });
}

void TFallingElements::AdvanceBatches() {
  for (TBatch& batch : FBatches) {
    if (!batch.Pending) continue;
    batch.Age += FrameMs;
    if (batch.Age < FirstFallTime) continue;
    batch.Pending = false;
    if (OnWhileAfterFirstFall) OnWhileAfterFirstFall(batch.Board);
  }
}

void TFallingElements::CheckMonster(TPiece& piece) {
  if (!OnMonsterHitCheck) return;
  bool hitting = false;
  bool absorbing = false;
  OnMonsterHitCheck({static_cast<int>(piece.X) + TileSize / 2, static_cast<int>(piece.Y) + TileSize / 2}, hitting,
                    absorbing);
  if (!hitting) return;
  if (absorbing) {
    piece.Phase = phCaught;
    return;
  }
  // Knocked back up and away from the monster.
  piece.Phase = phBouncing;
  piece.SpeedX = -piece.SpeedX * 1.5f + (piece.SpeedX >= 0 ? -2.0f : 2.0f);
  piece.SpeedY = -5.0f;
}

void TFallingElements::Advance(TPiece& piece) {
  piece.Age += FrameMs;
  if (piece.Phase == phCaught) {
    // The monster swallows it: it shrinks and fades where it was caught.
    piece.Scale = std::max(0.0f, piece.Scale - 0.08f);
    piece.Alpha = std::max(0, piece.Alpha - 40);
    if (piece.Alpha == 0) piece.Phase = phIdle;
    return;
  }
  if (piece.Phase == phFloating && piece.Age >= FirstFallTime) piece.Phase = phFalling;
  piece.SpeedY += piece.Phase == phFloating ? kFloatGravity : kFallGravity;
  piece.Scale += piece.Phase == phFloating ? FloatSizeAdd : FallSizeAdd;
  piece.X += piece.SpeedX;
  piece.Y += piece.SpeedY;
  piece.Angle += static_cast<float>(piece.SpeedX >= 0 ? RollAngleStep : -RollAngleStep);
  if (piece.Phase == phFalling && piece.SpeedY > 0) CheckMonster(piece);
  if (!piece.Grounded && piece.Y + TileSize >= static_cast<float>(GroundVertPos)) {
    piece.Grounded = true;
    if (OnGroundHit) OnGroundHit(piece.Element, piece.Column);
    if (OnDustEffectRequest)
      OnDustEffectRequest({static_cast<int>(piece.X) + TileSize / 2, GroundVertPos});
  }
  if (piece.Y > kOffScreenY) piece.Phase = phIdle;
}

void TFallingElements::TickAndDraw() {
  if (!Visible) return;
  AdvanceBatches();
  for (TPiece& piece : FPieces) {
    if (piece.Phase == phIdle) continue;
    Advance(piece);
    if (piece.Phase == phIdle) continue;
    TImageDraw how;
    how.Scale = piece.Scale;
    how.Angle = piece.Angle;
    how.Alpha = piece.Alpha;
    BoardDrawEx(OmgImgList, "Elements", piece.X, piece.Y, piece.Element - 1, how);
  }
}

}  // namespace qm
