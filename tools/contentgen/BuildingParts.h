#pragma once

// The kit the town's buildings are put together from: walls, roofs, doors
// and windows in the pack's outlined look, and the props that tell one
// building from another.
#include "Canvas.h"
#include "Style.h"

namespace contentgen::town {

inline constexpr Rgb kPlaster = Hex(0xfff0d0);
inline constexpr Rgb kStone = Hex(0xe0d4bc);
inline constexpr Rgb kRock = Hex(0xa89a88);
inline constexpr Rgb kBrick = Hex(0xc0704e);
inline constexpr Rgb kGlass = Hex(0x8fd8ff);
inline constexpr Rgb kIron = Hex(0x8a94a6);
inline constexpr Rgb kShadow = Hex(0x3a2a3a);
inline constexpr Rgb kLamp = Hex(0xfff3a0);
inline constexpr Rgb kFire = Hex(0xff7a2a);

// Roofs take the island's accent, warmed so that even the pale accents read
// as tiles.
Rgb RoofOf(const IslandPalette& p);

// ---- paths and lines ------------------------------------------------------

void Stroke(cairo_t* cr, const Rgb& c, double width, double alpha = 1.0);
void Segment(cairo_t* cr, double x0, double y0, double x1, double y1);
// Strokes the current path as a light line with a dark edge, so thin parts
// keep the outlined look.
void EdgedStroke(cairo_t* cr, const Rgb& c, double width);
void Triangle(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2);
// Part of the ellipse around (cx, cy), from angle a0 to a1 (increasing).
void EllipseArc(cairo_t* cr, double cx, double cy, double rx, double ry, double a0, double a1);
// An arch-topped outline: a door, a gate or a forge mouth.
void ArchPath(cairo_t* cr, double x, double y, double w, double h);

// ---- walls, roofs, openings -----------------------------------------------

// A beam, pole or girder from (x0, y0) to (x1, y1), edged.
void Bar(cairo_t* cr, double x0, double y0, double x1, double y1, double width, const Rgb& c);
void Box(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgb& c, double outline = 2.5);
void Gable(cairo_t* cr, double x0, double x1, double eave, double apex, const Rgb& c);
void Window(cairo_t* cr, double x, double y, double w, double h);
void RoundWindow(cairo_t* cr, double cx, double cy, double r);
void Door(cairo_t* cr, double x, double y, double w, double h);
// A pole standing on (x, foot) with a flag waving to the right at its top.
void Flag(cairo_t* cr, double x, double foot, double top, double size, const Rgb& c);
// Square merlons along a wall top.
void Battlements(cairo_t* cr, double x0, double x1, double top, double size, const Rgb& c);
// A still pool filling the bottom of a w x h box from top down, for things
// that stand in water.
void Water(cairo_t* cr, double w, double h, double top, const IslandPalette& p);

// ---- props ----------------------------------------------------------------

// A bright clock face: the clock towers' whole point, so it glows.
void ClockFace(cairo_t* cr, double cx, double cy, double r);
void Bubble(cairo_t* cr, double cx, double cy, double r, const Rgb& c);
void Fish(cairo_t* cr, double cx, double cy, double len, const Rgb& c);
void Rose(cairo_t* cr, double cx, double cy, double r);
void Bee(cairo_t* cr, double cx, double cy, double s);
// A round crown with a few fruit in it, on a trunk whose foot is at (cx, foot).
void FruitTree(cairo_t* cr, double cx, double foot, double size, int fruit);
// A market stall in the box (x, y, sw, sh): a scalloped striped awning on two
// posts over a counter of fruit, pieces firstFruit and the next two.
void Stall(cairo_t* cr, double x, double y, double sw, double sh, const Rgb& stripe, int firstFruit);
// A basin fountain rx wide, from its jet at top to its foot at bottom.
void Fountain(cairo_t* cr, double cx, double top, double bottom, double rx, const IslandPalette& p);
// One windmill sail from the hub (cx, cy), turned by angle: the spar, and
// the lattice to one side of it.
void Sail(cairo_t* cr, double cx, double cy, double angle, double len);
// An anvil u wide standing on (cx, foot), with a glowing bar of gold on it.
void Anvil(cairo_t* cr, double cx, double foot, double u);
// A round-bottomed glass flask, bulb at (cx, cy) and neck up, partly filled.
void Flask(cairo_t* cr, double cx, double cy, double r, const Rgb& liquid);

}  // namespace contentgen::town
