#include "board/NewDiamondEffect.h"

#include <algorithm>

#include "board/BoardImages.h"

namespace qm {

void TNewDiamondEffect::StartPotion(TPoint tilePos, std::uint8_t code) {
  if (!IsOnBoard(tilePos) || (code != ecPotion1 && code != ecPotion2)) return;
  TPoint place{320, 30};
  if (OnPlaceRequest) OnPlaceRequest(code == ecPotion1 ? iePotion1 : iePotion2, place);
  TFlight& flight = FFlights[FNext];
  FNext = (FNext + 1) % kFlightCount;
  flight.Path.Start(static_cast<float>(Left + TileSize * (tilePos.X - 1)),
                    static_cast<float>(Top + TileSize * (tilePos.Y - 1)), static_cast<float>(place.X + SlotIconOffsetX),
                    static_cast<float>(place.Y + SlotIconOffsetY), 0.0f);
  flight.Code = code;
  flight.Glow = 0;
}

void TNewDiamondEffect::Reset() {
  for (TFlight& flight : FFlights) flight = TFlight{};
}

bool TNewDiamondEffect::IsRunning() const {
  return std::any_of(FFlights.begin(), FFlights.end(), [](const TFlight& f) { return f.Path.Active(); });
}

void TNewDiamondEffect::TickAndDraw() {
  if (!Visible) return;
  for (TFlight& flight : FFlights) {
    if (!flight.Path.Active()) continue;
    if (flight.Path.Step()) {
      if (OnFinished) OnFinished(elPotion, flight.Code == ecPotion1 ? 1 : 2);
      continue;
    }
    flight.Glow = (flight.Glow + 24) % 512;
    TImageDraw how;
    how.Scale = 1.2f;
    BoardDrawEx(OmgImgList, "Elements", flight.Path.X(), flight.Path.Y(), flight.Code - 1, how);
    TImageDraw glow = how;
    glow.BlendMode = 2;
    glow.Alpha = flight.Glow < 256 ? flight.Glow : 511 - flight.Glow;
    BoardDrawEx(OmgImgList, "Elements", flight.Path.X(), flight.Path.Y(), flight.Code - 1, glow);
  }
}

}  // namespace qm
