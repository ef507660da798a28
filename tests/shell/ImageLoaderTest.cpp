#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/EffectsMode.h"
#include "engine/ImageDecoder.h"
#include "engine/TestJpeg.h"
#include "platform/PngWriter.h"
#include "shell/HeadlessGame.h"
#include "shell/ImageLoader.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

TBytes ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& file, const TBytes& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void WritePicture(const fs::path& file, int width, int height) {
  fs::create_directories(file.parent_path());
  ASSERT_TRUE(WritePng(file, TRgbaImage(width, height)));
}

void WriteJpeg(const fs::path& file, int width, int height) {
  WriteBytes(file, testing::EncodeJpeg(TRgbaImage(width, height), testing::TJpegKind::Baseline, false));
}

// A program folder of our own with the loader and the list it fills; the
// list draws on a recording screen with an open frame.
class ImageLoaderTest : public ::testing::Test {
 protected:
  ImageLoaderTest()
      : platform(CreateHeadlessPlatform()),
        screen(platform->Graphics.get(), *platform->Window, *platform->MessageBox, *platform->Application),
        images(&screen),
        folders(TGameFolders::Build(program.Path(), program.Path() / "save")),
        loader(images, tiles, groups, folders) {
    screen.Width = 1366;
    screen.Height = 768;
    screen.InitDevice();
    screen.BeginFrame();
  }
  ~ImageLoaderTest() override {
    screen.EndFrame();
    ReducedEffectsMode = false;
  }

  fs::path In(const std::string& relative) { return program.Path() / relative; }
  THeadlessScreenDevice& Device() { return static_cast<THeadlessScreenDevice&>(*screen.Device()); }
  std::vector<std::string> Loaded() {
    std::vector<std::string> names;
    for (int i = 0; i < images.Count(); ++i) names.push_back(images.Item(i).Name);
    return names;
  }

  testing::TTempFolder program;
  std::unique_ptr<TPlatform> platform;
  TOmegaScreen screen;
  TOmegaImageList images;
  TSpriteTileCount tiles;
  TLoadedImageList groups;
  TGameFolders folders;
  TImageLoader loader;
};

using TNames = std::vector<std::string>;

using FolderLoads = ImageLoaderTest;

TEST_F(FolderLoads, ThePngPassTakesOnlyPngFilesInAnyCase) {
  WritePicture(In("Images/Menu/PlayButton.png"), 20, 10);
  WritePicture(In("Images/Menu/Shine.PNG"), 20, 10);
  WriteJpeg(In("Images/Menu/Backdrop.jpg"), 16, 16);
  WriteBytes(In("Images/Menu/readme.txt"), {'h', 'i'});
  fs::create_directories(In("Images/Menu/Folder.png"));
  loader.LoadImageFolder(ikMenu);
  EXPECT_EQ(Loaded(), (TNames{"PlayButton", "Shine"}));
}

TEST_F(FolderLoads, TheJpegPassTakesOnlyJpegFiles) {
  WritePicture(In("Images/Splash/LoadingBarBG.png"), 20, 10);
  WriteJpeg(In("Images/Splash/SplashBG.jpg"), 16, 8);
  loader.LoadJpegFolder(ikSplash, false);
  ASSERT_EQ(Loaded(), (TNames{"SplashBG"}));
  EXPECT_EQ(images.FindImage("SplashBG")->PictureWidth(), 16);
  EXPECT_NE(images.FindImage("SplashBG")->Texture(), NoTexture);
}

TEST_F(FolderLoads, FoldersAreFoundWhateverTheirCase) {
  WritePicture(In("images/MENU/PlayButton.png"), 20, 10);
  WriteJpeg(In("images/splash/SplashBG.jpg"), 16, 8);
  loader.LoadImageFolder(ikMenu);
  loader.LoadJpegFolder(ikSplash, false);
  EXPECT_EQ(Loaded(), (TNames{"PlayButton", "SplashBG"}));
}

TEST_F(FolderLoads, AMissingFolderLoadsNothing) {
  loader.LoadImageFolder(ikEnding);
  loader.LoadJpegFolder(ikEnding, false);
  EXPECT_EQ(images.Count(), 0);
}

