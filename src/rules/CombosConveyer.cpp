#include "rules/CombosConveyer.h"

#include <algorithm>
#include <cmath>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {
namespace {

// The first step covers the longer distance in this many ticks; every tick
// the steps grow, so the badge speeds up as it goes.
constexpr float kStepsAcross = 18;
constexpr float kSpeedUp = 1.18f;
constexpr int kFadeStep = 15;
constexpr float kShrinkStep = 0.05f;
constexpr float kSmallestScale = 0.2f;
constexpr float kLandedGrowStep = 0.025f;
constexpr float kTurnStep = 22;

}  // namespace

void TCombosConveyer::Launch(int matchX, TPoint start) {
  auto item = std::find_if(FItems.begin(), FItems.end(), [](const TItem& i) { return !i.Active; });
  if (item == FItems.end()) return;
  const float dx = std::fabs(float(Target.X - start.X));
  const float dy = std::fabs(float(Target.Y - start.Y));
  float ticks = std::max(dx, dy) / kStepsAcross;
  if (ticks == 0) ticks = 1;
  *item = TItem{};
  item->Active = true;
  item->MatchX = matchX;
  item->X = float(start.X);
  item->Y = float(start.Y);
  item->StepX = dx / ticks;
  item->StepY = dy / ticks;
  item->Alpha = 255;
}

void TCombosConveyer::TickAndDraw() {
  if (!Visible) return;
  for (TItem& item : FItems) {
    if (!item.Active) continue;
    item.StepX *= kSpeedUp;
    item.StepY *= kSpeedUp;
    StepToward(item.X, item.StepX, float(Target.X));
    StepToward(item.Y, item.StepY, float(Target.Y));
    if (item.Arrived) {
      item.Alpha -= kFadeStep;
      if (item.Alpha < 1) {
        item.Active = false;
        continue;
      }
      item.Scale += kLandedGrowStep;
      item.Angle = 0;
    } else {
      item.Scale = std::max(item.Scale - kShrinkStep, kSmallestScale);
      item.Angle += kTurnStep;
      if (item.Angle >= 360) item.Angle -= 360;
    }
    Draw(item);
    if (!item.Arrived && item.X == float(Target.X) && item.Y == float(Target.Y)) {
      item.Arrived = true;
      if (OnAComboArrives) OnAComboArrives(*this, item.MatchX);
    }
  }
}

void TCombosConveyer::Draw(const TItem& item) const {
  if (!OmgImgList) return;
  DrawImageEx(*OmgImgList, "ComboText", item.X, item.Y, item.Angle, 0.5f, 0.5f, item.Scale, item.Scale, 255, 255, 255,
              item.Alpha, item.MatchX - 4, 0);
}

void TCombosConveyer::Clear() {
  for (TItem& item : FItems) item.Active = false;
}

int TCombosConveyer::ActiveCount() const {
  return int(std::count_if(FItems.begin(), FItems.end(), [](const TItem& i) { return i.Active; }));
}

}  // namespace qm
