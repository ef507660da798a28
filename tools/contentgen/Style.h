#pragma once

// The shared look of the pack: colours, island palettes, the frame every
// window and button uses, lettering and landscapes.
#include <cstdint>
#include <string_view>

#include "Canvas.h"

namespace contentgen {

namespace colour {
inline constexpr Rgb Leaf = Hex(0x4caf50);
inline constexpr Rgb LeafDark = Hex(0x2e7d32);
inline constexpr Rgb Cream = Hex(0xfff6dc);
inline constexpr Rgb Parchment = Hex(0xf6e3b4);
// Faces that carry the game's white lettering.
inline constexpr Rgb Grove = Hex(0x2f6652);
inline constexpr Rgb Walnut = Hex(0x6a4630);
inline constexpr Rgb Gold = Hex(0xf4c430);
inline constexpr Rgb Berry = Hex(0xe2415e);
inline constexpr Rgb Wood = Hex(0x9a6235);
inline constexpr Rgb Ink = Hex(0x4a2c17);
inline constexpr Rgb Sky = Hex(0x8fd3ff);
inline constexpr Rgb White = Hex(0xffffff);
}  // namespace colour

struct IslandPalette {
  Rgb SkyTop, SkyLow, HillFar, Hill, Accent, Water;
};
// Islands 1..5: meadow, orchard, lagoon, lavender, sunset.
const IslandPalette& Island(int island);

// An ellipse path (turned by angle radians) as a new sub-path.
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0);

enum class ButtonKind { Positive, Negative, Neutral };

// Windows: a deep green card with a leafy rim and a gold inner line; the
// game writes on them in white.
void DrawWindowFrame(cairo_t* cr, double x, double y, double w, double h, double radius = 22);
// Smaller boards and panels in the same family: wooden rim, walnut face.
void DrawPanel(cairo_t* cr, double x, double y, double w, double h, double radius = 14,
               const Rgb& face = colour::Walnut);
void DrawButton(cairo_t* cr, double x, double y, double w, double h, std::string_view label, ButtonKind kind,
                bool disabled);
// Fills a canvas whose patterns are the digits 0..9 (or blurred rolling
// frames when blur is set).
void DrawDigitStrip(Canvas& canvas, int columns, const Rgb& fill, bool blur);
void DrawLeaf(cairo_t* cr, double x, double y, double length, double angle, const Rgb& c);
// Sky, sun, rolling hills and round trees in the island's colours.
void DrawLandscape(cairo_t* cr, double w, double h, const IslandPalette& p, std::uint32_t seed,
                   double horizon = 0.55);
void DrawCloud(cairo_t* cr, double cx, double cy, double size, double alpha = 0.95);

}  // namespace contentgen
