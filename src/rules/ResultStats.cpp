#include "rules/ResultStats.h"

#include <algorithm>
#include <cstdio>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "rules/ResultMedal.h"
#include "text/GlobalGameText.h"

namespace qm {
namespace {

// The numbers are as large as the title.
constexpr float kTextScale = TResultStats::TitleScale;
// In the window: the title's band, the rows' names and numbers.
constexpr int kTitleLeft = 32;
constexpr int kTitleTop = 36;
constexpr int kFirstRowTop = 262;
constexpr int kLineGap = 40;
constexpr int kLabelLeft = 62;
constexpr int kValueRight = 344;
constexpr int kIconWidth = 40, kIconGap = 6;
constexpr const char* kHighlightImage = "ResultStatsHighlight";
constexpr int kHighlightHeight = 40;

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

void TResultStats::DrawRow(int row, const std::string& value) const {
  const int y = Top + kFirstRowTop + row * kLineGap;
  const int width = GlobGameText->TextWidth(value, 0, kTextScale);
  const int valueLeft = Left + kValueRight - width;
  const int highlight = row == 1 ? FScoreHighlight : row == 2 ? FBonusHighlight : 0;
  if (OmgImgList && highlight > 0)
    DrawImage(*OmgImgList, kHighlightImage, float(Left + kLabelLeft + LabelWidth),
              float(y - kHighlightHeight / 2), 0, highlight);
  if (OmgImgList && row == 2 && FBonusCount >= 1)
    DrawImage(*OmgImgList, "ElementIcons", float(valueLeft - kIconGap - kIconWidth), float(y - kIconWidth / 2),
              BonusElementKind);
  const std::string& label = Labels[std::size_t(row)];
  GlobGameText->DrawText(GlobGameText->LeftEdgeAt(Left + kLabelLeft, LabelScale), y, label, LabelScale, 0, 255,
                         LabelWidth, TextColor::White);
  GlobGameText->DrawText(GlobGameText->LeftEdgeAt(valueLeft, kTextScale), y, value, kTextScale, 0, 255, 0, TextColor::White);
}

void TResultStats::Draw() const {
  if (!GlobGameText) return;
  GlobGameText->DrawCentred(Left + kTitleLeft + TitleWidth / 2, Top + kTitleTop, Title, TitleScale, 255,
                            TextColor::White);
  DrawRow(0, FormatPlayingTime(PlayingTime));
  DrawRow(1, std::to_string(RoundToEven(FShownScore)));
  DrawRow(2, FBonusCount < 1 ? std::string("-") : std::to_string(RoundToEven(FShownBonus)));
}

}  // namespace qm
