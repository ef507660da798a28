#include "shell/GameFolders.h"

#include <string>

#include "engine/ImageCatalogue.h"

namespace qm {

namespace fs = std::filesystem;

TGameFolders TGameFolders::Build(const fs::path& programFolder, const fs::path& saveRoot) {
  TGameFolders f;
  f.ProgramFolder = programFolder;
  f.LevelsFolder = programFolder / "Levels";
  f.TextsFolder = programFolder / "Texts";
  f.SaveRootFolder = saveRoot;
  f.SaveFolder = saveRoot / kSaveFolderName;
  f.SoundsFolder = programFolder / "Sounds";
  f.MusicFolder = programFolder / "Music";

  f.ImagesFolder = programFolder / "Images";
  f.ImagesAtDensity2Folder = programFolder / std::string(folder::ImagesAtDensity2);
  f.LogoFolder = f.ImagesFolder / "Logo";
  f.SplashFolder = f.ImagesFolder / "Splash";
  f.LateLoadFolder = f.ImagesFolder / "LateLoad";
  f.StoryFolder = f.ImagesFolder / "Story";
  f.StoryW10Folder = f.ImagesFolder / "StoryW10";
  f.EndingFolder = f.ImagesFolder / "Ending";
  f.EndingW10Folder = f.ImagesFolder / "EndingW10";
  f.UpgradeSceneFolder = f.ImagesFolder / "UpgradeScene";
  f.MenuFolder = f.ImagesFolder / "Menu";
  f.BoardFolder = f.ImagesFolder / "Board";
  f.DragonFolder = f.ImagesFolder / "Creatures" / "Dragon";
  f.DemonFolder = f.ImagesFolder / "Creatures" / "Demon";
  f.WargFolder = f.ImagesFolder / "Creatures" / "Warg";
  f.GriffinFolder = f.ImagesFolder / "Creatures" / "Griffin";
  f.SpiderFolder = f.ImagesFolder / "Creatures" / "Spider";

  f.StoryVoicesFolder = programFolder / "Voices" / "Story";
  f.EndingVoicesFolder = programFolder / "Voices" / "Ending";
  f.TutorialVoicesFolder = programFolder / "Voices" / "Tutorial";
  f.ChatVoicesFolder = programFolder / "Voices" / "Chats";
  return f;
}

fs::path ChooseSaveRoot(IOperatingSystem& system) {
  std::optional<fs::path> chosen;
  for (const auto& candidate : system.SaveRootCandidates())
    if (candidate && !candidate->empty()) chosen = candidate;
  if (!chosen) throw ENoSaveRoot();
  return *chosen;
}

void CreateSaveFolders(IOperatingSystem& system, IMessageBox& messages, const TGameFolders& folders) {
  if (!system.DirectoryExists(folders.SaveRootFolder) && !system.CreateDirectories(folders.SaveRootFolder))
    messages.Show(kSaveRootFailedMessage, "Error", TMessageBoxKind::mbPlain);
  if (!system.DirectoryExists(folders.SaveFolder) && !system.CreateDirectory(folders.SaveFolder))
    messages.Show(kSaveFolderFailedMessage, "Error", TMessageBoxKind::mbPlain);
}

bool IsUsableSaveFolder(IOperatingSystem& system, const fs::path& folder) {
  // A folder that could not be made keeps nothing, Players.dat or not.
  if (!system.DirectoryExists(folder)) return false;
  fs::path players = folder / "Players.dat";
  return !system.FileExists(players) || system.CanOpenReadWrite(players);
}

fs::path ChooseUsableSaveFolder(IOperatingSystem& system, const fs::path& saveFolder) {
  if (IsUsableSaveFolder(system, saveFolder)) return saveFolder;
  for (int n = 1; n <= 9999; ++n) {
    fs::path candidate = saveFolder / std::to_string(n);
    if (!system.DirectoryExists(candidate)) {
      if (system.CreateDirectory(candidate)) return candidate;
      continue;
    }
    if (IsUsableSaveFolder(system, candidate)) return candidate;
  }
  return saveFolder;
}

}  // namespace qm
