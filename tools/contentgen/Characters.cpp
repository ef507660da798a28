// Spiders, boss monsters, the conversation cast and the guide bird.
#include <cmath>
#include <string>

#include "Characters.h"
#include "Painters.h"
#include "Style.h"

namespace contentgen {

namespace {

using qm::TCatalogueImage;

void Eye(cairo_t* cr, double x, double y, double r, double lookX = 0.3, const Rgb& iris = Hex(0x111111)) {
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  ShadeAndOutline(cr, colour::White, std::max(1.0, r * 0.2));
  cairo_arc(cr, x + r * lookX, y, r * 0.5, 0, 2 * M_PI);
  SetColor(cr, iris);
  cairo_fill(cr);
  cairo_arc(cr, x + r * lookX - r * 0.2, y - r * 0.2, r * 0.16, 0, 2 * M_PI);
  SetColor(cr, colour::White);
  cairo_fill(cr);
}

// ---- crawling spiders ----------------------------------------------------

enum class SpiderPose { Walk, Anchor, Spin, Hit };

// The web a spider is spinning below itself, growing ring by ring.
void SpunWeb(cairo_t* cr, double cx, double cy, int rings) {
  for (int ring = 1; ring <= rings; ++ring) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, ring * 3.0, 0, 2 * M_PI);
  }
  for (int i = 0; i < 6; ++i) {
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + std::cos(i * M_PI / 3) * rings * 3, cy + std::sin(i * M_PI / 3) * rings * 3);
  }
  SetColor(cr, colour::White, 0.85);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void Spider(cairo_t* cr, double w, double h, SpiderPose pose, int frame, int frames) {
  const double t = double(frame) / frames;
  const double cx = w / 2, cy = h / 2 + (pose == SpiderPose::Anchor ? (t - 0.5) * 10 : 0);
  cairo_save(cr);
  if (pose == SpiderPose::Hit) {
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, t * 2 * M_PI);
    cairo_translate(cr, -cx, -cy);
  }
  if (pose == SpiderPose::Anchor || pose == SpiderPose::Spin) {
    cairo_move_to(cr, cx, 0);
    cairo_line_to(cr, cx, cy - 8);
    SetColor(cr, colour::White, 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  cairo_set_line_width(cr, 2.5);
  for (int side : {-1, 1})
    for (int i = 0; i < 4; ++i) {
      const double swing = std::sin(t * 2 * M_PI + i * 1.6 + (side > 0 ? M_PI : 0)) * 4;
      const double y = cy - 4 + i * 4;
      cairo_move_to(cr, cx + side * 6, y);
      cairo_curve_to(cr, cx + side * 14, y - 10 + swing, cx + side * 18, y - 2, cx + side * 21, y + 8 + swing);
    }
  SetColor(cr, Hex(0x3a2a4a));
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy + 4, 11, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0x7a52a8), 1.8);
  cairo_arc(cr, cx, cy - 8, 8, 0, 2 * M_PI);
  ShadeAndOutline(cr, Hex(0x7a52a8), 1.8);
  if (pose == SpiderPose::Hit) {
    for (int side : {-1, 1}) {
      cairo_move_to(cr, cx + side * 5 - 2, cy - 11);
      cairo_line_to(cr, cx + side * 5 + 2, cy - 7);
      cairo_move_to(cr, cx + side * 5 + 2, cy - 11);
      cairo_line_to(cr, cx + side * 5 - 2, cy - 7);
    }
    SetColor(cr, colour::White);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  } else {
    Eye(cr, cx - 3.5, cy - 9, 3, 0);
    Eye(cr, cx + 3.5, cy - 9, 3, 0);
  }
  if (pose == SpiderPose::Spin) SpunWeb(cr, cx, cy + 14, 2 + frame);
  cairo_restore(cr);
}

// ---- boss monsters -------------------------------------------------------

