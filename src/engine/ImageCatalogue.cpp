#include "engine/ImageCatalogue.h"

#include "engine/SpriteTileCount.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace qm {

namespace {

constexpr std::array<std::string_view, 5> kCreatureFolders = {"Dragon", "Demon", "Warg", "Griffin", "Spider"};

// Full-screen pictures cover the whole 1366 x 768 frame.
constexpr int kScreenW = 1366;
constexpr int kScreenH = 768;

class TCatalogueBuilder {
 public:
  std::vector<TCatalogueImage> Images;

  // Adds a picture given its pattern size, so every picture is an exact
  // multiple of its grid.
  void Grid(std::string_view name, std::string_view folder, int patternW, int patternH, int columns, int rows,
            TImageFormat format = TImageFormat::Png) {
    Images.push_back({std::string(name), std::string(folder), format, patternW * columns, patternH * rows, columns,
                      rows});
  }
  void Single(std::string_view name, std::string_view folder, int w, int h, TImageFormat format = TImageFormat::Png) {
    Grid(name, folder, w, h, 1, 1, format);
  }
  void Jpeg(std::string_view name, std::string_view folder, int w, int h) {
    Single(name, folder, w, h, TImageFormat::Jpeg);
  }
  void Numbered(std::string_view prefix, int first, int last, std::string_view folder, int w, int h,
                TImageFormat format = TImageFormat::Png) {
    for (int n = first; n <= last; ++n) Single(std::string(prefix) + std::to_string(n), folder, w, h, format);
  }
};

std::string StoryName(int strip) {
  char name[16];
  std::snprintf(name, sizeof name, "Story-%2.2d", strip);
  return name;
}

void AddStartAndMenu(TCatalogueBuilder& b) {
  using enum TImageFormat;
  const auto I = folder::Images;

  b.Numbered("CompanyLogo", 1, 3, folder::Logo, kScreenW, kScreenH, Jpeg);
  b.Jpeg("WhiteRect", folder::Logo, 683, 384);

  b.Jpeg("SplashBG", folder::Splash, kScreenW, kScreenH);
  b.Single("LoadingBarBG", folder::Splash, 560, 72);
  b.Single("LoadingBarFill", folder::Splash, 516, 28);
  b.Single("LoadingBarGlass", folder::Splash, 516, 28);
  b.Grid("LoadingBarText", folder::Splash, 300, 26, 1, 2);

  b.Single("TransDark", I, 862, 860);
  b.Single("TransSpin", I, 456, 452);

  const auto M = folder::Menu;
  b.Single("WelcomePanel", M, 440, 96);
  b.Single("ChangePlayerLink", M, 220, 34);
  b.Single("MenuPanel", M, 330, 420);
  b.Single("MenuPanel_Top", M, 330, 110);
  b.Single("PlayButton", M, 260, 84);
  for (auto name : {"OptionsButton", "HighScoresButton", "ExitButton", "HelpButton"}) b.Single(name, M, 240, 58);
}

void AddWindows(TCatalogueBuilder& b) {
  const auto I = folder::Images;
  b.Single("NameListWindow", I, 468, 386);
  b.Single("NameListSelection", I, 356, 40);
  b.Grid("NameListNewButton", I, 150, 48, 1, 2);
  b.Grid("NameListDeleteButton", I, 150, 48, 1, 2);
  b.Single("AddNameWindow", I, 466, 226);
  b.Single("InfoWindow", I, 406, 394);
  b.Single("HighScoreLine", I, 300, 46);
  b.Single("WindowOKButton", I, 140, 48);
  b.Grid("WindowCancelButton", I, 140, 48, 1, 2);
  b.Single("WindowDoneButton", I, 140, 48);
  b.Single("WindowYesButton", I, 140, 48);
  b.Single("WindowNoButton", I, 140, 48);
  b.Jpeg("Help1", folder::LateLoad, kScreenW, kScreenH);

  b.Single("OptionsWindow", I, 446, 446);
  for (auto name : {"LanguageEnglish", "LanguageGerman", "LanguageFrench"}) b.Grid(name, I, 120, 36, 1, 4);
  b.Single("CreditsButton", I, 160, 44);
  for (auto name : {"CheckBoxSound", "CheckBoxMusic", "CheckBoxFullscreen", "CheckBoxTutorial", "CheckBoxEffects"})
    b.Grid(name, I, 30, 30, 1, 4);
  b.Grid("VolumeMinusButton", I, 32, 32, 4, 1);
  b.Grid("VolumePlusButton", I, 32, 32, 4, 1);
  b.Single("VolumeFill", I, 123, 22);
  b.Single("VolumeGlass", I, 125, 22);

  b.Single("InGameMenuWindow", I, 256, 424);
  for (auto name : {"InGameResumeButton", "InGameOptionsButton", "InGameHelpButton", "InGameToMenuButton"})
    b.Single(name, I, 200, 52);
  b.Grid("InGameRestartButton", I, 200, 52, 1, 2);
  b.Single("InGameMenuButton", I, 110, 44);

  b.Single("ConfirmWindow", I, 406, 188);
}

void AddMapAndRound(TCatalogueBuilder& b) {
  const auto I = folder::Images;
  b.Single("MapBG", folder::LateLoad, kScreenW, kScreenH);
  b.Numbered("MapRoom", 1, 5, I, 240, 150);
  b.Single("CornerLeftPanel", I, 300, 120);
  b.Single("CornerRightPanel", I, 300, 120);
  b.Single("MapMenuButton", I, 140, 48);
  b.Single("MapPlayButton", I, 180, 60);
  b.Single(img::MapStamp, I, 120, 120);
  b.Grid(img::MapIslandMarker, I, 64, 80, 2, 1);

  b.Numbered("GameBG", 1, 5, folder::LateLoad, kScreenW, kScreenH);
  b.Single("LeftPanel", I, 134, 520);
  b.Single("TopPanel", I, 1362, 80);
  b.Single("ElementsPanel", I, 620, 72);
  b.Grid("ElementPanel", I, 121, 64, 4, 1);
  b.Grid("Elements", I, 52, 52, 23, 1);
  b.Grid("ElementGatherNumber", I, 15, 20, 10, 1);
  b.Grid("ElementGatherNumberBlur", I, 15, 25, 3, 1);
  b.Grid("Score", I, 15, 20, 10, 1);
  b.Grid("ScoreBlur", I, 15, 25, 3, 1);
  b.Grid("LevelInfoDigit", I, 14, 18, 10, 1);
  b.Grid("MannaEnergy", I, 96, 100, 2, 1);
  b.Single("MannaEnergyLiquid", I, 88, 80);
  b.Grid("MannaEnergyWave", I, 36, 13, 1, 6);
  b.Grid("ComboText", I, 160, 60, 4, 1);
  b.Grid("EnergyBonusText", I, 160, 50, 3, 1);
  b.Single("Paused", I, 240, 70);
  b.Single("ObjInfoShadow", I, 340, 60);
  b.Grid("ObjInfoLogo", I, 120, 120, 2, 1);
  b.Grid("ObjInfoTitle", I, 280, 50, 1, 2);
  b.Single(img::TimerTube, I, 44, 340);
  b.Single(img::TimerTubeLiquid, I, 22, 305);
  b.Grid(img::TubeMedalMarks, I, 24, 24, 2, 1);
  b.Single(img::ScreenDarkener, I, 64, 64);
  b.Single(img::FocusRing, I, 48, 48);
  b.Single(img::WrenPocket, I, 200, 70);
  b.Grid(img::ComboBadge, I, 100, 100, 3, 1);
  b.Grid(img::ToolCounterDigit, I, 12, 16, 10, 1);
}

void AddBoardAndTools(TCatalogueBuilder& b) {
  const auto I = folder::Images;
  b.Grid("BackgroundTile", I, 56, 56, 2, 1);
  b.Grid("BubbleInside", I, 52, 52, 16, 1);
  b.Grid("TileSelection", I, 56, 56, 2, 1);
  b.Grid("ChainLock", I, 52, 52, 5, 2);
  b.Grid("Web", I, 52, 52, 6, 1);
  b.Single("ToolHighlight", I, 52, 52);
  b.Grid("ElementsFlashHorz", I, 104, 52, 9, 2);
  b.Grid("ElementsFlashVert", I, 52, 104, 18, 1);
  b.Grid("BoardBorder", I, 32, 32, 4, 6);
  b.Grid("BrownTile", I, 52, 52, 2, 2);
  b.Grid("TileShine", I, 52, 52, 2, 1);
  b.Grid(img::Locker, I, 52, 52, 3, 1);
  b.Grid(img::GoldTileFrame, I, 56, 56, 2, 1);
  b.Grid(img::LockerDebris, I, 20, 20, 4, 1);
  b.Grid(img::BitingWorm, I, 55, 65, 4, 1);
  b.Grid(img::Explosion, I, 104, 104, 6, 1);
  b.Grid(img::BubblePopRing, I, 60, 60, 4, 1);
  b.Single(img::HammerStrike, I, 80, 80);
  b.Single(img::SparkleStar, I, 32, 32);
  b.Single(img::BoardFrame, I, 864, 656);

  b.Grid("CollectorTool", I, 66, 65, 5, 1);
  b.Grid("BombTool", I, 66, 56, 4, 1);
  b.Grid("HammerTool", I, 66, 53, 4, 1);
  b.Grid("HorzLightningTool", I, 66, 56, 4, 1);
  b.Grid("VertLightningTool", I, 66, 56, 4, 1);
  b.Grid("BigBombTool", I, 66, 60, 4, 1);
  b.Grid(img::BroomTool, I, 66, 56, 4, 1);
  b.Grid(img::MagicKeyTool, I, 66, 56, 4, 1);
  b.Grid(img::AerosolTool, I, 66, 56, 4, 1);
  b.Grid(img::MagicKeyOpening, I, 60, 60, 3, 1);
  b.Single(img::AerosolSpray, I, 171, 158);

  b.Grid("SpiderWalking", I, 48, 48, 1, 9);
  b.Grid("SpiderAnchoring", I, 48, 48, 1, 7);
  b.Grid("SpiderMakingWeb", I, 48, 48, 1, 4);
  b.Grid("SpiderHit", I, 48, 48, 1, 6);

  for (int kind = 0; kind < int(kCreatureFolders.size()); ++kind) {
    const std::string f = CreatureFolder(kind);
    b.Grid(img::MonsterWalk, f, 160, 140, 7, 1);
    b.Grid(img::MonsterFront, f, 160, 140, 2, 1);
    b.Grid(img::MonsterDeath, f, 160, 140, 7, 1);
    b.Single(img::MonsterShadow, f, 140, 40);
  }
  b.Single(img::MonsterAura, I, 200, 200);
  b.Grid(img::MonsterKOStars, I, 80, 40, 4, 1);
  b.Single(img::AbsorbedEnergy, I, 32, 32);
}

void AddUpgradeScene(TCatalogueBuilder& b) {
  const auto I = folder::Images;
  const auto U = folder::UpgradeScene;
  b.Numbered("ciBG", 1, 5, folder::LateLoad, kScreenW, kScreenH, TImageFormat::Jpeg);
  b.Single("UpgSceneCloudBG", U, 683, 384);
  b.Single("UpgSceneCloudCover", U, 1372, 160);
  struct TSticker {
    std::string_view Name;
    int W, H;
  };
  // Sized to their places in the town picture.
  constexpr TSticker stickers[] = {
      {"Upg1-1", 180, 150}, {"Upg1-2", 220, 170}, {"Upg1-3", 200, 190}, {"Upg1-4", 240, 250},
      {"Upg2-1", 180, 200}, {"Upg2-2", 200, 180}, {"Upg2-3", 160, 150}, {"Upg2-4", 200, 200},
      {"Upg3-1", 190, 160}, {"Upg3-2", 170, 150}, {"Upg3-3a", 160, 140}, {"Upg3-3b", 180, 160},
      {"Upg3-4", 220, 150}, {"Upg4-1", 180, 170}, {"Upg4-2", 180, 240}, {"Upg4-3", 190, 160},
      {"Upg4-4", 170, 130}, {"Upg5-1", 200, 180}, {"Upg5-2", 170, 150}, {"Upg5-3", 150, 140},
      {"Upg5-4a", 110, 130}, {"Upg5-4b", 105, 140}, {"Zeppelin", 360, 170},
  };
  for (const auto& s : stickers) b.Single(s.Name, U, s.W, s.H);

  b.Single("BuySlotsPanelA", I, 900, 130);
  b.Single("BuySlotsPanelB", I, 300, 170);
  b.Grid("BuySlotIcons", I, 84, 84, 4, 5);
  b.Grid("BuySlotIcons_Gray", I, 84, 84, 4, 5);
  b.Single("BuySlotGlassCover", I, 205, 110);
  b.Single("BuySlotLock", I, 100, 56);
  b.Grid("BuySlotBuyButton", I, 100, 48, 1, 2);
  b.Single("BookPlayButton", I, 180, 60);
  b.Grid("BookProgressTube", I, 300, 44, 1, 3);
  b.Single("BookProgressTubeFill", I, 251, 19);
  b.Grid("BookProgressFillEdge", I, 12, 19, 6, 1);
  b.Grid(img::SmallWren, I, 120, 160, 4, 1);
  b.Single(img::BuySlotsInfo, I, 320, 180);

  b.Single("StageResultWindow", I, 406, 446);
  b.Single("FeatureShine", I, 128, 128);
  b.Grid("ResultTrophy", I, 160, 180, 3, 1);
  b.Single("ResultStatsHighlight", I, 150, 40);
  b.Grid("ElementIcons", I, 40, 40, 5, 1);
}

void AddStoryAndText(TCatalogueBuilder& b) {
  using enum TImageFormat;
  const auto I = folder::Images;
  for (int strip = 1; strip <= 5; ++strip) {
    b.Jpeg(StoryName(strip), folder::Story, kScreenW, 578);
    b.Jpeg(StoryName(strip), folder::StoryReduced, kScreenW, kScreenH);
  }
  for (int strip = 1; strip <= 3; ++strip) {
    b.Jpeg(StoryName(strip), folder::Ending, kScreenW, 578);
    b.Jpeg(StoryName(strip), folder::EndingReduced, kScreenW, kScreenH);
  }
  b.Grid("StoryBGMask", I, 683, 48, 1, 2);
  b.Single("StoryDarkCorners", I, 342, 192);
  b.Single("BlackRect", I, 683, 384);
  b.Single("StorySkipButton", I, 140, 44);

  b.Single("MovieEffectMask", I, 683, 384);
  for (int client = 1; client <= 6; ++client)
    b.Grid("ChatCharacter" + std::to_string(client), I, 280, 440, ChatMouthPatterns, ChatPoses);
  b.Grid("ChatMainChar", I, 280, 440, ChatMouthPatterns, ChatPoses);
  b.Grid("ChatMainChar2", I, 280, 440, ChatMouthPatterns, ChatPoses);
  b.Grid("ChapterDialogBalloon", I, 390, 24, 1, 3);
  b.Single("ChapterDialogBalloonTail", I, 48, 40);

  b.Single("TutorialScroll", I, 560, 380);
  b.Grid("TutorialIcons", I, 64, 64, 1, 14);
  b.Single("TutorialBlackRect", I, 420, 200);
  b.Grid("MapArrow", I, 64, 64, 2, 1);
  b.Single("TutorialOKButton", I, 120, 44);

  b.Grid(img::GlobalFontWhite, I, 32, 40, 28, 5);
  b.Grid(img::CommentFont, I, 48, 56, 14, 5);
  b.Grid(img::GlobalFontWhiteMore, I, 32, 40, 28, 1);
  b.Grid(img::CommentFontMore, I, 48, 56, 14, 2);
}

void AddEffects(TCatalogueBuilder& b) {
  const auto I = folder::Images;
  b.Grid("BombParticle", I, 24, 24, 5, 2);
  b.Grid("LightningEffect", I, 416, 32, 1, 8);
  b.Grid("BurstingBubble", I, 64, 64, 7, 1);
  b.Grid("DiamondsBig", I, 40, 40, 2, 1);
  b.Grid("CyanParticle", I, 16, 16, 5, 1);
  b.Grid("CollectorWave", I, 96, 96, 7, 1);
  b.Grid("ScreenDustEffect", I, 64, 64, 3, 1);
  b.Grid("DustParticle", I, 16, 16, 3, 7);
  b.Grid("MovieEffect", I, 342, 192, 2, 1);
  b.Grid("LittleStars", I, 24, 24, 2, 1);
  b.Grid("Confetti", I, 16, 16, 3, 2);
  b.Grid("BookEffectWaves", I, 128, 64, 3, 1);
  b.Grid("Birds", I, 40, 24, 1, 8);
  b.Grid("Fog", I, 683, 128, 1, 3);
  b.Grid("RainDrop", I, 8, 24, 4, 1);
  b.Grid("BombSparks", I, 32, 32, 6, 1);
  for (int n = 1; n <= 3; ++n) b.Grid("DiamondButterfly" + std::to_string(n), I, 40, 32, 1, 5);
  // Columns: the steps of a walk; rows: the townsfolk.
  b.Grid("TownPeople", I, 36, 56, 4, 4);
  b.Single("TownCloud", I, 200, 90);
}

std::vector<TCatalogueImage> BuildCatalogue() {
  TCatalogueBuilder b;
  AddStartAndMenu(b);
  AddWindows(b);
  AddMapAndRound(b);
  AddBoardAndTools(b);
  AddUpgradeScene(b);
  AddStoryAndText(b);
  AddEffects(b);
  return std::move(b.Images);
}

}  // namespace

