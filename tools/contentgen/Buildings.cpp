#include "Buildings.h"

#include <algorithm>
#include <cmath>

#include "BuildingParts.h"
#include "PieceNumbers.h"
#include "Pieces.h"

namespace contentgen {

namespace {

using namespace town;

// Board pieces that turn up as fruit and flowers in the town.
constexpr int kBanana = 0, kStrawberry = 1, kApple = 2, kOrange = 4, kFirstFlower = 12;

// ---- the story cottage ---------------------------------------------------

void House(cairo_t* cr, double w, double h, const Rgb& roof) {
  Box(cr, w * 0.15, h * 0.57, w * 0.85, h * 0.95, kPlaster);
  Gable(cr, w * 0.05, w * 0.95, h * 0.57 + 4, h * 0.06, roof);
  for (int i = 0; i < 2; ++i) {
    RoundedRect(cr, w * (0.24 + i * 0.34), h * 0.63, w * 0.18, h * 0.1, 3);
    ShadeAndOutline(cr, kGlass, 2);
  }
  RoundedRect(cr, w * 0.42, h * 0.74, w * 0.16, h * 0.21, 5);
  ShadeAndOutline(cr, colour::Wood, 2);
}

// ---- island 1 ------------------------------------------------------------

void HarbourPier(cairo_t* cr, double w, double h, const IslandPalette& p) {
  Water(cr, w, h, h * 0.7, p);
  for (int i = 0; i < 5; ++i) Box(cr, w * (0.05 + i * 0.18), h * 0.54, w * (0.09 + i * 0.18), h * 0.86, colour::Wood);
  for (int i = 0; i < 2; ++i)
    Bar(cr, w * (0.09 + i * 0.18), h * 0.58, w * (0.23 + i * 0.18), h * 0.76, 2, colour::Wood);
  // The deck, its plank joints, and the cargo the boats bring.
  Box(cr, w * 0.02, h * 0.46, w * 0.86, h * 0.56, colour::Wood.Lighter(0.35));
  for (int i = 1; i < 14; ++i) Segment(cr, w * (0.02 + i * 0.06), h * 0.47, w * (0.02 + i * 0.06), h * 0.55);
  Stroke(cr, colour::Wood.Darker(0.4), 1);
  Box(cr, w * 0.18, h * 0.33, w * 0.3, h * 0.46, colour::Wood.Lighter(0.2));
  Segment(cr, w * 0.18, h * 0.33, w * 0.3, h * 0.46);
  Segment(cr, w * 0.3, h * 0.33, w * 0.18, h * 0.46);
  Stroke(cr, colour::Wood.Darker(0.5), 1.5);
  RoundedRect(cr, w * 0.33, h * 0.36, w * 0.09, h * 0.1, 3);
  ShadeAndOutline(cr, colour::Wood, 2);
  Box(cr, w * 0.5, h * 0.4, w * 0.54, h * 0.46, kIron, 2);
  // A lamp at the end of the pier, for boats coming in late.
  Bar(cr, w * 0.1, h * 0.46, w * 0.1, h * 0.16, 2, colour::Ink);
  SoftGlow(cr, w * 0.1, h * 0.12, h * 0.1, kLamp, 0.8);
  RoundedRect(cr, w * 0.07, h * 0.06, w * 0.06, h * 0.1, 2);
  ShadeAndOutline(cr, colour::Gold, 1.5);
  // A small sailing boat tied up alongside.
  cairo_move_to(cr, w * 0.58, h * 0.72);
  cairo_line_to(cr, w * 0.99, h * 0.72);
  cairo_curve_to(cr, w * 0.96, h * 0.82, w * 0.92, h * 0.88, w * 0.86, h * 0.88);
  cairo_line_to(cr, w * 0.68, h * 0.88);
  cairo_curve_to(cr, w * 0.63, h * 0.85, w * 0.6, h * 0.79, w * 0.58, h * 0.72);
  ShadeAndOutline(cr, colour::Berry, 2.5);
  Bar(cr, w * 0.78, h * 0.72, w * 0.78, h * 0.16, 2, colour::Wood);
  Triangle(cr, w * 0.8, h * 0.18, w * 0.8, h * 0.68, w * 0.97, h * 0.68);
  ShadeAndOutline(cr, colour::Cream, 2);
  Triangle(cr, w * 0.76, h * 0.24, w * 0.76, h * 0.68, w * 0.64, h * 0.68);
  ShadeAndOutline(cr, colour::Cream, 2);
  cairo_move_to(cr, w * 0.6, h * 0.74);
  cairo_curve_to(cr, w * 0.54, h * 0.76, w * 0.5, h * 0.6, w * 0.52, h * 0.44);
  Stroke(cr, colour::Ink, 1.5);
}

void FishersHut(cairo_t* cr, double w, double h, const IslandPalette& p) {
  // The net rack, behind the hut's corner.
  for (double x : {0.76, 0.96}) Bar(cr, w * x, h * 0.96, w * x, h * 0.36, 2.5, colour::Wood);
  Bar(cr, w * 0.74, h * 0.4, w * 0.98, h * 0.4, 2, colour::Wood);
  cairo_move_to(cr, w * 0.76, h * 0.42);
  cairo_line_to(cr, w * 0.96, h * 0.42);
  cairo_curve_to(cr, w * 0.95, h * 0.62, w * 0.92, h * 0.8, w * 0.86, h * 0.8);
  cairo_curve_to(cr, w * 0.8, h * 0.8, w * 0.77, h * 0.62, w * 0.76, h * 0.42);
  cairo_save(cr);
  cairo_clip(cr);
  for (int i = -6; i < 6; ++i) {
    Segment(cr, w * (0.76 + i * 0.04), h * 0.42, w * (0.76 + i * 0.04 + 0.25), h * 0.82);
    Segment(cr, w * (0.96 - i * 0.04), h * 0.42, w * (0.96 - i * 0.04 - 0.25), h * 0.82);
  }
  Stroke(cr, Hex(0x6a5a4a), 1.2);
  cairo_restore(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, w * (0.8 + i * 0.06), h * (0.76 + (i % 2) * 0.04), w * 0.018, 0, 2 * M_PI);
    ShadeAndOutline(cr, Hex(0xff8a3a), 1.5);
  }
  // The hut: plank walls and a fresh roof with a fish over the door.
  Box(cr, w * 0.2, h * 0.46, w * 0.7, h * 0.96, colour::Wood.Lighter(0.35));
  for (int i = 1; i < 7; ++i) Segment(cr, w * 0.21, h * (0.46 + i * 0.07), w * 0.69, h * (0.46 + i * 0.07));
  Stroke(cr, colour::Wood.Darker(0.3), 1.2);
  Gable(cr, w * 0.12, w * 0.78, h * 0.5, h * 0.06, RoofOf(p));
  for (double y : {0.3, 0.4}) {
    const double half = w * 0.33 * (y - 0.06) / 0.44;
    Segment(cr, w * 0.45 - half + 4, h * y, w * 0.45 + half - 4, h * y);
  }
  Stroke(cr, RoofOf(p).Darker(0.4), 1.2);
  Fish(cr, w * 0.45, h * 0.24, w * 0.17, Hex(0x7fb8d8));
  Door(cr, w * 0.27, h * 0.62, w * 0.12, h * 0.34);
  Window(cr, w * 0.48, h * 0.58, w * 0.14, h * 0.15);
  // A barrel with a fishing rod propped in it.
  Bar(cr, w * 0.1, h * 0.8, w * 0.02, h * 0.2, 1.5, colour::Wood);
  cairo_move_to(cr, w * 0.02, h * 0.2);
  cairo_curve_to(cr, w * 0.0, h * 0.35, w * 0.04, h * 0.45, w * 0.03, h * 0.55);
  Stroke(cr, colour::Ink, 1);
  RoundedRect(cr, w * 0.03, h * 0.72, w * 0.15, h * 0.24, 6);
  ShadeAndOutline(cr, colour::Wood, 2);
  for (double y : {0.78, 0.9}) Segment(cr, w * 0.035, h * y, w * 0.175, h * y);
  Stroke(cr, kIron.Darker(0.3), 2);
}

void Lighthouse(cairo_t* cr, double w, double h, const IslandPalette& p) {
  // The lamp's beams sweep out to both sides, fading with distance.
  const double lampY = h * 0.21;
  for (int side : {-1, 1}) {
    const double edge = w * (0.5 + side * 0.5);
    Triangle(cr, w * 0.5, lampY, edge, h * 0.06, edge, h * 0.36);
    cairo_pattern_t* fade = cairo_pattern_create_linear(w * 0.5, 0, edge, 0);
    cairo_pattern_add_color_stop_rgba(fade, 0, kLamp.R, kLamp.G, kLamp.B, 0.8);
    cairo_pattern_add_color_stop_rgba(fade, 1, kLamp.R, kLamp.G, kLamp.B, 0.0);
    cairo_set_source(cr, fade);
    cairo_fill(cr);
    cairo_pattern_destroy(fade);
  }
  // The tower narrows from foot to gallery; stripes follow the taper.
  const double foot = h * 0.92, top = h * 0.32;
  auto half = [&](double y) { return w * (0.08 + 0.06 * (y - top) / (foot - top)); };
  auto band = [&](double y0, double y1) {
    cairo_move_to(cr, w * 0.5 - half(y0), y0);
    cairo_line_to(cr, w * 0.5 + half(y0), y0);
    cairo_line_to(cr, w * 0.5 + half(y1), y1);
    cairo_line_to(cr, w * 0.5 - half(y1), y1);
    cairo_close_path(cr);
  };
  band(top, foot);
  ShadeAndOutline(cr, colour::White, 2.5);
  for (int i = 0; i < 3; ++i) {
    band(h * (0.38 + i * 0.18), h * (0.47 + i * 0.18));
    ShadeAndOutline(cr, colour::Berry, 2);
  }
  RoundWindow(cr, w * 0.5, h * 0.52, w * 0.03);
  Door(cr, w * 0.46, h * 0.76, w * 0.08, h * 0.16);
  // Gallery, lamp room and cap.
  for (int i = 0; i <= 6; ++i) Segment(cr, w * (0.36 + i * 0.047), h * 0.25, w * (0.36 + i * 0.047), h * 0.3);
  Segment(cr, w * 0.35, h * 0.25, w * 0.65, h * 0.25);
  Stroke(cr, colour::Ink, 1.5);
  Box(cr, w * 0.34, h * 0.29, w * 0.66, h * 0.33, Hex(0x5a6070), 2);
  SoftGlow(cr, w * 0.5, lampY, w * 0.16, kLamp, 1.0);
  Box(cr, w * 0.41, h * 0.14, w * 0.59, h * 0.29, Hex(0xffe27a), 2);
  for (double x : {0.47, 0.53}) Segment(cr, w * x, h * 0.14, w * x, h * 0.29);
  Stroke(cr, colour::Ink, 1.2);
  Triangle(cr, w * 0.37, h * 0.15, w * 0.5, h * 0.04, w * 0.63, h * 0.15);
  ShadeAndOutline(cr, colour::Berry, 2.5);
  cairo_arc(cr, w * 0.5, h * 0.035, w * 0.018, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Gold, 1.5);
  // Rocks round the foot.
  const double rocks[][3] = {{0.34, 0.93, 0.12}, {0.66, 0.93, 0.13}, {0.5, 0.96, 0.1}};
  for (const auto& r : rocks) {
    Ellipse(cr, w * r[0], h * r[1], w * r[2], h * 0.06);
    ShadeAndOutline(cr, kRock.Mix(p.Hill, 0.15), 2);
  }
}

void MarketSquare(cairo_t* cr, double w, double h, const IslandPalette& p) {
  Ellipse(cr, w * 0.5, h * 0.86, w * 0.49, h * 0.125);
  ShadeAndOutline(cr, Hex(0xd8c8a8), 2.5);
  Lcg rng(14);
  for (int i = 0; i < 26; ++i) {
    Ellipse(cr, w * rng.Range(0.12, 0.88), h * rng.Range(0.8, 0.93), w * 0.02, h * 0.008);
    SetColor(cr, Hex(0xb8a888));
    cairo_fill(cr);
  }
  // Bunting strung over the square.
  cairo_move_to(cr, w * 0.04, h * 0.1);
  cairo_curve_to(cr, w * 0.3, h * 0.28, w * 0.7, h * 0.28, w * 0.96, h * 0.1);
  Stroke(cr, colour::Ink, 1.5);
  const Rgb flags[] = {colour::Berry, colour::Gold, colour::Leaf, colour::Sky};
  for (int i = 0; i < 9; ++i) {
    const double t = (i + 0.5) / 9, x = w * (0.04 + 0.92 * t), y = h * (0.1 + 0.135 * 4 * t * (1 - t));
    Triangle(cr, x - w * 0.03, y, x + w * 0.03, y, x, y + h * 0.07);
    ShadeAndOutline(cr, flags[i % 4], 1.5);
  }
  Stall(cr, w * 0.02, h * 0.32, w * 0.4, h * 0.44, colour::Berry, kBanana);
  Stall(cr, w * 0.58, h * 0.32, w * 0.4, h * 0.44, colour::LeafDark.Mix(p.Accent, 0.2), kOrange);
  Fountain(cr, w * 0.5, h * 0.36, h * 0.98, w * 0.26, p);
}

// ---- island 2 ------------------------------------------------------------

void Sawmill(cairo_t* cr, double w, double h, const IslandPalette& p) {
  Box(cr, w * 0.06, h * 0.44, w * 0.68, h * 0.96, colour::Wood.Lighter(0.3));
  for (int i = 1; i < 9; ++i) Segment(cr, w * (0.06 + i * 0.069), h * 0.45, w * (0.06 + i * 0.069), h * 0.95);
  Stroke(cr, colour::Wood.Darker(0.3), 1.2);
  Gable(cr, w * 0.01, w * 0.74, h * 0.48, h * 0.12, RoofOf(p));
  Window(cr, w * 0.29, h * 0.3, w * 0.16, h * 0.12);
  Box(cr, w * 0.24, h * 0.56, w * 0.5, h * 0.96, kShadow);
  // The big saw blade biting into a log.
  const double sx = w * 0.37, sy = h * 0.72, r = w * 0.2;
  StarPath(cr, sx, sy, r, r * 0.86, 20);
  ShadeAndOutline(cr, Hex(0xd8dee8), 2);
  cairo_arc(cr, sx, sy, r * 0.25, 0, 2 * M_PI);
  ShadeAndOutline(cr, kIron, 2);
  Glint(cr, sx - r * 0.4, sy - r * 0.45, r * 0.25, r * 0.12);
  RoundedRect(cr, w * 0.03, h * 0.8, w * 0.6, h * 0.13, h * 0.06);
  ShadeAndOutline(cr, colour::Wood, 2.5);
  Ellipse(cr, w * 0.06, h * 0.865, w * 0.035, h * 0.06);
  ShadeAndOutline(cr, Hex(0xf0c890), 2);
  // A pile of sawn logs, end on.
  const double lr = w * 0.058;
  for (int row = 0; row < 3; ++row)
    for (int i = 0; i < 3 - row; ++i) {
      const double cx = w * 0.8 + (i - (2 - row) * 0.5) * lr * 2.05, cy = h * 0.96 - lr - row * lr * 1.75;
      cairo_arc(cr, cx, cy, lr, 0, 2 * M_PI);
      ShadeAndOutline(cr, Hex(0xf0c890), 2);
      cairo_arc(cr, cx, cy, lr * 0.5, 0, 2 * M_PI);
      Stroke(cr, colour::Wood, 1.2);
    }
}

void RiverBridge(cairo_t* cr, double w, double h, const IslandPalette& p) {
  Water(cr, w, h, h * 0.76, p);
  // One stone arch across the river; the road humps over it.
  const double left = 1.5, right = w - 1.5, archX = w * 0.5, archY = h * 0.92, archR = w * 0.29;
  auto hump = [&](double y, double toX) {
    const double near = toX > archX ? 0.3 : 0.7;
    cairo_curve_to(cr, w * near, y - h * 0.12, w * (1 - near), y - h * 0.12, toX, y);
  };
  auto body = [&] {
    cairo_move_to(cr, left, h * 0.38);
    hump(h * 0.38, right);
    cairo_line_to(cr, right, archY);
    cairo_line_to(cr, archX + archR, archY);
    cairo_arc_negative(cr, archX, archY, archR, 0, -M_PI);
    cairo_line_to(cr, left, archY);
    cairo_close_path(cr);
  };
  body();
  ShadeAndOutline(cr, kStone, 0);
  // Courses of stone, and the wedge stones round the arch, kept inside the
  // bridge's edge.
  cairo_save(cr);
  body();
  cairo_clip(cr);
  for (int row = 0; row < 8; ++row) {
    const double y = h * (0.4 + row * 0.07);
    Segment(cr, 0, y, w, y);
    for (int i = 0; i < 7; ++i) {
      const double x = w * (0.05 + i * 0.16 + (row % 2) * 0.08);
      Segment(cr, x, y, x, y + h * 0.07);
    }
  }
  Stroke(cr, kStone.Darker(0.35), 1.2);
  for (int i = 0; i <= 10; ++i) {
    const double a = -M_PI + i * M_PI / 10;
    Segment(cr, archX + std::cos(a) * archR, archY + std::sin(a) * archR, archX + std::cos(a) * archR * 1.22,
            archY + std::sin(a) * archR * 1.22);
  }
  cairo_new_sub_path(cr);
  cairo_arc(cr, archX, archY, archR * 1.22, -M_PI, 0);
  Stroke(cr, kStone.Darker(0.5), 1.5);
  cairo_restore(cr);
  body();
  Stroke(cr, kStone.Darker(0.6), 2.5);
  // The parapet along the road, and a lamp at each end.
  cairo_move_to(cr, left, h * 0.38);
  hump(h * 0.38, right);
  cairo_line_to(cr, right, h * 0.3);
  hump(h * 0.3, left);
  cairo_close_path(cr);
  ShadeAndOutline(cr, kStone.Lighter(0.3), 2.5);
  for (double x : {0.08, 0.92}) {
    Bar(cr, w * x, h * 0.3, w * x, h * 0.1, 2.5, colour::Ink);
    SoftGlow(cr, w * x, h * 0.08, h * 0.075, kLamp, 0.9);
    RoundedRect(cr, w * (x - 0.03), h * 0.04, w * 0.06, h * 0.08, 2);
    ShadeAndOutline(cr, colour::Gold, 1.5);
  }
}

void FlowerGarden(cairo_t* cr, double w, double h) {
  // A rose arch over the bed.
  const double archR = w * 0.34, archY = h * 0.45;
  cairo_move_to(cr, w * 0.5 - archR, h * 0.96);
  cairo_arc(cr, w * 0.5, archY, archR, M_PI, 2 * M_PI);
  cairo_line_to(cr, w * 0.5 + archR, h * 0.96);
  EdgedStroke(cr, colour::Wood.Lighter(0.2), 5);
  for (int i = 0; i <= 8; ++i) {
    const double a = M_PI + i * M_PI / 8, x = w * 0.5 + std::cos(a) * archR, y = archY + std::sin(a) * archR;
    DrawLeaf(cr, x, y, w * 0.09, a + (i % 2 ? 0.9 : -0.9), colour::Leaf);
  }
  for (int i = 0; i < 7; ++i) {
    const double a = M_PI + (i + 0.5) * M_PI / 7;
    Rose(cr, w * 0.5 + std::cos(a) * archR, archY + std::sin(a) * archR, w * 0.045);
  }
  for (int side : {-1, 1})
    for (int i = 0; i < 2; ++i) Rose(cr, w * 0.5 + side * archR, h * (0.55 + i * 0.14), w * 0.04);
  // The bed, its flowers and a low picket fence.
  Ellipse(cr, w * 0.5, h * 0.86, w * 0.42, h * 0.08);
  ShadeAndOutline(cr, Hex(0x8a5a3a), 2);
  for (int i = 0; i < 4; ++i)
    DrawPiece(cr, kFirstFlower + i, w * (0.24 + i * 0.17), h * (0.72 + (i % 2) * 0.04), w * 0.2);
  for (int i = 0; i < 9; ++i) {
    const double x = w * (0.05 + i * 0.11);
    cairo_move_to(cr, x, h * 0.98);
    cairo_line_to(cr, x, h * 0.86);
    cairo_line_to(cr, x + w * 0.03, h * 0.82);
    cairo_line_to(cr, x + w * 0.06, h * 0.86);
    cairo_line_to(cr, x + w * 0.06, h * 0.98);
    cairo_close_path(cr);
    ShadeAndOutline(cr, colour::White, 1.5);
  }
  Box(cr, w * 0.03, h * 0.89, w * 0.97, h * 0.93, colour::White, 1.5);
  Bee(cr, w * 0.28, h * 0.3, w * 0.07);
  Bee(cr, w * 0.7, h * 0.24, w * 0.07);
}

void TownHall(cairo_t* cr, double w, double h, const IslandPalette& p) {
  // A cupola with the town's flag, rising behind the roof.
  Box(cr, w * 0.42, h * 0.2, w * 0.58, h * 0.38, kPlaster);
  RoundWindow(cr, w * 0.5, h * 0.28, w * 0.035);
  cairo_arc(cr, w * 0.5, h * 0.2, w * 0.09, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  ShadeAndOutline(cr, RoofOf(p), 2.5);
  Flag(cr, w * 0.5, h * 0.15, h * 0.02, w * 0.14, colour::Berry);
  cairo_move_to(cr, w * 0.02, h * 0.46);
  cairo_line_to(cr, w * 0.12, h * 0.35);
  cairo_line_to(cr, w * 0.88, h * 0.35);
  cairo_line_to(cr, w * 0.98, h * 0.46);
  cairo_close_path(cr);
  ShadeAndOutline(cr, RoofOf(p), 2.5);
  Box(cr, w * 0.05, h * 0.45, w * 0.95, h * 0.9, kPlaster);
  for (double x : {0.1, 0.8})
    for (double y : {0.52, 0.71}) Window(cr, w * x, h * y, w * 0.1, h * 0.13);
  // The columned porch under a pediment with a gold star.
  Door(cr, w * 0.44, h * 0.64, w * 0.12, h * 0.26);
  for (double x0 : {0.28, 0.36, 0.59, 0.67}) {
    const double x = w * x0;
    Box(cr, x, h * 0.5, x + w * 0.05, h * 0.88, colour::White, 2);
    Box(cr, x - w * 0.01, h * 0.86, x + w * 0.06, h * 0.9, colour::White, 1.5);
  }
  Box(cr, w * 0.26, h * 0.46, w * 0.74, h * 0.51, colour::White, 2);
  Triangle(cr, w * 0.24, h * 0.46, w * 0.5, h * 0.3, w * 0.76, h * 0.46);
  ShadeAndOutline(cr, colour::White, 2.5);
  StarPath(cr, w * 0.5, h * 0.405, w * 0.045, w * 0.02, 5);
  ShadeAndOutline(cr, colour::Gold, 1.5);
  Box(cr, w * 0.22, h * 0.9, w * 0.78, h * 0.94, kStone, 2);
  Box(cr, w * 0.16, h * 0.94, w * 0.84, h * 0.98, kStone, 2);
}

// ---- island 3 ------------------------------------------------------------

void Windmill(cairo_t* cr, double w, double h, const IslandPalette& p) {
  cairo_move_to(cr, w * 0.37, h * 0.97);
  cairo_line_to(cr, w * 0.42, h * 0.4);
  cairo_line_to(cr, w * 0.58, h * 0.4);
  cairo_line_to(cr, w * 0.63, h * 0.97);
  cairo_close_path(cr);
  ShadeAndOutline(cr, kPlaster, 2.5);
  Door(cr, w * 0.46, h * 0.74, w * 0.08, h * 0.23);
  Window(cr, w * 0.465, h * 0.54, w * 0.07, h * 0.1);
  cairo_move_to(cr, w * 0.39, h * 0.44);
  cairo_curve_to(cr, w * 0.39, h * 0.24, w * 0.61, h * 0.24, w * 0.61, h * 0.44);
  cairo_close_path(cr);
  ShadeAndOutline(cr, RoofOf(p), 2.5);
  const double hubX = w * 0.5, hubY = h * 0.39, len = h * 0.44;
  for (int i = 0; i < 4; ++i) Sail(cr, hubX, hubY, M_PI / 4 + i * M_PI / 2, len);
  cairo_arc(cr, hubX, hubY, h * 0.04, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Wood, 2);
}

void Goldsmith(cairo_t* cr, double w, double h, const IslandPalette& p) {
  // The chimney breathes smoke and sparks.
  Box(cr, w * 0.46, h * 0.14, w * 0.56, h * 0.36, kBrick);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, w * (0.54 + i * 0.07), h * (0.12 - i * 0.03), w * (0.035 + i * 0.008), 0, 2 * M_PI);
    SetColor(cr, Hex(0xc8c8d0), 0.8);
    cairo_fill(cr);
  }
  Box(cr, w * 0.04, h * 0.44, w * 0.64, h * 0.96, kStone);
  Gable(cr, w * 0.01, w * 0.68, h * 0.48, h * 0.18, RoofOf(p));
  // The forge glowing in the wall.
  ArchPath(cr, w * 0.1, h * 0.6, w * 0.22, h * 0.36);
  FillRadial(cr, w * 0.21, h * 0.86, w * 0.2, kLamp, kFire);
  Stroke(cr, colour::Ink, 2.5);
  // Over the door, a sign with a gold ring.
  Door(cr, w * 0.42, h * 0.7, w * 0.14, h * 0.26);
  RoundedRect(cr, w * 0.38, h * 0.52, w * 0.22, h * 0.14, 4);
  ShadeAndOutline(cr, colour::Walnut, 2);
  cairo_arc(cr, w * 0.49, h * 0.59, w * 0.04, 0, 2 * M_PI);
  SetColor(cr, colour::Gold);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  Anvil(cr, w * 0.81, h * 0.97, w * 0.3);
  const double sparks[][3] = {{0.7, 0.52, 0.03}, {0.84, 0.44, 0.025}, {0.95, 0.56, 0.02}, {0.76, 0.36, 0.018}};
  for (const auto& s : sparks) {
    StarPath(cr, w * s[0], h * s[1], w * s[2], w * s[2] * 0.35, 4);
    SetColor(cr, colour::Gold);
    cairo_fill(cr);
  }
}

