#include "Pieces.h"

#include <cmath>

#include "Painters.h"
#include "Style.h"

namespace contentgen {

namespace {

// Every piece is drawn in a 100 x 100 box centred on the origin.
constexpr double kLine = 3.2;

void Stem(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0, (y0 + y1) / 2, x1, (y0 + y1) / 2, x1, y1);
  SetColor(cr, Hex(0x6b4a1e));
  cairo_set_line_width(cr, 4.5);
  cairo_stroke(cr);
}

void Banana(cairo_t* cr) {
  cairo_move_to(cr, -36, -30);
  cairo_curve_to(cr, -46, 24, 2, 50, 44, 26);
  cairo_curve_to(cr, 40, 10, 24, 12, 6, 6);
  cairo_curve_to(cr, -12, 0, -20, -14, -20, -34);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xffe135), kLine);
  cairo_move_to(cr, -36, -18);
  cairo_curve_to(cr, -30, 18, 4, 34, 34, 24);
  SetColor(cr, Hex(0xc9a200), 0.8);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_rectangle(cr, -37, -38, 8, 10);
  SetColor(cr, Hex(0x6b4a1e));
  cairo_fill(cr);
  Glint(cr, -26, 0, 3, 12);
}

void Strawberry(cairo_t* cr) {
  cairo_move_to(cr, 0, 42);
  cairo_curve_to(cr, -30, 22, -44, -8, -34, -22);
  cairo_curve_to(cr, -24, -34, 24, -34, 34, -22);
  cairo_curve_to(cr, 44, -8, 30, 22, 0, 42);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xf02848), kLine);
  for (int i = 0; i < 12; ++i) {
    const double x = -22 + (i % 4) * 14 + (i / 4 % 2) * 7, y = -12 + (i / 4) * 14;
    Ellipse(cr, x, y, 2, 3);
    SetColor(cr, Hex(0xfff2a0));
    cairo_fill(cr);
  }
  StarPath(cr, 0, -30, 20, 8, 5);
  ShadeAndOutline(cr, Hex(0x3fa33a), 2);
  Glint(cr, -18, -14, 5, 8, 0.5);
}

void Apple(cairo_t* cr) {
  cairo_move_to(cr, 0, -28);
  cairo_curve_to(cr, -20, -44, -48, -30, -42, 2);
  cairo_curve_to(cr, -38, 30, -16, 46, 0, 38);
  cairo_curve_to(cr, 16, 46, 38, 30, 42, 2);
  cairo_curve_to(cr, 48, -30, 20, -44, 0, -28);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0x7ed321), kLine);
  Stem(cr, 0, -26, 4, -44);
  DrawLeaf(cr, 4, -36, 22, -0.5, colour::LeafDark.Lighter(0.2));
  Glint(cr, -22, -10, 7, 11);
}

void Grapes(cairo_t* cr) {
  const double berries[][2] = {{-24, -16}, {0, -18}, {24, -16}, {-12, 2}, {12, 2}, {-24, 14}, {24, 14}, {0, 20},
                               {-12, 34}, {12, 34}};
  for (const auto& b : berries) {
    cairo_arc(cr, b[0], b[1], 13, 0, 2 * M_PI);
    ShadeAndOutline(cr, Hex(0x9b4dca), 2.4);
    Glint(cr, b[0] - 4, b[1] - 5, 3, 4, 0.55);
  }
  Stem(cr, 0, -30, 6, -44);
  DrawLeaf(cr, 2, -34, 20, -2.7, colour::Leaf);
}

void Orange(cairo_t* cr) {
  cairo_arc(cr, 0, 4, 40, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0xff9a1f), kLine);
  for (int i = 0; i < 14; ++i) {
    const double a = i * 2.4, r = 10 + (i * 7) % 24;
    cairo_arc(cr, r * std::cos(a), 4 + r * std::sin(a), 1.3, 0, 2 * M_PI);
  }
  SetColor(cr, Hex(0xc96a00), 0.6);
  cairo_fill(cr);
  StarPath(cr, 0, -34, 7, 3, 5);
  ShadeAndOutline(cr, colour::Leaf, 1.5);
  DrawLeaf(cr, 2, -36, 20, -0.4, colour::Leaf);
  Glint(cr, -18, -12, 8, 10);
}

