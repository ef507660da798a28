#include "platform/PixelEdges.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace qm {

void ToPixelEdges(const TScreenVertex (&v)[4], int textureWidth, int textureHeight, TScreenVertex (&exact)[4]) {
  std::copy(std::begin(v), std::end(v), std::begin(exact));
  // Pixels of the picture along the quad's top edge and down its left edge.
  const float across = std::fabs(v[1].U - v[0].U) * float(textureWidth);
  const float down = std::fabs(v[3].V - v[0].V) * float(textureHeight);
  if (across <= 0 || down <= 0) return;
  // The top and left edges lie half a picture pixel (scaled and turned as
  // the quad is) outside the picture: move them in by as much.
  const float alongX = (v[1].X - v[0].X) * 0.5f / (across + 0.5f), alongY = (v[1].Y - v[0].Y) * 0.5f / (across + 0.5f);
  const float downX = (v[3].X - v[0].X) * 0.5f / (down + 0.5f), downY = (v[3].Y - v[0].Y) * 0.5f / (down + 0.5f);
  exact[0].X += alongX + downX;
  exact[0].Y += alongY + downY;
  exact[1].X += downX;
  exact[1].Y += downY;
  exact[3].X += alongX;
  exact[3].Y += alongY;
}

void ScaleToOutput(TScreenVertex (&vertices)[4], float scale) {
  if (scale == 1) return;
  for (TScreenVertex& v : vertices) {
    v.X *= scale;
    v.Y *= scale;
  }
}

}  // namespace qm
