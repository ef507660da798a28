#include "Texts.h"

namespace contentgen {

void GenerateTexts(const std::filesystem::path&) {}

}  // namespace contentgen
