#include "platform/Letterbox.h"

#include <algorithm>
#include <cmath>

namespace qm {

TLetterbox TLetterbox::Fit(int windowWidth, int windowHeight, int bufferWidth, int bufferHeight) {
  if (windowWidth <= 0 || windowHeight <= 0 || bufferWidth <= 0 || bufferHeight <= 0) return {};
  double scale = std::min(double(windowWidth) / bufferWidth, double(windowHeight) / bufferHeight);
  TLetterbox box;
  box.Width = std::max(1, int(std::lround(bufferWidth * scale)));
  box.Height = std::max(1, int(std::lround(bufferHeight * scale)));
  box.Left = (windowWidth - box.Width) / 2;
  box.Top = (windowHeight - box.Height) / 2;
  return box;
}

void TLetterbox::ToBuffer(int windowX, int windowY, int bufferWidth, int bufferHeight, int& x, int& y) const {
  if (Width <= 0 || Height <= 0) {
    x = windowX;
    y = windowY;
    return;
  }
  // Window pixels are sampled at their centres.
  x = int(std::floor((windowX - Left + 0.5) * bufferWidth / Width));
  y = int(std::floor((windowY - Top + 0.5) * bufferHeight / Height));
}

}  // namespace qm
