#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "progress/HighScores.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::TTempFolder;
using TTable = THighScores::TTable;
using TBytes = std::vector<std::uint8_t>;

class HighScoresFile : public ::testing::Test {
 protected:
  void SetUp() override {
    scores.NormalModeFileName = folder.Path() / "HighScores.dat";
    scores.PlaceholderName = "NOBODY";
    scores.OnProblem = [this](const std::string& problem) { problems.push_back(problem); };
    scores.Reset();
  }
  static TBytes Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void Write(const TBytes& bytes) {
    std::ofstream(scores.NormalModeFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  void Use(const TTable& table) {
    const auto bytes = EncodeHighScores(table);
    Write({bytes.begin(), bytes.end()});
    scores.Load();
  }
  static TTable ResetTable() { return {{{"NOBODY"}, {"NOBODY"}, {"NOBODY"}, {"NOBODY"}, {"NOBODY"}}}; }

  TTempFolder folder;
  THighScores scores;
  std::vector<std::string> problems;
};

TEST_F(HighScoresFile, ASubmittedScoreTakesItsRankAndAPlayerHoldsOneEntry) {
  const TTable equalFives = {{{"ANNA", 900}, {"BEN", 500}, {"CARL", 500}, {"DORA", 200}, {"EVE", 0}}};
  const TTable benSeven = {{{"ANNA", 900}, {"BEN", 700}, {"CARL", 500}, {"DORA", 200}, {"EVE", 0}}};
  const TTable smallLetters = {{{"ANNA", 900}, {"BEN", 700}, {"carl", 500}, {"DORA", 200}, {"\xC9VA", 50}}};
  const TTable benTwice = {{{"ANNA", 900}, {"BEN", 700}, {"CARL", 500}, {"ben", 200}, {"EVE", 0}}};
  const TTable allAbove = {{{"ANNA", 900}, {"BEN", 700}, {"CARL", 500}, {"DORA", 200}, {"EVE", 100}}};
  const struct {
    const char* What;
    TTable Before;
    std::string Name;
    std::int32_t Score;
    TTable After;
  } cases[] = {
      {"a new player goes below equal scores", equalFives, "zed", 500,
       {{{"ANNA", 900}, {"BEN", 500}, {"CARL", 500}, {"ZED", 500}, {"DORA", 200}}}},
      {"a lower score of a player leaves the table", benSeven, "BEN", 650, benSeven},
      {"an equal score keeps the player's place above an equal one", equalFives, "BEN", 500, equalFives},
      {"a better score moves the player's entry", benSeven, "BEN", 950,
       {{{"BEN", 950}, {"ANNA", 900}, {"CARL", 500}, {"DORA", 200}, {"EVE", 0}}}},
      {"small letters find a stored capital", benSeven, "ben", 800,
       {{{"ANNA", 900}, {"BEN", 800}, {"CARL", 500}, {"DORA", 200}, {"EVE", 0}}}},
      {"capitals find stored small letters", smallLetters, "Carl", 600,
       {{{"ANNA", 900}, {"BEN", 700}, {"CARL", 600}, {"DORA", 200}, {"\xC9VA", 50}}}},
      {"code page 1252 small letters are upper-cased", smallLetters, "\xE9va", 300,
       {{{"ANNA", 900}, {"BEN", 700}, {"carl", 500}, {"\xC9VA", 300}, {"DORA", 200}}}},
      {"of two entries of a player the last one counts", benTwice, "Ben", 300,
       {{{"ANNA", 900}, {"BEN", 700}, {"CARL", 500}, {"BEN", 300}, {"EVE", 0}}}},
      {"no rank below the score", allAbove, "zed", 100, allAbove},
  };
  for (const auto& c : cases) {
    Use(c.Before);
    scores.Submit(c.Name, c.Score);
    EXPECT_EQ(scores.Table(), c.After) << c.What;
    EXPECT_EQ(DecodeHighScores(Read(scores.NormalModeFileName)), c.After) << c.What << ", on the disk at once";
  }
  EXPECT_TRUE(problems.empty());
}

TEST_F(HighScoresFile, AFileWrittenByHandLoadsAndIsSavedBackByteForByte) {
  TBytes bytes(HighScoresFileSize, 0);
  const std::string names[] = {"REN\xC9 GRO\xDF", "", "B", std::string(255, 'Z'), "NOBODY"};
  const std::int32_t values[] = {123456789, 70000, -5, 1, 0};
  for (std::size_t rank = 0; rank < 5; ++rank) {
    bytes[rank * 256] = std::uint8_t(names[rank].size());
    std::copy(names[rank].begin(), names[rank].end(), bytes.begin() + std::ptrdiff_t(rank * 256 + 1));
    for (std::size_t i = 0; i < 4; ++i)
      bytes[1280 + rank * 4 + i] = std::uint8_t(std::uint32_t(values[rank]) >> (8 * i));
  }
  Write(bytes);
  scores.Load();
  for (int rank = 1; rank <= 5; ++rank)
    EXPECT_EQ(scores.Entry(rank), (THighScoreEntry{names[rank - 1], values[rank - 1]})) << "rank " << rank;
  ASSERT_TRUE(scores.Save());
  EXPECT_EQ(Read(scores.NormalModeFileName), bytes);
  EXPECT_TRUE(problems.empty());
}

TEST_F(HighScoresFile, AMissingFileIsCreatedFromTheResetTable) {
  scores.Load();
  const auto expected = EncodeHighScores(ResetTable());
  EXPECT_EQ(Read(scores.NormalModeFileName), TBytes(expected.begin(), expected.end()));
  EXPECT_TRUE(problems.empty());
}

TEST_F(HighScoresFile, AShortOrLongFileIsSetAsideAndReplacedByTheResetTable) {
  for (const std::size_t size : {std::size_t(0), HighScoresFileSize - 1, HighScoresFileSize + 1}) {
    problems.clear();
    TBytes damaged(size);
    for (std::size_t i = 0; i < size; ++i) damaged[i] = std::uint8_t(i * 7 + 1);
    Write(damaged);
    scores.Load();
    EXPECT_EQ(Read(folder.Path() / "HighScores.dat.damaged"), damaged) << size << " bytes";
    EXPECT_EQ(scores.Table(), ResetTable());
    EXPECT_EQ(DecodeHighScores(Read(scores.NormalModeFileName)), ResetTable());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("HighScores.dat"), std::string::npos) << problems[0];
  }
}

TEST_F(HighScoresFile, ALineTooWideForTheTableLosesTheEndOfItsName) {
  // Ten pixels a character: "1.  - 900" leaves 130 pixels for the name.
  const auto tenEach = [](const std::string& text) { return int(text.size()) * 10; };
  const struct {
    std::string Name;
    std::int32_t Score;
    std::string Line;
  } cases[] = {
      {"ANNA", 900, "1. ANNA - 900"},
      {"THIRTEEN CHAR", 900, "1. THIRTEEN CHAR - 900"},
      {"FOURTEEN CHARS", 900, "1. FOURTEEN CHAR.. - 900"},
      {"FOURTEEN CHARS", 12345678, "1. FOURTEEN.. - 12345678"},
      {std::string(300, 'W'), 900, "1. WWWWWWWWWWWWW.. - 900"},
  };
  for (const auto& c : cases) {
    scores.Reset();
    scores.Submit(c.Name, c.Score);
    EXPECT_EQ(scores.DisplayLine(1, tenEach), c.Line);
  }
  EXPECT_EQ(scores.DisplayLine(2, tenEach), "2. NOBODY - 0");
}

}  // namespace
}  // namespace qm
