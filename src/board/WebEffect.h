#pragma once

#include <array>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// A web torn off its tile.
class TWebEffect {
 public:
  static constexpr int kFrames = 12;
  static constexpr int kSlots = 32;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;

  void Start(TPoint tilePos);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const;

 private:
  struct TTear {
    bool Active = false;
    TPoint Tile;
    int Frame = 0;
  };
  std::array<TTear, kSlots> FTears{};
  int FNext = 0;
};

}  // namespace qm
