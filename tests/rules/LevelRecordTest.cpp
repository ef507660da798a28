#include "rules/LevelRecord.h"
#include "rules/ResultMedal.h"

#include <gtest/gtest.h>

#include "rules/LevelBytes.h"
#include "rules/LevelFileWriter.h"

namespace qm {
namespace {

using testing_support::ReadFileBytes;
using testing_support::ScratchFolder;
using testing_support::TLevelBytes;

TLevelRecord Decoded(const TLevelBytes& file) {
  std::optional<TLevelRecord> record = DecodeLevelRecord(file.Bytes);
  EXPECT_TRUE(record.has_value());
  return record.value_or(TLevelRecord{});
}

TEST(LevelRecordLayout, HeaderFieldsSitAtTheirOffsets) {
  TLevelBytes file;
  file.Byte(0, 1);
  for (int i = 0; i < 13; ++i) file.Int(4 + 4 * i, 101 + i);
  file.Int(88, 150);
  const TLevelRecord r = Decoded(file);
  EXPECT_EQ(r.GameObjective, goBossMode);
  EXPECT_EQ(r.TargetBananas, 101);
  EXPECT_EQ(r.TargetStrawberries, 102);
  EXPECT_EQ(r.TargetApples, 103);
  EXPECT_EQ(r.TargetPlums, 104);
  EXPECT_EQ(r.TargetGrapes, 105);
  EXPECT_EQ(r.TargetOranges, 106);
  EXPECT_EQ(r.TargetCherries, 107);
  EXPECT_EQ(r.TargetGuavas, 108);
  EXPECT_EQ(r.TargetFlowers1, 109);
  EXPECT_EQ(r.TargetFlowers2, 110);
  EXPECT_EQ(r.TargetFlowers3, 111);
  EXPECT_EQ(r.TargetFlowers4, 112);
  EXPECT_EQ(r.TargetSpiders, 113);
  EXPECT_EQ(r.Time, 150);
}

TEST(LevelRecordLayout, IntegersAreLittleEndian) {
  TLevelBytes file;
  file.Byte(4, 0x34).Byte(5, 0x12);
  EXPECT_EQ(Decoded(file).TargetBananas, 0x1234);
}

TEST(LevelRecordLayout, AllowedElementsAreBitsLeastSignificantFirst) {
  TLevelBytes file;
  file.Byte(56, 0x7E);  // codes 1..6
  file.Byte(57, 0x01);  // code 8
  file.Byte(58, 0x80);  // code 23
  const TLevelRecord r = Decoded(file);
  EXPECT_FALSE(r.AllowedElements.test(0));
  for (int code = 1; code <= 6; ++code) EXPECT_TRUE(r.AllowedElements.test(code)) << code;
  EXPECT_FALSE(r.AllowedElements.test(7));
  EXPECT_TRUE(r.AllowedElements.test(8));
  EXPECT_TRUE(r.AllowedElements.test(23));
  EXPECT_EQ(r.AllowedElements.count(), 8u);
}

TEST(LevelRecordLayout, TilesAreColumnMajorTwentyBytesEach) {
  TLevelBytes file;
  const std::size_t at = TLevelBytes::Tile(3, 5);
  EXPECT_EQ(at, 92u + 2 * 240 + 4 * 20);
  file.Byte(at + 0, okUnused).Byte(at + 1, 2).Byte(at + 2, 3).Byte(at + 3, 7).Byte(at + 4, 1).Byte(at + 5, 2);
  file.Byte(at + 6, 1).Byte(at + 7, 2).Int(at + 8, 1500).Int(at + 12, 9).Int(at + 16, 26);
  const TLevelRecord r = Decoded(file);
  const TBoardTile& tile = r.Board.At(3, 5);
  EXPECT_EQ(tile.ObjectKind, okUnused);
  EXPECT_EQ(tile.TileBack, 2);
  EXPECT_EQ(tile.LockerColor, 3);
  EXPECT_EQ(tile.Element, 7);
  EXPECT_EQ(tile.Web, 1);
  EXPECT_EQ(tile.ChainLock, 2);
  EXPECT_EQ(tile.FruitBomb, 1);
  EXPECT_EQ(tile.Worm, 2);
  EXPECT_EQ(tile.WormTime, 1500);
  EXPECT_EQ(tile.BlastElement, 9);
  EXPECT_EQ(tile.FallOffset, 26);
  EXPECT_EQ(r.Board.At(5, 3).ObjectKind, okLocker) << "rows and columns not swapped";
}

TEST(LevelRecordLayout, GoldAndPotionGridsAreColumnMajor) {
  TLevelBytes file;
  file.Byte(TLevelBytes::GoldCell(16, 12), 3).Byte(TLevelBytes::GoldCell(2, 1), 2);
  file.Byte(TLevelBytes::PotionCell(4, 6), 1);
  EXPECT_EQ(TLevelBytes::GoldCell(16, 12), 4123u);
  const TLevelRecord r = Decoded(file);
  EXPECT_EQ(r.GoldTiles.At(16, 12), 3);
  EXPECT_EQ(r.GoldTiles.At(2, 1), 2);
  EXPECT_EQ(r.Potions.At(4, 6), 1);
  EXPECT_EQ(r.Potions.Count(), 1);
}

TEST(LevelRecordLayout, TailFieldsSitAtTheirOffsets) {
  TLevelBytes file;
  file.Int(4508, 60).Int(4512, 2).Int(4516, 3).Int(4520, 15).Int(4524, 200).Int(4528, 100).Byte(4532, 1);
  file.Byte(4536, elSpider).Int(4540, 4);
  const int boss[] = {60, 10000, 99999, 60, 3000, 7000, 3500};
  for (int i = 0; i < 7; ++i) file.Int(4544 + 4 * i, boss[i]);
  const TLevelRecord r = Decoded(file);
  EXPECT_EQ(r.FruitsInterval, 60);
  EXPECT_EQ(r.MaxSpidersOnBoard, 2);
  EXPECT_EQ(r.MaxWebs, 3);
  EXPECT_EQ(r.OneWebEveryProb, 15);
  EXPECT_EQ(r.FullRequiredFruits, 200);
  EXPECT_EQ(r.OneUniFruitEveryInterval, 100);
  EXPECT_EQ(r.MaxUniFruitOnBoard, 1);
  EXPECT_EQ(r.BonusElementKind, elSpider);
  EXPECT_EQ(r.BonusElementCount, 4);
  EXPECT_EQ(r.Boss.Energy, 60);
  EXPECT_EQ(r.Boss.RefTimeForAbsorbAttempt, 10000);
  EXPECT_EQ(r.Boss.HitsToCancelAbsorbAttempt, 99999);
  EXPECT_EQ(r.Boss.OneAbsorbedTime, 60);
  EXPECT_EQ(r.Boss.PreparingTime, 3000);
  EXPECT_EQ(r.Boss.AbsorbingTime, 7000);
  EXPECT_EQ(r.Boss.FinishingTime, 3500);
}

TEST(LevelRecordLayout, OnlyAWholeRecordIsALevel) {
  TLevelBytes file;
  EXPECT_TRUE(DecodeLevelRecord(file.Bytes).has_value());
  file.Bytes.pop_back();
  EXPECT_FALSE(DecodeLevelRecord(file.Bytes).has_value()) << "short";
  file.Bytes.resize(4573);
  EXPECT_FALSE(DecodeLevelRecord(file.Bytes).has_value()) << "long";
  EXPECT_FALSE(DecodeLevelRecord({}).has_value()) << "empty";
}

TEST(LevelRecordLayout, ValuesNoLevelCanHoldMakeTheFileDamaged) {
  const auto damaged = [](auto spoil) {
    TLevelBytes file;
    spoil(file);
    return !DecodeLevelRecord(file.Bytes).has_value();
  };
  EXPECT_TRUE(damaged([](TLevelBytes& f) { f.Byte(0, 2); })) << "objective";
  EXPECT_TRUE(damaged([](TLevelBytes& f) { f.Int(88, 0); })) << "no time";
  EXPECT_TRUE(damaged([](TLevelBytes& f) { f.Int(88, MaxLevelTime + 1); })) << "endless time";
  EXPECT_TRUE(damaged([](TLevelBytes& f) { f.Int(4524, 0); })) << "empty manna jar";
  EXPECT_TRUE(damaged([](TLevelBytes& f) { f.Int(20, -1); })) << "negative target";
  EXPECT_TRUE(damaged([](TLevelBytes& f) { f.Int(4512, -2); })) << "negative spider count";
  EXPECT_TRUE(damaged([](TLevelBytes& f) { f.Byte(4536, 5); })) << "bonus kind";
  EXPECT_TRUE(damaged([](TLevelBytes& f) { f.Int(4568, -1); })) << "boss value";
  EXPECT_FALSE(damaged([](TLevelBytes& f) { f.Byte(TLevelBytes::Tile(1, 1), 200); })) << "the board tidies tiles";
}

TEST(LevelRecordWriter, WritesTheBytesOfTheLayout) {
  const auto folder = ScratchFolder("levels");
  TLevelBytes file;
  file.Byte(0, 1).Int(20, 7).Byte(56, 0x7E).Int(88, 170);
  file.Byte(TLevelBytes::Tile(16, 12, 5), 2).Byte(TLevelBytes::GoldCell(1, 2), 3);
  file.Int(4568, 3500);
  TLevelFileWriter writer;
  ASSERT_TRUE(writer.Write(folder / "Level1-01.qlv", Decoded(file))) << writer.Error();
  EXPECT_EQ(ReadFileBytes(folder / "Level1-01.qlv"), file.Bytes);
  EXPECT_FALSE(std::filesystem::exists(folder / "Level1-01.qlv.tmp"));
}

TEST(LevelRecordWriter, ReadingAndWritingKeepsEveryByte) {
  // Padding and the unused grid are not read by the game but survive.
  TLevelBytes file;
  for (std::size_t i = 0; i < file.Bytes.size(); ++i) file.Bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  file.Byte(0, 0).Int(4, 5).Int(8, 0).Int(12, 0).Int(16, 0).Int(20, 0).Int(24, 0).Int(28, 0).Int(32, 0);
  file.Int(36, 0).Int(40, 0).Int(44, 0).Int(48, 0).Int(52, 0).Int(88, 99);
  for (std::size_t at = 4508; at < 4532; at += 4) file.Int(at, 10);
  file.Byte(4536, 2).Int(4540, 1);
  for (int i = 0; i < 7; ++i) file.Int(4544 + 4 * i, i);
  const TLevelRecord record = Decoded(file);
  const auto written = EncodeLevelRecord(record);
  EXPECT_TRUE(std::equal(written.begin(), written.end(), file.Bytes.begin(), file.Bytes.end()));
}

TEST(LevelRecordWriter, RefusesALevelTheGameWouldCallDamaged) {
  const auto folder = ScratchFolder("levels");
  TLevelRecord record;  // no time, no manna jar
  TLevelFileWriter writer;
  EXPECT_FALSE(writer.Write(folder / "Level1-01.qlv", record));
  EXPECT_FALSE(writer.Error().empty());
  EXPECT_FALSE(std::filesystem::exists(folder / "Level1-01.qlv"));
}

TEST(LevelRecordWriter, ReplacesAnOlderFileWhole) {
  const auto folder = ScratchFolder("levels");
  testing_support::WriteFileBytes(folder / "Level1-01.qlv", std::vector<std::uint8_t>(9000, 0xEE));
  TLevelBytes file;
  TLevelFileWriter writer;
  ASSERT_TRUE(writer.Write(folder / "Level1-01.qlv", Decoded(file)));
  EXPECT_EQ(ReadFileBytes(folder / "Level1-01.qlv"), file.Bytes);
}

TEST(LevelRecordWriter, ReportsAFolderThatDoesNotExist) {
  const auto folder = ScratchFolder("levels");
  TLevelFileWriter writer;
  EXPECT_FALSE(writer.Write(folder / "missing" / "Level1-01.qlv", Decoded(TLevelBytes{})));
  EXPECT_NE(writer.Error().find("missing"), std::string::npos);
}

// What the round set-up takes from a record.

TEST(LevelRoundSetUp, TargetsGoToTheSlotOfTheirOwnFruit) {
  TLevelBytes file;
  file.Int(16, 6).Int(20, 4);  // plums, grapes
  const TLevelRecord r = Decoded(file);
  EXPECT_EQ(r.RoundTarget(ieFruit6, false, false), 6) << "plums are fruit 6";
  EXPECT_EQ(r.RoundTarget(ieFruit4, false, false), 4) << "grapes are fruit 4";
}

TEST(LevelRoundSetUp, GoldTileTargetIsTheSumOfTheGrid) {
  TLevelBytes file;
  file.Byte(TLevelBytes::GoldCell(2, 2), 2).Byte(TLevelBytes::GoldCell(9, 4), 3);
  const TLevelRecord r = Decoded(file);
  EXPECT_EQ(r.RoundTarget(ieGoldTile1, false, false), 5);
  EXPECT_EQ(r.RoundTarget(ieGoldTile2, false, false), 0);
  EXPECT_EQ(r.RoundTarget(ieGoldTile1, true, false), 0) << "upgraded tiles";
  EXPECT_EQ(r.RoundTarget(ieGoldTile2, true, false), 5);
}

TEST(LevelRoundSetUp, PotionTargetCountsCellsNotValues) {
  TLevelBytes file;
  file.Byte(TLevelBytes::PotionCell(1, 1), 1).Byte(TLevelBytes::PotionCell(3, 3), 9);
  const TLevelRecord r = Decoded(file);
  EXPECT_EQ(r.RoundTarget(iePotion1, false, false), 2);
  EXPECT_EQ(r.RoundTarget(iePotion2, false, false), 0);
  EXPECT_EQ(r.RoundTarget(iePotion1, false, true), 0) << "upgraded potions";
  EXPECT_EQ(r.RoundTarget(iePotion2, false, true), 2);
  EXPECT_EQ(LevelPotionCode(false), 17);
  EXPECT_EQ(LevelPotionCode(true), 18);
  EXPECT_EQ(r.PotionCells(), (std::vector<TPoint>{{1, 1}, {3, 3}}));
}

TEST(LevelRoundSetUp, AFullBoardSitsAt266And95) {
  TLevelBytes file;
  file.AllTiles(okFruit);
  EXPECT_EQ(Decoded(file).BoardOrigin(), (TPoint{266, 95}));
}

TEST(LevelRoundSetUp, EmptyEdgeLinesShiftTheBoardByHalfATile) {
  TLevelBytes file;
  file.AllTiles(okFruit);
  for (int y = 1; y <= 12; ++y) file.Byte(TLevelBytes::Tile(1, y), okUnused).Byte(TLevelBytes::Tile(2, y), okUnused);
  for (int x = 1; x <= 16; ++x) file.Byte(TLevelBytes::Tile(x, 12), okUnused);
  EXPECT_EQ(Decoded(file).BoardOrigin(), (TPoint{214, 121}));
}

TEST(LevelRoundSetUp, AnUnusedCellWithABackgroundIsNotEmpty) {
  TLevelBytes file;
  file.AllTiles(okUnused);
  file.Byte(TLevelBytes::Tile(1, 1), okUnused).Byte(TLevelBytes::Tile(1, 1, 1), 1);
  file.Byte(TLevelBytes::Tile(16, 12), okFruit);
  EXPECT_EQ(Decoded(file).BoardOrigin(), (TPoint{266, 95}));
}

TEST(LevelRoundSetUp, TheMedalLimitsComeFromTheFilesTimeRoundedHalvesToEven) {
  TLevelBytes file;
  TResultMedal medal;
  file.Int(88, 150);
  medal.SetRoundTime(Decoded(file).Time);
  EXPECT_EQ(medal.SilverReqTime, 98);
  EXPECT_EQ(medal.GoldReqTime, 60);
  file.Int(88, 170);
  medal.SetRoundTime(Decoded(file).Time);
  EXPECT_EQ(medal.SilverReqTime, 110) << "110.5";
  EXPECT_EQ(medal.GoldReqTime, 68);
}

TEST(LevelRoundSetUp, WebsAreListedWhereTheFileHasThem) {
  TLevelBytes file;
  file.Byte(TLevelBytes::Tile(4, 2, 4), 1).Byte(TLevelBytes::Tile(1, 7, 4), 3);
  EXPECT_EQ(Decoded(file).WebCells(), (std::vector<TPoint>{{1, 7}, {4, 2}}));
}

}  // namespace
}  // namespace qm
