// The story strips' people, Wren and the guardians.
#include <algorithm>
#include <cmath>

#include "BuildingParts.h"
#include "Characters.h"
#include "StoryKit.h"

namespace contentgen::story {

using namespace town;

namespace {

struct Pt {
  double X, Y;
};

// A figure is drawn 100 units tall, feet on y = 0; o is the outline width
// in those units.
void Limb(cairo_t* cr, std::initializer_list<Pt> joints, double width, const Rgb& c, double o) {
  bool first = true;
  for (const Pt& p : joints) {
    if (first) cairo_move_to(cr, p.X, p.Y);
    else cairo_line_to(cr, p.X, p.Y);
    first = false;
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, c.Darker(0.6));
  cairo_set_line_width(cr, width + 2 * o);
  cairo_stroke_preserve(cr);
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void Disc(cairo_t* cr, double x, double y, double r, const Rgb& c, double o) {
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  ShadeAndOutline(cr, c, o);
}

const Rgb kBoot = Hex(0x5a3a22);

void Boot(cairo_t* cr, Pt foot, double angle, double o) {
  Ellipse(cr, foot.X + 3 * std::cos(angle), foot.Y + 1 + 3 * std::sin(angle), 7.5, 3.8, angle);
  ShadeAndOutline(cr, kBoot, o);
}

// An arm with its sleeve rolled up to the elbow: shirt to a cuff, then skin.
void RolledArm(cairo_t* cr, Pt shoulder, Pt elbow, Pt hand, const PersonLook& look, double o) {
  const Pt cuff{shoulder.X + (elbow.X - shoulder.X) * 0.8, shoulder.Y + (elbow.Y - shoulder.Y) * 0.8};
  Limb(cr, {elbow, hand}, 6.5, look.Skin, o);
  Limb(cr, {shoulder, cuff}, 9.5, look.Shirt.Darker(0.05), o);
  // the rolled cuff: a fat band across the arm
  const double dx = elbow.X - shoulder.X, dy = elbow.Y - shoulder.Y;
  Ellipse(cr, cuff.X, cuff.Y, 6.5, 3.4, std::atan2(dy, dx) + M_PI / 2);
  ShadeAndOutline(cr, look.Shirt.Lighter(0.3), o);
  Disc(cr, hand.X, hand.Y, 4.2, look.Skin, o);
}

// Bram from behind, looking at what he is about to mend: the left arm is
// raised in a fist with its sleeve freshly rolled, the right holds a hammer;
// cheering, both fists go up.
void FromBehind(cairo_t* cr, const PersonLook& look, double o, bool cheering) {
  for (int side : {-1, 1}) {
    RoundedRect(cr, side < 0 ? -14 : 2, -42, 12, 40, 4);
    ShadeAndOutline(cr, look.Trousers, o);
    Boot(cr, {side * 8.0 - 3, -2}, side < 0 ? M_PI : 0, o);
  }
  if (cheering) {
    RolledArm(cr, {18, -67}, {31, -55}, {29, -76}, look, o);
  } else {
    // hammer in the right hand, hanging down
    Bar(cr, 27, -40, 33, -14, 1.8, colour::Wood);
    Box(cr, 28.5, -16, 38.5, -10, kIron, o);
    RolledArm(cr, {18, -67}, {25, -51}, {27, -40}, look, o);
  }
  cairo_move_to(cr, -13, -36);
  cairo_line_to(cr, -20, -64);
  cairo_curve_to(cr, -20, -73, -12, -76, 0, -76);
  cairo_curve_to(cr, 12, -76, 20, -73, 20, -64);
  cairo_line_to(cr, 13, -36);
  cairo_close_path(cr);
  ShadeAndOutline(cr, look.Shirt, o);
  // a crease down the back and the belt
  cairo_move_to(cr, 0, -72);
  cairo_curve_to(cr, -2, -60, 2, -50, 0, -40);
  Stroke(cr, look.Shirt.Darker(0.3), o * 0.8);
  Box(cr, -13.5, -41, 13.5, -35, kBoot, o);
  RolledArm(cr, {-18, -67}, {-31, -55}, {-29, -76}, look, o);
  if (!cheering) {
    // two little strokes: the sleeve has only just been rolled
    for (int i = 0; i < 2; ++i) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, -32, -60, 9 + i * 4, M_PI * 0.75, M_PI * 1.15);
    }
    Stroke(cr, colour::White, o * 1.2, 0.9);
  }
  // head from behind: hair, ears, and the cap with its brim turned aside
  Box(cr, -5, -82, 5, -74, look.Skin.Darker(0.08), o);
  for (int side : {-1, 1}) {
    Ellipse(cr, side * 13.2, -87, 2.6, 3.6);
    ShadeAndOutline(cr, look.Skin, o);
  }
  Disc(cr, 0, -88, 13, look.Hair, o);
  cairo_move_to(cr, -14, -90);
  cairo_curve_to(cr, -14, -106, 14, -106, 14, -90);
  cairo_close_path(cr);
  ShadeAndOutline(cr, look.Hat, o);
  RoundedRect(cr, 8, -93, 14, 4, 1.8);
  ShadeAndOutline(cr, look.Hat.Darker(0.15), o);
  Disc(cr, 0, -102.5, 1.8, look.Hat.Darker(0.2), o * 0.7);
}

struct SidePose {
  Pt BackKnee, BackFoot, FrontKnee, FrontFoot;
  Pt BackElbow, BackHand, FrontElbow, FrontHand;
  double Lean;
  double BackFootAngle;
};

SidePose PoseOf(Pose pose) {
  switch (pose) {
    case Pose::Running:
      return {{-10, -24}, {-24, -20}, {14, -27}, {13, -5}, {-4, -78}, {-2, -94}, {22, -57}, {33, -64}, 0.3, -0.6};
    case Pose::Planning:
      return {{-2, -21}, {-3, -3}, {3, -21}, {5, -3}, {4, -54}, {13, -56}, {8, -54}, {17, -58}, 0, 0};
    default:  // walking
      return {{-5, -21}, {-11, -3}, {7, -21}, {12, -3}, {-7, -56}, {-11, -46}, {8, -56}, {16, -54}, 0, 0};
  }
}

void SideHead(cairo_t* cr, double hx, double hy, const PersonLook& look, Pose pose, double o) {
  Disc(cr, hx, hy, 13, look.Skin, o);
  // hair over the back of the head
  cairo_arc(cr, hx, hy, 13, M_PI * 0.55, M_PI * 1.62);
  cairo_curve_to(cr, hx - 2, hy - 8, hx - 4, hy, hx - 4, hy + 9);
  cairo_close_path(cr);
  ShadeAndOutline(cr, look.Hair, o);
  Ellipse(cr, hx - 3.5, hy + 1, 2.6, 3.4);
  ShadeAndOutline(cr, look.Skin, o);
  Ellipse(cr, hx + 6.5, hy - 0.5, 1.5, 2.2);
  SetColor(cr, Hex(0x222222));
  cairo_fill(cr);
  Disc(cr, hx + 13, hy + 2, 2.6, look.Skin, o);
  Ellipse(cr, hx + 4.5, hy + 5, 2.6, 1.6);
  SetColor(cr, colour::Berry, 0.4);
  cairo_fill(cr);
  if (pose == Pose::Running) {
    Ellipse(cr, hx + 8, hy + 7.5, 2.2, 3);
    SetColor(cr, Hex(0x6a2030));
    cairo_fill(cr);
    // worried brow
    cairo_move_to(cr, hx + 3.5, hy - 6.5);
    cairo_line_to(cr, hx + 8.5, hy - 4.5);
    Stroke(cr, look.Hair.Darker(0.3), o);
  } else {
    cairo_arc(cr, hx + 7.5, hy + 4.5, 3.2, M_PI * 0.2, M_PI * 0.85);
    Stroke(cr, Hex(0x6a2a2a), o);
  }
  if (look.WideHat) {
    if (pose == Pose::Running) return;  // blown off: drawn by the scene
    Ellipse(cr, hx, hy - 8, 22, 4.5);
    ShadeAndOutline(cr, look.Hat, o);
    RoundedRect(cr, hx - 10, hy - 20, 20, 13, 5);
    ShadeAndOutline(cr, look.Hat, o);
    return;
  }
  cairo_move_to(cr, hx - 13.5, hy - 4);
  cairo_curve_to(cr, hx - 13.5, hy - 20, hx + 13.5, hy - 20, hx + 13.5, hy - 5);
  cairo_close_path(cr);
  ShadeAndOutline(cr, look.Hat, o);
  RoundedRect(cr, hx + 6, hy - 7.5, 15, 4, 1.8);
  ShadeAndOutline(cr, look.Hat.Darker(0.15), o);
  Disc(cr, hx, hy - 16.5, 1.8, look.Hat.Darker(0.2), o * 0.7);
}

void FromSide(cairo_t* cr, const PersonLook& look, Pose pose, double o) {
  const SidePose s = PoseOf(pose);
  const Pt hip{0, -40};
  auto lean = [&](double x, double y) {  // a point of the upper body, turned about the hip
    const double c = std::cos(s.Lean), sn = std::sin(s.Lean);
    return Pt{hip.X + x * c - y * sn, hip.Y + x * sn + y * c};
  };
  const Pt shoulder = lean(0, -27);
  // far limbs first, a shade darker
  Limb(cr, {shoulder, s.BackElbow, s.BackHand}, 8.5, look.Shirt.Darker(0.2), o);
  Disc(cr, s.BackHand.X, s.BackHand.Y, 4, look.Skin.Darker(0.1), o);
  Limb(cr, {{-1, -40}, s.BackKnee, s.BackFoot}, 11, look.Trousers.Darker(0.15), o);
  Boot(cr, s.BackFoot, s.BackFootAngle, o);
  if (pose == Pose::Walking) {
    // backpack with a rolled blanket on top
    const Pt pack = lean(-15, -18);
    RoundedRect(cr, pack.X - 7, pack.Y - 14, 14, 28, 5);
    ShadeAndOutline(cr, colour::Wood, o);
    Ellipse(cr, pack.X - 1, pack.Y - 16, 9, 4.2);
    ShadeAndOutline(cr, colour::Berry, o);
  }
  Limb(cr, {{1, -40}, s.FrontKnee, s.FrontFoot}, 11, look.Trousers, o);
  Boot(cr, s.FrontFoot, 0, o);
  cairo_save(cr);
  cairo_translate(cr, hip.X, hip.Y);
  cairo_rotate(cr, s.Lean);
  RoundedRect(cr, -11, -34, 22, 37, 9);
  cairo_restore(cr);
  ShadeAndOutline(cr, look.Shirt, o);
  cairo_save(cr);
  cairo_translate(cr, hip.X, hip.Y);
  cairo_rotate(cr, s.Lean);
  cairo_rectangle(cr, -11, -3, 22, 5);
  cairo_restore(cr);
  ShadeAndOutline(cr, kBoot, o);
  if (pose == Pose::Walking) {
    const Pt a = lean(-6, -33), b = lean(6, -14);
    Segment(cr, a.X, a.Y, b.X, b.Y);
    EdgedStroke(cr, colour::Wood, 2.2);
    // walking stick in the front hand
    Bar(cr, s.FrontHand.X + 2, s.FrontHand.Y - 14, s.FrontHand.X + 9, -1, 1.8, colour::Wood.Lighter(0.1));
  }
  const Pt head = lean(3, -46);
  Box(cr, head.X - 4.5, head.Y + 8, head.X + 3.5, head.Y + 17, look.Skin.Darker(0.08), o);
  SideHead(cr, head.X, head.Y, look, pose, o);
  if (pose == Pose::Planning) {
    // the plan: a sheet with little roofs and gardens sketched on it
    cairo_save(cr);
    cairo_translate(cr, 19, -64);
    cairo_rotate(cr, -0.2);
    cairo_rectangle(cr, -8, -11, 16, 20);
    ShadeAndOutline(cr, colour::Cream, o);
    for (int i = 0; i < 2; ++i) {
      cairo_move_to(cr, -5 + i * 7, -1);
      cairo_line_to(cr, -2.5 + i * 7, -5);
      cairo_line_to(cr, 0 + i * 7, -1);
      cairo_rectangle(cr, -4.5 + i * 7, -1, 4, 5);
    }
    Stroke(cr, Hex(0x3a6ab0), o * 0.6);
    for (int i = 0; i < 2; ++i) {
      cairo_arc(cr, -2.5 + i * 7, -7, 1.6, 0, 2 * M_PI);
      SetColor(cr, colour::Leaf);
      cairo_fill(cr);
    }
    cairo_restore(cr);
  }
  Limb(cr, {shoulder, s.FrontElbow, s.FrontHand}, 8.5, look.Shirt, o);
  Disc(cr, s.FrontHand.X, s.FrontHand.Y, 4.2, look.Skin, o);
}

}  // namespace

