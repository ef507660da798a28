#pragma once

#include <cstdint>
#include <string_view>

#include "engine/OmegaImageList.h"
#include "text/FontMetrics.h"

namespace qm {

// The pictures a bitmap font draws from: a sheet (the font's own, or another
// drawn with the kind's patterns) and its second sheet, named after it with
// "More". A data folder without the second sheet draws those letters as
// their plain letters from the first.
class TFontPictures {
 public:
  // Without a list there is nothing to draw.
  TFontPictures(const TOmegaImageList* list, TGameFontKind kind, std::string_view sheet);

  bool Ready() const { return FSheet != nullptr; }
  // The character's glyph with its cell's top-left corner at x, y.
  void DrawGlyph(std::uint8_t code, float x, float y, float scale, int red, int green, int blue, int alpha) const;

 private:
  TGameFontKind FKind;
  TImageListItem* FSheet;
  TImageListItem* FMore;
};

}  // namespace qm
