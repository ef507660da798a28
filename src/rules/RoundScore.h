#pragma once

#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

// What the player earns during a round. The running total lives in the
// shell's total-score counter, so every gain is handed out through
// OnTotalScoreAdd; the round's own share (the results' level score: every
// point the round added to the total) is kept here. Cleared pieces also feed the manna meter and the spiders' wave
// counter, and a combo landing on the meter pays manna and points.
class TRoundScore {
 public:
  static constexpr int PointsPerClearedTile = 3;
  static constexpr int PointsPerGoldTile = 25;
  static constexpr int PointsPerDeliveredFlower = 60;
  static constexpr int PointsPerMannaUnit = 3;

  using TAmountEvent = std::function<void(TRoundScore& sender, int amount)>;

  TAmountEvent OnTotalScoreAdd;
  // Units the manna meter takes one at a time.
  TAmountEvent OnMannaUnitsAdd;
  // Pieces that count toward the spiders' next wave.
  TAmountEvent OnSpiderPiecesCount;
  // The energy bonus to pop up, look 0 to 2.
  TAmountEvent OnEnergyBonusRequest;

  // Round preparation.
  void Clear() { FLevelScore = 0; }
  int LevelScore() const { return FLevelScore; }

  // The clearing animation of a group has finished.
  void GroupCleared(const TSimpleObjectArray& mask, bool triggeredByBlaster);
  void GoldTileRemoved();
  // A found flower or a cleared potion has reached its place.
  void FlowerDelivered();
  // A combo badge has landed on the manna meter; only 4 to 7 pay.
  void ComboArrived(int matchX);

  // Manna units a combo of matchX pays; 0 outside 4 to 7.
  static int ComboMannaUnits(int matchX);
  // The look of the energy bonus a combo shows.
  static int EnergyBonusLook(int matchX);

 private:
  void AddTotal(int points);

  int FLevelScore = 0;
};

}  // namespace qm
