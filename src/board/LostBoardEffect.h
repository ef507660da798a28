#pragma once

#include <array>
#include <functional>

#include "board/GeneralDataClass.h"
#include "engine/GameRandom.h"

namespace qm {

class TOmegaImageList;

// The board of a lost boss round falls apart: it shakes, then its tiles
// drop one after another to the ground line, some bouncing once, and when
// the last one has gone the shell asks the player whether to try again.
class TLostBoardEffect {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  int DroppingTriggerInterval = 40;
  int GroundPosY = 768;
  int OneBounceEveryProb = 3;
  int ShakingTime = 1000;
  std::uint8_t UniFruitColorIndex = 1;

  std::function<void()> OnTimeForDialogWindow;

  void Start(const TBoardData& board);
  void Reset() { FRunning = false; }
  void TickAndDraw();
  bool IsRunning() const { return FRunning; }

 private:
  struct TDrop {
    bool Started = false;
    bool Gone = false;
    bool Bounces = false;
    bool Bounced = false;
    float Y = 0.0f;
    float Speed = 0.0f;
  };
  void TriggerNext();
  void Advance(TDrop& drop);

  bool FRunning = false;
  int FClock = 0;
  int FFrame = 0;
  bool FShaking = false;
  // Cells in the order they drop: the bottom row first.
  std::array<int, BoardCells> FOrder{};
  int FOrderCount = 0;
  int FNextDrop = 0;
  std::array<TDrop, BoardCells> FDrops{};
  TBoardData FBoard{};
  // The look of the fall is drawn from its own sequence so that the game's
  // draws stay the game's.
  TGameRandom FRandom;
};

}  // namespace qm
