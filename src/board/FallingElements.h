#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "board/GeneralDataClass.h"
#include "engine/GameRandom.h"

namespace qm {

class TOmegaImageList;

// Cleared pieces the round does not need are thrown up off the board and
// fall, rolling, past the ground line and off the screen. On their way down
// they may hit the monster of a boss round; the shell decides that.
class TFallingElements {
 public:
  static constexpr int kPieceCount = 200;

  TOmegaImageList* OmgImgList = nullptr;
  // The board's origin, where the pieces start.
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  // Milliseconds a piece floats up before it falls.
  int FirstFallTime = 400;
  int RollAngleStep = 15;
  int GroundVertPos = 705;
  int AdjustX = -3;
  int AdjustY = -3;
  // Growth per frame while falling and while floating.
  float FallSizeAdd = 0.012f;
  float FloatSizeAdd = 0.0045f;

  // A piece reached the ground line: its element and its tile's column.
  std::function<void(int fruitColorIdx, int horzTilePos)> OnGroundHit;
  // Once per start, when its pieces begin to fall: the board they left.
  std::function<void(const TBoardData& newBoardData)> OnWhileAfterFirstFall;
  std::function<void(TPoint pos)> OnDustEffectRequest;
  // Asked for every falling piece that has hit nothing yet: whether it hits
  // the monster at its middle, and whether the monster catches it.
  std::function<void(TPoint fruitPos, bool& hitting, bool& absorbing)> OnMonsterHitCheck;

  // Every masked piece (fruit, flower or potion, with or without a bomb).
  void Start(const TBoardData& board, const TSimpleObjectArray& mask);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const;

 private:
  enum TPhase : std::uint8_t { phIdle, phFloating, phFalling, phBouncing, phCaught };
  struct TPiece {
    TPhase Phase = phIdle;
    std::uint8_t Element = 0;
    int Column = 0;
    float X = 0, Y = 0;
    float SpeedX = 0, SpeedY = 0;
    float Angle = 0;
    float Scale = 1;
    int Alpha = 255;
    int Age = 0;
    bool Grounded = false;
  };
  // The board each start was given, until its pieces have begun to fall.
  struct TBatch {
    bool Pending = false;
    int Age = 0;
    TBoardData Board{};
  };
  static constexpr int kBatchCount = 8;

  void Advance(TPiece& piece);
  void CheckMonster(TPiece& piece);
  void AdvanceBatches();

  std::array<TPiece, kPieceCount> FPieces{};
  int FNext = 0;
  std::array<TBatch, kBatchCount> FBatches{};
  int FNextBatch = 0;
  // The throw and the roll are drawn from their own sequence so that the
  // game's draws stay the game's.
  TGameRandom FRandom;
};

}  // namespace qm
