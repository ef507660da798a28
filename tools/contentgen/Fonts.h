#pragma once

#include <filesystem>

namespace contentgen {

void GenerateFonts(const std::filesystem::path& programFolder);

}  // namespace contentgen
