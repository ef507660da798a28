#include "rules/ElementGather.h"

#include <algorithm>

#include "engine/FrameTime.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {
namespace {

// Icon pattern of "Elements" per slot.
constexpr int kIconFrames[TElementGather::SlotCount] = {16, 17, 0, 1, 2, 3, 4, 5, 6, 7, 12, 13, 14, 15, 18, 19, 20};

// Pattern of "ElementPanel" for a piece at position i of count.
int PieceFrame(int i, int count) {
  if (count == 1) return 3;
  if (i == 0) return 0;
  return i == count - 1 ? 2 : 1;
}

// The slot a collected piece counts for, -1 for none.
int SlotOf(TElementKind kind, int index) {
  switch (kind) {
    case elFruit: return index >= 1 && index <= 8 ? ieFruit1 + index - 1 : -1;
    case elFlower: return index >= 1 && index <= 4 ? ieFlower1 + index - 1 : -1;
    case elPotion: return index >= 1 && index <= 2 ? iePotion1 + index - 1 : -1;
    case elGoldTile: return index >= 1 && index <= 2 ? ieGoldTile1 + index - 1 : -1;
    case elSpider: return ieSpider;
  }
  return -1;
}

}  // namespace

TElementGather::TElementGather() {
  for (TJackpotScore& counter : FCounters) {
    counter.DigitImg = "ElementGatherNumber";
    counter.DigitBlurImg = "ElementGatherNumberBlur";
    counter.ShowLeadingZeros = false;
    counter.AutoCentered = true;
    counter.Increment = 1;
    counter.SetDigits(2);
    counter.OnPlaySound = [this](const std::string& name) {
      if (OnPlaySound) OnPlaySound(name);
    };
  }
  FTargets[ieFruit1] = 1;
  FTargets[ieFruit2] = 1;
  Recompute();
}

void TElementGather::SetTarget(TIndividualElementKind kind, int value) {
  if (kind >= SlotCount) return;
  FTargets[kind] = value;
  Recompute();
}

void TElementGather::Recompute() {
  FActiveCount = 0;
  for (int slot = 0; slot < SlotCount; ++slot)
    if (FTargets[slot] > 0) FActive[FActiveCount++] = slot;
  int width = 0;
  for (int i = 0; i < FActiveCount; ++i)
    width += i == 0 || i == FActiveCount - 1 ? LeftSlotWidth : MiddleSlotWidth;
  FPanelLeft = CenterPos - width / 2;
  FPanelWidth = width;
  for (int slot = 0; slot < SlotCount; ++slot) {
    FCounters[slot].OmgImgList = OmgImgList;
    FCounters[slot].SetValue(FTargets[slot]);
  }
}

void TElementGather::StartRound() {
  FMotion = mtStill;
  for (TJackpotScore& counter : FCounters) counter.Clear();
  FCompleteReported = false;
  Recompute();
  FPulses.fill(TPulse{});
  FIdle.fill(TIdle{});
}

void TElementGather::ShowPanel() {
  FX = FPanelLeft;
  FY = HidingPosY;
  FMotion = mtSlidingIn;
}

void TElementGather::HidePanel() { FMotion = mtSlidingOut; }

bool TElementGather::IsRequired(TIndividualElementKind kind) const {
  return kind < SlotCount && FCounters[kind].Value() > 0;
}

TPoint TElementGather::SlotPosition(TIndividualElementKind kind) const {
  if (kind >= SlotCount) return {320, 30};
  return {FCounters[kind].Left, FCounters[kind].Top};
}

void TElementGather::Collect(TElementKind kind, int index) {
  const int slot = SlotOf(kind, index);
  if (slot < 0) return;
  CountDown(slot);
  const bool allDone =
      std::all_of(FCounters.begin(), FCounters.end(), [](const TJackpotScore& c) { return c.Value() == 0; });
  if (allDone && !FCompleteReported) {
    FCompleteReported = true;
    if (OnComplete) OnComplete(*this);
  }
}

