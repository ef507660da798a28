#pragma once

#include <atomic>
#include <unordered_map>

#include "platform/ScreenDevice.h"
#include "platform/SoftwareScreenDevice.h"

#include <SDL_rect.h>

struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace qm {

class TSdlWindow;

// Draws through an SDL renderer into a render target of the back buffer's
// size times the scale, then shows that target letterboxed in the window. Reading the frame
// back therefore gives exactly what the game drew.
// SDL's pixel centres lie at +0.5, so each textured quad is taken back to
// the picture's own edges (see PixelEdges.h). Textures are made at the
// picture's size, whatever size the caller asks for; texture coordinates
// keep counting in the size asked for.
class TSdlScreenDevice : public IScreenDevice {
 public:
  TSdlScreenDevice(TSdlWindow& window, SDL_Renderer* renderer, const TPresentParameters& params);
  ~TSdlScreenDevice() override;

  bool Ready() const { return FTarget != nullptr && FWhite != nullptr; }

  TCooperativeLevel TestCooperativeLevel() override;
  bool Reset(const TPresentParameters& params) override;
  TTextureId CreateTexture(int width, int height, const TRgbaImage& picture, int density) override;
  void DestroyTexture(TTextureId texture) override;
  std::uint32_t TextureGeneration() const override { return FGeneration; }
  void BeginScene() override;
  void EndScene() override {}
  void Present() override;
  void Clear(std::uint32_t argb) override;
  bool SetBlendFactors(TBlendFactor source, TBlendFactor destination) override;
  void SetLinearFiltering(bool linear) override { FLinear = linear; }
  void SetTexture(TTextureId texture) override { FBound = texture; }
  void DrawQuad(const TScreenVertex (&vertices)[4]) override;
  void SetGammaRamp(const std::uint16_t (&ramp)[3][256]) override;
  std::optional<TRgbaImage> ReadFrame() override;

 private:
  // A texture, the size its coordinates count in (units), the size it
  // really has (pixels) and its pixels per unit.
  struct TTexture {
    SDL_Texture* Sdl = nullptr;
    int Width = 1;
    int Height = 1;
    int ActualWidth = 1;
    int ActualHeight = 1;
    int Density = 1;
  };
  // The render target's size: the frame's times the scale.
  int OutputWidth() const;
  int OutputHeight() const;

  static int WatchEvents(void* self, SDL_Event* event);
  // The render target and the white texture for solid fills; false when
  // either could not be made (the next reset tries again).
  bool MakeTarget();
  bool MakeWhite();
  TTexture TextureFor(TTextureId id);
  // The part of a sprite to draw: a rectangle of the texture and where it
  // lies along the sprite's own axes, in frame pixels from its first corner.
  struct TSpriteCut {
    SDL_Rect Source;
    float Left = 0, Top = 0, Right = 0, Bottom = 0;
  };
  // Returns false when the quad is not a plain sprite.
  bool DrawSprite(const TTexture& texture, const TScreenVertex (&vertices)[4]);
  // False when no part of the sprite lies over the frame.
  bool CropToFrame(float originX, float originY, const float (&along)[2], const float (&down)[2], bool flippedH,
                   bool flippedV, TSpriteCut& cut) const;
  void DrawGeometry(const TTexture& texture, const TScreenVertex (&vertices)[4]);

  TSdlWindow& FWindow;
  SDL_Renderer* FRenderer;
  TPresentParameters FParams;
  SDL_Texture* FTarget = nullptr;
  SDL_Texture* FWhite = nullptr;  // solid fills are drawn textured, see DrawQuad
  std::unordered_map<TTextureId, TTexture> FTextures;
  TTextureId FNextTexture = 1;
  TTextureId FBound = NoTexture;
  int FBlendMode = 0;  // SDL_BlendMode
  bool FLinear = false;
  std::uint32_t FGeneration = 0;
  std::atomic<bool> FDeviceReset{false};
};

class TSdlGraphics : public IGraphics {
 public:
  // Without a graphics card the game's own processor screen draws; set, SDL's
  // renderer draws instead (its software one there), as on a graphics card.
  bool AlwaysSdlRenderer = false;
  // What the processor screens made from now on may take short cuts in.
  TSoftwareScreenDevice::TShortcuts ProcessorShortcuts;

  std::unique_ptr<IScreenDevice> CreateDevice(IWindow& window, const TPresentParameters& params,
                                              TDeviceType type) override;
  void Beep() override;
  void ShowCursor(bool show) override;
};

}  // namespace qm
