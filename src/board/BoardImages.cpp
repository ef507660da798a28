#include "board/BoardImages.h"

namespace qm {

// The image list lands separately; until it does these draw nothing, and
// every caller is already written against them.
void DrawImage(TOmegaImageList*, const char*, float, float, int) {}

void DrawImageEx(TOmegaImageList*, const char*, float, float, int, const TImageDraw&) {}

}  // namespace qm
