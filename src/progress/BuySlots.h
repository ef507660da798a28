#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "board/GeneralDataClass.h"
#include "platform/Window.h"
#include "progress/ProgressRecord.h"
#include "progress/SlotPrices.h"
#include "widgets/GameButton.h"

namespace qm {

class TOmegaImageList;
class TGlobalGameText;

// Amounts per element kind: fruit, flowers, potions, gold tiles, spiders.
using TAccounts = std::array<float, PriceKindCount>;

struct TBuySlot {
  int Number = 0;  // 1..20 across the islands
  bool Bought = false;
  bool Noticed = false;  // the player heard that it became affordable
  bool Affordable = false;
  TAccounts Prices{};
  int BookPoints = 0;
  int Feature = 0;  // 0 for none; bought features set bits of the upgrade flags
};

// Upgrade flags that change later rounds.
inline constexpr std::uint16_t UpgradedTilesFlag = 0x200;  // the upgraded tile look, gold tiles worth more
inline constexpr std::uint16_t SecondPotionsFlag = 0x400;  // levels place potion 2 instead of potion 1

// What one cleared tile of an element code earns, on an island: nothing for
// codes that earn nothing.
struct TEarning {
  TElementKind Kind = elFruit;
  float Amount = 0;
};
TEarning ClearedTileEarning(int elementCode, int island);
float GoldTileEarning(std::uint16_t flags, int island);

// The upgrade shop: the five accounts and what the current round added to
// them, the twenty upgrades with their prices, and the four slots of the
// current island with their buy buttons.
class TBuySlots {
 public:
  static constexpr int IslandCount = PriceIslandCount;
  static constexpr int SlotCount = PriceSlotCount;
  static constexpr int KindCount = PriceKindCount;
  // A slot shows its upgrade's name in two lines of small letters and, once
  // bought, a label where the buy button stood.
  static constexpr int NameWidth = 116;
  static constexpr float NameScale = 0.48f;
  static constexpr int NameSpacing = -2;
  static constexpr int NameLines = 2;
  static constexpr int BoughtLabelWidth = 90;
  static constexpr float BoughtLabelScale = 0.43f;

  TBuySlots();

  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  int Left = 0;
  int Top = 0;
  int SlotGap = 215;
  float DescSizeRatio = NameScale;
  int DescWidthAdd = NameSpacing;
  int MaxDescTextWidth = NameWidth;
  // The buttons take the mouse only while the shop is enabled.
  bool Enabled = true;
  int IslandIdx = 1;
  int LevelIdx = 1;
  int NextUncompletedIslandIdx = 1;
  int NextUncompletedLevelIdx = 1;
  // The upgrades' names by number (1..20 at [0..19]) and the label of a
  // bought slot; the owner fills them from the text tables.
  std::array<std::string, IslandCount * SlotCount> Names;
  std::string BoughtLabel;

  std::function<void(int island, const TAccounts& prices, int slot)> OnBuy;
  std::function<void(int island, const TBuySlot& record, int slot)> OnBuyButtonMouseOver;
  std::function<void(int island, const TBuySlot& record, int slot)> OnBuyButtonMouseOff;
  std::function<void(TElementKind kind, float amount)> OnOwnedElementsAdd;
  std::function<void(const std::string& sound)> OnPlaySound;
  std::function<void(TCursorShape shape)> OnCursorRequest;

  void SetPrices(const TSlotPrices& prices);

  void AddOwned(TElementKind kind, float amount);
  void Spend(TElementKind kind, float amount);
  // A round's earnings: counted from its start (ClearEarnings), the
  // player's once it is won (KeepEarnings), or taken back when it is lost,
  // restarted or given up (RevertEarnings; what arrives after that pays
  // nothing). Until it is won the record holds the accounts without them.
  void ClearEarnings();
  void KeepEarnings();
  void RevertEarnings();
  bool RoundEarningsOpen() const { return FRound == TRoundEarnings::Open; }
  const TAccounts& Accounts() const { return FAccounts; }
  void SetAccounts(const TAccounts& accounts) { FAccounts = accounts; }
  const TAccounts& Earnings() const { return FEarnings; }

  void UpdateAffordable();
  bool IslandComplete() const;
  // Every upgrade of that island bought.
  bool IslandBought(int island) const;
  bool FirstThreeBought() const;
  // Every upgrade of every island bought.
  bool AllBought() const;
  int BookPoints() const;
  std::uint16_t Flags() const { return FFlags; }
  const TBuySlot& Slot(int island, int slot) const { return FSlots[Index(island, slot)]; }
  // Whether the slot of the current island can be bought now.
  bool CanBuy(int slot) const;
  // A buy button's click.
  void Buy(int slot);
  // After the shop has slid in: the highest affordable slot not noticed yet
  // is noticed, with a sound; 0 when there is none.
  int Notice();

  // The accounts and the bought upgrades live in the player's record.
  void LoadFrom(const TProgressRecord& record);
  void StoreInto(TProgressRecord& record) const;

  TGameButton& BuyButton(int slot) { return *FButtons[std::size_t(slot - 1)]; }
  // Button sizes from the loaded pictures.
  void FetchSizes();
  void Draw();
  void MouseMove(int x, int y);
  void MouseDown(int x, int y, TMouseButton button);
  void MouseUp(int x, int y);

 private:
  static std::size_t Index(int island, int slot) { return std::size_t((island - 1) * SlotCount + slot - 1); }
  TBuySlot& CurrentSlot(int slot) { return FSlots[Index(IslandIdx, slot)]; }
  void RecomputeFlags();
  void PlaceButtons();
  void HoverSlot(int slot);

  std::array<TBuySlot, IslandCount * SlotCount> FSlots;
  std::array<std::unique_ptr<TGameButton>, SlotCount> FButtons;
  TAccounts AccountsBeforeRound() const;

  TAccounts FAccounts{};
  TAccounts FEarnings{};
  enum class TRoundEarnings { None, Open, TakenBack } FRound = TRoundEarnings::None;
  std::uint16_t FFlags = 0;
  int FHoverSlot = 0;
};

}  // namespace qm
