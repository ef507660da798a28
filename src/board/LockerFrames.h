#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// The gold tiles under the board: each cell holds a stack of frames that
// loses one whenever the piece above it is cleared.
class TLockerFrames {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  int CenterPosX = 675;
  int CenterPosY = 395;
  int FrameAdjustX = 0;
  int FrameAdjustY = 0;
  TTileKind TileKind = tkStandard;
  int RotaterInterval = 2500;
  int RotaterOnePerXProb = 3;
  int RotationAngleStep = 12;

  std::function<void(TPoint tilePos, std::uint8_t tileLevel)> OnLockerFrameEffectRequest;

  // Every cell with a nonzero count gets a frame of that many gold tiles.
  void Load(const TSimpleObjectArray& grid);
  void RemoveFrames(const TSimpleObjectArray& framesToRemove);
  // Drawn when the board says it is time.
  void TickAndDraw();
  std::uint8_t FrameCount(TPoint tilePos) const { return IsOnBoard(tilePos) ? FCount[CellIndex(tilePos.X, tilePos.Y)] : 0; }
  int FramesLeft() const;

 private:
  void StartRotater();

  std::array<std::uint8_t, BoardCells> FCount{};
  std::array<int, BoardCells> FAngle{};
  int FRotaterClock = 0;
};

}  // namespace qm