void Plum(cairo_t* cr) {
  Ellipse(cr, 0, 4, 32, 40, 0.25);
  ShadeAndOutline(cr, Hex(0x4a5ad8), kLine);
  cairo_move_to(cr, -4, -34);
  cairo_curve_to(cr, -14, -10, -12, 20, 4, 42);
  SetColor(cr, Hex(0x2a3290), 0.7);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  Stem(cr, -2, -34, 2, -46);
  Glint(cr, 10, -10, 6, 12, 0.5);
}

void Cherries(cairo_t* cr) {
  Stem(cr, -18, 14, 6, -42);
  Stem(cr, 20, 8, 6, -42);
  DrawLeaf(cr, 6, -42, 22, -0.2, colour::Leaf);
  cairo_arc(cr, -18, 22, 20, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0xc8102e), kLine);
  cairo_arc(cr, 20, 18, 20, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0xc8102e), kLine);
  Glint(cr, -25, 14, 4, 6);
  Glint(cr, 13, 10, 4, 6);
}

void Guava(cairo_t* cr) {
  // pear-like body, pink flesh showing through a cut
  cairo_move_to(cr, 0, -38);
  cairo_curve_to(cr, 18, -38, 22, -18, 30, 0);
  cairo_curve_to(cr, 42, 26, 24, 44, 0, 44);
  cairo_curve_to(cr, -24, 44, -42, 26, -30, 0);
  cairo_curve_to(cr, -22, -18, -18, -38, 0, -38);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xa8e05f), kLine);
  Ellipse(cr, 4, 16, 16, 20);
  ShadeAndOutline(cr, Hex(0xff8fa3), 2);
  for (int i = 0; i < 5; ++i) {
    cairo_arc(cr, -4 + (i % 3) * 8, 8 + (i / 3) * 12 + (i % 2) * 4, 2, 0, 2 * M_PI);
    SetColor(cr, Hex(0xfff0c0));
    cairo_fill(cr);
  }
  Glint(cr, -14, -16, 5, 9);
}

void Lemon(cairo_t* cr) {
  cairo_move_to(cr, -46, 2);
  cairo_curve_to(cr, -36, -38, 36, -38, 46, -2);
  cairo_curve_to(cr, 36, 38, -36, 38, -46, 2);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xf7f06a), kLine);
  Glint(cr, -12, -14, 12, 6);
}

void Pear(cairo_t* cr) {
  cairo_move_to(cr, 0, -36);
  cairo_curve_to(cr, 14, -36, 14, -14, 24, 2);
  cairo_curve_to(cr, 44, 30, 24, 46, 0, 46);
  cairo_curve_to(cr, -24, 46, -44, 30, -24, 2);
  cairo_curve_to(cr, -14, -14, -14, -36, 0, -36);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xd4c22c), kLine);
  Stem(cr, 0, -34, -6, -48);
  Glint(cr, -12, 6, 6, 12);
}

void Watermelon(cairo_t* cr) {
  cairo_move_to(cr, -46, -16);
  cairo_arc_negative(cr, 0, -16, 46, M_PI, 0);
  cairo_close_path(cr);
  // a slice: rind arc downwards
  cairo_new_path(cr);
  cairo_move_to(cr, -46, -18);
  cairo_line_to(cr, 46, -18);
  cairo_arc(cr, 0, -18, 46, 0, M_PI);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0x2f9e44), kLine);
  cairo_move_to(cr, -38, -18);
  cairo_line_to(cr, 38, -18);
  cairo_arc(cr, 0, -18, 38, 0, M_PI);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xff4d5e), 0);
  for (int i = 0; i < 5; ++i) {
    Ellipse(cr, -20 + i * 10, -4 + (i % 2) * 9, 2.2, 3.5);
    SetColor(cr, Hex(0x222222));
    cairo_fill(cr);
  }
}