TEST_F(FolderLoads, EachKindReadsItsOwnFolder) {
  WritePicture(In("Images/Logo/A.png"), 2, 2);
  WritePicture(In("Images/UpgradeScene/B.png"), 2, 2);
  WritePicture(In("Images/Story/C.png"), 2, 2);
  WritePicture(In("Images/Ending/D.png"), 2, 2);
  WritePicture(In("Images/Creatures/Spider/E.png"), 2, 2);
  WritePicture(In("Images/Board/F.png"), 2, 2);
  loader.CreatureIndex = 4;
  for (int kind : {ikLogo, ikUpgradeScene, ikStory, ikEnding, ikCreatures, ikBoard}) loader.LoadImageFolder(kind);
  EXPECT_EQ(Loaded(), (TNames{"A", "B", "C", "D", "E", "F"}));
}

TEST_F(FolderLoads, ReducedEffectsReadTheLighterStoryAndEnding) {
  WritePicture(In("Images/Story/Full.png"), 2, 2);
  WritePicture(In("Images/StoryW10/Light.png"), 2, 2);
  WritePicture(In("Images/EndingW10/LightEnd.png"), 2, 2);
  ReducedEffectsMode = true;
  loader.LoadImageFolder(ikStory);
  loader.LoadImageFolder(ikEnding);
  EXPECT_EQ(Loaded(), (TNames{"Light", "LightEnd"}));
}

TEST_F(FolderLoads, TheSameFolderTwiceGivesDuplicatesAndLookupsFindTheFirst) {
  WritePicture(In("Images/Board/Tile.png"), 4, 4);
  loader.LoadImageFolder(ikBoard);
  loader.LoadImageFolder(ikBoard);
  EXPECT_EQ(Loaded(), (TNames{"Tile", "Tile"}));
  EXPECT_EQ(images.FindImage("Tile"), &images.Item(0));
}

TEST_F(FolderLoads, TheNameIsTheFileNameWithoutItsExtension) {
  WritePicture(In("Images/Board/Level 12.Background.png"), 4, 4);
  loader.LoadImageFolder(ikBoard);
  EXPECT_EQ(Loaded(), (TNames{"Level 12.Background"}));
}

TEST_F(FolderLoads, ASingleFileIsFoundWhateverItsCaseButKeepsTheAskedName) {
  WritePicture(In("Images/Board/level1.PNG"), 4, 4);
  loader.LoadImageFile(ikBoard, "Level1.png", false, false);
  EXPECT_EQ(Loaded(), (TNames{"Level1"}));
}

using PatternGridFromTable = ImageLoaderTest;

TEST_F(PatternGridFromTable, ThePictureIsCutIntoTheTablesGrid) {
  WritePicture(In("Images/ChainLock.png"), 250, 100);
  loader.LoadImageFolder(ikStartup);
  TImageListItem* chain = images.FindImage("ChainLock");
  EXPECT_EQ(chain->TileWidth(), 50);
  EXPECT_EQ(chain->TileHeight(), 50);
  EXPECT_EQ(chain->PatternCount(), 10);
}

TEST_F(PatternGridFromTable, LeftoverPixelsAreDropped) {
  WritePicture(In("Images/ElementPanel.png"), 230, 41);
  loader.LoadImageFolder(ikStartup);
  TImageListItem* panel = images.FindImage("ElementPanel");
  EXPECT_EQ(panel->TileWidth(), 57);
  EXPECT_EQ(panel->PatternColumns(), 4);
  EXPECT_EQ(panel->TileHeight(), 41);
}

TEST_F(PatternGridFromTable, APictureOutsideTheTableIsOnePattern) {
  WritePicture(In("Images/Mystery.png"), 230, 41);
  loader.LoadImageFolder(ikStartup);
  EXPECT_EQ(images.FindImage("Mystery")->TileWidth(), 230);
  EXPECT_EQ(images.FindImage("Mystery")->PatternCount(), 1);
}

TEST_F(PatternGridFromTable, TheTextureIsThePowerOfTwoAboveThePicture) {
  WritePicture(In("Images/Wide.png"), 300, 100);
  loader.LoadImageFolder(ikStartup);
  TImageListItem* wide = images.FindImage("Wide");
  EXPECT_EQ(Device().Textures.at(wide->Texture()).Size(), std::make_pair(512, 128));
}

using Groups = ImageLoaderTest;