// Content shut eyes, rosy cheeks and a smile (a small beak for the owl).
void CalmFace(cairo_t* cr, double hx, double hy, bool beak) {
  for (int side : {-1, 1}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, hx + side * 11, hy - 2, 6.5, M_PI * 1.15, M_PI * 1.85);
  }
  SetColor(cr, colour::Ink);
  cairo_set_line_width(cr, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  for (int side : {-1, 1}) {
    Ellipse(cr, hx + side * 19, hy + 8, 6, 3.5);
    SetColor(cr, colour::Berry, 0.45);
    cairo_fill(cr);
  }
  if (beak) {
    cairo_move_to(cr, hx - 5, hy + 5);
    cairo_line_to(cr, hx + 5, hy + 5);
    cairo_line_to(cr, hx, hy + 12);
    cairo_close_path(cr);
    ShadeAndOutline(cr, colour::Gold, 2);
  }
  cairo_new_sub_path(cr);
  cairo_arc(cr, hx, hy + (beak ? 10 : 8), 8, M_PI * 0.2, M_PI * 0.8);
  SetColor(cr, Hex(0x5a1020));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// Creature kinds 0..4 as the islands meet them: owl, squirrel, bee, bat, cat.
enum class Beast { Owl, Squirrel, Bee, Bat, Cat };

struct BeastLook {
  Beast Kind;
  Rgb Body, Belly;
};
constexpr BeastLook kBeasts[] = {
    {Beast::Owl, Hex(0x8a5ac8), Hex(0xe0c8ff)},
    {Beast::Squirrel, Hex(0xd0602a), Hex(0xffd0a0)},
    {Beast::Bee, Hex(0xf2c020), Hex(0x3a2a1a)},
    {Beast::Bat, Hex(0x4a4a8a), Hex(0xa0a0e0)},
    {Beast::Cat, Hex(0x6a8a6a), Hex(0xd0e8c0)},
};

// Draws the beast in a 160 x 140 box. phase moves legs and wings; facing
// front draws the symmetrical pose; mouthOpen widens the mouth; calm
// beasts smile with their eyes shut instead of frowning.
void DrawBeast(cairo_t* cr, const BeastLook& b, double phase, bool front, bool mouthOpen, bool calm = false) {
  const double bob = std::sin(phase * 2 * M_PI) * 3;
  const double cx = 80, cy = 78 + bob;
  const double lean = front ? 0 : 12;  // side view leans the head forward (to the right)
  // tails and wings behind the body
  switch (b.Kind) {
    case Beast::Squirrel:
      cairo_move_to(cr, cx - 20, cy + 20);
      cairo_curve_to(cr, cx - 80, cy + 10, cx - 70, cy - 70, cx - 30, cy - 50);
      cairo_curve_to(cr, cx - 50, cy - 30, cx - 45, cy + 5, cx - 10, cy + 10);
      cairo_close_path(cr);
      ShadeAndOutline(cr, b.Body.Lighter(0.15), 2.5);
      break;
    case Beast::Cat:
      cairo_move_to(cr, cx - 30, cy + 20);
      cairo_curve_to(cr, cx - 70, cy + 20, cx - 60, cy - 40 + bob * 3, cx - 50, cy - 45);
      SetColor(cr, b.Body.Darker(0.5));
      cairo_set_line_width(cr, 13);
      cairo_stroke_preserve(cr);
      SetColor(cr, b.Body);
      cairo_set_line_width(cr, 9);
      cairo_stroke(cr);
      break;
    case Beast::Bee:
    case Beast::Bat:
    case Beast::Owl:
      for (int side : {-1, 1}) {
        if (!front && side > 0) continue;
        const double flap = std::sin(phase * 4 * M_PI) * 0.3;
        cairo_save(cr);
        cairo_translate(cr, cx + side * 20, cy - 10);
        cairo_rotate(cr, side * (-0.5 + flap));
        if (b.Kind == Beast::Bat) {
          cairo_move_to(cr, 0, 0);
          cairo_line_to(cr, side * 60, -30);
          cairo_line_to(cr, side * 50, 0);
          cairo_line_to(cr, side * 40, -8);
          cairo_line_to(cr, side * 30, 10);
          cairo_close_path(cr);
        } else if (b.Kind == Beast::Bee) {
          Ellipse(cr, side * 28, -22, 30, 16, side * -0.4);
        } else {
          Ellipse(cr, side * 16, 10, 16, 34, side * 0.3);
        }
        cairo_restore(cr);
        if (b.Kind == Beast::Bee) {
          cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.7);
          cairo_fill_preserve(cr);
          SetColor(cr, colour::Ink);
          cairo_set_line_width(cr, 2);
          cairo_stroke(cr);
        } else {
          ShadeAndOutline(cr, b.Body.Darker(0.15), 2.5);
        }
      }
      break;
  }
  // legs
  if (b.Kind != Beast::Bee && b.Kind != Beast::Bat)
    for (int i = 0; i < 2; ++i) {
      const double step = std::sin(phase * 2 * M_PI + i * M_PI) * (front ? 0 : 10);
      RoundedRect(cr, cx - 24 + i * 30 + step, cy + 24, 16, 34 - bob, 7);
      ShadeAndOutline(cr, b.Body.Darker(0.1), 2.5);
    }
  // body
  Ellipse(cr, cx, cy + 8, 42, 36);
  ShadeAndOutline(cr, b.Body, 3);
  Ellipse(cr, cx + lean * 0.5, cy + 14, 26, 24);
  ShadeAndOutline(cr, b.Belly, 0);
  if (b.Kind == Beast::Bee) {
    cairo_save(cr);
    Ellipse(cr, cx, cy + 8, 42, 36);
    cairo_clip(cr);
    for (int i = 0; i < 3; ++i) cairo_rectangle(cr, cx - 30 + i * 24, cy - 40, 10, 90);
    SetColor(cr, Hex(0x3a2a1a));
    cairo_fill(cr);
    cairo_restore(cr);
  }
  // head
  const double hx = cx + lean, hy = cy - 36;
  if (b.Kind == Beast::Cat || b.Kind == Beast::Bat || b.Kind == Beast::Squirrel || b.Kind == Beast::Owl)
    for (int side : {-1, 1}) {
      cairo_move_to(cr, hx + side * 12, hy - 18);
      cairo_line_to(cr, hx + side * 26, hy - 44);
      cairo_line_to(cr, hx + side * 30, hy - 10);
      cairo_close_path(cr);
      ShadeAndOutline(cr, b.Body.Darker(0.1), 2.5);
    }
  if (b.Kind == Beast::Bee)
    for (int side : {-1, 1}) {
      cairo_move_to(cr, hx + side * 8, hy - 22);
      cairo_curve_to(cr, hx + side * 12, hy - 40, hx + side * 24, hy - 44, hx + side * 26, hy - 46);
      SetColor(cr, colour::Ink);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      cairo_arc(cr, hx + side * 26, hy - 46, 5, 0, 2 * M_PI);
      ShadeAndOutline(cr, colour::Ink, 1);
    }
  cairo_arc(cr, hx, hy, 30, 0, 2 * M_PI);
  ShadeAndOutline(cr, b.Kind == Beast::Bee ? Hex(0xf2c020) : b.Body, 3);
  if (calm) {
    CalmFace(cr, hx, hy, b.Kind == Beast::Owl);
    return;
  }
  // grumpy brows make them monsters, round eyes keep them friendly
  const double look = front ? 0 : 0.35;
  Eye(cr, hx - 11, hy - 4, b.Kind == Beast::Owl ? 11 : 8, look, Hex(0x8a1010));
  Eye(cr, hx + 11, hy - 4, b.Kind == Beast::Owl ? 11 : 8, look, Hex(0x8a1010));
  for (int side : {-1, 1}) {
    cairo_move_to(cr, hx + side * 20, hy - 18);
    cairo_line_to(cr, hx + side * 4, hy - 12);
  }
  SetColor(cr, colour::Ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  if (b.Kind == Beast::Owl) {
    cairo_move_to(cr, hx - 5, hy + 6);
    cairo_line_to(cr, hx + 5, hy + 6);
    cairo_line_to(cr, hx, hy + (mouthOpen ? 20 : 14));
    cairo_close_path(cr);
    ShadeAndOutline(cr, colour::Gold, 2);
  } else {
    Ellipse(cr, hx, hy + 14, mouthOpen ? 9 : 7, mouthOpen ? 8 : 2.5);
    SetColor(cr, Hex(0x5a1020));
    cairo_fill(cr);
  }
}

void RegisterCreatures(PainterRegistry& r) {
  r.Add("SpiderWalking", [](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows,
                   [](cairo_t* cr, int p, double w, double h) { Spider(cr, w, h, SpiderPose::Walk, p, 9); });
  });
  r.Add("SpiderAnchoring", [](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows,
                   [](cairo_t* cr, int p, double w, double h) { Spider(cr, w, h, SpiderPose::Anchor, p, 7); });
  });
  r.Add("SpiderMakingWeb", [](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows,
                   [](cairo_t* cr, int p, double w, double h) { Spider(cr, w, h, SpiderPose::Spin, p, 4); });
  });
  r.Add("SpiderHit", [](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows,
                   [](cairo_t* cr, int p, double w, double h) { Spider(cr, w, h, SpiderPose::Hit, p, 6); });
  });

  for (int kind = 0; kind < 5; ++kind) {
    const std::string folder = qm::CreatureFolder(kind);
    const BeastLook look = kBeasts[kind];
    r.AddIn(folder, qm::img::MonsterWalk, [look](Canvas& c, const TCatalogueImage& e) {
      ForEachPattern(c, e.Columns, e.Rows,
                     [&](cairo_t* cr, int p, double, double) { DrawBeast(cr, look, p / 7.0, false, false); });
    });
    r.AddIn(folder, qm::img::MonsterFront, [look](Canvas& c, const TCatalogueImage& e) {
      // 0 facing the player, 1 absorbing energy
      ForEachPattern(c, e.Columns, e.Rows, [&](cairo_t* cr, int p, double w, double h) {
        if (p == 1) SoftGlow(cr, w / 2, h / 2, w * 0.5, Hex(0x9ff3f7), 0.7);
        DrawBeast(cr, look, 0, true, p == 1);
      });
    });
    r.AddIn(folder, qm::img::MonsterDeath, [look](Canvas& c, const TCatalogueImage& e) {
      ForEachPattern(c, e.Columns, e.Rows, [&](cairo_t* cr, int p, double w, double h) {
        const double t = p / 6.0;
        cairo_translate(cr, w / 2, h / 2 + t * 20);
        cairo_rotate(cr, t * 1.2);
        cairo_scale(cr, 1 - t * 0.6, 1 - t * 0.6);
        cairo_translate(cr, -w / 2, -h / 2);
        cairo_push_group(cr);
        DrawBeast(cr, look, 0, true, true);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 1 - t * 0.8);
      });
    });
    r.AddIn(folder, qm::img::MonsterShadow, [](Canvas& c, const TCatalogueImage&) {
      cairo_scale(c.Cr(), c.Width() / double(c.Height()), 1);
      SoftGlow(c.Cr(), c.Height() / 2.0, c.Height() / 2.0, c.Height() / 2.0, Hex(0x000000), 1.0);
    });
  }
  r.Add(qm::img::MonsterAura, [](Canvas& c, const TCatalogueImage&) {
    SoftGlow(c.Cr(), c.Width() / 2.0, c.Height() / 2.0, c.Width() / 2.0, Hex(0xc070ff), 0.8);
  });
  r.Add(qm::img::AbsorbedEnergy, [](Canvas& c, const TCatalogueImage&) {
    SoftGlow(c.Cr(), 16, 16, 16, Hex(0x8ff8ff), 1.0);
  });
  r.Add(qm::img::MonsterKOStars, [](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      for (int i = 0; i < 3; ++i) {
        const double a = p * M_PI / 6 + i * 2 * M_PI / 3;
        StarPath(cr, w / 2 + std::cos(a) * w * 0.34, h / 2 + std::sin(a) * h * 0.3, 8, 3.5, 5);
        ShadeAndOutline(cr, colour::Gold, 1.2);
      }
    });
  });
}

