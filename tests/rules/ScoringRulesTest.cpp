#include "rules/RoundScore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm {
namespace {

// A round's scoring with every outgoing report written down.
class ScoringRules : public testing::Test {
 protected:
  ScoringRules() {
    score.OnTotalScoreAdd = [this](TRoundScore&, int points) { total += points; };
    score.OnMannaUnitsAdd = [this](TRoundScore&, int units) { manna += units; };
    score.OnSpiderPiecesCount = [this](TRoundScore&, int pieces) { spiderPieces += pieces; };
    score.OnEnergyBonusRequest = [this](TRoundScore&, int look) { bonusLooks.push_back(look); };
  }

  static TSimpleObjectArray Tiles(int count) {
    TSimpleObjectArray mask;
    for (int i = 0; i < count; ++i) mask.At(1 + i, 3) = 1;
    return mask;
  }

  TRoundScore score;
  int total = 0;
  int manna = 0;
  int spiderPieces = 0;
  std::vector<int> bonusLooks;
};

TEST_F(ScoringRules, EachClearedTileIsThreePointsForTheTotalAndTheRound) {
  score.GroupCleared(Tiles(3), false);
  score.GroupCleared(Tiles(5), false);
  EXPECT_EQ(total, 24);
  EXPECT_EQ(score.LevelScore(), 24);
}

TEST_F(ScoringRules, EachClearedTileFeedsTheMannaMeterAndTheSpiders) {
  score.GroupCleared(Tiles(4), false);
  EXPECT_EQ(manna, 4);
  EXPECT_EQ(spiderPieces, 4);
}

TEST_F(ScoringRules, ABlasterClearingScoresButFeedsNeitherMannaNorSpiders) {
  score.GroupCleared(Tiles(6), true);
  EXPECT_EQ(total, 18);
  EXPECT_EQ(score.LevelScore(), 18);
  EXPECT_EQ(manna, 0);
  EXPECT_EQ(spiderPieces, 0);
}

TEST_F(ScoringRules, AnEmptyClearingReportsNothing) {
  score.GroupCleared(TSimpleObjectArray{}, false);
  EXPECT_EQ(total, 0);
  EXPECT_EQ(manna, 0);
  EXPECT_EQ(spiderPieces, 0);
}

TEST_F(ScoringRules, AGoldTileIsTwentyFivePointsForTheTotalAndTheRound) {
  score.GoldTileRemoved();
  EXPECT_EQ(total, 25);
  EXPECT_EQ(score.LevelScore(), 25) << "the results show what the round added";
}

TEST_F(ScoringRules, ADeliveredFlowerOrPotionIsSixtyPointsForTheTotalAndTheRound) {
  score.FlowerDelivered();
  score.FlowerDelivered();
  EXPECT_EQ(total, 120);
  EXPECT_EQ(score.LevelScore(), 120);
}

TEST_F(ScoringRules, ALandedComboPaysMannaAndThreePointsPerUnit) {
  score.ComboArrived(4);
  EXPECT_EQ(manna, 2);
  EXPECT_EQ(total, 6);
  EXPECT_EQ(score.LevelScore(), 6) << "combos count for the round too";
}

TEST_F(ScoringRules, ComboUnitsGrowWithTheCombo) {
  EXPECT_EQ(TRoundScore::ComboMannaUnits(4), 2);
  EXPECT_EQ(TRoundScore::ComboMannaUnits(5), 5);
  EXPECT_EQ(TRoundScore::ComboMannaUnits(6), 12);
  EXPECT_EQ(TRoundScore::ComboMannaUnits(7), 14);
  EXPECT_EQ(TRoundScore::ComboMannaUnits(3), 0);
  EXPECT_EQ(TRoundScore::ComboMannaUnits(8), 0);
}

TEST_F(ScoringRules, ALandedComboPopsTheEnergyBonusInItsLook) {
  for (int matchX = 4; matchX <= 7; ++matchX) score.ComboArrived(matchX);
  EXPECT_EQ(bonusLooks, (std::vector<int>{0, 1, 1, 2}));
  EXPECT_EQ(manna, 2 + 5 + 12 + 14);
  EXPECT_EQ(total, 3 * (2 + 5 + 12 + 14));
}

TEST_F(ScoringRules, AComboOutsideFourToSevenPaysNothingAndShowsNothing) {
  score.ComboArrived(8);
  score.ComboArrived(3);
  EXPECT_EQ(manna, 0);
  EXPECT_EQ(total, 0);
  EXPECT_TRUE(bonusLooks.empty());
}

TEST_F(ScoringRules, PreparingARoundStartsItsScoreAtZero) {
  score.GroupCleared(Tiles(2), false);
  score.Clear();
  EXPECT_EQ(score.LevelScore(), 0);
  EXPECT_EQ(total, 6) << "the running total is not the round's to clear";
}

}  // namespace
}  // namespace qm
