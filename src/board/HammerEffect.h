#pragma once

#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// The hammer piece's (or the hammer tool's) blow: the hammer swings down
// onto its tile, hits, and lifts away.
class THammerEffect {
 public:
  static constexpr int kHitFrame = 8;
  static constexpr int kFrames = 16;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  std::function<void(TPoint hitTilePos)> OnHit;

  void Start(TPoint tilePos);
  void Reset() { FRunning = false; }
  void TickAndDraw();
  bool IsRunning() const { return FRunning; }
  TPoint Target() const { return FTile; }

 private:
  bool FRunning = false;
  TPoint FTile;
  int FFrame = 0;
};

// The pieces a hammer piece struck: they flash and shrink away, then the
// board empties their cells.
class THammeredObjectsEffect {
 public:
  static constexpr int kFrames = 15;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  std::function<void()> OnFinish;

  // The struck cells: the hammer's own and the mask of its neighbours.
  void Start(TPoint centre, const TBoardData& board, const TSimpleObjectArray& hammered);
  void Reset() { FRunning = false; }
  void TickAndDraw();
  bool IsRunning() const { return FRunning; }

 private:
  bool FRunning = false;
  TBoardData FBoard{};
  TSimpleObjectArray FCells;
  int FFrame = 0;
};

}  // namespace qm