// ---- conversation cast ---------------------------------------------------

struct Person {
  Rgb Skin, Hair, Shirt, Hat;
  int HatKind;  // 0 none, 1 cap, 2 wide brim, 3 bow, 4 chef, 5 crown of leaves
  bool Beard;
};

// One arm as a sleeve from the shoulder through the elbow to the hand.
void Arm(cairo_t* cr, const Person& p, double shoulderX, double shoulderY, double elbowX, double elbowY,
         double handX, double handY) {
  cairo_move_to(cr, shoulderX, shoulderY);
  cairo_line_to(cr, elbowX, elbowY);
  cairo_line_to(cr, handX, handY);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, colour::Ink);
  cairo_set_line_width(cr, 44);
  cairo_stroke_preserve(cr);
  SetColor(cr, p.Shirt.Darker(0.06));
  cairo_set_line_width(cr, 36);
  cairo_stroke(cr);
  cairo_arc(cr, handX, handY, 20, 0, 2 * M_PI);
  ShadeAndOutline(cr, p.Skin, 3.5);
}

// The arms of a pose: 0 resting at the sides, 1 a hand raised towards the
// one spoken to, 2 both hands open in front.
void Arms(cairo_t* cr, const Person& p, int pose, bool facesRight) {
  const double toward = facesRight ? 1 : -1, cx = 140;
  switch (pose) {
    case 1:
      Arm(cr, p, cx - toward * 100, 320, cx - toward * 112, 390, cx - toward * 96, 436);
      Arm(cr, p, cx + toward * 100, 320, cx + toward * 126, 300, cx + toward * 112, 236);
      return;
    case 2:
      for (double side : {-1.0, 1.0}) Arm(cr, p, cx + side * 100, 320, cx + side * 96, 392, cx + side * 42, 360);
      return;
    default:
      for (double side : {-1.0, 1.0}) Arm(cr, p, cx + side * 100, 320, cx + side * 112, 390, cx + side * 96, 436);
      return;
  }
}

