#include "engine/OmegaScreen.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace qm {

namespace {

struct TBlendPair {
  TBlendFactor Source;
  TBlendFactor Destination;
};

// Modes 1..13 of the blend table; everything else is mode 0.
TBlendPair BlendPairOf(int mode) {
  using F = TBlendFactor;
  switch (mode) {
    case 1: return {F::One, F::One};
    case 2: return {F::SrcAlpha, F::One};
    case 3: return {F::SrcColor, F::InvSrcColor};
    case 4: return {F::SrcColor, F::One};
    case 5: return {F::Zero, F::SrcColor};
    case 6: return {F::Zero, F::SrcAlpha};
    case 7: return {F::Zero, F::InvSrcColor};
    case 8: return {F::Zero, F::InvSrcAlpha};
    case 9: return {F::InvDestColor, F::Zero};
    case 10: return {F::SrcColor, F::SrcColor};
    case 11: return {F::DestColor, F::DestColor};
    case 12: return {F::InvSrcColor, F::InvSrcColor};
    case 13: return {F::InvDestColor, F::InvDestColor};
    default: return {F::SrcAlpha, F::InvSrcAlpha};
  }
}

int ClampChannel(int value) { return value < 0 ? 0 : value > 255 ? 255 : value; }

std::uint32_t ScaleColor(std::uint32_t argb, std::uint32_t screen) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    std::uint32_t c = (argb >> shift) & 0xFF, s = (screen >> shift) & 0xFF;
    out |= ((c * s) / 256) << shift;
  }
  return out;
}

}  // namespace

