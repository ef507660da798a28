#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/RgbaImage.h"

namespace qm {

class IWindow;

// Blend factors of the classic fixed-function pipeline.
enum class TBlendFactor {
  Zero,
  One,
  SrcColor,
  InvSrcColor,
  SrcAlpha,
  InvSrcAlpha,
  DestColor,
  InvDestColor,
};

// A pre-transformed vertex: pixel position, ARGB colour that modulates the
// texture, texture coordinates.
struct TScreenVertex {
  float X = 0, Y = 0;
  std::uint32_t Color = 0xFFFFFFFF;  // 0xAARRGGBB
  float U = 0, V = 0;
};

// Width and Height are the frame's, in the units every quad counts in; the
// device draws Scale output pixels for each of them (at 2, a 1366 x 768
// frame is drawn 2732 x 1536), so large screens get every pixel's worth.
struct TPresentParameters {
  int Width = 800;
  int Height = 600;
  float Scale = 1;
  bool Windowed = true;
  int Bpp = 32;
  int BackBufferCount = 1;
  int RefreshRate = 0;
  bool VSync = false;
  bool LockableBackBuffer = false;
  bool DepthBuffer = false;
};

enum class TDeviceType { dtHardware, dtSoftware, dtReference };

enum class TCooperativeLevel { clOk, clLost, clNotReset };

using TTextureId = std::uint32_t;
constexpr TTextureId NoTexture = 0;

// One rendering device bound to the game window. Textures are "managed":
// they survive Reset, so nothing has to be reloaded after a lost device.
class IScreenDevice {
 public:
  virtual ~IScreenDevice() = default;

  virtual TCooperativeLevel TestCooperativeLevel() = 0;
  virtual bool Reset(const TPresentParameters& params) = 0;

  // Textures hold the picture at their top-left corner; their size is the
  // caller's (power-of-two) choice, in units. A picture of density 2 has two
  // pixels for every unit of that size each way: the same picture drawn
  // twice as fine.
  virtual TTextureId CreateTexture(int width, int height, const TRgbaImage& picture, int density) = 0;
  virtual void DestroyTexture(TTextureId texture) = 0;
  // Changes when a real device loss took every texture with it; owners of
  // textures then make theirs again (a mode switch keeps them).
  virtual std::uint32_t TextureGeneration() const = 0;

  virtual void BeginScene() = 0;
  virtual void EndScene() = 0;
  virtual void Present() = 0;
  virtual void Clear(std::uint32_t argb) = 0;
  // Returns false when the device cannot blend with these factors.
  virtual bool SetBlendFactors(TBlendFactor source, TBlendFactor destination) = 0;
  virtual void SetLinearFiltering(bool linear) = 0;
  virtual void SetTexture(TTextureId texture) = 0;
  // Two triangles as a fan from vertex 0 (top-left, top-right, bottom-right,
  // bottom-left).
  virtual void DrawQuad(const TScreenVertex (&vertices)[4]) = 0;
  virtual void SetGammaRamp(const std::uint16_t (&ramp)[3][256]) = 0;

  // The last presented frame, exactly as drawn, at back-buffer size times
  // the scale.
  virtual std::optional<TRgbaImage> ReadFrame() = 0;
};

// The graphics system: makes devices for the window.
class IGraphics {
 public:
  virtual ~IGraphics() = default;
  // Nothing when no device of that type can be made for the window.
  virtual std::unique_ptr<IScreenDevice> CreateDevice(IWindow& window, const TPresentParameters& params,
                                                      TDeviceType type) = 0;
  virtual void Beep() = 0;
  virtual void ShowCursor(bool show) = 0;
};

}  // namespace qm
