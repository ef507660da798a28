#include "board/BoardImages.h"

#include "engine/OmegaImageList.h"

namespace qm {

void BoardDraw(TOmegaImageList* list, const char* name, float x, float y, int pattern) {
  if (list != nullptr) DrawImage(*list, name, x, y, pattern);
}

void BoardDrawEx(TOmegaImageList* list, const char* name, float x, float y, int pattern, const TImageDraw& how) {
  if (list == nullptr) return;
  DrawImageEx(*list, name, x, y, how.Angle, 0.5f, 0.5f, how.Scale, how.Scale, how.Red, how.Green, how.Blue, how.Alpha,
              pattern, how.BlendMode);
}

}  // namespace qm
