#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Cleared pieces tremble for a few frames before they leave; then each cell
// is reported on its own, and tool items and found flowers are handed out.
class TGroupedElementsEffect {
 public:
  static constexpr int kSteps = 8;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;

  std::function<void(const TBoardData& boardDataTmp, const TSimpleObjectArray& groupedFruits,
                     bool triggeredByBlaster)>
      OnGroupingEffectComplete;
  std::function<void(TPoint tilePos)> OnNewFlowerAcquired;
  std::function<void(TPoint tilePos, int toolIdx)> OnNewToolAcquired;

  void Start(const TBoardData& boardData, const TSimpleObjectArray& mask, bool triggeredByBlaster);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const;

 private:
  void HandOutCollectibles();

  TBoardData FBoard{};
  std::array<bool, BoardCells> FActive{};
  std::array<int, BoardCells> FStep{};
  // Groups overlap in time: each cell keeps the flag of the request that
  // brought it, so a tool's group and a cascade's never trade theirs.
  std::array<bool, BoardCells> FTriggeredByBlaster{};
};

}  // namespace qm
