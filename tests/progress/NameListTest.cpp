#include "progress/NameList.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::TTempFolder;

class NameListFile : public ::testing::Test {
 protected:
  void SetUp() override {
    list.FileName = folder.Path() / "Players.dat";
    list.Load();
  }
  std::vector<std::uint8_t> Bytes() {
    std::ifstream in(list.FileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int slot = 1; slot <= TNameList::SlotCount; ++slot) names.push_back(list.Name(slot));
    return names;
  }

  TTempFolder folder;
  TNameList list;
};

TEST_F(NameListFile, AFreshFileIsEmptyUntilTheFirstSaveAndReadsAsNoPlayers) {
  EXPECT_TRUE(Bytes().empty());
  TNameList again;
  again.FileName = list.FileName;
  again.Load();
  EXPECT_TRUE(again.IsEmpty());
}

TEST_F(NameListFile, ANameIsTrimmedUpperCasedCutTo16AndSavedInItsSlot) {
  list.Add("  ann  ");
  list.Add("bartholomew of the hills");
  EXPECT_EQ(Names(), (std::vector<std::string>{"ANN", "BARTHOLOMEW OF T", "", "", "", ""}));
  EXPECT_EQ(list.Selected(), 2);
  EXPECT_EQ(list.CurrentName(), "BARTHOLOMEW OF T");
  const auto bytes = Bytes();
  ASSERT_EQ(bytes.size(), PlayersFileSize);
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "ANN");
  EXPECT_EQ(bytes[17], 16);
  EXPECT_EQ(bytes[102], 16) << "the current name";
  EXPECT_TRUE(list.Exists(" Ann"));
  list.Add("   ");
  EXPECT_EQ(list.Count(), 2) << "a blank name adds nothing";
}

TEST_F(NameListFile, ASeventhPlayerFindsNoRoom) {
  for (const char* name : {"A", "B", "C", "D", "E", "F"}) list.Add(name);
  EXPECT_TRUE(list.IsFull());
  list.Add("G");
  EXPECT_FALSE(list.Exists("G"));
}

TEST_F(NameListFile, DeletingPlayerTwoOfFourMovesTheLaterOnesUp) {
  for (const char* name : {"A", "B", "C", "D"}) list.Add(name);
  list.Select(2);
  list.DeleteSelected();
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C", "D", "", "", ""}));
  EXPECT_EQ(list.Selected(), 2);
  EXPECT_EQ(list.CurrentName(), "C");
}

TEST_F(NameListFile, PlayersWithoutASaveFileArePrunedAndTheCurrentOneIsFoundAgain) {
  for (const char* name : {"A", "B", "C"}) list.Add(name);
  list.Select(3);
  const std::set<std::string> saved = {"A", "C"};
  list.OnSaveFileExistenceQuestion = [&](const std::string& name, bool& exists) { exists = saved.count(name) != 0; };
  list.PruneAndFindCurrent();
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C", "", "", "", ""}));
  EXPECT_EQ(list.Selected(), 2);
  EXPECT_EQ(list.CurrentName(), "C");
}

// A damaged list loses no player: it is kept aside and the list is found
// again from the save files beside it.
TEST_F(NameListFile, ADamagedFileIsKeptAsideAndTheListRebuiltFromTheSaveFiles) {
  for (const std::size_t size : {std::size_t(357), std::size_t(359), std::size_t(17)}) {
    SCOPED_TRACE(size);
    for (const char* file : {"ZOE.sav", "ANN.sav", "\xC3\x89LODIE.sav", "not a player.txt"})
      std::ofstream(folder.Path() / file) << "x";
    const std::vector<std::uint8_t> damaged(size, 7);
    std::ofstream(list.FileName, std::ios::binary).write(reinterpret_cast<const char*>(damaged.data()), long(size));
    std::string problem;
    list.OnProblem = [&](const std::string& text) { problem = text; };
    list.Load();
    EXPECT_EQ(Names(), (std::vector<std::string>{"ANN", "ZOE", "\xC9LODIE", "", "", ""}));
    EXPECT_EQ(list.CurrentName(), "ANN");
    EXPECT_EQ(Bytes().size(), PlayersFileSize);
    std::ifstream aside(folder.Path() / "Players.dat.damaged", std::ios::binary);
    EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(aside), {}), damaged);
    EXPECT_NE(problem.find("Players.dat"), std::string::npos);
  }
}

// Names become file names: a slot holding what the entry could never type
// is dropped, so no file outside the save folder is ever touched.
TEST_F(NameListFile, ASlotWithANameTheEntryCannotTypeIsDropped) {
  std::array<std::string, TNameList::SlotCount> slots{"ANN", "../X", "B\x01", "zoe", " PAD", "BEN"};
  const auto bytes = EncodePlayers(slots, "../X");
  std::ofstream(list.FileName, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
  list.Load();
  EXPECT_EQ(Names(), (std::vector<std::string>{"ANN", "BEN", "", "", "", ""}));
  EXPECT_EQ(list.CurrentName(), "");
}

TEST_F(NameListFile, APointInARowSelectsItOnlyWhenThatRowHasAPlayer) {
  for (const char* name : {"A", "B"}) list.Add(name);
  list.Left = 100;
  list.Top = 50;
  list.Select(1);
  EXPECT_EQ(list.RowAt(150, 50 + 35 + 10), 2);
  EXPECT_EQ(list.RowAt(150, 50 + 2 * 35 + 10), 1) << "row 3 is empty";
  EXPECT_EQ(list.RowAt(99, 60), 1) << "left of the list";
}

}  // namespace
}  // namespace qm
