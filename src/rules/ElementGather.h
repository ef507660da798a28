#pragma once

#include <array>
#include <functional>
#include <string>

#include "board/GeneralDataClass.h"
#include "rules/JackpotScore.h"

namespace qm {

class TOmegaImageList;

// The objectives panel above the board: one slot per kind of piece the level
// asks for, with the kind's icon and how many are still needed. Pieces that
// reach the panel count their slot down; the panel reports each finished
// slot and, once, the whole level.
class TElementGather {
 public:
  static constexpr int SlotCount = 17;
  using TNotify = std::function<void(TElementGather& sender)>;
  // x is the finished slot's counter position.
  using TSlotDoneEvent = std::function<void(TElementGather& sender, int x)>;

  TElementGather();
  // The counters call back into the panel that owns them.
  TElementGather(const TElementGather&) = delete;
  TElementGather& operator=(const TElementGather&) = delete;

  TOmegaImageList* OmgImgList = nullptr;
  int CenterPos = 684;
  int Top = 0;
  bool Visible = true;
  int MoveStep = 1;
  int HidingPosY = -100;
  int LeftSlotWidth = 121;
  int MiddleSlotWidth = 111;
  int OrigPulsingFruitWidth = 58;
  int OrigPulsingFruitHeight = 58;
  int MinPulsingSize = 52;
  int MaxPulsingSize = 65;
  double PulsingStepUp = 12.0;
  double PulsingStepDown = 7.0;
  int BlownTime = 450;
  int IdleSlotNotifyTime = 45000;
  int SlotNotifyCount = 3;
  TSlotDoneEvent OnSlotDone;
  TNotify OnComplete;
  std::function<void(const std::string& name)> OnPlaySound;

  // Every target change re-lays the panel and sets the slot's count.
  int Target(TIndividualElementKind kind) const { return kind < SlotCount ? FTargets[kind] : 0; }
  void SetTarget(TIndividualElementKind kind, int value);

  int TargetPotions1() const { return Target(iePotion1); }
  int TargetPotions2() const { return Target(iePotion2); }
  int TargetBananas() const { return Target(ieFruit1); }
  int TargetStrawberries() const { return Target(ieFruit2); }
  int TargetApples() const { return Target(ieFruit3); }
  int TargetGrapes() const { return Target(ieFruit4); }
  int TargetOranges() const { return Target(ieFruit5); }
  int TargetPlums() const { return Target(ieFruit6); }
  int TargetCherries() const { return Target(ieFruit7); }
  int TargetGuavas() const { return Target(ieFruit8); }
  int TargetFlowers1() const { return Target(ieFlower1); }
  int TargetFlowers2() const { return Target(ieFlower2); }
  int TargetFlowers3() const { return Target(ieFlower3); }
  int TargetFlowers4() const { return Target(ieFlower4); }
  int TargetSpiders() const { return Target(ieSpider); }
  int TargetGoldTiles1() const { return Target(ieGoldTile1); }
  int TargetGoldTiles2() const { return Target(ieGoldTile2); }
  void SetTargetPotions1(int v) { SetTarget(iePotion1, v); }
  void SetTargetPotions2(int v) { SetTarget(iePotion2, v); }
  void SetTargetBananas(int v) { SetTarget(ieFruit1, v); }
  void SetTargetStrawberries(int v) { SetTarget(ieFruit2, v); }
  void SetTargetApples(int v) { SetTarget(ieFruit3, v); }
  void SetTargetGrapes(int v) { SetTarget(ieFruit4, v); }
  void SetTargetOranges(int v) { SetTarget(ieFruit5, v); }
  void SetTargetPlums(int v) { SetTarget(ieFruit6, v); }
  void SetTargetCherries(int v) { SetTarget(ieFruit7, v); }
  void SetTargetGuavas(int v) { SetTarget(ieFruit8, v); }
  void SetTargetFlowers1(int v) { SetTarget(ieFlower1, v); }
  void SetTargetFlowers2(int v) { SetTarget(ieFlower2, v); }
  void SetTargetFlowers3(int v) { SetTarget(ieFlower3, v); }
  void SetTargetFlowers4(int v) { SetTarget(ieFlower4, v); }
  void SetTargetSpiders(int v) { SetTarget(ieSpider, v); }
  void SetTargetGoldTiles1(int v) { SetTarget(ieGoldTile1, v); }
  void SetTargetGoldTiles2(int v) { SetTarget(ieGoldTile2, v); }

  // A new round: counts back to the targets, nothing reported yet. The
  // level's targets are set after this.
  void StartRound();
  void ShowPanel();
  void HidePanel();

  // A piece of kind and index (fruit 1..8, flower 1..4, potion 1..2, gold
  // tile 1..2; spiders have none) arrived at the panel.
  void Collect(TElementKind kind, int index);
  bool IsRequired(TIndividualElementKind kind) const;
  // Where a piece of that kind flies to.
  TPoint SlotPosition(TIndividualElementKind kind) const;
  // Still needed of that kind.
  int Remaining(TIndividualElementKind kind) const { return kind < SlotCount ? FCounters[kind].Value() : 0; }

  void TickAndDraw();
  void ReloadDigitSizes();

  int ActiveCount() const { return FActiveCount; }
  int PanelLeft() const { return FPanelLeft; }
  int PanelWidth() const { return FPanelWidth; }
  TPoint Position() const { return {FX, FY}; }

 private:
  struct TPulse {
    bool Pulsing = false;
    bool Growing = true;
    double Size = 30;
    int BlownElapsed = 0;
  };
  struct TIdle {
    int Time = 0;
    int PendingPulses = 0;
  };
  enum TMotion { mtStill, mtSlidingIn, mtSlidingOut };

  void Recompute();
  void CountDown(int slot);
  void StartPulse(int slot);
  void AdvancePulse(TPulse& pulse);
  void NotifyIdleSlots();
  void DrawSlots();

  std::array<int, SlotCount> FTargets{};
  std::array<TJackpotScore, SlotCount> FCounters;
  std::array<TPulse, SlotCount> FPulses{};
  std::array<TIdle, SlotCount> FIdle{};
  std::array<int, SlotCount> FActive{};  // slot indices, FActiveCount used
  int FActiveCount = 0;
  int FPanelLeft = 0;
  int FX = 0;
  int FPanelWidth = 0;
  int FY = -100;
  TMotion FMotion = mtStill;
  bool FCompleteReported = false;
};

}  // namespace qm
