#pragma once

namespace qm {

// The patterns every tool picture has, and how an unavailable tool shows.
namespace toolframe {
inline constexpr int Idle = 0;
inline constexpr int Highlight = 1;
inline constexpr int Carried = 2;
inline constexpr int Disabled = 3;
// The blaster's picture has one more: its glow while carried.
inline constexpr int BlasterOverlay = 4;
inline constexpr int UnavailableAlpha = 100;
}  // namespace toolframe

}  // namespace qm
