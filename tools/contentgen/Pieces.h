#pragma once

#include "Canvas.h"
#include "PieceNumbers.h"
#include "TutorialSubjects.h"

namespace contentgen {


// Draws a piece centred at (cx, cy) fitting a square of the given size.
void DrawPiece(cairo_t* cr, int piece, double cx, double cy, double size);

void DrawToolIcon(cairo_t* cr, ToolIcon tool, double cx, double cy, double size);

void DrawTutorialSubject(cairo_t* cr, TutorialSubject subject, double cx, double cy, double size);

}  // namespace contentgen
