#include "rules/LevelParams.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/GameRandom.h"
#include "rules/LevelBytes.h"

namespace qm {
namespace {

using testing_support::ScratchFolder;
using testing_support::TLevelBytes;
using testing_support::WriteFileBytes;

// A level folder and the loader pointed at it, keeping every message.
class LevelFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    Folder = ScratchFolder("levels");
    Params.LevelFilesPath = Folder;
    Params.OnShowMessage = [this](TLevelParams&, const std::string& text) { Messages.push_back(text); };
    GameRandom().SetSeed(12345);
  }

  // A level whose banana target tells it apart.
  void WriteLevel(int island, int level, int bananas) {
    TLevelBytes file;
    file.Int(4, bananas);
    WriteFileBytes(Folder / LevelFileName(island, level), file.Bytes);
  }

  std::filesystem::path Folder;
  TLevelParams Params;
  std::vector<std::string> Messages;
};

TEST(LevelFileNames, IslandDashTwoDigitLevel) {
  EXPECT_EQ(LevelFileName(2, 7), "Level2-07.qlv");
  EXPECT_EQ(LevelFileName(1, 12), "Level1-12.qlv");
  EXPECT_EQ(LevelFileName(5, 100), "Level5-100.qlv");
}

TEST(LevelFileNames, AuthoredCountsAndReplayRanges) {
  const int authored[] = {12, 13, 15, 16, 18};
  const int lowest[] = {9, 10, 12, 13, 15};
  for (int island = 1; island <= 5; ++island) {
    EXPECT_EQ(AuthoredLevelCount(island), authored[island - 1]);
    EXPECT_EQ(LowestReplayLevel(island), lowest[island - 1]);
  }
}

TEST_F(LevelFolder, LoadsTheRequestedAuthoredLevel) {
  WriteLevel(2, 7, 33);
  EXPECT_TRUE(Params.Load(2, 7));
  EXPECT_EQ(Params.LoadedLevel(), 7);
  EXPECT_EQ(Params.Record().TargetBananas, 33);
  EXPECT_EQ(Params.LoadedPath(), Folder / "Level2-07.qlv");
  EXPECT_TRUE(Messages.empty());
}

TEST_F(LevelFolder, FindsAFileWhoseNameDiffersInCase) {
  TLevelBytes file;
  file.Int(4, 8);
  WriteFileBytes(Folder / "LEVEL3-04.QLV", file.Bytes);
  EXPECT_TRUE(Params.Load(3, 4));
  EXPECT_EQ(Params.Record().TargetBananas, 8);
}

TEST_F(LevelFolder, BeyondTheAuthoredLevelsAnUpperLevelIsReplayed) {
  for (int level = 9; level <= 12; ++level) WriteLevel(1, level, level);
  ASSERT_TRUE(Params.Load(1, 12));
  for (int round = 0; round < 50; ++round) {
    const int previous = Params.LastLoadedLevel(1);
    ASSERT_TRUE(Params.Load(1, 13));
    EXPECT_GE(Params.LoadedLevel(), 9);
    EXPECT_LE(Params.LoadedLevel(), 12);
    EXPECT_NE(Params.LoadedLevel(), previous) << "round " << round;
    EXPECT_EQ(Params.Record().TargetBananas, Params.LoadedLevel());
    EXPECT_EQ(Params.LastLoadedLevel(1), Params.LoadedLevel());
  }
}

TEST_F(LevelFolder, ReplayReachesEveryLevelOfTheRange) {
  for (int level = 15; level <= 18; ++level) WriteLevel(5, level, level);
  std::set<int> seen;
  for (int round = 0; round < 60; ++round) {
    Params.Load(5, 40);
    seen.insert(Params.LoadedLevel());
  }
  EXPECT_EQ(seen, (std::set<int>{15, 16, 17, 18}));
}

TEST_F(LevelFolder, ReplayMemoryIsPerIsland) {
  WriteLevel(1, 12, 1);
  WriteLevel(2, 3, 1);
  Params.Load(1, 12);
  Params.Load(2, 3);
  EXPECT_EQ(Params.LastLoadedLevel(1), 12);
  EXPECT_EQ(Params.LastLoadedLevel(2), 3);
  Params.ResetReplayMemory();
  for (int island = 1; island <= 5; ++island) EXPECT_EQ(Params.LastLoadedLevel(island), 0);
}

TEST(LevelReplayDraw, DrawsAgainUntilTheLevelDiffersFromThePrevious) {
  std::vector<int> answers = {0, 0, 0, 2};  // 9, 9, 9, 11
  int draws = 0;
  const int level = DrawReplayLevel(9, 12, 9, [&](int n) {
    EXPECT_EQ(n, 4);
    return answers[draws++];
  });
  EXPECT_EQ(level, 11);
  EXPECT_EQ(draws, 4);
}

TEST(LevelReplayDraw, TheHundredthDrawStandsEvenIfItRepeats) {
  int draws = 0;
  const int level = DrawReplayLevel(9, 12, 9, [&](int) {
    ++draws;
    return 0;
  });
  EXPECT_EQ(draws, 100);
  EXPECT_EQ(level, 9);
}

