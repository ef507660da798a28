#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/OmegaScreen.h"
#include "platform/Application.h"
#include "platform/HeadlessScreenDevice.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"

namespace qm {
namespace {

using F = TBlendFactor;

// The exit code the program ended with, or -1 when it kept running.
int HaltCode(const std::function<void()>& action) {
  try {
    action();
  } catch (const TProgramHalted& halted) {
    return halted.ExitCode;
  }
  return -1;
}

// A 52×52 sprite at (left, top) in one colour.
TOmegaRenderer Sprite(float left, float top, std::uint32_t color = 0xFFFFFFFF) {
  TOmegaRenderer quad;
  const float corners[4][2] = {{left, top}, {left + 52, top}, {left + 52, top + 52}, {left, top + 52}};
  for (int i = 0; i < 4; ++i) {
    quad.Vertices[i].X = corners[i][0];
    quad.Vertices[i].Y = corners[i][1];
    quad.Vertices[i].Color = color;
  }
  return quad;
}

class OmegaScreenTest : public testing::Test {
 protected:
  // The main window's settings.
  void Configure() {
    screen.Width = 1366;
    screen.Height = 768;
    screen.SetBpp(32);
    screen.ZBuffer = false;
  }
  void Start() {
    Configure();
    screen.InitDevice();
  }
  THeadlessScreenDevice& Device() { return *graphics.LastDevice; }

  // One frame in the shell's order with the given drawing.
  void Frame(const std::function<void()>& draw = {}) {
    if (!screen.IsReady()) return;
    screen.SetSmoothing(true);
    screen.ClearFrame(0, 0, 0, 255);
    screen.BeginFrame();
    if (draw) draw();
    screen.EndFrame();
  }
  void FrameWith(const TOmegaRenderer& quad) {
    Frame([&] { screen.DrawQuad(quad); });
  }
  // The one quad the last frame drew.
  const THeadlessScreenDevice::TDrawnQuad& Drawn() {
    EXPECT_EQ(Device().Quads.size(), 1u);
    return Device().Quads.back();
  }

  void Record(TOmegaScreen& target) {
    target.OnInit = [this] { events.push_back("Init"); };
    target.OnUnInit = [this] { events.push_back("UnInit"); };
    target.OnRestorePass = [this] { events.push_back("RestorePass"); };
    target.OnReleasePass = [this] { events.push_back("ReleasePass"); };
    target.OnDestroy = [this] { events.push_back("Destroy"); };
  }
  using TEvents = std::vector<std::string>;

