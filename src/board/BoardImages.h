#pragma once

namespace qm {

class TOmegaImageList;

// The few ways the board and its effects draw: one pattern of a named image,
// plain or with scale, alpha, tint and blend mode around the pattern's
// middle. A missing list or name draws nothing.
struct TImageDraw {
  float Scale = 1.0f;
  float Angle = 0.0f;
  int Red = 255;
  int Green = 255;
  int Blue = 255;
  int Alpha = 255;
  int BlendMode = 0;
};

void DrawImage(TOmegaImageList* list, const char* name, float x, float y, int pattern);
void DrawImageEx(TOmegaImageList* list, const char* name, float x, float y, int pattern, const TImageDraw& how);

}  // namespace qm