// Low side wings with pitched roofs, so a slim tower fills a wide box.
void Wings(cairo_t* cr, double w, double h, double top, const IslandPalette& p) {
  for (int side : {-1, 1}) {
    const double x0 = w * (0.5 + side * 0.44), x1 = w * (0.5 + side * 0.16);
    Box(cr, std::min(x0, x1), top, std::max(x0, x1), h * 0.97, kPlaster);
    Triangle(cr, x0 - side * w * 0.03, top + 2, x1, top - h * 0.14, x1, top + 2);
    ShadeAndOutline(cr, RoofOf(p), 2.5);
    Window(cr, (x0 + x1) / 2 - w * 0.05, top + (h * 0.97 - top) * 0.3, w * 0.1, (h * 0.97 - top) * 0.36);
  }
}

void ClockTower(cairo_t* cr, double w, double h, const IslandPalette& p) {
  Wings(cr, w, h, h * 0.66, p);
  Box(cr, w * 0.34, h * 0.28, w * 0.66, h * 0.97, kStone);
  Door(cr, w * 0.44, h * 0.78, w * 0.12, h * 0.19);
  Triangle(cr, w * 0.29, h * 0.3, w * 0.5, h * 0.02, w * 0.71, h * 0.3);
  ShadeAndOutline(cr, RoofOf(p), 2.5);
  ClockFace(cr, w * 0.5, h * 0.47, w * 0.13);
}