  // Before the screen, which still reports while it is destroyed.
  TEvents events;
  THeadlessGraphics graphics;
  THeadlessWindow window;
  THeadlessMessageBox messages;
  THeadlessApplication app;
  TOmegaScreen screen{&graphics, window, messages, app};
};

using OmegaScreenDefaults = OmegaScreenTest;
using OmegaScreenFrequency = OmegaScreenTest;
using OmegaScreenBpp = OmegaScreenTest;
using OmegaScreenBBCount = OmegaScreenTest;
using OmegaScreenColorSetters = OmegaScreenTest;
using OmegaScreenDeviceCreation = OmegaScreenTest;
using OmegaScreenFatalErrors = OmegaScreenTest;
using OmegaScreenBackBufferSize = OmegaScreenTest;
using OmegaScreenBlendModes = OmegaScreenTest;
using OmegaScreenColorStep = OmegaScreenTest;
using OmegaScreenTransform = OmegaScreenTest;
using OmegaScreenFrames = OmegaScreenTest;
using OmegaScreenLostDevice = OmegaScreenTest;
using OmegaScreenFailedReset = OmegaScreenTest;
using OmegaScreenReset = OmegaScreenTest;

TEST_F(OmegaScreenDefaults, StartWithTheConstructorValues) {
  EXPECT_EQ(screen.Pool, plManaged);
  EXPECT_EQ(screen.ScaleX, 1.0f);
  EXPECT_EQ(screen.ScaleY, 1.0f);
  EXPECT_EQ(screen.Rotation, 0.0f);
  EXPECT_EQ(screen.PackedColor(), 0xFFFFFFFFu);
  EXPECT_TRUE(screen.ShowMouseCursor);
  EXPECT_EQ(screen.RenderMode, rmHardware);
  EXPECT_EQ(screen.Width, 800);
  EXPECT_EQ(screen.Height, 600);
  EXPECT_EQ(screen.bpp(), 16);
  EXPECT_TRUE(screen.ZBuffer);
  EXPECT_FALSE(screen.FullScreen);
  EXPECT_EQ(screen.Frequency(), 0);
  EXPECT_FALSE(screen.VSYNC);
  EXPECT_FALSE(screen.BackBufferAccess);
  EXPECT_EQ(screen.BBCount(), 0);
  EXPECT_FALSE(screen.IsReady()) << "no device before InitDevice";
}

TEST_F(OmegaScreenFrequency, UnlistedRatesBecomeTheAdapterDefault) {
  screen.SetFrequency(60);
  screen.SetFrequency(59);
  EXPECT_EQ(screen.Frequency(), 0);
  screen.SetFrequency(50);
  EXPECT_EQ(screen.Frequency(), 0);
}

TEST_F(OmegaScreenFrequency, ListedRatesAreKept) {
  for (int rate : {56, 60, 70, 72, 75, 85, 90, 100, 120, 140, 144, 150, 160, 170, 200, 240}) {
    screen.SetFrequency(rate);
    EXPECT_EQ(screen.Frequency(), rate);
  }
}

TEST_F(OmegaScreenBpp, AnythingBut32Becomes16) {
  screen.SetBpp(24);
  EXPECT_EQ(screen.bpp(), 16);
  screen.SetBpp(8);
  EXPECT_EQ(screen.bpp(), 16);
  screen.SetBpp(32);
  EXPECT_EQ(screen.bpp(), 32);
}

TEST_F(OmegaScreenBBCount, ZeroOrLessBecomesOne) {
  screen.SetBBCount(0);
  EXPECT_EQ(screen.BBCount(), 1);
  screen.SetBBCount(-3);
  EXPECT_EQ(screen.BBCount(), 1);
  screen.SetBBCount(2);
  EXPECT_EQ(screen.BBCount(), 2);
}

TEST_F(OmegaScreenColorSetters, EachChannelIsRepackedIntoOneArgbValue) {
  screen.SetRed(0x12);
  EXPECT_EQ(screen.PackedColor(), 0xFF12FFFFu);
  screen.SetGreen(0x34);
  screen.SetBlue(0x56);
  screen.SetAlpha(0x78);
  EXPECT_EQ(screen.PackedColor(), 0x78123456u);
  EXPECT_EQ(screen.Red(), 0x12);
  EXPECT_EQ(screen.Green(), 0x34);
  EXPECT_EQ(screen.Blue(), 0x56);
  EXPECT_EQ(screen.Alpha(), 0x78);
}

TEST_F(OmegaScreenDeviceCreation, AHardwareDeviceIsAskedForFirst) {
  Start();
  EXPECT_EQ(graphics.Requests, std::vector<TDeviceType>{TDeviceType::dtHardware});
  EXPECT_TRUE(screen.IsReady());
  EXPECT_EQ(screen.RenderMode, rmHardware);
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(OmegaScreenDeviceCreation, AFailedHardwareDeviceSwitchesToSoftwareAndRetries) {
  graphics.FailHardware = true;
  Start();
  EXPECT_EQ(graphics.Requests, (std::vector<TDeviceType>{TDeviceType::dtHardware, TDeviceType::dtSoftware}));
  EXPECT_EQ(screen.RenderMode, rmSoftware);
  EXPECT_TRUE(screen.IsReady());
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(OmegaScreenDeviceCreation, TheWindowFollowsThePresentation) {
  Configure();
  screen.FullScreen = true;
  screen.InitDevice();
  EXPECT_TRUE(window.IsFullScreen);
  EXPECT_EQ(window.Width, 1366);
  EXPECT_EQ(window.Height, 768);
}

TEST_F(OmegaScreenDeviceCreation, FullScreenParametersComeFromTheProperties) {
  Configure();
  screen.FullScreen = true;
  screen.SetFrequency(75);
  screen.VSYNC = true;
  screen.InitDevice();
  const TPresentParameters& params = Device().Params;
  EXPECT_FALSE(params.Windowed);
  EXPECT_EQ(params.Bpp, 32);
  EXPECT_EQ(params.BackBufferCount, 1) << "a count of 0 is raised to 1";
  EXPECT_EQ(params.RefreshRate, 75);
  EXPECT_TRUE(params.VSync);
  EXPECT_FALSE(params.DepthBuffer);
}

TEST_F(OmegaScreenDeviceCreation, TheCursorIsShownOrHiddenAsAsked) {
  Configure();
  screen.ShowMouseCursor = false;
  screen.InitDevice();
  EXPECT_FALSE(graphics.CursorShown);
}

TEST_F(OmegaScreenDeviceCreation, TheGammaRampIsTheIdentity) {
  Start();
  EXPECT_EQ(Device().GammaRamp[0][0], 0);
  EXPECT_EQ(Device().GammaRamp[0][1], 256);
  EXPECT_EQ(Device().GammaRamp[1][128], 128 * 256);
  EXPECT_EQ(Device().GammaRamp[2][255], 255 * 256);
}

TEST_F(OmegaScreenDeviceCreation, TheFreshDeviceBlendsNormallyWithPointFiltering) {
  screen.SetBlendMode(2);
  Start();
  EXPECT_EQ(screen.CurrentBlendMode(), 0);
  EXPECT_EQ(Device().Source, F::SrcAlpha);
  EXPECT_EQ(Device().Destination, F::InvSrcAlpha);
  EXPECT_FALSE(Device().Linear);
}

TEST_F(OmegaScreenFatalErrors, NoSoftwareDeviceEitherEndsTheProgram) {
  graphics.FailHardware = true;
  graphics.FailSoftware = true;
  EXPECT_EQ(HaltCode([&] { Start(); }), 1);
  ASSERT_EQ(messages.Messages.size(), 2u);
  EXPECT_EQ(messages.Messages[0].Text, "Could not find any compatible Direct3D\ndevices.");
  EXPECT_EQ(messages.Messages[0].Caption, "Error");
  EXPECT_EQ(messages.Messages[0].Kind, TMessageBoxKind::mbError);
  EXPECT_EQ(messages.Messages[1].Text, "This application will now exit.");
  EXPECT_EQ(messages.Messages[1].Caption, "Error");
}

TEST_F(OmegaScreenFatalErrors, AFailedReferenceDeviceIsNotRetried) {
  graphics.FailReference = true;
  screen.RenderMode = rmReference;
  EXPECT_EQ(HaltCode([&] { Start(); }), 1);
  EXPECT_EQ(graphics.Requests, std::vector<TDeviceType>{TDeviceType::dtReference});
  ASSERT_EQ(messages.Messages.size(), 2u);
  EXPECT_EQ(messages.Messages[0].Text, "Could not find any compatible Direct3D\ndevices.");
  EXPECT_EQ(messages.Messages[1].Text, "This application will now exit.");
}

TEST_F(OmegaScreenFatalErrors, NoGraphicsAtAllEndsTheProgramAtConstruction) {
  THeadlessMessageBox shown;
  EXPECT_EQ(HaltCode([&] { TOmegaScreen orphan(nullptr, window, shown, app); }), 1);
  ASSERT_EQ(shown.Messages.size(), 2u);
  EXPECT_EQ(shown.Messages[0].Text,
            "Could not initialize Direct3D. You may\nwant to check that the latest version of\n"
            "DirectX is correctly installed on your\nsystem.  Also make sure that this program\n"
            "was compiled with header files that match\nthe installed DirectX DLLs.");
  EXPECT_EQ(shown.Messages[0].Caption, "Error");
  EXPECT_EQ(shown.Messages[1].Text, "This application will now exit.");
}

TEST_F(OmegaScreenBackBufferSize, FullScreenAtAKnownModeUsesThatSize) {
  Configure();
  screen.FullScreen = true;
  screen.InitDevice();
  EXPECT_EQ(Device().Params.Width, 1366);
  EXPECT_EQ(Device().Params.Height, 768);
  EXPECT_EQ(graphics.Beeps, 0);
}

TEST_F(OmegaScreenBackBufferSize, FullScreenAtAnUnknownSizeBeepsAndUses800x600) {
  screen.Width = 1400;
  screen.Height = 1050;
  screen.FullScreen = true;
  screen.InitDevice();
  EXPECT_EQ(graphics.Beeps, 1);
  EXPECT_EQ(Device().Params.Width, 800);
  EXPECT_EQ(Device().Params.Height, 600);
  EXPECT_EQ(window.Width, 800) << "the window shows the back buffer it really has";
  EXPECT_EQ(window.Height, 600);
}

TEST_F(OmegaScreenBackBufferSize, WindowedUsesAnySizeUnchanged) {
  screen.Width = 1400;
  screen.Height = 1050;
  screen.InitDevice();
  EXPECT_EQ(graphics.Beeps, 0);
  EXPECT_TRUE(Device().Params.Windowed);
  EXPECT_EQ(Device().Params.Width, 1400);
  EXPECT_EQ(Device().Params.Height, 1050);
}

TEST_F(OmegaScreenBackBufferSize, AResetToFullScreenFollowsTheSameRule) {
  screen.Width = 1400;
  screen.Height = 1050;
  screen.InitDevice();
  screen.FullScreen = true;
  ASSERT_TRUE(screen.ResetDevice());
  EXPECT_EQ(graphics.Beeps, 1);
  EXPECT_FALSE(Device().Params.Windowed);
  EXPECT_EQ(Device().Params.Width, 800);
  EXPECT_EQ(Device().Params.Height, 600);
  EXPECT_TRUE(window.IsFullScreen);
}

TEST_F(OmegaScreenBlendModes, EveryModeOfTheTableSetsItsFactors) {
  struct TRow {
    int Mode;
    F Source, Destination;
  };
  const TRow table[] = {
      {1, F::One, F::One},
      {2, F::SrcAlpha, F::One},
      {3, F::SrcColor, F::InvSrcColor},
      {4, F::SrcColor, F::One},
      {5, F::Zero, F::SrcColor},
      {6, F::Zero, F::SrcAlpha},
      {7, F::Zero, F::InvSrcColor},
      {8, F::Zero, F::InvSrcAlpha},
      {9, F::InvDestColor, F::Zero},
      {10, F::SrcColor, F::SrcColor},
      {11, F::DestColor, F::DestColor},
      {12, F::InvSrcColor, F::InvSrcColor},
      {13, F::InvDestColor, F::InvDestColor},
      {0, F::SrcAlpha, F::InvSrcAlpha},
  };
  Start();
  for (const TRow& row : table) {
    screen.SetBlendMode(row.Mode);
    FrameWith(Sprite(10, 10));
    EXPECT_EQ(Drawn().Source, row.Source) << "mode " << row.Mode;
    EXPECT_EQ(Drawn().Destination, row.Destination) << "mode " << row.Mode;
  }
}

TEST_F(OmegaScreenBlendModes, MinusOneKeepsThePreviousMode) {
  Start();
  screen.SetBlendMode(2);
  screen.SetBlendMode(-1);
  EXPECT_EQ(screen.CurrentBlendMode(), 2);
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Drawn().Source, F::SrcAlpha);
  EXPECT_EQ(Drawn().Destination, F::One);
}

TEST_F(OmegaScreenBlendModes, AnUnknownModeBlendsNormally) {
  Start();
  screen.SetBlendMode(1);
  screen.SetBlendMode(20);
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Drawn().Source, F::SrcAlpha);
  EXPECT_EQ(Drawn().Destination, F::InvSrcAlpha);
}

TEST_F(OmegaScreenBlendModes, SettingTheCurrentModeAgainChangesNoState) {
  Start();
  screen.SetBlendMode(2);
  int calls = Device().SetBlendCalls;
  screen.SetBlendMode(2);
  screen.SetBlendMode(-1);
  EXPECT_EQ(Device().SetBlendCalls, calls);
  screen.SetBlendMode(0);
  EXPECT_EQ(Device().SetBlendCalls, calls + 1);
}

TEST_F(OmegaScreenBlendModes, AModeTheDeviceRefusesFallsBackToNormal) {
  Start();
  Device().RefuseCustomBlending = true;
  screen.SetBlendMode(11);
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Drawn().Source, F::SrcAlpha);
  EXPECT_EQ(Drawn().Destination, F::InvSrcAlpha);
  screen.SetBlendMode(2);
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Drawn().Destination, F::One) << "the additive mode is always available";
}

