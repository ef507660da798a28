#include "shell/GameFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <fstream>

#include "shell/HeadlessGame.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using testing::TTempFolder;

TEST(FolderNames, DataFoldersSitBesideTheProgram) {
  auto folders = TGameFolders::Build("/games/quillmere", "/home/ann/.local/share");
  EXPECT_EQ(folders.LevelsFolder, fs::path("/games/quillmere/Levels"));
  EXPECT_EQ(folders.TextsFolder, fs::path("/games/quillmere/Texts"));
  EXPECT_EQ(folders.LogoFolder, fs::path("/games/quillmere/Images/Logo"));
  EXPECT_EQ(folders.GriffinFolder, fs::path("/games/quillmere/Images/Creatures/Griffin"));
  EXPECT_EQ(folders.ChatVoicesFolder, fs::path("/games/quillmere/Voices/Chats"));
  EXPECT_EQ(folders.SaveFolder, fs::path("/home/ann/.local/share/Quillmere - Qvx"));
}

TEST(SaveRoot, TheLastFolderThatAnswersWins) {
  TTestOperatingSystem system;
  system.SaveRoots = {fs::path("/first"), fs::path("/second")};
  EXPECT_EQ(ChooseSaveRoot(system), fs::path("/second"));
  system.SaveRoots = {fs::path("/first"), std::nullopt};
  EXPECT_EQ(ChooseSaveRoot(system), fs::path("/first"));
}

TEST(SaveRoot, NoFolderAtAllIsAnError) {
  TTestOperatingSystem system;
  system.SaveRoots = {std::nullopt, std::nullopt};
  EXPECT_THROW(ChooseSaveRoot(system), ENoSaveRoot);
}

class SaveFolderCreation : public ::testing::Test {
 protected:
  TTempFolder Temp;
  TTestOperatingSystem System;
  THeadlessMessageBox Messages;
};

TEST_F(SaveFolderCreation, MakesTheRootWithItsParentsAndTheSaveFolder) {
  auto folders = TGameFolders::Build("/unused", Temp.Path() / "home" / ".local" / "share");
  CreateSaveFolders(System, Messages, folders);
  EXPECT_TRUE(fs::is_directory(folders.SaveFolder));
  EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(SaveFolderCreation, ARootThatCannotBeMadeGivesBothMessages) {
  std::ofstream(Temp.Path() / "plainfile") << "x";
  auto folders = TGameFolders::Build("/unused", Temp.Path() / "plainfile" / "share");
  CreateSaveFolders(System, Messages, folders);
  ASSERT_EQ(Messages.Messages.size(), 2u);
  EXPECT_EQ(Messages.Messages[0].Text, "Error: could not create game save folder. (#1)");
  EXPECT_EQ(Messages.Messages[1].Text, "Error: could not create game save folder. (#2)");
}

TEST_F(SaveFolderCreation, ASaveFolderThatCannotBeMadeGivesTheSecondMessage) {
  auto folders = TGameFolders::Build("/unused", Temp.Path());
  std::ofstream(folders.SaveFolder) << "a file where the folder should be";
  CreateSaveFolders(System, Messages, folders);
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_EQ(Messages.Messages[0].Text, "Error: could not create game save folder. (#2)");
}

class UsableSaveFolder : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(Save); }
  void MakePlayers(const fs::path& folder) { std::ofstream(folder / "Players.dat") << ""; }

  TTempFolder Temp;
  TTestOperatingSystem System;
  fs::path Save = Temp.Path() / "Quillmere - Qvx";
};

TEST_F(UsableSaveFolder, AFolderWithoutPlayersIsKept) { EXPECT_EQ(ChooseUsableSaveFolder(System, Save), Save); }

TEST_F(UsableSaveFolder, AFolderThatCouldNotBeMadeIsNotUsable) {
  EXPECT_FALSE(IsUsableSaveFolder(System, Temp.Path() / "never made"));
}

TEST(SaveRoot, ARelativeDataHomeIsIgnored) {
  TPosixOperatingSystem system;
  const char* home = std::getenv("HOME");
  const std::string savedHome = home ? home : "";
  ::setenv("HOME", "/home/ann", 1);
  ::setenv("XDG_DATA_HOME", "relative/share", 1);
  const auto candidates = system.SaveRootCandidates();
  ::setenv("HOME", savedHome.c_str(), 1);
  ::unsetenv("XDG_DATA_HOME");
  ASSERT_EQ(candidates.size(), 2u);
  EXPECT_EQ(candidates[0], fs::path("/home/ann/.local/share"));
  EXPECT_EQ(candidates[1], std::nullopt);
}

TEST_F(UsableSaveFolder, AWritablePlayersFileIsKept) {
  MakePlayers(Save);
  EXPECT_EQ(ChooseUsableSaveFolder(System, Save), Save);
}

TEST_F(UsableSaveFolder, AReadOnlyPlayersFileMovesToSubFolderOne) {
  MakePlayers(Save);
  System.ReadOnlyFiles = {Save / "Players.dat"};
  EXPECT_EQ(ChooseUsableSaveFolder(System, Save), Save / "1");
  EXPECT_TRUE(fs::is_directory(Save / "1"));
}

TEST_F(UsableSaveFolder, APlayersFileThatIsAFolderCannotBeOpened) {
  fs::create_directories(Save / "Players.dat");
  EXPECT_EQ(ChooseUsableSaveFolder(System, Save), Save / "1");
}

TEST_F(UsableSaveFolder, UnusableNumberedFoldersAreSkipped) {
  MakePlayers(Save);
  fs::create_directories(Save / "1");
  MakePlayers(Save / "1");
  System.ReadOnlyFiles = {Save / "Players.dat", Save / "1" / "Players.dat"};
  EXPECT_EQ(ChooseUsableSaveFolder(System, Save), Save / "2");
}

TEST_F(UsableSaveFolder, AnExistingUsableNumberedFolderIsTaken) {
  MakePlayers(Save);
  System.ReadOnlyFiles = {Save / "Players.dat"};
  fs::create_directories(Save / "1");
  MakePlayers(Save / "1");
  EXPECT_EQ(ChooseUsableSaveFolder(System, Save), Save / "1");
}

}  // namespace
}  // namespace qm
