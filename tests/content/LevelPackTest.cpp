// The level files of the generated content pack, read as the game reads them
// and held against the designs they were written from.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "Prices.h"
#include "progress/SlotPrices.h"
#include "rules/DefaultLevels.h"
#include "rules/LevelParams.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

const fs::path kLevels = fs::path(QUILLMERE_GAME_DIR) / "Levels";

std::string Name(const TLevelDesign& design) { return LevelFileName(design.Island, design.Level); }

TLevelRecord Load(const TLevelDesign& design) {
  TLevelParams params;
  params.LevelFilesPath = kLevels;
  std::string message;
  params.OnShowMessage = [&](TLevelParams&, const std::string& text) { message = text; };
  EXPECT_TRUE(params.Load(design.Island, design.Level)) << message;
  EXPECT_EQ(params.LoadedLevel(), design.Level);
  return params.Record();
}

bool IsPlayable(const TLevelRecord& record, int x, int y) {
  return x >= 1 && x <= BoardColumns && y >= 1 && y <= BoardRows && record.Board.At(x, y).ObjectKind != okUnused;
}

char CellAt(const TLevelDesign& design, int x, int y) {
  if (y > int(design.Shape.size()) || x > int(design.Shape.front().size())) return LevelCell::Hole;
  return design.Shape[std::size_t(y - 1)][std::size_t(x - 1)];
}

int FruitKinds(const TLevelRecord& record) {
  int kinds = 0;
  for (int code = ecFirstFruit; code <= ecLastObjectiveFruit; ++code)
    kinds += record.AllowedElements.test(std::size_t(code));
  return kinds;
}

const std::vector<TLevelDesign>& Designs() { return DefaultLevels(); }

const TLevelDesign& Design(int island, int level) {
  const auto found = std::find_if(Designs().begin(), Designs().end(),
                                  [&](const TLevelDesign& d) { return d.Island == island && d.Level == level; });
  if (found == Designs().end()) throw std::out_of_range("no design for " + LevelFileName(island, level));
  return *found;
}

TEST(LevelPack, HoldsOneFileForEveryLevelTheIslandsPlay) {
  EXPECT_EQ(Designs().size(), 74u);
  for (int island = 1; island <= IslandCount; ++island)
    for (int level = 1; level <= AuthoredLevelCount(island); ++level) {
      const fs::path file = kLevels / LevelFileName(island, level);
      ASSERT_TRUE(fs::exists(file)) << file;
      EXPECT_EQ(fs::file_size(file), LevelRecordSize) << file;
    }
}