TEST_F(OmegaScreenColorStep, OpaqueWhiteArrivesAs254OnEveryChannel) {
  Start();
  FrameWith(Sprite(10, 10, 0xFFFFFFFF));
  for (const TScreenVertex& vertex : Drawn().Vertices) EXPECT_EQ(vertex.Color, 0xFEFEFEFEu);
}

TEST_F(OmegaScreenColorStep, EachChannelIsMultipliedByTheScreenColourDiv256) {
  Start();
  screen.SetRed(128);
  screen.SetGreen(64);
  screen.SetBlue(0);
  // Vertex alpha 200, red 200, green 100, blue 50.
  FrameWith(Sprite(10, 10, 0xC8C86432));
  // 200*255/256 = 199, 200*128/256 = 100, 100*64/256 = 25, 50*0/256 = 0.
  EXPECT_EQ(Drawn().Vertices[0].Color, 0xC7641900u);
}

TEST_F(OmegaScreenColorStep, BlackStaysBlack) {
  Start();
  FrameWith(Sprite(10, 10, 0x00000000));
  EXPECT_EQ(Drawn().Vertices[2].Color, 0x00000000u);
}

TEST_F(OmegaScreenTransform, TheMainWindowsValuesLeavePositionsAlone) {
  Start();
  TOmegaRenderer quad = Sprite(10, 20);
  FrameWith(quad);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Drawn().Vertices[i].X, quad.Vertices[i].X);
    EXPECT_EQ(Drawn().Vertices[i].Y, quad.Vertices[i].Y);
    EXPECT_EQ(Drawn().Vertices[i].U, quad.Vertices[i].U);
    EXPECT_EQ(Drawn().Vertices[i].V, quad.Vertices[i].V);
  }
}

