#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/RgbaImage.h"

namespace qm::testing {

// A part of a captured frame, edges included.
struct TFrameRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// How many pixels of the rectangle have a colour the predicate takes.
template <class Like>
int CountPixels(const TRgbaImage& frame, TFrameRect rect, Like like) {
  int count = 0;
  for (int y = std::max(rect.Top, 0); y <= std::min(rect.Bottom, frame.Height - 1); ++y)
    for (int x = std::max(rect.Left, 0); x <= std::min(rect.Right, frame.Width - 1); ++x) {
      const std::uint8_t* p = frame.At(x, y);
      if (like(int(p[0]), int(p[1]), int(p[2]))) ++count;
    }
  return count;
}

}  // namespace qm::testing
