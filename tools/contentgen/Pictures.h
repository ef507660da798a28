#pragma once

#include <filesystem>

namespace contentgen {

// Draws every catalogue picture except the bitmap fonts into the program folder.
void GeneratePictures(const std::filesystem::path& programFolder);

}  // namespace contentgen