TEST_F(OmegaScreenTransform, ScaleIsAboutTheCentre) {
  Start();
  screen.CenterX = 100;
  screen.CenterY = 50;
  screen.ScaleX = 2;
  screen.ScaleY = 3;
  FrameWith(Sprite(100, 50));
  EXPECT_FLOAT_EQ(Drawn().Vertices[0].X, 100) << "the centre stays put";
  EXPECT_FLOAT_EQ(Drawn().Vertices[0].Y, 50);
  EXPECT_FLOAT_EQ(Drawn().Vertices[2].X, 100 + 2 * 52);
  EXPECT_FLOAT_EQ(Drawn().Vertices[2].Y, 50 + 3 * 52);
}

TEST_F(OmegaScreenTransform, HalfATurnMirrorsThroughTheCentre) {
  Start();
  screen.CenterX = 100;
  screen.CenterY = 50;
  screen.Rotation = 180;
  FrameWith(Sprite(110, 60));
  EXPECT_NEAR(Drawn().Vertices[0].X, 90, 1e-3);
  EXPECT_NEAR(Drawn().Vertices[0].Y, 40, 1e-3);
  EXPECT_NEAR(Drawn().Vertices[2].X, 100 - 62, 1e-3);
  EXPECT_NEAR(Drawn().Vertices[2].Y, 50 - 62, 1e-3);
}

