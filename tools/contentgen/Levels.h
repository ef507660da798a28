#pragma once

#include <filesystem>

namespace contentgen {

// Writes every level file of the default pack into "Levels" of the program
// folder.
void GenerateLevels(const std::filesystem::path& programFolder);

}  // namespace contentgen
