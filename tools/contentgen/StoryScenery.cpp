// The story strips' sky, weather, land, water and town.
#include <algorithm>
#include <cmath>

#include "BuildingParts.h"
#include "Pieces.h"
#include "StoryKit.h"

namespace contentgen::story {

using namespace town;

void Blob(cairo_t* cr, const Rgb& c, double outline) {
  SetColor(cr, c.Darker(0.6));
  cairo_set_line_width(cr, outline * 2);
  cairo_stroke_preserve(cr);
  ShadeAndOutline(cr, c, 0);
}

// ---- sky and weather --------------------------------------------------------

void Sky(cairo_t* cr, double horizon, const Rgb& top, const Rgb& middle, const Rgb& low) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, horizon);
  cairo_pattern_add_color_stop_rgb(g, 0, top.R, top.G, top.B);
  cairo_pattern_add_color_stop_rgb(g, 0.55, middle.R, middle.G, middle.B);
  cairo_pattern_add_color_stop_rgb(g, 1, low.R, low.G, low.B);
  cairo_rectangle(cr, 0, 0, kStageW, kStageH);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void Stars(cairo_t* cr, std::uint32_t seed, int count, double bottom, double alpha) {
  Lcg rng(seed);
  for (int i = 0; i < count; ++i) {
    const double x = rng.Range(0, kStageW), y = rng.Range(0, bottom), r = rng.Range(1.2, 3.2);
    const double twinkle = rng.Next();
    if (twinkle > 0.85) {
      StarPath(cr, x, y, r * 2.6, r * 0.7, 4);
      SetColor(cr, Hex(0xfff6c8), alpha);
    } else {
      cairo_arc(cr, x, y, r * 0.7, 0, 2 * M_PI);
      SetColor(cr, colour::White, alpha * (0.5 + twinkle * 0.5));
    }
    cairo_fill(cr);
  }
}

void Moon(cairo_t* cr, double cx, double cy, double r) {
  SoftGlow(cr, cx, cy, r * 3.2, Hex(0xd8d0ff), 0.45);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0xfaf3cf), 2.5);
  const double craters[][3] = {{-0.35, -0.2, 0.18}, {0.25, 0.3, 0.22}, {0.3, -0.35, 0.1}};
  for (const auto& c : craters) {
    cairo_arc(cr, cx + c[0] * r, cy + c[1] * r, c[2] * r, 0, 2 * M_PI);
    SetColor(cr, Hex(0xd8ceaa), 0.7);
    cairo_fill(cr);
  }
}

void Sun(cairo_t* cr, double cx, double cy, double r, const Rgb& glow) {
  SoftGlow(cr, cx, cy, r * 4.5, glow, 0.55);
  SoftGlow(cr, cx, cy, r * 2, colour::White, 0.6);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  FillRadial(cr, cx - r * 0.2, cy - r * 0.2, r * 1.2, Hex(0xfffbe0), Hex(0xffe070));
  cairo_new_path(cr);
}

void StormCloud(cairo_t* cr, double cx, double cy, double size, const Rgb& c, double alpha) {
  const double puffs[][3] = {{-0.62, 0.12, 0.32}, {-0.3, -0.12, 0.42}, {0.08, -0.26, 0.46}, {0.45, -0.08, 0.4},
                             {0.75, 0.14, 0.3},   {-0.1, 0.14, 0.4},   {0.35, 0.16, 0.36}};
  cairo_new_path(cr);
  for (const auto& p : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + p[0] * size, cy + p[1] * size, p[2] * size, 0, 2 * M_PI);
  }
  cairo_push_group(cr);
  FillVertical(cr, cy - size * 0.7, cy + size * 0.5, c.Lighter(0.25), c.Darker(0.25));
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, alpha);
  cairo_new_path(cr);
}

