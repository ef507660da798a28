#pragma once

#include <filesystem>

namespace contentgen {

void GeneratePictures(const std::filesystem::path& programFolder);

}  // namespace contentgen