// The clock tower's smaller partner: a second face under an open bell
// chamber with a domed cap.
void Belfry(cairo_t* cr, double w, double h, const IslandPalette& p) {
  Wings(cr, w, h, h * 0.72, p);
  Box(cr, w * 0.34, h * 0.4, w * 0.66, h * 0.97, kStone);
  Door(cr, w * 0.44, h * 0.8, w * 0.12, h * 0.17);
  ClockFace(cr, w * 0.5, h * 0.6, w * 0.1);
  Box(cr, w * 0.32, h * 0.18, w * 0.68, h * 0.41, kStone.Lighter(0.2));
  ArchPath(cr, w * 0.39, h * 0.22, w * 0.22, h * 0.19);
  ShadeAndOutline(cr, kShadow, 2);
  cairo_move_to(cr, w * 0.44, h * 0.37);
  cairo_curve_to(cr, w * 0.45, h * 0.26, w * 0.46, h * 0.24, w * 0.5, h * 0.24);
  cairo_curve_to(cr, w * 0.54, h * 0.24, w * 0.55, h * 0.26, w * 0.56, h * 0.37);
  cairo_close_path(cr);
  ShadeAndOutline(cr, colour::Gold, 2);
  cairo_move_to(cr, w * 0.3, h * 0.19);
  cairo_curve_to(cr, w * 0.3, h * 0.02, w * 0.7, h * 0.02, w * 0.7, h * 0.19);
  cairo_close_path(cr);
  ShadeAndOutline(cr, RoofOf(p), 2.5);
  cairo_arc(cr, w * 0.5, h * 0.05, w * 0.025, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Gold, 1.5);
}

