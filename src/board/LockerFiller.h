#pragma once

#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Builds the round's first board in front of the player: the lockers and
// pieces drop into their tiles diagonal by diagonal from the top left, one
// diagonal every GapInterval milliseconds.
class TLockerFiller {
 public:
  // Frames one tile takes to drop in.
  static constexpr int kDropFrames = 8;
  static constexpr int kDropHeight = 40;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  int GapInterval = 60;
  std::uint8_t UniFruitColorIndex = 1;

  std::function<void()> OnFinish;

  void Start(const TBoardData& board);
  void Reset() { FRunning = false; }
  void TickAndDraw();
  bool IsRunning() const { return FRunning; }

 private:
  bool FRunning = false;
  int FClock = 0;
  TBoardData FBoard{};
};

}  // namespace qm
