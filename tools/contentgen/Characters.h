#pragma once

// The island guardians and Wren, for pictures outside their own folders.
#include "Canvas.h"

namespace contentgen {

enum class GuardianMood { Cross, Calm };

// Guardian kinds 0..4 (owl, squirrel, bee, bat, cat) in a 160 x 140 box,
// standing on its bottom edge. phase moves legs and wings; side views face
// right. Cross guardians frown with red eyes, calm ones smile.
void DrawGuardian(cairo_t* cr, int kind, double phase, bool front, GuardianMood mood, bool mouthOpen);

// Wren, the guide bird, facing right in a w x h box (120 x 160 in the
// interface) standing on its bottom edge: pose 0 idle, 1 talking, 2
// pointing, 3 cheering.
void DrawWren(cairo_t* cr, int pose, double w, double h);

}  // namespace contentgen
