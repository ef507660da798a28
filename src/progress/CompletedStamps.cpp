#include "progress/CompletedStamps.h"

#include <algorithm>
#include <array>

#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "progress/MapIslands.h"

namespace qm {
namespace {

// A finished island's stamp lands on its left part, from the island's
// top-left corner: on the island it marks, and inside the map.
constexpr TScreenPoint kStampOnIsland{20, 40};

constexpr float kStartScale = 5.8f;
constexpr float kScaleStep = 0.225f;
constexpr float kStartAngle = 136;
constexpr float kAngleStep = 10;
constexpr int kStartAlpha = 60;
constexpr int kAlphaStep = 9;

}  // namespace

void TCompletedStamps::StartStamp() {
  const int stamp = LastOpenedIslandIdx - 1;
  if (stamp < 1 || stamp > StampCount) return;
  FStampIndex = stamp;
  FScale = kStartScale;
  FAngle = kStartAngle;
  FAlpha = kStartAlpha;
}

void TCompletedStamps::Tick() {
  if (!Animating()) return;
  FScale -= kScaleStep;
  if (FScale <= 1) {
    FStampIndex = 0;
    if (OnPlaySound) OnPlaySound("Combo");
    return;
  }
  FAngle += kAngleStep;
  if (FAngle >= 360) FAngle = 0;
  StepUpTo(FAlpha, kAlphaStep, 255);
}

void TCompletedStamps::Draw() const {
  if (!OmgImgList) return;
  const std::string name(img::MapStamp);
  int width = 0, height = 0;
  PatternSize(*OmgImgList, name, width, height);
  const int finished = std::min(LastOpenedIslandIdx - 1, StampCount);
  for (int n = 1; n <= finished; ++n) {
    const TScreenPoint island = TMapIslands::IslandAt(n);
    const float x = float(island.X + kStampOnIsland.X - width / 2), y = float(island.Y + kStampOnIsland.Y - height / 2);
    if (n == FStampIndex)
      DrawImageEx(*OmgImgList, name, x, y, FAngle, 0.5f, 0.5f, FScale, FScale, 255, 255, 255, FAlpha, 0, 0);
    else
      DrawImage(*OmgImgList, name, x, y, 0);
  }
}

}  // namespace qm
