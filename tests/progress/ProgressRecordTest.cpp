#include "progress/ProgressRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <limits>
#include <vector>

#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::TTempFolder;

std::int32_t IntAt(const std::array<std::uint8_t, ProgressRecordSize>& bytes, std::size_t at) {
  return std::int32_t(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24);
}

TEST(ProgressRecord, EveryFieldLandsAtItsOffset) {
  TProgressRecord r;
  r.TotalScore = 123456;
  r.OwnedElements = {1.5f, 2, 3, 4, 5};
  r.ObjectStates[22] = 7;
  r.UpgradesBought[19] = 1;
  r.NextUncompletedIslandIdx = 4;
  r.NextUncompletedLevelIdx = 13;
  r.OpeningStoryTold = 1;
  r.IslandPlayed[4] = 1;
  r.IslandUnlocked[4] = 1;
  r.MapReset = 1;
  r.IslandMessageShown[4] = 1;
  r.TutorialShown[13] = 1;
  r.ToolTipShown[26] = 1;
  r.SoundOn = 0;
  r.MusicOn = 1;
  r.FullScreen = 0;
  r.TutorialsOn = 1;
  r.ReducedEffects = 1;
  r.SoundVolume = 40;
  r.MusicVolume = 90;
  const auto bytes = EncodeProgressRecord(r);
  EXPECT_EQ(IntAt(bytes, 0), 123456);
  float owned = 0;
  std::memcpy(&owned, &bytes[4], 4);
  EXPECT_EQ(owned, 1.5f);
  std::memcpy(&owned, &bytes[20], 4);
  EXPECT_EQ(owned, 5.0f) << "spiders last";
  const struct {
    std::size_t Offset;
    int Value;
  } bytesAt[] = {{24 + 22, 7}, {47 + 19, 1}, {67, 4}, {72, 1}, {73 + 4, 1}, {78 + 4, 1}, {83, 1}, {84 + 4, 1},
                 {89 + 13, 1}, {103 + 26, 1}, {130, 0}, {131, 1}, {132, 0}, {133, 1},
                 {134, 1}, {135, 0}};
  for (const auto& expected : bytesAt) EXPECT_EQ(bytes[expected.Offset], expected.Value) << "offset " << expected.Offset;
  EXPECT_EQ(IntAt(bytes, 68), 13);
  EXPECT_EQ(IntAt(bytes, 136), 40);
  EXPECT_EQ(IntAt(bytes, 140), 90);
}

TEST(ProgressRecord, BytesReadBackToTheSameBytes) {
  std::array<std::uint8_t, ProgressRecordSize> bytes;
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 7 + 3);
  const auto record = DecodeProgressRecord(bytes);
  ASSERT_TRUE(record);
  EXPECT_EQ(EncodeProgressRecord(*record), bytes) << "padding included";
}

TEST(ProgressRecord, ANewPlayerStartsOnIslandOneWithTheDefaultOptions) {
  const TProgressRecord r = DefaultProgressRecord();
  EXPECT_EQ(r.TotalScore, 0);
  EXPECT_EQ(r.NextUncompletedIslandIdx, 1);
  EXPECT_EQ(r.NextUncompletedLevelIdx, 1);
  EXPECT_EQ(r.IslandUnlocked, (std::array<std::uint8_t, 5>{1, 0, 0, 0, 0}));
  EXPECT_EQ(r.MapReset, 1);
  EXPECT_EQ(std::vector<int>({r.SoundOn, r.MusicOn, r.FullScreen, r.TutorialsOn}), std::vector<int>({1, 1, 1, 1}));
  EXPECT_EQ(r.SoundVolume, 70);
  EXPECT_EQ(r.MusicVolume, 50);
}

TEST(ProgressFile, AWrittenFileReadsBackAndLeavesNothingElse) {
  TTempFolder folder;
  TProgressRecord r = DefaultProgressRecord();
  r.TotalScore = 42;
  std::string error;
  ASSERT_TRUE(WriteProgressFile(folder.Path() / "ANN.sav", r, error)) << error;
  EXPECT_EQ(std::filesystem::file_size(folder.Path() / "ANN.sav"), ProgressRecordSize);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "ANN.sav.tmp"));
  EXPECT_EQ(ReadProgressFile(folder.Path() / "ANN.sav"), r);
}

TEST(ProgressFile, AMissingShortOrLongFileGivesNothing) {
  TTempFolder folder;
  EXPECT_FALSE(ReadProgressFile(folder.Path() / "NOBODY.sav"));
  for (std::size_t size : {std::size_t(0), ProgressRecordSize - 1, ProgressRecordSize + 1}) {
    const auto file = folder.Path() / ("P" + std::to_string(size) + ".sav");
    std::ofstream(file, std::ios::binary) << std::string(size, '\1');
    EXPECT_FALSE(ReadProgressFile(file)) << size << " bytes";
  }
}

// An edited or damaged save cannot buy everything for ever or roll over.
TEST(ProgressFile, AccountsScoreAndLevelAreHeldToASaneRange) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
  const struct {
    float Owned, ReadOwned;
    std::int32_t Score, ReadScore, Level, ReadLevel;
  } cases[] = {
      {kInf, 1e6f, -7, 0, kMaxInt, 1'000'000},
      {std::numeric_limits<float>::quiet_NaN(), 0, kMaxInt, 1'000'000'000, -3, 1},
      {-kInf, 0, 0, 0, 0, 1},
      {3e9f, 1e6f, 1, 1, 1, 1},
      {-2.5f, 0, 5000, 5000, 14, 14},
      {12.4f, 12.4f, 999'999'999, 999'999'999, 1'000'000, 1'000'000},
  };
  TTempFolder folder;
  for (const auto& c : cases) {
    TProgressRecord r = DefaultProgressRecord();
    r.OwnedElements.fill(c.Owned);
    r.TotalScore = c.Score;
    r.NextUncompletedLevelIdx = c.Level;
    std::string error;
    ASSERT_TRUE(WriteProgressFile(folder.Path() / "ANN.sav", r, error)) << error;
    const auto read = ReadProgressFile(folder.Path() / "ANN.sav");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->OwnedElements[4], c.ReadOwned) << c.Owned;
    EXPECT_EQ(read->TotalScore, c.ReadScore) << c.Score;
    EXPECT_EQ(read->NextUncompletedLevelIdx, c.ReadLevel) << c.Level;
  }
}

}  // namespace
}  // namespace qm
