#pragma once

#include <filesystem>

#include "platform/RgbaImage.h"

namespace qm {

// Writes image as an 8-bit RGBA PNG. The file appears whole or not at all: it
// is written beside the target under a temporary name, synced, then renamed
// over it. False when anything fails (the target is then left as it was).
bool WritePng(const std::filesystem::path& path, const TRgbaImage& image);

}  // namespace qm
