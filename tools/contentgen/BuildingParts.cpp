#include "BuildingParts.h"

#include <algorithm>
#include <cmath>

#include "Pieces.h"

namespace contentgen::town {

Rgb RoofOf(const IslandPalette& p) { return p.Accent.Mix(colour::Berry, 0.3); }

void Stroke(cairo_t* cr, const Rgb& c, double width, double alpha) {
  SetColor(cr, c, alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Segment(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
}

void Triangle(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_close_path(cr);
}

void EdgedStroke(cairo_t* cr, const Rgb& c, double width) {
  SetColor(cr, c.Darker(0.6));
  cairo_set_line_width(cr, width + 2);
  cairo_stroke_preserve(cr);
  Stroke(cr, c, width);
}

void Bar(cairo_t* cr, double x0, double y0, double x1, double y1, double width, const Rgb& c) {
  Segment(cr, x0, y0, x1, y1);
  EdgedStroke(cr, c, width);
}

void Box(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgb& c, double outline) {
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  ShadeAndOutline(cr, c, outline);
}

void Gable(cairo_t* cr, double x0, double x1, double eave, double apex, const Rgb& c) {
  Triangle(cr, x0, eave, (x0 + x1) / 2, apex, x1, eave);
  ShadeAndOutline(cr, c, 2.5);
}

void Window(cairo_t* cr, double x, double y, double w, double h) {
  RoundedRect(cr, x, y, w, h, std::min(w, h) * 0.2);
  ShadeAndOutline(cr, kGlass, 2);
  Segment(cr, x + w / 2, y + 1, x + w / 2, y + h - 1);
  Segment(cr, x + 1, y + h / 2, x + w - 1, y + h / 2);
  Stroke(cr, kGlass.Darker(0.6), 1.2);
}

void RoundWindow(cairo_t* cr, double cx, double cy, double r) {
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  ShadeAndOutline(cr, kGlass, 2);
  Glint(cr, cx - r * 0.3, cy - r * 0.3, r * 0.3, r * 0.2);
}

void EllipseArc(cairo_t* cr, double cx, double cy, double rx, double ry, double a0, double a1) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, a0, a1);
  cairo_restore(cr);
}

void ArchPath(cairo_t* cr, double x, double y, double w, double h) {
  cairo_move_to(cr, x, y + h);
  cairo_arc(cr, x + w / 2, y + w / 2, w / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + w, y + h);
  cairo_close_path(cr);
}

void Door(cairo_t* cr, double x, double y, double w, double h) {
  ArchPath(cr, x, y, w, h);
  ShadeAndOutline(cr, colour::Wood, 2);
  cairo_arc(cr, x + w * 0.75, y + h * 0.6, std::max(1.0, w * 0.08), 0, 2 * M_PI);
  SetColor(cr, colour::Gold);
  cairo_fill(cr);
}

void Flag(cairo_t* cr, double x, double foot, double top, double size, const Rgb& c) {
  Bar(cr, x, foot, x, top, 1.5, colour::Wood);
  cairo_move_to(cr, x, top);
  cairo_curve_to(cr, x + size * 0.4, top - size * 0.15, x + size * 0.7, top + size * 0.12, x + size, top + size * 0.2);
  cairo_curve_to(cr, x + size * 0.7, top + size * 0.35, x + size * 0.4, top + size * 0.5, x, top + size * 0.45);
  cairo_close_path(cr);
  ShadeAndOutline(cr, c, 2);
}

void Battlements(cairo_t* cr, double x0, double x1, double top, double size, const Rgb& c) {
  const int n = std::max(2, int(std::lround((x1 - x0) / (size * 2))));
  const double step = (x1 - x0 - size) / (n - 1);
  for (int i = 0; i < n; ++i) Box(cr, x0 + i * step, top - size, x0 + i * step + size, top + 1, c, 2);
}

void ClockFace(cairo_t* cr, double cx, double cy, double r) {
  SoftGlow(cr, cx, cy, r * 1.7, kLamp, 0.8);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Gold, 2.5);
  cairo_arc(cr, cx, cy, r * 0.78, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Cream, 1.5);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6, inner = i % 3 ? 0.64 : 0.54;
    Segment(cr, cx + std::cos(a) * r * inner, cy + std::sin(a) * r * inner, cx + std::cos(a) * r * 0.72,
            cy + std::sin(a) * r * 0.72);
  }
  Stroke(cr, colour::Ink, std::max(1.0, r * 0.06));
  Segment(cr, cx, cy, cx, cy - r * 0.58);
  Segment(cr, cx, cy, cx + r * 0.36, cy + r * 0.12);
  Stroke(cr, colour::Ink, std::max(1.5, r * 0.1));
}

