#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include <unistd.h>

#include "content/ImageHeader.h"
#include "engine/ImageCatalogue.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGameDir = QUILLMERE_GAME_DIR;
constexpr const char* kOtherLanguages[] = {"de", "fr"};

// The two font pictures come from the font renderer, which has its own tests.
bool DrawnByPictureGenerator(const qm::TCatalogueImage& image) {
  return image.Name != qm::img::GlobalFontWhite && image.Name != qm::img::CommentFont;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::map<std::string, std::string> PackFiles(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file()) files[fs::relative(entry.path(), root).generic_string()] = ReadBytes(entry.path());
  return files;
}

bool IsPicture(const fs::path& file) { return file.extension() == ".png" || file.extension() == ".jpg"; }

}  // namespace

TEST(PicturePack, EveryPictureIsInItsFolderWithItsFormatAndSize) {
  for (const auto& image : qm::ImageCatalogue()) {
    if (!DrawnByPictureGenerator(image)) continue;
    SCOPED_TRACE(image.RelativePath());
    const auto header = qm::test::ReadImageHeader(kGameDir / image.RelativePath());
    ASSERT_TRUE(header.Png || header.Jpeg) << "missing or unreadable";
    EXPECT_EQ(header.Jpeg, image.Format == qm::TImageFormat::Jpeg);
    EXPECT_EQ(header.Width, image.Width);
    EXPECT_EQ(header.Height, image.Height);
    EXPECT_EQ(header.Width % image.Columns, 0) << "width is not a whole number of patterns";
    EXPECT_EQ(header.Height % image.Rows, 0) << "height is not a whole number of patterns";
  }
}

TEST(PicturePack, FontPicturesHaveTheGridTheFontRendererDraws) {
  const auto* normal = qm::FindCatalogueImage(qm::img::GlobalFontWhite);
  const auto* comment = qm::FindCatalogueImage(qm::img::CommentFont);
  ASSERT_TRUE(normal && comment);
  EXPECT_EQ(normal->RelativePath(), "Images/GlobalFontWhite.png");
  EXPECT_EQ(normal->PatternWidth(), 32);
  EXPECT_EQ(normal->PatternHeight(), 40);
  EXPECT_EQ(normal->Width, 896);
  EXPECT_EQ(normal->Height, 200);
  EXPECT_EQ(comment->RelativePath(), "Images/CommentFont.png");
  EXPECT_EQ(comment->Width, 672);
  EXPECT_EQ(comment->Height, 280);
}

TEST(PicturePack, LoadedFoldersHoldOnlyCataloguePictures) {
  // every picture in a loaded folder is loaded, so a stray file would be too;
  // a language's folder holds copies of catalogue pictures only
  std::set<std::string> known;
  for (const auto& image : qm::ImageCatalogue()) {
    known.insert(image.RelativePath());
    for (const char* code : kOtherLanguages) known.insert(qm::PathInLanguage(image.RelativePath(), code));
  }
  for (const auto& entry : fs::recursive_directory_iterator(kGameDir / "Images"))
    if (entry.is_regular_file() && IsPicture(entry.path())) {
      EXPECT_TRUE(known.contains(fs::relative(entry.path(), kGameDir).generic_string())) << entry.path();
    }
}

// The pictures with words are drawn again in each language, at both
// densities, at the size of the English picture they stand in for.
TEST(PicturePack, EachLanguageHasEveryLetteredPicture) {
  const auto lettered = [](const std::string& code) {
    std::set<std::string> files;
    const fs::path root = kGameDir / "Images" / code;
    for (const auto& entry : fs::recursive_directory_iterator(root))
      if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root).generic_string());
    return files;
  };
  const std::set<std::string> german = lettered("de");
  for (const char* picture : {"Menu/PlayButton.png", "Menu/HighScoresButton.png", "Menu/ChangePlayerLink.png",
                              "WindowOKButton.png", "StorySkipButton.png", "Paused.png", "ObjInfoTitle.png",
                              "ComboText.png", "ComboBadge.png", "EnergyBonusText.png",
                              "Splash/LoadingBarText.png", "LateLoad/Help1.jpg"})
    EXPECT_TRUE(german.contains(picture)) << picture;
  for (const char* code : kOtherLanguages) {
    EXPECT_EQ(lettered(code), german) << code;
    for (const std::string& picture : german) {
      const std::string english = "Images/" + picture;
      const auto own = qm::test::ReadImageHeader(kGameDir / english);
      const auto copy = qm::test::ReadImageHeader(kGameDir / qm::PathInLanguage(english, code));
      const auto finer = qm::test::ReadImageHeader(kGameDir / qm::PathAtDensity(qm::PathInLanguage(english, code), 2));
      EXPECT_TRUE(copy.Width == own.Width && copy.Height == own.Height && own.Width > 0) << code << " " << picture;
      EXPECT_TRUE(finer.Width == 2 * own.Width && finer.Height == 2 * own.Height) << code << " " << picture;
    }
  }
}

