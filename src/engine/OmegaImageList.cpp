#include "engine/OmegaImageList.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "engine/ImageDecoder.h"

namespace qm {

namespace {

int TextureSide(int pictureSide) {
  int side = 2;
  while (side < pictureSide) side *= 2;
  return side;
}

std::uint32_t PackColor(int red, int green, int blue, int alpha) {
  auto c = [](int v) { return std::uint32_t(std::clamp(v, 0, 255)); };
  return (c(alpha) << 24) | (c(red) << 16) | (c(green) << 8) | c(blue);
}

}  // namespace

TImageListItem::~TImageListItem() { ReleaseTexture(); }

void TImageListItem::SetPicture(TRgbaImage picture, int density) {
  FPicture = std::move(picture);
  FDensity = std::max(1, density);
  FPictureWidth = std::max(1, FPicture.Width / FDensity);
  FPictureHeight = std::max(1, FPicture.Height / FDensity);
  FTileWidth = FPictureWidth;
  FTileHeight = FPictureHeight;
  FTextureWidth = TextureSide(FPictureWidth);
  FTextureHeight = TextureSide(FPictureHeight);
  UpdateGrid();
}

void TImageListItem::SetTileWidth(int value) {
  FTileWidth = value == 0 ? FPictureWidth : value;
  UpdateGrid();
}

void TImageListItem::SetTileHeight(int value) {
  FTileHeight = value == 0 ? FPictureHeight : value;
  UpdateGrid();
}

void TImageListItem::UpdateGrid() {
  FPatternColumns = FTileWidth > 0 ? std::max(1, FPictureWidth / FTileWidth) : 1;
  FPatternRows = FTileHeight > 0 ? std::max(1, FPictureHeight / FTileHeight) : 1;
}

bool TImageListItem::ReadPictureFile(int wantedDensity) {
  const bool finer = wantedDensity == 2 && !Filepath2x.empty();
  try {
    TRgbaImage picture = DecodeImageFile(finer ? Filepath2x : Filepath, false);
    const int density = finer ? 2 : 1;
    // A picture of another size than the one loaded first would move every
    // pattern: the coarser file is read instead.
    if (picture.Width != FPictureWidth * density || picture.Height != FPictureHeight * density)
      return finer && ReadPictureFile(1);
    FPicture = std::move(picture);
    FDensity = density;
    return true;
  } catch (const EImageLoadError&) {
    // The file went missing since it was loaded: the entry stays blank, or
    // takes the coarser picture.
    return finer && ReadPictureFile(1);
  }
}

bool TImageListItem::MakeTexture(IScreenDevice& device, int wantedDensity) {
  if (FPicture.Empty() && FTexture == NoTexture && !Filepath.empty()) ReadPictureFile(wantedDensity);
  if (FPicture.Empty()) return true;
  FDevice = &device;
  if (FTileHeight < 1) FTileHeight = FPictureHeight;
  if (FTileWidth < 1) FTileWidth = FPictureWidth;
  if (FTexture == NoTexture) {
    FTexture = device.CreateTexture(FTextureWidth, FTextureHeight, FPicture, FDensity);
    if (FTexture == NoTexture) return false;
  }
  if (!Filepath.empty()) FPicture = TRgbaImage{};
  UpdateGrid();
  return true;
}

void TImageListItem::LetGoUntilDrawn() {
  if (Filepath.empty() || FTexture == NoTexture) return;
  ReleaseTexture();
  ForgetPicture();
  FLetGo = true;
}

void TImageListItem::ReleaseTexture() {
  if (FTexture != NoTexture && FDevice) FDevice->DestroyTexture(FTexture);
  FTexture = NoTexture;
}

TImageListItem::TTexRect TImageListItem::PatternRect(int pattern) const {
  float texW = float(FTextureWidth), texH = float(FTextureHeight);
  if (pattern == kPatternWholePicture) return {0, 0, FPictureWidth / texW, FPictureHeight / texH};
  int last = PatternCount() - 1;
  pattern = std::clamp(pattern, 0, last);
  int column = pattern % FPatternColumns, row = pattern / FPatternColumns;
  return {column * FTileWidth / texW, row * FTileHeight / texH, (column + 1) * FTileWidth / texW,
          (row + 1) * FTileHeight / texH};
}

void TImageListItem::DrawQuadAt(float x, float y, float width, float height, float pivotX, float pivotY, float angle,
                                float scaleX, float scaleY, const TTexRect& rect, std::uint32_t argb, bool flipH,
                                bool flipV, int blendMode) {
  TOmegaScreen* screen = FOwner.OmegaScreen;
  if (!screen) return;
  FLastDrawn = FOwner.Tick();
  if (FLetGo) {
    FLetGo = false;
    FOwner.MakeTexture(*this);
  }
  if (scaleX == 0.0f) scaleX = 1.0f;
  if (scaleY == 0.0f) scaleY = 1.0f;
  // Corners with the half-pixel shift at the top and left edges.
  const float corners[4][2] = {{x - 0.5f, y - 0.5f}, {x + width, y - 0.5f}, {x + width, y + height},
                               {x - 0.5f, y + height}};
  float u0 = rect.U0, u1 = rect.U1, v0 = rect.V0, v1 = rect.V1;
  if (flipH) std::swap(u0, u1);
  if (flipV) std::swap(v0, v1);
  const float texture[4][2] = {{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}};
  double radians = double(angle) * std::numbers::pi / 180.0;
  double c = std::cos(radians), s = std::sin(radians);
  TOmegaRenderer& quad = FOwner.Quad();
  for (int i = 0; i < 4; ++i) {
    double dx = corners[i][0] - pivotX, dy = corners[i][1] - pivotY;
    quad.Vertices[i].X = float(pivotX + c * scaleX * dx - s * scaleY * dy);
    quad.Vertices[i].Y = float(pivotY + s * scaleX * dx + c * scaleY * dy);
    quad.Vertices[i].U = texture[i][0];
    quad.Vertices[i].V = texture[i][1];
    quad.Vertices[i].Color = argb;
  }
  quad.Texture = FTexture;
  if (screen->Layout) NoteDrawn(*screen->Layout, quad.Vertices, argb);
  screen->SetBlendMode(blendMode);
  screen->DrawQuad(quad);
}

void TImageListItem::NoteDrawn(TScreenLayout& layout, const TScreenVertex (&vertices)[4], std::uint32_t argb) const {
  float left = vertices[0].X, right = left, top = vertices[0].Y, bottom = top;
  for (const TScreenVertex& vertex : vertices) {
    left = std::min(left, vertex.X);
    right = std::max(right, vertex.X);
    top = std::min(top, vertex.Y);
    bottom = std::max(bottom, vertex.Y);
  }
  TLayoutItem item;
  item.Name = Name;
  item.Box = {int(std::floor(left + 0.5f)), int(std::floor(top + 0.5f)), int(std::floor(right + 0.5f)),
              int(std::floor(bottom + 0.5f))};
  item.Alpha = int(argb >> 24);
  layout.Note(std::move(item));
}

void TImageListItem::Draw(float x, float y, int pattern) {
  DrawEx(x, y, 0, 0, 0, 1, 1, 255, 255, 255, 255, pattern, 0);
}

void TImageListItem::DrawEx(float x, float y, float angle, float centerX, float centerY, float scaleX, float scaleY,
                            int red, int green, int blue, int alpha, int pattern, int blendMode) {
  DrawEx(x, y, angle, centerX, centerY, scaleX, scaleY, PackColor(red, green, blue, alpha), false, false, pattern,
         blendMode);
}

void TImageListItem::DrawEx(float x, float y, float angle, float centerX, float centerY, float scaleX, float scaleY,
                            std::uint32_t argb, bool flipHorizontal, bool flipVertical, int pattern, int blendMode) {
  if (pattern == kPatternNone) return;
  // The whole picture keeps one pattern's quad but pivots on the picture.
  bool whole = pattern == kPatternWholePicture;
  float pivotX = x + centerX * (whole ? FPictureWidth : FTileWidth);
  float pivotY = y + centerY * (whole ? FPictureHeight : FTileHeight);
  DrawQuadAt(x, y, float(FTileWidth), float(FTileHeight), pivotX, pivotY, angle, scaleX, scaleY, PatternRect(pattern),
             argb, flipHorizontal, flipVertical, blendMode);
}

void TImageListItem::DrawPart(int left, int top, int right, int bottom, float x, float y, float angle, float centerX,
                              float centerY, float scaleX, float scaleY, int red, int green, int blue, int alpha,
                              int blendMode) {
  float width = float(right - left), height = float(bottom - top);
  TTexRect rect{left / float(FTextureWidth), top / float(FTextureHeight), right / float(FTextureWidth),
                bottom / float(FTextureHeight)};
  DrawQuadAt(x, y, width, height, x + centerX * width, y + centerY * height, angle, scaleX, scaleY, rect,
             PackColor(red, green, blue, alpha), false, false, blendMode);
}

TImageListItem* TOmegaImageList::FindImage(const std::string& name) const {
  for (const auto& item : FItems)
    if (item->Name == name) return item.get();
  FMissedNames.insert(name);
  return nullptr;
}

TImageListItem& TOmegaImageList::Add(const std::string& name) {
  FItems.push_back(std::make_unique<TImageListItem>(*this));
  FItems.back()->Name = name;
  return *FItems.back();
}

void TOmegaImageList::Free(TImageListItem* item) {
  auto it = std::find_if(FItems.begin(), FItems.end(), [&](const auto& entry) { return entry.get() == item; });
  if (it != FItems.end()) FItems.erase(it);
}

void TOmegaImageList::FreeImage(const std::string& name) { Free(FindImage(name)); }

void TOmegaImageList::MakeTexture(TImageListItem& item) {
  IScreenDevice* device = OmegaScreen ? OmegaScreen->Device() : nullptr;
  if (!device) return;
  item.MarkUsed(FTick);
  if (!item.MakeTexture(*device, FDensity) && OnTextureFailed) OnTextureFailed(item.Name);
}

void TOmegaImageList::LetIdlePicturesGo() {
  ++FTick;
  if (FDensity != 2) return;
  for (auto& item : FItems) {
    const long long pixels = static_cast<long long>(item->PictureWidth()) * item->PictureHeight() * 4;
    if (item->Density() == 2 && pixels >= kLargePicturePixels && FTick - item->LastDrawn() > kIdleTicks)
      item->LetGoUntilDrawn();
  }
}

void TOmegaImageList::SetDensity(int density) {
  density = density == 2 ? 2 : 1;
  if (density == FDensity) return;
  FDensity = density;
  for (auto& item : FItems) {
    const bool hasFiner = !item->Filepath2x.empty();
    if (item->Filepath.empty() || item->Density() == (hasFiner ? density : 1)) continue;
    item->ReleaseTexture();
    item->ForgetPicture();
    MakeTexture(*item);
  }
}

void TOmegaImageList::ReleasePass() {
  // Textures are kept across a reset; nothing to let go of.
}

void TOmegaImageList::RestorePass() {
  FQuad.Reset();
  IScreenDevice* device = OmegaScreen ? OmegaScreen->Device() : nullptr;
  if (!device) return;
  if (device->TextureGeneration() != FTextureGeneration) {
    // A real device loss took every texture: make them all again.
    for (auto& item : FItems) item->DropTexture();
    FTextureGeneration = device->TextureGeneration();
  }
  for (auto& item : FItems)
    if (item->Texture() == NoTexture) MakeTexture(*item);
}

int PatternWidth(const TOmegaImageList& list, const std::string& name) {
  TImageListItem* item = list.FindImage(name);
  return item ? item->TileWidth() : 0;
}

int PatternHeight(const TOmegaImageList& list, const std::string& name) {
  TImageListItem* item = list.FindImage(name);
  return item ? item->TileHeight() : 0;
}

void PatternSize(const TOmegaImageList& list, const std::string& name, int& width, int& height) {
  width = PatternWidth(list, name);
  height = PatternHeight(list, name);
}

void DrawImage(const TOmegaImageList& list, const std::string& name, float x, float y, int pattern, int alpha,
               float scale) {
  if (TImageListItem* item = list.FindImage(name))
    item->DrawEx(x, y, 0, 0, 0, scale, scale, 255, 255, 255, alpha, pattern, 0);
}

void DrawImageEx(const TOmegaImageList& list, const std::string& name, float x, float y, float angle, float centerX,
                 float centerY, float scaleX, float scaleY, int red, int green, int blue, int alpha, int pattern,
                 int blendMode) {
  if (TImageListItem* item = list.FindImage(name))
    item->DrawEx(x, y, angle, centerX, centerY, scaleX, scaleY, red, green, blue, alpha, pattern, blendMode);
}

}  // namespace qm