void Rain(cairo_t* cr, std::uint32_t seed, int drops, double x0, double y0, double x1, double y1) {
  Lcg rng(seed);
  for (int i = 0; i < drops; ++i) {
    const double x = rng.Range(x0 - 60, x1), y = rng.Range(y0, y1), len = rng.Range(22, 46);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len * 0.45, y + len);
  }
  SetColor(cr, Hex(0xc8d8ff), 0.35);
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void WindStreak(cairo_t* cr, double x, double y, double len, double curl) {
  cairo_move_to(cr, x, y);
  cairo_curve_to(cr, x + len * 0.35, y - curl * 0.4, x + len * 0.7, y + curl * 0.3, x + len, y - curl * 0.2);
  // the curl at the end of the gust
  cairo_curve_to(cr, x + len + curl * 0.9, y - curl * 0.5, x + len + curl * 0.6, y - curl * 1.4, x + len + curl * 0.1,
                 y - curl * 1.1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColor(cr, colour::White, 0.45);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void LightningBolt(cairo_t* cr, double x0, double y0, double x1, double y1, std::uint32_t seed) {
  Lcg rng(seed);
  const int steps = 6;
  cairo_move_to(cr, x0, y0);
  for (int i = 1; i <= steps; ++i) {
    const double t = double(i) / steps;
    const double jog = i == steps ? 0 : rng.Range(-30, 30);
    cairo_line_to(cr, x0 + (x1 - x0) * t + jog, y0 + (y1 - y0) * t);
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, Hex(0xfff3a0), 0.35);
  cairo_set_line_width(cr, 14);
  cairo_stroke_preserve(cr);
  SetColor(cr, Hex(0xfffbe0));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

void Bird(cairo_t* cr, double cx, double cy, double span, double flap) {
  cairo_move_to(cr, cx - span / 2, cy - span * flap);
  cairo_curve_to(cr, cx - span * 0.3, cy - span * 0.2, cx - span * 0.1, cy - span * 0.1, cx, cy + span * 0.08);
  cairo_curve_to(cr, cx + span * 0.1, cy - span * 0.1, cx + span * 0.3, cy - span * 0.2, cx + span / 2,
                 cy - span * flap);
  SetColor(cr, colour::Ink);
  cairo_set_line_width(cr, std::max(2.0, span * 0.08));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// ---- land and water ----------------------------------------------------------

void TownHill(cairo_t* cr, double footX, const double (&first)[6], const double (&second)[6], double rightY,
              const Rgb& top, const Rgb& bottom, const Rgb& outline) {
  cairo_move_to(cr, footX, kStageH + 10);
  cairo_curve_to(cr, first[0], first[1], first[2], first[3], first[4], first[5]);
  cairo_curve_to(cr, second[0], second[1], second[2], second[3], second[4], second[5]);
  cairo_line_to(cr, kStageW + 10, kStageH + 10);
  cairo_close_path(cr);
  FillVertical(cr, rightY, kStageH, top, bottom);
  Stroke(cr, outline, 2.5);
}

void Sea(cairo_t* cr, double top, const Rgb& far, const Rgb& near, std::uint32_t seed, bool rough) {
  cairo_rectangle(cr, 0, top, kStageW, kStageH - top);
  FillVertical(cr, top, kStageH, far, near);
  cairo_new_path(cr);
  Lcg rng(seed);
  const int rows = rough ? 7 : 9;
  for (int row = 0; row < rows; ++row) {
    const double t = double(row) / rows;
    const double y = top + 10 + (kStageH - top) * t * t * 1.05 + t * 20;
    const double size = 10 + t * (rough ? 60 : 26);
    for (double x = rng.Range(-size, 0); x < kStageW + size; x += size * rng.Range(2.2, 3.4)) {
      if (rough) {
        // a breaking wave: a hump with a white cap curling forward
        cairo_move_to(cr, x - size, y);
        cairo_curve_to(cr, x - size * 0.4, y - size * 0.2, x - size * 0.1, y - size * 0.7, x + size * 0.4,
                       y - size * 0.6);
        cairo_curve_to(cr, x + size * 0.25, y - size * 0.4, x + size * 0.3, y - size * 0.15, x + size, y);
        cairo_close_path(cr);
        SetColor(cr, far.Mix(near, t).Lighter(0.12), 0.9);
        cairo_fill(cr);
        cairo_move_to(cr, x - size * 0.2, y - size * 0.45);
        cairo_curve_to(cr, x, y - size * 0.7, x + size * 0.3, y - size * 0.68, x + size * 0.4, y - size * 0.6);
        SetColor(cr, colour::White, 0.75);
        cairo_set_line_width(cr, 2 + size * 0.08);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
      } else {
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + size * 0.3, y - size * 0.3, x + size * 0.7, y - size * 0.3, x + size, y);
        SetColor(cr, colour::White, 0.25 + 0.2 * t);
        cairo_set_line_width(cr, 1.5 + t * 2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
      }
    }
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void HillBand(cairo_t* cr, double y0, double y1, double bump, int bumps, const Rgb& c, std::uint32_t seed) {
  Lcg rng(seed);
  cairo_move_to(cr, -10, kStageH + 10);
  cairo_line_to(cr, -10, y0);
  for (int i = 0; i < bumps; ++i) {
    const double xa = kStageW * i / bumps, xb = kStageW * (i + 1) / bumps;
    const double ya = y0 + (y1 - y0) * i / bumps, yb = y0 + (y1 - y0) * (i + 1) / bumps;
    const double peak = std::min(ya, yb) - bump * rng.Range(0.5, 1.0);
    cairo_curve_to(cr, xa + (xb - xa) * 0.3, peak, xa + (xb - xa) * 0.7, peak, xb, yb);
  }
  cairo_line_to(cr, kStageW + 10, kStageH + 10);
  cairo_close_path(cr);
  FillVertical(cr, std::min(y0, y1) - bump, kStageH, c.Lighter(0.12), c.Darker(0.2));
  SetColor(cr, c.Darker(0.45));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

void WindTree(cairo_t* cr, double x, double foot, double size, double bend, const Rgb& leaf) {
  const double topX = x + bend * size * 0.55, topY = foot - size * 0.62;
  cairo_move_to(cr, x - size * 0.06, foot);
  cairo_curve_to(cr, x - size * 0.05, foot - size * 0.3, topX - size * 0.3 * bend, topY + size * 0.1, topX, topY);
  cairo_line_to(cr, topX + size * 0.04, topY + size * 0.04);
  cairo_curve_to(cr, topX - size * 0.2 * bend, topY + size * 0.14, x + size * 0.07, foot - size * 0.3, x + size * 0.07,
                 foot);
  cairo_close_path(cr);
  ShadeAndOutline(cr, colour::Wood.Darker(0.1), 2.5);
  // The crown streams out with the wind: puffs stretched along the bend.
  const double puffs[][3] = {{-0.18, 0.02, 0.2}, {0.05, -0.1, 0.24}, {0.25, 0.0, 0.2}, {0.05, 0.1, 0.2}};
  cairo_new_path(cr);
  for (const auto& p : puffs)
    Ellipse(cr, topX + (p[0] + bend * p[0] * 0.8) * size, topY + p[1] * size, p[2] * size * (1 + bend * 0.5),
            p[2] * size * (1 - bend * 0.25), bend * 0.25);
  Blob(cr, leaf, 2.5);
}

void Bush(cairo_t* cr, double cx, double foot, double size, const Rgb& leaf, int flower) {
  cairo_new_path(cr);
  for (int i = -1; i <= 1; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + i * size * 0.32, foot - size * (i == 0 ? 0.42 : 0.3), size * (i == 0 ? 0.36 : 0.3), 0, 2 * M_PI);
  }
  cairo_rectangle(cr, cx - size * 0.62, foot - size * 0.3, size * 1.24, size * 0.3);
  Blob(cr, leaf, 2);
  if (flower >= 0)
    for (int i = 0; i < 3; ++i)
      DrawPiece(cr, flower, cx + (i - 1) * size * 0.34, foot - size * (i == 1 ? 0.6 : 0.38), size * 0.32);
}

void Plank(cairo_t* cr, double cx, double cy, double len, double angle) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  const double th = std::max(8.0, len * 0.17);
  cairo_rectangle(cr, -len / 2, -th / 2, len, th);
  cairo_restore(cr);
  ShadeAndOutline(cr, colour::Wood.Lighter(0.3), 2);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, -len * 0.4, -th * 0.1);
  cairo_line_to(cr, len * 0.1, -th * 0.1);
  cairo_move_to(cr, -len * 0.1, th * 0.2);
  cairo_line_to(cr, len * 0.38, th * 0.2);
  cairo_restore(cr);
  Stroke(cr, colour::Wood.Darker(0.35), 1.2);
  for (double end : {-0.42, 0.42}) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_arc(cr, len * end, 0, th * 0.14, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, kIron.Darker(0.3));
    cairo_fill(cr);
  }
}

void Nail(cairo_t* cr, double x, double y, double len, double angle) {
  const double dx = std::cos(angle) * len, dy = std::sin(angle) * len;
  Segment(cr, x, y, x + dx, y + dy);
  EdgedStroke(cr, kIron.Lighter(0.2), std::max(1.5, len * 0.12));
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_rectangle(cr, -len * 0.06, -len * 0.18, len * 0.1, len * 0.36);
  cairo_restore(cr);
  ShadeAndOutline(cr, kIron, 1.2);
}

// ---- the town ----------------------------------------------------------------

namespace {

void Windows(cairo_t* cr, double x, double w, double eave, double foot, const HouseLook& look) {
  const double wallH = foot - eave;
  const double ww = w * 0.2, wh = wallH * 0.26, wy = eave + wallH * 0.16;
  for (double wx : {x + w * 0.12, x + w * 0.68}) {
    if (look.Lit) SoftGlow(cr, wx + ww / 2, wy + wh / 2, ww * 1.6, kLamp, 0.55);
    RoundedRect(cr, wx, wy, ww, wh, ww * 0.2);
    ShadeAndOutline(cr, look.Lit ? Hex(0xffd766) : kGlass, 2);
    Segment(cr, wx + ww / 2, wy + 1, wx + ww / 2, wy + wh - 1);
    Segment(cr, wx + 1, wy + wh / 2, wx + ww - 1, wy + wh / 2);
    Stroke(cr, (look.Lit ? Hex(0xc08020) : kGlass).Darker(0.5), 1.2);
  }
}

// The roof in its own frame: the gable's eave line along y = 0 from x0 to x1.
void GableRoof(cairo_t* cr, double x0, double x1, double rise, const Rgb& c) {
  const double over = (x1 - x0) * 0.07;
  Triangle(cr, x0 - over, 0, (x0 + x1) / 2, -rise, x1 + over, 0);
  ShadeAndOutline(cr, c, 2.5);
  // rows of tiles
  for (int row = 1; row <= 3; ++row) {
    const double y = -rise * row / 4.0, half = ((x1 - x0) / 2 + over) * (1 - row / 4.0);
    Segment(cr, (x0 + x1) / 2 - half + 4, y, (x0 + x1) / 2 + half - 4, y);
  }
  Stroke(cr, c.Darker(0.4), 1.2);
}

}  // namespace

void StoryHouse(cairo_t* cr, double x, double foot, double w, double h, const HouseLook& look, RoofState roof,
                std::uint32_t seed) {
  Lcg rng(seed);
  const double eave = foot - h * 0.6, rise = h * 0.4;
  if (roof == RoofState::Gone) {
    // Bare rafters, some snapped, over a ragged wall top.
    const double mid = x + w / 2;
    Bar(cr, x + w * 0.05, eave + 2, mid - w * 0.04, eave - rise * 0.92, 4, colour::Wood);
    Bar(cr, x + w * 0.95, eave + 2, x + w * 0.74, eave - rise * 0.45, 4, colour::Wood);
    Bar(cr, mid - w * 0.1, eave - rise * 0.85, mid + w * 0.06, eave - rise * 0.8, 3.5, colour::Wood);
    Bar(cr, x + w * 0.3, eave + 2, x + w * 0.42, eave - rise * 0.5, 3, colour::Wood);
  }
  // The walls; a roofless house has a broken top edge.
  if (roof == RoofState::Gone) {
    cairo_move_to(cr, x, foot);
    cairo_line_to(cr, x, eave + 6);
    const int teeth = 7;
    for (int i = 1; i <= teeth; ++i)
      cairo_line_to(cr, x + w * i / teeth, eave + (i % 2 ? rng.Range(4, 16) : rng.Range(-4, 4)));
    cairo_line_to(cr, x + w, foot);
    cairo_close_path(cr);
    ShadeAndOutline(cr, look.Wall, 2.5);
  } else {
    Box(cr, x, eave, x + w, foot, look.Wall);
  }
  Windows(cr, x, w, eave, foot, look);
  Door(cr, x + w * 0.4, eave + (foot - eave) * 0.42, w * 0.2, (foot - eave) * 0.58);
  switch (roof) {
    case RoofState::Whole:
      cairo_save(cr);
      cairo_translate(cr, 0, eave + 3);
      Box(cr, x + w * 0.68, -rise * 0.95, x + w * 0.8, -rise * 0.4, kBrick, 2);
      GableRoof(cr, x, x + w, rise, look.Roof);
      cairo_restore(cr);
      return;
    case RoofState::Flying: {
      // The roof tumbles away up and to the right; a few tiles go with it.
      const double lift = rng.Range(0.7, 1.0);
      cairo_save(cr);
      cairo_translate(cr, x + w / 2 + w * 0.45 * lift, eave - rise * 0.9 * lift);
      cairo_rotate(cr, 0.35 + 0.25 * lift);
      GableRoof(cr, -w / 2, w / 2, rise, look.Roof);
      cairo_restore(cr);
      for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, x + w * rng.Range(0.6, 1.4), eave - rise * rng.Range(0.2, 1.6));
        cairo_rotate(cr, rng.Range(-1, 1));
        cairo_rectangle(cr, -w * 0.06, -w * 0.035, w * 0.12, w * 0.07);
        cairo_restore(cr);
        ShadeAndOutline(cr, look.Roof, 1.5);
      }
      // the wall top it tore away from
      Bar(cr, x + w * 0.05, eave, x + w * 0.3, eave - rise * 0.3, 3.5, colour::Wood);
      return;
    }
    case RoofState::Garden: {
      // A flat roof with a low rail and a little garden.
      Box(cr, x - w * 0.04, eave - h * 0.06, x + w * 1.04, eave + 2, look.Roof);
      const double top = eave - h * 0.06;
      Bush(cr, x + w * 0.2, top, w * 0.26, colour::Leaf, 12 + int(seed % 4));
      Bush(cr, x + w * 0.78, top, w * 0.22, colour::LeafDark.Lighter(0.2), 12 + int((seed + 2) % 4));
      FruitTree(cr, x + w * 0.5, top, w * 0.42, int(seed % 3) * 2);
      return;
    }
    case RoofState::Gone:
      return;
  }
}

void LitWindows(cairo_t* cr, double x, double foot, double w, double h) {
  HouseLook lit{};
  lit.Lit = true;
  Windows(cr, x, w, foot - h * 0.6, foot, lit);
}

void LanternString(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int lanterns, int firstColour) {
  auto at = [&](double t) { return std::pair{x0 + (x1 - x0) * t, y0 + (y1 - y0) * t + sag * 4 * t * (1 - t)}; };
  cairo_move_to(cr, x0, y0);
  for (int i = 1; i <= 24; ++i) {
    auto [x, y] = at(i / 24.0);
    cairo_line_to(cr, x, y);
  }
  Stroke(cr, colour::Ink, 2);
  const Rgb colours[] = {Hex(0xffb020), colour::Berry, Hex(0xff7a3a), Hex(0xff8ad8), Hex(0x6ae0d0)};
  for (int i = 0; i < lanterns; ++i) {
    auto [x, y] = at((i + 0.5) / lanterns);
    const Rgb c = colours[(firstColour + i) % 5];
    Segment(cr, x, y, x, y + 8);
    Stroke(cr, colour::Ink, 1.5);
    SoftGlow(cr, x, y + 20, 46, c.Lighter(0.4), 0.55);
    Ellipse(cr, x, y + 21, 11, 13);
    ShadeAndOutline(cr, c.Lighter(0.25), 2);
    for (double ly : {y + 8, y + 32}) {
      cairo_rectangle(cr, x - 6, ly - 1.5, 12, 4);
      SetColor(cr, colour::Ink);
      cairo_fill(cr);
    }
    Glint(cr, x - 3, y + 16, 3, 5, 0.7);
  }
}

void MooringTower(cairo_t* cr, double x, double foot, double h) {
  const double top = foot - h;
  for (int side : {-1, 1}) Bar(cr, x + side * h * 0.12, foot, x + side * h * 0.03, top + 10, 4, kIron);
  for (int i = 1; i < 5; ++i) {
    const double y0 = foot - h * i / 5.0, y1 = foot - h * (i - 1) / 5.0;
    const double half0 = h * (0.03 + 0.09 * (1 - i / 5.0)), half1 = h * (0.03 + 0.09 * (1 - (i - 1) / 5.0));
    Segment(cr, x - half0, y0, x + half1, y1);
    Segment(cr, x + half0, y0, x - half1, y1);
  }
  Stroke(cr, kIron.Darker(0.3), 2);
  Box(cr, x - h * 0.06, top, x + h * 0.06, top + 12, colour::Berry, 2);
  cairo_arc(cr, x, top - 6, 6, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::Gold, 2);
}

void Basket(cairo_t* cr, double cx, double foot, double w, std::initializer_list<int> pieces) {
  const double h = w * 0.5, top = foot - h;
  // handle behind, heap of pieces, then the woven front
  cairo_new_sub_path(cr);
  EllipseArc(cr, cx, top, w * 0.42, h * 0.95, M_PI, 2 * M_PI);
  EdgedStroke(cr, Hex(0xc8924a), w * 0.035);
  const int n = int(pieces.size());
  int i = 0;
  for (int piece : pieces) {
    const double t = n > 1 ? double(i) / (n - 1) : 0.5;
    const double px = cx + (t - 0.5) * w * 0.7, py = top - w * (0.05 + 0.1 * std::sin(t * M_PI)) - (i % 2) * w * 0.04;
    DrawPiece(cr, piece, px, py, w * 0.34);
    ++i;
  }
  cairo_move_to(cr, cx - w / 2, top);
  cairo_line_to(cr, cx + w / 2, top);
  cairo_line_to(cr, cx + w * 0.4, foot);
  cairo_line_to(cr, cx - w * 0.4, foot);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xd8a058), 2.5);
  cairo_save(cr);
  cairo_move_to(cr, cx - w / 2, top);
  cairo_line_to(cr, cx + w / 2, top);
  cairo_line_to(cr, cx + w * 0.4, foot);
  cairo_line_to(cr, cx - w * 0.4, foot);
  cairo_close_path(cr);
  cairo_clip(cr);
  for (int row = 1; row < 4; ++row) Segment(cr, cx - w / 2, top + h * row / 4, cx + w / 2, top + h * row / 4);
  for (int col = -4; col <= 4; ++col) Segment(cr, cx + col * w * 0.1, top, cx + col * w * 0.085, foot);
  Stroke(cr, Hex(0x9a6a2a), 1.5);
  cairo_restore(cr);
  RoundedRect(cr, cx - w * 0.52, top - w * 0.03, w * 1.04, w * 0.07, w * 0.03);
  ShadeAndOutline(cr, Hex(0xc8924a), 2);
}