TEST_F(OmegaScreenTransform, PositiveAnglesTurnClockwiseOnScreen) {
  Start();
  screen.CenterX = 100;
  screen.CenterY = 50;
  screen.Rotation = 90;
  // The top-left corner sits right of the centre; a quarter turn takes it below.
  FrameWith(Sprite(110, 50));
  EXPECT_NEAR(Drawn().Vertices[0].X, 100, 1e-3);
  EXPECT_NEAR(Drawn().Vertices[0].Y, 60, 1e-3);
}

TEST_F(OmegaScreenTransform, TheOffsetMovesEveryVertex) {
  Start();
  screen.OffsetX = 5;
  screen.OffsetY = -7;
  FrameWith(Sprite(10, 20));
  EXPECT_FLOAT_EQ(Drawn().Vertices[0].X, 15);
  EXPECT_FLOAT_EQ(Drawn().Vertices[0].Y, 13);
  EXPECT_FLOAT_EQ(Drawn().Vertices[2].X, 67);
  EXPECT_FLOAT_EQ(Drawn().Vertices[2].Y, 65);
}

TEST_F(OmegaScreenTransform, ScaleAndTurnComeBeforeTheOffset) {
  Start();
  screen.ScaleX = 2;
  screen.ScaleY = 2;
  screen.Rotation = 180;
  screen.OffsetX = 300;
  screen.OffsetY = 200;
  FrameWith(Sprite(10, 20));
  EXPECT_NEAR(Drawn().Vertices[0].X, 280, 1e-3);
  EXPECT_NEAR(Drawn().Vertices[0].Y, 160, 1e-3);
}

