#pragma once

#include <vector>

#include "platform/ScreenDevice.h"

namespace qm {

// Cuts a convex polygon to a rectangle, interpolating texture coordinates
// and colours along the cut edges. The software rasteriser mishandles
// triangles that reach far outside the frame (a cover scaled 34 times does),
// so such quads are cut to the frame first.
std::vector<TScreenVertex> ClipPolygon(const std::vector<TScreenVertex>& polygon, float left, float top, float right,
                                       float bottom);

}  // namespace qm