void Pineapple(cairo_t* cr) {
  for (int i = 0; i < 5; ++i) DrawLeaf(cr, 0, -18, 28, -M_PI / 2 + (i - 2) * 0.35, colour::Leaf);
  Ellipse(cr, 0, 14, 28, 34);
  ShadeAndOutline(cr, Hex(0xf2b134), kLine);
  cairo_save(cr);
  Ellipse(cr, 0, 14, 28, 34);
  cairo_clip(cr);
  for (int i = -6; i <= 6; ++i) {
    cairo_move_to(cr, i * 10 - 40, -20);
    cairo_line_to(cr, i * 10 + 40, 60);
    cairo_move_to(cr, i * 10 + 40, -20);
    cairo_line_to(cr, i * 10 - 40, 60);
  }
  SetColor(cr, Hex(0xa0661a), 0.7);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Petals(cairo_t* cr, int count, double length, double width, const Rgb& c, double turn = 0) {
  for (int i = 0; i < count; ++i) {
    const double a = turn + i * 2 * M_PI / count;
    Ellipse(cr, length * 0.55 * std::cos(a), length * 0.55 * std::sin(a), length * 0.5, width, a);
    ShadeAndOutline(cr, c, 2.2, 0, 0, length * 1.2);
  }
}

void Daisy(cairo_t* cr) {
  Petals(cr, 10, 42, 9, Hex(0xfdfdfd));
  cairo_arc(cr, 0, 0, 15, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0xffc21a), kLine);
}

void Tulip(cairo_t* cr) {
  cairo_move_to(cr, 0, 10);
  cairo_line_to(cr, 0, 46);
  SetColor(cr, colour::LeafDark);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  DrawLeaf(cr, 0, 44, 30, -1.0, colour::Leaf);
  cairo_move_to(cr, -30, -30);
  cairo_line_to(cr, -16, -16);
  cairo_line_to(cr, -8, -38);
  cairo_line_to(cr, 0, -18);
  cairo_line_to(cr, 8, -38);
  cairo_line_to(cr, 16, -16);
  cairo_line_to(cr, 30, -30);
  cairo_curve_to(cr, 34, 0, 20, 18, 0, 18);
  cairo_curve_to(cr, -20, 18, -34, 0, -30, -30);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xff5a8a), kLine);
}

void Bluebell(cairo_t* cr) {
  cairo_move_to(cr, -30, -44);
  cairo_curve_to(cr, 10, -50, 30, -30, 30, 0);
  SetColor(cr, colour::LeafDark);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  const double bells[][2] = {{-26, -20}, {4, -10}, {26, 18}};
  for (const auto& b : bells) {
    const double x = b[0], y = b[1];
    cairo_move_to(cr, x - 9, y - 12);
    cairo_curve_to(cr, x - 10, y, x - 16, y + 10, x - 18, y + 16);
    cairo_line_to(cr, x - 9, y + 11);
    cairo_line_to(cr, x, y + 17);
    cairo_line_to(cr, x + 9, y + 11);
    cairo_line_to(cr, x + 18, y + 16);
    cairo_curve_to(cr, x + 16, y + 10, x + 10, y, x + 9, y - 12);
    cairo_curve_to(cr, x + 6, y - 18, x - 6, y - 18, x - 9, y - 12);
    cairo_close_path(cr);
    ShadeAndOutline(cr, Hex(0x4f7cff), 2.6);
  }
}

void StarFlower(cairo_t* cr) {
  // five broad heart-shaped petals
  for (int i = 0; i < 5; ++i) {
    const double a = -M_PI / 2 + i * 2 * M_PI / 5;
    cairo_save(cr);
    cairo_rotate(cr, a);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 20, -22, 46, -14, 42, 0);
    cairo_curve_to(cr, 46, 14, 20, 22, 0, 0);
    cairo_restore(cr);
    ShadeAndOutline(cr, Hex(0xff8ad8), 2.4, 0, 0, 50);
  }
  StarPath(cr, 0, 0, 12, 6, 5, M_PI / 5);
  ShadeAndOutline(cr, Hex(0xffe14d), 2);
}

