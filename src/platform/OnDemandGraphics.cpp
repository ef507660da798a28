#include "platform/OnDemandGraphics.h"

namespace qm {

namespace {

class TOnDemandDevice : public IScreenDevice {
 public:
  TOnDemandDevice(std::unique_ptr<IScreenDevice> real, std::shared_ptr<const bool> drawing)
      : FReal(std::move(real)), FDrawing(std::move(drawing)) {}

  TCooperativeLevel TestCooperativeLevel() override { return FReal->TestCooperativeLevel(); }
  bool Reset(const TPresentParameters& params) override { return FReal->Reset(params); }
  TTextureId CreateTexture(int width, int height, const TRgbaImage& picture, int density) override {
    return FReal->CreateTexture(width, height, picture, density);
  }
  void DestroyTexture(TTextureId texture) override { FReal->DestroyTexture(texture); }
  std::uint32_t TextureGeneration() const override { return FReal->TextureGeneration(); }

  void BeginScene() override {
    if (*FDrawing) FReal->BeginScene();
  }
  void EndScene() override {
    if (*FDrawing) FReal->EndScene();
  }
  void Present() override {
    if (*FDrawing) FReal->Present();
  }
  void Clear(std::uint32_t argb) override {
    if (*FDrawing) FReal->Clear(argb);
  }
  // States are kept up to date always, so a drawn tick starts from the same
  // ones as if every tick had been drawn.
  bool SetBlendFactors(TBlendFactor source, TBlendFactor destination) override {
    return FReal->SetBlendFactors(source, destination);
  }
  void SetLinearFiltering(bool linear) override { FReal->SetLinearFiltering(linear); }
  void SetTexture(TTextureId texture) override { FReal->SetTexture(texture); }
  void DrawQuad(const TScreenVertex (&vertices)[4]) override {
    if (*FDrawing) FReal->DrawQuad(vertices);
  }
  void SetGammaRamp(const std::uint16_t (&ramp)[3][256]) override { FReal->SetGammaRamp(ramp); }
  std::optional<TRgbaImage> ReadFrame() override { return FReal->ReadFrame(); }

 private:
  std::unique_ptr<IScreenDevice> FReal;
  std::shared_ptr<const bool> FDrawing;
};

}  // namespace

std::unique_ptr<IScreenDevice> TOnDemandGraphics::CreateDevice(IWindow& window, const TPresentParameters& params,
                                                               TDeviceType type) {
  std::unique_ptr<IScreenDevice> real = FReal->CreateDevice(window, params, type);
  if (!real) return nullptr;
  return std::make_unique<TOnDemandDevice>(std::move(real), FDrawing);
}

}  // namespace qm
