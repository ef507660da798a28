#include "rules/ResultMedal.h"

#include "engine/StepHelpers.h"

namespace qm {

TRoundBonus RoundClearedBonus(TMedalKind medal, TElementKind levelBonusKind, int levelBonusCount) {
  if (medal != mdGold) return {};
  return {levelBonusKind, levelBonusCount};
}

std::string MedalNotifySound(TMedalKind medal) { return medal == mdGold ? "NotifyHigh" : "NotifyLow"; }

TResultMedal::TResultMedal() {
  FTrophy.ImageName = "ResultTrophy";
  FTrophy.StartSize = 2.0f;
  FTrophy.StartSizeStep = 0.1f;
  FTrophy.AttachedSize = 1.0f;
  FTrophy.EndSizeStep = 0.02f;
  FTrophy.ShineStartAlpha = 110;
  FTrophy.ShineAlphaStep = 6;
  FTrophy.ShineEndAlpha = 10;
  FTrophy.ShineStartSize = 1.0f;
  FTrophy.ShineSizeStep = 0.05f;
  FTrophy.AttachedTime = 0;
}

void TResultMedal::SetRoundTime(int seconds) {
  // 13/20 and 2/5 in integers keep the halves exact.
  SilverReqTime = RoundToEven(seconds * 13 / 20.0);
  GoldReqTime = RoundToEven(seconds * 2 / 5.0);
}

TMedalKind TResultMedal::Decide(int elapsedSeconds) {
  if (elapsedSeconds <= GoldReqTime)
    FMedalKind = mdGold;
  else if (elapsedSeconds <= SilverReqTime)
    FMedalKind = mdSilver;
  else
    FMedalKind = mdBronze;
  // The trophy in the medal's metal: patterns gold, silver, bronze.
  FTrophy.MainPattern = FTrophy.ShinePattern = FMedalKind == mdGold ? 0 : FMedalKind == mdSilver ? 1 : 2;
  return FMedalKind;
}

void TResultMedal::Present() {
  if (OnPlaySound) OnPlaySound(MedalNotifySound(FMedalKind));
  StartTrophy();
}

void TResultMedal::StartTrophy() { FTrophy.Start(TrophyDelay); }

void TResultMedal::Reset() {
  FMedalKind = mdNone;
  FTrophy.Reset();
}

void TResultMedal::TickAndDraw() {
  if (!Visible) return;
  FTrophy.OmgImgList = OmgImgList;
  FTrophy.Left = Left;
  FTrophy.Top = Top;
  FTrophy.TickAndDraw();
}

}  // namespace qm
