#pragma once

namespace qm {

// Where a picture of the back buffer's size lands in a window of another
// size: scaled to fit with its aspect kept, centred, black bars around it.
struct TLetterbox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  static TLetterbox Fit(int windowWidth, int windowHeight, int bufferWidth, int bufferHeight);
  // A window pixel mapped back to back-buffer pixels.
  void ToBuffer(int windowX, int windowY, int bufferWidth, int bufferHeight, int& x, int& y) const;
};

}  // namespace qm
