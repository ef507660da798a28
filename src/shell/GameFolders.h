#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "platform/MessageBox.h"
#include "platform/OperatingSystem.h"

namespace qm {

// Every folder the game reads from or writes to.
struct TGameFolders {
  std::filesystem::path ProgramFolder;
  std::filesystem::path LevelsFolder;
  std::filesystem::path TextsFolder;
  std::filesystem::path SaveRootFolder;
  std::filesystem::path SaveFolder;
  std::filesystem::path SoundsFolder;
  std::filesystem::path MusicFolder;

  std::filesystem::path ImagesFolder;
  // The same pictures drawn twice as fine, in the same folders below it.
  std::filesystem::path ImagesAtDensity2Folder;
  std::filesystem::path LogoFolder;
  std::filesystem::path SplashFolder;
  std::filesystem::path LateLoadFolder;
  std::filesystem::path StoryFolder;
  std::filesystem::path StoryW10Folder;
  std::filesystem::path EndingFolder;
  std::filesystem::path EndingW10Folder;
  std::filesystem::path UpgradeSceneFolder;
  std::filesystem::path MenuFolder;
  std::filesystem::path BoardFolder;
  std::filesystem::path DragonFolder;
  std::filesystem::path DemonFolder;
  std::filesystem::path WargFolder;
  std::filesystem::path GriffinFolder;
  std::filesystem::path SpiderFolder;

  std::filesystem::path StoryVoicesFolder;
  std::filesystem::path EndingVoicesFolder;
  std::filesystem::path TutorialVoicesFolder;
  std::filesystem::path ChatVoicesFolder;

  static TGameFolders Build(const std::filesystem::path& programFolder, const std::filesystem::path& saveRoot);
};

constexpr const char* kSaveFolderName = "Quillmere - Qvx";
constexpr const char* kNoSaveRootMessage = "Error: could not access game save folder.";
constexpr const char* kSaveRootFailedMessage = "Error: could not create game save folder. (#1)";
constexpr const char* kSaveFolderFailedMessage = "Error: could not create game save folder. (#2)";

struct ENoSaveRoot : std::runtime_error {
  ENoSaveRoot() : std::runtime_error(kNoSaveRootMessage) {}
};

// The per-user data folder; the last candidate that answers wins.
std::filesystem::path ChooseSaveRoot(IOperatingSystem& system);

// Makes the save root and the save folder when missing, telling the player
// when that fails; start-up goes on either way.
void CreateSaveFolders(IOperatingSystem& system, IMessageBox& messages, const TGameFolders& folders);

// A folder is usable when it has no "Players.dat" or one that can be opened
// for reading and writing. Falls back to numbered sub-folders 1..9999.
// A save folder that exists and has no Players.dat, or one that can be
// opened for reading and writing.
bool IsUsableSaveFolder(IOperatingSystem& system, const std::filesystem::path& folder);
std::filesystem::path ChooseUsableSaveFolder(IOperatingSystem& system, const std::filesystem::path& saveFolder);

}  // namespace qm