void Water(cairo_t* cr, double w, double h, double top, const IslandPalette& p) {
  const double ry = (h - top) / 2 - 1;
  Ellipse(cr, w / 2, h - 1 - ry, w / 2 - 1, ry);
  ShadeAndOutline(cr, p.Water.Lighter(0.2), 2);
  for (int i = 0; i < 4; ++i) {
    const double x = w * (0.18 + i * 0.2), y = top + ry * (0.8 + 0.5 * (i % 2));
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + w * 0.03, y - ry * 0.2, x + w * 0.06, y - ry * 0.2, x + w * 0.09, y);
  }
  Stroke(cr, colour::White, 1.5, 0.7);
}

void Bubble(cairo_t* cr, double cx, double cy, double r, const Rgb& c) {
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  ShadeAndOutline(cr, c, 1.5);
  Glint(cr, cx - r * 0.35, cy - r * 0.35, r * 0.3, r * 0.2);
}

void Fish(cairo_t* cr, double cx, double cy, double len, const Rgb& c) {
  Triangle(cr, cx + len * 0.3, cy, cx + len * 0.5, cy - len * 0.2, cx + len * 0.5, cy + len * 0.2);
  ShadeAndOutline(cr, c.Darker(0.15), 2);
  Ellipse(cr, cx - len * 0.08, cy, len * 0.42, len * 0.19);
  ShadeAndOutline(cr, c, 2);
  cairo_arc(cr, cx - len * 0.34, cy - len * 0.04, std::max(1.0, len * 0.04), 0, 2 * M_PI);
  SetColor(cr, colour::Ink);
  cairo_fill(cr);
}

void Rose(cairo_t* cr, double cx, double cy, double r) {
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Berry, 1.5);
  cairo_arc(cr, cx, cy, r * 0.45, 0.5, 5.5);
  Stroke(cr, colour::Berry.Darker(0.5), 1.2);
}

void Bee(cairo_t* cr, double cx, double cy, double s) {
  Ellipse(cr, cx - s * 0.15, cy - s * 0.45, s * 0.3, s * 0.2, -0.5);
  Ellipse(cr, cx + s * 0.2, cy - s * 0.45, s * 0.3, s * 0.2, 0.5);
  SetColor(cr, colour::White, 0.85);
  cairo_fill_preserve(cr);
  Stroke(cr, kIron, 1);
  Ellipse(cr, cx, cy, s * 0.5, s * 0.34);
  ShadeAndOutline(cr, colour::Gold, 1.5);
  Segment(cr, cx - s * 0.1, cy - s * 0.3, cx - s * 0.1, cy + s * 0.3);
  Segment(cr, cx + s * 0.2, cy - s * 0.28, cx + s * 0.2, cy + s * 0.28);
  Stroke(cr, colour::Ink, std::max(1.5, s * 0.14));
}

