#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/FileLookup.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

class FileLookup : public testing::Test {
 protected:
  void SetUp() override {
    FRoot = fs::temp_directory_path() / ("qm-lookup-" + std::to_string(::getpid()) + "-" +
                                         testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(FRoot);
  }
  void TearDown() override { fs::remove_all(FRoot); }

  fs::path Touch(const fs::path& relative) {
    const fs::path path = FRoot / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
    return path;
  }

  static std::vector<std::string> Names(const std::vector<fs::path>& files) {
    std::vector<std::string> names;
    for (const fs::path& file : files) names.push_back(file.filename().string());
    return names;
  }

  fs::path FRoot;
};

TEST_F(FileLookup, ExactNameIsReturnedAsItIs) {
  const fs::path file = Touch("Images/Logo/x.jpg");
  EXPECT_EQ(FindPath(FRoot, "Images/Logo/x.jpg"), file);
}

TEST_F(FileLookup, EveryComponentIsMatchedWithoutCase) {
  const fs::path file = Touch("images/LOGO/X.JPG");
  EXPECT_EQ(FindPath(FRoot, "Images/Logo/x.jpg"), file);
}

TEST_F(FileLookup, BackslashesSeparateComponents) {
  const fs::path file = Touch("images/logo/x.jpg");
  EXPECT_EQ(FindPath(FRoot, "Images\\Logo\\x.jpg"), file);
}

TEST_F(FileLookup, ExactSpellingWinsOverOtherCases) {
  Touch("images/a.png");
  const fs::path exact = Touch("Images/a.png");
  EXPECT_EQ(FindPath(FRoot, "Images/a.png"), exact);
}

TEST_F(FileLookup, SeveralCaseMatchesGiveTheFirstByName) {
  const fs::path first = Touch("IMAGES/a.png");
  Touch("images/a.png");
  EXPECT_EQ(FindPath(FRoot, "Images/A.png"), first);
}

TEST_F(FileLookup, FolderItselfIsFound) {
  Touch("Images/Menu/a.png");
  EXPECT_EQ(FindPath(FRoot, "images/menu"), FRoot / "Images/Menu");
}

TEST_F(FileLookup, MissingNameGivesAnEmptyPath) {
  Touch("Images/a.png");
  EXPECT_TRUE(FindPath(FRoot, "Images/b.png").empty());
  EXPECT_TRUE(FindPath(FRoot, "Sounds/a.png").empty());
  EXPECT_TRUE(FindPath(FRoot, "Images/a.png/b.png").empty()) << "a file is not a folder";
}

TEST_F(FileLookup, OnlyWholeNamesMatch) {
  Touch("Images/ab.png");
  EXPECT_TRUE(FindPath(FRoot, "Images/a.png").empty());
  EXPECT_TRUE(FindPath(FRoot, "Images/abc.png").empty());
}

TEST_F(FileLookup, ListingKeepsFilesOfTheExtensionInAnyCase) {
  Touch("Images/b.png");
  Touch("Images/a.PNG");
  Touch("Images/c.jpg");
  Touch("Images/d.png.bak");
  Touch("Images/png");
  EXPECT_EQ(Names(ListFiles(FRoot / "Images", ".png")), (std::vector<std::string>{"a.PNG", "b.png"}));
  EXPECT_EQ(Names(ListFiles(FRoot / "Images", "jpg")), (std::vector<std::string>{"c.jpg"}));
}

TEST_F(FileLookup, ListingSkipsFoldersAndSubfolderContents) {
  Touch("Images/a.png");
  Touch("Images/Menu.png/b.png");
  Touch("Images/Menu/c.png");
  EXPECT_EQ(Names(ListFiles(FRoot / "Images", ".png")), (std::vector<std::string>{"a.png"}));
}

TEST_F(FileLookup, ListingIsSortedByName) {
  for (const char* name : {"Web.png", "Birds.png", "fog.png", "Confetti.png", "Aa.png"}) Touch(fs::path("Images") / name);
  EXPECT_EQ(Names(ListFiles(FRoot / "Images", ".png")),
            (std::vector<std::string>{"Aa.png", "Birds.png", "Confetti.png", "Web.png", "fog.png"}));
}

TEST_F(FileLookup, ListingFindsTheFolderWithoutCase) {
  const fs::path file = Touch("images/menu/a.png");
  EXPECT_EQ(ListFiles(FRoot / "Images/Menu", ".png"), (std::vector<fs::path>{file}));
}

TEST_F(FileLookup, ListingAMissingFolderGivesNothing) {
  EXPECT_TRUE(ListFiles(FRoot / "Nowhere", ".png").empty());
}

}  // namespace
}  // namespace qm