TEST(LevelPack, EveryFileReadsBackWithTheValuesItsDesignGave) {
  for (const TLevelDesign& design : Designs()) {
    SCOPED_TRACE(Name(design));
    const TLevelRecord r = Load(design);
    EXPECT_EQ(r.GameObjective, design.Objective);
    EXPECT_EQ(r.TargetBananas, design.Goals.Bananas);
    EXPECT_EQ(r.TargetStrawberries, design.Goals.Strawberries);
    EXPECT_EQ(r.TargetApples, design.Goals.Apples);
    EXPECT_EQ(r.TargetGrapes, design.Goals.Grapes);
    EXPECT_EQ(r.TargetOranges, design.Goals.Oranges);
    EXPECT_EQ(r.TargetPlums, design.Goals.Plums);
    EXPECT_EQ(r.TargetCherries, design.Goals.Cherries);
    EXPECT_EQ(r.TargetGuavas, design.Goals.Guavas);
    EXPECT_EQ(r.TargetFlowers1, design.Goals.Flowers1);
    EXPECT_EQ(r.TargetFlowers2, design.Goals.Flowers2);
    EXPECT_EQ(r.TargetFlowers3, design.Goals.Flowers3);
    EXPECT_EQ(r.TargetFlowers4, design.Goals.Flowers4);
    EXPECT_EQ(r.TargetSpiders, design.Goals.Spiders);
    EXPECT_EQ(r.AllowedElements.count(), design.Elements.size());
    for (int code : design.Elements) EXPECT_TRUE(r.AllowedElements.test(std::size_t(code))) << code;
    EXPECT_EQ(r.Time, design.Time);
    EXPECT_EQ(r.FruitsInterval, design.Spiders.FruitsInterval);
    EXPECT_EQ(r.MaxSpidersOnBoard, design.Spiders.MaxSpidersOnBoard);
    EXPECT_EQ(r.MaxWebs, design.Spiders.MaxWebs);
    EXPECT_EQ(r.OneWebEveryProb, design.Spiders.OneWebEveryProb);
    EXPECT_EQ(r.FullRequiredFruits, design.FullRequiredFruits);
    EXPECT_EQ(r.OneUniFruitEveryInterval, design.UniFruitInterval);
    EXPECT_EQ(r.MaxUniFruitOnBoard, design.MaxUniFruit);
    EXPECT_EQ(r.BonusElementKind, design.BonusKind);
    EXPECT_EQ(r.BonusElementCount, design.BonusCount);
    EXPECT_EQ(r.Boss.Energy, design.Boss.Energy);
    EXPECT_EQ(r.Boss.RefTimeForAbsorbAttempt, design.Boss.RefTimeForAbsorbAttempt);
    EXPECT_EQ(r.Boss.HitsToCancelAbsorbAttempt, design.Boss.HitsToCancelAbsorbAttempt);
    EXPECT_EQ(r.Boss.OneAbsorbedTime, design.Boss.OneAbsorbedTime);
    EXPECT_EQ(r.Boss.PreparingTime, design.Boss.PreparingTime);
    EXPECT_EQ(r.Boss.AbsorbingTime, design.Boss.AbsorbingTime);
    EXPECT_EQ(r.Boss.FinishingTime, design.Boss.FinishingTime);
  }
}

TEST(LevelPack, EveryBoardCellIsTheShapeCharacterItWasDrawnWith) {
  for (const TLevelDesign& design : Designs()) {
    SCOPED_TRACE(Name(design));
    const TLevelRecord r = Load(design);
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        const char cell = CellAt(design, x, y);
        const TBoardTile& tile = r.Board.At(x, y);
        SCOPED_TRACE(testing::Message() << "cell (" << x << ", " << y << ") '" << cell << "'");
        if (cell == LevelCell::Hole) {
          EXPECT_EQ(tile.ObjectKind, okUnused);
          EXPECT_EQ(tile.TileBack, 0);
        } else {
          EXPECT_EQ(tile.ObjectKind, cell == LevelCell::Locker ? okLocker : okFruit);
          EXPECT_EQ(tile.TileBack, LevelTileBack(x, y));
        }
        EXPECT_EQ(tile.ChainLock, cell == LevelCell::Chain1 ? 1 : cell == LevelCell::Chain2 ? 2 : 0);
        EXPECT_EQ(tile.Web, cell == LevelCell::Web ? 1 : 0);
        EXPECT_EQ(r.GoldTiles.At(x, y), cell == LevelCell::Gold1 ? 1 : cell == LevelCell::Gold2 ? 2 : 0);
        EXPECT_EQ(r.Potions.At(x, y) != 0, cell == LevelCell::Potion);
      }
  }
}

TEST(LevelPack, EveryNormalLevelAsksForSomething) {
  for (const TLevelDesign& design : Designs()) {
    if (design.Objective != goNormalMode) continue;
    const TLevelRecord r = Load(design);
    int targets = 0;
    for (int kind = iePotion1; kind <= ieGoldTile2; ++kind)
      targets += r.RoundTarget(TIndividualElementKind(kind), false, false);
    EXPECT_GT(targets, 0) << Name(design);
  }
}