void RoundPotion(cairo_t* cr) {
  cairo_rectangle(cr, -9, -44, 18, 22);
  ShadeAndOutline(cr, Hex(0xd0f0ff), 2.5);
  cairo_rectangle(cr, -11, -48, 22, 8);
  ShadeAndOutline(cr, colour::Wood, 2.5);
  cairo_arc(cr, 0, 10, 34, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0xd0f0ff), kLine);
  cairo_save(cr);
  cairo_arc(cr, 0, 10, 31, 0, 2 * M_PI);
  cairo_clip(cr);
  cairo_rectangle(cr, -40, 4, 80, 50);
  ShadeAndOutline(cr, Hex(0x29b6f6), 0);
  cairo_restore(cr);
  Glint(cr, -14, -2, 6, 10, 0.7);
}

void SquarePotion(cairo_t* cr) {
  cairo_rectangle(cr, -8, -46, 16, 16);
  ShadeAndOutline(cr, Hex(0xe8ffe0), 2.5);
  cairo_move_to(cr, 0, -50);
  cairo_line_to(cr, 10, -44);
  cairo_line_to(cr, 0, -38);
  cairo_line_to(cr, -10, -44);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xb03adf), 2);
  cairo_move_to(cr, -8, -32);
  cairo_line_to(cr, -30, -14);
  cairo_line_to(cr, -30, 44);
  cairo_line_to(cr, 30, 44);
  cairo_line_to(cr, 30, -14);
  cairo_line_to(cr, 8, -32);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xe8ffe0), kLine);
  RoundedRect(cr, -26, 0, 52, 40, 4);
  ShadeAndOutline(cr, Hex(0x47d147), 0);
  StarPath(cr, 0, 20, 10, 4, 5);
  SetColor(cr, colour::White, 0.8);
  cairo_fill(cr);
  Glint(cr, -20, -6, 3, 12, 0.7);
}

void SpiderIcon(cairo_t* cr) {
  cairo_set_line_width(cr, 5);
  for (int side : {-1, 1})
    for (int i = 0; i < 4; ++i) {
      const double y = -10 + i * 9;
      cairo_move_to(cr, side * 10, y);
      cairo_curve_to(cr, side * 30, y - 16, side * 40, y - 4, side * 44, y + 16);
    }
  SetColor(cr, Hex(0x3a2a4a));
  cairo_stroke(cr);
  cairo_arc(cr, 0, 8, 22, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0x6a4a8a), kLine);
  cairo_arc(cr, 0, -16, 14, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0x6a4a8a), kLine);
  for (int side : {-1, 1}) {
    cairo_arc(cr, side * 6, -18, 5, 0, 2 * M_PI);
    SetColor(cr, colour::White);
    cairo_fill(cr);
    cairo_arc(cr, side * 6 + 1, -17, 2.5, 0, 2 * M_PI);
    SetColor(cr, Hex(0x111111));
    cairo_fill(cr);
  }
}

void GoldTile(cairo_t* cr, bool second) {
  RoundedRect(cr, -42, -42, 84, 84, 10);
  ShadeAndOutline(cr, Hex(0xf5c518), kLine);
  RoundedRect(cr, -30, -30, 60, 60, 6);
  ShadeAndOutline(cr, Hex(0xffe066), 2);
  if (second) {
    cairo_move_to(cr, 0, -20);
    cairo_line_to(cr, 20, 0);
    cairo_line_to(cr, 0, 20);
    cairo_line_to(cr, -20, 0);
    cairo_close_path(cr);
    ShadeAndOutline(cr, Hex(0x36c6f4), 2);
  } else {
    StarPath(cr, 0, 0, 20, 9, 5);
    ShadeAndOutline(cr, Hex(0xfff6c0), 2);
  }
  Glint(cr, -24, -24, 10, 4, 0.7);
}

void RainbowStar(cairo_t* cr) {
  const Rgb bands[] = {Hex(0xff4d4d), Hex(0xffa64d), Hex(0xffe14d), Hex(0x5cd65c), Hex(0x4da6ff), Hex(0xb366ff)};
  for (int i = 0; i < 6; ++i) {
    StarPath(cr, 0, 0, 46 - i * 6, 22 - i * 3, 5);
    SetColor(cr, bands[i]);
    cairo_fill(cr);
  }
  StarPath(cr, 0, 0, 46, 22, 5);
  SetColor(cr, Hex(0x5a3a1a));
  cairo_set_line_width(cr, kLine);
  cairo_stroke(cr);
}

