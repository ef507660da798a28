#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/ImageDecoder.h"
#include "platform/PngWriter.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

class PngWriter : public testing::Test {
 protected:
  void SetUp() override {
    FFolder = fs::temp_directory_path() / ("qm-pngwriter-" + std::to_string(::getpid()) + "-" +
                                           testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(FFolder);
  }
  void TearDown() override {
    fs::permissions(FFolder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(FFolder);
  }

  std::vector<std::string> FolderContents() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(FFolder)) names.push_back(entry.path().filename().string());
    return names;
  }

  fs::path FFolder;
};

// 3 x 2 with every channel different, including partial transparency.
TRgbaImage SmallPicture() {
  TRgbaImage picture(3, 2);
  for (std::size_t i = 0; i < picture.Pixels.size(); ++i) picture.Pixels[i] = std::uint8_t(i * 10);
  return picture;
}

TEST_F(PngWriter, WrittenPictureReadsBackIdentical) {
  const TRgbaImage picture = SmallPicture();
  ASSERT_TRUE(WritePng(FFolder / "frame.png", picture));
  const TRgbaImage read = DecodeImageFile(FFolder / "frame.png");
  EXPECT_EQ(read.Width, 3);
  EXPECT_EQ(read.Height, 2);
  EXPECT_EQ(read.Pixels, picture.Pixels);
}

TEST_F(PngWriter, LeavesOnlyTheFinishedFile) {
  ASSERT_TRUE(WritePng(FFolder / "frame.png", SmallPicture()));
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"frame.png"});
}

TEST_F(PngWriter, ReplacesAnEarlierFile) {
  std::ofstream(FFolder / "frame.png") << "old";
  ASSERT_TRUE(WritePng(FFolder / "frame.png", SmallPicture()));
  EXPECT_EQ(DecodeImageFile(FFolder / "frame.png").Pixels, SmallPicture().Pixels);
}

TEST_F(PngWriter, MissingFolderFails) {
  EXPECT_FALSE(WritePng(FFolder / "nowhere" / "frame.png", SmallPicture()));
}

TEST_F(PngWriter, EmptyOrInconsistentPictureFails) {
  EXPECT_FALSE(WritePng(FFolder / "empty.png", TRgbaImage()));
  TRgbaImage wrong = SmallPicture();
  wrong.Pixels.pop_back();
  EXPECT_FALSE(WritePng(FFolder / "wrong.png", wrong));
  EXPECT_TRUE(FolderContents().empty());
}

TEST_F(PngWriter, TargetThatIsAFolderFailsAndLeavesNoTemporaryFile) {
  fs::create_directories(FFolder / "frame.png" / "inside");
  EXPECT_FALSE(WritePng(FFolder / "frame.png", SmallPicture()));
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"frame.png"});
}

}  // namespace
}  // namespace qm
