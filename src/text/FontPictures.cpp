#include "text/FontPictures.h"

#include <string>

namespace qm {

TFontPictures::TFontPictures(const TOmegaImageList* list, TGameFontKind kind, std::string_view sheet)
    : FKind(kind),
      FSheet(list ? list->FindImage(std::string(sheet)) : nullptr),
      FMore(list ? list->FindImage(std::string(sheet) + "More") : nullptr) {}

void TFontPictures::DrawGlyph(std::uint8_t code, float x, float y, float scale, int red, int green, int blue,
                              int alpha) const {
  const TGlyphCell cell = GlyphCell(FKind, code);
  if (cell.OnMoreSheet && FMore) {
    FMore->DrawEx(x, y, 0, 0, 0, scale, scale, red, green, blue, alpha, cell.Pattern, 0);
    return;
  }
  if (FSheet)
    FSheet->DrawEx(x, y, 0, 0, 0, scale, scale, red, green, blue, alpha, GlyphPattern(FKind, code), 0);
}

}  // namespace qm
