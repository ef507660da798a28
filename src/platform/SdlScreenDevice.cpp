#include "platform/SdlScreenDevice.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/SdlWindow.h"

namespace qm {

namespace {

SDL_BlendFactor SdlFactor(TBlendFactor factor) {
  switch (factor) {
    case TBlendFactor::Zero: return SDL_BLENDFACTOR_ZERO;
    case TBlendFactor::One: return SDL_BLENDFACTOR_ONE;
    case TBlendFactor::SrcColor: return SDL_BLENDFACTOR_SRC_COLOR;
    case TBlendFactor::InvSrcColor: return SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR;
    case TBlendFactor::SrcAlpha: return SDL_BLENDFACTOR_SRC_ALPHA;
    case TBlendFactor::InvSrcAlpha: return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    case TBlendFactor::DestColor: return SDL_BLENDFACTOR_DST_COLOR;
    case TBlendFactor::InvDestColor: return SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR;
  }
  return SDL_BLENDFACTOR_ONE;
}

SDL_BlendMode SdlBlendMode(TBlendFactor source, TBlendFactor destination) {
  // The two modes the game uses all the time map onto SDL's own, which
  // every renderer (the software one included) supports.
  if (source == TBlendFactor::SrcAlpha && destination == TBlendFactor::InvSrcAlpha) return SDL_BLENDMODE_BLEND;
  if (source == TBlendFactor::SrcAlpha && destination == TBlendFactor::One) return SDL_BLENDMODE_ADD;
  return SDL_ComposeCustomBlendMode(SdlFactor(source), SdlFactor(destination), SDL_BLENDOPERATION_ADD,
                                    SdlFactor(source), SdlFactor(destination), SDL_BLENDOPERATION_ADD);
}

SDL_Color SdlColor(std::uint32_t argb) {
  return SDL_Color{Uint8(argb >> 16), Uint8(argb >> 8), Uint8(argb), Uint8(argb >> 24)};
}

}  // namespace

TSdlScreenDevice::TSdlScreenDevice(TSdlWindow& window, SDL_Renderer* renderer, const TPresentParameters& params)
    : FWindow(window), FRenderer(renderer), FParams(params), FBlendMode(SDL_BLENDMODE_BLEND) {
  SDL_AddEventWatch(&TSdlScreenDevice::WatchEvents, this);
  TRgbaImage white(1, 1);
  std::memset(white.Pixels.data(), 0xFF, 4);
  FWhite = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
  if (FWhite) SDL_UpdateTexture(FWhite, nullptr, white.Pixels.data(), 4);
  MakeTarget();
}

TSdlScreenDevice::~TSdlScreenDevice() {
  SDL_DelEventWatch(&TSdlScreenDevice::WatchEvents, this);
  for (auto& [id, texture] : FTextures) SDL_DestroyTexture(texture);
  if (FWhite) SDL_DestroyTexture(FWhite);
  if (FTarget) SDL_DestroyTexture(FTarget);
  SDL_DestroyRenderer(FRenderer);
}

int TSdlScreenDevice::WatchEvents(void* self, SDL_Event* event) {
  if (event->type == SDL_RENDER_DEVICE_RESET) static_cast<TSdlScreenDevice*>(self)->FDeviceReset = true;
  return 0;
}

bool TSdlScreenDevice::MakeTarget() {
  if (FTarget) SDL_DestroyTexture(FTarget);
  FTarget = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, FParams.Width,
                              FParams.Height);
  if (!FTarget) return false;
  SDL_SetTextureBlendMode(FTarget, SDL_BLENDMODE_NONE);
  SDL_SetTextureScaleMode(FTarget, SDL_ScaleModeLinear);
  return true;
}

TCooperativeLevel TSdlScreenDevice::TestCooperativeLevel() {
  return FDeviceReset ? TCooperativeLevel::clNotReset : TCooperativeLevel::clOk;
}

bool TSdlScreenDevice::Reset(const TPresentParameters& params) {
  if (FDeviceReset.exchange(false)) {
    // A real device loss takes the textures' contents with it.
    for (auto& [id, texture] : FTextures) SDL_DestroyTexture(texture);
    FTextures.clear();
    ++FGeneration;
  }
  bool resized = params.Width != FParams.Width || params.Height != FParams.Height;
  FParams = params;
  return (resized || !FTarget) ? MakeTarget() : true;
}

TTextureId TSdlScreenDevice::CreateTexture(int width, int height, const TRgbaImage& picture) {
  SDL_Texture* texture = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, width, height);
  if (!texture) return NoTexture;
  // The picture sits at the top-left; the rest of the texture stays clear.
  std::vector<std::uint8_t> pixels(std::size_t(width) * height * 4, 0);
  int rows = std::min(height, picture.Height), columns = std::min(width, picture.Width);
  for (int y = 0; y < rows; ++y)
    std::memcpy(&pixels[std::size_t(y) * width * 4], picture.At(0, y), std::size_t(columns) * 4);
  SDL_UpdateTexture(texture, nullptr, pixels.data(), width * 4);
  TTextureId id = FNextTexture++;
  FTextures[id] = texture;
  return id;
}

