#include "board/OpeningLockers.h"

#include <algorithm>

#include "board/BoardImages.h"

namespace qm {

namespace {
TPoint CellPoint(int index) { return {index / BoardRows + 1, index % BoardRows + 1}; }
}  // namespace

void TOpeningLockers::Start(const TBoardData& boardData, const TSimpleObjectArray& lockersToOpen) {
  if (!lockersToOpen.Any()) return;
  FBoard = boardData;
  FBatch = FBatch % 50 + 1;
  for (int i = 0; i < BoardCells; ++i) {
    if (lockersToOpen.Cells[i] == 0) continue;
    FState[i] = csBreaking;
    FFrame[i] = 0;
    FDebrisRequested[i] = false;
  }
}

void TOpeningLockers::Reset() { FState.fill(csIdle); }

bool TOpeningLockers::IsRunning() const {
  return std::any_of(FState.begin(), FState.end(), [](TCellState s) { return s != csIdle; });
}

void TOpeningLockers::DrawCell(int index) {
  const TBoardTile& tile = FBoard.Tiles[index];
  const TPoint p = CellPoint(index);
  const float x = static_cast<float>(Left + TileSize * (p.X - 1));
  const float y = static_cast<float>(Top + TileSize * (p.Y - 1));
  TImageDraw how;
  if (FState[index] == csBreaking) {
    // The locker swells and fades as it breaks.
    how.Scale = 1.0f + 0.02f * static_cast<float>(FFrame[index]);
    how.Alpha = 255 - 255 * FFrame[index] / kBreakFrames;
    BoardDrawEx(OmgImgList, LockerImage, x, y, std::clamp<int>(tile.LockerColor, 1, 3) - 1, how);
    how = TImageDraw{};
  } else {
    how.Scale = 0.9f + 0.1f * static_cast<float>(FFrame[index]) / kSettleFrames;
  }
  if (tile.Element == ecUniFruit)
    BoardDrawEx(OmgImgList, "BubbleInside", x, y, UniFruitColorIndex - 1, how);
  else
    BoardDrawEx(OmgImgList, "Elements", x, y, tile.Element - 1, how);
}

void TOpeningLockers::TickAndDraw() {
  if (!Visible) return;
  for (int i = 0; i < BoardCells; ++i) {
    if (FState[i] == csIdle) continue;
    DrawCell(i);
    ++FFrame[i];
    if (FState[i] == csBreaking) {
      if (FFrame[i] >= kDebrisFrame && !FDebrisRequested[i]) {
        FDebrisRequested[i] = true;
        if (OnPiecesEffectRequest) OnPiecesEffectRequest(FBoard, TSimpleObjectArray::Single(CellPoint(i)));
      }
      if (FFrame[i] >= kBreakFrames) {
        FState[i] = csSettling;
        FFrame[i] = 0;
      }
      continue;
    }
    if (FFrame[i] < kSettleFrames) continue;
    FState[i] = csIdle;
    if (OnOpeningEffectComplete) OnOpeningEffectComplete(TSimpleObjectArray::Single(CellPoint(i)), !IsRunning());
  }
}

}  // namespace qm