void Crate(cairo_t* cr, double cx, double foot, double w, std::initializer_list<int> pieces) {
  const double h = w * 0.5, top = foot - h;
  const int n = int(pieces.size());
  int i = 0;
  for (int piece : pieces) {
    const double px = cx + ((n > 1 ? double(i) / (n - 1) : 0.5) - 0.5) * w * 0.66;
    DrawPiece(cr, piece, px, top - w * (0.04 + (i % 2) * 0.06), w * 0.38);
    ++i;
  }
  Box(cr, cx - w / 2, top, cx + w / 2, foot, colour::Wood.Lighter(0.3));
  for (int k = 1; k < 3; ++k) Segment(cr, cx - w / 2 + 2, top + h * k / 3, cx + w / 2 - 2, top + h * k / 3);
  Stroke(cr, colour::Wood.Darker(0.35), 1.5);
  for (double x : {cx - w / 2 + w * 0.06, cx + w / 2 - w * 0.06})
    Box(cr, x - w * 0.04, top, x + w * 0.04, foot, colour::Wood, 2);
}

void Tinted(cairo_t* cr, const Rgb& c, double alpha, const std::function<void()>& draw) {
  cairo_push_group(cr);
  draw();
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  SetColor(cr, c, alpha);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

}  // namespace contentgen::story