TEST_F(Groups, SceneFoldersRecordTheirNamesInLoadOrder) {
  WritePicture(In("Images/Menu/B.png"), 2, 2);
  WritePicture(In("Images/Menu/A.png"), 2, 2);
  WriteJpeg(In("Images/Menu/C.jpg"), 8, 8);
  loader.LoadImageFolder(ikMenu);
  loader.LoadJpegFolder(ikMenu, false);
  EXPECT_EQ(groups.Names(igMenu), (TNames{"A", "B", "C"}));
  EXPECT_TRUE(loader.IsInGroup(igMenu, "A"));
  EXPECT_FALSE(loader.IsInGroup(igMenu, "a"));
  EXPECT_FALSE(loader.IsInGroup(igStory, "A"));
}

TEST_F(Groups, EachSceneKindHasItsGroupAndTheOthersNone) {
  WritePicture(In("Images/UpgradeScene/Up.png"), 2, 2);
  WritePicture(In("Images/Story/Tale.png"), 2, 2);
  WritePicture(In("Images/Ending/End.png"), 2, 2);
  WritePicture(In("Images/Creatures/Dragon/Wing.png"), 2, 2);
  WritePicture(In("Images/Board/Level1.png"), 2, 2);
  WritePicture(In("Images/Splash/SplashBG.png"), 2, 2);
  for (int kind : {ikUpgradeScene, ikStory, ikEnding, ikCreatures, ikBoard, ikSplash}) loader.LoadImageFolder(kind);
  EXPECT_EQ(groups.Names(igUpgradeScene), (TNames{"Up"}));
  EXPECT_EQ(groups.Names(igStory), (TNames{"Tale"}));
  EXPECT_EQ(groups.Names(igEnding), (TNames{"End"}));
  EXPECT_EQ(groups.Names(igCreatures), (TNames{"Wing"}));
  EXPECT_TRUE(groups.Empty(igMenu));
  for (int group = 0; group < kImageGroupCount; ++group) {
    EXPECT_FALSE(loader.IsInGroup(group, "Level1"));
    EXPECT_FALSE(loader.IsInGroup(group, "SplashBG"));
  }
}

TEST_F(Groups, UnloadingFreesTheGroupsPicturesAndEmptiesIt) {
  WritePicture(In("Images/Menu/PlayButton.png"), 2, 2);
  WritePicture(In("Images/Story/Tale.png"), 2, 2);
  WritePicture(In("Images/Board/Level1.png"), 2, 2);
  loader.LoadImageFolder(ikMenu);
  loader.LoadImageFolder(ikStory);
  loader.LoadImageFolder(ikBoard);
  loader.UnloadGroup(igMenu);
  EXPECT_EQ(Loaded(), (TNames{"Tale", "Level1"}));
  EXPECT_TRUE(groups.Empty(igMenu));
  EXPECT_EQ(Device().Textures.size(), 2u);
  EXPECT_FALSE(groups.Empty(igStory));
}

TEST_F(Groups, UnloadingAnEmptyGroupDoesNothing) {
  WritePicture(In("Images/Menu/PlayButton.png"), 2, 2);
  loader.LoadImageFolder(ikMenu);
  loader.UnloadGroup(igEnding);
  EXPECT_EQ(Loaded(), (TNames{"PlayButton"}));
}

TEST_F(Groups, AGroupLoadedTwiceUnloadsBothCopies) {
  WritePicture(In("Images/Menu/PlayButton.png"), 2, 2);
  loader.LoadImageFolder(ikMenu);
  loader.LoadImageFolder(ikMenu);
  loader.UnloadGroup(igMenu);
  EXPECT_EQ(images.Count(), 0);
}

TEST_F(Groups, TheLateFolderStillRecordsTheKindsGroup) {
  WriteJpeg(In("Images/LateLoad/Town1.jpg"), 8, 8);
  loader.LoadJpegFolder(ikUpgradeScene, true);
  EXPECT_EQ(groups.Names(igUpgradeScene), (TNames{"Town1"}));
}

using LateLoads = ImageLoaderTest;

TEST_F(LateLoads, AMissingPictureComesFromTheLateFolderOnlyOnce) {
  WritePicture(In("Images/LateLoad/MapBG.png"), 40, 20);
  WritePicture(In("Images/MapBG.png"), 10, 10);
  int steps = 0;
  loader.OnStartupImageLoaded = [&] { ++steps; };
  loader.EnsureLateImage("MapBG", false);
  loader.EnsureLateImage("MapBG", false);
  EXPECT_EQ(Loaded(), (TNames{"MapBG"}));
  EXPECT_EQ(images.FindImage("MapBG")->PictureWidth(), 40);
  EXPECT_EQ(steps, 1) << "a late load counts as a start-up picture";
}

