#include "text/CreditLines.h"

#include <algorithm>

#include "engine/StepHelpers.h"
#include "text/GameTextIds.h"
#include "text/GlobalGameText.h"
#include "text/TextStrings.h"

namespace qm {

namespace {

constexpr int kFadeInStep = 15;
constexpr int kFadeOutStep = 20;
constexpr int kHeadingRaise = 1;

}  // namespace

void TCreditLines::Activate(int index) {
  FSlots[index - 1].Active = true;
  FSlots[index - 1].Alpha = StartingAlpha;
}

void TCreditLines::Start() {
  for (int index = 1; index <= SlotCount; ++index) {
    TSlot& slot = FSlots[index - 1];
    slot = TSlot{};
    slot.Position = float(MaxVertPos);
    FReleased[index - 1] = false;
    if (!TextStringsComp) continue;
    std::string text = TextStringsComp->Text(ttCredits, index);
    if (!text.empty() && text.front() == CreditsTextId::HeadingMark) {
      slot.Heading = true;
      text.erase(0, 1);
    }
    slot.Text = text.substr(0, CreditsTextId::MaxLineLength);
  }
  Activate(1);
}

void TCreditLines::Step(int index) {
  TSlot& slot = FSlots[index - 1];
  slot.Position -= 1;
  if (slot.Position >= float(LineGap))
    StepToward(slot.Alpha, kFadeInStep, MaxAlpha);
  else
    StepToward(slot.Alpha, kFadeOutStep, 0);
  if (!FReleased[index - 1] && slot.Position <= float(MaxVertPos - LineGap)) {
    FReleased[index - 1] = true;
    if (index < SlotCount) Activate(index + 1);
  }
  if (slot.Position <= 0) slot.Active = false;
}

void TCreditLines::Draw(const TSlot& slot) const {
  if (!GlobGameText) return;
  const float scale = slot.Heading ? HeadingScale : LineScale;
  const int width = GlobGameText->TextWidth(slot.Text, 0, scale);
  const int x = Left + (HorzAreaWidth - width) / 2;
  const int y = Top + RoundToEven(slot.Position) - (slot.Heading ? kHeadingRaise : 0);
  GlobGameText->DrawText(x, y, slot.Text, scale, 0, slot.Alpha, 0, slot.Heading ? TextColor::Yellow : TextColor::White);
}

void TCreditLines::TickAndDraw() {
  // Last to first, so a line sent up this frame first moves in the next
  // one and enters exactly LineGap below the line before it.
  for (int index = SlotCount; index >= 1; --index) {
    if (!FSlots[index - 1].Active) continue;
    Step(index);
    if (FSlots[index - 1].Active) Draw(FSlots[index - 1]);
  }
  if (std::none_of(FSlots.begin(), FSlots.end(), [](const TSlot& slot) { return slot.Active; })) Start();
}

}  // namespace qm