void SpecialOrb(cairo_t* cr) {
  SoftGlow(cr, 0, 0, 50, Hex(0xfff0a0), 0.9);
  cairo_arc(cr, 0, 0, 32, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0xff66c4), kLine);
  StarPath(cr, 0, 0, 22, 10, 4, M_PI / 4);
  SetColor(cr, colour::White, 0.9);
  cairo_fill(cr);
}

void DrawPieceUnit(cairo_t* cr, int piece) {
  switch (piece) {
    case 0: return Banana(cr);
    case 1: return Strawberry(cr);
    case 2: return Apple(cr);
    case 3: return Grapes(cr);
    case 4: return Orange(cr);
    case 5: return Plum(cr);
    case 6: return Cherries(cr);
    case 7: return Guava(cr);
    case 8: return Lemon(cr);
    case 9: return Pear(cr);
    case 10: return Watermelon(cr);
    case 11: return Pineapple(cr);
    case 12: return Daisy(cr);
    case 13: return Tulip(cr);
    case 14: return Bluebell(cr);
    case 15: return StarFlower(cr);
    case 16: return RoundPotion(cr);
    case 17: return SquarePotion(cr);
    case 18: return SpiderIcon(cr);
    case 19: return GoldTile(cr, false);
    case 20: return GoldTile(cr, true);
    case 21: return RainbowStar(cr);
    default: return SpecialOrb(cr);
  }
}

void Bomb(cairo_t* cr, double radius, const Rgb& body, bool stripes) {
  cairo_arc(cr, 0, 8, radius, 0, 2 * M_PI);
  ShadeAndOutline(cr, body, kLine);
  if (stripes) {
    cairo_save(cr);
    cairo_arc(cr, 0, 8, radius, 0, 2 * M_PI);
    cairo_clip(cr);
    for (int i = -1; i <= 1; ++i) cairo_rectangle(cr, -50, 8 + i * 16 - 3, 100, 6);
    SetColor(cr, colour::Gold, 0.9);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  RoundedRect(cr, -8, 8 - radius - 8, 16, 12, 3);
  ShadeAndOutline(cr, Hex(0x888888), 2);
  cairo_move_to(cr, 0, 8 - radius - 8);
  cairo_curve_to(cr, 6, -44, 18, -40, 22, -46);
  SetColor(cr, colour::Wood);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  StarPath(cr, 24, -46, 10, 4, 6);
  ShadeAndOutline(cr, Hex(0xffb020), 1.5);
  Glint(cr, -radius * 0.4, 8 - radius * 0.4, radius * 0.22, radius * 0.3, 0.6);
}

void Bolt(cairo_t* cr) {
  cairo_move_to(cr, 8, -46);
  cairo_line_to(cr, -22, 6);
  cairo_line_to(cr, -2, 6);
  cairo_line_to(cr, -10, 46);
  cairo_line_to(cr, 24, -8);
  cairo_line_to(cr, 4, -8);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xffe14d), kLine);
}

