#pragma once

#include <array>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Short bursts over tiles, one picture played through its patterns: the
// uni fruit's popping bubble, a bomb's explosion, the stars of the blaster
// and of a fairy, a web torn off its tile.
class TBurstEffects {
 public:
  static constexpr int kSlots = 48;

  TOmegaImageList* OmgImgList = nullptr;
  const char* Image = "LittleStars";
  int Patterns = 1;
  int TicksPerPattern = 3;
  // Pixels of the picture beyond the tile on each side (a picture larger
  // than a tile is centred on it).
  int Overhang = 0;
  // Optionally fading away and turning as it plays.
  bool FadeOut = false;
  float SpinPerFrame = 0;
  int Left = 0;
  int Top = 0;
  bool Visible = true;

  void Start(TPoint tilePos);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const;

 private:
  struct TBurst {
    bool Active = false;
    TPoint Tile;
    int Frame = 0;
  };
  std::array<TBurst, kSlots> FBursts{};
  int FNext = 0;
};

}  // namespace qm
