#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "board/ArcFlight.h"
#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Carries a collected treasure (a cleared potion) from its tile to its place
// on the panel, glowing on its way; the shell credits it when it arrives.
class TNewDiamondEffect {
 public:
  static constexpr int kFlightCount = 16;

  TOmegaImageList* OmgImgList = nullptr;
  // The board's origin, where the treasures start.
  int Left = 0;
  int Top = 0;
  bool Visible = true;

  std::function<void(TIndividualElementKind kind, TPoint& placePos)> OnPlaceRequest;
  std::function<void(TElementKind kind, std::uint8_t elementIdx)> OnFinished;

  // A potion (code 17 or 18) leaving its tile.
  void StartPotion(TPoint tilePos, std::uint8_t code);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const;

 private:
  struct TFlight {
    TArcFlight Path;
    std::uint8_t Code = 0;
    int Glow = 0;
  };

  std::array<TFlight, kFlightCount> FFlights{};
  int FNext = 0;
};

}  // namespace qm