void DrawToolUnit(cairo_t* cr, ToolIcon tool) {
  switch (tool) {
    case ToolIcon::Hammer:
      cairo_save(cr);
      cairo_rotate(cr, -0.6);
      RoundedRect(cr, -5, -14, 10, 60, 4);
      ShadeAndOutline(cr, colour::Wood, kLine);
      RoundedRect(cr, -30, -38, 60, 26, 6);
      ShadeAndOutline(cr, Hex(0x8a9bb0), kLine);
      cairo_restore(cr);
      return;
    case ToolIcon::Bomb: return Bomb(cr, 30, Hex(0x3a3a4a), false);
    case ToolIcon::BigBomb: return Bomb(cr, 36, Hex(0xc0304a), true);
    case ToolIcon::Collector:
      // a bubble blaster: horn with rings
      cairo_move_to(cr, -40, -8);
      cairo_line_to(cr, 10, -20);
      cairo_line_to(cr, 40, -36);
      cairo_line_to(cr, 40, 36);
      cairo_line_to(cr, 10, 20);
      cairo_line_to(cr, -40, 8);
      cairo_close_path(cr);
      ShadeAndOutline(cr, Hex(0x39c0c8), kLine);
      Ellipse(cr, 40, 0, 8, 36);
      ShadeAndOutline(cr, Hex(0x9ff3f7), 2.5);
      for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, -30 + i * 10, -28 - i * 6, 5 + i, 0, 2 * M_PI);
        ShadeAndOutline(cr, Hex(0xd6fbff), 1.5);
      }
      return;
    case ToolIcon::HorzLightning:
      cairo_save(cr);
      cairo_rotate(cr, M_PI / 2);
      Bolt(cr);
      cairo_restore(cr);
      return;
    case ToolIcon::VertLightning: return Bolt(cr);
    case ToolIcon::Broom:
      cairo_save(cr);
      cairo_rotate(cr, 0.6);
      RoundedRect(cr, -4, -48, 8, 60, 3);
      ShadeAndOutline(cr, colour::Wood, kLine);
      cairo_move_to(cr, -8, 8);
      cairo_line_to(cr, 8, 8);
      cairo_line_to(cr, 22, 46);
      cairo_line_to(cr, -22, 46);
      cairo_close_path(cr);
      ShadeAndOutline(cr, Hex(0xf0c060), kLine);
      cairo_rectangle(cr, -10, 10, 20, 6);
      SetColor(cr, colour::Berry);
      cairo_fill(cr);
      cairo_restore(cr);
      return;
    case ToolIcon::MagicKey:
      cairo_save(cr);
      cairo_rotate(cr, -0.7);
      cairo_arc(cr, 0, -26, 16, 0, 2 * M_PI);
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, 0, -26, 7, 2 * M_PI, 0);
      ShadeAndOutline(cr, colour::Gold, kLine);
      cairo_move_to(cr, -5, -10);
      cairo_line_to(cr, 5, -10);
      cairo_line_to(cr, 5, 44);
      cairo_line_to(cr, -5, 44);
      cairo_close_path(cr);
      cairo_rectangle(cr, 5, 26, 12, 6);
      cairo_rectangle(cr, 5, 36, 9, 6);
      ShadeAndOutline(cr, colour::Gold, kLine);
      cairo_restore(cr);
      StarPath(cr, 26, -30, 10, 4, 4);
      SetColor(cr, Hex(0xfff7b0));
      cairo_fill(cr);
      return;
    case ToolIcon::Aerosol:
      RoundedRect(cr, -20, -20, 40, 64, 8);
      ShadeAndOutline(cr, Hex(0x7a5af5), kLine);
      cairo_rectangle(cr, -20, -4, 40, 20);
      SetColor(cr, colour::White, 0.8);
      cairo_fill(cr);
      RoundedRect(cr, -10, -34, 20, 16, 4);
      ShadeAndOutline(cr, Hex(0xbbbbbb), 2.5);
      for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, 18 + i * 7, -40 + (i % 2) * 8, 3, 0, 2 * M_PI);
        SetColor(cr, Hex(0xc0f0ff));
        cairo_fill(cr);
      }
      return;
  }
}

