#pragma once

#include <filesystem>

#include "progress/SlotPrices.h"

namespace contentgen {

// The upgrade prices, worked out from what each island's levels pay.
qm::TSlotPrices UpgradePrices();

// What a won round of the island pays into an account on average, and in
// how many such rounds its four upgrades are meant to be bought.
double EarnedPerRound(int island, int kind);
int RoundsToBuyAnIsland(int island);

// Writes "SlotPrices.dat" into the program folder.
void GeneratePrices(const std::filesystem::path& programFolder);

}  // namespace contentgen
