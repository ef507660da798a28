#pragma once

#include <map>
#include <utility>
#include <vector>

#include "platform/ScreenDevice.h"

namespace qm {

// A device that draws nothing and remembers what it was asked to do: the
// null screen for tools and benchmarks, and the witness of drawing tests.
class THeadlessScreenDevice : public IScreenDevice {
 public:
  struct TDrawnQuad {
    TScreenVertex Vertices[4];
    TTextureId Texture;
    TBlendFactor Source;
    TBlendFactor Destination;
    bool Linear;
  };

  explicit THeadlessScreenDevice(const TPresentParameters& params) : Params(params) {}

  TCooperativeLevel TestCooperativeLevel() override { return CooperativeLevel; }
  bool Reset(const TPresentParameters& params) override;
  TTextureId CreateTexture(int width, int height, const TRgbaImage& picture, int density) override;
  void DestroyTexture(TTextureId texture) override { Textures.erase(texture); }
  std::uint32_t TextureGeneration() const override { return Generation; }
  void BeginScene() override { ++ScenesBegun; }
  void EndScene() override { ++ScenesEnded; }
  void Present() override { ++FramesPresented; }
  void Clear(std::uint32_t argb) override {
    ClearColor = argb;
    Quads.clear();
  }
  bool SetBlendFactors(TBlendFactor source, TBlendFactor destination) override;
  void SetLinearFiltering(bool linear) override { Linear = linear; }
  void SetTexture(TTextureId texture) override { BoundTexture = texture; }
  void DrawQuad(const TScreenVertex (&vertices)[4]) override;
  void SetGammaRamp(const std::uint16_t (&ramp)[3][256]) override;
  std::optional<TRgbaImage> ReadFrame() override { return std::nullopt; }

  TPresentParameters Params;
  TCooperativeLevel CooperativeLevel = TCooperativeLevel::clOk;
  bool FailReset = false;
  // Factor pairs this device refuses, to test the fallback to normal blending.
  bool RefuseCustomBlending = false;
  bool RecordQuads = true;
  std::uint32_t Generation = 0;

  int ScenesBegun = 0, ScenesEnded = 0, FramesPresented = 0, Resets = 0, SetBlendCalls = 0;
  long long QuadsDrawn = 0;
  std::uint32_t ClearColor = 0;
  TBlendFactor Source = TBlendFactor::SrcAlpha, Destination = TBlendFactor::InvSrcAlpha;
  bool Linear = false;
  TTextureId BoundTexture = NoTexture;
  struct TTextureMade {
    int Width, Height, Density;
    std::pair<int, int> Size() const { return {Width, Height}; }
  };
  std::map<TTextureId, TTextureMade> Textures;
  std::vector<TDrawnQuad> Quads;                        // since the last Clear
  std::uint16_t GammaRamp[3][256] = {};

 private:
  TTextureId FNextTexture = 1;
};

class THeadlessGraphics : public IGraphics {
 public:
  std::unique_ptr<IScreenDevice> CreateDevice(IWindow& window, const TPresentParameters& params,
                                              TDeviceType type) override;
  void Beep() override { ++Beeps; }
  void ShowCursor(bool show) override { CursorShown = show; }

  // Device creation fails for these types (to test the software retry).
  bool FailHardware = false;
  bool FailReference = false;
  bool FailSoftware = false;
  // Devices made keep every quad (for tests that read them) or none.
  bool RecordQuads = true;
  int Beeps = 0;
  bool CursorShown = true;
  std::vector<TDeviceType> Requests;
  THeadlessScreenDevice* LastDevice = nullptr;
};

}  // namespace qm
