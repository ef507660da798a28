#include "enemies/FlowingTool.h"

#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"

namespace qm {

namespace {

constexpr float kWobble = 6.0f;
constexpr int kIdleFrame = 0;

}  // namespace

std::string TFlowingTool::ImageOf(TToolKind kind) {
  switch (kind) {
    case toMagicKey: return std::string(img::MagicKeyTool);
    case toBroom: return std::string(img::BroomTool);
    case toAerosol: return std::string(img::AerosolTool);
    case toNone: break;
  }
  return {};
}

void TFlowingTool::Launch(TToolKind kind, float fromX, float fromY, float toX, float toY) {
  if (kind == toNone) return;
  TFlight flight{kind, {}};
  flight.Arc.Start(fromX, fromY, toX, toY, kWobble);
  FFlights.push_back(flight);
}

void TFlowingTool::UpdateAndDraw() {
  // Arrivals are reported after the list is settled: the owner may launch
  // another flight from inside the event.
  std::vector<TToolKind> arrived;
  for (auto it = FFlights.begin(); it != FFlights.end();) {
    if (it->Arc.Step()) {
      arrived.push_back(it->Kind);
      it = FFlights.erase(it);
      continue;
    }
    if (OmgImgList) DrawImage(*OmgImgList, ImageOf(it->Kind), it->Arc.X(), it->Arc.Y(), kIdleFrame);
    ++it;
  }
  for (TToolKind kind : arrived)
    if (OnToolArrived) OnToolArrived(kind);
}

}  // namespace qm
