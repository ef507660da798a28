#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/RgbaImage.h"

namespace qm {

// A picture that cannot be read: missing, damaged, cut short, of an unknown
// kind or too large. The message names the file and the reason.
class EImageLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Larger pictures are refused before any pixel memory is taken, so a hostile
// header cannot make us allocate gigabytes.
inline constexpr int kMaxImageSide = 16384;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t(64) * 1024 * 1024;

// Decode a whole file held in memory; sourceName only labels the errors.
// Every PNG colour type, bit depth and interlacing comes out as 8-bit RGBA;
// JPEG (baseline or progressive, grey or colour) comes out opaque.
TRgbaImage DecodePng(const std::uint8_t* data, std::size_t size, const std::string& sourceName);
TRgbaImage DecodeJpeg(const std::uint8_t* data, std::size_t size, const std::string& sourceName);

// Reads and decodes a file, choosing the decoder by its extension (".png",
// ".jpg", ".jpeg", any case) unless forceJpeg says it is a JPEG whatever its name.
TRgbaImage DecodeImageFile(const std::filesystem::path& path, bool forceJpeg = false);

struct TImageSize {
  int Width = 0, Height = 0;
  bool operator==(const TImageSize&) const = default;
};
// The size a file's header gives, without decoding its pixels; nothing for a
// file that cannot be read or is no picture.
std::optional<TImageSize> ImageFileSize(const std::filesystem::path& path, bool forceJpeg = false);

}  // namespace qm