TEST_F(LateLoads, JpegBackgroundsAreAskedForByTheirJpegName) {
  WriteJpeg(In("Images/LateLoad/GameBG3.jpg"), 16, 16);
  loader.EnsureLateImage("GameBG3", true);
  EXPECT_EQ(Loaded(), (TNames{"GameBG3"}));
}

TEST_F(LateLoads, DrawingLoadsOnFirstUseAndDrawsPatternZeroThere) {
  WritePicture(In("Images/LateLoad/MapBG.png"), 40, 20);
  loader.DrawLateImage("MapBG", 5, 6, false);
  loader.DrawLateImage("MapBG", 5, 6, false);
  EXPECT_EQ(images.Count(), 1);
  ASSERT_EQ(Device().Quads.size(), 2u);
  const auto& quad = Device().Quads[0];
  EXPECT_EQ(quad.Texture, images.FindImage("MapBG")->Texture());
  EXPECT_FLOAT_EQ(quad.Vertices[0].X, 4.5f);
  EXPECT_FLOAT_EQ(quad.Vertices[2].X, 45.0f);
  EXPECT_FLOAT_EQ(quad.Vertices[2].Y, 26.0f);
}

TEST_F(LateLoads, AMissingLatePictureIsReportedOnceAndDrawsNothing) {
  std::vector<std::string> reports;
  loader.OnLoadFailed = [&](const std::string& reason) { reports.push_back(reason); };
  loader.DrawLateImage("Nowhere", 0, 0, false);
  loader.DrawLateImage("Nowhere", 0, 0, false);
  EXPECT_EQ(images.Count(), 0);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("Nowhere.png"), std::string::npos) << reports[0];
  EXPECT_TRUE(Device().Quads.empty());
}

using StartupSet = ImageLoaderTest;

TEST_F(StartupSet, EachPictureMovesTheBarWithThePictureAlreadyInTheList) {
  WritePicture(In("Images/A.png"), 2, 2);
  WritePicture(In("Images/B.png"), 2, 2);
  WriteJpeg(In("Images/C.jpg"), 8, 8);
  TNames seen;
  loader.OnStartupImageLoaded = [&] { seen.push_back(images.Item(images.Count() - 1).Name); };
  loader.LoadJpegFolder(ikStartup, false);
  loader.LoadImageFolder(ikStartup);
  EXPECT_EQ(seen, (TNames{"C", "A", "B"}));
}

TEST_F(StartupSet, OtherKindsDoNotMoveTheBar) {
  WritePicture(In("Images/Splash/SplashBG.png"), 2, 2);
  WritePicture(In("Images/Menu/PlayButton.png"), 2, 2);
  WritePicture(In("Images/Logo/CompanyLogo1.png"), 2, 2);
  int steps = 0;
  loader.OnStartupImageLoaded = [&] { ++steps; };
  for (int kind : {ikSplash, ikMenu, ikLogo}) loader.LoadImageFolder(kind);
  EXPECT_EQ(steps, 0);
}

using BadPictures = ImageLoaderTest;

TEST_F(BadPictures, AMissingFileRaisesAnErrorNamingIt) {
  try {
    loader.LoadImageFile(ikBoard, "Level9.png", false, false);
    FAIL() << "no error raised";
  } catch (const EImageLoadError& error) {
    EXPECT_NE(std::string(error.what()).find("Level9.png"), std::string::npos) << error.what();
  }
  EXPECT_EQ(images.Count(), 0);
}

