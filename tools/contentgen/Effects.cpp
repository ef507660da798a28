// Small decorative effect pictures: particles, sparks, flyers and overlays.
#include <cmath>
#include <string>

#include "Painters.h"
#include "Pieces.h"
#include "Style.h"

namespace contentgen {

namespace {

using qm::TCatalogueImage;

using PatternDraw = std::function<void(cairo_t*, int pattern, double w, double h)>;

void Strip(PainterRegistry& r, std::string_view name, PatternDraw draw) {
  r.Add(name, [draw](Canvas& c, const TCatalogueImage& e) { ForEachPattern(c, e.Columns, e.Rows, draw); });
}

// A little townsperson seen from the side, facing right, at step 0..3 of
// a walk: the legs swing, the body bobs.
void TownPerson(cairo_t* cr, double w, double h, int step, const Rgb& coat, const Rgb& hair) {
  const double swing = std::sin(step * M_PI / 2) * w * 0.16, bob = (step % 2) * 1.5;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double leg : {swing, -swing}) {
    cairo_move_to(cr, w * 0.5, h * 0.66 + bob);
    cairo_line_to(cr, w * 0.5 + leg, h - 3);
  }
  SetColor(cr, colour::Ink);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  RoundedRect(cr, w * 0.28, h * 0.34 + bob, w * 0.44, h * 0.36, 6);
  ShadeAndOutline(cr, coat, 1.5);
  cairo_move_to(cr, w * 0.5, h * 0.42 + bob);
  cairo_line_to(cr, w * 0.5 - swing * 0.8, h * 0.62 + bob);
  SetColor(cr, coat.Darker(0.25));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_arc(cr, w * 0.52, h * 0.22 + bob, w * 0.2, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0xffdcc0), 1.5);
  cairo_arc(cr, w * 0.48, h * 0.18 + bob, w * 0.2, M_PI * 0.95, M_PI * 2.05);
  ShadeAndOutline(cr, hair, 1.5);
  cairo_arc(cr, w * 0.62, h * 0.22 + bob, 1.6, 0, 2 * M_PI);
  SetColor(cr, colour::Ink);
  cairo_fill(cr);
}

