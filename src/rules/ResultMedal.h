#pragma once

#include <functional>
#include <string>

#include "board/GeneralDataClass.h"
#include "rules/PlusOneBigHeart.h"

namespace qm {

class TOmegaImageList;

// The bonus a cleared round pays into the accounts: the level's own bonus
// for gold, nothing otherwise.
struct TRoundBonus {
  TElementKind Kind = elFruit;
  int Count = 0;
};
TRoundBonus RoundClearedBonus(TMedalKind medal, TElementKind levelBonusKind, int levelBonusCount);

// The sound the results window greets the medal with.
std::string MedalNotifySound(TMedalKind medal);

// The medal a round earns from the seconds it took, and the trophy that pops
// into the results window.
class TResultMedal {
 public:
  static constexpr int TrophyDelay = 450;  // ms

  TResultMedal();

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  // Top-left of the trophy.
  int Left = 0;
  int Top = 0;
  // Longest playing times, in whole seconds, that still earn the medal.
  int SilverReqTime = 600;
  int GoldReqTime = 400;
  std::function<void(const std::string& name)> OnPlaySound;

  // Both limits from the level's round time: 65 % for silver, 40 % for
  // gold, halves rounded to even.
  void SetRoundTime(int seconds);
  TMedalKind Decide(int elapsedSeconds);
  TMedalKind MedalKind() const { return FMedalKind; }

  // The results window has arrived: the medal's sound, then the trophy.
  void Present();
  void StartTrophy();
  void Reset();
  void TickAndDraw();

  const TPlusOneBigHeart& Trophy() const { return FTrophy; }

 private:
  TMedalKind FMedalKind = mdNone;
  TPlusOneBigHeart FTrophy;
};

}  // namespace qm
