#pragma once

namespace qm {

// Pattern numbers with a meaning of their own.
constexpr int kPatternNone = -999;        // draw nothing (a hidden animation frame)
constexpr int kPatternWholePicture = -1;  // the whole picture in one pattern's quad

}  // namespace qm