TEST_F(OmegaScreenFrames, AFrameIsClearedDrawnAndPresentedOnce) {
  Start();
  Frame([&] {
    screen.DrawQuad(Sprite(10, 10));
    screen.DrawQuad(Sprite(70, 10));
  });
  EXPECT_EQ(Device().ClearColor, 0xFF000000u) << "opaque black";
  EXPECT_TRUE(Device().Linear) << "the shell smooths every frame";
  EXPECT_EQ(Device().ScenesBegun, 1);
  EXPECT_EQ(Device().ScenesEnded, 1);
  EXPECT_EQ(Device().FramesPresented, 1);
  EXPECT_EQ(Device().QuadsDrawn, 2);
}

TEST_F(OmegaScreenFrames, DrawsOutsideAFrameDoNothing) {
  Start();
  screen.DrawQuad(Sprite(10, 10));
  FrameWith(Sprite(10, 10));
  screen.DrawQuad(Sprite(10, 10));
  EXPECT_EQ(Device().QuadsDrawn, 1);
}

TEST_F(OmegaScreenFrames, EndFrameWithoutBeginFramePresentsNothing) {
  Start();
  screen.EndFrame();
  EXPECT_EQ(Device().ScenesEnded, 0);
  EXPECT_EQ(Device().FramesPresented, 0);
}

TEST_F(OmegaScreenFrames, NothingHappensBeforeTheDeviceIsMade) {
  screen.BeginFrame();
  screen.ClearFrame(0, 0, 0, 255);
  screen.DrawQuad(Sprite(10, 10));
  screen.EndFrame();
  EXPECT_EQ(graphics.LastDevice, nullptr);
  EXPECT_FALSE(screen.IsReady());
}

TEST_F(OmegaScreenFrames, EachQuadShowsItsOwnTexture) {
  Start();
  TTextureId texture = Device().CreateTexture(64, 64, TRgbaImage(52, 52), 1);
  TOmegaRenderer textured = Sprite(10, 10);
  textured.Texture = texture;
  Frame([&] {
    screen.DrawQuad(textured);
    screen.DrawQuad(Sprite(70, 10));
  });
  ASSERT_EQ(Device().Quads.size(), 2u);
  EXPECT_EQ(Device().Quads[0].Texture, texture);
  EXPECT_EQ(Device().Quads[1].Texture, NoTexture);
}

TEST_F(OmegaScreenLostDevice, ALostDeviceDrawsAndPresentsNothing) {
  Start();
  Device().CooperativeLevel = TCooperativeLevel::clLost;
  for (int i = 0; i < 3; ++i) FrameWith(Sprite(10, 10));
  EXPECT_EQ(Device().ScenesBegun, 0);
  EXPECT_EQ(Device().QuadsDrawn, 0);
  EXPECT_EQ(Device().FramesPresented, 0);
  EXPECT_EQ(Device().Resets, 0) << "no reset while the device is lost";
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(OmegaScreenLostDevice, TheFrameThatResetsTheDeviceIsNotDrawn) {
  Start();
  Device().CooperativeLevel = TCooperativeLevel::clLost;
  FrameWith(Sprite(10, 10));
  Device().CooperativeLevel = TCooperativeLevel::clNotReset;
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Device().Resets, 1);
  EXPECT_EQ(Device().QuadsDrawn, 0);
  EXPECT_EQ(Device().FramesPresented, 0);
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Device().QuadsDrawn, 1);
  EXPECT_EQ(Device().FramesPresented, 1);
}

