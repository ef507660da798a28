#include "platform/SdlScreenDevice.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "platform/PixelEdges.h"
#include "platform/PolygonClip.h"
#include "platform/SdlWindow.h"
#include "platform/SoftwareScreenDevice.h"

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

// The software rasteriser reads outside its target for textured triangles
// that reach past the frame's edges, so such quads are cut to the frame.
bool ReachesOutside(const std::vector<TScreenVertex>& polygon, int width, int height) {
  for (const auto& v : polygon)
    if (v.X < 0 || v.X > width || v.Y < 0 || v.Y > height) return true;
  return false;
}

SDL_Color SdlColor(std::uint32_t argb) {
  return SDL_Color{Uint8(argb >> 16), Uint8(argb >> 8), Uint8(argb), Uint8(argb >> 24)};
}

}  // namespace

TSdlScreenDevice::TSdlScreenDevice(TSdlWindow& window, SDL_Renderer* renderer, const TPresentParameters& params)
    : FWindow(window), FRenderer(renderer), FParams(params), FBlendMode(SDL_BLENDMODE_BLEND) {
  SDL_AddEventWatch(&TSdlScreenDevice::WatchEvents, this);
  MakeWhite();
  MakeTarget();
}

TSdlScreenDevice::~TSdlScreenDevice() {
  SDL_DelEventWatch(&TSdlScreenDevice::WatchEvents, this);
  for (auto& [id, texture] : FTextures) SDL_DestroyTexture(texture.Sdl);
  if (FWhite) SDL_DestroyTexture(FWhite);
  if (FTarget) SDL_DestroyTexture(FTarget);
  SDL_DestroyRenderer(FRenderer);
}

int TSdlScreenDevice::WatchEvents(void* self, SDL_Event* event) {
  if (event->type == SDL_RENDER_DEVICE_RESET) static_cast<TSdlScreenDevice*>(self)->FDeviceReset = true;
  return 0;
}

bool TSdlScreenDevice::MakeWhite() {
  if (FWhite) SDL_DestroyTexture(FWhite);
  const std::uint8_t white[4] = {0xFF, 0xFF, 0xFF, 0xFF};
  FWhite = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
  if (FWhite) SDL_UpdateTexture(FWhite, nullptr, white, 4);
  return FWhite != nullptr;
}

bool TSdlScreenDevice::MakeTarget() {
  if (FTarget) SDL_DestroyTexture(FTarget);
  FTarget = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, OutputWidth(),
                              OutputHeight());
  if (!FTarget) return false;
  SDL_SetTextureBlendMode(FTarget, SDL_BLENDMODE_NONE);
  SDL_SetTextureScaleMode(FTarget, SDL_ScaleModeLinear);
  return true;
}

int TSdlScreenDevice::OutputWidth() const { return std::max(1, int(std::lround(FParams.Width * FParams.Scale))); }
int TSdlScreenDevice::OutputHeight() const { return std::max(1, int(std::lround(FParams.Height * FParams.Scale))); }

TCooperativeLevel TSdlScreenDevice::TestCooperativeLevel() {
  return FDeviceReset ? TCooperativeLevel::clNotReset : TCooperativeLevel::clOk;
}

bool TSdlScreenDevice::Reset(const TPresentParameters& params) {
  const bool lost = FDeviceReset.exchange(false);
  if (lost) {
    // A real device loss takes the contents of every texture with it, the
    // render target's and the white one's too.
    for (auto& [id, texture] : FTextures) SDL_DestroyTexture(texture.Sdl);
    FTextures.clear();
    ++FGeneration;
  }
  const bool resized =
      params.Width != FParams.Width || params.Height != FParams.Height || params.Scale != FParams.Scale;
  FParams = params;
  const bool white = lost || !FWhite ? MakeWhite() : true;
  const bool target = lost || resized || !FTarget ? MakeTarget() : true;
  // A rebuild that failed is tried again at the next frame's check.
  if (!white || !target) FDeviceReset = true;
  return white && target;
}

