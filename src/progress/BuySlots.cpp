#include "progress/BuySlots.h"

#include <algorithm>

#include "engine/OmegaImageList.h"
#include "text/GlobalGameText.h"

namespace qm {

namespace {

// The offer, by upgrade number 1..20: book points and feature.
constexpr struct {
  int BookPoints;
  int Feature;
} kOffer[] = {{4, 1}, {4, 0}, {4, 2}, {5, 0},  {4, 6}, {4, 0},  {4, 3}, {5, 0}, {4, 4}, {4, 9},
              {5, 7}, {6, 0}, {5, 8}, {5, 10}, {5, 5}, {6, 0}, {5, 0}, {5, 0}, {5, 0}, {6, 0}};

constexpr int kMaxBookPoints = 95;
constexpr int kIconLeft = 11, kIconTop = 9, kNameLeft = 105, kNameTop = 12, kNameSecondTop = 29;
constexpr int kBoughtLeft = 110, kBoughtTop = 57, kButtonLeft = 101, kButtonTop = 41;

}  // namespace

TEarning ClearedTileEarning(int code, int island) {
  if (code >= 1 && code <= 3) return {elFruit, 1.0f};
  if (code >= 4 && code <= 6) return {elFruit, 1.2f};
  if (code == 7) return {elFruit, 1.4f};
  if (code == 8) return {elFruit, 1.6f};
  if (code >= ecFirstFlower && code <= ecLastFlower) return {elFlower, 1.0f + 0.2f * float(code - ecFirstFlower)};
  if (code == ecPotion1) return {elPotion, island == 4 ? 1.4f : 1.0f};
  if (code == ecPotion2) return {elPotion, 1.4f};
  return {elFruit, 0.0f};
}

float GoldTileEarning(std::uint16_t flags, int island) {
  return (flags & UpgradedTilesFlag) != 0 || island == 3 ? 1.4f : 1.0f;
}

TBuySlots::TBuySlots() {
  for (int number = 1; number <= IslandCount * SlotCount; ++number) {
    TBuySlot& slot = FSlots[std::size_t(number - 1)];
    slot.Number = number;
    slot.BookPoints = kOffer[number - 1].BookPoints;
    slot.Feature = kOffer[number - 1].Feature;
  }
  for (int slot = 1; slot <= SlotCount; ++slot) {
    auto button = std::make_unique<TGameButton>();
    button->ImageName = "BuySlotBuyButton";
    button->Tag = slot;
    button->OnClick = [this](TGameButton& sender) { Buy(sender.Tag); };
    button->OnPlaySound = [this](const std::string& sound) {
      if (OnPlaySound) OnPlaySound(sound);
    };
    button->OnCursorRequest = [this](TCursorShape shape) {
      if (OnCursorRequest) OnCursorRequest(shape);
    };
    FButtons[std::size_t(slot - 1)] = std::move(button);
  }
}

void TBuySlots::SetPrices(const TSlotPrices& prices) {
  for (int island = 1; island <= IslandCount; ++island)
    for (int slot = 1; slot <= SlotCount; ++slot)
      for (int kind = 0; kind < KindCount; ++kind)
        FSlots[Index(island, slot)].Prices[std::size_t(kind)] = prices.Price(island, slot, kind);
}

void TBuySlots::AddOwned(TElementKind kind, float amount) {
  // Pieces still flying when a round was lost or given up pay nothing.
  if (FRound == TRoundEarnings::TakenBack) return;
  FAccounts[kind] += amount;
  if (FRound == TRoundEarnings::Open) FEarnings[kind] += amount;
  if (OnOwnedElementsAdd) OnOwnedElementsAdd(kind, amount);
}

void TBuySlots::Spend(TElementKind kind, float amount) { FAccounts[kind] = std::max(0.0f, FAccounts[kind] - amount); }

void TBuySlots::ClearEarnings() {
  FEarnings.fill(0);
  FRound = TRoundEarnings::Open;
}

void TBuySlots::KeepEarnings() {
  FEarnings.fill(0);
  FRound = TRoundEarnings::None;
}

void TBuySlots::RevertEarnings() {
  FAccounts = AccountsBeforeRound();
  FEarnings.fill(0);
  FRound = TRoundEarnings::TakenBack;
}

TAccounts TBuySlots::AccountsBeforeRound() const {
  TAccounts before = FAccounts;
  for (std::size_t kind = 0; kind < before.size(); ++kind) before[kind] = std::max(0.0f, before[kind] - FEarnings[kind]);
  return before;
}

void TBuySlots::UpdateAffordable() {
  for (TBuySlot& slot : FSlots) {
    slot.Affordable = true;
    for (std::size_t kind = 0; kind < FAccounts.size(); ++kind)
      if (!(FAccounts[kind] >= slot.Prices[kind])) slot.Affordable = false;
  }
}

bool TBuySlots::IslandComplete() const { return IslandBought(IslandIdx); }

bool TBuySlots::IslandBought(int island) const {
  for (int slot = 1; slot <= SlotCount; ++slot)
    if (!Slot(island, slot).Bought) return false;
  return true;
}

bool TBuySlots::FirstThreeBought() const {
  for (int slot = 1; slot <= 3; ++slot)
    if (!Slot(IslandIdx, slot).Bought) return false;
  return true;
}

bool TBuySlots::AllBought() const {
  return std::all_of(FSlots.begin(), FSlots.end(), [](const TBuySlot& slot) { return slot.Bought; });
}

int TBuySlots::BookPoints() const {
  int points = 0;
  for (const TBuySlot& slot : FSlots)
    if (slot.Bought) points += slot.BookPoints;
  return std::min(points, kMaxBookPoints);
}

void TBuySlots::RecomputeFlags() {
  FFlags = 0;
  for (const TBuySlot& slot : FSlots)
    if (slot.Bought && slot.Feature >= 1) FFlags = std::uint16_t(FFlags | (1u << slot.Feature));
}

bool TBuySlots::CanBuy(int slot) const {
  if (slot < 1 || slot > SlotCount) return false;
  const TBuySlot& record = Slot(IslandIdx, slot);
  if (record.Bought || !record.Affordable) return false;
  // The island's last upgrade waits for its first three.
  return slot != SlotCount || FirstThreeBought();
}

void TBuySlots::Buy(int slot) {
  if (!CanBuy(slot)) return;
  TBuySlot& record = CurrentSlot(slot);
  record.Bought = true;
  RecomputeFlags();
  if (OnBuy) OnBuy(IslandIdx, record.Prices, slot);
}

int TBuySlots::Notice() {
  for (int slot = SlotCount; slot >= 1; --slot) {
    TBuySlot& record = CurrentSlot(slot);
    if (record.Affordable && !record.Bought && !record.Noticed) {
      record.Noticed = true;
      if (OnPlaySound) OnPlaySound("MannaNotify3");
      return slot;
    }
  }
  return 0;
}

void TBuySlots::LoadFrom(const TProgressRecord& record) {
  for (std::size_t kind = 0; kind < FAccounts.size(); ++kind)
    // A damaged record cannot put an account below nothing.
    FAccounts[kind] = record.OwnedElements[kind] >= 0 ? record.OwnedElements[kind] : 0.0f;
  FEarnings.fill(0);
  FRound = TRoundEarnings::None;
  for (std::size_t i = 0; i < FSlots.size(); ++i) {
    FSlots[i].Bought = record.UpgradesBought[i] != 0;
    FSlots[i].Noticed = false;
  }
  RecomputeFlags();
  UpdateAffordable();
}

void TBuySlots::StoreInto(TProgressRecord& record) const {
  // A round's earnings are the player's once it is won.
  record.OwnedElements = AccountsBeforeRound();
  for (std::size_t i = 0; i < FSlots.size(); ++i) record.UpgradesBought[i] = FSlots[i].Bought ? 1 : 0;
}

void TBuySlots::FetchSizes() {
  for (auto& button : FButtons) {
    button->OmgImgList = OmgImgList;
    button->FetchSize();
  }
}

void TBuySlots::PlaceButtons() {
  for (int slot = 1; slot <= SlotCount; ++slot) {
    TGameButton& button = BuyButton(slot);
    button.OmgImgList = OmgImgList;
    button.Left = Left + (slot - 1) * SlotGap + kButtonLeft;
    button.Top = Top + kButtonTop;
    button.Visible = !Slot(IslandIdx, slot).Bought;
    button.Enabled = CanBuy(slot);
  }
}

void TBuySlots::Draw() {
  PlaceButtons();
  for (int slot = 1; slot <= SlotCount; ++slot) {
    const TBuySlot& record = Slot(IslandIdx, slot);
    const int x = Left + (slot - 1) * SlotGap;
    DrawImage(*OmgImgList, record.Bought ? "BuySlotIcons_Gray" : "BuySlotIcons", x + kIconLeft, Top + kIconTop,
              record.Number - 1);
    DrawImage(*OmgImgList, "BuySlotGlassCover", x, Top, 0);
    if (GlobGameText) {
      const std::string& name = Names[std::size_t(record.Number - 1)];
      const int alpha = record.Bought ? 100 : 245;
      for (int line = 1; line <= NameLines; ++line)
        GlobGameText->DrawText(x + kNameLeft, Top + (line == 1 ? kNameTop : kNameSecondTop),
                               WrapLine(fkAirstripNormal, name, DescWidthAdd, line, MaxDescTextWidth, DescSizeRatio),
                               DescSizeRatio, DescWidthAdd, alpha, 0, TextColor::White);
      if (record.Bought)
        GlobGameText->DrawText(x + kBoughtLeft, Top + kBoughtTop, BoughtLabel, BoughtLabelScale, 0, 150,
                               BoughtLabelWidth, TextColor::White);
    }
    if (record.Bought) continue;
    TGameButton& button = BuyButton(slot);
    button.Draw();
    if (slot == SlotCount && !FirstThreeBought()) DrawImage(*OmgImgList, "BuySlotLock", button.Left, button.Top, 0);
  }
}

void TBuySlots::HoverSlot(int slot) {
  if (slot == FHoverSlot) return;
  if (FHoverSlot != 0 && OnBuyButtonMouseOff)
    OnBuyButtonMouseOff(IslandIdx, Slot(IslandIdx, FHoverSlot), FHoverSlot);
  FHoverSlot = slot;
  if (slot != 0 && OnBuyButtonMouseOver) OnBuyButtonMouseOver(IslandIdx, Slot(IslandIdx, slot), slot);
}

// The hint panel follows the pointer over every unbought slot's button,
// enabled or not, so a player can see what is missing.
void TBuySlots::MouseMove(int x, int y) {
  if (!Enabled) {
    HoverSlot(0);
    return;
  }
  PlaceButtons();
  int over = 0;
  for (int slot = 1; slot <= SlotCount; ++slot) {
    TGameButton& button = BuyButton(slot);
    if (!button.Visible) continue;
    button.MouseMove(x, y);
    if (button.HitTest(x, y)) over = slot;
  }
  HoverSlot(over);
}

void TBuySlots::MouseDown(int x, int y, TMouseButton mouseButton) {
  if (!Enabled) return;
  PlaceButtons();
  for (auto& button : FButtons) button->MouseDown(x, y, mouseButton);
}

void TBuySlots::MouseUp(int x, int y) {
  if (!Enabled) return;
  PlaceButtons();
  for (auto& button : FButtons) button->MouseUp(x, y);
}

}  // namespace qm
