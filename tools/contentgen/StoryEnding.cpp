// The ending's story strips: the lanterns at the harbour, the zeppelin's
// homecoming and the fireworks.
#include <cmath>

#include "BuildingParts.h"
#include "Buildings.h"
#include "Pieces.h"
#include "StoryKit.h"
#include "StoryPictures.h"

namespace contentgen::story {

using town::Bar;
using town::Segment;
using town::Stroke;

namespace {

const HouseLook kHouses[] = {{town::kPlaster, Hex(0xd8574a), true}, {Hex(0xf4dcc0), Hex(0x8a67c9), true},
                             {Hex(0xe8e0d0), Hex(0x2fa88a), true},  {town::kPlaster, Hex(0xe2415e), true},
                             {Hex(0xf6e6c8), Hex(0xffa040), true},  {Hex(0xe0ecf0), Hex(0x3a8ad8), true}};

HouseLook Daylit(HouseLook look) {
  look.Lit = false;
  return look;
}

// The rebuilt town along the far shore of the bay, feet near y = shore,
// seen through the evening light: tinted towards dusk, windows aglow.
void FarTown(cairo_t* cr, double shore, RoofState roof, const Rgb& dusk, double tint) {
  for (int row = 0; row < 2; ++row) {
    const int houses = row ? 7 : 6;
    auto place = [&](int i, double& x, double& foot, double& w, double& h) {
      x = row ? -20 + i * 200 : 60 + i * 205;
      foot = row ? shore + 4 - (i % 3) * 6 : shore - 52 - (i % 2) * 10;
      w = row ? 120 : 100;
      h = row ? 150 : 125;
    };
    double x, foot, w, h;
    Tinted(cr, dusk, tint, [&] {
      if (row) HillBand(cr, shore - 20, shore - 26, 10, 4, Hex(0x6aa85a), 72);
      else HillBand(cr, shore - 70, shore - 90, 40, 3, Hex(0x7ab86a), 71);
      for (int i = 0; i < houses; ++i) {
        place(i, x, foot, w, h);
        StoryHouse(cr, x, foot, w, h, kHouses[(i + 3 * (1 - row)) % 6], roof, 30 + row * 10 + i);
      }
    });
    for (int i = 0; i < houses; ++i) {
      place(i, x, foot, w, h);
      LitWindows(cr, x, foot, w, h);
    }
  }
}

// A glowing streak on the water below a light at x.
void Reflection(cairo_t* cr, double x, double y, double len, const Rgb& c, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, x, y + len / 2);
  cairo_scale(cr, 0.22, 1);
  SoftGlow(cr, 0, 0, len / 2, c, alpha);
  cairo_restore(cr);
}

void FloatingLantern(cairo_t* cr, double x, double y, const Rgb& c) {
  Reflection(cr, x, y, 90, c.Lighter(0.3), 0.5);
  SoftGlow(cr, x, y - 14, 40, c.Lighter(0.4), 0.6);
  Ellipse(cr, x, y, 18, 5);
  ShadeAndOutline(cr, colour::Wood, 1.5);
  RoundedRect(cr, x - 8, y - 26, 16, 22, 5);
  ShadeAndOutline(cr, c.Lighter(0.3), 1.5);
}

void Firework(cairo_t* cr, double cx, double cy, double r, const Rgb& c, std::uint32_t seed) {
  SoftGlow(cr, cx, cy, r * 1.5, c, 0.3);
  Lcg rng(seed);
  const int rays = 20;
  for (int i = 0; i < rays; ++i) {
    const double a = i * 2 * M_PI / rays + rng.Range(-0.06, 0.06);
    const double len = r * rng.Range(0.78, 1.0);
    const double x0 = cx + std::cos(a) * r * 0.2, y0 = cy + std::sin(a) * r * 0.2;
    const double x1 = cx + std::cos(a) * len, y1 = cy + std::sin(a) * len + len * 0.06;
    cairo_pattern_t* fade = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgba(fade, 0, c.R, c.G, c.B, 0);
    cairo_pattern_add_color_stop_rgba(fade, 1, c.R, c.G, c.B, 1);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, cx + std::cos(a) * len * 0.6, cy + std::sin(a) * len * 0.6, x1, y1 - len * 0.04, x1, y1);
    cairo_set_source(cr, fade);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_pattern_destroy(fade);
    cairo_arc(cr, x1, y1, 4.5, 0, 2 * M_PI);
    SetColor(cr, c.Lighter(0.6));
    cairo_fill(cr);
  }
  for (int i = 0; i < 9; ++i) {
    const double a = rng.Range(0, 2 * M_PI), d = r * rng.Range(0.3, 1.2);
    StarPath(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, rng.Range(5, 9), 2, 4);
    SetColor(cr, colour::White, 0.9);
    cairo_fill(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

}  // namespace

// Ending 1: the rebuilt town across the bay at dusk, lanterns strung over
// the quay and floating on the water, and the guardians, calm and smiling,
// come down to watch.
void Lanterns(cairo_t* cr) {
  const double shore = 470;
  Sky(cr, shore, Hex(0x1e2262), Hex(0x7a4a9a), Hex(0xffa070));
  Stars(cr, 81, 40, 220, 0.8);
  SoftGlow(cr, 700, shore, 380, Hex(0xffb070), 0.5);
  FarTown(cr, shore, RoofState::Whole, Hex(0x2a2060), 0.45);
  Tinted(cr, Hex(0x2a2060), 0.45, [&] {
    cairo_save(cr);
    cairo_translate(cr, 1270, shore - 150);
    DrawBuilding(cr, Building::Lighthouse, 80, 150, Island(1));
    cairo_restore(cr);
  });
  Sea(cr, shore + 20, Hex(0x5a4a90), Hex(0x2a2a60), 82, false);
  LanternString(cr, -20, shore - 20, 1390, shore - 30, 30, 14, 2);
  for (int i = 0; i < 14; ++i) Reflection(cr, -20 + 1410 * (i + 0.5) / 14, shore + 40, 120, Hex(0xffc060), 0.35);
  const Rgb floating[] = {Hex(0xffb020), colour::Berry, Hex(0xff8ad8), Hex(0x6ae0d0), Hex(0xff7a3a)};
  const double boats[][2] = {{180, 560}, {420, 600}, {760, 575}, {1000, 610}, {1240, 570}};
  for (int i = 0; i < 5; ++i) FloatingLantern(cr, boats[i][0], boats[i][1], floating[i]);
  // the quay in the foreground
  cairo_rectangle(cr, 0, 640, kStageW, kStageH - 640);
  FillVertical(cr, 640, kStageH, Hex(0x9a8a9a), Hex(0x5a4a62));
  cairo_new_path(cr);
  Segment(cr, 0, 640, kStageW, 640);
  Stroke(cr, Hex(0x4a3a4a), 3);
  for (int i = 0; i < 14; ++i) Segment(cr, i * 110 + (i % 2) * 40, 640, i * 110 + (i % 2) * 40 - 30, kStageH);
  Stroke(cr, Hex(0x5a4a5a), 1.5, 0.6);
  // the guardians, smiling, and Wren among them
  const double spots[][3] = {{230, 668, 0}, {460, 672, 1}, {690, 600, 2}, {920, 672, 4}, {1150, 668, 3}};
  for (const auto& s : spots) Guardian(cr, int(s[2]), s[0], s[1], 1.1, true, true, 0.3);
  // lanterns strung across the foreground from posts on the quay
  for (double x : {40.0, 580.0, 1326.0}) Bar(cr, x, 700, x, 200, 6, colour::Wood.Darker(0.1));
  LanternString(cr, 40, 215, 580, 210, 90, 7, 0);
  LanternString(cr, 580, 210, 1326, 220, 110, 9, 3);
  Wren(cr, 580, 198, 60, false);
}

// Ending 2: the old zeppelin sails home over the bay with its basket full of
// fruit, to its tower above a town whose every roof is a garden; on the
// jetty Bram and Wren plan the next one.
void Homecoming(cairo_t* cr) {
  const double horizon = 460;
  Sky(cr, horizon, Hex(0x4aa8f0), Hex(0x9ad8ff), Hex(0xe8f8ff));
  Sun(cr, 150, 185, 44, Hex(0xfff0a0));
  DrawCloud(cr, 420, 110, 60);
  DrawCloud(cr, 1150, 90, 70);
  DrawCloud(cr, 1000, 250, 40, 0.8);
  Sea(cr, horizon, Hex(0x8ad8f0), Hex(0x2f9ad0), 91, false);
  // the town's hill rising from the shore to the tower
  TownHill(cr, 420, {470, 620, 480, 500, 600, 470}, {800, 430, 1100, 390, kStageW + 10, 380}, 380, Hex(0xa8dc6a),
           Hex(0x5cb33d), Hex(0x2e6a2a));
  MooringTower(cr, 1290, 392, 180);
  for (int i = 0; i < 4; ++i)
    StoryHouse(cr, 640 + i * 165, 470 - i * 20, 120, 140, Daylit(kHouses[i + 1]), RoofState::Garden, 50 + i);
  for (int i = 0; i < 4; ++i)
    StoryHouse(cr, 560 + i * 200, 600 - i * 14, 150, 170, Daylit(kHouses[(i + 3) % 6]), RoofState::Garden, 60 + i);
  Bush(cr, 1300, 700, 120, colour::Leaf, 13);
  // a sailing boat and gulls
  cairo_move_to(cr, 90, 560);
  cairo_line_to(cr, 190, 560);
  cairo_line_to(cr, 172, 582);
  cairo_line_to(cr, 108, 582);
  cairo_close_path(cr);
  ShadeAndOutline(cr, colour::Berry, 2);
  town::Triangle(cr, 142, 556, 142, 480, 186, 556);
  ShadeAndOutline(cr, colour::Cream, 2);
  for (int i = 0; i < 4; ++i) Bird(cr, 860 + i * 70, 150 + (i % 2) * 26, 28, 0.25);
  cairo_save(cr);
  cairo_translate(cr, 560, 205);
  cairo_rotate(cr, 0.04);
  DrawZeppelin(cr, 0, 0, 380, true);
  cairo_restore(cr);
  // the jetty, with Bram and Wren on it
  town::Box(cr, 120, 640, 470, 656, colour::Wood.Lighter(0.3));
  for (double x : {150.0, 290.0, 430.0}) Bar(cr, x, 656, x, 720, 6, colour::Wood);
  Figure(cr, 300, 644, 200, BramLook(), Pose::Planning);
  Wren(cr, 306, 446, 52, true);
}

// Ending 3: fireworks over the rebuilt town on the festival night.
void Festival(cairo_t* cr) {
  const double shore = 490;
  Sky(cr, shore, Hex(0x0c0e2c), Hex(0x24205a), Hex(0x4a3a7a));
  Stars(cr, 101, 60, 380, 0.8);
  const double bursts[][3] = {{220, 180, 120},  {560, 130, 140}, {880, 210, 120},
                              {1160, 140, 130}, {400, 320, 80},  {1020, 340, 85}};
  const Rgb colours[] = {colour::Gold, colour::Berry, Hex(0x6ae0d0), Hex(0xff8ad8), Hex(0xff9a3a), Hex(0x9ad860)};
  for (int i = 0; i < 6; ++i) {
    cairo_move_to(cr, bursts[i][0] - 30, shore);
    cairo_curve_to(cr, bursts[i][0] - 20, shore - 100, bursts[i][0], bursts[i][1] + 120, bursts[i][0],
                   bursts[i][1] + bursts[i][2] * 0.3);
    Stroke(cr, colours[i].Lighter(0.4), 2, 0.35);
    Firework(cr, bursts[i][0], bursts[i][1], bursts[i][2], colours[i], 110 + i);
  }
  FarTown(cr, shore, RoofState::Garden, Hex(0x141440), 0.55);
  LanternString(cr, -20, shore - 24, 1390, shore - 34, 26, 16, 1);
  Sea(cr, shore + 20, Hex(0x2a2a6a), Hex(0x12123a), 102, false);
  for (int i = 0; i < 6; ++i) Reflection(cr, bursts[i][0], shore + 40, 200 * bursts[i][2] / 140, colours[i], 0.4);
  for (int i = 0; i < 16; ++i) Reflection(cr, -20 + 1410 * (i + 0.5) / 16, shore + 30, 100, Hex(0xffc060), 0.3);
  // watching from the quay: Bram, Wren and two guardians, dark against the lights
  Tinted(cr, Hex(0x0a0a20), 0.85, [&] {
    cairo_rectangle(cr, 0, 680, kStageW, kStageH - 680);
    SetColor(cr, Hex(0x5a4a5a));
    cairo_fill(cr);
    Guardian(cr, 0, 430, 740, 1.2, true, true);
    Figure(cr, 640, 760, 260, BramLook(), Pose::Cheering);
    Guardian(cr, 4, 860, 745, 1.2, true, true);
    Wren(cr, 640, 492, 50, false);
  });
}

}  // namespace contentgen::story
