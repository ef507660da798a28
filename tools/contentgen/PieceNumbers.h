#pragma once

namespace contentgen {

// Board pieces by pattern of "Elements": 0..11 fruits, 12..15 flowers,
// 16..17 potions, 18 spider, 19..20 gold tiles, 21 rainbow star, 22 the
// glowing orb every special piece code falls back to.
inline constexpr int kPieceCount = 23;
inline constexpr int kSpiderPiece = 18;
inline constexpr int kGoldTilePiece = 19;
inline constexpr int kRoundPotionPiece = 16;
inline constexpr int kRainbowStarPiece = 21;

// Tool icons shared by the tool panel, tutorials and shop.
enum class ToolIcon { Hammer, Bomb, Collector, HorzLightning, VertLightning, BigBomb, Broom, MagicKey, Aerosol };

}  // namespace contentgen
