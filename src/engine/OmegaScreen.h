#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "engine/ScreenLayout.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "platform/ScreenDevice.h"
#include "platform/Window.h"

namespace qm {

enum TPoolType { plManaged, plDefault };
enum TRenderMode { rmHardware, rmReference, rmSoftware };

// One sprite quad: four pre-transformed vertices in fan order (top-left,
// top-right, bottom-right, bottom-left) and the texture they show.
class TOmegaRenderer {
 public:
  TOmegaRenderer() { Reset(); }
  void Reset();

  TScreenVertex Vertices[4];
  TTextureId Texture = NoTexture;  // none draws a solid fill
  bool FlipHorizontal = false;
  bool FlipVertical = false;
};

// The game's one screen: makes the rendering device for the window, brackets
// every frame and draws every quad. Nothing reaches the screen any other way.
class TOmegaScreen {
 public:
  static constexpr const char* kNoGraphicsMessage =
      "Could not initialize Direct3D. You may\nwant to check that the latest version of\nDirectX is correctly "
      "installed on your\nsystem.  Also make sure that this program\nwas compiled with header files that match\n"
      "the installed DirectX DLLs.";
  static constexpr const char* kNoDeviceMessage = "Could not find any compatible Direct3D\ndevices.";
  static constexpr const char* kExitMessage = "This application will now exit.";

  // graphics is null when the machine has no display; the screen then says
  // so and the program ends.
  TOmegaScreen(IGraphics* graphics, IWindow& window, IMessageBox& messages, IApplication& application);
  ~TOmegaScreen();
  TOmegaScreen(const TOmegaScreen&) = delete;
  TOmegaScreen& operator=(const TOmegaScreen&) = delete;

  // Published settings.
  TPoolType Pool = plManaged;
  float ScaleX = 1.0f;
  float ScaleY = 1.0f;
  int CenterX = 0;
  int CenterY = 0;
  int OffsetX = 0;
  int OffsetY = 0;
  float Rotation = 0.0f;  // degrees
  bool ShowMouseCursor = true;
  TRenderMode RenderMode = rmHardware;
  int Width = 800;
  int Height = 600;
  bool ZBuffer = true;
  bool FullScreen = false;
  bool VSYNC = false;
  bool BackBufferAccess = false;
  // Output pixels drawn for each unit of the frame; a change takes effect
  // at the next device reset.
  float OutputScale = 1;
  // Told what each draw put where, while the gallery looks at the frames;
  // none in play.
  TScreenLayout* Layout = nullptr;

  int Red() const { return FRed; }
  int Green() const { return FGreen; }
  int Blue() const { return FBlue; }
  int Alpha() const { return FAlpha; }
  void SetRed(int value);
  void SetGreen(int value);
  void SetBlue(int value);
  void SetAlpha(int value);
  std::uint32_t PackedColor() const { return FColor; }
  int bpp() const { return FBpp; }
  void SetBpp(int value);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int value);
  int BBCount() const { return FBBCount; }
  void SetBBCount(int value);

  // Events.
  std::function<void()> OnDestroy;
  std::function<void()> OnInit;    // after every device creation or reset
  std::function<void()> OnUnInit;  // before every device release or reset
  // The passes over the window's image lists: before a reset they let go of
  // the device, after one they attach again and make missing textures.
  std::function<void()> OnReleasePass;
  std::function<void()> OnRestorePass;

  void UseWindow(IWindow& window) { FWindow = &window; }
  void InitDevice();
  void BeginFrame();
  void ClearFrame(int red, int green, int blue, int alpha);
  void SetSmoothing(bool on);
  void SetBlendMode(int mode);
  void DrawQuad(const TOmegaRenderer& quad);
  void EndFrame();
  bool ResetDevice();
  bool IsReady() const { return FInitialized && FActive; }

  IScreenDevice* Device() const { return FDevice.get(); }
  int CurrentBlendMode() const { return FBlendMode; }
  bool Smoothing() const { return FSmoothing; }

  // Full-screen sizes the device accepts as they are.
  static bool IsKnownFullScreenMode(int width, int height);

 private:
  TPresentParameters PresentParameters();
  void Fatal(const char* message);
  void ApplyFixedStates();
  void ApplyBlendFactors(int mode);
  void RestorePass();
  void ApplyWindowMode(const TPresentParameters& params);
  void RepackColor();
  void TransformVertex(const TScreenVertex& in, TScreenVertex& out) const;

  IGraphics* FGraphics;
  IWindow* FWindow;
  IMessageBox& FMessages;
  IApplication& FApplication;
  std::unique_ptr<IScreenDevice> FDevice;
  int FRed = 255, FGreen = 255, FBlue = 255, FAlpha = 255;
  std::uint32_t FColor = 0xFFFFFFFF;
  int FBpp = 16;
  int FFrequency = 0;
  int FBBCount = 0;
  bool FInitialized = false;
  bool FActive = false;
  bool FSceneOpen = false;
  // A failed reset leaves the device unable to draw until the next one works.
  bool FCanDraw = false;
  int FBlendMode = 0;
  bool FSmoothing = false;
  std::uint16_t FGammaRamp[3][256];
};

}  // namespace qm