void CliffCastle(cairo_t* cr, double w, double h, const IslandPalette& p) {
  // The cliff, with its grassy top under the walls.
  cairo_move_to(cr, w * 0.06, h);
  cairo_line_to(cr, w * 0.1, h * 0.78);
  cairo_line_to(cr, w * 0.16, h * 0.64);
  cairo_line_to(cr, w * 0.84, h * 0.64);
  cairo_line_to(cr, w * 0.9, h * 0.74);
  cairo_line_to(cr, w * 0.95, h);
  cairo_close_path(cr);
  ShadeAndOutline(cr, kRock, 2.5);
  Segment(cr, w * 0.16, h * 0.645, w * 0.84, h * 0.645);
  EdgedStroke(cr, p.Hill, 3);
  const double cracks[][4] = {{0.2, 0.75, 0.3, 0.85}, {0.45, 0.72, 0.4, 0.92}, {0.7, 0.78, 0.8, 0.9}};
  for (const auto& c : cracks) Segment(cr, w * c[0], h * c[1], w * c[2], h * c[3]);
  Stroke(cr, kRock.Darker(0.4), 1.5);
  // Keep, towers and the wall between them.
  Box(cr, w * 0.4, h * 0.26, w * 0.6, h * 0.5, kStone);
  Battlements(cr, w * 0.4, w * 0.6, h * 0.26, w * 0.035, kStone);
  Flag(cr, w * 0.5, h * 0.22, h * 0.02, w * 0.1, colour::Berry);
  Box(cr, w * 0.24, h * 0.44, w * 0.76, h * 0.66, kStone);
  Battlements(cr, w * 0.26, w * 0.74, h * 0.44, w * 0.03, kStone);
  ArchPath(cr, w * 0.45, h * 0.5, w * 0.1, h * 0.16);
  ShadeAndOutline(cr, kShadow, 2);
  for (double x : {0.17, 0.71}) {
    Box(cr, w * x, h * 0.3, w * (x + 0.12), h * 0.66, kStone);
    Window(cr, w * (x + 0.045), h * 0.4, w * 0.03, h * 0.1);
    Flag(cr, w * (x + 0.06), h * 0.2, h * 0.03, w * 0.08, p.Accent);
    Triangle(cr, w * (x - 0.02), h * 0.31, w * (x + 0.06), h * 0.12, w * (x + 0.14), h * 0.31);
    ShadeAndOutline(cr, RoofOf(p), 2.5);
  }
}