TEST(LevelPack, EveryTargetCanBeCollectedOnItsBoard) {
  for (const TLevelDesign& design : Designs()) {
    SCOPED_TRACE(Name(design));
    const TLevelRecord r = Load(design);
    for (int code = ecFirstFruit; code <= ecLastObjectiveFruit; ++code)
      if (r.RoundTarget(TIndividualElementKind(ieFruit1 + code - 1), false, false) > 0) {
        EXPECT_TRUE(r.AllowedElements.test(std::size_t(code))) << "fruit " << code;
      }
    for (int flower = 0; flower < 4; ++flower)
      if (r.RoundTarget(TIndividualElementKind(ieFlower1 + flower), false, false) > 0) {
        EXPECT_TRUE(r.AllowedElements.test(std::size_t(ecFirstFlower + flower))) << "flower " << flower + 1;
      }
    if (r.TargetSpiders > 0) {
      EXPECT_GT(r.MaxSpidersOnBoard, 0);
      // A wave brings no spider while the board holds MaxWebs webs.
      EXPECT_GT(r.MaxWebs, int(r.WebCells().size()));
    }
    // A potion that started at the bottom would be collected before the
    // player moved.
    for (const TPoint& potion : r.PotionCells())
      EXPECT_TRUE(IsPlayable(r, potion.X, potion.Y + 1)) << "potion at (" << potion.X << ", " << potion.Y << ")";
  }
}

TEST(LevelPack, FruitTargetsAndTimesStayWithinReach) {
  for (const TLevelDesign& design : Designs()) {
    SCOPED_TRACE(Name(design));
    const TLevelRecord r = Load(design);
    EXPECT_GE(r.Time, 90);
    EXPECT_LE(r.Time, 300);
    for (int kind = ieFruit1; kind <= ieFruit8; ++kind) {
      const int target = r.RoundTarget(TIndividualElementKind(kind), false, false);
      if (target > 0) {
        EXPECT_GE(target, 20);
        EXPECT_LE(target, 60);
      }
    }
    // Flowers are rare pieces: a few per kind.
    for (int kind = ieFlower1; kind <= ieFlower4; ++kind)
      EXPECT_LE(r.RoundTarget(TIndividualElementKind(kind), false, false), 6);
  }
}

TEST(LevelPack, EveryBoardHasRoomToPlayAndAtLeastFourFruits) {
  for (const TLevelDesign& design : Designs()) {
    SCOPED_TRACE(Name(design));
    const TLevelRecord r = Load(design);
    bool block = false;
    for (int x = 1; x + 2 <= BoardColumns && !block; ++x)
      for (int y = 1; y + 2 <= BoardRows && !block; ++y) {
        bool all = true;
        for (int dx = 0; dx < 3; ++dx)
          for (int dy = 0; dy < 3; ++dy) all = all && IsPlayable(r, x + dx, y + dy);
        block = all;
      }
    EXPECT_TRUE(block) << "no 3 x 3 playable block";
    EXPECT_GE(FruitKinds(r), 4);
    for (std::size_t code = 0; code < r.AllowedElements.size(); ++code)
      if (r.AllowedElements.test(code)) {
        EXPECT_TRUE(code >= ecFirstFruit && code <= ecLastFlower) << code;
      }
  }
}

TEST(LevelPack, EachIslandEndsWithItsBossAndHasNoOtherBoss) {
  // A boss win moves the resume point to the next island, so a boss before
  // the last level would skip the island's remaining levels.
  for (const TLevelDesign& design : Designs()) {
    SCOPED_TRACE(Name(design));
    const TLevelRecord r = Load(design);
    const bool last = design.Level == AuthoredLevelCount(design.Island);
    EXPECT_EQ(r.GameObjective == goBossMode, last);
    EXPECT_GT(r.Boss.Energy, 0);
    EXPECT_GT(r.Boss.OneAbsorbedTime, 0);
    EXPECT_LT(r.Boss.OneAbsorbedTime, r.Time);
  }
}

TEST(LevelPack, BossesGrowStrongerIslandByIsland) {
  int previousEnergy = 0;
  for (int island = 1; island <= IslandCount; ++island) {
    const TLevelRecord r = Load(Design(island, AuthoredLevelCount(island)));
    EXPECT_GT(r.Boss.Energy, previousEnergy) << "island " << island;
    previousEnergy = r.Boss.Energy;
  }
}

