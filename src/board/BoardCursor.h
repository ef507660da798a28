#pragma once

#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// The keyboard's place on the board: a tile it moves from and to, outlined
// while the keyboard plays. Which tiles it may rest on is asked of the
// shell, which knows the round's board.
class TBoardCursor {
 public:
  using TUsable = std::function<bool(TPoint tile)>;

  TOmegaImageList* OmgImgList = nullptr;
  // The last input came from the keyboard: only then is the cursor drawn.
  bool Shown = false;

  TPoint Tile() const { return FTile; }
  // Stays on a usable tile; otherwise goes to the usable one nearest the
  // board's middle (nowhere when there is none).
  void Settle(const TUsable& usable);
  // One usable tile that way, passing over holes; false at the edge.
  bool Move(int dx, int dy, const TUsable& usable);
  // The outline around the tile whose top-left corner is at the pixel.
  void Draw(TPoint tilePixel) const;

 private:
  TPoint FTile{};
};

}  // namespace qm