// ---- island 4 ------------------------------------------------------------

void PotionShop(cairo_t* cr, double w, double h, const IslandPalette& p) {
  Box(cr, w * 0.66, h * 0.14, w * 0.76, h * 0.34, kBrick);
  const Rgb fizz[] = {p.Accent, colour::Leaf, colour::Sky};
  for (int i = 0; i < 3; ++i) Bubble(cr, w * (0.7 + i * 0.07), h * (0.1 - i * 0.015), w * (0.022 + i * 0.008), fizz[i]);
  Box(cr, w * 0.08, h * 0.42, w * 0.92, h * 0.96, p.HillFar.Mix(kPlaster, 0.6));
  Gable(cr, w * 0.02, w * 0.98, h * 0.46, h * 0.1, RoofOf(p));
  // A round sign with a flask under the gable.
  cairo_arc(cr, w * 0.5, h * 0.32, w * 0.085, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Cream, 2);
  DrawPiece(cr, kRoundPotionPiece, w * 0.5, h * 0.32, w * 0.14);
  // The shop window: shelves of bottles.
  Box(cr, w * 0.13, h * 0.52, w * 0.58, h * 0.88, colour::Wood);
  Box(cr, w * 0.16, h * 0.55, w * 0.55, h * 0.85, kGlass.Lighter(0.5), 1.5);
  for (double y : {0.7, 0.84}) Box(cr, w * 0.16, h * y, w * 0.55, h * (y + 0.02), colour::Wood, 1);
  for (int row = 0; row < 2; ++row)
    for (int i = 0; i < 3; ++i)
      DrawPiece(cr, kRoundPotionPiece + (i + row) % 2, w * (0.23 + i * 0.125), h * (0.64 + row * 0.14), w * 0.11);
  Door(cr, w * 0.66, h * 0.58, w * 0.18, h * 0.38);
}

