#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Breaks open lockers: each cell shakes its locker apart, asks once for
// flying debris, lets its piece settle and reports when it is free.
class TOpeningLockers {
 public:
  // Frames of the break, the frame the debris flies, and frames of the
  // piece settling afterwards.
  static constexpr int kBreakFrames = 10;
  static constexpr int kDebrisFrame = 4;
  static constexpr int kSettleFrames = 6;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  // The element every uni fruit shows; the shell keeps it in step with the
  // board.
  std::uint8_t UniFruitColorIndex = 1;

  std::function<void(const TBoardData& boardDataTmp, const TSimpleObjectArray& lockersToOpen)> OnPiecesEffectRequest;
  std::function<void(const TSimpleObjectArray& lockersToOpen, bool isLastOpeningEffect)> OnOpeningEffectComplete;

  void Start(const TBoardData& boardData, const TSimpleObjectArray& lockersToOpen);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const;
  int Batch() const { return FBatch; }

 private:
  enum TCellState : std::uint8_t { csIdle, csBreaking, csSettling };
  void DrawCell(int index);

  TBoardData FBoard{};
  std::array<TCellState, BoardCells> FState{};
  std::array<int, BoardCells> FFrame{};
  std::array<bool, BoardCells> FDebrisRequested{};
  int FBatch = 0;
};

}  // namespace qm
