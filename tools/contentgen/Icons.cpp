#include "Icons.h"

#include <string>

#include "Pieces.h"
#include "Style.h"

namespace contentgen {

namespace {

constexpr int kIconSizes[] = {32, 48, 64, 128, 256};
constexpr int kStrawberryPiece = 1;

// A leafy green badge with the strawberry on a pale disc: one bold shape in
// the game's own colours, so it still reads at 32 pixels. Drawn in a 100 x
// 100 box and scaled, so every size is the same picture.
void DrawIcon(cairo_t* cr, double size) {
  cairo_scale(cr, size / 100, size / 100);
  // Menus and docks show icons on light and dark panels alike; a soft shadow
  // keeps the badge's edge on both.
  RoundedRect(cr, 5, 7, 90, 90, 20);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
  cairo_fill(cr);
  RoundedRect(cr, 5, 4, 90, 90, 20);
  FillVertical(cr, 4, 94, colour::Leaf.Lighter(0.2), colour::LeafDark);
  SetColor(cr, colour::LeafDark.Darker(0.45));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  RoundedRect(cr, 12, 11, 76, 76, 14);
  FillVertical(cr, 11, 87, colour::Grove.Lighter(0.15), colour::Grove.Darker(0.15));
  SetColor(cr, colour::Gold.Darker(0.1));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  SoftGlow(cr, 50, 49, 36, colour::Cream, 0.55);
  DrawPiece(cr, kStrawberryPiece, 50, 51, 72);
}

}  // namespace

void GenerateIcons(const std::filesystem::path& folder) {
  for (int size : kIconSizes) {
    const std::string edge = std::to_string(size);
    const std::filesystem::path apps = folder / (edge + "x" + edge) / "apps";
    std::filesystem::create_directories(apps);
    Canvas canvas(size, size);
    DrawIcon(canvas.Cr(), size);
    canvas.SavePng(apps / "org.quillmere.Quillmere.png");
  }
}

}  // namespace contentgen
