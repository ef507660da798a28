#pragma once

// A screen that draws nothing and keeps every quad, with an image list of
// blank pictures of chosen sizes: drawing tests read back which pattern went
// where, how big, in which colour and how it was blended.

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/HeadlessScreenDevice.h"
#include "platform/Platform.h"

namespace qm::testing_support {

struct TSprite {
  std::string Image;
  int Pattern = 0;
  float Left = 0, Top = 0;      // where the unscaled pattern's top-left corner lies
  float Width = 0, Height = 0;  // on screen, after scaling
  int Red = 0, Green = 0, Blue = 0, Alpha = 0;
  bool Additive = false;
  // The quad as drawn: corners (the top and left edges lie half a pixel
  // out) and the texture rectangle in texture pixels.
  float QuadLeft = 0, QuadTop = 0, QuadRight = 0, QuadBottom = 0;
  float TexLeft = 0, TexTop = 0, TexRight = 0, TexBottom = 0;
};

class TSpriteRecorder {
  // Declared first: the list below draws on this screen.
  std::unique_ptr<TPlatform> FPlatform;
  TOmegaScreen FScreen;

 public:
  TSpriteRecorder()
      : FPlatform(CreateHeadlessPlatform()),
        FScreen(FPlatform->Graphics.get(), *FPlatform->Window, *FPlatform->MessageBox, *FPlatform->Application),
        List(&FScreen) {
    FScreen.Width = 1366;
    FScreen.Height = 768;
    FScreen.SetBpp(32);
    FScreen.ZBuffer = false;
    FScreen.InitDevice();
    FScreen.BeginFrame();
  }
  ~TSpriteRecorder() { FScreen.EndFrame(); }

  // A blank picture cut into columns x rows patterns.
  void AddPicture(const std::string& name, int width, int height, int columns = 1, int rows = 1) {
    TImageListItem& item = List.Add(name);
    item.SetPicture(TRgbaImage(width, height));
    item.SetTileWidth(width / columns);
    item.SetTileHeight(height / rows);
    List.MakeTexture(item);
  }

  // Every quad drawn since the last Forget, decoded.
  std::vector<TSprite> Sprites() {
    std::vector<TSprite> sprites;
    for (const auto& quad : Device().Quads) sprites.push_back(Decode(quad));
    return sprites;
  }
  void Forget() { Device().Quads.clear(); }

  TOmegaImageList List;

 private:
  THeadlessScreenDevice& Device() const { return static_cast<THeadlessScreenDevice&>(*FScreen.Device()); }

  TImageListItem* ItemOf(TTextureId texture) {
    for (int i = 0; i < List.Count(); ++i)
      if (List.Item(i).Texture() == texture) return &List.Item(i);
    return nullptr;
  }

  // The screen multiplies every channel by its own colour (white) and
  // divides by 256, which takes one off every channel but 0 (and 1).
  static int Unscaled(std::uint32_t channel) {
    const int c = int(channel & 0xFF);
    return c == 0 ? 0 : c + 1;
  }

  TSprite Decode(const THeadlessScreenDevice::TDrawnQuad& quad) {
    TSprite s;
    const TScreenVertex* v = quad.Vertices;
    s.Red = Unscaled(v[0].Color >> 16);
    s.Green = Unscaled(v[0].Color >> 8);
    s.Blue = Unscaled(v[0].Color);
    s.Alpha = Unscaled(v[0].Color >> 24);
    s.Additive = quad.Destination == TBlendFactor::One;
    s.QuadLeft = v[0].X;
    s.QuadTop = v[0].Y;
    s.QuadRight = v[2].X;
    s.QuadBottom = v[2].Y;
    if (TImageListItem* item = ItemOf(quad.Texture)) {
      s.Image = item->Name;
      s.TexLeft = v[0].U * float(item->TextureWidth());
      s.TexTop = v[0].V * float(item->TextureHeight());
      s.TexRight = v[2].U * float(item->TextureWidth());
      s.TexBottom = v[2].V * float(item->TextureHeight());
      const int column = int(std::lround(v[0].U * item->TextureWidth() / item->TileWidth()));
      const int row = int(std::lround(v[0].V * item->TextureHeight() / item->TileHeight()));
      s.Pattern = row * item->PatternColumns() + column;
      // Quads span the pattern plus half a pixel at the top and left edges.
      const float scaleX = (v[1].X - v[0].X) / (float(item->TileWidth()) + 0.5f);
      const float scaleY = (v[3].Y - v[0].Y) / (float(item->TileHeight()) + 0.5f);
      s.Width = scaleX * float(item->TileWidth());
      s.Height = scaleY * float(item->TileHeight());
      s.Left = v[0].X + 0.5f * scaleX;
      s.Top = v[0].Y + 0.5f * scaleY;
    }
    return s;
  }
};

}  // namespace qm::testing_support