void Laboratory(cairo_t* cr, double w, double h, const IslandPalette& p) {
  // A stone tower carrying the great brewing flask, piped to a second one.
  Box(cr, w * 0.1, h * 0.44, w * 0.56, h * 0.97, kStone);
  Battlements(cr, w * 0.1, w * 0.56, h * 0.44, w * 0.07, kStone);
  for (double y : {0.56, 0.7}) RoundWindow(cr, w * 0.33, h * y, w * 0.05);
  Door(cr, w * 0.26, h * 0.8, w * 0.14, h * 0.17);
  cairo_move_to(cr, w * 0.37, h * 0.06);
  cairo_curve_to(cr, w * 0.8, h * 0.0, w * 0.82, h * 0.3, w * 0.8, h * 0.66);
  EdgedStroke(cr, kGlass.Lighter(0.4), 3.5);
  Flask(cr, w * 0.33, h * 0.3, w * 0.22, colour::Leaf.Lighter(0.2));
  Flask(cr, w * 0.8, h * 0.85, w * 0.12, p.Accent.Mix(colour::Berry, 0.3));
  for (int i = 0; i < 3; ++i)
    Bubble(cr, w * (0.28 + i * 0.06), h * (0.13 - i * 0.045 + (i % 2) * 0.03), w * 0.025, colour::Leaf.Lighter(0.5));
}

void Seedlings(cairo_t* cr, double w, double h) {
  const double foot = h * 0.8;
  for (int i = 0; i < 5; ++i) {
    const double x = w * (0.2 + i * 0.15), top = foot - h * (0.22 + (i % 2) * 0.14);
    Bar(cr, x, foot - h * 0.06, x, top, 1.5, colour::LeafDark);
    DrawLeaf(cr, x, top + h * 0.08, w * 0.07, M_PI + 0.5, colour::Leaf);
    DrawLeaf(cr, x, top + h * 0.12, w * 0.07, -0.5, colour::Leaf);
    DrawPiece(cr, i % 2 ? kStrawberry : kFirstFlower + i / 2, x, top, w * 0.08);
    cairo_move_to(cr, x - w * 0.05, foot - h * 0.09);
    cairo_line_to(cr, x + w * 0.05, foot - h * 0.09);
    cairo_line_to(cr, x + w * 0.035, foot);
    cairo_line_to(cr, x - w * 0.035, foot);
    cairo_close_path(cr);
    ShadeAndOutline(cr, kBrick, 1.5);
  }
}

void Greenhouse(cairo_t* cr, double w, double h) {
  const double eave = h * 0.46, base = h * 0.82, rx = w * 0.42, ry = h * 0.36;
  auto glass = [&] {
    cairo_move_to(cr, w * 0.5 - rx, base);
    EllipseArc(cr, w * 0.5, eave, rx, ry, M_PI, 2 * M_PI);
    cairo_line_to(cr, w * 0.5 + rx, base);
    cairo_close_path(cr);
  };
  Seedlings(cr, w, h);
  // Glass over the plants, then the white frame and its panes.
  glass();
  SetColor(cr, kGlass, 0.2);
  cairo_fill(cr);
  for (int i = 1; i < 6; ++i) {
    const double x = w * 0.5 - rx + i * rx / 3;
    Segment(cr, x, eave, x, base);
  }
  Segment(cr, w * 0.5 - rx, eave, w * 0.5 + rx, eave);
  for (double k : {0.34, 0.7}) {
    cairo_new_sub_path(cr);
    EllipseArc(cr, w * 0.5, eave, rx * k, ry, M_PI, 2 * M_PI);
  }
  glass();
  EdgedStroke(cr, colour::White, 2.5);
  for (int i = 0; i < 3; ++i) Segment(cr, w * (0.2 + i * 0.25), h * 0.5, w * (0.26 + i * 0.25), h * 0.38);
  Stroke(cr, colour::White, 3, 0.7);
  Box(cr, w * 0.05, base, w * 0.95, h * 0.97, kBrick);
  for (int i = 1; i < 8; ++i) Segment(cr, w * (0.05 + i * 0.1125), base + 2, w * (0.05 + i * 0.1125), h * 0.97 - 2);
  Segment(cr, w * 0.06, (base + h * 0.97) / 2, w * 0.94, (base + h * 0.97) / 2);
  Stroke(cr, kBrick.Darker(0.4), 1.2);
}

void Observatory(cairo_t* cr, double w, double h) {
  for (int i = 0; i < 3; ++i) {
    StarPath(cr, w * (0.08 + i * 0.12), h * (0.1 + (i % 2) * 0.16), w * 0.035, w * 0.014, 5);
    ShadeAndOutline(cr, colour::Gold, 1);
  }
  Box(cr, w * 0.12, h * 0.6, w * 0.88, h * 0.97, kStone);
  for (double x : {0.2, 0.7}) Window(cr, w * x, h * 0.7, w * 0.1, h * 0.14);
  Door(cr, w * 0.43, h * 0.74, w * 0.14, h * 0.23);
  // The dome, its open slit and the telescope looking out of it.
  const double cx = w * 0.5, cy = h * 0.62, rx = w * 0.34, ry = h * 0.5;
  auto dome = [&] {
    EllipseArc(cr, cx, cy, rx, ry, M_PI, 2 * M_PI);
    cairo_close_path(cr);
  };
  dome();
  ShadeAndOutline(cr, Hex(0xe4e8f4), 2.5);
  cairo_save(cr);
  dome();
  cairo_clip(cr);
  for (double k : {0.45, 0.85}) {
    cairo_new_sub_path(cr);
    EllipseArc(cr, cx, cy, rx * k, ry, M_PI, 2 * M_PI);
  }
  Stroke(cr, Hex(0xa0a8c0), 1.5);
  Box(cr, cx - w * 0.06, cy - ry, cx + w * 0.06, cy, Hex(0x2a2a5a), 2);
  cairo_restore(cr);
  Box(cr, w * 0.1, cy - h * 0.01, w * 0.9, cy + h * 0.04, kStone.Darker(0.1), 2);
  cairo_save(cr);
  cairo_translate(cr, cx, cy - ry * 0.45);
  cairo_rotate(cr, -0.75);
  cairo_move_to(cr, 0, -h * 0.05);
  cairo_line_to(cr, h * 0.45, -h * 0.075);
  cairo_line_to(cr, h * 0.45, h * 0.075);
  cairo_line_to(cr, 0, h * 0.05);
  cairo_close_path(cr);
  cairo_restore(cr);
  ShadeAndOutline(cr, colour::Gold.Mix(colour::Wood, 0.3), 2.5);
}

