#pragma once

// The scenery and cast the story strips are put together from. Scenes are
// drawn on a 1366 x 768 stage (see StoryPictures.cpp); sizes are in stage
// pixels.
#include <cstdint>
#include <functional>
#include <initializer_list>

#include "Canvas.h"
#include "Style.h"

namespace contentgen::story {

inline constexpr double kStageW = 1366, kStageH = 768;

// Fills a path of overlapping shapes as one, outlined round the outside only.
void Blob(cairo_t* cr, const Rgb& c, double outline);

// ---- sky and weather --------------------------------------------------------

// A sky down to the horizon through three colours (top, middle, horizon).
void Sky(cairo_t* cr, double horizon, const Rgb& top, const Rgb& middle, const Rgb& low);
void Stars(cairo_t* cr, std::uint32_t seed, int count, double bottom, double alpha = 0.9);
void Moon(cairo_t* cr, double cx, double cy, double r);
void Sun(cairo_t* cr, double cx, double cy, double r, const Rgb& glow);
// A heavy cloud in the given colour, lit from above.
void StormCloud(cairo_t* cr, double cx, double cy, double size, const Rgb& c, double alpha = 1.0);
// Slanting rain over the rectangle, blown towards the right.
void Rain(cairo_t* cr, std::uint32_t seed, int drops, double x0, double y0, double x1, double y1);
// A curling streak of wind, blowing right, starting at (x, y).
void WindStreak(cairo_t* cr, double x, double y, double len, double curl);
void LightningBolt(cairo_t* cr, double x0, double y0, double x1, double y1, std::uint32_t seed);
// Little flying birds: a curved "v".
void Bird(cairo_t* cr, double cx, double cy, double span, double flap);

// ---- land and water ----------------------------------------------------------

// Water from top to the bottom of the stage, with rows of little waves;
// rough water gets big white-capped waves.
void Sea(cairo_t* cr, double top, const Rgb& far, const Rgb& near, std::uint32_t seed, bool rough);
// A hill band: from the left edge at y0 over the given bumps to the right
// edge at y1, filled down to the bottom of the stage.
void HillBand(cairo_t* cr, double y0, double y1, double bump, int bumps, const Rgb& c, std::uint32_t seed);
// The town's hill: from the bottom at footX through two curves (their
// control points and ends, six numbers each) to the right edge at rightY,
// shaded from top to bottom and outlined.
void TownHill(cairo_t* cr, double footX, const double (&first)[6], const double (&second)[6], double rightY,
              const Rgb& top, const Rgb& bottom, const Rgb& outline);
// A tree bent by the wind towards the right; bend 0 stands straight.
void WindTree(cairo_t* cr, double x, double foot, double size, double bend, const Rgb& leaf);
void Bush(cairo_t* cr, double cx, double foot, double size, const Rgb& leaf, int flower = -1);
void Plank(cairo_t* cr, double cx, double cy, double len, double angle);
void Nail(cairo_t* cr, double x, double y, double len, double angle);

// ---- the town ----------------------------------------------------------------

enum class RoofState {
  Whole,
  Gone,    // blown off: broken rafters over a ragged wall top
  Flying,  // lifted off and tumbling away to the right
  Garden,  // a flat roof with a garden on it
};

struct HouseLook {
  Rgb Wall, Roof;
  bool Lit = false;  // warm light in the windows
};

// A cottage w wide standing on (x .. x + w, foot), h high to its ridge.
void StoryHouse(cairo_t* cr, double x, double foot, double w, double h, const HouseLook& look, RoofState roof,
                std::uint32_t seed = 1);
// Only the glowing windows of a lit StoryHouse of the same size, to light
// it up again after a dusk or night tint.
void LitWindows(cairo_t* cr, double x, double foot, double w, double h);
// A cord of glowing lanterns from (x0, y0) to (x1, y1), sagging by sag.
void LanternString(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int lanterns,
                   int firstColour = 0);
// A slim mast the zeppelin moors to, standing on (x, foot).
void MooringTower(cairo_t* cr, double x, double foot, double h);
// A wicker basket w wide on (cx, foot), heaped with the given pieces.
void Basket(cairo_t* cr, double cx, double foot, double w, std::initializer_list<int> pieces);
// A wooden crate w wide on (cx, foot) with the pieces standing in it.
void Crate(cairo_t* cr, double cx, double foot, double w, std::initializer_list<int> pieces);

// ---- the cast ----------------------------------------------------------------

enum class Pose {
  FromBehind,  // seen from behind, one sleeve rolled up, fist raised, hammer in hand
  Cheering,    // seen from behind, both fists up
  Walking,     // side view to the right, stick and backpack
  Running,     // side view to the right, arms up in a fright
  Planning,    // side view to the right, holding a plan open
};

struct PersonLook {
  Rgb Skin, Hair, Shirt, Trousers, Hat;
  bool WideHat = false;  // a straw hat rather than a cap
};
const PersonLook& BramLook();

// A whole person standing on (x, foot), about height tall.
void Figure(cairo_t* cr, double x, double foot, double height, const PersonLook& look, Pose pose);
// Wren, the small brown bird with the red cap, standing on (cx, foot) facing
// right; singing opens the beak and sends up notes.
void Wren(cairo_t* cr, double cx, double foot, double size, bool singing);
// A guardian standing on (cx, foot), scale times its 160 x 140 drawing.
void Guardian(cairo_t* cr, int kind, double cx, double foot, double scale, bool calm, bool front, double phase = 0,
              bool shouting = false);

// Draws through a colour cast: everything drawn by draw is tinted towards c
// by alpha (dusk and night light).
void Tinted(cairo_t* cr, const Rgb& c, double alpha, const std::function<void()>& draw);

// ---- the ending's scenes (StoryEnding.cpp) ----------------------------------------

void Lanterns(cairo_t* cr);
void Homecoming(cairo_t* cr);
void Festival(cairo_t* cr);

}  // namespace contentgen::story
