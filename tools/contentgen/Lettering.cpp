#include "Lettering.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <utility>

namespace contentgen {

namespace {

constexpr double kLeastShrink = 0.7;

const TWording kEnglish;
const TWording* gWording = &kEnglish;
bool gLettered = false;

}  // namespace

void SetLetteringWording(const TWording& wording) { gWording = &wording; }

std::string Words(std::string_view english) {
  if (std::any_of(english.begin(), english.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
    gLettered = true;
  return std::string((*gWording)(english));
}

bool TakeLettered() { return std::exchange(gLettered, false); }

void DrawLabel(cairo_t* cr, std::string_view english, double cx, double cy, double size, const Rgb& fill,
               const Rgb& outline, double outlineWidth, double maxWidth) {
  const std::string text = Words(english);
  if (maxWidth <= 0) {
    double left = 0, top = 0, right = 0, bottom = 0;
    cairo_clip_extents(cr, &left, &top, &right, &bottom);
    maxWidth = 2 * std::min(cx - left, right - cx);
  }
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_restore(cr);
  const double needed = ext.x_advance + outlineWidth;
  if (needed * kLeastShrink > maxWidth - outlineWidth)
    throw std::runtime_error("the label \"" + text + "\" does not fit its picture (" + std::to_string(int(needed)) +
                             " wide, room for " + std::to_string(int(maxWidth)) + ")");
  OutlinedText(cr, text, cx, cy, size, fill, outline, outlineWidth, maxWidth);
}

}  // namespace contentgen
