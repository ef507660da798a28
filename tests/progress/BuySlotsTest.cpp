#include "progress/BuySlots.h"
#include "progress/PowerTools.h"

#include <gtest/gtest.h>

#include <vector>

namespace qm {
namespace {

// A shop whose every upgrade costs the same.
TBuySlots ShopAt(int island, const TAccounts& price) {
  TBuySlots shop;
  TSlotPrices prices;
  for (int i = 1; i <= TBuySlots::IslandCount; ++i)
    for (int slot = 1; slot <= TBuySlots::SlotCount; ++slot)
      for (int kind = 0; kind < TBuySlots::KindCount; ++kind) prices.SetPrice(i, slot, kind, price[std::size_t(kind)]);
  shop.SetPrices(prices);
  shop.IslandIdx = island;
  return shop;
}

void Earn(TBuySlots& shop, const TAccounts& amounts) {
  for (int kind = 0; kind < TBuySlots::KindCount; ++kind)
    if (amounts[std::size_t(kind)] > 0) shop.AddOwned(TElementKind(kind), amounts[std::size_t(kind)]);
}

TEST(ShopAccounts, AnUpgradeIsAffordableOnlyWithEveryPriceCovered) {
  const struct {
    TAccounts Owned;
    bool Affordable;
  } cases[] = {
      {{10.4f, 3, 0, 0, 0}, false},
      {{10.5f, 3, 0, 0, 0}, true},
      {{50, 2.9f, 0, 0, 0}, false},
  };
  for (const auto& c : cases) {
    TBuySlots shop = ShopAt(1, {10.5f, 3, 0, 0, 0});
    Earn(shop, c.Owned);
    shop.UpdateAffordable();
    EXPECT_EQ(shop.Slot(1, 1).Affordable, c.Affordable) << c.Owned[0] << " fruit, " << c.Owned[1] << " flowers";
    EXPECT_EQ(shop.CanBuy(1), c.Affordable);
  }
}

TEST(ShopAccounts, BuyingWithExactlyThePricesLeavesNothing) {
  TBuySlots shop = ShopAt(2, {4, 3, 2, 1, 1});
  Earn(shop, {4, 3, 2, 1, 1});
  shop.UpdateAffordable();
  std::vector<int> bought;
  shop.OnBuy = [&](int island, const TAccounts& prices, int slot) {
    bought = {island, slot};
    for (int kind = 0; kind < TBuySlots::KindCount; ++kind) shop.Spend(TElementKind(kind), prices[std::size_t(kind)]);
  };
  shop.Buy(2);
  EXPECT_EQ(bought, (std::vector<int>{2, 2}));
  EXPECT_EQ(shop.Accounts(), (TAccounts{0, 0, 0, 0, 0}));
  EXPECT_TRUE(shop.Slot(2, 2).Bought);
  shop.Buy(2);
  EXPECT_EQ(bought, (std::vector<int>{2, 2})) << "a bought slot is not bought again";
}

TEST(ShopAccounts, TheLastUpgradeWaitsForTheIslandsFirstThree) {
  TProgressRecord record;
  // Slots 1, 2 and 4 of island 1 and slot 3 of island 2: island 2's first
  // three are not all bought.
  for (int number : {1, 2, 4, 7}) record.UpgradesBought[std::size_t(number - 1)] = 1;
  TBuySlots shop = ShopAt(2, {0, 0, 0, 0, 0});
  shop.LoadFrom(record);
  EXPECT_FALSE(shop.FirstThreeBought());
  EXPECT_FALSE(shop.CanBuy(4));
  EXPECT_TRUE(shop.CanBuy(1));
}

TEST(ShopAccounts, TakingARoundsEarningsBackNeverGoesBelowNothing) {
  TBuySlots shop = ShopAt(1, {});
  Earn(shop, {5, 0, 0, 0, 0});
  shop.ClearEarnings();
  Earn(shop, {12, 2, 0, 0, 0});
  shop.Spend(elFruit, 10);  // spent in between: 7 fruit left of 17
  shop.RevertEarnings();
  EXPECT_EQ(shop.Accounts(), (TAccounts{0, 0, 0, 0, 0}));
  Earn(shop, {3, 0, 0, 0, 0});
  shop.RevertEarnings();
  shop.RevertEarnings();
  EXPECT_EQ(shop.Accounts()[elFruit], 0) << "earnings are taken back once";
}

TEST(ShopAccounts, ARoundsEarningsAreThePlayersOnlyOnceItIsWon) {
  const struct {
    const char* What;
    void (TBuySlots::*End)();
    float Accounts;
    float Stored;
  } cases[] = {
      {"a round running", nullptr, 8, 5},
      {"a won round, and a piece landing after the win", &TBuySlots::KeepEarnings, 10, 10},
      {"a lost round, and a piece landing after the loss", &TBuySlots::RevertEarnings, 5, 5},
  };
  for (const auto& c : cases) {
    TBuySlots shop = ShopAt(1, {});
    Earn(shop, {5, 0, 0, 0, 0});
    shop.ClearEarnings();
    Earn(shop, {3, 0, 0, 0, 0});
    if (c.End) {
      (shop.*c.End)();
      Earn(shop, {2, 0, 0, 0, 0});
    }
    TProgressRecord record;
    shop.StoreInto(record);
    EXPECT_EQ(shop.Accounts()[elFruit], c.Accounts) << c.What;
    EXPECT_EQ(record.OwnedElements[elFruit], c.Stored) << c.What << ", in the record";
  }
}

TEST(ShopEarnings, EachClearedTileAndGoldTilePaysItsAmount) {
  const struct {
    int Code;
    int Island;
    TElementKind Kind;
    float Amount;
  } tiles[] = {{1, 1, elFruit, 1.0f},      {3, 1, elFruit, 1.0f},     {4, 1, elFruit, 1.2f},   {7, 1, elFruit, 1.4f},
               {8, 1, elFruit, 1.6f},      {9, 1, elFruit, 0.0f},     {12, 1, elFruit, 0.0f},  {0, 1, elFruit, 0.0f},
               {13, 1, elFlower, 1.0f},    {16, 1, elFlower, 1.6f},   {17, 1, elPotion, 1.0f}, {17, 4, elPotion, 1.4f},
               {18, 2, elPotion, 1.4f},    {101, 1, elFruit, 0.0f}};
  for (const auto& t : tiles) {
    const TEarning earning = ClearedTileEarning(t.Code, t.Island);
    EXPECT_FLOAT_EQ(earning.Amount, t.Amount) << "code " << t.Code << " on island " << t.Island;
    if (t.Amount > 0) {
      EXPECT_EQ(earning.Kind, t.Kind) << "code " << t.Code;
    }
  }
  EXPECT_FLOAT_EQ(GoldTileEarning(0, 1), 1.0f);
  EXPECT_FLOAT_EQ(GoldTileEarning(0, 3), 1.4f);
  EXPECT_FLOAT_EQ(GoldTileEarning(UpgradedTilesFlag, 1), 1.4f);
  EXPECT_FLOAT_EQ(GoldTileEarning(UpgradedTilesFlag, 5), 1.4f);
}

TEST(ShopUpgrades, BoughtFeaturesSetTheFlagsAndTheBookCountsItsPoints) {
  TProgressRecord record;
  record.UpgradesBought[9] = 1;   // island 3 slot 2: upgraded tiles
  record.UpgradesBought[13] = 1;  // island 4 slot 2: second potions
  record.OwnedElements = {1.5f, 2, 3, 4, -5};
  TBuySlots shop;
  shop.LoadFrom(record);
  EXPECT_EQ(shop.Flags(), UpgradedTilesFlag | SecondPotionsFlag);
  EXPECT_EQ(shop.BookPoints(), 4 + 5);
  EXPECT_EQ(shop.Accounts(), (TAccounts{1.5f, 2, 3, 4, 0})) << "a damaged account starts at nothing";
  TProgressRecord written;
  shop.StoreInto(written);
  EXPECT_EQ(written.UpgradesBought, record.UpgradesBought);

  record.UpgradesBought.fill(1);
  shop.LoadFrom(record);
  EXPECT_EQ(shop.BookPoints(), 95) << "the book's last points come with the zeppelin";
  EXPECT_TRUE(shop.AllBought());
}

TEST(ShopUpgrades, TheHighestNewlyAffordableSlotIsPointedOutOnce) {
  TBuySlots shop = ShopAt(1, {1, 0, 0, 0, 0});
  std::vector<std::string> sounds;
  shop.OnPlaySound = [&](const std::string& sound) { sounds.push_back(sound); };
  EXPECT_EQ(shop.Notice(), 0) << "nothing affordable yet";
  Earn(shop, {1, 0, 0, 0, 0});
  shop.UpdateAffordable();
  EXPECT_EQ(shop.Notice(), 4);
  EXPECT_EQ(shop.Notice(), 3);
  EXPECT_EQ(sounds, (std::vector<std::string>{"MannaNotify3", "MannaNotify3"}));
}

TEST(PowerToolsByLevel, TheFirstIslandHandsThemOutOneByOne) {
  // Hammer, bomb, big bomb, blaster, horizontal and vertical lightning.
  const struct {
    int Island, Level;
    TPowerToolSet Tools;
  } cases[] = {
      {1, 1, {false, false, false, false, false, false}}, {1, 2, {true, false, false, false, false, false}},
      {1, 3, {true, true, false, false, false, false}},   {1, 5, {true, true, false, true, false, false}},
      {1, 7, {true, true, false, true, true, false}},     {1, 8, {true, true, false, true, true, true}},
      {2, 1, {true, true, false, true, true, true}},      {2, 2, {true, true, true, true, true, true}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PowerToolsAvailable(c.Island, c.Level), c.Tools) << "island " << c.Island << " level " << c.Level;
}

}  // namespace
}  // namespace qm