TEST(PicturePack, CompanyLogosAreJpegAndMenuPicturesArePng) {
  for (const auto& image : qm::ImageCatalogue()) {
    if (image.Folder == qm::folder::Logo) {
      EXPECT_EQ(image.Format, qm::TImageFormat::Jpeg) << image.Name;
    }
    if (image.Folder == qm::folder::Menu) {
      EXPECT_EQ(image.Format, qm::TImageFormat::Png) << image.Name;
    }
  }
  EXPECT_EQ(qm::FindCatalogueImage("MapBG")->RelativePath(), "Images/LateLoad/MapBG.png");
  EXPECT_EQ(qm::FindCatalogueImage("GameBG3")->RelativePath(), "Images/LateLoad/GameBG3.png");
  EXPECT_EQ(qm::FindCatalogueImage("Help1")->RelativePath(), "Images/LateLoad/Help1.jpg");
}

TEST(PicturePack, NamesAreUniqueAmongFoldersLoadedTogether) {
  // story, ending and creature folders are loaded one at a time; all others can be in memory at once
  auto alwaysTogether = [](const std::string& folder) {
    return folder.find("Story") == std::string::npos && folder.find("Ending") == std::string::npos &&
           folder.find("Creatures") == std::string::npos;
  };
  std::set<std::string> seen;
  for (const auto& image : qm::ImageCatalogue())
    if (alwaysTogether(image.Folder)) {
      EXPECT_TRUE(seen.insert(image.Name).second) << image.Name;
    }
}

TEST(PicturePack, EveryCreatureFolderHasTheSameMonsterPictures) {
  for (int kind = 0; kind < 5; ++kind) {
    const std::string folder = qm::CreatureFolder(kind);
    for (auto name : {qm::img::MonsterWalk, qm::img::MonsterFront, qm::img::MonsterDeath, qm::img::MonsterShadow})
      EXPECT_NE(qm::FindCatalogueImage(folder, name), nullptr) << folder << "/" << name;
  }
  EXPECT_EQ(qm::CreatureFolder(4), "Images/Creatures/Spider");
}

TEST(PicturePack, ChosenMultiPatternPicturesExtendThePatternTable) {
  std::map<std::string, std::pair<int, int>> extras;
  for (const auto* image : qm::ExtraPatternEntries()) extras[image->Name] = {image->Columns, image->Rows};
  EXPECT_EQ(extras.at("Locker"), std::make_pair(3, 1));
  EXPECT_EQ(extras.at("MonsterWalk"), std::make_pair(7, 1));
  EXPECT_EQ(extras.at("ChatCharacter1"), std::make_pair(qm::ChatMouthPatterns, qm::ChatPoses));
  EXPECT_EQ(extras.at("ChatMainChar2"), std::make_pair(qm::ChatMouthPatterns, qm::ChatPoses));
  EXPECT_FALSE(extras.contains("Elements"));  // already in the fixed table
  EXPECT_FALSE(extras.contains("MapStamp"));  // a single pattern needs no entry
}

// The generator draws, writes and synthesises the same bytes every time:
// one more run of a sample that takes in every generator (pictures, fonts,
// texts, levels, prices, sounds, music, voices and icons), against the pack
// and the icons the build made.
TEST(PicturePack, GeneratingAgainGivesIdenticalFiles) {
  const fs::path root = fs::temp_directory_path() / ("quillmere-pack-" + std::to_string(::getpid()));
  fs::remove_all(root);
  const std::string command = std::string("\"") + QUILLMERE_CONTENTGEN + "\" --out \"" + (root / "game").string() +
                              "\" --icons \"" + (root / "icons").string() + "\" --sample 6 > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const char* folder : {"game", "icons"}) {
    const auto fresh = PackFiles(root / folder);
    const fs::path built = folder == std::string("game") ? kGameDir : kGameDir.parent_path() / "icons";
    ASSERT_GT(fresh.size(), folder == std::string("game") ? 60u : 4u) << folder;
    for (const auto& [name, bytes] : fresh)
      EXPECT_TRUE(ReadBytes(built / name) == bytes) << folder << "/" << name << " differs";
  }
  fs::remove_all(root);
}