void FruitTree(cairo_t* cr, double cx, double foot, double size, int fruit) {
  Box(cr, cx - size * 0.07, foot - size * 0.55, cx + size * 0.07, foot, colour::Wood);
  cairo_arc(cr, cx, foot - size * 0.72, size * 0.36, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Leaf, 2.5);
  for (int i = 0; i < 3; ++i)
    DrawPiece(cr, fruit, cx + size * (i - 1) * 0.2, foot - size * (i == 1 ? 0.85 : 0.66), size * 0.2);
}

void Stall(cairo_t* cr, double x, double y, double sw, double sh, const Rgb& stripe, int firstFruit) {
  for (double px : {0.08, 0.86}) Box(cr, x + sw * px, y + sh * 0.2, x + sw * (px + 0.06), y + sh, colour::Wood, 2);
  Box(cr, x + sw * 0.03, y + sh * 0.62, x + sw * 0.97, y + sh, colour::Wood.Lighter(0.3));
  Segment(cr, x + sw * 0.04, y + sh * 0.8, x + sw * 0.96, y + sh * 0.8);
  Stroke(cr, colour::Wood.Darker(0.3), 1.2);
  for (int i = 0; i < 3; ++i) DrawPiece(cr, firstFruit + i, x + sw * (0.25 + i * 0.25), y + sh * 0.54, sw * 0.24);
  const int n = 5;
  const double sw1 = sw / n, depth = sh * 0.24;
  for (int i = 0; i < n; ++i) {
    const double sx = x + i * sw1;
    cairo_move_to(cr, sx, y);
    cairo_line_to(cr, sx + sw1, y);
    cairo_line_to(cr, sx + sw1, y + depth);
    cairo_arc(cr, sx + sw1 / 2, y + depth, sw1 / 2, 0, M_PI);
    cairo_close_path(cr);
    ShadeAndOutline(cr, i % 2 ? colour::White : stripe, 2);
  }
}

void Fountain(cairo_t* cr, double cx, double top, double bottom, double rx, const IslandPalette& p) {
  const double rimY = bottom - (bottom - top) * 0.24, ry = rx * 0.25;
  // The basin's front wall, then its rim and water.
  cairo_move_to(cr, cx + rx, rimY);
  EllipseArc(cr, cx, bottom - ry, rx, ry, 0, M_PI);
  cairo_line_to(cr, cx - rx, rimY);
  cairo_close_path(cr);
  ShadeAndOutline(cr, kStone, 2.5);
  Ellipse(cr, cx, rimY, rx, ry);
  ShadeAndOutline(cr, kStone.Lighter(0.3), 2.5);
  Ellipse(cr, cx, rimY, rx * 0.84, ry * 0.66);
  ShadeAndOutline(cr, p.Water, 1.5);
  // Column, top bowl and the jets falling into the basin.
  const double bowlY = top + (bottom - top) * 0.3;
  Box(cr, cx - rx * 0.09, bowlY, cx + rx * 0.09, rimY, kStone);
  cairo_move_to(cr, cx - rx * 0.42, bowlY);
  cairo_curve_to(cr, cx - rx * 0.3, bowlY + ry * 1.2, cx + rx * 0.3, bowlY + ry * 1.2, cx + rx * 0.42, bowlY);
  cairo_close_path(cr);
  ShadeAndOutline(cr, kStone, 2);
  cairo_move_to(cr, cx, bowlY - 2);
  cairo_line_to(cr, cx, top);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + side * rx * 0.3, top - ry * 0.6, cx + side * rx * 0.45, top, cx + side * rx * 0.45, bowlY);
    cairo_move_to(cr, cx + side * rx * 0.42, bowlY);
    cairo_curve_to(cr, cx + side * rx * 0.7, bowlY, cx + side * rx * 0.75, rimY - ry, cx + side * rx * 0.75, rimY);
  }
  EdgedStroke(cr, p.Water.Lighter(0.55), 3);
}

