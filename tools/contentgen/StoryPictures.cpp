// The opening story strips, the stage every strip is drawn on, and the
// zeppelin and island drawings shared with the map and the town.
#include "StoryPictures.h"

#include <cmath>

#include "BuildingParts.h"
#include "Buildings.h"
#include "Pieces.h"
#include "StoryKit.h"

namespace contentgen {

using namespace story;
using town::Bar;
using town::Segment;
using town::Stroke;

void DrawZeppelin(cairo_t* cr, double cx, double cy, double len, bool laden) {
  cairo_move_to(cr, cx - len * 0.5, cy);
  cairo_line_to(cr, cx - len * 0.62, cy - len * 0.14);
  cairo_line_to(cr, cx - len * 0.62, cy + len * 0.14);
  cairo_close_path(cr);
  ShadeAndOutline(cr, colour::Berry, 2);
  if (laden) {
    // ropes from the envelope down to a basket heaped with fruit
    for (double x : {-0.12, -0.04, 0.04, 0.12})
      Segment(cr, cx + x * len * 1.3, cy + len * 0.12, cx + x * len * 1.1, cy + len * 0.22);
    Stroke(cr, colour::Ink, 1.5);
  }
  Ellipse(cr, cx, cy, len * 0.5, len * 0.17);
  ShadeAndOutline(cr, Hex(0xffd27a), 2.5);
  for (int i = -2; i <= 2; ++i) {
    Ellipse(cr, cx + i * len * 0.09, cy, len * 0.03, len * 0.17);
    SetColor(cr, Hex(0xe0a040), 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  if (laden) {
    Basket(cr, cx, cy + len * 0.36, len * 0.3, {2, 4, 1, 5, 9, 6});
    return;
  }
  RoundedRect(cr, cx - len * 0.12, cy + len * 0.19, len * 0.24, len * 0.08, len * 0.03);
  ShadeAndOutline(cr, colour::Wood, 2);
  cairo_move_to(cr, cx - len * 0.1, cy + len * 0.15);
  cairo_line_to(cr, cx - len * 0.08, cy + len * 0.19);
  cairo_move_to(cr, cx + len * 0.1, cy + len * 0.15);
  cairo_line_to(cr, cx + len * 0.08, cy + len * 0.19);
  SetColor(cr, colour::Ink);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void DrawIslandShape(cairo_t* cr, double w, double h, const IslandPalette& p, std::uint32_t seed) {
  Lcg rng(seed);
  const int n = 10;
  auto point = [&](int i, double scale) {
    const double a = i * 2 * M_PI / n;
    const double k = 0.82 + 0.18 * std::sin(i * 1.7 + seed);
    return std::pair{w / 2 + std::cos(a) * w * 0.46 * k * scale, h / 2 + std::sin(a) * h * 0.44 * k * scale};
  };
  for (double scale : {1.0, 0.84}) {
    auto [x0, y0] = point(0, scale);
    cairo_move_to(cr, x0, y0);
    for (int i = 1; i <= n; ++i) {
      auto [x0p, y0p] = point(i - 2, scale);
      auto [x1, y1] = point(i - 1, scale);
      auto [x2, y2] = point(i, scale);
      auto [x3, y3] = point(i + 1, scale);
      cairo_curve_to(cr, x1 + (x2 - x0p) / 6, y1 + (y2 - y0p) / 6, x2 - (x3 - x1) / 6, y2 - (y3 - y1) / 6, x2, y2);
    }
    cairo_close_path(cr);
    ShadeAndOutline(cr, scale == 1.0 ? Hex(0xf7e0a3) : p.Hill, 2.5);
  }
  for (int i = 0; i < 5; ++i) {
    const double tx = w * rng.Range(0.3, 0.7), ty = h * rng.Range(0.3, 0.6);
    cairo_arc(cr, tx, ty, h * 0.1, 0, 2 * M_PI);
    ShadeAndOutline(cr, p.HillFar.Mix(colour::LeafDark, 0.4), 1.5);
    cairo_arc(cr, tx + 3, ty - 2, h * 0.025, 0, 2 * M_PI);
    SetColor(cr, p.Accent);
    cairo_fill(cr);
  }
}

namespace story {

namespace {

// Opening 1: the five isles in the warm sea, drawn to the picture's own size.
void Islands(cairo_t* cr, double w, double h) {
  cairo_rectangle(cr, 0, 0, w, h);
  FillVertical(cr, 0, h, Hex(0x8fd3ff), Hex(0x2f8fc8));
  cairo_new_path(cr);
  for (int i = 1; i <= 5; ++i) {
    cairo_save(cr);
    cairo_translate(cr, w * (0.05 + (i - 1) * 0.19), h * (0.45 + 0.1 * ((i % 2) ? 1 : -1)));
    DrawIslandShape(cr, w * 0.17, h * 0.28, Island(i), 40 + i);
    cairo_restore(cr);
  }
}

// Opening 2: the Great Gale at night. Roofs tear off and planks fly, trees
// bend, the bridge is broken, and the zeppelin drifts off into the clouds.
void Gale(cairo_t* cr) {
  const double horizon = 480;
  const Rgb night = Hex(0x14143c);
  Sky(cr, horizon, Hex(0x0f1030), Hex(0x2a2258), Hex(0x4e3c7e));
  Stars(cr, 61, 30, 260, 0.55);
  LightningBolt(cr, 150, 170, 120, horizon, 5);
  Moon(cr, 330, 185, 52);
  const Rgb cloud = Hex(0x4a4478);
  StormCloud(cr, 90, 105, 190, cloud.Darker(0.25));
  StormCloud(cr, 600, 90, 220, cloud.Darker(0.2));
  StormCloud(cr, 420, 228, 120, cloud, 0.95);
  StormCloud(cr, 250, 270, 90, cloud.Darker(0.1), 0.9);
  StormCloud(cr, 800, 170, 150, cloud.Darker(0.3));
  // The zeppelin, its mooring rope snapped, climbing into the clouds.
  Tinted(cr, night, 0.25, [&] {
    cairo_save(cr);
    cairo_translate(cr, 1000, 160);
    cairo_rotate(cr, -0.2);
    cairo_move_to(cr, -10, 48);
    cairo_curve_to(cr, -30, 90, 10, 110, -20, 150);
    Stroke(cr, Hex(0xd8c8a0), 3);
    DrawZeppelin(cr, 0, 0, 230);
    cairo_restore(cr);
  });
  StormCloud(cr, 1250, 70, 170, cloud.Darker(0.15));
  StormCloud(cr, 1190, 110, 80, cloud, 0.9);
  Sea(cr, horizon, Hex(0x2a4a7c), Hex(0x142c4c), 77, true);
  Tinted(cr, night, 0.35, [&] {
    // The broken footbridge out to the rocks: its middle has gone.
    cairo_new_path(cr);
    Ellipse(cr, 70, 615, 110, 46);
    Ellipse(cr, 150, 628, 70, 34);
    Ellipse(cr, 40, 590, 50, 40);
    Blob(cr, town::kRock.Darker(0.15), 2.5);
    for (double x : {240.0, 410.0}) Bar(cr, x, 592, x, 690, 6, colour::Wood);
    town::Box(cr, 190, 582, 295, 594, colour::Wood.Lighter(0.3));
    town::Box(cr, 352, 577, 460, 589, colour::Wood.Lighter(0.3));
    Plank(cr, 300, 620, 60, 1.25);
    Plank(cr, 343, 612, 50, -1.35);
    Bar(cr, 190, 560, 290, 566, 3, colour::Wood);
    Bar(cr, 360, 556, 460, 552, 3, colour::Wood);
    // The hill and its town.
    TownHill(cr, 400, {430, 620, 470, 560, 560, 545}, {760, 515, 1000, 505, kStageW + 10, 470}, 470, Hex(0x3a7a4a),
             Hex(0x1e4a2e), Hex(0x10301c));
    MooringTower(cr, 1250, 484, 150);
    cairo_move_to(cr, 1250, 338);
    cairo_curve_to(cr, 1280, 320, 1300, 345, 1335, 318);
    Stroke(cr, Hex(0xd8c8a0), 3);
    WindTree(cr, 680, 535, 120, 0.9, colour::LeafDark);
    const HouseLook looks[] = {{town::kPlaster, Hex(0xd8574a), true},
                               {Hex(0xf4dcc0), Hex(0x8a67c9), true},
                               {town::kPlaster, Hex(0xe2415e), true},
                               {Hex(0xe8e0d0), Hex(0x2fa88a), true}};
    StoryHouse(cr, 520, 575, 150, 190, looks[0], RoofState::Flying, 3);
    StoryHouse(cr, 745, 548, 130, 170, looks[1], RoofState::Gone, 4);
    StoryHouse(cr, 920, 545, 160, 205, looks[2], RoofState::Flying, 6);
    StoryHouse(cr, 1110, 535, 120, 165, looks[3], RoofState::Gone, 8);
    WindTree(cr, 440, 700, 160, 0.8, colour::Leaf);
    WindTree(cr, 1310, 560, 150, 0.9, colour::Leaf);
    Lcg rng(21);
    for (int i = 0; i < 13; ++i)
      Plank(cr, rng.Range(580, 1330), rng.Range(250, 460), rng.Range(36, 66), rng.Range(-1.5, 1.5));
    for (int i = 0; i < 10; ++i)
      DrawLeaf(cr, rng.Range(450, 1350), rng.Range(300, 520), rng.Range(14, 22), rng.Range(-1, 1), colour::Leaf);
  });
  Rain(cr, 9, 520, 0, 0, kStageW, kStageH);
  const double gusts[][4] = {{40, 330, 220, 34},  {470, 300, 240, 38},  {760, 440, 180, 26},
                             {120, 470, 200, 28}, {1000, 330, 160, 30}, {600, 160, 200, 30}};
  for (const auto& g : gusts) WindStreak(cr, g[0], g[1], g[2], g[3]);
}

// A cartoon cross mark: four short curves bowing in towards a centre.
void CrossMark(cairo_t* cr, double x, double y, double s) {
  for (int i = 0; i < 4; ++i) {
    const double a = M_PI / 4 + i * M_PI / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + std::cos(a) * s * 1.05, y + std::sin(a) * s * 1.05, s * 0.6, a + M_PI - 0.62, a + M_PI + 0.62);
  }
  SetColor(cr, colour::White);
  cairo_set_line_width(cr, s * 0.55);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
  SetColor(cr, Hex(0xe02a3a));
  cairo_set_line_width(cr, s * 0.32);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void SpeedLines(cairo_t* cr, double x, double y, double len, double gap) {
  for (int i = 0; i < 3; ++i) Segment(cr, x - len * (1 - 0.2 * (i % 2)), y + i * gap, x, y + i * gap);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Stroke(cr, colour::White, 5, 0.8);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void Dust(cairo_t* cr, double x, double y, double size) { StormCloud(cr, x, y, size, Hex(0xe8d8b0), 0.85); }

// Opening 3: cross guardians chase a visitor out of their orchard at dusk;
// he has dropped his basket and lost his hat, and the birds flee too.
void Guardians(cairo_t* cr) {
  Sky(cr, 470, Hex(0x7a70c8), Hex(0xf0a8b0), Hex(0xffd48a));
  Sun(cr, 1150, 440, 55, Hex(0xffb060));
  DrawCloud(cr, 300, 140, 70, 0.7);
  DrawCloud(cr, 760, 100, 55, 0.6);
  HillBand(cr, 430, 440, 50, 3, Hex(0xc8a070), 31);
  HillBand(cr, 490, 480, 26, 4, Hex(0x9cc85a), 32);
  const int fruit[] = {2, 4, 5, 2, 6, 4, 2, 5};
  for (int i = 0; i < 8; ++i) town::FruitTree(cr, 60 + i * 175, 520 + (i % 2) * 8, 120, fruit[i]);
  HillBand(cr, 575, 570, 14, 5, Hex(0x7cb84a), 33);
  // the orchard fence, its gate flung open
  for (double x : {1190.0, 1270.0, 1350.0}) town::Box(cr, x - 7, 520, x + 7, 600, colour::Wood);
  Bar(cr, 1270, 540, 1366, 536, 4, colour::Wood.Lighter(0.2));
  Bar(cr, 1270, 575, 1366, 572, 4, colour::Wood.Lighter(0.2));
  town::Box(cr, 1120, 528, 1186, 535, colour::Wood.Lighter(0.2));
  town::Box(cr, 1120, 566, 1186, 573, colour::Wood.Lighter(0.2));
  town::FruitTree(cr, 70, 680, 250, 2);
  town::FruitTree(cr, 1300, 700, 230, 4);
  // birds scattering from the trees
  Lcg rng(12);
  for (int i = 0; i < 7; ++i)
    Bird(cr, rng.Range(820, 1300), rng.Range(140, 330), rng.Range(26, 40), rng.Range(0.05, 0.3));
  // the visitor's dropped basket, apples rolling out
  cairo_save(cr);
  cairo_translate(cr, 960, 655);
  cairo_rotate(cr, -0.5);
  Basket(cr, 0, 0, 90, {2, 2});
  cairo_restore(cr);
  DrawPiece(cr, 2, 1010, 660, 34);
  DrawPiece(cr, 2, 1050, 664, 30);
  // the visitor, running, his hat blown off behind him
  const PersonLook visitor{Hex(0xf0c090), Hex(0x3a2a1a), Hex(0x3a8ad8), Hex(0x4a4a6a), Hex(0xf0d080), true};
  Dust(cr, 1070, 650, 40);
  Figure(cr, 1140, 660, 210, visitor, Pose::Running);
  cairo_save(cr);
  cairo_translate(cr, 1080, 400);
  cairo_rotate(cr, -0.6);
  Ellipse(cr, 0, 0, 44, 9);
  ShadeAndOutline(cr, visitor.Hat, 2.5);
  RoundedRect(cr, -20, -24, 40, 26, 10);
  ShadeAndOutline(cr, visitor.Hat, 2.5);
  cairo_restore(cr);
  for (int i = 0; i < 3; ++i) {
    const double dx = 1135 + i * 22, dy = 430 - (i % 2) * 16;
    cairo_move_to(cr, dx, dy - 10);
    cairo_curve_to(cr, dx + 7, dy, dx + 6, dy + 7, dx, dy + 7);
    cairo_curve_to(cr, dx - 6, dy + 7, dx - 7, dy, dx, dy - 10);
    ShadeAndOutline(cr, Hex(0xbfe8ff), 1.5);
  }
  // the guardians, cross and muddled, stamping after him
  Dust(cr, 200, 660, 50);
  SpeedLines(cr, 180, 520, 110, 30);
  Guardian(cr, 1, 330, 668, 1.75, false, false, 0.25, true);
  OutlinedText(cr, "?", 290, 410, 64, colour::White, colour::Ink, 6);
  Dust(cr, 520, 655, 56);
  SpeedLines(cr, 530, 545, 100, 32);
  Guardian(cr, 0, 650, 662, 2.05, false, false, 0.75, true);
  CrossMark(cr, 778, 420, 22);
  SpeedLines(cr, 800, 330, 100, 28);
  Guardian(cr, 2, 880, 430, 1.3, false, false, 0.1, true);
  CrossMark(cr, 964, 290, 17);
}

// Opening 4: Bram before the broken town in daylight, rolling up his
// sleeves, with fruit, flowers and potions to pay for the mending.
void Gardener(cairo_t* cr) {
  Sky(cr, 520, Hex(0x6cbcf8), Hex(0xa8dcff), Hex(0xe4f6ff));
  Sun(cr, 1200, 150, 44, Hex(0xfff0a0));
  DrawCloud(cr, 250, 140, 70);
  DrawCloud(cr, 720, 110, 55);
  DrawCloud(cr, 1000, 190, 48, 0.85);
  HillBand(cr, 470, 455, 40, 3, Hex(0x9ed36a), 41);
  HillBand(cr, 575, 570, 8, 3, Hex(0xd8c49a), 42);
  // cobbles
  Lcg rng(43);
  for (int i = 0; i < 60; ++i) {
    Ellipse(cr, rng.Range(0, kStageW), rng.Range(595, 760), rng.Range(10, 18), rng.Range(4, 7));
    SetColor(cr, Hex(0xb8a47a), 0.6);
    cairo_fill(cr);
  }
  const HouseLook looks[] = {{town::kPlaster, Hex(0xd8574a)},
                             {Hex(0xf4dcc0), Hex(0x8a67c9)},
                             {Hex(0xe8e0d0), Hex(0x2fa88a)},
                             {town::kPlaster, Hex(0xe2415e)},
                             {Hex(0xf6e6c8), Hex(0xffa040)}};
  for (int i = 0; i < 5; ++i)
    StoryHouse(cr, 140 + i * 260, 492 - (i % 2) * 8, 90, 120, looks[(i + 2) % 5], RoofState::Gone, 16 + i);
  StoryHouse(cr, 10, 590, 210, 320, looks[0], RoofState::Gone, 11);
  StoryHouse(cr, 250, 580, 170, 270, looks[1], RoofState::Gone, 12);
  StoryHouse(cr, 860, 585, 200, 310, looks[2], RoofState::Gone, 13);
  StoryHouse(cr, 1110, 595, 220, 330, looks[3], RoofState::Gone, 15);
  for (int i = 0; i < 4; ++i) Bird(cr, 420 + i * 90, 170 + (i % 2) * 30, 30, 0.2);
  // planks and nails strewn over the square
  const double planks[][4] = {{120, 640, 80, 0.15},  {470, 612, 70, -0.3},  {760, 600, 60, 0.5},
                              {1000, 640, 90, -0.1}, {1240, 660, 80, 0.35}, {640, 680, 70, 0.1}};
  for (const auto& p : planks) Plank(cr, p[0], p[1], p[2], p[3]);
  const double nails[][3] = {{200, 662, 0.4},   {225, 650, -0.8}, {520, 640, 2.2}, {840, 660, 0.9},
                             {1120, 610, -0.3}, {1180, 676, 2.6}, {700, 640, 1.6}};
  for (const auto& n : nails) Nail(cr, n[0], n[1], 24, n[2]);
  // a stack of fresh planks
  for (int i = 0; i < 4; ++i)
    town::Box(cr, 690 + i * 4, 640 - i * 14, 860 - i * 4, 654 - i * 14, colour::Wood.Lighter(0.3 - i * 0.05));
  Basket(cr, 340, 668, 170, {2, 0, 4, 1, 6, 3});
  Crate(cr, 900, 670, 150, {12, 13, 15, 14});
  Crate(cr, 1080, 672, 150, {16, 17, 16});
  Figure(cr, 560, 668, 330, BramLook(), Pose::FromBehind);
}

// Opening 5: Bram walks the morning path towards the bay, Wren singing on
// his cap; a signpost points the way to the harbour.
void SettingOff(cairo_t* cr) {
  const double horizon = 440;
  Sky(cr, horizon, Hex(0x86c8f8), Hex(0xc8e6ff), Hex(0xffe2b0));
  Sun(cr, 240, 225, 46, Hex(0xffd080));
  DrawCloud(cr, 520, 130, 60, 0.85);
  DrawCloud(cr, 1000, 90, 70, 0.9);
  Sea(cr, horizon, Hex(0x7ac8e8), Hex(0x3a9ad8), 51, false);
  // the harbour in the distance: a pier, houses, a lighthouse and boats
  const HouseLook harbour[] = {
      {town::kPlaster, Hex(0xd8574a)}, {Hex(0xf4dcc0), Hex(0x2fa88a)}, {town::kPlaster, Hex(0xffa040)}};
  cairo_move_to(cr, 1000, 470);
  cairo_curve_to(cr, 1080, 440, 1250, 440, kStageW + 10, 445);
  cairo_line_to(cr, kStageW + 10, 480);
  cairo_line_to(cr, 1000, 480);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0x9ed36a), 2);
  for (int i = 0; i < 3; ++i) StoryHouse(cr, 1110 + i * 62, 462 - i * 3, 50, 62, harbour[i], RoofState::Whole, 20 + i);
  cairo_save(cr);
  cairo_translate(cr, 1300, 355);
  DrawBuilding(cr, Building::Lighthouse, 60, 110, Island(1));
  cairo_restore(cr);
  town::Box(cr, 1060, 474, 1180, 482, colour::Wood.Lighter(0.3), 1.5);
  for (int i = 0; i < 2; ++i) {
    const double bx = 1120 + i * 100, by = 510 + i * 14;
    cairo_move_to(cr, bx - 22, by);
    cairo_line_to(cr, bx + 22, by);
    cairo_line_to(cr, bx + 14, by + 10);
    cairo_line_to(cr, bx - 14, by + 10);
    cairo_close_path(cr);
    ShadeAndOutline(cr, i ? colour::Berry : Hex(0x3a8ad8), 1.5);
    town::Triangle(cr, bx, by - 2, bx, by - 36, bx + 18, by - 2);
    ShadeAndOutline(cr, colour::Cream, 1.5);
  }
  for (int i = 0; i < 3; ++i) Bird(cr, 820 + i * 60, 250 + (i % 2) * 30, 26, 0.2);
  // the land: a meadow sloping down to the shore
  cairo_move_to(cr, -10, 420);
  cairo_curve_to(cr, 300, 400, 700, 420, 900, 465);
  cairo_curve_to(cr, 1000, 490, 1060, 560, 1030, 640);
  cairo_curve_to(cr, 1010, 700, 1040, 740, 1060, kStageH + 10);
  cairo_line_to(cr, -10, kStageH + 10);
  cairo_close_path(cr);
  FillVertical(cr, 400, kStageH, Hex(0xa8dc6a), Hex(0x5cb33d));
  Stroke(cr, Hex(0x2e6a2a), 2.5);
  // the path, winding from the foreground down to the shore
  cairo_move_to(cr, 180, kStageH + 10);
  cairo_curve_to(cr, 420, 640, 620, 560, 880, 486);
  cairo_line_to(cr, 910, 490);
  cairo_curve_to(cr, 760, 580, 700, 660, 640, kStageH + 10);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xecd7a8), 2);
  town::FruitTree(cr, 120, 470, 170, 4);
  town::FruitTree(cr, 300, 455, 120, 2);
  Bush(cr, 90, 640, 110, colour::Leaf, 12);
  Bush(cr, 880, 640, 90, colour::Leaf, 13);
  Bush(cr, 950, 560, 60, colour::LeafDark.Lighter(0.2), 15);
  // the signpost to Blossom Bay: an arrow with a blossom and waves on it
  Bar(cr, 820, 600, 820, 420, 7, colour::Wood);
  cairo_move_to(cr, 770, 430);
  cairo_line_to(cr, 900, 430);
  cairo_line_to(cr, 930, 457);
  cairo_line_to(cr, 900, 484);
  cairo_line_to(cr, 770, 484);
  cairo_close_path(cr);
  ShadeAndOutline(cr, colour::Wood.Lighter(0.35), 2.5);
  DrawPiece(cr, 15, 805, 457, 40);
  for (int i = 0; i < 2; ++i) {
    const double wy = 450 + i * 12;
    cairo_move_to(cr, 838, wy);
    cairo_curve_to(cr, 848, wy - 7, 856, wy + 7, 866, wy);
    cairo_curve_to(cr, 876, wy - 7, 884, wy + 7, 894, wy);
  }
  Stroke(cr, Hex(0x2f7fc8), 3.5);
  Figure(cr, 560, 660, 290, BramLook(), Pose::Walking);
  Wren(cr, 575, 374, 70, true);
}

}  // namespace

}  // namespace story

void DrawStoryPicture(cairo_t* cr, double w, double h, StoryScene scene) {
  if (scene == StoryScene::Islands) return story::Islands(cr, w, h);
  // The stage is the full screen scaled to the picture's width, its middle
  // band centred on the picture.
  const double scale = w / kStageW;
  cairo_save(cr);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, 0, (h / scale - kStageH) / 2);
  switch (scene) {
    case StoryScene::Islands:
      break;
    case StoryScene::Gale:
      story::Gale(cr);
      break;
    case StoryScene::Guardians:
      story::Guardians(cr);
      break;
    case StoryScene::Gardener:
      story::Gardener(cr);
      break;
    case StoryScene::SettingOff:
      story::SettingOff(cr);
      break;
    case StoryScene::Lanterns:
      story::Lanterns(cr);
      break;
    case StoryScene::Homecoming:
      story::Homecoming(cr);
      break;
    case StoryScene::Festival:
      story::Festival(cr);
      break;
  }
  cairo_restore(cr);
}

}  // namespace contentgen
