#include "rules/TubeTimer.h"

#include <algorithm>
#include <cmath>

#include "engine/FrameTime.h"
#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {

void TTubeTimer::Reset() {
  FMotion = mtStill;
  FX = HideLeft;
  FRunning = false;
  FHasRun = false;
  FAlmostReported = false;
  FDraining = false;
  FDrainTarget = 0;
  Paused = true;
}

void TTubeTimer::Start() {
  FElapsedSeconds = Time;
  FElapsed = TimeMs();
  FMotion = mtSlidingIn;
  RefreshOutputs();
}

void TTubeTimer::SlideOut() { FMotion = mtSlidingOut; }

void TTubeTimer::Absorb(int seconds) {
  // While the tube still fills up the elapsed count shows the filling, not
  // time used: the drain counts from the start of the round.
  const std::int64_t used = FHasRun ? FElapsed : 0;
  FDraining = true;
  FDrainTarget = std::min(used + std::int64_t(seconds) * 1000, TimeMs());
}

void TTubeTimer::Update() {
  switch (FMotion) {
    case mtStill:
      break;
    case mtSlidingIn:
      if (StepToward(FX, MoveStep, Left)) {
        FElapsedSeconds = Time;
        FElapsed = TimeMs();
        FFillStep = FElapsed / std::max(FillingUpStepFactor, 1);
        FMotion = mtFillingUp;
      }
      break;
    case mtSlidingOut:
      if (StepToward(FX, MoveStep, HideLeft)) FMotion = mtStill;
      break;
    case mtFillingUp:
      // The fill-up plays even while paused; only the count waits.
      FElapsed -= FFillStep;
      if (FElapsed <= 0) {
        FElapsed = 0;
        FElapsedSeconds = 0;
        FRunning = true;
        FHasRun = true;
        FMotion = mtRunning;
      }
      break;
    case mtRunning:
      if (FRunning && !Paused) Count();
      break;
  }
  RefreshOutputs();
}

void TTubeTimer::Count() {
  FElapsed = std::min(FElapsed + FrameMs, TimeMs());
  if (FDraining) {
    FElapsed += AbsorbedMiliSecsPerUpdate;
    if (FElapsed >= FDrainTarget) {
      FElapsed = FDrainTarget;
      FDraining = false;
    }
  }
  FElapsedSeconds = int(FElapsed / 1000);
  if (Time - FElapsedSeconds <= AlmostTimeUpTimeLeft && !FAlmostReported) {
    FAlmostReported = true;
    if (OnAlmostTimeUp) OnAlmostTimeUp(*this);
  }
  if (FElapsedSeconds >= Time) {
    FRunning = false;
    FElapsedSeconds = Time;
    if (OnTimeUp) OnTimeUp(*this);
  }
}

void TTubeTimer::RefreshOutputs() {
  // A round without time shows an empty tube.
  const double used = TimeMs() > 0 ? double(FElapsed) / double(TimeMs()) : 1.0;
  FPercentLeft = std::clamp(100 - RoundToEven(used * 100.0), 0, 100);
  FEmptyPixels = std::clamp(RoundToEven(used * MaxPixelProgress), 0, MaxPixelProgress);
}

// The liquid is the bottom part of its picture, the glass is centred over
// the liquid column.
void TTubeTimer::Draw() {
  if (!OmgImgList) return;
  const float liquidX = float(FX + EnergyAdjustX);
  const float liquidTop = float(Top + EnergyAdjustY);
  if (TImageListItem* liquid = OmgImgList->FindImage(std::string(img::TimerTubeLiquid))) {
    // Empty pixels are counted on MaxPixelProgress, the picture is EnergyHeight tall.
    const int empty = MaxPixelProgress > 0 ? FEmptyPixels * EnergyHeight / MaxPixelProgress : EnergyHeight;
    if (empty < EnergyHeight)
      liquid->DrawPart(0, empty, EnergyWidth, EnergyHeight, liquidX, liquidTop + float(empty), 0, 0, 0, 1, 1, 255,
                       255, 255, 255, 0);
  }
  int glassWidth = 0, glassHeight = 0;
  PatternSize(*OmgImgList, std::string(img::TimerTube), glassWidth, glassHeight);
  DrawImage(*OmgImgList, std::string(img::TimerTube), liquidX + float(EnergyWidth - glassWidth) / 2.0f,
            liquidTop + float(EnergyHeight - glassHeight) / 2.0f, 0);
  // On a normal level the tube tells the medal: gold while the liquid is
  // above the first mark, silver above the second, bronze below.
  if (GameObjective != goNormalMode) return;
  // Left of the glass: the tube stands at the frame's right edge.
  const float markX = liquidX + float(EnergyWidth - glassWidth) / 2.0f;
  DrawMedalMark(GoldSeconds, 0, markX, liquidTop);
  DrawMedalMark(SilverSeconds, 1, markX, liquidTop);
}

void TTubeTimer::DrawMedalMark(int seconds, int pattern, float x, float top) const {
  if (seconds <= 0 || Time <= 0) return;
  int width = 0, height = 0;
  PatternSize(*OmgImgList, std::string(img::TubeMedalMarks), width, height);
  const float y = top + float(EnergyHeight) * float(std::min(seconds, Time)) / float(Time);
  DrawImage(*OmgImgList, std::string(img::TubeMedalMarks), x - float(width), y - float(height) / 2.0f, pattern);
}

}  // namespace qm
