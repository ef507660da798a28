#pragma once

#include <filesystem>

namespace contentgen {

void GenerateTexts(const std::filesystem::path& programFolder);

}  // namespace contentgen