TTextureId TSdlScreenDevice::CreateTexture(int width, int height, const TRgbaImage& picture, int density) {
  // Only the picture is kept: the padding up to the size asked for would
  // never be drawn, and on a large picture it doubles the memory.
  density = std::max(density, 1);
  const int columns = std::clamp(picture.Width, 1, std::max(width, 1) * density);
  const int rows = std::clamp(picture.Height, 1, std::max(height, 1) * density);
  SDL_Texture* texture = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, columns, rows);
  if (!texture) return NoTexture;
  if (picture.Width >= columns && picture.Height >= rows) {
    SDL_UpdateTexture(texture, nullptr, picture.At(0, 0), picture.Width * 4);
  } else {
    std::vector<std::uint8_t> clear(std::size_t(columns) * rows * 4, 0);
    SDL_UpdateTexture(texture, nullptr, clear.data(), columns * 4);
  }
  TTextureId id = FNextTexture++;
  FTextures[id] = TTexture{texture, std::max(width, 1), std::max(height, 1), columns, rows, density};
  return id;
}

void TSdlScreenDevice::DestroyTexture(TTextureId id) {
  auto it = FTextures.find(id);
  if (it == FTextures.end()) return;
  SDL_DestroyTexture(it->second.Sdl);
  FTextures.erase(it);
}

