#pragma once

#include <filesystem>

#include "progress/SlotPrices.h"

namespace contentgen {

// The upgrade prices, worked out from what each island's levels pay.
qm::TSlotPrices UpgradePrices();

// Writes "SlotPrices.dat" into the program folder.
void GeneratePrices(const std::filesystem::path& programFolder);

}  // namespace contentgen