// The bust fades out at the bottom rather than ending on a hard edge.
void FadeOutBottom(cairo_t* cr, double w, double h, double fadeHeight) {
  cairo_pattern_t* fade = cairo_pattern_create_linear(0, h - fadeHeight, 0, h);
  cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 1);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  cairo_rectangle(cr, 0, h - fadeHeight, w, fadeHeight);
  cairo_set_source(cr, fade);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_pattern_destroy(fade);
}

// The head and shoulders, without arms.
void DrawPersonBust(cairo_t* cr, const Person& p, int mouth) {
  const double cx = 140;
  cairo_move_to(cr, 20, 440);
  cairo_curve_to(cr, 20, 300, 70, 270, cx, 270);
  cairo_curve_to(cr, 210, 270, 260, 300, 260, 440);
  cairo_close_path(cr);
  ShadeAndOutline(cr, p.Shirt, 4);
  RoundedRect(cr, cx - 22, 230, 44, 50, 14);
  ShadeAndOutline(cr, p.Skin.Darker(0.08), 3);
  Ellipse(cr, cx, 160, 92, 102);
  ShadeAndOutline(cr, p.Hair, 4);
  Ellipse(cr, cx, 176, 80, 86);
  ShadeAndOutline(cr, p.Skin, 3.5);
  cairo_move_to(cr, cx - 82, 150);
  cairo_curve_to(cr, cx - 70, 70, cx + 70, 70, cx + 82, 150);
  cairo_curve_to(cr, cx + 40, 110, cx - 40, 110, cx - 82, 150);
  cairo_close_path(cr);
  ShadeAndOutline(cr, p.Hair, 3);
  for (int side : {-1, 1}) Eye(cr, cx + side * 30, 170, 15, 0);
  for (int side : {-1, 1}) {
    Ellipse(cr, cx + side * 50, 205, 14, 8);
    SetColor(cr, colour::Berry, 0.35);
    cairo_fill(cr);
  }
  if (p.Beard) {
    cairo_move_to(cr, cx - 60, 200);
    cairo_curve_to(cr, cx - 50, 290, cx + 50, 290, cx + 60, 200);
    cairo_curve_to(cr, cx + 30, 240, cx - 30, 240, cx - 60, 200);
    cairo_close_path(cr);
    ShadeAndOutline(cr, p.Hair.Lighter(0.3), 3);
  }
  const double open[] = {0, 8, 16, 11};
  const double widths[] = {22, 18, 20, 26};
  if (mouth == 0) {
    cairo_move_to(cr, cx - 20, 222);
    cairo_curve_to(cr, cx - 8, 232, cx + 8, 232, cx + 20, 222);
    SetColor(cr, Hex(0x6a2a2a));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  } else {
    Ellipse(cr, cx, 226, widths[mouth], open[mouth]);
    ShadeAndOutline(cr, Hex(0x8a2a3a), 3);
  }
  switch (p.HatKind) {
    case 1:
      cairo_move_to(cr, cx - 86, 110);
      cairo_curve_to(cr, cx - 80, 30, cx + 80, 30, cx + 86, 110);
      cairo_close_path(cr);
      ShadeAndOutline(cr, p.Hat, 3.5);
      RoundedRect(cr, cx - 10, 96, 130, 22, 10);
      ShadeAndOutline(cr, p.Hat.Darker(0.15), 3.5);
      break;
    case 2:
      Ellipse(cr, cx, 100, 130, 26);
      ShadeAndOutline(cr, p.Hat, 3.5);
      RoundedRect(cr, cx - 70, 30, 140, 74, 30);
      ShadeAndOutline(cr, p.Hat, 3.5);
      cairo_rectangle(cr, cx - 70, 84, 140, 14);
      SetColor(cr, colour::Berry);
      cairo_fill(cr);
      break;
    case 3:
      for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + 50, 80);
        cairo_line_to(cr, cx + 50 + side * 40, 60);
        cairo_line_to(cr, cx + 50 + side * 40, 100);
        cairo_close_path(cr);
        ShadeAndOutline(cr, p.Hat, 3);
      }
      break;
    case 4:
      for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, cx - 40 + i * 40, 50, 36, 0, 2 * M_PI);
        ShadeAndOutline(cr, colour::White, 3);
      }
      RoundedRect(cr, cx - 70, 60, 140, 46, 8);
      ShadeAndOutline(cr, colour::White, 3);
      break;
    case 5:
      for (int i = 0; i < 7; ++i) DrawLeaf(cr, cx - 80 + i * 26, 92, 40, -1.6 + (i - 3) * 0.2, p.Hat);
      break;
    default:
      break;
  }
}

