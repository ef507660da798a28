#include "progress/BookProgressTube.h"

#include <algorithm>
#include <array>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {
namespace {

constexpr const char* kTube = "BookProgressTube";
constexpr const char* kFill = "BookProgressTubeFill";
constexpr const char* kEdge = "BookProgressFillEdge";
constexpr int kTubeBack = 1;
constexpr int kTubeFront[] = {0, 2};
constexpr int kFillLeft = 24;
constexpr int kFillTop = 11;
constexpr int kEdgeLeft = 15;
constexpr float kShownStep = 0.33f;

// Highest position of each band 0..10.
constexpr std::array<int, 11> kBandTop{1, 7, 11, 18, 22, 32, 40, 54, 69, 99, 100};

// The edge's pattern 0..5 for the fill shown.
int EdgePattern(float shown) {
  constexpr float kFrom[] = {17, 34, 51, 68, 84};
  int pattern = 0;
  for (float from : kFrom)
    if (shown >= from) ++pattern;
  return pattern;
}

}  // namespace

int TBookProgressTube::StatusOf(int p) {
  if (p <= 0) return 0;
  int band = 0;
  while (band < int(kBandTop.size()) - 1 && p > kBandTop[band]) ++band;
  return 1 + band;
}

void TBookProgressTube::SetPosition(int p) {
  FPosition = std::clamp(p, 0, 100);
  const int status = StatusOf(FPosition);
  if (status != FStatus && status >= 2) {
    FPopPending = true;
    FPopClock = 0;
  }
  FStatus = status;
}

void TBookProgressTube::ShowAt(int p) {
  Reset();
  FPosition = std::clamp(p, 0, 100);
  FStatus = StatusOf(FPosition);
  FShown = float(FPosition);
}

int TBookProgressTube::FillShown() const { return RoundToEven(FShown / 100 * FillWidth); }

void TBookProgressTube::Reset() {
  FShown = 0;
  FStatus = 0;
  FPosition = 0;
  FPopPending = false;
  FPopClock = 0;
  FPopIn = TPopInRatio{1.5f, 0.1f, 0.065f};
}

void TBookProgressTube::TickAndDraw() {
  Step();
  if (OmgImgList) Draw();
}

void TBookProgressTube::Step() {
  StepToward(FShown, kShownStep, float(FPosition));
  if (FPopPending && TimerReached(FPopClock, PopDelay)) {
    FPopPending = false;
    if (OnPlaySound) OnPlaySound("NotifyLow");
    if (OnStatusChange) OnStatusChange(FStatus);
    FPopIn.Start();
  }
  FPopIn.Step();
}

void TBookProgressTube::Draw() const {
  const float ratio = FPopIn.Ratio();
  if (ratio <= 0) return;
  int tubeWidth = 0, tubeHeight = 0;
  PatternSize(*OmgImgList, kTube, tubeWidth, tubeHeight);
  // Every part grows and shrinks about the middle of the tube.
  const float pivotX = Left + tubeWidth / 2.0f, pivotY = Top + tubeHeight / 2.0f;
  auto draw = [&](const char* name, int x, int y, int pattern) {
    if (TImageListItem* item = OmgImgList->FindImage(name))
      item->DrawEx(float(x), float(y), 0, (pivotX - x) / item->TileWidth(), (pivotY - y) / item->TileHeight(), ratio,
                   ratio, 255, 255, 255, 255, pattern, 0);
  };
  draw(kTube, Left, Top, kTubeBack);
  const int fill = FillShown();
  const int fillX = Left + kFillLeft, fillY = Top + kFillTop;
  if (fill > 0 && FillHeight > 0)
    if (TImageListItem* item = OmgImgList->FindImage(kFill))
      item->DrawPart(0, 0, fill, FillHeight, float(fillX), float(fillY), 0, (pivotX - fillX) / fill,
                     (pivotY - fillY) / FillHeight, ratio, ratio, 255, 255, 255, 255, 0);
  if (FShown > 0) draw(kEdge, Left + fill + kEdgeLeft, fillY, EdgePattern(FShown));
  for (int pattern : kTubeFront) draw(kTube, Left, Top, pattern);
}

}  // namespace qm
