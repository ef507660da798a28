#pragma once

#include <array>
#include <functional>
#include <string>

#include "board/GeneralDataClass.h"
#include "engine/ValueUpDown.h"
#include "rules/PopInRatio.h"

namespace qm {

class TOmegaImageList;

// Sounds of a combo badge.
inline constexpr const char* MatchXSound = "MatchX";
inline constexpr const char* ComboSound = "Combo";

// The "MatchX" badges: a clearing in which one kind of piece fills four to
// seven tiles pops a badge over the cleared area. When it has shown long
// enough it reports itself, so the shell can send it on to the manna meter.
class TCombos {
 public:
  static constexpr int SlotCount = 10;

  using TCombosAComboArriveEvent = std::function<void(TCombos& sender, int matchX, TPoint position)>;

  TCombos();

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int ShowingTime = 850;  // ms
  int MinMatchXCount = 4;
  int MaxMatchXCount = 7;
  // Pixel position of tile (1, 1), from the level's board placement.
  int BoardLeft = 266;
  int BoardTop = 95;
  TCombosAComboArriveEvent OnAComboDoneShowing;
  std::function<void(const std::string& name)> OnPlaySound;

  // One clearing: the board as it is and the tiles grouped for clearing.
  void Check(const TBoardData& board, const TSimpleObjectArray& mask);
  void TickAndDraw();
  void Clear();

  // The most tiles one element code (1 to 18) fills in the mask.
  static int MatchXOf(const TBoardData& board, const TSimpleObjectArray& mask);

  int ActiveCount() const;

 private:
  struct TSlot {
    bool Active = false;
    int MatchX = 0;
    int X = 0, Y = 0;
    int Elapsed = 0;
    int Alpha = 0;
    TPopInRatio PopIn{1.35f, 0.1f, 0.065f};
  };

  std::array<TSlot, SlotCount> FSlots;
  TValueUpDown FSwing;
  TValueUpDown FPulse;
};

}  // namespace qm
