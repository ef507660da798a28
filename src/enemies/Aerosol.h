#pragma once

#include "enemies/CountedTool.h"

namespace qm {

// Screen pixels, edges included.
struct TSprayRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TSprayRect&, const TSprayRect&) = default;
};

// Sprays a growing square that knocks spiders and worms off and hurts a
// boss; one use of its stock per spray, anywhere on the board.
class TAerosol : public TCountedTool {
 public:
  static constexpr int ShakeTicks = 10;
  static constexpr int SprayGrowth = 10;
  static constexpr int SprayOutTicks = 10;

  TAerosol();

  int OrigSprayWidth = 171;
  int OrigSprayHeight = 158;
  int MaxSpraySize = 200;
  // Past this size the cloud starts to thin out.
  int VanishingSpraySize = 100;
  int SprayOutAnimSeqPos = 6;
  int SprayRangeReduce = 15;

  std::function<void(const TSprayRect& sprayRect)> OnSpraySizeChange;
  std::function<void(bool& enemiesExist)> OnEnemiesExistQuestion;

  int SpraySize() const { return FSpraySize; }

 protected:
  void UseAt(TPoint tile, int x, int y) override;
  void AskTile(TPoint tile, bool& applies, bool& blank) override;
  void ReportTilePos(TPoint, bool) override {}
  void UpdateWork() override;
  void DrawWork() override;

 private:
  void ReportSpray();
  int SprayAlpha() const;

  int FTick = 0;
  int FSpraySize = 0;
  int FCentreX = 0;
  int FCentreY = 0;
};

}  // namespace qm
