#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "board/GeneralDataClass.h"
#include "engine/GameRandom.h"

namespace qm {

class TOmegaImageList;

// The gold tiles under the board: each cell holds a stack of frames that
// loses one whenever the piece above it is cleared. The frames fly in from a
// point over the board's middle when the board appears and back to it when
// the board goes away; a loaded layer waits there until it is flown in.
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

  static constexpr int kFlightFrames = 24;

  // Every cell with a nonzero count gets a frame of that many gold tiles.
  // The frames turn afresh with every layer loaded.
  void Load(const TSimpleObjectArray& grid);
  void RemoveFrames(const TSimpleObjectArray& framesToRemove);
  void FlyIn();
  void FlyOut();
  // Under the board's pieces, or on its own while the board is away.
  void TickAndDraw();
  // 0 with the frames gathered at the centre point, 1 with every frame on
  // its cell.
  float Presence() const { return FPresence; }
  std::uint8_t FrameCount(TPoint tilePos) const { return IsOnBoard(tilePos) ? FCount[CellIndex(tilePos.X, tilePos.Y)] : 0; }
  int FramesLeft() const;

 private:
  void StartRotater();

  std::array<std::uint8_t, BoardCells> FCount{};
  std::array<int, BoardCells> FAngle{};
  int FRotaterClock = 0;
  // A turning frame is decoration: it never takes numbers from the game's
  // stream, which deals the pieces, so how long the frames have been in view
  // cannot change the board.
  TGameRandom FRandom;
  float FPresence = 0.0f;
  float FPresenceTarget = 0.0f;
};

}  // namespace qm
