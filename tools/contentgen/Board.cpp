// The board's tiles, obstacles and flashes, and the tools' hanging pictures.
#include <cmath>

#include "Painters.h"
#include "Pieces.h"
#include "Style.h"

namespace contentgen {

namespace {

using qm::TCatalogueImage;

void Strip(PainterRegistry& r, std::string_view name,
           std::function<void(cairo_t*, int pattern, double w, double h)> draw) {
  r.Add(name, [draw](Canvas& c, const TCatalogueImage& e) { ForEachPattern(c, e.Columns, e.Rows, draw); });
}

void Flash(cairo_t* cr, double w, double h, double t) {
  // a bright oval swelling and fading over the swap's frames
  const double a = std::sin(t * M_PI);
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_scale(cr, w / 2 * (0.5 + 0.5 * t), h / 2 * (0.5 + 0.5 * t));
  SoftGlow(cr, 0, 0, 1, Hex(0xfffbe0), std::min(1.0, 0.4 + 0.8 * a));
  cairo_restore(cr);
}

void Web(cairo_t* cr, double w, double h, double strength) {
  const double m = w / 2;
  cairo_set_line_width(cr, 1.6);
  SetColor(cr, Hex(0x404060), 0.5 * strength);
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4;
    cairo_move_to(cr, m, h / 2);
    cairo_line_to(cr, m + std::cos(a) * m * 1.1, h / 2 + std::sin(a) * m * 1.1);
  }
  for (int ring = 1; ring <= 4; ++ring) {
    const double rr = ring * m * 0.24;
    for (int i = 0; i <= 8; ++i) {
      const double a = i * M_PI / 4;
      const double x = m + std::cos(a) * rr, y = h / 2 + std::sin(a) * rr;
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
  }
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 1.0);
  SetColor(cr, colour::White, 0.95 * strength);
  cairo_stroke(cr);
}

void ChainLink(cairo_t* cr, double cx, double cy, double len, double angle, const Rgb& c) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  RoundedRect(cr, -len / 2, -len * 0.28, len, len * 0.56, len * 0.28);
  cairo_restore(cr);
  SetColor(cr, c.Darker(0.5));
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetColor(cr, c);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void RegisterTiles(PainterRegistry& r) {
  Strip(r, "BackgroundTile", [](cairo_t* cr, int p, double w, double h) {
    // Nearly opaque, with small corners: the backdrop's trees and hills
    // must not show through the board.
    RoundedRect(cr, 2, 2, w - 4, h - 4, 4);
    SetColor(cr, p == 0 ? Hex(0xfff6dc) : Hex(0xd8f0c0), 0.92);
    cairo_fill_preserve(cr);
    SetColor(cr, colour::White, 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  });
  Strip(r, "TileSelection", [](cairo_t* cr, int p, double w, double h) {
    RoundedRect(cr, 3, 3, w - 6, h - 6, 10);
    SetColor(cr, p == 0 ? colour::Gold : Hex(0xff4040));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    if (p == 1) {
      cairo_move_to(cr, w * 0.25, h * 0.25);
      cairo_line_to(cr, w * 0.75, h * 0.75);
      cairo_move_to(cr, w * 0.75, h * 0.25);
      cairo_line_to(cr, w * 0.25, h * 0.75);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    }
  });
  Strip(r, "ChainLock", [](cairo_t* cr, int p, double w, double h) {
    // row 0 one chain, row 1 the second chain of a double lock; columns shake
    const double wobble = (p % 5 - 2) * 0.05;
    const Rgb c = p < 5 ? Hex(0xb8c0cc) : Hex(0xd8a848);
    const double angle = (p < 5 ? 0.785 : -0.785) + wobble;
    for (int i = -2; i <= 2; ++i)
      ChainLink(cr, w / 2 + i * std::cos(angle) * 12, h / 2 + i * std::sin(angle) * 12, 16,
                angle + (i % 2 ? M_PI / 2 : 0), c);
  });
  Strip(r, "Web", [](cairo_t* cr, int p, double w, double h) { Web(cr, w, h, 1.0 - p * 0.15); });
  r.Add("ToolHighlight", [](Canvas& c, const TCatalogueImage&) {
    RoundedRect(c.Cr(), 2, 2, c.Width() - 4, c.Height() - 4, 8);
    cairo_set_source_rgba(c.Cr(), 1, 0.9, 0.3, 0.45);
    cairo_fill(c.Cr());
  });
  Strip(r, "ElementsFlashHorz", [](cairo_t* cr, int p, double w, double h) { Flash(cr, w, h, (p + 1) / 19.0); });
  Strip(r, "ElementsFlashVert", [](cairo_t* cr, int p, double w, double h) { Flash(cr, w, h, (p + 1) / 19.0); });
  Strip(r, "BoardBorder", [](cairo_t* cr, int p, double w, double h) {
    // rows: corners, edges, inner corners; columns: the four sides; each
    // piece a leafy hedge segment
    const int row = p / 4, side = p % 4;
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, side * M_PI / 2);
    cairo_translate(cr, -w / 2, -h / 2);
    const double t = 0.5 + (row % 3) * 0.15;
    RoundedRect(cr, 0, h * (1 - t) / 2, w, h * t, 6);
    ShadeAndOutline(cr, colour::Leaf.Darker(row * 0.04), 1.5);
    DrawLeaf(cr, w * 0.2, h * 0.5, w * 0.35, -0.6 + row * 0.2, colour::Leaf.Lighter(0.15));
    if (row % 2 == 0) {
      cairo_arc(cr, w * 0.7, h * 0.5, w * 0.1, 0, 2 * M_PI);
      ShadeAndOutline(cr, colour::Berry, 1);
    }
  });
  Strip(r, "BrownTile", [](cairo_t* cr, int p, double w, double h) {
    RoundedRect(cr, 2, 2, w - 4, h - 4, 6);
    ShadeAndOutline(cr, Hex(0xb07a4a).Lighter(p * 0.05), 2);
    Lcg rng(p + 3);
    for (int i = 0; i < 6; ++i) {
      cairo_arc(cr, rng.Range(8, w - 8), rng.Range(8, h - 8), rng.Range(2, 4), 0, 2 * M_PI);
      SetColor(cr, Hex(0x6a4020), 0.6);
      cairo_fill(cr);
    }
  });
  Strip(r, "TileShine", [](cairo_t* cr, int p, double w, double h) {
    cairo_move_to(cr, w * (0.1 + p * 0.3), h);
    cairo_line_to(cr, w * (0.4 + p * 0.3), 0);
    cairo_line_to(cr, w * (0.6 + p * 0.3), 0);
    cairo_line_to(cr, w * (0.3 + p * 0.3), h);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
    cairo_fill(cr);
  });
  Strip(r, qm::img::Locker, [](cairo_t* cr, int p, double w, double h) {
    // a wooden crate per locker colour: green, blue, red, each with its own mark
    const Rgb colours[] = {Hex(0x6ab04c), Hex(0x4a90d9), Hex(0xd9534f)};
    RoundedRect(cr, 3, 3, w - 6, h - 6, 6);
    ShadeAndOutline(cr, colours[p], 2.5);
    for (double y : {h * 0.3, h * 0.7}) {
      cairo_move_to(cr, 6, y);
      cairo_line_to(cr, w - 6, y);
    }
    SetColor(cr, colours[p].Darker(0.45));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (p == 0) StarPath(cr, w / 2, h / 2, 9, 4, 5);
    if (p == 1) cairo_arc(cr, w / 2, h / 2, 7, 0, 2 * M_PI);
    if (p == 2) cairo_rectangle(cr, w / 2 - 6, h / 2 - 6, 12, 12);
    ShadeAndOutline(cr, colour::Gold, 1.5);
  });
  Strip(r, qm::img::GoldTileFrame, [](cairo_t* cr, int p, double w, double h) {
    RoundedRect(cr, 3, 3, w - 6, h - 6, 8);
    cairo_rectangle(cr, 9, 9, w - 18, h - 18);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    ShadeAndOutline(cr, p == 0 ? colour::Gold : Hex(0xffd84a).Mix(Hex(0x36c6f4), 0.3), 1.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (double x : {6.0, w - 6})
      for (double y : {6.0, h - 6}) {
        StarPath(cr, x, y, 5, 2, 4);
        SetColor(cr, colour::White);
        cairo_fill(cr);
      }
  });
  Strip(r, qm::img::LockerDebris, [](cairo_t* cr, int p, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, p * 0.8);
    cairo_move_to(cr, -8, -3);
    cairo_line_to(cr, 7, -5);
    cairo_line_to(cr, 8, 3);
    cairo_line_to(cr, -6, 5);
    cairo_close_path(cr);
    ShadeAndOutline(cr, colour::Wood.Lighter(0.2), 1.5);
  });
  Strip(r, qm::img::BitingWorm, [](cairo_t* cr, int p, double w, double h) {
    const double open = p * 0.12;
    for (int i = 4; i >= 0; --i) {
      cairo_arc(cr, w / 2 + std::sin(i * 1.1 + p) * 6, h - 10 - i * 10, 10 - i * 0.6, 0, 2 * M_PI);
      ShadeAndOutline(cr, Hex(0xf58fb0), 1.5);
    }
    cairo_arc(cr, w / 2, 16, 13, 0, 2 * M_PI);
    ShadeAndOutline(cr, Hex(0xf58fb0), 2);
    cairo_move_to(cr, w / 2 - 6, 22);
    cairo_curve_to(cr, w / 2 - 3, 22 + open * 20, w / 2 + 3, 22 + open * 20, w / 2 + 6, 22);
    SetColor(cr, colour::Ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int side : {-1, 1}) {
      cairo_arc(cr, w / 2 + side * 5, 12, 2.5, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  });
  Strip(r, qm::img::Explosion, [](cairo_t* cr, int p, double w, double h) {
    const double t = (p + 1) / 6.0;
    SoftGlow(cr, w / 2, h / 2, w / 2 * t + 6, Hex(0xffe066), 1 - t * 0.7);
    StarPath(cr, w / 2, h / 2, w * 0.45 * t + 4, w * 0.2 * t + 2, 9, p);
    SetColor(cr, Hex(0xff8c1a), 1 - t * 0.8);
    cairo_fill(cr);
  });
  Strip(r, qm::img::BubblePopRing, [](cairo_t* cr, int p, double w, double h) {
    const double t = (p + 1) / 4.0;
    cairo_arc(cr, w / 2, h / 2, w * 0.45 * t, 0, 2 * M_PI);
    SetColor(cr, Hex(0xbff0ff), 1 - t * 0.6);
    cairo_set_line_width(cr, 4 - p);
    cairo_stroke(cr);
  });
  r.Add(qm::img::HammerStrike, [](Canvas& c, const TCatalogueImage&) {
    StarPath(c.Cr(), c.Width() / 2.0, c.Height() / 2.0, c.Width() * 0.48, c.Width() * 0.2, 8);
    ShadeAndOutline(c.Cr(), Hex(0xfff3a0), 2);
  });
  r.Add(qm::img::SparkleStar, [](Canvas& c, const TCatalogueImage&) {
    SoftGlow(c.Cr(), 16, 16, 16, colour::White, 0.7);
    StarPath(c.Cr(), 16, 16, 15, 3, 4);
    SetColor(c.Cr(), colour::White);
    cairo_fill(c.Cr());
  });
  r.Add(qm::img::BoardFrame, [](Canvas& c, const TCatalogueImage&) {
    // a 16 x 12 board of 52-pixel tiles inside a 16-pixel hedge
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    RoundedRect(cr, 2, 2, w - 4, h - 4, 18);
    cairo_rectangle(cr, 16, 16, w - 32, h - 32);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    ShadeAndOutline(cr, colour::Leaf, 2);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (int i = 0; i < 40; ++i) {
      const double t = i / 40.0;
      DrawLeaf(cr, 8 + t * (w - 16), 9, 14, 0.4 + i % 3, colour::Leaf.Lighter(0.15));
      DrawLeaf(cr, 8 + t * (w - 16), h - 9, 14, 0.4 + i % 3, colour::Leaf.Lighter(0.15));
    }
  });
}

// Hanging tool: 0 idle, 1 highlighted, 2 carried, 3 disabled; the blaster
// has a fifth pattern, the overlay drawn while it fires.
void ToolStrip(PainterRegistry& r, std::string_view name, ToolIcon tool) {
  r.Add(name, [tool](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [tool](cairo_t* cr, int p, double w, double h) {
      const double size = std::min(w, h) * 0.9;
      if (p == 4) {
        for (int i = 0; i < 3; ++i) {
          cairo_arc(cr, w / 2, h / 2, size * (0.2 + i * 0.12), 0, 2 * M_PI);
          SetColor(cr, Hex(0x9ff3f7), 0.8 - i * 0.2);
          cairo_set_line_width(cr, 3);
          cairo_stroke(cr);
        }
        return;
      }
      if (p == 1) SoftGlow(cr, w / 2, h / 2, size * 0.6, Hex(0xfff3a0), 0.95);
      if (p == 2) {  // carried: tilted, as if held by the cursor
        cairo_translate(cr, w / 2, h / 2);
        cairo_rotate(cr, -0.25);
        cairo_translate(cr, -w / 2, -h / 2);
      }
      DrawToolIcon(cr, tool, w / 2, h / 2, size);
    });
    const int pw = e.PatternWidth();
    Desaturate(c.Surface(), 3 * pw, 0, pw, e.Height, 0.35);
  });
}

void RegisterTools(PainterRegistry& r) {
  ToolStrip(r, "CollectorTool", ToolIcon::Collector);
  ToolStrip(r, "BombTool", ToolIcon::Bomb);
  ToolStrip(r, "HammerTool", ToolIcon::Hammer);
  ToolStrip(r, "HorzLightningTool", ToolIcon::HorzLightning);
  ToolStrip(r, "VertLightningTool", ToolIcon::VertLightning);
  ToolStrip(r, "BigBombTool", ToolIcon::BigBomb);
  ToolStrip(r, qm::img::BroomTool, ToolIcon::Broom);
  ToolStrip(r, qm::img::MagicKeyTool, ToolIcon::MagicKey);
  ToolStrip(r, qm::img::AerosolTool, ToolIcon::Aerosol);
  Strip(r, qm::img::MagicKeyOpening, [](cairo_t* cr, int p, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, p * M_PI / 4);
    SoftGlow(cr, 0, 0, w * 0.45, Hex(0xfff3a0), 0.4 + p * 0.2);
    DrawToolIcon(cr, ToolIcon::MagicKey, 0, 0, w * 0.85);
  });
  r.Add(qm::img::AerosolSpray, [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    Lcg rng(5);
    for (int i = 0; i < 90; ++i) {
      const double t = rng.Next();
      const double x = 10 + t * (c.Width() - 30), y = c.Height() / 2.0 + rng.Range(-1, 1) * t * c.Height() * 0.42;
      cairo_arc(cr, x, y, 2 + t * 7, 0, 2 * M_PI);
      SetColor(cr, Hex(0xc0f0ff), 0.7 - t * 0.4);
      cairo_fill(cr);
    }
  });
}

}  // namespace

void RegisterBoardPainters(PainterRegistry& r) {
  RegisterTiles(r);
  RegisterTools(r);
}

}  // namespace contentgen