TEST_F(LevelFolder, ReplayDrawsFromTheSharedGenerator) {
  for (int level = 9; level <= 12; ++level) WriteLevel(1, level, level);
  Params.Load(1, 12);
  TGameRandom probe(GameRandom().Seed());
  int expected = 0;
  do expected = 9 + probe.Random(4);
  while (expected == 12);
  Params.Load(1, 13);
  EXPECT_EQ(Params.LoadedLevel(), expected);
  EXPECT_EQ(GameRandom().Seed(), probe.Seed()) << "one draw per try";
}

TEST_F(LevelFolder, AMissingFileIsReportedAndThePreviousRecordKept) {
  WriteLevel(1, 1, 21);
  ASSERT_TRUE(Params.Load(1, 1));
  EXPECT_FALSE(Params.Load(1, 2));
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Level file not found: " + (Folder / "Level1-02.qlv").string());
  EXPECT_EQ(Params.Record().TargetBananas, 21);
  EXPECT_EQ(Params.LoadedLevel(), 2);
}

TEST_F(LevelFolder, WithNothingEverLoadedTheRecordIsZeros) {
  EXPECT_FALSE(Params.Load(4, 1));
  EXPECT_EQ(Params.Record().Time, 0);
  EXPECT_EQ(Params.Record().TargetBananas, 0);
  EXPECT_EQ(Params.Record().Board.At(1, 1).ObjectKind, 0);
  EXPECT_EQ(Params.LoadedLevel(), 1);
}

TEST_F(LevelFolder, ShortLongAndGarbageFilesAreDamaged) {
  WriteLevel(1, 1, 21);
  ASSERT_TRUE(Params.Load(1, 1));
  TLevelBytes good;
  std::vector<std::uint8_t> shortFile(good.Bytes.begin(), good.Bytes.end() - 1);
  std::vector<std::uint8_t> longFile = good.Bytes;
  longFile.push_back(0);
  std::vector<std::uint8_t> garbage(4572);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(0xA5 ^ i);
  const std::vector<std::vector<std::uint8_t>> files = {{}, shortFile, longFile, garbage};
  for (std::size_t i = 0; i < files.size(); ++i) {
    WriteFileBytes(Folder / "Level1-02.qlv", files[i]);
    Messages.clear();
    EXPECT_FALSE(Params.Load(1, 2)) << i;
    ASSERT_EQ(Messages.size(), 1u) << i;
    EXPECT_EQ(Messages[0], "Level file is damaged: " + (Folder / "Level1-02.qlv").string()) << i;
    EXPECT_EQ(Params.Record().TargetBananas, 21) << i;
  }
}

TEST_F(LevelFolder, AFolderInPlaceOfTheFileIsDamaged) {
  std::filesystem::create_directory(Folder / "Level1-03.qlv");
  EXPECT_FALSE(Params.Load(1, 3));
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0].rfind("Level file is damaged: ", 0), 0u);
}

// Values no round could use without overflowing its sums are played
// clamped, and each is told once.
TEST_F(LevelFolder, TimingsAndCountsOutOfRangeAreClampedAndTold) {
  constexpr std::int32_t kHuge = 2'000'000'000;
  const struct {
    std::size_t Offset;
    std::int32_t Value;
    std::string Field;
    std::int32_t (*Read)(const TLevelRecord&);
    std::int32_t Expected;
  } cases[] = {
      {4548, kHuge, "RefTimeForAbsorbAttempt", [](const TLevelRecord& r) { return r.Boss.RefTimeForAbsorbAttempt; },
       86'400'000},
      {4548, 12000, "", [](const TLevelRecord& r) { return r.Boss.RefTimeForAbsorbAttempt; }, 12000},
      {4556, kHuge, "OneAbsorbedTime", [](const TLevelRecord& r) { return r.Boss.OneAbsorbedTime; }, 86'400},
      {4560, kHuge, "PreparingTime", [](const TLevelRecord& r) { return r.Boss.PreparingTime; }, 86'400'000},
      {4564, kHuge, "AbsorbingTime", [](const TLevelRecord& r) { return r.Boss.AbsorbingTime; }, 86'400'000},
      {4568, kHuge, "FinishingTime", [](const TLevelRecord& r) { return r.Boss.FinishingTime; }, 86'400'000},
      {4508, kHuge, "FruitsInterval", [](const TLevelRecord& r) { return r.FruitsInterval; }, 1'000'000},
      {4528, kHuge, "OneUniFruitEveryInterval", [](const TLevelRecord& r) { return r.OneUniFruitEveryInterval; },
       1'000'000},
      {4540, kHuge, "BonusElementCount", [](const TLevelRecord& r) { return r.BonusElementCount; }, 1000},
      {TLevelBytes::Tile(3, 4, 8), -5, "WormTime", [](const TLevelRecord& r) { return r.Board.At(3, 4).WormTime; }, 0},
  };
  std::vector<std::string> problems;
  Params.OnProblem = [&](const std::string& problem) { problems.push_back(problem); };
  const auto file = Folder / "Level1-01.qlv";
  for (const auto& c : cases) {
    WriteFileBytes(file, TLevelBytes().Int(c.Offset, c.Value).Bytes);
    problems.clear();
    ASSERT_TRUE(Params.Load(1, 1)) << c.Field;
    EXPECT_EQ(c.Read(Params.Record()), c.Expected) << c.Field;
    const std::vector<std::string> told = {"level file " + file.string() + ": " + c.Field + " out of range, clamped"};
    EXPECT_EQ(problems, c.Field.empty() ? std::vector<std::string>{} : told);
  }
}

}  // namespace
}  // namespace qm