TEST_F(BadPictures, ACorruptPngIsReportedAndLeftOutAndTheRestOfTheFolderLoads) {
  WritePicture(In("Images/Menu/A.png"), 2, 2);
  WriteBytes(In("Images/Menu/B.png"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
  WritePicture(In("Images/Menu/C.png"), 2, 2);
  std::vector<std::string> reports;
  loader.OnLoadFailed = [&](const std::string& reason) { reports.push_back(reason); };
  loader.LoadImageFolder(ikMenu);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("B.png"), std::string::npos);
  EXPECT_EQ(Loaded(), (TNames{"A", "C"}));
  EXPECT_EQ(groups.Names(igMenu), (TNames{"A", "C"}));
}

TEST_F(BadPictures, ATruncatedPngRaisesAnError) {
  WritePicture(In("Images/Board/Whole.png"), 64, 64);
  TBytes whole = ReadBytes(In("Images/Board/Whole.png"));
  WriteBytes(In("Images/Board/Cut.png"), TBytes(whole.begin(), whole.begin() + std::ptrdiff_t(whole.size() / 2)));
  EXPECT_THROW(loader.LoadImageFile(ikBoard, "Cut.png", false, false), EImageLoadError);
  EXPECT_EQ(images.FindImage("Cut"), nullptr);
}

TEST_F(BadPictures, ATruncatedJpegRaisesAnError) {
  WriteJpeg(In("Images/Board/Whole.jpg"), 64, 64);
  TBytes whole = ReadBytes(In("Images/Board/Whole.jpg"));
  WriteBytes(In("Images/Board/Cut.jpg"), TBytes(whole.begin(), whole.begin() + std::ptrdiff_t(whole.size() * 3 / 4)));
  EXPECT_THROW(loader.LoadImageFile(ikBoard, "Cut.jpg", false, true), EImageLoadError);
}

TEST_F(BadPictures, APngPassedAsJpegRaisesAnError) {
  WritePicture(In("Images/Board/Real.png"), 8, 8);
  fs::copy_file(In("Images/Board/Real.png"), In("Images/Board/Fake.jpg"));
  EXPECT_THROW(loader.LoadImageFile(ikBoard, "Fake.jpg", false, true), EImageLoadError);
}

// The finer pictures: the twin in "Images2x" when the list wants density 2,
// the pack's own otherwise, every size told in units either way.
class FinerPictures : public ImageLoaderTest {
 protected:
  void WritePack(bool withFiner) {
    WritePicture(In("Images/Menu/Sign.png"), 60, 20);
    if (withFiner) WritePicture(In("Images2x/Menu/Sign.png"), 120, 40);
  }
  const THeadlessScreenDevice::TTextureMade& Made(const std::string& name) {
    return Device().Textures.at(images.FindImage(name)->Texture());
  }
};

TEST_F(FinerPictures, DensityTwoTakesTheTwinAndOneThePacksOwn) {
  const struct {
    int Wanted;
    bool Finer;
    int Density;
  } cases[] = {{2, true, 2}, {1, true, 1}, {2, false, 1}, {1, false, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "wanted " << c.Wanted << (c.Finer ? " with" : " without") << " a twin");
    fs::remove_all(In("Images2x"));
    WritePack(c.Finer);
    images.SetDensity(c.Wanted);
    loader.LoadImageFolder(ikMenu);
    const TImageListItem& sign = *images.FindImage("Sign");
    EXPECT_EQ(sign.Density(), c.Density);
    EXPECT_EQ(Made("Sign").Density, c.Density);
    EXPECT_EQ(sign.PictureWidth(), 60) << "sizes stay in units";
    EXPECT_EQ(sign.PictureHeight(), 20);
    EXPECT_EQ(Made("Sign").Size(), std::make_pair(64, 32)) << "so do the texture's";
    loader.UnloadGroup(igMenu);
  }
}

TEST_F(FinerPictures, AChangeOfDensityRemakesTheTexturesFromTheOtherFile) {
  WritePack(true);
  loader.LoadImageFolder(ikMenu);
  ASSERT_EQ(Made("Sign").Density, 1);
  images.SetDensity(2);
  EXPECT_EQ(Made("Sign").Density, 2);
  images.SetDensity(1);
  EXPECT_EQ(Made("Sign").Density, 1);
}

TEST_F(FinerPictures, ATwinThatCannotServeLeavesThePacksOwn) {
  const struct {
    const char* Rule;
    std::function<void(const fs::path&)> Spoil;
  } cases[] = {
      {"damaged", [](const fs::path& file) { WriteBytes(file, {0x89, 'P', 'N', 'G'}); }},
      {"of odd size", [](const fs::path& file) { WritePicture(file, 121, 41); }},
      {"not twice the size", [](const fs::path& file) { WritePicture(file, 100, 40); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Rule);
    WritePack(true);
    c.Spoil(In("Images2x/Menu/Sign.png"));
    images.SetDensity(2);
    loader.LoadImageFolder(ikMenu);
    EXPECT_EQ(Made("Sign").Density, 1);
    EXPECT_EQ(images.FindImage("Sign")->PictureWidth(), 60);
    loader.UnloadGroup(igMenu);
  }
}

TEST_F(FinerPictures, LargePicturesUnusedForAWhileLetGoAndComeBackWhenDrawn) {
  const struct {
    const char* Rule;
    int Density;
    int Units;
    bool LetGo;
  } cases[] = {{"a large finer picture", 2, 512, true},
               {"a small one stays", 2, 256, false},
               {"at the frame's size nothing goes", 1, 512, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Rule);
    WritePicture(In("Images/Menu/Board.png"), c.Units, c.Units);
    WritePicture(In("Images2x/Menu/Board.png"), 2 * c.Units, 2 * c.Units);
    images.SetDensity(c.Density);
    loader.LoadImageFolder(ikMenu);
    TImageListItem& board = *images.FindImage("Board");
    for (long long tick = 0; tick <= TOmegaImageList::kIdleTicks; ++tick) images.LetIdlePicturesGo();
    EXPECT_EQ(board.Texture() == NoTexture, c.LetGo);
    board.Draw(0, 0, 0);
    EXPECT_NE(board.Texture(), NoTexture) << "drawn, it is there again";
    EXPECT_EQ(Made("Board").Density, c.Density);
    loader.UnloadGroup(igMenu);
  }
}

// A language's lettered pictures lie in "Images/<code>/" below the same
// folders; the rest of its pictures are the English ones.
TEST_F(ImageLoaderTest, LetteredPicturesComeInTheLanguageWhereThePackHasThem) {
  WritePicture(In("Images/Menu/PlayButton.png"), 20, 10);
  WritePicture(In("Images/Menu/Shine.png"), 20, 10);
  WritePicture(In("Images/de/MENU/PlayButton.png"), 20, 10);
  WritePicture(In("Images2x/de/Menu/PlayButton.png"), 40, 20);
  WritePicture(In("Images/fr/Menu/Shine.png"), 20, 10);
  struct {
    TLanguage Language;
    std::string PlayButton, Shine;
  } const cases[] = {{lnEnglish, "Images/Menu/PlayButton.png", "Images/Menu/Shine.png"},
                     {lnGerman, "Images/de/MENU/PlayButton.png", "Images/Menu/Shine.png"},
                     {lnFrench, "Images/Menu/PlayButton.png", "Images/fr/Menu/Shine.png"}};
  for (const auto& c : cases) {
    loader.ChangeLanguage(c.Language);
    loader.LoadImageFolder(ikMenu);
    EXPECT_EQ(fs::path(images.FindImage("PlayButton")->Filepath), In(c.PlayButton)) << c.PlayButton;
    EXPECT_EQ(fs::path(images.FindImage("Shine")->Filepath), In(c.Shine)) << c.Shine;
    loader.UnloadGroup(igMenu);
  }
  loader.ChangeLanguage(lnGerman);
  loader.LoadImageFolder(ikMenu);
  EXPECT_EQ(fs::path(images.FindImage("PlayButton")->Filepath2x), In("Images2x/de/Menu/PlayButton.png"));
}

TEST_F(ImageLoaderTest, ALanguageChosenLaterShowsItsPicturesWhenNextDrawn) {
  WritePicture(In("Images/Menu/PlayButton.png"), 20, 10);
  WritePicture(In("Images/Menu/Shine.png"), 20, 10);
  WritePicture(In("Images/fr/Menu/PlayButton.png"), 20, 10);
  loader.LoadImageFolder(ikMenu);
  TImageListItem& play = *images.FindImage("PlayButton");
  TImageListItem& shine = *images.FindImage("Shine");
  const TTextureId shineTexture = shine.Texture();

  loader.ChangeLanguage(lnFrench);
  EXPECT_EQ(play.Texture(), NoTexture) << "the English picture is let go";
  EXPECT_EQ(shine.Texture(), shineTexture) << "a picture without words stays";
  play.Draw(0, 0, 0);
  EXPECT_EQ(fs::path(play.Filepath), In("Images/fr/Menu/PlayButton.png"));
  EXPECT_NE(play.Texture(), NoTexture);

  loader.ChangeLanguage(lnEnglish);
  EXPECT_EQ(fs::path(play.Filepath), In("Images/Menu/PlayButton.png"));
}

}  // namespace
}  // namespace qm
