#include "board/FlowingElements.h"

#include <algorithm>

#include "board/BoardImages.h"

namespace qm {

namespace {

// The "Elements" patterns of the spider and the two gold tiles, as the
// objectives panel shows them.
constexpr int kSpiderPattern = 18;
constexpr int kGoldTilePattern = 19;

}  // namespace

void TFlowingElements::Start(const TBoardData& board, const TSimpleObjectArray& mask) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& tile = board.At(x, y);
      if (mask.At(x, y) == 0) continue;
      const float px = static_cast<float>(Left + TileSize * (x - 1));
      const float py = static_cast<float>(Top + TileSize * (y - 1));
      // Fruit and flowers fly, a fruit bomb's piece as its fruit.
      const std::uint8_t code = tile.Element;
      if (code >= ecFirstFruit && code <= ecLastObjectiveFruit)
        Launch(px, py, TIndividualElementKind(ieFruit1 + code - ecFirstFruit), elFruit, code, code - 1);
      else if (code >= ecFirstFlower && code <= ecLastFlower)
        Launch(px, py, TIndividualElementKind(ieFlower1 + code - ecFirstFlower), elFlower,
               static_cast<std::uint8_t>(code - 12), code - 1);
    }
}

void TFlowingElements::StartSpider(TPoint screenPos) {
  Launch(static_cast<float>(screenPos.X), static_cast<float>(screenPos.Y), ieSpider, elSpider, 1, kSpiderPattern);
}

void TFlowingElements::StartGoldTile(TPoint tilePos) {
  if (!IsOnBoard(tilePos)) return;
  const bool upgraded = TileKind == tkUpgraded;
  Launch(static_cast<float>(Left + TileSize * (tilePos.X - 1)), static_cast<float>(Top + TileSize * (tilePos.Y - 1)),
         upgraded ? ieGoldTile2 : ieGoldTile1, elGoldTile, upgraded ? 2 : 1, kGoldTilePattern + (upgraded ? 1 : 0));
}

void TFlowingElements::Launch(float x, float y, TIndividualElementKind slot, TElementKind kind, std::uint8_t index,
                              int pattern) {
  TPoint slotPos{320, 30};
  if (OnSlotPosRequest) OnSlotPosRequest(slot, slotPos);
  TFlight& flight = FFlights[FNext];
  FNext = (FNext + 1) % kFlightCount;
  // Neighbouring pieces wobble to opposite sides, so a line fans out.
  const float wobble = (FNext % 2 == 0 ? 1.0f : -1.0f) * static_cast<float>(6 + FNext % 5);
  flight.Path.Start(x, y, static_cast<float>(slotPos.X + SlotIconOffsetX), static_cast<float>(slotPos.Y + SlotIconOffsetY),
                    wobble);
  flight.Kind = kind;
  flight.Index = index;
  flight.Pattern = pattern;
}

void TFlowingElements::Reset() {
  for (TFlight& flight : FFlights) flight = TFlight{};
}

bool TFlowingElements::IsRunning() const {
  return std::any_of(FFlights.begin(), FFlights.end(), [](const TFlight& f) { return f.Path.Active(); });
}

void TFlowingElements::TickAndDraw() {
  if (!Visible) return;
  for (TFlight& flight : FFlights) {
    if (!flight.Path.Active()) continue;
    if (flight.Path.Step()) {
      if (OnDustEffectRequest)
        OnDustEffectRequest({static_cast<int>(flight.Path.X()) + TileSize / 2, static_cast<int>(flight.Path.Y())});
      if (OnOneFruitArrived) OnOneFruitArrived(flight.Kind, flight.Index);
      continue;
    }
    TImageDraw how;
    how.Scale = 1.1f - 0.2f * flight.Path.Progress();
    BoardDrawEx(OmgImgList, "Elements", flight.Path.X(), flight.Path.Y(), flight.Pattern, how);
  }
}

}  // namespace qm
