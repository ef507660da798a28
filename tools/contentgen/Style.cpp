#include "Style.h"

#include <array>
#include <cmath>
#include <string>

#include "Lettering.h"

namespace contentgen {

const IslandPalette& Island(int island) {
  static const std::array<IslandPalette, 5> palettes = {{
      {Hex(0x7cc8ff), Hex(0xd8f3ff), Hex(0x9ed36a), Hex(0x5cb33d), Hex(0xffd54a), Hex(0x4fb3e8)},  // meadow
      {Hex(0xffb36b), Hex(0xffe7c2), Hex(0xd9a34a), Hex(0xc27a2c), Hex(0xe2415e), Hex(0x5aa7c9)},  // orchard
      {Hex(0x4fd1d9), Hex(0xd0fbf4), Hex(0x6fd6b0), Hex(0x2fa88a), Hex(0xffe066), Hex(0x1e9ec4)},  // lagoon
      {Hex(0x9a8cf0), Hex(0xf0dcff), Hex(0xb59ae0), Hex(0x8a67c9), Hex(0xffb3e6), Hex(0x6a7fe0)},  // lavender
      {Hex(0xff7f9e), Hex(0xffe0b8), Hex(0xf0a070), Hex(0xd86a5a), Hex(0xffd166), Hex(0xe07a9a)},  // sunset
  }};
  return palettes.at(std::size_t((island - 1 + 5) % 5));
}

void DrawLeaf(cairo_t* cr, double x, double y, double length, double angle, const Rgb& c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -length * 0.35, length * 0.75, -length * 0.3, length, 0);
  cairo_curve_to(cr, length * 0.75, length * 0.3, length * 0.3, length * 0.35, 0, 0);
  cairo_close_path(cr);
  cairo_restore(cr);
  ShadeAndOutline(cr, c, std::max(1.0, length / 14));
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, length * 0.1, 0);
  cairo_line_to(cr, length * 0.8, 0);
  cairo_restore(cr);
  SetColor(cr, c.Darker(0.4), 0.7);
  cairo_set_line_width(cr, std::max(0.8, length / 20));
  cairo_stroke(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void DrawWindowFrame(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double rim = std::clamp(std::min(w, h) * 0.05, 8.0, 14.0);
  // drop shadow
  RoundedRect(cr, x + 4, y + 6, w - 6, h - 8, radius);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
  cairo_fill(cr);
  // leafy rim
  RoundedRect(cr, x + 1, y + 1, w - 6, h - 8, radius);
  FillVertical(cr, y, y + h, colour::Leaf.Lighter(0.2), colour::LeafDark);
  SetColor(cr, colour::LeafDark.Darker(0.4));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // deep green face with a gold line
  RoundedRect(cr, x + 1 + rim, y + 1 + rim, w - 6 - 2 * rim, h - 8 - 2 * rim, radius * 0.6);
  FillVertical(cr, y + rim, y + h - rim, colour::Grove, colour::Grove.Darker(0.25));
  SetColor(cr, colour::Gold.Darker(0.15));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // a highlight along the top of the rim
  RoundedRect(cr, x + 5, y + 4, w - 14, rim * 0.55, rim * 0.3);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  cairo_fill(cr);
  // leaves and a berry at the top corners
  const double leaf = std::clamp(w * 0.08, 14.0, 30.0);
  DrawLeaf(cr, x + rim, y + rim, leaf, -2.6, colour::Leaf.Lighter(0.1));
  DrawLeaf(cr, x + rim, y + rim, leaf, -0.5, colour::Leaf);
  DrawLeaf(cr, x + w - rim - 6, y + rim, leaf, -0.55, colour::Leaf.Lighter(0.1));
  DrawLeaf(cr, x + w - rim - 6, y + rim, leaf, -2.7, colour::Leaf);
  for (double bx : {x + rim, x + w - rim - 6}) {
    cairo_arc(cr, bx, y + rim, leaf * 0.28, 0, 2 * M_PI);
    ShadeAndOutline(cr, colour::Berry, 1.5);
  }
}

void DrawPanel(cairo_t* cr, double x, double y, double w, double h, double radius, const Rgb& face) {
  const double rim = std::clamp(std::min(w, h) * 0.08, 3.0, 9.0);
  RoundedRect(cr, x + 2, y + 3, w - 3, h - 3, radius);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.22);
  cairo_fill(cr);
  RoundedRect(cr, x + 0.5, y + 0.5, w - 3, h - 3, radius);
  FillVertical(cr, y, y + h, colour::Wood.Lighter(0.25), colour::Wood.Darker(0.2));
  SetColor(cr, colour::Ink);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  RoundedRect(cr, x + 0.5 + rim, y + 0.5 + rim, w - 3 - 2 * rim, h - 3 - 2 * rim, std::max(2.0, radius - rim));
  FillVertical(cr, y + rim, y + h - rim, face.Lighter(0.2), face.Darker(0.06));
  SetColor(cr, colour::Gold.Darker(0.2), 0.8);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_new_path(cr);
}

