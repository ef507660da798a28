#pragma once

// Words drawn into pictures. A painter that asks for words makes its picture
// a lettered one, drawn once more in every language into that language's own
// folder; a label that would have to shrink out of legibility to fit its
// picture stops the build.

#include <cairo.h>

#include <string>
#include <string_view>

#include "Canvas.h"
#include "Wording.h"

namespace contentgen {

// The language pictures are drawn in from now on; English is the default.
void SetLetteringWording(const TWording& wording);

// The English text in the current wording. Text with a letter in it makes the
// picture being drawn a lettered one.
std::string Words(std::string_view english);

// Whether the picture drawn since the last call asked for words.
bool TakeLettered();

// The label drawn as OutlinedText does, shrunk to maxWidth (0: the space
// between cx and the nearer side of the clip, twice over). Throws when it
// would have to shrink below seven tenths of its size.
void DrawLabel(cairo_t* cr, std::string_view english, double cx, double cy, double size, const Rgb& fill,
               const Rgb& outline, double outlineWidth, double maxWidth = 0);

}  // namespace contentgen