// Draws a friendly bust in a 280 x 440 pattern; mouth 0 closed, 1..3
// talking; the pose's arms gesture towards the side the person faces.
void DrawPerson(cairo_t* cr, const Person& p, int mouth, int pose, bool facesRight) {
  DrawPersonBust(cr, p, mouth);
  Arms(cr, p, pose, facesRight);
  FadeOutBottom(cr, 280, 440, 70);
}

void RegisterCast(PainterRegistry& r) {
  const Person clients[] = {
      {Hex(0xffd9b8), Hex(0x8a4a2a), Hex(0x4fa8e8), Hex(0xf4c430), 2, false},   // the mayor
      {Hex(0xf0c090), Hex(0x2a2a2a), Hex(0xe2415e), Hex(0xffffff), 4, false},   // the baker
      {Hex(0xffe0c8), Hex(0xf0d060), Hex(0x8ac84a), Hex(0xff8ad8), 3, false},   // the gardener
      {Hex(0xd09870), Hex(0xcccccc), Hex(0x7a5ac8), Hex(0x4caf50), 0, true},    // the old sailor
      {Hex(0xffd0b0), Hex(0xd0602a), Hex(0xf29a3a), Hex(0x4caf50), 5, false},   // the orchard keeper
      {Hex(0xc08860), Hex(0x3a2010), Hex(0x2fa88a), Hex(0x9a6235), 1, false},   // the builder
  };
  for (int client = 1; client <= 6; ++client) {
    const Person p = clients[client - 1];
    r.Add("ChatCharacter" + std::to_string(client), [p](Canvas& c, const TCatalogueImage& e) {
      ForEachPattern(c, e.Columns, e.Rows, [&](cairo_t* cr, int m, double, double) {
        DrawPerson(cr, p, m % e.Columns, m / e.Columns, /*facesRight=*/false);
      });
    });
  }
  const Person bram{Hex(0xffdcc0), Hex(0x6a3a1a), Hex(0x4caf50), Hex(0x2e7d32), 1, false};
  Person bramTravelling = bram;
  bramTravelling.Shirt = Hex(0xc0703a);
  bramTravelling.HatKind = 2;
  bramTravelling.Hat = Hex(0xb08050);
  for (auto [name, p] : {std::pair{"ChatMainChar", bram}, std::pair{"ChatMainChar2", bramTravelling}})
    r.Add(name, [p](Canvas& c, const TCatalogueImage& e) {
      ForEachPattern(c, e.Columns, e.Rows, [&](cairo_t* cr, int m, double, double) {
        DrawPerson(cr, p, m % e.Columns, m / e.Columns, /*facesRight=*/true);
      });
    });

  r.Add(qm::img::SmallWren, [](Canvas& c, const TCatalogueImage& e) {
    // idle, talking, pointing, cheering
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) { DrawWren(cr, p, w, h); });
  });
}

}  // namespace

