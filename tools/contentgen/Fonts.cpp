#include "Fonts.h"

namespace contentgen {

void GenerateFonts(const std::filesystem::path&) {}

}  // namespace contentgen