void TOmegaRenderer::Reset() {
  static const float kCorners[4][2] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
  static const float kTexture[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (int i = 0; i < 4; ++i) {
    Vertices[i] = TScreenVertex{kCorners[i][0], kCorners[i][1], 0xFFFFFFFF, kTexture[i][0], kTexture[i][1]};
  }
  Texture = NoTexture;
  FlipHorizontal = false;
  FlipVertical = false;
}

TOmegaScreen::TOmegaScreen(IGraphics* graphics, IWindow& window, IMessageBox& messages, IApplication& application)
    : FGraphics(graphics), FWindow(&window), FMessages(messages), FApplication(application) {
  for (int channel = 0; channel < 3; ++channel)
    for (int i = 0; i < 256; ++i) FGammaRamp[channel][i] = std::uint16_t(i * 256);
  if (!FGraphics) Fatal(kNoGraphicsMessage);
}

TOmegaScreen::~TOmegaScreen() {
  if (FGraphics) FGraphics->ShowCursor(true);
  if (FDevice) {
    FDevice->SetTexture(NoTexture);
    if (OnReleasePass) OnReleasePass();
    if (OnUnInit) OnUnInit();
    FDevice.reset();
  }
  if (OnDestroy) OnDestroy();
}

void TOmegaScreen::Fatal(const char* message) {
  FMessages.Show(message, "Error", TMessageBoxKind::mbError);
  FMessages.Show(kExitMessage, "Error", TMessageBoxKind::mbError);
  FApplication.Halt(1);
}

void TOmegaScreen::SetRed(int value) {
  FRed = ClampChannel(value);
  RepackColor();
}
void TOmegaScreen::SetGreen(int value) {
  FGreen = ClampChannel(value);
  RepackColor();
}
void TOmegaScreen::SetBlue(int value) {
  FBlue = ClampChannel(value);
  RepackColor();
}
void TOmegaScreen::SetAlpha(int value) {
  FAlpha = ClampChannel(value);
  RepackColor();
}

void TOmegaScreen::RepackColor() {
  FColor = (std::uint32_t(FAlpha) << 24) | (std::uint32_t(FRed) << 16) | (std::uint32_t(FGreen) << 8) |
           std::uint32_t(FBlue);
}

void TOmegaScreen::SetBpp(int value) { FBpp = value == 32 ? 32 : 16; }

void TOmegaScreen::SetFrequency(int value) {
  static const int kRates[] = {56, 60, 70, 72, 75, 85, 90, 100, 120, 140, 144, 150, 160, 170, 200, 240};
  FFrequency = 0;
  for (int rate : kRates)
    if (rate == value) FFrequency = value;
}

void TOmegaScreen::SetBBCount(int value) { FBBCount = value <= 0 ? 1 : value; }

bool TOmegaScreen::IsKnownFullScreenMode(int width, int height) {
  static const int kModes[][2] = {{800, 600},   {640, 400},  {640, 480},   {1024, 768},
                                  {320, 200},   {320, 240},  {1280, 1024}, {1366, 768},
                                  {1360, 768},  {1280, 768}, {1280, 800},  {1280, 720}};
  for (const auto& mode : kModes)
    if (mode[0] == width && mode[1] == height) return true;
  return false;
}

TPresentParameters TOmegaScreen::PresentParameters() {
  TPresentParameters params;
  params.LockableBackBuffer = BackBufferAccess;
  params.Windowed = !FullScreen;
  params.DepthBuffer = ZBuffer;
  params.Width = Width;
  params.Height = Height;
  params.Scale = OutputScale;
  if (FullScreen) {
    if (!IsKnownFullScreenMode(Width, Height)) {
      if (FGraphics) FGraphics->Beep();
      params.Width = 800;
      params.Height = 600;
    }
    params.Bpp = FBpp;
    params.BackBufferCount = FBBCount <= 0 ? 1 : FBBCount;
    params.RefreshRate = FFrequency;
    params.VSync = VSYNC;
  }
  return params;
}

void TOmegaScreen::ApplyWindowMode(const TPresentParameters& params) {
  // The window follows the presentation: desktop full screen or a window of
  // the back buffer's size (800 x 600 after an unknown full-screen size).
  FWindow->SetClientSize(params.Width, params.Height);
  FWindow->SetFullScreen(FullScreen);
}

void TOmegaScreen::InitDevice() {
  if (!FGraphics) Fatal(kNoGraphicsMessage);
  FDevice.reset();
  FInitialized = FActive = FCanDraw = false;
  TPresentParameters params = PresentParameters();
  TDeviceType type = RenderMode == rmReference ? TDeviceType::dtReference
                     : RenderMode == rmSoftware ? TDeviceType::dtSoftware
                                                : TDeviceType::dtHardware;
  FDevice = FGraphics->CreateDevice(*FWindow, params, type);
  if (!FDevice) {
    if (RenderMode != rmHardware) Fatal(kNoDeviceMessage);
    RenderMode = rmSoftware;
    FDevice = FGraphics->CreateDevice(*FWindow, params, TDeviceType::dtSoftware);
    if (!FDevice) Fatal(kNoDeviceMessage);
  }
  ApplyWindowMode(params);
  FInitialized = FActive = FCanDraw = true;
  ApplyFixedStates();
  RestorePass();
  if (OnInit) OnInit();
  FGraphics->ShowCursor(ShowMouseCursor);
}

void TOmegaScreen::ApplyFixedStates() {
  FBlendMode = 0;
  ApplyBlendFactors(0);
  FSmoothing = false;
  FDevice->SetLinearFiltering(false);
}

void TOmegaScreen::RestorePass() {
  FDevice->SetTexture(NoTexture);
  FDevice->SetGammaRamp(FGammaRamp);
  if (OnRestorePass) OnRestorePass();
}

bool TOmegaScreen::ResetDevice() {
  if (!FDevice) return false;
  int savedBlendMode = FBlendMode;
  bool savedSmoothing = FSmoothing;
  FDevice->SetTexture(NoTexture);
  if (OnReleasePass) OnReleasePass();
  FCanDraw = false;
  if (OnUnInit) OnUnInit();
  FDevice->SetTexture(NoTexture);
  TPresentParameters params = PresentParameters();
  if (!FDevice->Reset(params)) return false;
  ApplyWindowMode(params);
  FGraphics->ShowCursor(ShowMouseCursor);
  FCanDraw = true;
  FBlendMode = savedBlendMode;
  ApplyBlendFactors(savedBlendMode);
  FSmoothing = savedSmoothing;
  FDevice->SetLinearFiltering(savedSmoothing);
  RestorePass();
  if (OnInit) OnInit();
  return true;
}

void TOmegaScreen::BeginFrame() {
  if (!FDevice) return;
  switch (FDevice->TestCooperativeLevel()) {
    case TCooperativeLevel::clLost:
      return;
    case TCooperativeLevel::clNotReset:
      // The window is usable again; this frame is spent on the reset.
      ResetDevice();
      return;
    case TCooperativeLevel::clOk:
      break;
  }
  if (!IsReady()) return;
  FDevice->BeginScene();
  FSceneOpen = true;
}

void TOmegaScreen::ClearFrame(int red, int green, int blue, int alpha) {
  if (!IsReady() || !FDevice) return;
  FDevice->Clear((std::uint32_t(ClampChannel(alpha)) << 24) | (std::uint32_t(ClampChannel(red)) << 16) |
                 (std::uint32_t(ClampChannel(green)) << 8) | std::uint32_t(ClampChannel(blue)));
}

void TOmegaScreen::SetSmoothing(bool on) {
  FSmoothing = on;
  if (FDevice) FDevice->SetLinearFiltering(on);
}

void TOmegaScreen::SetBlendMode(int mode) {
  if (mode == -1 || mode == FBlendMode) return;
  FBlendMode = mode;
  ApplyBlendFactors(mode);
}

void TOmegaScreen::ApplyBlendFactors(int mode) {
  if (!FDevice) return;
  TBlendPair pair = BlendPairOf(mode);
  // A device that cannot blend this way draws with the normal mode.
  if (!FDevice->SetBlendFactors(pair.Source, pair.Destination)) {
    TBlendPair normal = BlendPairOf(0);
    FDevice->SetBlendFactors(normal.Source, normal.Destination);
  }
}

void TOmegaScreen::TransformVertex(const TScreenVertex& in, TScreenVertex& out) const {
  out = in;
  out.Color = ScaleColor(in.Color, FColor);
  double dx = (in.X - CenterX) * ScaleX, dy = (in.Y - CenterY) * ScaleY;
  if (Rotation != 0.0f) {
    double radians = Rotation * std::numbers::pi / 180.0;
    double c = std::cos(radians), s = std::sin(radians);
    double rx = c * dx - s * dy, ry = s * dx + c * dy;
    dx = rx;
    dy = ry;
  }
  out.X = float(CenterX + dx + OffsetX);
  out.Y = float(CenterY + dy + OffsetY);
}

void TOmegaScreen::DrawQuad(const TOmegaRenderer& quad) {
  // Outside an open scene the device draws nothing, as after a lost device.
  if (!FSceneOpen || !FCanDraw || !FDevice) return;
  TScreenVertex vertices[4];
  for (int i = 0; i < 4; ++i) TransformVertex(quad.Vertices[i], vertices[i]);
  FDevice->SetTexture(quad.Texture);
  FDevice->DrawQuad(vertices);
}

void TOmegaScreen::EndFrame() {
  if (!FSceneOpen) return;
  FSceneOpen = false;
  FDevice->EndScene();
  FDevice->Present();
}

}  // namespace qm
