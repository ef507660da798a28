#pragma once

#include <filesystem>

namespace contentgen {

// Draws every catalogue picture except the bitmap fonts into the program
// folder, and the lettered ones once more in the wording of every catalogue
// in translations (may be empty) into Images/<code>/.
void GeneratePictures(const std::filesystem::path& programFolder, const std::filesystem::path& translations);

}  // namespace contentgen
