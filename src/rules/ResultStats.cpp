#include "rules/ResultStats.h"

#include <algorithm>
#include <cstdio>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "rules/ResultMedal.h"
#include "text/GlobalGameText.h"

namespace qm {
namespace {

constexpr float kTextScale = 0.78f;
constexpr int kLineGap = 43;
constexpr const char* kHighlightImage = "ResultStatsHighlight";

}  // namespace

std::string TResultStats::FormatPlayingTime(int seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%d:%2.2d", seconds / 60, seconds % 60);
  return text;
}

void TResultStats::SetLevelScore(int value) {
  FLevelScore = value;
  FShownScore = 0;
  FScoreStep = std::max(value / 50.0f, 1.0f);
  FGapClock = 0;
}

void TResultStats::SetBonusElementCount(int value) {
  FBonusCount = value;
  FShownBonus = 0;
  FBonusStep = std::max(value / 40.0f, 1.0f);
  FGapClock = 0;
}

void TResultStats::SetResults(int playingTime, int levelScore, TMedalKind medal, TElementKind levelBonusKind,
                              int levelBonusCount) {
  CountingPaused = true;
  PlayingTime = playingTime;
  SetLevelScore(levelScore);
  const TRoundBonus bonus = RoundClearedBonus(medal, levelBonusKind, levelBonusCount);
  BonusElementKind = bonus.Kind;
  SetBonusElementCount(bonus.Count);
}

void TResultStats::StartCounting() {
  CountingPaused = false;
  if (OnPlaySound) OnPlaySound("Bells");
}

void TResultStats::Reset() {
  CountingPaused = false;
  BonusElementKind = elFruit;
  SetLevelScore(0);
  SetBonusElementCount(0);
  FScoreHighlight = 0;
  FBonusHighlight = 0;
  FSoundFrame = 0;
}

void TResultStats::TickAndDraw() {
  if (!Visible) return;
  Step();
  Draw();
}

void TResultStats::CountOne(float& shown, float step, int target, int& highlight) {
  StepToward(shown, step, float(target));
  highlight = std::min(highlight + HighlightAlphaInc, MaxHighlightAlpha);
  if (++FSoundFrame > 1) {
    FSoundFrame = 0;
    if (OnPlaySound) OnPlaySound("ScoreCount");
  }
}

void TResultStats::Step() {
  if (!CountingPaused) {
    if (FShownScore != float(FLevelScore))
      CountOne(FShownScore, FScoreStep, FLevelScore, FScoreHighlight);
    else if (TimerReached(FGapClock, CountingGapTime) && FShownBonus != float(FBonusCount))
      CountOne(FShownBonus, FBonusStep, FBonusCount, FBonusHighlight);
  }
  FScoreHighlight = std::max(FScoreHighlight - HighlightAlphaDec, 0);
  FBonusHighlight = std::max(FBonusHighlight - HighlightAlphaDec, 0);
}

void TResultStats::Draw() const {
  const int x = Left, y = Top;
  if (OmgImgList) {
    if (FScoreHighlight > 0) DrawImage(*OmgImgList, kHighlightImage, float(x - 48), float(y + 15), 0, FScoreHighlight);
    if (FBonusCount >= 1) {
      if (FBonusHighlight > 0)
        DrawImage(*OmgImgList, kHighlightImage, float(x - 79), float(y + 58), 0, FBonusHighlight);
      DrawImage(*OmgImgList, "ElementIcons", float(x - 46), float(y + 70), BonusElementKind);
    }
  }
  if (!GlobGameText) return;
  const auto line = [&](int index, const std::string& text) {
    GlobGameText->DrawText(x, y + index * kLineGap, text, kTextScale, 0, 255, 0, TextColor::White);
  };
  line(0, FormatPlayingTime(PlayingTime));
  line(1, std::to_string(RoundToEven(FShownScore)));
  line(2, FBonusCount < 1 ? std::string("-") : std::to_string(RoundToEven(FShownBonus)));
}

}  // namespace qm