void Butterfly(cairo_t* cr, double w, double h, int frame, const Rgb& c) {
  const double open = std::cos(frame * M_PI / 4);  // five wing beats from open to closed
  for (int side : {-1, 1}) {
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, side * std::max(0.15, std::abs(open)), 1);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 6, -16, 18, -14, 16, -2);
    cairo_curve_to(cr, 16, 6, 8, 12, 0, 2);
    cairo_restore(cr);
    ShadeAndOutline(cr, c, 1.2, w / 2, h / 2, w / 2);
  }
  cairo_move_to(cr, w / 2, h / 2 - 8);
  cairo_line_to(cr, w / 2, h / 2 + 8);
  SetColor(cr, colour::Ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

void Diamond(cairo_t* cr, double cx, double cy, double r, const Rgb& c) {
  cairo_move_to(cr, cx, cy - r);
  cairo_line_to(cr, cx + r * 0.8, cy - r * 0.2);
  cairo_line_to(cr, cx, cy + r);
  cairo_line_to(cr, cx - r * 0.8, cy - r * 0.2);
  cairo_close_path(cr);
  ShadeAndOutline(cr, c, 1.5);
}

void RegisterParticles(PainterRegistry& r) {
  Strip(r, "BombParticle", [](cairo_t* cr, int p, double w, double h) {
    // row 0 embers, row 1 smoke puffs
    const double t = (p % 5 + 1) / 5.0;
    if (p < 5) {
      SoftGlow(cr, w / 2, h / 2, w / 2 * (1.1 - t * 0.5), Hex(0xffa020), 1.0 - t * 0.5);
    } else {
      cairo_arc(cr, w / 2, h / 2, w * (0.2 + t * 0.25), 0, 2 * M_PI);
      SetColor(cr, Hex(0x8a8a8a), 0.7 - t * 0.4);
      cairo_fill(cr);
    }
  });
  Strip(r, "LightningEffect", [](cairo_t* cr, int p, double w, double h) {
    Lcg rng(100 + p);
    cairo_move_to(cr, 0, h / 2);
    for (double x = 16; x < w; x += 16) cairo_line_to(cr, x, h / 2 + rng.Range(-h * 0.4, h * 0.4));
    cairo_line_to(cr, w, h / 2);
    SetColor(cr, Hex(0x9ff3ff), 0.6);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    SetColor(cr, colour::White);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  });
  Strip(r, "BurstingBubble", [](cairo_t* cr, int p, double w, double h) {
    const double t = p / 6.0;
    if (p < 3) {
      cairo_arc(cr, w / 2, h / 2, w * (0.3 + t * 0.3), 0, 2 * M_PI);
      FillRadial(cr, w * 0.4, h * 0.35, w * 0.5, Hex(0xe8fbff), Hex(0x7fd8ff), 0.4);
      SetColor(cr, Hex(0x3aa0d8));
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      return;
    }
    for (int i = 0; i < 8; ++i) {
      const double a = i * M_PI / 4;
      cairo_arc(cr, w / 2 + std::cos(a) * w * 0.45 * t, h / 2 + std::sin(a) * h * 0.45 * t, 3 * (1.2 - t), 0,
                2 * M_PI);
      SetColor(cr, Hex(0xbff0ff), 1.1 - t);
      cairo_fill(cr);
    }
  });
  Strip(r, "DiamondsBig", [](cairo_t* cr, int p, double w, double h) {
    Diamond(cr, w / 2, h / 2, w * 0.42, p == 0 ? Hex(0x4fd1ff) : Hex(0xff6ad0));
  });
  Strip(r, "CyanParticle", [](cairo_t* cr, int p, double w, double h) {
    SoftGlow(cr, w / 2, h / 2, w / 2 * (1 - p * 0.15), Hex(0x6ff0ff), 1.0);
  });
  Strip(r, "CollectorWave", [](cairo_t* cr, int p, double w, double h) {
    const double t = (p + 1) / 7.0;
    cairo_arc(cr, w / 2, h / 2, w * 0.46 * t, 0, 2 * M_PI);
    SetColor(cr, Hex(0x9ff3f7), 1 - t * 0.7);
    cairo_set_line_width(cr, 6 * (1 - t) + 1);
    cairo_stroke(cr);
  });
  Strip(r, "TownPeople", [](cairo_t* cr, int p, double w, double h) {
    const Rgb coats[] = {Hex(0x4fa8e8), Hex(0xe2415e), Hex(0x8ac84a), Hex(0xf29a3a)};
    const Rgb hair[] = {Hex(0x6a3a1a), Hex(0x2a2a2a), Hex(0xf0d060), Hex(0xcccccc)};
    TownPerson(cr, w, h, p % 4, coats[p / 4], hair[p / 4]);
  });
  r.Add("TownCloud", [](Canvas& c, const TCatalogueImage&) {
    DrawCloud(c.Cr(), c.Width() * 0.5, c.Height() * 0.6, c.Height() * 0.36, 0.9);
  });
  Strip(r, "ScreenDustEffect", [](cairo_t* cr, int p, double w, double h) {
    Lcg rng(30 + p);
    for (int i = 0; i < 12; ++i) {
      cairo_arc(cr, rng.Range(4, w - 4), rng.Range(4, h - 4), rng.Range(0.8, 2.2), 0, 2 * M_PI);
      SetColor(cr, colour::White, rng.Range(0.3, 0.8));
      cairo_fill(cr);
    }
  });
  Strip(r, "DustParticle", [](cairo_t* cr, int p, double w, double h) {
    // seven rows of three sizes, fading row by row
    const double size = (3 - p % 3) / 3.0, fade = 1 - (p / 3) / 8.0;
    SoftGlow(cr, w / 2, h / 2, w / 2 * size, Hex(0xfff6d0), fade);
  });
  Strip(r, "MovieEffect", [](cairo_t* cr, int p, double w, double h) {
    Lcg rng(60 + p);
    for (int i = 0; i < 4; ++i) {
      const double x = rng.Range(0, w);
      cairo_move_to(cr, x, 0);
      cairo_line_to(cr, x + rng.Range(-4, 4), h);
    }
    SetColor(cr, Hex(0x3a2a1a), 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int i = 0; i < 10; ++i) {
      cairo_arc(cr, rng.Range(0, w), rng.Range(0, h), rng.Range(0.5, 1.8), 0, 2 * M_PI);
      SetColor(cr, Hex(0x3a2a1a), 0.4);
      cairo_fill(cr);
    }
  });
  Strip(r, "LittleStars", [](cairo_t* cr, int p, double w, double h) {
    StarPath(cr, w / 2, h / 2, w * 0.45, w * 0.18, p == 0 ? 5 : 4);
    ShadeAndOutline(cr, p == 0 ? colour::Gold : colour::White, 1);
  });
  Strip(r, "Confetti", [](cairo_t* cr, int p, double w, double h) {
    const Rgb colours[] = {colour::Berry, colour::Gold, colour::Leaf, Hex(0x4fa8e8), Hex(0xb066e0), Hex(0xff9a1f)};
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, p * 0.7);
    if (p % 2)
      cairo_rectangle(cr, -5, -3, 10, 6);
    else
      StarPath(cr, 0, 0, 6, 3, 5);
    SetColor(cr, colours[p]);
    cairo_fill(cr);
  });
  Strip(r, "BookEffectWaves", [](cairo_t* cr, int p, double w, double h) {
    for (int i = 0; i < 3; ++i) {
      cairo_move_to(cr, 0, h * (0.3 + i * 0.2));
      for (double x = 0; x <= w; x += 4)
        cairo_line_to(cr, x, h * (0.3 + i * 0.2) + std::sin(x / w * 4 * M_PI + p * 2.1) * 5);
    }
    SetColor(cr, colour::White, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  });
  Strip(r, "Birds", [](cairo_t* cr, int p, double w, double h) {
    const double flap = std::sin(p * M_PI / 4) * h * 0.35;
    cairo_move_to(cr, w * 0.1, h / 2 - flap);
    cairo_curve_to(cr, w * 0.3, h / 2 - flap, w * 0.4, h / 2, w / 2, h * 0.6);
    cairo_curve_to(cr, w * 0.6, h / 2, w * 0.7, h / 2 - flap, w * 0.9, h / 2 - flap);
    SetColor(cr, Hex(0x3a3a5a));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  });
  Strip(r, "Fog", [](cairo_t* cr, int p, double w, double h) {
    Lcg rng(80 + p);
    for (int i = 0; i < 14; ++i) {
      cairo_save(cr);
      cairo_translate(cr, rng.Range(0, w), h / 2 + rng.Range(-h * 0.2, h * 0.2));
      cairo_scale(cr, 3, 1);
      SoftGlow(cr, 0, 0, h * 0.35, colour::White, 0.35);
      cairo_restore(cr);
    }
  });
  Strip(r, "RainDrop", [](cairo_t* cr, int p, double w, double h) {
    cairo_move_to(cr, w / 2, 2 + p);
    cairo_line_to(cr, w / 2, h - 2);
    SetColor(cr, Hex(0xb0e0ff), 0.8 - p * 0.15);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  });
  Strip(r, "BombSparks", [](cairo_t* cr, int p, double w, double h) {
    StarPath(cr, w / 2, h / 2, w * (0.2 + p * 0.05), w * 0.08, 6, p * 0.4);
    ShadeAndOutline(cr, Hex(0xffc030), 1);
  });
  const Rgb wings[] = {Hex(0x4fd1ff), Hex(0xff6ad0), Hex(0xa0f060)};
  for (int n = 1; n <= 3; ++n)
    Strip(r, "DiamondButterfly" + std::to_string(n),
          [c = wings[n - 1]](cairo_t* cr, int p, double w, double h) { Butterfly(cr, w, h, p, c); });
}

}  // namespace

void RegisterEffectPainters(PainterRegistry& r) { RegisterParticles(r); }

}  // namespace contentgen
