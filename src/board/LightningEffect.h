#pragma once

#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// The lightning tool's bolt: it grows along a row or column from the line's
// first occupied tile to its last, reports when it spans the whole line (the
// board clears the line then), flickers a moment and fades.
class TLightningEffect {
 public:
  static constexpr int kFullFrame = 6;
  static constexpr int kFrames = 16;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  std::function<void(TPoint tilePos, TLightningType type)> OnFullEffect;

  // first and last are the columns (horizontal) or rows (vertical) the bolt
  // runs between; 0 when the line holds nothing, and then only the tile is
  // struck.
  void Start(TPoint tilePos, TLightningType type, int first, int last);
  void Reset() { FRunning = false; }
  void TickAndDraw();
  bool IsRunning() const { return FRunning; }

 private:
  void Draw() const;

  bool FRunning = false;
  TPoint FTile;
  TLightningType FType = ltHorizontal;
  int FFirst = 0;
  int FLast = 0;
  int FFrame = 0;
};

}  // namespace qm