TEST_F(OmegaScreenFailedReset, TheScreenCannotDrawUntilAResetSucceeds) {
  Start();
  Device().FailReset = true;
  EXPECT_FALSE(screen.ResetDevice());
  FrameWith(Sprite(10, 10));
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Device().QuadsDrawn, 0);
  Device().FailReset = false;
  EXPECT_TRUE(screen.ResetDevice());
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Device().QuadsDrawn, 1);
}

TEST_F(OmegaScreenFailedReset, ALostDeviceKeepsTryingEveryFrame) {
  Start();
  Device().CooperativeLevel = TCooperativeLevel::clNotReset;
  Device().FailReset = true;
  FrameWith(Sprite(10, 10));
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Device().QuadsDrawn, 0);
  EXPECT_TRUE(messages.Messages.empty()) << "a failed reset is not reported";
  Device().FailReset = false;
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Device().Resets, 1);
  FrameWith(Sprite(10, 10));
  EXPECT_EQ(Device().QuadsDrawn, 1);
}

using OmegaScreenEventOrder = OmegaScreenTest;

TEST_F(OmegaScreenEventOrder, CreationRestoresImagesThenAnnouncesInit) {
  Record(screen);
  Start();
  EXPECT_EQ(events, (TEvents{"RestorePass", "Init"}));
}

TEST_F(OmegaScreenEventOrder, AResetReleasesThenRestores) {
  Start();
  Record(screen);
  ASSERT_TRUE(screen.ResetDevice());
  EXPECT_EQ(events, (TEvents{"ReleasePass", "UnInit", "RestorePass", "Init"}));
}

TEST_F(OmegaScreenEventOrder, AFailedResetOnlyReleases) {
  Start();
  Record(screen);
  Device().FailReset = true;
  EXPECT_FALSE(screen.ResetDevice());
  EXPECT_EQ(events, (TEvents{"ReleasePass", "UnInit"}));
}

TEST_F(OmegaScreenEventOrder, DestructionReleasesThenAnnouncesDestroy) {
  auto doomed = std::make_unique<TOmegaScreen>(&graphics, window, messages, app);
  doomed->InitDevice();
  Record(*doomed);
  doomed->ShowMouseCursor = false;
  graphics.CursorShown = false;
  doomed.reset();
  EXPECT_EQ(events, (TEvents{"ReleasePass", "UnInit", "Destroy"}));
  EXPECT_TRUE(graphics.CursorShown) << "the cursor comes back at the end";
}

TEST_F(OmegaScreenReset, TexturesSurviveAReset) {
  Start();
  TTextureId texture = Device().CreateTexture(64, 64, TRgbaImage(52, 52), 1);
  std::uint32_t generation = Device().TextureGeneration();
  screen.FullScreen = true;
  ASSERT_TRUE(screen.ResetDevice());
  EXPECT_EQ(Device().Textures.count(texture), 1u);
  EXPECT_EQ(Device().TextureGeneration(), generation) << "nothing to reload";
  TOmegaRenderer textured = Sprite(10, 10);
  textured.Texture = texture;
  FrameWith(textured);
  EXPECT_EQ(Drawn().Texture, texture);
}

TEST_F(OmegaScreenReset, BlendModeAndSmoothingAreRestored) {
  Start();
  screen.SetBlendMode(2);
  screen.SetSmoothing(true);
  ASSERT_TRUE(screen.ResetDevice());
  EXPECT_EQ(Device().Source, F::SrcAlpha);
  EXPECT_EQ(Device().Destination, F::One);
  EXPECT_TRUE(Device().Linear);
  EXPECT_EQ(Device().BoundTexture, NoTexture);
}

TEST_F(OmegaScreenReset, NothingHappensWithoutADevice) {
  EXPECT_FALSE(screen.ResetDevice());
  EXPECT_EQ(graphics.Beeps, 0);
}

}  // namespace
}  // namespace qm