// ---- island 5 ------------------------------------------------------------

void SkyGarden(cairo_t* cr, double w, double h, const IslandPalette& p) {
  // A floating island: earth underneath, garden on top, clouds below.
  cairo_move_to(cr, w * 0.08, h * 0.56);
  cairo_curve_to(cr, w * 0.2, h * 0.7, w * 0.4, h * 0.75, w * 0.5, h * 0.94);
  cairo_curve_to(cr, w * 0.6, h * 0.75, w * 0.8, h * 0.7, w * 0.92, h * 0.56);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xb08058), 2.5);
  for (int i = 0; i < 3; ++i) {
    const double x = w * (0.25 + i * 0.22);
    cairo_move_to(cr, x, h * 0.62);
    cairo_curve_to(cr, x - w * 0.03, h * 0.7, x + w * 0.03, h * 0.74, x, h * 0.8 - (i % 2) * h * 0.06);
  }
  Stroke(cr, colour::LeafDark, 2.5);
  Ellipse(cr, w * 0.5, h * 0.56, w * 0.43, h * 0.07);
  ShadeAndOutline(cr, p.Hill.Mix(colour::Leaf, 0.5), 2.5);
  FruitTree(cr, w * 0.28, h * 0.56, h * 0.5, kApple);
  FruitTree(cr, w * 0.68, h * 0.58, h * 0.42, kBanana);
  for (int i = 0; i < 4; ++i) DrawPiece(cr, kFirstFlower + i, w * (0.18 + i * 0.2), h * 0.55, w * 0.1);
  DrawCloud(cr, w * 0.22, h * 0.86, h * 0.14);
  DrawCloud(cr, w * 0.74, h * 0.88, h * 0.13);
  DrawCloud(cr, w * 0.5, h * 0.92, h * 0.09);
}

void CableCar(cairo_t* cr, double w, double h, const IslandPalette& p) {
  // The mast at the top end of the line: two legs leaning together, braced.
  const double foot = h * 0.98, top = h * 0.12;
  auto leg = [&](int side, double y) { return w * (0.88 + side * (0.04 + 0.07 * (y - top) / (foot - top))); };
  for (int i = 0; i < 4; ++i) {
    const double y0 = top + (foot - top) * (i + 1) / 5, y1 = top + (foot - top) * (i + 2) / 5;
    Bar(cr, leg(-1, y0), y0, leg(1, y1), y1, 1.5, kIron);
  }
  for (int side : {-1, 1}) Bar(cr, leg(side, foot), foot, leg(side, top), top, 3, kIron);
  Box(cr, w * 0.78, h * 0.08, w * 0.98, h * 0.13, kIron, 2);
  // The valley station, its cable wheel and the line up to the mast.
  Box(cr, w * 0.02, h * 0.7, w * 0.3, h * 0.98, kPlaster);
  Gable(cr, w * 0.01, w * 0.32, h * 0.72, h * 0.5, RoofOf(p));
  Door(cr, w * 0.11, h * 0.8, w * 0.1, h * 0.18);
  cairo_arc(cr, w * 0.25, h * 0.63, w * 0.05, 0, 2 * M_PI);
  ShadeAndOutline(cr, kIron, 2);
  Segment(cr, w * 0.25, h * 0.6, w * 0.88, h * 0.08);
  Stroke(cr, colour::Ink, 2);
  // The car, hanging under its wheel halfway up.
  const double t = 0.42, gx = w * (0.25 + t * 0.63), gy = h * (0.6 - t * 0.52);
  Bar(cr, gx, gy, gx, gy + h * 0.12, 2, kIron);
  cairo_arc(cr, gx, gy, w * 0.028, 0, 2 * M_PI);
  ShadeAndOutline(cr, kIron, 1.5);
  RoundedRect(cr, gx - w * 0.2, gy + h * 0.1, w * 0.4, h * 0.06, 3);
  ShadeAndOutline(cr, RoofOf(p).Darker(0.2), 2);
  RoundedRect(cr, gx - w * 0.18, gy + h * 0.15, w * 0.36, h * 0.32, 8);
  ShadeAndOutline(cr, p.Accent, 2.5);
  for (int i = 0; i < 2; ++i) Window(cr, gx - w * 0.14 + i * w * 0.15, gy + h * 0.2, w * 0.13, h * 0.13);
  Box(cr, gx - w * 0.18, gy + h * 0.38, gx + w * 0.18, gy + h * 0.41, p.Accent.Darker(0.3), 1.5);
}

void WeatherVane(cairo_t* cr, double w, double h, const IslandPalette& p) {
  // A turret top to stand on.
  Box(cr, w * 0.32, h * 0.88, w * 0.68, h * 0.98, kPlaster);
  Triangle(cr, w * 0.24, h * 0.89, w * 0.5, h * 0.62, w * 0.76, h * 0.89);
  ShadeAndOutline(cr, RoofOf(p), 2.5);
  Bar(cr, w * 0.5, h * 0.64, w * 0.5, h * 0.08, 2.5, kIron);
  // Compass arms, with the four winds.
  Bar(cr, w * 0.2, h * 0.5, w * 0.8, h * 0.5, 2, kIron);
  Bar(cr, w * 0.38, h * 0.58, w * 0.62, h * 0.42, 2, kIron);
  const struct {
    const char* letter;
    double x, y;
  } winds[] = {{"W", 0.12, 0.5}, {"E", 0.88, 0.5}, {"N", 0.67, 0.38}, {"S", 0.33, 0.62}};
  for (const auto& wind : winds)
    OutlinedText(cr, wind.letter, w * wind.x, h * wind.y, h * 0.11, colour::Gold, colour::Ink, 3);
  // The arrow, pointing into the wind, with a feathered tail.
  const double ay = h * 0.24;
  Bar(cr, w * 0.14, ay, w * 0.8, ay, 2.5, colour::Gold);
  Triangle(cr, w * 0.04, ay, w * 0.2, ay - h * 0.09, w * 0.2, ay + h * 0.09);
  ShadeAndOutline(cr, colour::Gold, 2);
  cairo_move_to(cr, w * 0.7, ay);
  cairo_line_to(cr, w * 0.8, ay - h * 0.12);
  cairo_line_to(cr, w * 0.97, ay - h * 0.12);
  cairo_line_to(cr, w * 0.88, ay);
  cairo_line_to(cr, w * 0.97, ay + h * 0.12);
  cairo_line_to(cr, w * 0.8, ay + h * 0.12);
  cairo_close_path(cr);
  ShadeAndOutline(cr, colour::Gold, 2);
  cairo_arc(cr, w * 0.5, h * 0.07, w * 0.03, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Gold, 1.5);
}

