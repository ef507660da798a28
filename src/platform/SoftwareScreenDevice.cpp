#include "platform/SoftwareScreenDevice.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/PixelEdges.h"

namespace qm {

namespace {

// A rectangle (maybe turned) in one colour with the texture laid square on
// it: what nearly every draw is.
bool IsSprite(const TScreenVertex (&v)[4]) {
  for (int i = 1; i < 4; ++i)
    if (v[i].Color != v[0].Color) return false;
  if (v[1].V != v[0].V || v[2].V != v[3].V || v[3].U != v[0].U || v[2].U != v[1].U) return false;
  const float tolerance = 0.01f;
  return std::fabs(v[2].X - (v[1].X + v[3].X - v[0].X)) <= tolerance &&
         std::fabs(v[2].Y - (v[1].Y + v[3].Y - v[0].Y)) <= tolerance;
}

// Scaled sprites' texels kept at most: about four frames' worth.
constexpr std::size_t kSampledTexels = 4u * 1366 * 768;

std::optional<std::uint32_t> UniformPixel(const TPixelSurface& picture) {
  const std::uint32_t first = picture.Pixels.front();
  if (std::any_of(picture.Pixels.begin(), picture.Pixels.end(), [&](std::uint32_t p) { return p != first; }))
    return std::nullopt;
  return first;
}

}  // namespace

TSoftwareScreenDevice::TSoftwareScreenDevice(const TPresentParameters& params)
    : FFrame(FrameFor(params)), FScale(params.Scale) {}

TSoftwareScreenDevice::~TSoftwareScreenDevice() = default;

TPixelSurface TSoftwareScreenDevice::FrameFor(const TPresentParameters& params) {
  return TPixelSurface(std::max(1, int(std::lround(params.Width * params.Scale))),
                       std::max(1, int(std::lround(params.Height * params.Scale))));
}

bool TSoftwareScreenDevice::Reset(const TPresentParameters& params) {
  Flush();
  TPixelSurface frame = FrameFor(params);
  if (frame.Width != FFrame.Width || frame.Height != FFrame.Height) FFrame = std::move(frame);
  FScale = params.Scale;
  return true;
}

TTextureId TSoftwareScreenDevice::CreateTexture(int width, int height, const TRgbaImage& picture, int density) {
  // Only the picture is kept: the padding up to the size asked for is never
  // drawn.
  density = std::max(density, 1);
  const int columns = std::clamp(picture.Width, 1, std::max(width, 1) * density);
  const int rows = std::clamp(picture.Height, 1, std::max(height, 1) * density);
  TTexture texture{TPixelSurface(columns, rows), std::max(width, 1), std::max(height, 1), density, std::nullopt};
  for (int y = 0; y < std::min(rows, picture.Height); ++y)
    for (int x = 0; x < std::min(columns, picture.Width); ++x) {
      const std::uint8_t* p = picture.At(x, y);
      texture.Pixels.Row(y)[x] = std::uint32_t(p[3]) << 24 | std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
    }
  texture.Uniform = UniformPixel(texture.Pixels);
  texture.Opaque = std::all_of(texture.Pixels.Pixels.begin(), texture.Pixels.Pixels.end(),
                               [](std::uint32_t pixel) { return pixel >> 24 == 255; });
  const TTextureId id = FNextTexture++;
  FTextures.emplace(id, std::move(texture));
  return id;
}

void TSoftwareScreenDevice::DestroyTexture(TTextureId texture) {
  Flush();
  for (auto& kept : FSampled) kept.Forget(texture);
  FTextures.erase(texture);
}

void TSoftwareScreenDevice::Present() {
  Flush();
  if (OnPresent) OnPresent(FFrame);
}

void TSoftwareScreenDevice::Clear(std::uint32_t argb) {
  // Whatever was drawn before is covered.
  FDraws.clear();
  TDraw clear;
  clear.Color = argb;
  FDraws.push_back(clear);
}

void TSoftwareScreenDevice::Flush() {
  if (FDraws.empty()) return;
  if (!FWorkers || (Shortcuts.Bands > 0 && FWorkers->Bands() != Shortcuts.Bands)) {
    FWorkers = std::make_unique<TBandWorkers>(Shortcuts.Bands);
    // The budget is shared out: together the bands keep what one would.
    FSampled.assign(std::size_t(FWorkers->Bands()), TSampledSprites(kSampledTexels / std::size_t(FWorkers->Bands())));
  }
  // The stripes are dealt in turn, so that every band gets some of the
  // board, the panels and the sky.
  const int bands = FWorkers->Bands();
  FWorkers->Run([this, bands](int band) {
    for (int top = band * kStripeRows; top < FFrame.Height; top += bands * kStripeRows)
      for (const TDraw& draw : FDraws) DrawInStripe(draw, {top, top + kStripeRows}, band);
  });
  FDraws.clear();
}

void TSoftwareScreenDevice::DrawInStripe(const TDraw& draw, const TRowSpan& rows, int band) {
  switch (draw.Kind) {
    case TDraw::TKind::Clear: FillRows(FFrame, draw.Color, rows); return;
    case TDraw::TKind::Shaded:
      DrawGouraudQuad(FFrame, draw.Pixels, draw.TexelsWide, draw.TexelsHigh, draw.Vertices, draw.Linear, draw.Blend,
                      rows);
      return;
    case TDraw::TKind::Sprite:
      DrawSprite(FFrame,
                 {draw.Pixels, draw.Texture, Shortcuts.KeepSampled ? &FSampled[std::size_t(band)] : nullptr,
                  Shortcuts.Raster},
                 draw.Quad, draw.Linear, draw.Blend, rows);
      return;
  }
}

bool TSoftwareScreenDevice::SetBlendFactors(TBlendFactor source, TBlendFactor destination) {
  FBlend = {source, destination};
  return true;
}

const TSoftwareScreenDevice::TTexture* TSoftwareScreenDevice::Bound() const {
  auto it = FTextures.find(FBound);
  return it == FTextures.end() ? nullptr : &it->second;
}

void TSoftwareScreenDevice::DrawQuad(const TScreenVertex (&vertices)[4]) {
  const TTexture* texture = Bound();
  // A solid fill has no picture pixels to line up: it is drawn as given.
  TScreenVertex exact[4];
  if (texture)
    ToPixelEdges(vertices, texture->Width, texture->Height, exact);
  else
    std::copy(std::begin(vertices), std::end(vertices), std::begin(exact));
  ScaleToOutput(exact, FScale);
  // A picture drawn at other than its own density is filtered.
  const bool linear = FLinear || (texture && float(texture->Density) != FScale);
  const TPixelSurface* pixels = texture ? &texture->Pixels : nullptr;
  const int texels = texture ? texture->Density : 1;
  if (!IsSprite(exact)) {
    TDraw draw{.Kind = TDraw::TKind::Shaded,
               .Pixels = pixels,
               .TexelsWide = texture ? texture->Width * texels : 1,
               .TexelsHigh = texture ? texture->Height * texels : 1,
               .Linear = linear,
               .Blend = FBlend};
    std::copy(std::begin(exact), std::end(exact), std::begin(draw.Vertices));
    FDraws.push_back(draw);
    return;
  }
  const float width = texture ? float(texture->Width * texels) : 1;
  const float height = texture ? float(texture->Height * texels) : 1;
  TSpriteQuad quad{exact[0].X,          exact[0].Y,          exact[1].X,         exact[1].Y,
                   exact[3].X,          exact[3].Y,          exact[0].U * width, exact[0].V * height,
                   exact[1].U * width,  exact[3].V * height, exact[0].Color};
  // Any texel of a picture in one colour, filtered or not, is that colour.
  if (texture && texture->Uniform && Shortcuts.UniformAsFill) {
    quad.Color = Tinted(*texture->Uniform, quad.Color);
    pixels = nullptr;
  }
  if (Shortcuts.SkipCovered && CoversTheFrame(quad, texture)) FDraws.clear();
  const TDraw draw{.Kind = TDraw::TKind::Sprite,
                   .Quad = quad,
                   .Pixels = pixels,
                   .Texture = FBound,
                   .Linear = linear,
                   .Blend = FBlend};
  FDraws.push_back(draw);
}

bool TSoftwareScreenDevice::CoversTheFrame(const TSpriteQuad& quad, const TTexture* texture) const {
  const bool opaque = quad.Color >> 24 == 255 && (!texture || texture->Opaque);
  const bool replaces = FBlend.Source == TBlendFactor::SrcAlpha && FBlend.Destination == TBlendFactor::InvSrcAlpha;
  // Square to the frame and over all of it: every pixel centre inside.
  return opaque && replaces && quad.Y1 == quad.Y0 && quad.X3 == quad.X0 && quad.X0 <= 0 && quad.Y0 <= 0 &&
         quad.X1 >= float(FFrame.Width) && quad.Y3 >= float(FFrame.Height);
}

std::optional<TRgbaImage> TSoftwareScreenDevice::ReadFrame() {
  Flush();
  TRgbaImage frame(FFrame.Width, FFrame.Height);
  for (int y = 0; y < FFrame.Height; ++y)
    for (int x = 0; x < FFrame.Width; ++x) {
      const std::uint32_t pixel = FFrame.Row(y)[x];
      std::uint8_t* p = frame.At(x, y);
      p[0] = std::uint8_t(pixel >> 16);
      p[1] = std::uint8_t(pixel >> 8);
      p[2] = std::uint8_t(pixel);
      p[3] = std::uint8_t(pixel >> 24);
    }
  return frame;
}

}  // namespace qm