std::string TCatalogueImage::FileName() const { return Name + (Format == TImageFormat::Jpeg ? ".jpg" : ".png"); }

std::string TCatalogueImage::RelativePath() const { return Folder + "/" + FileName(); }

namespace {

bool InImages(const std::string& relativePath) {
  const std::string_view images = folder::Images;
  return relativePath.compare(0, images.size(), images) == 0 &&
         (relativePath.size() == images.size() || relativePath[images.size()] == '/');
}

}  // namespace

std::string PathAtDensity(const std::string& relativePath, int density) {
  if (density != 2 || !InImages(relativePath)) return relativePath;
  return std::string(folder::ImagesAtDensity2) + relativePath.substr(folder::Images.size());
}

std::string PathInLanguage(const std::string& relativePath, std::string_view code) {
  if (!InImages(relativePath)) return relativePath;
  return std::string(folder::Images) + "/" + std::string(code) + relativePath.substr(folder::Images.size());
}

std::string CreatureFolder(int creatureKind) {
  return "Images/Creatures/" + std::string(kCreatureFolders.at(std::size_t(creatureKind)));
}

const std::vector<TCatalogueImage>& ImageCatalogue() {
  static const std::vector<TCatalogueImage> catalogue = BuildCatalogue();
  return catalogue;
}

const TCatalogueImage* FindCatalogueImage(std::string_view name) {
  for (const auto& image : ImageCatalogue())
    if (image.Name == name) return &image;
  return nullptr;
}

const TCatalogueImage* FindCatalogueImage(std::string_view folder, std::string_view name) {
  for (const auto& image : ImageCatalogue())
    if (image.Folder == folder && image.Name == name) return &image;
  return nullptr;
}

std::vector<const TCatalogueImage*> ExtraPatternEntries() {
  std::vector<const TCatalogueImage*> extras;
  for (const auto& image : ImageCatalogue()) {
    if (!image.MultiPattern()) continue;
    if (TSpriteTileCount::InFixedTable(image.Name)) continue;
    if (FindCatalogueImage(image.Name) == &image) extras.push_back(&image);
  }
  return extras;
}

}  // namespace qm
