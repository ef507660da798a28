#pragma once

#include <array>
#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Carries finished combo badges down to the manna meter, speeding up on the
// way; each reports itself when it lands, then fades out where it landed.
class TCombosConveyer {
 public:
  static constexpr int ItemCount = 10;
  static constexpr TPoint Target{-11, 630};

  using TCombosConveyerAComboArrivesEvent = std::function<void(TCombosConveyer& sender, int matchX)>;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  TCombosConveyerAComboArrivesEvent OnAComboArrives;

  // Dropped when all ten items are on their way.
  void Launch(int matchX, TPoint start);
  void TickAndDraw();
  void Clear();

  int ActiveCount() const;

 private:
  struct TItem {
    bool Active = false;
    int MatchX = 0;
    float X = 0, Y = 0;
    float StepX = 0, StepY = 0;
    int Alpha = 0;
    float Scale = 1;
    float Angle = 0;
    bool Arrived = false;
  };

  void Draw(const TItem& item) const;

  std::array<TItem, ItemCount> FItems;
};

}  // namespace qm
