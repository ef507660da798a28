#pragma once

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/BandWorkers.h"

#include "platform/ScreenDevice.h"
#include "platform/SoftwareRaster.h"

namespace qm {

// The screen drawn by the processor into a frame of its own, for machines
// without a usable graphics card: every quad is cut to the frame before any
// pixel is touched, so a picture costs what of it can be seen, and the
// common cases (a picture drawn at its own size, a solid fill) take straight
// runs of pixels. Draws are noted and carried out together when the frame
// is wanted, stripe of rows by stripe, the stripes shared out between the
// cores. A presented frame is handed to OnPresent to be shown.
class TSoftwareScreenDevice : public IScreenDevice {
 public:
  explicit TSoftwareScreenDevice(const TPresentParameters& params);
  ~TSoftwareScreenDevice() override;

  std::function<void(const TPixelSurface& frame)> OnPresent;

  // Ways round work that give the very same pixels; tests turn each off to
  // compare.
  struct TShortcuts {
    // A picture of one colour throughout is drawn as a fill of it.
    bool UniformAsFill = true;
    // A scaled sprite drawn again in the same place reuses its texels.
    bool KeepSampled = true;
    TRasterShortcuts Raster;
    // Draws that an opaque picture over the whole frame hides are dropped.
    bool SkipCovered = true;
    // Bands of rows drawn side by side: 0 one per core, 1 all on the
    // calling thread.
    int Bands = 0;
  };
  TShortcuts Shortcuts;

  TCooperativeLevel TestCooperativeLevel() override { return TCooperativeLevel::clOk; }
  bool Reset(const TPresentParameters& params) override;
  TTextureId CreateTexture(int width, int height, const TRgbaImage& picture, int density) override;
  void DestroyTexture(TTextureId texture) override;
  std::uint32_t TextureGeneration() const override { return 0; }
  void BeginScene() override {}
  void EndScene() override {}
  void Present() override;
  void Clear(std::uint32_t argb) override;
  bool SetBlendFactors(TBlendFactor source, TBlendFactor destination) override;
  void SetLinearFiltering(bool linear) override { FLinear = linear; }
  void SetTexture(TTextureId texture) override { FBound = texture; }
  void DrawQuad(const TScreenVertex (&vertices)[4]) override;
  void SetGammaRamp(const std::uint16_t (&)[3][256]) override {}
  std::optional<TRgbaImage> ReadFrame() override;

 private:
  // The picture's pixels; its coordinates count in the size asked for
  // times the density.
  struct TTexture {
    TPixelSurface Pixels;
    int Width = 1, Height = 1;
    int Density = 1;
    // Set when every pixel of the picture is this one.
    std::optional<std::uint32_t> Uniform;
    bool Opaque = false;
  };

  // A draw waiting for the frame to be wanted.
  struct TDraw {
    enum class TKind { Clear, Sprite, Shaded };
    TKind Kind = TKind::Clear;
    std::uint32_t Color = 0;
    TSpriteQuad Quad{};
    TScreenVertex Vertices[4]{};
    const TPixelSurface* Pixels = nullptr;
    TTextureId Texture = NoTexture;
    int TexelsWide = 1, TexelsHigh = 1;
    bool Linear = false;
    TPixelBlend Blend;
  };

  const TTexture* Bound() const;
  // Whether the sprite hides every pixel drawn before it.
  bool CoversTheFrame(const TSpriteQuad& quad, const TTexture* texture) const;
  // Carries out the waiting draws, each band of stripes on its own thread.
  void Flush();
  void DrawInStripe(const TDraw& draw, const TRowSpan& rows, int band);

  // A stripe of the frame at 2x is 350 KB: it stays in the cache while
  // every draw is laid over it.
  static constexpr int kStripeRows = 32;

  static TPixelSurface FrameFor(const TPresentParameters& params);

  TPixelSurface FFrame;
  float FScale = 1;
  std::unordered_map<TTextureId, TTexture> FTextures;
  std::vector<TDraw> FDraws;
  std::unique_ptr<TBandWorkers> FWorkers;
  // One store per band: a band keeps the texels of its own stripes.
  std::vector<TSampledSprites> FSampled;
  TTextureId FNextTexture = 1;
  TTextureId FBound = NoTexture;
  TPixelBlend FBlend;
  bool FLinear = false;
};

}  // namespace qm
