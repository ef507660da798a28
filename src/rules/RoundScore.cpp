#include "rules/RoundScore.h"

namespace qm {

void TRoundScore::AddTotal(int points) {
  if (points <= 0) return;
  // The results show what the round added to the total, every source alike.
  FLevelScore += points;
  if (OnTotalScoreAdd) OnTotalScoreAdd(*this, points);
}

void TRoundScore::GroupCleared(const TSimpleObjectArray& mask, bool triggeredByBlaster) {
  const int tiles = mask.Count();
  if (tiles == 0) return;
  AddTotal(PointsPerClearedTile * tiles);
  // What the blaster clears is its own doing, not the player's matching.
  if (triggeredByBlaster) return;
  if (OnSpiderPiecesCount) OnSpiderPiecesCount(*this, tiles);
  if (OnMannaUnitsAdd) OnMannaUnitsAdd(*this, tiles);
}

void TRoundScore::GoldTileRemoved() { AddTotal(PointsPerGoldTile); }

void TRoundScore::FlowerDelivered() { AddTotal(PointsPerDeliveredFlower); }

void TRoundScore::ComboArrived(int matchX) {
  const int units = ComboMannaUnits(matchX);
  if (units == 0) return;
  if (OnMannaUnitsAdd) OnMannaUnitsAdd(*this, units);
  AddTotal(PointsPerMannaUnit * units);
  if (OnEnergyBonusRequest) OnEnergyBonusRequest(*this, EnergyBonusLook(matchX));
}

int TRoundScore::ComboMannaUnits(int matchX) {
  switch (matchX) {
    case 4: return 2;
    case 5: return 5;
    case 6: return 12;
    case 7: return 14;
    default: return 0;
  }
}

int TRoundScore::EnergyBonusLook(int matchX) {
  if (matchX <= 4) return 0;
  return matchX >= 7 ? 2 : 1;
}

}  // namespace qm