void RegisterPieceStrips(PainterRegistry& r) {
  r.Add("Elements", [](Canvas& c, const qm::TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows,
                   [](cairo_t* cr, int p, double w, double h) { DrawPiece(cr, p, w / 2, h / 2, w * 0.92); });
  });
  r.Add("BubbleInside", [](Canvas& c, const qm::TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      DrawPiece(cr, p, w / 2, h / 2, w * 0.62);
      cairo_arc(cr, w / 2, h / 2, w * 0.46, 0, 2 * M_PI);
      FillRadial(cr, w * 0.4, h * 0.35, w * 0.55, Hex(0xe8fbff), Hex(0x7fd8ff), 0.35);
      SetColor(cr, Hex(0x3aa0d8), 0.9);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      Glint(cr, w * 0.34, h * 0.3, w * 0.1, h * 0.06, 0.8);
    });
  });
  r.Add("ElementIcons", [](Canvas& c, const qm::TCatalogueImage& e) {
    // one icon per element kind: fruit, flower, potion, gold tile, spider
    constexpr int pieces[] = {2, 12, 16, kGoldTilePiece, kSpiderPiece};
    ForEachPattern(c, e.Columns, e.Rows,
                   [&](cairo_t* cr, int p, double w, double h) { DrawPiece(cr, pieces[p], w / 2, h / 2, w * 0.9); });
  });
  r.Add("TutorialIcons", [](Canvas& c, const qm::TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      cairo_arc(cr, w / 2, h / 2, w * 0.46, 0, 2 * M_PI);
      ShadeAndOutline(cr, colour::Parchment, 2);
      DrawTutorialSubject(cr, TutorialSubjectOf(p + 1), w / 2, h / 2, w * 0.7);
    });
  });
  r.Add("ObjInfoLogo", [](Canvas& c, const qm::TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      StarPath(cr, w / 2, h / 2, w * 0.48, w * 0.38, 12);
      ShadeAndOutline(cr, p == 0 ? colour::Gold : Hex(0xb04ad0), 3);
      cairo_arc(cr, w / 2, h / 2, w * 0.33, 0, 2 * M_PI);
      ShadeAndOutline(cr, colour::Cream, 2);
      if (p == 0)
        DrawPiece(cr, 1, w / 2, h / 2, w * 0.5);
      else
        DrawPiece(cr, kSpiderPiece, w / 2, h / 2, w * 0.5);
    });
  });
}

}  // namespace

void DrawPiece(cairo_t* cr, int piece, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, size / 100, size / 100);
  cairo_new_path(cr);
  DrawPieceUnit(cr, piece);
  cairo_restore(cr);
}

void DrawToolIcon(cairo_t* cr, ToolIcon tool, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, size / 100, size / 100);
  cairo_new_path(cr);
  DrawToolUnit(cr, tool);
  cairo_restore(cr);
}

namespace {

// The town workshop: a cottage with a red roof.
void House(cairo_t* cr, double cx, double cy, double size) {
  const double u = size / 100;
  cairo_rectangle(cr, cx - 30 * u, cy - 6 * u, 60 * u, 42 * u);
  ShadeAndOutline(cr, colour::Cream, 2);
  cairo_move_to(cr, cx - 40 * u, cy - 4 * u);
  cairo_line_to(cr, cx, cy - 40 * u);
  cairo_line_to(cr, cx + 40 * u, cy - 4 * u);
  cairo_close_path(cr);
  ShadeAndOutline(cr, colour::Berry, 2);
  cairo_rectangle(cr, cx - 8 * u, cy + 12 * u, 16 * u, 24 * u);
  ShadeAndOutline(cr, colour::Wood, 2);
}

// The guardian: a shield with a star.
void Shield(cairo_t* cr, double cx, double cy, double size) {
  const double u = size / 100;
  cairo_move_to(cr, cx - 34 * u, cy - 36 * u);
  cairo_line_to(cr, cx + 34 * u, cy - 36 * u);
  cairo_curve_to(cr, cx + 34 * u, cy + 10 * u, cx + 14 * u, cy + 30 * u, cx, cy + 42 * u);
  cairo_curve_to(cr, cx - 14 * u, cy + 30 * u, cx - 34 * u, cy + 10 * u, cx - 34 * u, cy - 36 * u);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0x5a6fd0), 2);
  StarPath(cr, cx, cy - 2 * u, 20 * u, 9 * u, 5);
  ShadeAndOutline(cr, colour::Gold, 1.5);
}

}  // namespace

void DrawTutorialSubject(cairo_t* cr, TutorialSubject subject, double cx, double cy, double size) {
  switch (subject.Kind) {
    case TutorialSubject::Piece: return DrawPiece(cr, subject.Number, cx, cy, size);
    case TutorialSubject::Tool: return DrawToolIcon(cr, ToolIcon(subject.Number), cx, cy, size);
    case TutorialSubject::House: return House(cr, cx, cy, size);
    case TutorialSubject::Shield: return Shield(cr, cx, cy, size);
  }
}

void RegisterPiecePainters(PainterRegistry& r) { RegisterPieceStrips(r); }

}  // namespace contentgen
