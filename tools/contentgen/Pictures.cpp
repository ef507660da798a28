#include "Pictures.h"

namespace contentgen {

void GeneratePictures(const std::filesystem::path&) {}

}  // namespace contentgen