void MooringMast(cairo_t* cr, double w, double h) {
  // A lattice tower narrowing to a railed platform.
  const double foot = h * 0.98, top = h * 0.36;
  auto left = [&](double y) { return w * (0.18 + 0.18 * (foot - y) / (foot - top)); };
  for (int i = 0; i < 5; ++i) {
    const double y0 = foot - (foot - top) * i / 5, y1 = foot - (foot - top) * (i + 1) / 5;
    Bar(cr, left(y0), y0, w - left(y1), y1, 1.2, kIron);
    Bar(cr, w - left(y0), y0, left(y1), y1, 1.2, kIron);
  }
  Bar(cr, left(foot), foot, left(top), top, 3, kIron);
  Bar(cr, w - left(foot), foot, w - left(top), top, 3, kIron);
  for (int i = 0; i <= 3; ++i) Segment(cr, w * (0.27 + i * 0.153), top - h * 0.07, w * (0.27 + i * 0.153), top);
  Segment(cr, w * 0.25, top - h * 0.07, w * 0.75, top - h * 0.07);
  Stroke(cr, colour::Ink, 1.5);
  Box(cr, w * 0.22, top - h * 0.01, w * 0.78, top + h * 0.04, colour::Wood, 2);
  // The mast with a mooring ring on its arm, the line for the zeppelin
  // hanging from it, and a red beacon on top.
  Box(cr, w * 0.45, h * 0.12, w * 0.55, top, kIron, 2);
  Bar(cr, w * 0.55, h * 0.18, w * 0.78, h * 0.18, 3, kIron);
  cairo_arc(cr, w * 0.84, h * 0.2, w * 0.07, 0, 2 * M_PI);
  EdgedStroke(cr, colour::Gold, 3.5);
  cairo_move_to(cr, w * 0.84, h * 0.27);
  cairo_curve_to(cr, w * 0.8, h * 0.45, w * 0.98, h * 0.6, w * 0.92, h * 0.8);
  EdgedStroke(cr, Hex(0xe8c890), 2);
  SoftGlow(cr, w * 0.5, h * 0.1, w * 0.13, colour::Berry.Lighter(0.3), 0.8);
  cairo_arc(cr, w * 0.5, h * 0.1, w * 0.07, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Berry, 2);
}

// The mooring tower's partner: a landing platform with a windsock.
void Windsock(cairo_t* cr, double w, double h) {
  const double pole = w * 0.22;
  Bar(cr, pole, h * 0.88, pole, h * 0.05, 3, kIron);
  const int stripes = 5;
  for (int i = 0; i < stripes; ++i) {
    const double t0 = double(i) / stripes, t1 = double(i + 1) / stripes;
    auto x = [&](double t) { return pole + 2 + t * w * 0.72; };
    auto half = [&](double t) { return h * (0.1 - 0.05 * t); };
    auto mid = [&](double t) { return h * (0.17 + 0.06 * t * t); };
    cairo_move_to(cr, x(t0), mid(t0) - half(t0));
    cairo_line_to(cr, x(t1), mid(t1) - half(t1));
    cairo_line_to(cr, x(t1), mid(t1) + half(t1));
    cairo_line_to(cr, x(t0), mid(t0) + half(t0));
    cairo_close_path(cr);
    ShadeAndOutline(cr, i % 2 ? colour::White : Hex(0xff7a2a), 2);
  }
  Ellipse(cr, w * 0.5, h * 0.93, w * 0.46, h * 0.05);
  ShadeAndOutline(cr, kIron, 2);
  Ellipse(cr, w * 0.5, h * 0.88, w * 0.46, h * 0.06);
  ShadeAndOutline(cr, colour::Wood.Lighter(0.3), 2.5);
  Ellipse(cr, w * 0.5, h * 0.88, w * 0.3, h * 0.035);
  Stroke(cr, colour::Gold, 2);
}

}  // namespace

void DrawBuilding(cairo_t* cr, Building kind, double w, double h, const IslandPalette& p) {
  switch (kind) {
    case Building::House: return House(cr, w, h, RoofOf(p));
    case Building::HarbourPier: return HarbourPier(cr, w, h, p);
    case Building::FishersHut: return FishersHut(cr, w, h, p);
    case Building::Lighthouse: return Lighthouse(cr, w, h, p);
    case Building::MarketSquare: return MarketSquare(cr, w, h, p);
    case Building::Sawmill: return Sawmill(cr, w, h, p);
    case Building::RiverBridge: return RiverBridge(cr, w, h, p);
    case Building::FlowerGarden: return FlowerGarden(cr, w, h);
    case Building::TownHall: return TownHall(cr, w, h, p);
    case Building::Windmill: return Windmill(cr, w, h, p);
    case Building::Goldsmith: return Goldsmith(cr, w, h, p);
    case Building::ClockTower: return ClockTower(cr, w, h, p);
    case Building::Belfry: return Belfry(cr, w, h, p);
    case Building::CliffCastle: return CliffCastle(cr, w, h, p);
    case Building::PotionShop: return PotionShop(cr, w, h, p);
    case Building::Laboratory: return Laboratory(cr, w, h, p);
    case Building::Greenhouse: return Greenhouse(cr, w, h);
    case Building::Observatory: return Observatory(cr, w, h);
    case Building::SkyGarden: return SkyGarden(cr, w, h, p);
    case Building::CableCar: return CableCar(cr, w, h, p);
    case Building::WeatherVane: return WeatherVane(cr, w, h, p);
    case Building::MooringMast: return MooringMast(cr, w, h);
    case Building::Windsock: return Windsock(cr, w, h);
  }
}

}  // namespace contentgen
