#pragma once

#include <cstdint>
#include <vector>

#include "platform/RgbaImage.h"

namespace qm::testing {

enum class TJpegKind { Baseline, Progressive };

// Encodes the picture's colour (or, for grey, its red channel) at high
// quality, as the decoder tests and picture folders need them.
std::vector<std::uint8_t> EncodeJpeg(const TRgbaImage& picture, TJpegKind kind, bool grey);

}  // namespace qm::testing
