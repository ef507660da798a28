#include "ContactSheet.h"

#include <algorithm>

#include "platform/PngWriter.h"

namespace qm {

namespace {

// Each thumbnail pixel is the mean of the Shrink x Shrink pixels it stands for.
TRgbaImage Shrunk(const TRgbaImage& frame, int shrink) {
  TRgbaImage small(std::max(1, frame.Width / shrink), std::max(1, frame.Height / shrink));
  for (int y = 0; y < small.Height; ++y)
    for (int x = 0; x < small.Width; ++x) {
      int sum[4] = {};
      for (int dy = 0; dy < shrink; ++dy)
        for (int dx = 0; dx < shrink; ++dx) {
          const std::uint8_t* p = frame.At(std::min(frame.Width - 1, x * shrink + dx),
                                           std::min(frame.Height - 1, y * shrink + dy));
          for (int c = 0; c < 4; ++c) sum[c] += p[c];
        }
      std::uint8_t* q = small.At(x, y);
      for (int c = 0; c < 3; ++c) q[c] = std::uint8_t(sum[c] / (shrink * shrink));
      q[3] = 255;
    }
  return small;
}

}  // namespace

void TContactSheet::Add(const TRgbaImage& frame) {
  FThumbnails.push_back(Shrunk(frame, Shrink));
  ++FCount;
}

TRgbaImage TContactSheet::Sheet() const {
  int cellWidth = 1, cellHeight = 1;
  for (const TRgbaImage& thumbnail : FThumbnails) {
    cellWidth = std::max(cellWidth, thumbnail.Width);
    cellHeight = std::max(cellHeight, thumbnail.Height);
  }
  const int columns = std::min<int>(Columns, std::max<int>(1, int(FThumbnails.size())));
  const int rows = (int(FThumbnails.size()) + columns - 1) / columns;
  TRgbaImage sheet(Gap + columns * (cellWidth + Gap), Gap + std::max(1, rows) * (cellHeight + Gap));
  for (int y = 0; y < sheet.Height; ++y)
    for (int x = 0; x < sheet.Width; ++x) {
      std::uint8_t* p = sheet.At(x, y);
      p[0] = p[1] = p[2] = 32;
      p[3] = 255;
    }
  for (std::size_t i = 0; i < FThumbnails.size(); ++i) {
    const TRgbaImage& thumbnail = FThumbnails[i];
    const int left = Gap + int(i % std::size_t(columns)) * (cellWidth + Gap);
    const int top = Gap + int(i / std::size_t(columns)) * (cellHeight + Gap);
    for (int y = 0; y < thumbnail.Height; ++y)
      std::copy_n(thumbnail.At(0, y), std::size_t(thumbnail.Width) * 4, sheet.At(left, top + y));
  }
  return sheet;
}

bool TContactSheet::Write(const std::filesystem::path& file) const { return WritePng(file, Sheet()); }

}  // namespace qm
