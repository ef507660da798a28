#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "engine/ImageCatalogue.h"
#include "engine/SpriteTileCount.h"

namespace qm {
namespace {

std::tuple<int, int> GridOf(TSpriteTileCount& table, const std::string& name) {
  int columns = -1, rows = -1;
  table.Lookup(name, columns, rows);
  return {columns, rows};
}

TEST(TileCountTable, HoldsSeventyFiveFixedPictures) {
  TSpriteTileCount table;
  std::set<std::string> fixed;
  for (const auto& entry : table.Entries())
    if (TSpriteTileCount::InFixedTable(entry.Name)) fixed.insert(entry.Name);
  EXPECT_EQ(fixed.size(), 75u);
}

TEST(TileCountTable, GivesEachFixedPictureItsGrid) {
  TSpriteTileCount table;
  EXPECT_EQ(GridOf(table, "BombParticle"), std::make_tuple(5, 2));
  EXPECT_EQ(GridOf(table, "LightningEffect"), std::make_tuple(1, 8));
  EXPECT_EQ(GridOf(table, "BoardBorder"), std::make_tuple(4, 6));
  EXPECT_EQ(GridOf(table, "Elements"), std::make_tuple(23, 1));
  EXPECT_EQ(GridOf(table, "DustParticle"), std::make_tuple(3, 7));
  EXPECT_EQ(GridOf(table, "CommentFont"), std::make_tuple(14, 5));
  EXPECT_EQ(GridOf(table, "GlobalFontWhite"), std::make_tuple(28, 5));
  EXPECT_EQ(GridOf(table, "BuySlotIcons_Gray"), std::make_tuple(4, 5));
  EXPECT_EQ(GridOf(table, "LoadingBarText"), std::make_tuple(1, 2));
  EXPECT_EQ(GridOf(table, "BrownTile"), std::make_tuple(2, 2));
  EXPECT_EQ(GridOf(table, "TutorialIcons"), std::make_tuple(1, 14));
  EXPECT_EQ(GridOf(table, "DiamondButterfly3"), std::make_tuple(1, 5));
}

TEST(TileCountTable, AnUnknownNameIsOnePattern) {
  TSpriteTileCount table;
  EXPECT_EQ(GridOf(table, "SplashBG"), std::make_tuple(1, 1));
  EXPECT_EQ(GridOf(table, ""), std::make_tuple(1, 1));
}

TEST(TileCountTable, NamesMatchOnlyInTheirExactCase) {
  TSpriteTileCount table;
  EXPECT_EQ(GridOf(table, "bombparticle"), std::make_tuple(1, 1));
  EXPECT_EQ(GridOf(table, "BOMBPARTICLE"), std::make_tuple(1, 1));
  EXPECT_EQ(GridOf(table, "BombParticle "), std::make_tuple(1, 1));
}

TEST(TileCountTable, ALookupMarksItsEntryUsed) {
  TSpriteTileCount table;
  auto used = [&](const std::string& name) {
    for (const auto& entry : table.Entries())
      if (entry.Name == name) return entry.Used;
    return false;
  };
  EXPECT_FALSE(used("Web"));
  GridOf(table, "Web");
  EXPECT_TRUE(used("Web"));
  EXPECT_FALSE(used("ChainLock"));
  GridOf(table, "web");
  EXPECT_FALSE(used("web")) << "a miss marks nothing";
}

TEST(TileCountTable, TheFirstOfTwoEntriesWins) {
  TSpriteTileCount table;
  table.Add("Twice", 3, 1);
  table.Add("Twice", 7, 7);
  EXPECT_EQ(GridOf(table, "Twice"), std::make_tuple(3, 1));
}

TEST(TileCountTable, OurOwnMultiPatternPicturesAreAddedFromTheCatalogue) {
  TSpriteTileCount table;
  ASSERT_FALSE(ExtraPatternEntries().empty());
  for (const TCatalogueImage* image : ExtraPatternEntries())
    EXPECT_FALSE(TSpriteTileCount::InFixedTable(image->Name)) << image->Name;
  EXPECT_EQ(GridOf(table, std::string(img::ComboBadge)), std::make_tuple(3, 1));
  EXPECT_EQ(GridOf(table, std::string(img::Locker)), std::make_tuple(3, 1));
  EXPECT_EQ(GridOf(table, std::string(img::GoldTileFrame)), std::make_tuple(2, 1));
}

TEST(TileCountTable, TheCatalogueAgreesWithTheFixedGrids) {
  TSpriteTileCount table;
  for (const TCatalogueImage& image : ImageCatalogue()) {
    if (!TSpriteTileCount::InFixedTable(image.Name)) continue;
    EXPECT_EQ(GridOf(table, image.Name), std::make_tuple(image.Columns, image.Rows)) << image.Name;
  }
}

}  // namespace
}  // namespace qm
