#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "engine/OmegaImageList.h"
#include "engine/SpriteTileCount.h"
#include "shell/GameFolders.h"
#include "shell/LoadedImageList.h"
#include "text/Language.h"

namespace qm {

// What the loader is told to load: each kind has its folder and maybe an
// unloadable group.
enum TImageKind {
  ikLogo = 0,
  ikSplash = 1,
  ikStartup = 2,
  ikUpgradeScene = 3,
  ikStory = 4,
  ikEnding = 5,
  ikCreatures = 6,
  ikMenu = 7,
  ikBoard = 8,
};

// Fills the image list from the picture folders by kind, records scene
// groups so they can be emptied again, and loads single pictures on first
// use from the late-load folder.
class TImageLoader {
 public:
  TImageLoader(TOmegaImageList& images, TSpriteTileCount& tiles, TLoadedImageList& groups, const TGameFolders& folders)
      : FImages(images), FTiles(tiles), FGroups(groups), FFolders(folders) {}

  // The creature folder kind 6 reads: 0 Dragon, 1 Demon, 2 Warg, 3 Griffin, 4 Spider.
  int CreatureIndex = 0;
  // After each picture of the start-up set: the loading bar moves and one
  // whole frame is drawn, so the splash animates while loading goes on.
  std::function<void()> OnStartupImageLoaded;
  // A picture of a folder or a late one could not be loaded: what and why.
  std::function<void(const std::string& reason)> OnLoadFailed;

  // The language whose lettered pictures are loaded where it has them.
  TLanguage Language() const { return FLanguage; }
  // Pictures loaded from now on come in the new language; those already
  // loaded that have words in them let go and read their new file when next
  // drawn.
  void ChangeLanguage(TLanguage language);

  std::filesystem::path FolderOf(int kind) const;
  static std::optional<int> GroupOf(int kind);

  // Throws the decoder's error for a missing or damaged file.
  void LoadImageFile(int kind, const std::string& fileName, bool lateLoad, bool jpeg);
  // Every picture of the folder; a damaged one is left out and its error
  // raised after the others have loaded.
  void LoadImageFolder(int kind);
  void LoadJpegFolder(int kind, bool lateLoad);
  void EnsureLateImage(const std::string& name, bool jpeg);
  void DrawLateImage(const std::string& name, float x, float y, bool jpeg);
  void UnloadGroup(int group);
  bool IsInGroup(int group, const std::string& name) const { return FGroups.IsInGroup(group, name); }

 private:
  void ApplyPatternGrid(TImageListItem& item);
  // The language's own copy of a file of the "Images" tree where the pack
  // has one, the file itself otherwise.
  std::filesystem::path InLanguage(const std::filesystem::path& file) const;
  // The file of the "Images" tree whose copy the path may be.
  std::filesystem::path WithoutLanguage(const std::filesystem::path& file) const;
  // The file's twin in the finer set; empty when the pack has none.
  std::filesystem::path FinerFile(const std::filesystem::path& file) const;
  // The finer picture when the list wants it and it can be read, the file's
  // own otherwise; density tells which.
  TRgbaImage DecodeAtDensity(const std::filesystem::path& file, const std::filesystem::path& finer, bool jpeg,
                             int& density);
  void LoadFolder(int kind, const std::filesystem::path& folder, std::string_view extension, bool lateLoad, bool jpeg);

  TOmegaImageList& FImages;
  TSpriteTileCount& FTiles;
  TLoadedImageList& FGroups;
  const TGameFolders& FFolders;
  TLanguage FLanguage = lnEnglish;
  // Late pictures that could not be loaded.
  std::set<std::string> FMissingLate;
};

}  // namespace qm
