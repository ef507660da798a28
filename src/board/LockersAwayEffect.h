#pragma once

#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Clears the board off the screen after a won round: everything shakes,
// then spreads outward from the board's middle and fades. The shell starts
// taking the round's panels away when the spreading begins.
class TLockersAwayEffect {
 public:
  static constexpr int kSpreadFrames = 30;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  int FirstShakeTime = 800;
  std::uint8_t UniFruitColorIndex = 1;

  std::function<void()> OnAboutSpreading;
  std::function<void()> OnFinished;

  void Start(const TBoardData& board);
  void Reset() { FRunning = false; }
  void TickAndDraw();
  bool IsRunning() const { return FRunning; }

 private:
  bool FRunning = false;
  bool FSpreading = false;
  int FClock = 0;
  int FFrame = 0;
  TBoardData FBoard{};
};

}  // namespace qm
