#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/OmegaScreen.h"
#include "engine/PatternNumbers.h"
#include "platform/RgbaImage.h"

namespace qm {

class TOmegaImageList;

// One picture of the list: the decoded picture, its texture and the grid of
// equal patterns it is cut into.
class TImageListItem {
 public:
  explicit TImageListItem(TOmegaImageList& owner) : FOwner(owner) {}
  ~TImageListItem();
  TImageListItem(const TImageListItem&) = delete;
  TImageListItem& operator=(const TImageListItem&) = delete;

  std::string Name;
  std::uint32_t TransparentColor = 0;
  bool Transparent = false;
  std::string Filepath;
  // The same picture drawn twice as fine, when the pack has one: what the
  // texture is made from while the list wants density 2.
  std::string Filepath2x;

  const TRgbaImage& Picture() const { return FPicture; }
  // Takes the picture, of density pixels per unit each way; the pattern
  // becomes the whole picture. Every size the item tells is in units.
  void SetPicture(TRgbaImage picture, int density = 1);
  int Density() const { return FDensity; }
  int TileWidth() const { return FTileWidth; }
  int TileHeight() const { return FTileHeight; }
  void SetTileWidth(int value);
  void SetTileHeight(int value);

  int PatternColumns() const { return FPatternColumns; }
  int PatternRows() const { return FPatternRows; }
  int PatternCount() const { return FPatternColumns * FPatternRows; }
  int PictureWidth() const { return FPictureWidth; }
  int PictureHeight() const { return FPictureHeight; }
  int TextureWidth() const { return FTextureWidth; }
  int TextureHeight() const { return FTextureHeight; }
  TTextureId Texture() const { return FTexture; }

  // Makes the texture when the entry has none; false when the device
  // refused it. An entry with a Filepath reads its picture from that file
  // (or from Filepath2x, at the density wanted) when it holds none, and lets
  // the pixels go once they are on the device.
  bool MakeTexture(IScreenDevice& device, int wantedDensity = 1);
  void ReleaseTexture();
  // Forgets a texture the device has already lost.
  void DropTexture() { FTexture = NoTexture; }
  // Lets the pixels go, for an entry that reads them again from its file.
  void ForgetPicture() { FPicture = TRgbaImage{}; }
  // Lets the texture go until the entry is drawn again, when it is read
  // again from its file.
  void LetGoUntilDrawn();
  // The list's tick when the entry was last drawn or made.
  long long LastDrawn() const { return FLastDrawn; }
  void MarkUsed(long long tick) { FLastDrawn = tick; }

  void Draw(float x, float y, int pattern);
  // angle in degrees; centre given as fractions of the pattern from (x, y);
  // a scale of exactly 0 counts as 1; blend mode -1 keeps the current one.
  void DrawEx(float x, float y, float angle, float centerX, float centerY, float scaleX, float scaleY, int red,
              int green, int blue, int alpha, int pattern, int blendMode);
  // One packed ARGB colour for all corners, and the quad's flip flags.
  void DrawEx(float x, float y, float angle, float centerX, float centerY, float scaleX, float scaleY,
              std::uint32_t argb, bool flipHorizontal, bool flipVertical, int pattern, int blendMode);
  // A rectangle (left, top, right, bottom) of the picture in a quad of its size.
  void DrawPart(int left, int top, int right, int bottom, float x, float y, float angle, float centerX,
                float centerY, float scaleX, float scaleY, int red, int green, int blue, int alpha, int blendMode);

 private:
  struct TTexRect {
    float U0, V0, U1, V1;
  };
  void UpdateGrid();
  void NoteDrawn(TScreenLayout& layout, const TScreenVertex (&vertices)[4], std::uint32_t argb) const;
  TTexRect PatternRect(int pattern) const;
  void DrawQuadAt(float x, float y, float width, float height, float pivotX, float pivotY, float angle,
                  float scaleX, float scaleY, const TTexRect& rect, std::uint32_t argb, bool flipH, bool flipV,
                  int blendMode);

  TOmegaImageList& FOwner;
  bool ReadPictureFile(int wantedDensity);

  TRgbaImage FPicture;
  int FDensity = 1;
  long long FLastDrawn = 0;
  bool FLetGo = false;
  int FTileWidth = 1, FTileHeight = 1;
  int FPatternColumns = 1, FPatternRows = 1;
  int FPictureWidth = 1, FPictureHeight = 1;
  int FTextureWidth = 2, FTextureHeight = 2;
  TTextureId FTexture = NoTexture;
  IScreenDevice* FDevice = nullptr;
};

// The list every picture of the game lives in, found by exact name.
class TOmegaImageList {
 public:
  explicit TOmegaImageList(TOmegaScreen* screen = nullptr) : OmegaScreen(screen) {}

  TOmegaScreen* OmegaScreen;
  // Told when a texture cannot be made: the owner reports it and ends.
  std::function<void(const std::string& name)> OnTextureFailed;

  // Linear search, exact case-sensitive comparison, first match.
  TImageListItem* FindImage(const std::string& name) const;
  // Every name looked up while it was not in the list: what a scene asked
  // for that the pictures did not have (or had not loaded yet).
  const std::set<std::string>& MissedNames() const { return FMissedNames; }
  // A new entry at the end of the list.
  TImageListItem& Add(const std::string& name);
  // Frees the first entry of that name (and its texture).
  void FreeImage(const std::string& name);
  void Free(TImageListItem* item);
  int Count() const { return static_cast<int>(FItems.size()); }
  TImageListItem& Item(int index) { return *FItems[index]; }

  // Makes the texture of an entry on the screen's device.
  void MakeTexture(TImageListItem& item);
  // The density the pictures are wanted at: 2 on a screen that draws more
  // than about 1.2 pixels to a unit. Entries with a picture file at the new
  // density make their textures again from it.
  void SetDensity(int density);
  int Density() const { return FDensity; }
  // Once a tick. At density 2 a large picture costs four times its memory:
  // the large ones not drawn for a while let their textures go, and come
  // back from their files when drawn again.
  void LetIdlePicturesGo();
  long long Tick() const { return FTick; }
  // A picture of at least this many pixels, unused for this many ticks.
  static constexpr long long kLargePicturePixels = 1024 * 1024;
  static constexpr long long kIdleTicks = 300;
  // The screen's passes around a device reset.
  void ReleasePass();
  void RestorePass();

  TOmegaRenderer& Quad() { return FQuad; }

 private:
  std::vector<std::unique_ptr<TImageListItem>> FItems;
  TOmegaRenderer FQuad;
  std::uint32_t FTextureGeneration = 0;
  int FDensity = 1;
  long long FTick = 0;
  mutable std::set<std::string> FMissedNames;
};

// Pattern size of a named picture (0 when it is not loaded).
int PatternWidth(const TOmegaImageList& list, const std::string& name);
int PatternHeight(const TOmegaImageList& list, const std::string& name);
void PatternSize(const TOmegaImageList& list, const std::string& name, int& width, int& height);

// Drawing by name; a name that is not loaded draws nothing.
void DrawImage(const TOmegaImageList& list, const std::string& name, float x, float y, int pattern, int alpha = 255,
               float scale = 1.0f);
void DrawImageEx(const TOmegaImageList& list, const std::string& name, float x, float y, float angle, float centerX,
                 float centerY, float scaleX, float scaleY, int red, int green, int blue, int alpha, int pattern,
                 int blendMode);

}  // namespace qm
