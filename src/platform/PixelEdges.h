#pragma once

#include "platform/ScreenDevice.h"

namespace qm {

// Quads arrive as the image list builds them, for a device whose pixel
// centres lie on whole coordinates: half a pixel wider at the top and left
// than the picture. Devices whose pixel centres lie at +0.5 take each
// textured quad back to the picture's own edges: a W x H picture drawn at
// (x, y) unscaled then covers exactly columns x..x+W-1 and rows y..y+H-1.
// textureWidth and textureHeight are the sizes its coordinates count in.
void ToPixelEdges(const TScreenVertex (&vertices)[4], int textureWidth, int textureHeight, TScreenVertex (&exact)[4]);

// Frame units to output pixels, for a device drawing scale pixels to a unit.
void ScaleToOutput(TScreenVertex (&vertices)[4], float scale);

}  // namespace qm
