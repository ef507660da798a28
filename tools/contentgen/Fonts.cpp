#include "Fonts.h"

#include <cairo-ft.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "FontMetrics.h"
#include "engine/ImageCatalogue.h"

namespace contentgen {
namespace {

// Both fonts are drawn from DejaVu Sans Bold (Debian's fonts-dejavu-core);
// the licence is kept in LICENSES/DejaVu-fonts.txt.
constexpr const char* kFamily = "DejaVu Sans";
constexpr const char* kStyle = "Bold";

struct TFontSheet {
  const char* FileName;
  int Columns, Rows;
  int CellWidth, CellHeight;
  // Room between the ink and the next letter at spacing 0, in pixels at
  // scale 1: the game passes a spacing of -1 for most text, which leaves a
  // pixel or two between letters at the scales it draws.
  int LetterGap;
  // A dark rim keeps the big comment letters readable over the busy board.
  double OutlineWidth;
};

constexpr TFontSheet kNormalSheet{"GlobalFontWhite.png", 28, 5, 32, 40, 3, 0.0};
constexpr TFontSheet kCommentSheet{"CommentFont.png", 14, 5, 48, 56, 4, 3.0};
// The second sheets: the same cells, drawn at the size of the first.
constexpr TFontSheet kNormalMoreSheet{"GlobalFontWhiteMore.png", 28, 1, 32, 40, 3, 0.0};
constexpr TFontSheet kCommentMoreSheet{"CommentFontMore.png", 14, 2, 48, 56, 4, 3.0};

// Ink is pressed narrower when the face draws a glyph wider than its advance
// allows, and may widen a little when the face draws it much narrower.
constexpr double kMinSqueeze = 0.5;
constexpr double kMaxStretch = 1.15;
// Thin letters ("i", "l", "1", "s") get a pixel more ink: a full gap would
// leave them hairlines.
constexpr int kNarrowBase = 12;
// Ink starts this far into its cell, so the first column stays clear.
constexpr double kInset = 1.25;

using TSurface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using TContext = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

void SetFace(cairo_t* cr, double size) {
  cairo_select_font_face(cr, kFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  // No hinting and no subpixel tricks: the same bytes on every machine that
  // has the same face.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

// fontconfig falls back to any other face silently; a font sheet drawn from
// the wrong face would not match the advance tables, so refuse it.
void RequireDejaVu(cairo_t* cr) {
  cairo_scaled_font_t* scaled = cairo_get_scaled_font(cr);
  if (cairo_scaled_font_get_type(scaled) != CAIRO_FONT_TYPE_FT)
    throw std::runtime_error("font sheets need a FreeType font face");
  FT_Face face = cairo_ft_scaled_font_lock_face(scaled);
  const std::string family = face && face->family_name ? face->family_name : "";
  const std::string style = face && face->style_name ? face->style_name : "";
  cairo_ft_scaled_font_unlock_face(scaled);
  if (family != kFamily || style != kStyle)
    throw std::runtime_error("font sheets need DejaVu Sans Bold (fonts-dejavu-core), found \"" +
                             family + " " + style + "\"");
}

struct TInk {
  double Left, Top, Width, Bottom;
};

// The outline's own extents: the text extents are rounded and may miss a
// straight stem by a fraction of a pixel.
TInk InkOf(cairo_t* cr, const char* utf8) {
  cairo_new_path(cr);
  cairo_move_to(cr, 0.0, 0.0);
  cairo_text_path(cr, utf8);
  double x1, y1, x2, y2;
  cairo_path_extents(cr, &x1, &y1, &x2, &y2);
  cairo_new_path(cr);
  return {x1, y1, x2 - x1, y2};
}

// The largest size at which every glyph of the sheet, with its outline,
// fits the cell height with a clear pixel above and below.
double FitSize(cairo_t* cr, const TFontSheet& sheet, const std::vector<TGlyph>& glyphs,
               double* baseline) {
  constexpr double kProbe = 100.0;
  SetFace(cr, kProbe);
  double top = 0, bottom = 0;
  for (const auto& g : glyphs) {
    if (g.Code == ' ') continue;
    const TInk ink = InkOf(cr, g.Utf8);
    top = std::min(top, ink.Top);
    bottom = std::max(bottom, ink.Bottom);
  }
  const double room = sheet.CellHeight - 4.0 - 2.0 * sheet.OutlineWidth;
  const double size = std::floor(kProbe * room / (bottom - top));
  *baseline = std::round(1.75 + sheet.OutlineWidth - top * size / kProbe);
  return size;
}

// The sheet's cells stay where they are at every density: the game finds
// each letter by its cell, counted in units. The size is fitted to the
// first sheet's glyphs, so both sheets of a font draw alike.
void DrawSheet(const std::filesystem::path& file, const TFontSheet& sheet, const std::vector<TGlyph>& glyphs,
               const std::vector<TGlyph>& sizedBy, int (*baseOf)(std::uint8_t), int density) {
  const int width = sheet.Columns * sheet.CellWidth;
  const int height = sheet.Rows * sheet.CellHeight;
  TSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * density, height * density),
                   cairo_surface_destroy);
  TContext cr(cairo_create(surface.get()), cairo_destroy);
  cairo_scale(cr.get(), density, density);

  double baseline = 0;
  const double size = FitSize(cr.get(), sheet, sizedBy, &baseline);
  SetFace(cr.get(), size);
  RequireDejaVu(cr.get());

  for (std::size_t pattern = 0; pattern < glyphs.size(); ++pattern) {
    const TGlyph& g = glyphs[pattern];
    if (g.Code == ' ') continue;
    const double cellX = double(pattern % sheet.Columns) * sheet.CellWidth;
    const double cellY = double(pattern / sheet.Columns) * sheet.CellHeight;
    const TInk ink = InkOf(cr.get(), g.Utf8);

    // Ink plus rim as wide as the advance minus the gap, never past the
    // cell's last column.
    const double rim = 2.0 * sheet.OutlineWidth;
    const int base = baseOf(g.Code);
    const int gap = base <= kNarrowBase ? sheet.LetterGap - 1 : sheet.LetterGap;
    const double target = std::min<double>(base - gap, sheet.CellWidth - 3.0) - rim;
    const double squeeze = std::clamp(std::max(target, 1.0) / ink.Width, kMinSqueeze, kMaxStretch);
    const double squeezeFit = std::min(squeeze, (sheet.CellWidth - 3.0 - rim) / ink.Width);

    cairo_save(cr.get());
    cairo_translate(cr.get(), cellX + kInset + sheet.OutlineWidth, cellY + baseline);
    cairo_scale(cr.get(), squeezeFit, 1.0);
    cairo_move_to(cr.get(), -ink.Left, 0.0);
    cairo_text_path(cr.get(), g.Utf8);
    cairo_restore(cr.get());
    if (sheet.OutlineWidth > 0) {
      cairo_set_source_rgba(cr.get(), 0.24, 0.12, 0.04, 0.9);
      cairo_set_line_width(cr.get(), 2.0 * sheet.OutlineWidth);
      cairo_set_line_join(cr.get(), CAIRO_LINE_JOIN_ROUND);
      cairo_stroke_preserve(cr.get());
    }
    cairo_set_source_rgba(cr.get(), 1.0, 1.0, 1.0, 1.0);
    cairo_fill(cr.get());
  }

  cairo_surface_flush(surface.get());
  if (cairo_surface_write_to_png(surface.get(), file.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

void GenerateFonts(const std::filesystem::path& programFolder) {
  for (int density : {1, 2}) {
    const auto images = programFolder / qm::PathAtDensity(std::string(qm::folder::Images), density);
    std::filesystem::create_directories(images);
    DrawSheet(images / kNormalSheet.FileName, kNormalSheet, NormalGlyphs(), NormalGlyphs(), NormalBase, density);
    DrawSheet(images / kNormalMoreSheet.FileName, kNormalMoreSheet, NormalMoreGlyphs(), NormalGlyphs(), NormalBase,
              density);
    DrawSheet(images / kCommentSheet.FileName, kCommentSheet, CommentGlyphs(), CommentGlyphs(), CommentBase, density);
    DrawSheet(images / kCommentMoreSheet.FileName, kCommentMoreSheet, CommentMoreGlyphs(), CommentGlyphs(),
              CommentBase, density);
  }
}

}  // namespace contentgen