void TElementGather::CountDown(int slot) {
  FIdle[slot].Time = 0;
  TJackpotScore& counter = FCounters[slot];
  if (counter.Value() <= 0) return;
  counter.AddCounting(-1, jsScoreCount);
  if (counter.Value() == 0 && OnSlotDone) OnSlotDone(*this, counter.Left);
  FIdle[slot].PendingPulses = 0;
  StartPulse(slot);
}

void TElementGather::StartPulse(int slot) {
  TPulse& pulse = FPulses[slot];
  pulse.Pulsing = true;
  pulse.Growing = true;
  pulse.BlownElapsed = 0;
}

void TElementGather::AdvancePulse(TPulse& pulse) {
  if (!pulse.Pulsing) return;
  if (pulse.Growing) {
    pulse.Size = std::min(pulse.Size + PulsingStepUp, double(MaxPulsingSize));
    if (pulse.Size < MaxPulsingSize) return;
    pulse.BlownElapsed += FrameMs;
    if (pulse.BlownElapsed >= BlownTime) pulse.Growing = false;
    return;
  }
  pulse.Size = std::max(pulse.Size - PulsingStepDown, double(MinPulsingSize));
  if (pulse.Size <= MinPulsingSize) pulse.Pulsing = false;
}

// A slot nothing has arrived at for a long while reminds the player with a
// few pulses. The idle clock runs with the panel's frames.
void TElementGather::NotifyIdleSlots() {
  for (int i = 0; i < FActiveCount; ++i) {
    const int slot = FActive[i];
    TIdle& idle = FIdle[slot];
    if (idle.PendingPulses > 0) {
      if (!FPulses[slot].Pulsing) {
        StartPulse(slot);
        --idle.PendingPulses;
      }
      continue;
    }
    idle.Time += FrameMs;
    if (idle.Time < IdleSlotNotifyTime) continue;
    idle.Time = 0;
    if (FCounters[slot].Value() > 0) idle.PendingPulses = SlotNotifyCount;
  }
}

void TElementGather::TickAndDraw() {
  if (!Visible) return;
  if (FMotion == mtSlidingIn && StepToward(FY, MoveStep, Top)) FMotion = mtStill;
  if (FMotion == mtSlidingOut && StepToward(FY, MoveStep, HidingPosY)) FMotion = mtStill;
  NotifyIdleSlots();
  DrawSlots();
}

void TElementGather::DrawSlots() {
  int offset = 0;
  for (int i = 0; i < FActiveCount; ++i) {
    const int slot = FActive[i];
    const bool first = i == 0;
    // Middle and last pieces overlap the one before by 3 pixels.
    const int pieceX = FX + offset - (first ? 0 : 3);
    offset += first ? LeftSlotWidth : MiddleSlotWidth;
    if (OmgImgList)
      DrawImage(*OmgImgList, "ElementPanel", float(pieceX), float(FY), PieceFrame(i, FActiveCount));

    const int iconX = pieceX + (first ? 40 : 31);
    const int iconY = FY + 7;
    TJackpotScore& counter = FCounters[slot];
    const int alpha = counter.ShownValue() > 0 ? 255 : 125;
    TPulse& pulse = FPulses[slot];
    if (pulse.Pulsing) {
      AdvancePulse(pulse);
      const float scaleX = float(pulse.Size / OrigPulsingFruitWidth * 1.06);
      const float scaleY = float(pulse.Size / OrigPulsingFruitHeight * 1.06);
      if (OmgImgList)
        DrawImageEx(*OmgImgList, "Elements", float(iconX), float(iconY), 0, 0.5f, 0.5f, scaleX, scaleY, 255, 255,
                    255, alpha, kIconFrames[slot], 0);
    } else if (OmgImgList) {
      DrawImage(*OmgImgList, "Elements", float(iconX), float(iconY), kIconFrames[slot], alpha);
    }

    counter.Left = iconX + 15 - (counter.Value() >= 100 ? 5 : 0);
    counter.Top = FY + 56;
    if (counter.ShownValue() > 0) counter.TickAndDraw();
  }
}

void TElementGather::ReloadDigitSizes() {
  for (TJackpotScore& counter : FCounters) {
    counter.OmgImgList = OmgImgList;
    counter.ReloadSizes();
  }
}

}  // namespace qm
