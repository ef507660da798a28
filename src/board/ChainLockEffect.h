#pragma once

#include <array>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// A broken chain link flying apart over its tile.
class TChainLockEffect {
 public:
  static constexpr int kFrames = 15;
  static constexpr int kSlots = 32;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  int OrigChainLockWidth = 52;
  int OrigChainLockHeight = 52;

  void Start(TPoint tilePos, std::uint8_t chainLockLevel);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const;

 private:
  struct TBreak {
    bool Active = false;
    TPoint Tile;
    std::uint8_t Level = 1;
    int Frame = 0;
  };
  std::array<TBreak, kSlots> FBreaks{};
  int FNext = 0;
};

}  // namespace qm
