#pragma once

#include "enemies/CountedTool.h"

namespace qm {

// Sweeps a web off a tile, one use of its stock per sweep.
class TBroom : public TCountedTool {
 public:
  static constexpr int SweepTicks = 12;

  TBroom();

  int DustAdjX = -8;
  int DustAdjY = -5;
  int DustAlpha = 150;

  std::function<void(TPoint broomedTilePos)> OnTileBroomingFinished;
  std::function<void(int& websLeft)> OnWebsLeftQuestion;
  std::function<void(TPoint tilePos, bool& broomable, bool& isBlankTile)> OnObjectBroomableAsk;
  std::function<void(TPoint tilePos, bool broomable)> OnTilePosChange;

 protected:
  void UseAt(TPoint tile, int x, int y) override;
  void AskTile(TPoint tile, bool& applies, bool& blank) override;
  void ReportTilePos(TPoint tile, bool applies) override;
  void UpdateWork() override;
  void DrawWork() override;

 private:
  TPoint FSweptTile;
  int FSweepTick = 0;
};

}  // namespace qm
