#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "board/ArcFlight.h"
#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Cleared pieces that the round still needs fly from the board to their
// slot on the objectives panel; each counts when it lands.
class TFlowingElements {
 public:
  static constexpr int kFlightCount = 100;

  TOmegaImageList* OmgImgList = nullptr;
  // The board's origin, for flights that start on a tile.
  int Left = 0;
  int Top = 0;
  TTileKind TileKind = tkStandard;
  bool Visible = true;

  // Where the slot of a kind is (its counter's position).
  std::function<void(TIndividualElementKind kind, TPoint& slotPos)> OnSlotPosRequest;
  std::function<void(TElementKind kind, std::uint8_t elementIdx)> OnOneFruitArrived;
  std::function<void(TPoint pos)> OnDustEffectRequest;

  // Every masked fruit 1..8 or flower, with or without a bomb.
  void Start(const TBoardData& board, const TSimpleObjectArray& mask);
  void StartSpider(TPoint screenPos);
  void StartGoldTile(TPoint tilePos);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const;

 private:
  struct TFlight {
    TArcFlight Path;
    TElementKind Kind = elFruit;
    std::uint8_t Index = 0;
    int Pattern = 0;
  };

  void Launch(float x, float y, TIndividualElementKind slot, TElementKind kind, std::uint8_t index, int pattern);

  std::array<TFlight, kFlightCount> FFlights{};
  int FNext = 0;
};

}  // namespace qm
