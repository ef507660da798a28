#pragma once

#include <filesystem>

#include "platform/RgbaImage.h"

namespace qm {

// Every frame of the gallery at a quarter of its size, in rows, in the
// order they were added, on a dark ground.
class TContactSheet {
 public:
  static constexpr int Columns = 6, Shrink = 4, Gap = 8;

  void Add(const TRgbaImage& frame);
  int Count() const { return FCount; }
  bool Write(const std::filesystem::path& file) const;

 private:
  TRgbaImage Sheet() const;

  std::vector<TRgbaImage> FThumbnails;
  int FCount = 0;
};

}  // namespace qm
