#pragma once

#include <cstdint>
#include <vector>

namespace qm {

// A decoded picture: 8-bit RGBA, rows top to bottom, no padding.
struct TRgbaImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;  // Width * Height * 4 bytes

  TRgbaImage() = default;
  TRgbaImage(int width, int height) : Width(width), Height(height), Pixels(std::size_t(width) * height * 4, 0) {}

  bool Empty() const { return Width <= 0 || Height <= 0; }
  std::uint8_t* At(int x, int y) { return &Pixels[(std::size_t(y) * Width + x) * 4]; }
  const std::uint8_t* At(int x, int y) const { return &Pixels[(std::size_t(y) * Width + x) * 4]; }
};

}  // namespace qm
