// A damaged or missing picture is reported once and left out; every frame is
// still drawn and the game goes on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/PngWriter.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using testing::THeadlessGame;
using TBytes = std::vector<char>;

void WriteBytes(const fs::path& file, const TBytes& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

int EntriesNamed(THeadlessGame& game, const std::string& name) {
  int count = 0;
  for (int i = 0; i < game.Form().OmegaImageList1->Count(); ++i)
    if (game.Form().OmegaImageList1->Item(i).Name == name) ++count;
  return count;
}

// Splash pictures around a damaged one: a good picture sorted before it and
// one after.
class DamagedSplashPicture : public ::testing::Test {
 protected:
  void WriteGoodPictures() {
    for (const char* file : {"LoadingBarFill.png", "SplashBG.png"})
      ASSERT_TRUE(WritePng(Splash() / file, TRgbaImage(20, 10)));
  }
  fs::path Splash() {
    fs::path folder = game.Root() / "program" / "Images" / "Splash";
    fs::create_directories(folder);
    return folder;
  }
  // Runs well past the logos, reading what the lost frames reported.
  void RunPastTheLogos() {
    game.Start();
    ::testing::internal::CaptureStderr();
    game.RunTicks(250);
    report = ::testing::internal::GetCapturedStderr();
  }

  THeadlessGame game;
  std::string report;
};

TEST_F(DamagedSplashPicture, NotAPngIsLeftOutAndTheSplashFollows) {
  WriteGoodPictures();
  WriteBytes(Splash() / "Torn.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'});
  RunPastTheLogos();
  EXPECT_EQ(game.Form().FramesTicked(), 250);
  EXPECT_EQ(game.Device()->FramesPresented, 250) << "no frame is lost";
  EXPECT_NE(report.find("Torn.png"), std::string::npos) << report;
  EXPECT_EQ(game.Scene(), gsSplash);
  EXPECT_EQ(EntriesNamed(game, "LoadingBarFill"), 1) << "a failed folder is not loaded again";
  EXPECT_TRUE(game.Messages().Messages.empty());
}

TEST_F(DamagedSplashPicture, ACutShortPngIsLeftOutAndTheSplashFollows) {
  WriteGoodPictures();
  ASSERT_TRUE(WritePng(Splash() / "Whole.png", TRgbaImage(64, 64)));
  std::ifstream in(Splash() / "Whole.png", std::ios::binary);
  TBytes whole((std::istreambuf_iterator<char>(in)), {});
  fs::remove(Splash() / "Whole.png");
  WriteBytes(Splash() / "Torn.png", TBytes(whole.begin(), whole.begin() + std::ptrdiff_t(whole.size() / 2)));
  RunPastTheLogos();
  EXPECT_EQ(game.Device()->FramesPresented, 250);
  EXPECT_EQ(game.Scene(), gsSplash);
}

TEST_F(DamagedSplashPicture, ACutShortJpegIsLeftOutAndTheSplashFollows) {
  WriteGoodPictures();
  // The start of a JPEG and nothing more.
  WriteBytes(Splash() / "Torn.jpg", {char(0xFF), char(0xD8), char(0xFF), char(0xE0), 0, 16, 'J', 'F', 'I', 'F', 0});
  RunPastTheLogos();
  EXPECT_EQ(game.Device()->FramesPresented, 250);
  EXPECT_NE(report.find("Torn.jpg"), std::string::npos) << report;
  EXPECT_EQ(game.Scene(), gsSplash);
}

TEST(DamagedStartupPicture, ADamagedJpegKeepsNeitherTheOtherJpegsNorThePngsOut) {
  THeadlessGame game;
  fs::path images = game.Root() / "program" / "Images";
  fs::create_directories(images);
  WriteBytes(images / "Broken.jpg", {char(0xFF), char(0xD8), char(0xFF)});
  ASSERT_TRUE(WritePng(images / "Apple.png", TRgbaImage(8, 8)));
  game.Start();
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(game.RunUntilScene(gsSplash, 400));
  game.RunTicks(60);
  std::string report = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(report.find("Broken.jpg"), std::string::npos) << report;
  EXPECT_EQ(EntriesNamed(game, "Apple"), 1) << "the PNG set loads after the JPEGs";
  EXPECT_TRUE(game.Form().LoadingBar->LoadingFinished());
  game.Click(683, 384);
  EXPECT_EQ(game.Scene(), gsAddInitialPlayer) << "the splash takes its click: a first start asks for a name";
}

TEST(DamagedLatePicture, ABackgroundThatCannotLoadIsToldOnceAndEveryFrameStillShows) {
  THeadlessGame game({.WithContent = true});
  game.Start();
  ASSERT_TRUE(game.RunUntilScene(gsSplash, 400));
  game.RunTicks(80);
  // The round's background goes missing: a broken file in its place.
  game.Form().Folders.LateLoadFolder = game.Root() / "late";
  WriteBytes(game.Root() / "late" / "GameBG1.png", {'n', 'o'});
  ::testing::internal::CaptureStderr();
  game.Form().StartLevel();
  const long long presented = game.Device()->FramesPresented;
  game.RunTicks(60);
  std::string report = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(game.Device()->FramesPresented - presented, 60) << "no frame is lost";
  EXPECT_EQ(game.Scene(), gsObjectiveInfo);
  std::size_t first = report.find("GameBG1.png");
  ASSERT_NE(first, std::string::npos) << report;
  EXPECT_EQ(report.find("GameBG1.png", first + 1), std::string::npos) << "told once: " << report;
}

TEST(DamagedStartupPicture, TheOthersStillLoadAndTheSplashCanBeLeft) {
  THeadlessGame game;
  fs::path images = game.Root() / "program" / "Images";
  fs::create_directories(images);
  ASSERT_TRUE(WritePng(images / "Apple.png", TRgbaImage(8, 8)));
  WriteBytes(images / "Broken.png", {'n', 'o', 'p', 'e'});
  ASSERT_TRUE(WritePng(images / "Cherry.png", TRgbaImage(8, 8)));
  game.Start();
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(game.RunUntilScene(gsSplash, 400));
  game.RunTicks(60);
  std::string report = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(report.find("Broken.png"), std::string::npos) << report;
  EXPECT_EQ(EntriesNamed(game, "Apple"), 1);
  EXPECT_EQ(EntriesNamed(game, "Cherry"), 1) << "pictures after the damaged one load too";
  EXPECT_TRUE(game.Form().LoadingBar->LoadingFinished());
  game.Click(683, 384);
  EXPECT_EQ(game.Scene(), gsAddInitialPlayer) << "the splash takes its click: a first start asks for a name";
}

}  // namespace
}  // namespace qm
