#pragma once

#include <filesystem>

namespace contentgen {

// Writes one PNG showing every catalogue picture found in the program
// folder, scaled into a labelled cell, for reviewing the art at a glance.
void WriteContactSheet(const std::filesystem::path& programFolder, const std::filesystem::path& sheet);

}  // namespace contentgen
