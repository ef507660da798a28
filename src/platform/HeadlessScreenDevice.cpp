#include "platform/HeadlessScreenDevice.h"

#include <cstring>

namespace qm {

bool THeadlessScreenDevice::Reset(const TPresentParameters& params) {
  if (FailReset) return false;
  Params = params;
  CooperativeLevel = TCooperativeLevel::clOk;
  ++Resets;
  return true;
}

TTextureId THeadlessScreenDevice::CreateTexture(int width, int height, const TRgbaImage&, int density) {
  TTextureId id = FNextTexture++;
  Textures[id] = {width, height, density};
  return id;
}

bool THeadlessScreenDevice::SetBlendFactors(TBlendFactor source, TBlendFactor destination) {
  ++SetBlendCalls;
  bool standard = (source == TBlendFactor::SrcAlpha &&
                   (destination == TBlendFactor::InvSrcAlpha || destination == TBlendFactor::One));
  if (RefuseCustomBlending && !standard) return false;
  Source = source;
  Destination = destination;
  return true;
}

void THeadlessScreenDevice::DrawQuad(const TScreenVertex (&vertices)[4]) {
  ++QuadsDrawn;
  if (!RecordQuads) return;
  TDrawnQuad quad{};
  std::memcpy(quad.Vertices, vertices, sizeof(quad.Vertices));
  quad.Texture = BoundTexture;
  quad.Source = Source;
  quad.Destination = Destination;
  quad.Linear = Linear;
  Quads.push_back(quad);
}

void THeadlessScreenDevice::SetGammaRamp(const std::uint16_t (&ramp)[3][256]) {
  std::memcpy(GammaRamp, ramp, sizeof(GammaRamp));
}

std::unique_ptr<IScreenDevice> THeadlessGraphics::CreateDevice(IWindow&, const TPresentParameters& params,
                                                               TDeviceType type) {
  Requests.push_back(type);
  if ((type == TDeviceType::dtHardware && FailHardware) || (type == TDeviceType::dtSoftware && FailSoftware) ||
      (type == TDeviceType::dtReference && FailReference))
    return nullptr;
  auto device = std::make_unique<THeadlessScreenDevice>(params);
  device->RecordQuads = RecordQuads;
  LastDevice = device.get();
  return device;
}

}  // namespace qm
