#include "board/GroupedElementsEffect.h"

#include <algorithm>

#include "board/BoardImages.h"

namespace qm {

namespace {
TPoint CellPoint(int index) { return {index / BoardRows + 1, index % BoardRows + 1}; }
}  // namespace

void TGroupedElementsEffect::Start(const TBoardData& boardData, const TSimpleObjectArray& mask,
                                   bool triggeredByBlaster) {
  FBoard = boardData;
  for (int i = 0; i < BoardCells; ++i)
    if (mask.Cells[i] != 0) {
      FActive[i] = true;
      FStep[i] = 0;
      FTriggeredByBlaster[i] = triggeredByBlaster;
    }
}

void TGroupedElementsEffect::Reset() { FActive.fill(false); }

bool TGroupedElementsEffect::IsRunning() const {
  return std::any_of(FActive.begin(), FActive.end(), [](bool active) { return active; });
}

void TGroupedElementsEffect::HandOutCollectibles() {
  for (int i = 0; i < BoardCells; ++i) {
    if (!FActive[i]) continue;
    const std::uint8_t element = FBoard.Tiles[i].Element;
    if (element >= ecMagicKeyItem && element <= ecAerosolItem) {
      FActive[i] = false;
      if (OnNewToolAcquired) OnNewToolAcquired(CellPoint(i), element);
    }
  }
  for (int i = 0; i < BoardCells; ++i) {
    if (!FActive[i] || FBoard.Tiles[i].Element != ecFoundFlower) continue;
    FActive[i] = false;
    if (OnNewFlowerAcquired) OnNewFlowerAcquired(CellPoint(i));
  }
}

void TGroupedElementsEffect::TickAndDraw() {
  if (!Visible) return;
  for (int i = 0; i < BoardCells; ++i) {
    if (!FActive[i]) continue;
    ++FStep[i];
    // A fixed tremble per cell and step keeps the game's draws for the game.
    const int jitterX = (FStep[i] * 7 + i * 3) % 5 - 2;
    const int jitterY = (FStep[i] * 3 + i * 5) % 5 - 2;
    const TPoint p = CellPoint(i);
    const TBoardTile& tile = FBoard.Tiles[i];
    TImageDraw how;
    how.Scale = 1.03f;
    const bool bubble = tile.Element == ecUniFruit;
    BoardDrawEx(OmgImgList, bubble ? "BubbleInside" : "Elements",
                static_cast<float>(Left + TileSize * (p.X - 1) + jitterX),
                static_cast<float>(Top + TileSize * (p.Y - 1) + jitterY), bubble ? 0 : tile.Element - 1, how);
  }
  for (int i = 0; i < BoardCells; ++i) {
    if (!FActive[i] || FStep[i] < kSteps) continue;
    HandOutCollectibles();
    if (!FActive[i]) continue;
    FActive[i] = false;
    if (OnGroupingEffectComplete)
      OnGroupingEffectComplete(FBoard, TSimpleObjectArray::Single(CellPoint(i)), FTriggeredByBlaster[i]);
  }
}

}  // namespace qm