void DrawGuardian(cairo_t* cr, int kind, double phase, bool front, GuardianMood mood, bool mouthOpen) {
  DrawBeast(cr, kBeasts[kind % 5], phase, front, mouthOpen, mood == GuardianMood::Calm);
}

void DrawWren(cairo_t* cr, int p, double w, double h) {
  const Rgb brown = Hex(0xa8703a);
  cairo_move_to(cr, w * 0.3, h * 0.6);
  cairo_line_to(cr, w * 0.1, h * 0.2);
  cairo_line_to(cr, w * 0.25, h * 0.18);
  cairo_line_to(cr, w * 0.4, h * 0.55);
  cairo_close_path(cr);
  ShadeAndOutline(cr, brown.Darker(0.1), 2.5);
  for (double x : {0.45, 0.58}) {
    cairo_move_to(cr, w * x, h * 0.8);
    cairo_line_to(cr, w * x, h * 0.95);
  }
  SetColor(cr, Hex(0xe0902a));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  Ellipse(cr, w * 0.52, h * 0.6, w * 0.3, h * 0.22);
  ShadeAndOutline(cr, brown, 3);
  Ellipse(cr, w * 0.58, h * 0.66, w * 0.16, h * 0.12);
  ShadeAndOutline(cr, Hex(0xf6deb0), 0);
  const double wingAngle = p == 2 ? -0.9 : p == 3 ? -2.0 : 0.3;
  Ellipse(cr, w * 0.42 + std::cos(wingAngle) * 12, h * 0.58 + std::sin(wingAngle) * 12, w * 0.16, h * 0.08,
          wingAngle);
  ShadeAndOutline(cr, brown.Darker(0.15), 2.5);
  cairo_arc(cr, w * 0.65, h * 0.38, w * 0.17, 0, 2 * M_PI);
  ShadeAndOutline(cr, brown, 3);
  Eye(cr, w * 0.7, h * 0.36, w * 0.06, 0.3);
  const double beakOpen = p == 1 || p == 3 ? h * 0.03 : 0;
  cairo_move_to(cr, w * 0.8, h * 0.39 - beakOpen);
  cairo_line_to(cr, w * 0.97, h * 0.41);
  cairo_line_to(cr, w * 0.8, h * 0.43 + beakOpen);
  cairo_close_path(cr);
  ShadeAndOutline(cr, Hex(0xf0a030), 2);
  RoundedRect(cr, w * 0.5, h * 0.18, w * 0.3, h * 0.07, 6);
  ShadeAndOutline(cr, colour::Berry, 2);
}

void RegisterCharacterPainters(PainterRegistry& r) {
  RegisterCreatures(r);
  RegisterCast(r);
}

}  // namespace contentgen
