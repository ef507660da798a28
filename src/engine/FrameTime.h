#pragma once

namespace qm {

// Milliseconds one frame tick stands for. Game time advances by this much
// per tick, whatever the wall clock says, so a slow machine plays slower
// instead of skipping.
constexpr int FrameMs = 30;

}  // namespace qm
