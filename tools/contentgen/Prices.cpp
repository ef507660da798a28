// Upgrade prices. Each island's levels are expected to pay at least the
// amounts in kIslandEarnings (the sum of the targets of its normal levels:
// every collected element earns at least 1.0, and fruit is cleared far beyond
// its targets). The four upgrades of an island together cost kShareOfEarnings
// of that, so clearing the island's levels once buys all four; the fourth
// upgrade, which opens the next island, is the dearest.
#include "Prices.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace contentgen {

namespace {

// Per island: fruit, flowers, potions, gold tiles, spiders. Spiders arrive on
// island 2, golden tiles on island 3 and potions on island 4, as the
// tutorials introduce them.
constexpr double kIslandEarnings[qm::PriceIslandCount][qm::PriceKindCount] = {
    {300, 0, 0, 0, 0},
    {440, 40, 0, 0, 12},
    {585, 60, 0, 60, 16},
    {700, 70, 16, 60, 20},
    {880, 80, 20, 80, 24},
};
constexpr double kShareOfEarnings = 0.7;
constexpr double kSlotWeights[qm::PriceSlotCount] = {0.21, 0.23, 0.25, 0.31};

// Fruit prices in fives read better in the shop; the rarer kinds stay whole.
double RoundPrice(double price, int kind) {
  const double step = kind == 0 ? 5 : 1;
  return std::max(price > 0 ? step : 0.0, std::round(price / step) * step);
}

}  // namespace

qm::TSlotPrices UpgradePrices() {
  qm::TSlotPrices prices;
  for (int island = 1; island <= qm::PriceIslandCount; ++island)
    for (int kind = 0; kind < qm::PriceKindCount; ++kind) {
      const double budget = kIslandEarnings[island - 1][kind] * kShareOfEarnings;
      double total = 0;
      for (int slot = 1; slot <= qm::PriceSlotCount; ++slot) {
        const double price = RoundPrice(budget * kSlotWeights[slot - 1], kind);
        prices.SetPrice(island, slot, kind, float(price));
        total += price;
        if (slot == qm::PriceSlotCount)
          for (int other = 1; other < slot; ++other)
            if (prices.Price(island, other, kind) > price)
              throw std::runtime_error("upgrade 4 of island " + std::to_string(island) + " must be the dearest");
      }
      if (total > kIslandEarnings[island - 1][kind])
        throw std::runtime_error("island " + std::to_string(island) + " upgrades cost more than its levels pay");
    }
  return prices;
}

void GeneratePrices(const std::filesystem::path& programFolder) {
  qm::WriteSlotPrices(programFolder / qm::SlotPricesFileName, UpgradePrices());
}

}  // namespace contentgen
