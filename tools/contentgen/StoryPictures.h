#pragma once

// The story strips shown under the opening and ending narration, and the two
// drawings they share with the map and the town.
#include <cstdint>

#include "Canvas.h"
#include "Style.h"

namespace contentgen {

// One scene per narration line: the five opening strips, then the three of
// the ending.
enum class StoryScene {
  Islands,     // the five isles in the warm sea
  Gale,        // the stormy night: roofs flying, the zeppelin drifting off
  Guardians,   // cross guardians chasing a visitor out of an orchard
  Gardener,    // Bram rolling up his sleeves before the broken town
  SettingOff,  // Bram and Wren on the path to Blossom Bay
  Lanterns,    // the rebuilt harbour at dusk, calm guardians, lanterns
  Homecoming,  // the zeppelin sailing home over roof gardens
  Festival,    // fireworks over the town
};

// Draws the scene filling a w x h picture. The scenes are composed for the
// full screen and keep what matters in the middle band, so the shorter
// strips show the same picture with less sky and foreground.
void DrawStoryPicture(cairo_t* cr, double w, double h, StoryScene scene);

// The town's old zeppelin, centred on (cx, cy) and len long; carrying a
// basket of fruit instead of its gondola when laden.
void DrawZeppelin(cairo_t* cr, double cx, double cy, double len, bool laden = false);

// An island seen from above, filling a w x h box: beach, grass and trees.
void DrawIslandShape(cairo_t* cr, double w, double h, const IslandPalette& p, std::uint32_t seed);

}  // namespace contentgen