const PersonLook& BramLook() {
  static const PersonLook bram{Hex(0xffdcc0), Hex(0x6a3a1a), Hex(0x4caf50), Hex(0x7a5a3a), Hex(0x2e7d32), false};
  return bram;
}

void Figure(cairo_t* cr, double x, double foot, double height, const PersonLook& look, Pose pose) {
  const double scale = height / 100;
  const double o = std::max(0.8, 2.0 / scale);
  cairo_save(cr);
  cairo_translate(cr, x, foot);
  cairo_scale(cr, scale, scale);
  if (pose == Pose::FromBehind || pose == Pose::Cheering) FromBehind(cr, look, o, pose == Pose::Cheering);
  else FromSide(cr, look, pose, o);
  cairo_restore(cr);
}

void Wren(cairo_t* cr, double cx, double foot, double size, bool singing) {
  // the bird's box is 120 x 160 with its feet at 95 %
  const double scale = size / 120;
  cairo_save(cr);
  cairo_translate(cr, cx - 60 * scale, foot - 152 * scale);
  cairo_scale(cr, scale, scale);
  DrawWren(cr, singing ? 1 : 0, 120, 160);
  cairo_restore(cr);
  if (!singing) return;
  // notes rising from the beak
  for (int i = 0; i < 3; ++i) {
    const double nx = cx + size * (0.55 + i * 0.32), ny = foot - size * (1.0 + i * 0.3);
    const double r = size * 0.07;
    Ellipse(cr, nx, ny, r * 1.3, r, -0.4);
    SetColor(cr, colour::Ink);
    cairo_fill(cr);
    Segment(cr, nx + r * 1.1, ny - r * 0.3, nx + r * 1.1, ny - r * 4.5);
    if (i % 2) Segment(cr, nx + r * 1.1, ny - r * 4.5, nx + r * 3, ny - r * 3.6);
    Stroke(cr, colour::Ink, std::max(1.5, r * 0.45));
  }
}

void Guardian(cairo_t* cr, int kind, double cx, double foot, double scale, bool calm, bool front, double phase,
              bool shouting) {
  cairo_save(cr);
  cairo_translate(cr, cx - 80 * scale, foot - 137 * scale);
  cairo_scale(cr, scale, scale);
  DrawGuardian(cr, kind, phase, front, calm ? GuardianMood::Calm : GuardianMood::Cross, shouting);
  cairo_restore(cr);
}

}  // namespace contentgen::story