TEST(LevelPack, BoardsGrowWiderAndBusierIslandByIsland) {
  double previousCells = 0, previousObstacles = -1;
  for (int island = 1; island <= IslandCount; ++island) {
    double cells = 0, obstacles = 0;
    const int levels = AuthoredLevelCount(island);
    for (int level = 1; level <= levels; ++level) {
      const TLevelRecord r = Load(Design(island, level));
      for (const TBoardTile& tile : r.Board.Tiles) {
        cells += tile.ObjectKind != okUnused;
        obstacles += tile.ChainLock != 0 || tile.Web != 0;
      }
      obstacles += r.GoldTileTotal() + r.PotionCount() + r.TargetSpiders;
    }
    EXPECT_GT(cells / levels, previousCells) << "island " << island;
    EXPECT_GT(obstacles / levels, previousObstacles) << "island " << island;
    previousCells = cells / levels;
    previousObstacles = obstacles / levels;
  }
}

TEST(LevelPack, NewThingsArriveOnTheLevelsWhoseTutorialsExplainThem) {
  // First island and level on which each thing appears.
  std::map<std::string, std::pair<int, int>> first;
  auto note = [&](const std::string& thing, const TLevelDesign& d) { first.try_emplace(thing, d.Island, d.Level); };
  for (const TLevelDesign& design : Designs()) {
    const TLevelRecord r = Load(design);
    for (const TBoardTile& tile : r.Board.Tiles) {
      if (tile.ChainLock != 0) note("chains", design);
      if (tile.Web != 0) note("webs", design);
    }
    if (r.MaxSpidersOnBoard > 0) note("spiders", design);
    if (r.GoldTileTotal() > 0) note("gold tiles", design);
    if (r.PotionCount() > 0) note("potions", design);
    for (int code = ecFirstFlower; code <= ecLastFlower; ++code)
      if (r.AllowedElements.test(std::size_t(code))) note("flowers", design);
  }
  EXPECT_EQ(first["chains"], std::make_pair(1, 4));
  EXPECT_EQ(first["spiders"], std::make_pair(2, 1));
  EXPECT_EQ(first["flowers"], std::make_pair(2, 3));
  EXPECT_EQ(first["webs"], std::make_pair(2, 4));
  EXPECT_EQ(first["gold tiles"], std::make_pair(3, 1));
  EXPECT_EQ(first["potions"], std::make_pair(4, 1));
}

TEST(LevelPack, TheChainTipOfIslandOneLevelFourPointsAtAChainedPiece) {
  const TLevelRecord r = Load(Design(1, 4));
  const TPoint origin = r.BoardOrigin();
  const int x = (385 - origin.X + TileSize) / TileSize;
  const int y = (235 - origin.Y + TileSize) / TileSize;
  ASSERT_TRUE(IsPlayable(r, x, y)) << "(" << x << ", " << y << ")";
  EXPECT_NE(r.Board.At(x, y).ChainLock, 0);
}

// What a round really pays paces the shop: an island's four upgrades take
// more than a handful of won rounds and no more than its levels.
TEST(LevelPack, AnIslandsUpgradesCostWhatItsRoundsPayBeforeItsLevelsRunOut) {
  TSlotPrices prices;
  ASSERT_EQ(ReadSlotPrices(fs::path(QUILLMERE_GAME_DIR) / SlotPricesFileName, prices), TSlotPricesRead::Ok);
  for (int island = 1; island <= IslandCount; ++island)
    for (int kind = 0; kind < PriceKindCount; ++kind) {
      const double perRound = contentgen::EarnedPerRound(island, kind);
      float cost = 0;
      for (int slot = 1; slot <= PriceSlotCount; ++slot) cost += prices.Price(island, slot, kind);
      EXPECT_LE(cost, perRound * AuthoredLevelCount(island) + 1) << "island " << island << ", account " << kind;
      if (perRound > 0) {
        EXPECT_GE(cost, perRound * 3) << "island " << island << ", account " << kind;
      }
    }
}

}  // namespace
}  // namespace qm
