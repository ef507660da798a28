// Upgrade prices, from what a round of each island really pays. An island's
// four upgrades together cost what its authored levels but the last two pay
// on average, so a player who plays well buys all four a level or two
// before the island's levels run out, and nobody in two or three rounds.
// The split is 21 / 23 / 25 / 31 %: the fourth upgrade, which opens the next
// island, is the dearest.
#include "Prices.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "rules/LevelParams.h"

namespace contentgen {

namespace {

// Per island: fruit, flowers, potions, gold tiles, spiders earned by a won
// round, measured with quillmere-autoplay (hint moves, seeds 1 to 5, every
// normal level it can win; see README.md). Spiders cannot be knocked off
// the board yet, so their column keeps the assumption of one spider target
// per level from island 2 on.
constexpr double kEarnedPerRound[qm::PriceIslandCount][qm::PriceKindCount] = {
    {182.7, 0, 0, 0, 0},
    {236.3, 10.8, 0, 0, 0.9},
    {361.4, 21.4, 0, 10.8, 1.1},
    {436.6, 37.1, 1.1, 9.0, 1.25},
    {438.4, 31.4, 0.5, 6.3, 1.3},
};
constexpr int kRoundsToSpare = 2;
constexpr int kFewestRounds = 3;
constexpr double kSlotWeights[qm::PriceSlotCount] = {0.21, 0.23, 0.25, 0.31};

// Fruit prices in fives read better in the shop; the rarer kinds stay whole.
double RoundPrice(double price, int kind) {
  const double step = kind == 0 ? 5 : 1;
  return std::max(price > 0 ? step : 0.0, std::round(price / step) * step);
}

void Refuse(const std::string& why, int island) {
  throw std::runtime_error("island " + std::to_string(island) + ": " + why);
}

}  // namespace

double EarnedPerRound(int island, int kind) { return kEarnedPerRound[island - 1][kind]; }

int RoundsToBuyAnIsland(int island) { return qm::AuthoredLevelCount(island) - kRoundsToSpare; }

qm::TSlotPrices UpgradePrices() {
  qm::TSlotPrices prices;
  for (int island = 1; island <= qm::PriceIslandCount; ++island) {
    if (RoundsToBuyAnIsland(island) < kFewestRounds) Refuse("too few levels to pace its upgrades", island);
    for (int kind = 0; kind < qm::PriceKindCount; ++kind) {
      const double budget = EarnedPerRound(island, kind) * RoundsToBuyAnIsland(island);
      double total = 0;
      for (int slot = 1; slot <= qm::PriceSlotCount; ++slot) {
        const double price = RoundPrice(budget * kSlotWeights[slot - 1], kind);
        prices.SetPrice(island, slot, kind, float(price));
        total += price;
      }
      for (int slot = 1; slot < qm::PriceSlotCount; ++slot)
        if (prices.Price(island, slot, kind) > prices.Price(island, qm::PriceSlotCount, kind))
          Refuse("upgrade 4 must be the dearest", island);
      if (total > EarnedPerRound(island, kind) * qm::AuthoredLevelCount(island) + 1)
        Refuse("its upgrades cost more than its levels pay", island);
    }
  }
  return prices;
}

void GeneratePrices(const std::filesystem::path& programFolder) {
  qm::WriteSlotPrices(programFolder / qm::SlotPricesFileName, UpgradePrices());
}

}  // namespace contentgen
