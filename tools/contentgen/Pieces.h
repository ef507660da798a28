#pragma once

#include "Canvas.h"

namespace contentgen {

// Board pieces by pattern of "Elements": 0..11 fruits, 12..15 flowers,
// 16..17 potions, 18 spider, 19..20 gold tiles, 21 rainbow star, 22 the
// glowing orb every special piece code falls back to.
inline constexpr int kPieceCount = 23;
inline constexpr int kSpiderPiece = 18;
inline constexpr int kGoldTilePiece = 19;

// Draws a piece centred at (cx, cy) fitting a square of the given size.
void DrawPiece(cairo_t* cr, int piece, double cx, double cy, double size);

// Tool icons shared by the tool panel, tutorials and shop.
enum class ToolIcon { Hammer, Bomb, Collector, HorzLightning, VertLightning, BigBomb, Broom, MagicKey, Aerosol };
void DrawToolIcon(cairo_t* cr, ToolIcon tool, double cx, double cy, double size);

}  // namespace contentgen