void Sail(cairo_t* cr, double cx, double cy, double angle, double len) {
  auto inSailFrame = [&](auto&& path) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    path();
    cairo_restore(cr);
  };
  inSailFrame([&] { cairo_rectangle(cr, len * 0.18, 0, len * 0.82, len * 0.24); });
  ShadeAndOutline(cr, colour::Cream, 2);
  inSailFrame([&] {
    for (int i = 1; i < 4; ++i) Segment(cr, len * (0.18 + i * 0.2), 0, len * (0.18 + i * 0.2), len * 0.24);
    Segment(cr, len * 0.18, len * 0.12, len, len * 0.12);
  });
  Stroke(cr, colour::Wood, 1);
  inSailFrame([&] { Segment(cr, 0, 0, len, 0); });
  EdgedStroke(cr, colour::Wood, 2);
}

void Anvil(cairo_t* cr, double cx, double foot, double u) {
  const double top = foot - u * 0.66, plate = foot - u * 0.48, waist = foot - u * 0.26;
  cairo_move_to(cr, cx - u * 0.72, top + u * 0.03);
  cairo_line_to(cr, cx + u * 0.45, top);
  cairo_line_to(cr, cx + u * 0.45, plate);
  cairo_line_to(cr, cx + u * 0.16, plate + u * 0.04);
  cairo_line_to(cr, cx + u * 0.14, waist);
  cairo_line_to(cr, cx + u * 0.38, foot);
  cairo_line_to(cr, cx - u * 0.38, foot);
  cairo_line_to(cr, cx - u * 0.14, waist);
  cairo_line_to(cr, cx - u * 0.16, plate + u * 0.04);
  cairo_line_to(cr, cx - u * 0.3, plate);
  cairo_curve_to(cr, cx - u * 0.45, plate - u * 0.02, cx - u * 0.62, top + u * 0.1, cx - u * 0.72, top + u * 0.03);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0x5a6270), 2.5);
  // A bar of gold on it, still glowing from the forge.
  SoftGlow(cr, cx + u * 0.05, top - u * 0.06, u * 0.4, kLamp, 0.8);
  cairo_move_to(cr, cx - u * 0.16, top);
  cairo_line_to(cr, cx - u * 0.1, top - u * 0.12);
  cairo_line_to(cr, cx + u * 0.2, top - u * 0.12);
  cairo_line_to(cr, cx + u * 0.26, top);
  cairo_close_path(cr);
  ShadeAndOutline(cr, colour::Gold, 2);
}

void Flask(cairo_t* cr, double cx, double cy, double r, const Rgb& liquid) {
  SoftGlow(cr, cx, cy, r * 1.5, liquid.Lighter(0.4), 0.7);
  auto shape = [&] {
    cairo_move_to(cr, cx - r * 0.25, cy - r * 1.6);
    cairo_line_to(cr, cx - r * 0.25, cy - r * 0.95);
    cairo_arc_negative(cr, cx, cy, r, -M_PI / 2 - 0.25, -M_PI / 2 + 0.25);
    cairo_line_to(cr, cx + r * 0.25, cy - r * 1.6);
    cairo_close_path(cr);
  };
  shape();
  SetColor(cr, kGlass.Lighter(0.5), 0.7);
  cairo_fill(cr);
  cairo_save(cr);
  shape();
  cairo_clip(cr);
  cairo_rectangle(cr, cx - r, cy - r * 0.2, r * 2, r * 1.3);
  ShadeAndOutline(cr, liquid, 0);
  for (int i = 0; i < 4; ++i)
    Bubble(cr, cx + r * (i - 1.5) * 0.35, cy + r * (0.5 - (i % 2) * 0.35), r * 0.09, liquid.Lighter(0.5));
  cairo_restore(cr);
  shape();
  Stroke(cr, kGlass.Darker(0.6), 2.5);
  Glint(cr, cx - r * 0.45, cy - r * 0.4, r * 0.15, r * 0.3);
  Box(cr, cx - r * 0.34, cy - r * 1.72, cx + r * 0.34, cy - r * 1.6, colour::Wood, 1.5);
}

}  // namespace contentgen::town