void TSdlScreenDevice::DestroyTexture(TTextureId id) {
  auto it = FTextures.find(id);
  if (it == FTextures.end()) return;
  SDL_DestroyTexture(it->second);
  FTextures.erase(it);
}

SDL_Texture* TSdlScreenDevice::TextureFor(TTextureId id) {
  auto it = FTextures.find(id);
  return it == FTextures.end() ? FWhite : it->second;
}

void TSdlScreenDevice::BeginScene() { SDL_SetRenderTarget(FRenderer, FTarget); }

void TSdlScreenDevice::Clear(std::uint32_t argb) {
  SDL_SetRenderTarget(FRenderer, FTarget);
  SDL_Color color = SdlColor(argb);
  SDL_SetRenderDrawColor(FRenderer, color.r, color.g, color.b, color.a);
  SDL_RenderClear(FRenderer);
}

bool TSdlScreenDevice::SetBlendFactors(TBlendFactor source, TBlendFactor destination) {
  SDL_BlendMode mode = SdlBlendMode(source, destination);
  // A renderer that cannot blend this way refuses it on a texture.
  if (SDL_SetTextureBlendMode(FWhite, mode) != 0) return false;
  FBlendMode = mode;
  return true;
}

void TSdlScreenDevice::DrawQuad(const TScreenVertex (&vertices)[4]) {
  // Always textured: solid fills use the white texture, because the software
  // renderer ignores the blend mode of untextured rectangles.
  SDL_Texture* texture = TextureFor(FBound);
  SDL_SetTextureBlendMode(texture, SDL_BlendMode(FBlendMode));
  SDL_SetTextureScaleMode(texture, FLinear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  SDL_Vertex geometry[4];
  for (int i = 0; i < 4; ++i) {
    geometry[i].position = SDL_FPoint{vertices[i].X, vertices[i].Y};
    geometry[i].color = SdlColor(vertices[i].Color);
    geometry[i].tex_coord = SDL_FPoint{vertices[i].U, vertices[i].V};
  }
  static const int kFan[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(FRenderer, texture, geometry, 4, kFan, 6);
}

void TSdlScreenDevice::Present() {
  SDL_SetRenderTarget(FRenderer, nullptr);
  SDL_SetRenderDrawColor(FRenderer, 0, 0, 0, 255);
  SDL_RenderClear(FRenderer);
  TLetterbox box = FWindow.PresentRect();
  SDL_Rect rect{box.Left, box.Top, box.Width, box.Height};
  SDL_RenderCopy(FRenderer, FTarget, nullptr, &rect);
  SDL_RenderPresent(FRenderer);
}

void TSdlScreenDevice::SetGammaRamp(const std::uint16_t (&ramp)[3][256]) {
  // The identity ramp is what the desktop already has; leave its gamma alone.
  bool identity = true;
  for (int c = 0; c < 3 && identity; ++c)
    for (int i = 0; i < 256 && identity; ++i) identity = ramp[c][i] == i * 256;
  if (!identity && FWindow.Handle()) SDL_SetWindowGammaRamp(FWindow.Handle(), ramp[0], ramp[1], ramp[2]);
}

std::optional<TRgbaImage> TSdlScreenDevice::ReadFrame() {
  if (!FTarget) return std::nullopt;
  TRgbaImage frame(FParams.Width, FParams.Height);
  SDL_Texture* previous = SDL_GetRenderTarget(FRenderer);
  SDL_SetRenderTarget(FRenderer, FTarget);
  int result = SDL_RenderReadPixels(FRenderer, nullptr, SDL_PIXELFORMAT_ABGR8888, frame.Pixels.data(), frame.Width * 4);
  SDL_SetRenderTarget(FRenderer, previous);
  if (result != 0) return std::nullopt;
  return frame;
}

std::unique_ptr<IScreenDevice> TSdlGraphics::CreateDevice(IWindow& window, const TPresentParameters& params,
                                                          TDeviceType type) {
  auto* sdlWindow = dynamic_cast<TSdlWindow*>(&window);
  if (!sdlWindow || !sdlWindow->Valid()) return nullptr;
  Uint32 flags = SDL_RENDERER_TARGETTEXTURE;
  flags |= type == TDeviceType::dtHardware ? SDL_RENDERER_ACCELERATED : SDL_RENDERER_SOFTWARE;
  if (!params.Windowed && params.VSync) flags |= SDL_RENDERER_PRESENTVSYNC;
  SDL_Renderer* renderer = SDL_CreateRenderer(sdlWindow->Handle(), -1, flags);
  if (!renderer) return nullptr;
  auto device = std::make_unique<TSdlScreenDevice>(*sdlWindow, renderer, params);
  if (!device->Ready()) return nullptr;
  return device;
}

void TSdlGraphics::Beep() { std::fputs("\a", stderr); }

void TSdlGraphics::ShowCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

}  // namespace qm