TSdlScreenDevice::TTexture TSdlScreenDevice::TextureFor(TTextureId id) {
  auto it = FTextures.find(id);
  return it == FTextures.end() ? TTexture{FWhite, 1, 1, 1, 1, 1} : it->second;
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
  // renderer ignores the blend mode of untextured rectangles. A solid fill
  // has no picture pixels to line up, so it is drawn as given.
  const TTexture texture = TextureFor(FBound);
  SDL_SetTextureBlendMode(texture.Sdl, SDL_BlendMode(FBlendMode));
  // A picture drawn at other than its own density is filtered, as the
  // whole frame was when it was stretched to the window.
  const bool linear = FLinear || (texture.Sdl != FWhite && float(texture.Density) != FParams.Scale);
  SDL_SetTextureScaleMode(texture.Sdl, linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  TScreenVertex exact[4];
  if (texture.Sdl == FWhite)
    std::copy(std::begin(vertices), std::end(vertices), std::begin(exact));
  else
    ToPixelEdges(vertices, texture.Width, texture.Height, exact);
  ScaleToOutput(exact, FParams.Scale);
  if (!DrawSprite(texture, exact)) DrawGeometry(texture, exact);
}

bool TSdlScreenDevice::DrawSprite(const TTexture& texture, const TScreenVertex (&v)[4]) {
  // A sprite is a rectangle, maybe turned, with one colour and the texture
  // laid square on it. Those go through the renderer's copy, which every
  // backend clips and turns reliably.
  for (int i = 1; i < 4; ++i)
    if (v[i].Color != v[0].Color) return false;
  if (v[1].V != v[0].V || v[2].V != v[3].V || v[3].U != v[0].U || v[2].U != v[1].U) return false;
  float ax = v[1].X - v[0].X, ay = v[1].Y - v[0].Y;  // along the top edge
  float bx = v[3].X - v[0].X, by = v[3].Y - v[0].Y;  // down the left edge
  const float tolerance = 0.01f;
  if (std::fabs(v[2].X - (v[1].X + bx)) > tolerance || std::fabs(v[2].Y - (v[1].Y + by)) > tolerance) return false;
  if (std::fabs(ax * bx + ay * by) > tolerance * (std::fabs(ax) + std::fabs(ay) + std::fabs(bx) + std::fabs(by)))
    return false;
  float width = std::hypot(ax, ay), height = std::hypot(bx, by);
  if (width <= 0 || height <= 0) return true;

  const int textureWidth = texture.Width * texture.Density, textureHeight = texture.Height * texture.Density;
  TSpriteCut cut;
  cut.Source = SDL_Rect{int(std::lround(std::min(v[0].U, v[1].U) * textureWidth)),
                        int(std::lround(std::min(v[0].V, v[3].V) * textureHeight)),
                        int(std::lround(std::fabs(v[1].U - v[0].U) * textureWidth)),
                        int(std::lround(std::fabs(v[3].V - v[0].V) * textureHeight))};
  if (cut.Source.w <= 0 || cut.Source.h <= 0) return true;
  cut.Right = width;
  cut.Bottom = height;
  float along[2] = {ax / width, ay / width}, down[2] = {bx / height, by / height};
  bool textureFlippedH = v[1].U < v[0].U, textureFlippedV = v[3].V < v[0].V;
  const float frameSides = float(OutputWidth() + OutputHeight());
  if (width > 2.0f * frameSides || height > 2.0f * frameSides) {
    // Turning a sprite many times the frame's size would build a picture
    // of that size; only the part over the frame is drawn.
    if (!CropToFrame(v[0].X, v[0].Y, along, down, textureFlippedH, textureFlippedV, cut)) return true;
  }

  int flip = SDL_FLIP_NONE;
  if (textureFlippedH) flip |= SDL_FLIP_HORIZONTAL;
  if (textureFlippedV) flip |= SDL_FLIP_VERTICAL;
  // A mirrored quad is a turned one flipped upside down.
  if (ax * by - ay * bx < 0) flip ^= SDL_FLIP_VERTICAL;
  double angle = std::atan2(ay, ax) * 180.0 / M_PI;
  float middleS = (cut.Left + cut.Right) / 2, middleT = (cut.Top + cut.Bottom) / 2;
  float centerX = v[0].X + along[0] * middleS + down[0] * middleT;
  float centerY = v[0].Y + along[1] * middleS + down[1] * middleT;
  float cutWidth = cut.Right - cut.Left, cutHeight = cut.Bottom - cut.Top;
  SDL_FRect target{centerX - cutWidth / 2, centerY - cutHeight / 2, cutWidth, cutHeight};

  SDL_Color color = SdlColor(v[0].Color);
  SDL_SetTextureColorMod(texture.Sdl, color.r, color.g, color.b);
  SDL_SetTextureAlphaMod(texture.Sdl, color.a);
  SDL_RenderCopyExF(FRenderer, texture.Sdl, &cut.Source, &target, angle, nullptr, SDL_RendererFlip(flip));
  SDL_SetTextureColorMod(texture.Sdl, 255, 255, 255);
  SDL_SetTextureAlphaMod(texture.Sdl, 255);
  return true;
}

bool TSdlScreenDevice::CropToFrame(float originX, float originY, const float (&along)[2], const float (&down)[2],
                                   bool flippedH, bool flippedV, TSpriteCut& cut) const {
  // The frame's corners in the sprite's own axes (s along, t down).
  float sMin = cut.Right, sMax = 0, tMin = cut.Bottom, tMax = 0;
  const float frameRight = float(OutputWidth()), frameBottom = float(OutputHeight());
  const float corners[4][2] = {{0, 0}, {frameRight, 0}, {0, frameBottom}, {frameRight, frameBottom}};
  for (const auto& corner : corners) {
    float dx = corner[0] - originX, dy = corner[1] - originY;
    float sValue = dx * along[0] + dy * along[1], tValue = dx * down[0] + dy * down[1];
    sMin = std::min(sMin, sValue);
    sMax = std::max(sMax, sValue);
    tMin = std::min(tMin, tValue);
    tMax = std::max(tMax, tValue);
  }
  sMin = std::max(sMin, 0.0f);
  tMin = std::max(tMin, 0.0f);
  sMax = std::min(sMax, cut.Right);
  tMax = std::min(tMax, cut.Bottom);
  if (sMin >= sMax || tMin >= tMax) return false;
  // Whole texels only, so the cut lines up with the picture exactly.
  float texelW = cut.Right / cut.Source.w, texelH = cut.Bottom / cut.Source.h;
  int first = int(std::floor(sMin / texelW)), last = std::min(cut.Source.w, int(std::ceil(sMax / texelW)));
  int top = int(std::floor(tMin / texelH)), bottom = std::min(cut.Source.h, int(std::ceil(tMax / texelH)));
  cut.Left = first * texelW;
  cut.Right = last * texelW;
  cut.Top = top * texelH;
  cut.Bottom = bottom * texelH;
  int x = flippedH ? cut.Source.x + cut.Source.w - last : cut.Source.x + first;
  int y = flippedV ? cut.Source.y + cut.Source.h - bottom : cut.Source.y + top;
  cut.Source = SDL_Rect{x, y, last - first, bottom - top};
  return true;
}

void TSdlScreenDevice::DrawGeometry(const TTexture& texture, const TScreenVertex (&vertices)[4]) {
  std::vector<TScreenVertex> polygon(std::begin(vertices), std::end(vertices));
  if (ReachesOutside(polygon, OutputWidth(), OutputHeight())) {
    polygon = ClipPolygon(polygon, 0.0f, 0.0f, float(OutputWidth()), float(OutputHeight()));
    if (polygon.size() < 3) return;
  }
  // Coordinates count in the size asked for; the texture holds only the
  // picture.
  const float scaleU = float(texture.Width * texture.Density) / float(texture.ActualWidth);
  const float scaleV = float(texture.Height * texture.Density) / float(texture.ActualHeight);
  std::vector<SDL_Vertex> geometry(polygon.size());
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    geometry[i].position = SDL_FPoint{polygon[i].X, polygon[i].Y};
    geometry[i].color = SdlColor(polygon[i].Color);
    geometry[i].tex_coord = SDL_FPoint{polygon[i].U * scaleU, polygon[i].V * scaleV};
  }
  std::vector<int> fan;
  for (int i = 1; i + 1 < int(polygon.size()); ++i) fan.insert(fan.end(), {0, i, i + 1});
  SDL_RenderGeometry(FRenderer, texture.Sdl, geometry.data(), int(geometry.size()), fan.data(), int(fan.size()));
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
  TRgbaImage frame(OutputWidth(), OutputHeight());
  SDL_Texture* previous = SDL_GetRenderTarget(FRenderer);
  SDL_SetRenderTarget(FRenderer, FTarget);
  int result = SDL_RenderReadPixels(FRenderer, nullptr, SDL_PIXELFORMAT_ABGR8888, frame.Pixels.data(), frame.Width * 4);
  SDL_SetRenderTarget(FRenderer, previous);
  if (result != 0) return std::nullopt;
  return frame;
}