void DrawButton(cairo_t* cr, double x, double y, double w, double h, std::string_view label, ButtonKind kind,
                bool disabled) {
  Rgb base = kind == ButtonKind::Positive   ? Hex(0x5cbf3a)
             : kind == ButtonKind::Negative ? Hex(0xef6a3a)
                                            : Hex(0x3aa0e0);
  if (disabled) base = Hex(0xa8a8a0);
  const double r = h * 0.45;
  RoundedRect(cr, x + 2, y + 4, w - 4, h - 5, r);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
  cairo_fill(cr);
  RoundedRect(cr, x + 1, y + 1, w - 4, h - 5, r);
  FillVertical(cr, y, y + h, base.Lighter(0.3), base.Darker(0.2));
  SetColor(cr, base.Darker(0.6));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RoundedRect(cr, x + 1 + h * 0.15, y + 3, w - 4 - h * 0.3, (h - 5) * 0.38, r * 0.6);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_fill(cr);
  if (!label.empty()) {
    const double size = h * 0.46;
    DrawLabel(cr, label, x + (w - 4) / 2 + 1, y + (h - 5) / 2 + 1, size, disabled ? Hex(0xeeeeee) : colour::White,
              base.Darker(0.65), std::max(2.0, size * 0.16), w - h * 0.6);
  }
}

void DrawDigitStrip(Canvas& canvas, int columns, const Rgb& fill, bool blur) {
  ForEachPattern(canvas, columns, 1, [&](cairo_t* cr, int p, double w, double h) {
    if (!blur) {
      OutlinedText(cr, std::to_string(p), w / 2, h / 2, h * 0.95, fill, colour::Ink, h * 0.16);
      return;
    }
    // a digit rolling past: three ghosts stretched along the roll
    for (int k = -1; k <= 1; ++k) {
      cairo_save(cr);
      cairo_translate(cr, w / 2, h / 2 + k * h * 0.33 + (p - 1) * h * 0.1);
      cairo_scale(cr, 1, 1.3);
      OutlinedText(cr, std::to_string((p * 3 + k + 10) % 10), 0, 0, h * 0.6, fill, colour::Ink, 0);
      cairo_restore(cr);
    }
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(fade, 0.3, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(fade, 0.7, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 1);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_set_source(cr, fade);
    cairo_fill(cr);
    cairo_pattern_destroy(fade);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  });
}

void DrawCloud(cairo_t* cr, double cx, double cy, double size, double alpha) {
  cairo_new_path(cr);
  const double puffs[][3] = {{-0.55, 0.1, 0.35}, {-0.2, -0.15, 0.45}, {0.25, -0.1, 0.4}, {0.6, 0.12, 0.3},
                             {0.05, 0.15, 0.4}};
  for (const auto& p : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + p[0] * size, cy + p[1] * size, p[2] * size, 0, 2 * M_PI);
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillVertical(cr, cy - size * 0.6, cy + size * 0.5, colour::White, Hex(0xdde8f5), alpha);
  cairo_new_path(cr);
}

void DrawLandscape(cairo_t* cr, double w, double h, const IslandPalette& p, std::uint32_t seed, double horizon) {
  Lcg rng(seed);
  cairo_rectangle(cr, 0, 0, w, h);
  FillVertical(cr, 0, h * horizon, p.SkyTop, p.SkyLow);
  cairo_new_path(cr);
  // sun
  const double sx = w * rng.Range(0.15, 0.85), sy = h * horizon * rng.Range(0.2, 0.45);
  SoftGlow(cr, sx, sy, h * 0.25, colour::White, 0.7);
  cairo_arc(cr, sx, sy, h * 0.07, 0, 2 * M_PI);
  SetColor(cr, Hex(0xfff3a0));
  cairo_fill(cr);
  for (int i = 0; i < 4; ++i) DrawCloud(cr, w * rng.Range(0.05, 0.95), h * horizon * rng.Range(0.15, 0.6),
                                        h * rng.Range(0.06, 0.12), 0.9);
  // three bands of hills, far to near
  for (int band = 0; band < 3; ++band) {
    const Rgb c = p.HillFar.Mix(p.Hill, band / 2.0).Darker(band * 0.05);
    const double base = h * (horizon - 0.06 + band * 0.12);
    cairo_move_to(cr, 0, h);
    cairo_line_to(cr, 0, base);
    const int bumps = 3 + band;
    for (int i = 0; i < bumps; ++i) {
      const double x0 = w * i / bumps, x1 = w * (i + 1) / bumps;
      const double peak = base - h * rng.Range(0.04, 0.12);
      cairo_curve_to(cr, x0 + (x1 - x0) * 0.3, peak, x0 + (x1 - x0) * 0.7, peak, x1, base + h * rng.Range(-0.02, 0.02));
    }
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    FillVertical(cr, base - h * 0.12, h, c.Lighter(0.15), c.Darker(0.15));
    cairo_new_path(cr);
    // round fruit trees on the nearer hills
    if (band > 0) {
      const int trees = 3 + band * 2;
      for (int t = 0; t < trees; ++t) {
        const double tx = w * rng.Range(0.02, 0.98), ty = base + h * rng.Range(0.0, 0.08);
        const double ts = h * (0.03 + band * 0.02);
        cairo_rectangle(cr, tx - ts * 0.12, ty - ts * 0.2, ts * 0.24, ts * 0.9);
        SetColor(cr, colour::Wood.Darker(0.2));
        cairo_fill(cr);
        cairo_arc(cr, tx, ty - ts * 0.5, ts * 0.7, 0, 2 * M_PI);
        ShadeAndOutline(cr, c.Mix(colour::LeafDark, 0.5), 1.2);
        for (int f = 0; f < 3; ++f) {
          cairo_arc(cr, tx + ts * rng.Range(-0.4, 0.4), ty - ts * rng.Range(0.2, 0.8), ts * 0.12, 0, 2 * M_PI);
          SetColor(cr, p.Accent);
          cairo_fill(cr);
        }
      }
    }
  }
}

}  // namespace contentgen
