#include "shell/ImageLoader.h"

#include <utility>

#include "engine/EffectsMode.h"
#include "engine/ImageDecoder.h"
#include "platform/FileLookup.h"

namespace qm {

namespace fs = std::filesystem;

fs::path TImageLoader::FolderOf(int kind) const {
  switch (kind) {
    case ikLogo: return FFolders.LogoFolder;
    case ikSplash: return FFolders.SplashFolder;
    case ikStartup: return FFolders.ImagesFolder;
    case ikUpgradeScene: return FFolders.UpgradeSceneFolder;
    case ikStory: return ReducedEffectsMode ? FFolders.StoryW10Folder : FFolders.StoryFolder;
    case ikEnding: return ReducedEffectsMode ? FFolders.EndingW10Folder : FFolders.EndingFolder;
    case ikCreatures: {
      const fs::path* creatures[] = {&FFolders.DragonFolder, &FFolders.DemonFolder, &FFolders.WargFolder,
                                     &FFolders.GriffinFolder, &FFolders.SpiderFolder};
      return CreatureIndex >= 0 && CreatureIndex < 5 ? *creatures[CreatureIndex] : FFolders.DragonFolder;
    }
    case ikMenu: return FFolders.MenuFolder;
    case ikBoard: return FFolders.BoardFolder;
    default: return FFolders.ImagesFolder;
  }
}

std::optional<int> TImageLoader::GroupOf(int kind) {
  switch (kind) {
    case ikUpgradeScene: return igUpgradeScene;
    case ikStory: return igStory;
    case ikEnding: return igEnding;
    case ikCreatures: return igCreatures;
    case ikMenu: return igMenu;
    default: return std::nullopt;
  }
}

void TImageLoader::ApplyPatternGrid(TImageListItem& item) {
  int columns = 1, rows = 1;
  FTiles.Lookup(item.Name, columns, rows);
  // Leftover pixels at the right and bottom are never shown.
  item.SetTileWidth(item.PictureWidth() / std::max(1, columns));
  item.SetTileHeight(item.PictureHeight() / std::max(1, rows));
}

fs::path TImageLoader::WithoutLanguage(const fs::path& file) const {
  const fs::path relative = file.lexically_relative(FFolders.ImagesFolder);
  if (relative.empty() || *relative.begin() == ".." || !LanguageNamed(relative.begin()->string())) return file;
  fs::path rest;
  for (auto part = std::next(relative.begin()); part != relative.end(); ++part) rest /= *part;
  return FFolders.ImagesFolder / rest;
}

fs::path TImageLoader::InLanguage(const fs::path& file) const {
  const fs::path relative = file.lexically_relative(FFolders.ImagesFolder);
  if (FLanguage == lnEnglish || relative.empty() || *relative.begin() == "..") return file;
  return LanguageFile(FFolders.ImagesFolder, FLanguage, relative);
}

void TImageLoader::ChangeLanguage(TLanguage language) {
  FLanguage = language;
  for (int i = 0; i < FImages.Count(); ++i) {
    TImageListItem& item = FImages.Item(i);
    if (item.Filepath.empty()) continue;
    const fs::path file = InLanguage(WithoutLanguage(item.Filepath));
    if (file == fs::path(item.Filepath)) continue;
    item.Filepath = file.string();
    item.Filepath2x = FinerFile(file).string();
    item.LetGoUntilDrawn();
  }
}

fs::path TImageLoader::FinerFile(const fs::path& file) const {
  // The finer set mirrors the folders below "Images".
  const fs::path relative = file.lexically_relative(FFolders.ImagesFolder);
  if (relative.empty() || *relative.begin() == "..") return {};
  return FindPath((FFolders.ImagesAtDensity2Folder / relative).parent_path(), relative.filename().string());
}

TRgbaImage TImageLoader::DecodeAtDensity(const fs::path& file, const fs::path& finer, bool jpeg, int& density) {
  if (FImages.Density() == 2 && !finer.empty()) {
    // Only a twin of exactly twice the size keeps every size in units.
    const std::optional<TImageSize> own = ImageFileSize(file, jpeg);
    try {
      TRgbaImage picture = DecodeImageFile(finer, jpeg);
      if (own && *own == TImageSize{picture.Width / 2, picture.Height / 2} && picture.Width % 2 == 0 &&
          picture.Height % 2 == 0) {
        density = 2;
        return picture;
      }
    } catch (const EImageLoadError&) {
      // A damaged finer picture: the pack's own one is shown instead.
    }
  }
  density = 1;
  return DecodeImageFile(file, jpeg);
}

void TImageLoader::LoadImageFile(int kind, const std::string& fileName, bool lateLoad, bool jpeg) {
  fs::path folder = lateLoad ? FFolders.LateLoadFolder : FolderOf(kind);
  fs::path file = FindPath(folder, fileName);
  if (file.empty()) file = folder / fileName;
  file = InLanguage(file);
  const fs::path finer = FinerFile(file);
  int density = 1;
  TRgbaImage picture = DecodeAtDensity(file, finer, jpeg, density);

  std::string name = fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
  TImageListItem& item = FImages.Add(name);
  item.SetPicture(std::move(picture), density);
  ApplyPatternGrid(item);
  // Once on the device the pixels are let go; a lost device reads the file
  // again.
  item.Filepath = file.string();
  item.Filepath2x = finer.string();
  FImages.MakeTexture(item);
  if (auto group = GroupOf(kind)) FGroups.Record(*group, name);
  if (kind == ikStartup && OnStartupImageLoaded) OnStartupImageLoaded();
}

void TImageLoader::LoadImageFolder(int kind) { LoadFolder(kind, FolderOf(kind), ".png", false, false); }

void TImageLoader::LoadJpegFolder(int kind, bool lateLoad) {
  LoadFolder(kind, lateLoad ? FFolders.LateLoadFolder : FolderOf(kind), ".jpg", lateLoad, true);
}

void TImageLoader::LoadFolder(int kind, const fs::path& folder, std::string_view extension, bool lateLoad, bool jpeg) {
  // A damaged picture is reported and left out; the rest of its folder (and
  // the folders loaded after it) still load, and the loading bar counts it.
  for (const fs::path& file : ListFiles(folder, extension)) {
    try {
      LoadImageFile(kind, file.filename().string(), lateLoad, jpeg);
    } catch (const EImageLoadError& error) {
      if (OnLoadFailed) OnLoadFailed(error.what());
      if (kind == ikStartup && OnStartupImageLoaded) OnStartupImageLoaded();
    }
  }
}

void TImageLoader::EnsureLateImage(const std::string& name, bool jpeg) {
  if (FImages.FindImage(name) || FMissingLate.count(name) != 0) return;
  try {
    LoadImageFile(ikStartup, name + (jpeg ? ".jpg" : ".png"), true, jpeg);
  } catch (const EImageLoadError& error) {
    // Asked for again every frame it would be drawn: tried and reported
    // once, then drawn as nothing.
    FMissingLate.insert(name);
    if (OnLoadFailed) OnLoadFailed(error.what());
  }
}

void TImageLoader::DrawLateImage(const std::string& name, float x, float y, bool jpeg) {
  EnsureLateImage(name, jpeg);
  if (TImageListItem* item = FImages.FindImage(name)) item->Draw(x, y, 0);
}

void TImageLoader::UnloadGroup(int group) {
  for (const std::string& name : FGroups.Names(group)) FImages.FreeImage(name);
  FGroups.Clear(group);
}

}  // namespace qm
