#include "text/TutorialToolTip.h"

#include "engine/EffectsMode.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "text/GameTextIds.h"
#include "text/GlobalGameText.h"
#include "text/TextStrings.h"

namespace qm {

namespace {

constexpr int kObjectivesTip = 3;
constexpr int kPowerToolTip = 6;
constexpr int kChainsTip = 13;
constexpr int kSpiderTip = 22;
constexpr int kUpgradeSceneTip = 25;

// Where each tip points unless the owner knows better; the spider tip's
// target moves, so it has none of its own.
TScreenPoint UsualTarget(int entry) {
  switch (entry) {
    case kObjectivesTip: return {777, 62};
    case kPowerToolTip: return {1285, 113};
    case kChainsTip: return {385, 235};
    case kUpgradeSceneTip: return {563, 690};
    default: return {};
  }
}

// The box sits on the side of the target that faces the middle of the
// screen, and the arrow turns to point back at the target.
struct TQuadrantLayout {
  TScreenPoint Arrow;
  int Angle;
  TScreenPoint Box;
};
constexpr std::array<TQuadrantLayout, 4> kLayouts{{
    {{-5, -7}, 105, {19, 19}},
    {{-47, -6}, 195, {-347, 11}},
    {{-6, -49}, 15, {23, -237}},
    {{-48, -48}, 285, {-344, -233}},
}};
constexpr int kMiddleX = 900;
constexpr int kMiddleY = 460;
constexpr TScreenPoint kTextInBox{36, 35};
constexpr TScreenPoint kButtonInBox{121, 164};

constexpr int kTextLineGap = 24;

constexpr int kBoxAlpha = 170;
constexpr float kBoxScaleX = 0.675f;
constexpr float kBoxScaleY = 0.8f;
constexpr float kFadeStep = 0.1f;
constexpr float kReducedFadeStep = 0.5f;

// The arrow image holds the arrow and the same arrow pushed forward and
// lighter. A looped sequence never shows its last character: the closing 1
// only wraps it, leaving six ticks of each.
constexpr char kArrowSeq[] = "1111112222221";
// The arrow's corner sits this far up and left of its position.
constexpr int kArrowShift = 16;
constexpr float kArrowScale = 0.7f;

int ToAlpha(float fade, int full) { return RoundToEven(double(fade) * full); }

bool HasText(int entry) { return ToolTipTextId::InfoLine(entry) != 0; }

TScreenPoint Offset(TScreenPoint p, TScreenPoint by) { return {p.X + by.X, p.Y + by.Y}; }

}  // namespace

TTutorialToolTip::TTutorialToolTip() {
  FText.FontRatio = TextScale;
  FText.HorzSpaceAdd = TextSpacing;
  FText.VertSpace = kTextLineGap;
  FArrow.SetSeq(kArrowSeq);
}

void TTutorialToolTip::ReloadTexts() {
  FEntries.fill(TEntry{});
  if (!TextStringsComp) return;
  for (int entry = 1; entry <= EntryCount; ++entry)
    if (HasText(entry))
      FEntries[entry - 1].Text =
          WrapText(FText.FontKind, TextStringsComp->Text(ttTutorialInfo, ToolTipTextId::InfoLine(entry)),
                   FText.HorzSpaceAdd, MaxRectTextWidth, FText.FontRatio);
}

void TTutorialToolTip::CountMove() {
  // The owner checks the move triggers once the board has come to rest.
  if (!Enabled || FShowing) return;
  ++FMoves;
}

void TTutorialToolTip::CheckMoveTriggers() {
  if (IslandIdx == 1 && LevelIdx == 1 && FMoves >= ObjectivesTipMove) Show(kObjectivesTip);
}

void TTutorialToolTip::LevelStart() {
  if (IslandIdx == 1 && LevelIdx == 4) Show(kChainsTip);
}

void TTutorialToolTip::EventTrigger(int kind) {
  // The first level teaches matching alone; the power tools wait for later.
  if (kind == 0 && IslandIdx == 1 && LevelIdx > 1) Show(kPowerToolTip);
  if (kind == 3) Show(kSpiderTip);
}

void TTutorialToolTip::SceneTrigger(int kind) {
  if (kind == 0) Show(kUpgradeSceneTip);
}

void TTutorialToolTip::Show(int entry) {
  if (!Enabled || FShowing || entry < 1 || entry > EntryCount || !HasText(entry) || Shown(entry)) return;
  FShowing = true;
  FCurrent = entry;
  FFade = 0;
  FFadeTarget = 1;
  FEntries[entry - 1].Shown = 1;
  FPointingPos = UsualTarget(entry);
  if (OnPointingPosRequest) OnPointingPosRequest(*this, entry, FPointingPos);
  LayOut();
  if (OnButtonPosChange) OnButtonPosChange(*this, FButtonPos.X, FButtonPos.Y);
  FText.ShowWhite(FTextPos.X, FTextPos.Y, Text(entry));
  FArrow.Reset();
  if (OnStart) OnStart(*this);
  if (OnSpecificToolTipIdxEvent) OnSpecificToolTipIdxEvent(*this, entry);
}

void TTutorialToolTip::LayOut() {
  FQuadrant = (FPointingPos.X > kMiddleX ? 1 : 0) + (FPointingPos.Y > kMiddleY ? 2 : 0);
  const TQuadrantLayout& layout = kLayouts[FQuadrant];
  FArrowPos = Offset(FPointingPos, layout.Arrow);
  FArrowAngle = layout.Angle;
  FBoxPos = Offset(FPointingPos, layout.Box);
  FTextPos = Offset(FBoxPos, kTextInBox);
  FButtonPos = Offset(FBoxPos, kButtonInBox);
}

void TTutorialToolTip::Finish() {
  if (!FShowing || FFadeTarget == 0) return;
  FFadeTarget = 0;
  FText.Vanish();
  if (OnFinish) OnFinish(*this);
}

void TTutorialToolTip::Reset() {
  FShowing = false;
  FMoves = 0;
  FCurrent = 0;
  FFade = FFadeTarget = 0;
  FQuadrant = 0;
  FArrowAngle = 0;
  FPointingPos = FArrowPos = FBoxPos = FTextPos = FButtonPos = OffScreenPoint;
  FText.Clear();
  FArrow.Reset();
}

void TTutorialToolTip::TickAndDraw() {
  if (!FShowing) return;
  if (OmgImgList)
    DrawImageEx(*OmgImgList, "TutorialBlackRect", float(FBoxPos.X), float(FBoxPos.Y), 0, 0, 0, kBoxScaleX, kBoxScaleY,
                255, 255, 255, ToAlpha(FFade, kBoxAlpha), 0, 0);
  FText.OmgImgList = OmgImgList;
  FText.UpdateAndDraw();
  FArrow.Next();
  if (OmgImgList)
    DrawImageEx(*OmgImgList, "MapArrow", float(FArrowPos.X - kArrowShift), float(FArrowPos.Y - kArrowShift),
                float(FArrowAngle), 0.5f, 0.5f, kArrowScale, kArrowScale, 255, 255, 255, ToAlpha(FFade, 255),
                FArrow.CurrentFrame(), 0);
  if (StepToward(FFade, ReducedEffectsMode ? kReducedFadeStep : kFadeStep, FFadeTarget) && FFadeTarget == 0)
    FShowing = false;
}

std::array<std::uint8_t, TTutorialToolTip::EntryCount> TTutorialToolTip::ExportShown() const {
  std::array<std::uint8_t, EntryCount> flags{};
  for (int i = 0; i < EntryCount; ++i) flags[i] = FEntries[i].Shown;
  return flags;
}

void TTutorialToolTip::ImportShown(const std::array<std::uint8_t, EntryCount>& flags) {
  for (int i = 0; i < EntryCount; ++i) FEntries[i].Shown = flags[i];
}

}  // namespace qm