namespace {

// An OpenGL renderer whose rasteriser runs on the processor (as on a virtual
// display, or a machine without a graphics driver): SDL's own software
// renderer does the same work for a fraction of the cost.
bool RasterisesOnTheProcessor(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) return false;
  using TGetString = const unsigned char* (*)(unsigned int);
  auto getString = reinterpret_cast<TGetString>(SDL_GL_GetProcAddress("glGetString"));
  constexpr unsigned int kGlRenderer = 0x1F01;
  const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
  if (name == nullptr) return false;
  const std::string text(reinterpret_cast<const char*>(name));
  for (const char* software : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
    if (text.find(software) != std::string::npos) return true;
  return false;
}

// SDL_RENDER_DRIVER=software asks for the processor's drawing.
bool ForceSoftware() {
  const char* driver = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  return driver && std::strcmp(driver, "software") == 0;
}

// Without a graphics card's device node OpenGL can only rasterise on the
// processor; trying it anyway would map Mesa's compiler (50 MB resident) for
// nothing.
bool MayHaveGraphicsCard() {
#ifdef __linux__
  std::error_code error;
  return std::filesystem::exists("/dev/dri", error) || std::filesystem::exists("/dev/nvidiactl", error);
#else
  return true;
#endif
}

}  // namespace

std::unique_ptr<IScreenDevice> TSdlGraphics::CreateDevice(IWindow& window, const TPresentParameters& params,
                                                          TDeviceType type) {
  auto* sdlWindow = dynamic_cast<TSdlWindow*>(&window);
  if (!sdlWindow || !sdlWindow->Valid()) return nullptr;
  if (AlwaysSdlRenderer || (type == TDeviceType::dtHardware && !ForceSoftware() && MayHaveGraphicsCard())) {
    Uint32 flags = SDL_RENDERER_TARGETTEXTURE | (AlwaysSdlRenderer ? 0 : SDL_RENDERER_ACCELERATED);
    if (!params.Windowed && params.VSync) flags |= SDL_RENDERER_PRESENTVSYNC;
    if (SDL_Renderer* renderer = SDL_CreateRenderer(sdlWindow->Handle(), -1, flags)) {
      if (AlwaysSdlRenderer || !RasterisesOnTheProcessor(renderer)) {
        auto device = std::make_unique<TSdlScreenDevice>(*sdlWindow, renderer, params);
        if (device->Ready()) return device;
        return nullptr;
      }
      SDL_DestroyRenderer(renderer);
    }
  }
  // Drawn by the processor: the game's own screen, straight into the
  // window's surface.
  auto device = std::make_unique<TSoftwareScreenDevice>(params);
  device->Shortcuts = ProcessorShortcuts;
  device->OnPresent = [sdlWindow](const TPixelSurface& frame) {
    sdlWindow->ShowFrame(frame.Pixels.data(), frame.Width, frame.Height);
  };
  return device;
}

void TSdlGraphics::Beep() { std::fputs("\a", stderr); }

void TSdlGraphics::ShowCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

}  // namespace qm
