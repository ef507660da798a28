#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/Letterbox.h"
#include "platform/Platform.h"
#include "platform/SdlScreenDevice.h"

#include <SDL.h>

namespace qm {
namespace {

struct TRgba {
  int R, G, B, A;
};

// Opaque colours of the test texture's four quarters.
constexpr TRgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255}, kYellow{255, 255, 0, 255};

// What source-alpha blending gives: the colour weighted by its alpha over
// the background weighted by the rest.
int Over(int color, int alpha, int background) { return (color * alpha + background * (255 - alpha)) / 255; }

// What additive blending weighted by the source alpha gives.
int Added(int color, int alpha, int background) { return std::min(255, background + color * alpha / 255); }

// A vertex channel after the screen's colour step with the default colour.
int Stepped(int channel) { return channel * 255 / 256; }

// Each case runs on both screens a machine may get: the game's own
// processor screen (no graphics card) and SDL's renderer (a graphics card's
// path, here SDL's software renderer).
class SdlScreenDeviceTest : public testing::TestWithParam<bool> {
 protected:
  static constexpr int kWidth = 64, kHeight = 48;

  void SetUp() override {
    platform = CreateRenderingTestPlatform();
    auto* graphics = dynamic_cast<TSdlGraphics*>(platform->Graphics.get());
    if (!graphics) GTEST_SKIP() << "SDL cannot make a window here";
    graphics->AlwaysSdlRenderer = SdlRenderer();
    screen = std::make_unique<TOmegaScreen>(platform->Graphics.get(), *platform->Window, *platform->MessageBox,
                                            *platform->Application);
    screen->Width = kWidth;
    screen->Height = kHeight;
    screen->SetBpp(32);
    screen->ZBuffer = false;
    screen->InitDevice();
  }
  void TearDown() override { screen.reset(); }

  IScreenDevice& Device() { return *screen->Device(); }
  static bool SdlRenderer() { return GetParam(); }

  // A quad over (left, top)–(right, bottom) in one vertex colour.
  static TOmegaRenderer Quad(float left, float top, float right, float bottom, std::uint32_t color = 0xFFFFFFFF) {
    TOmegaRenderer quad;
    const float corners[4][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    for (int i = 0; i < 4; ++i) {
      quad.Vertices[i].X = corners[i][0];
      quad.Vertices[i].Y = corners[i][1];
      quad.Vertices[i].Color = color;
    }
    return quad;
  }

  // A 4×4 texture: red, green / blue, yellow quarters of 2×2 pixels.
  TTextureId QuarteredTexture() {
    TRgbaImage picture(4, 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) {
        const TRgba& c = y < 2 ? (x < 2 ? kRed : kGreen) : (x < 2 ? kBlue : kYellow);
        std::uint8_t* p = picture.At(x, y);
        p[0] = std::uint8_t(c.R);
        p[1] = std::uint8_t(c.G);
        p[2] = std::uint8_t(c.B);
        p[3] = std::uint8_t(c.A);
      }
    return Device().CreateTexture(4, 4, picture, 1);
  }

  // One frame in the shell's order over a background colour.
  template <typename TDraw>
  void Frame(TRgba background, TDraw draw) {
    screen->SetSmoothing(true);
    screen->ClearFrame(background.R, background.G, background.B, background.A);
    screen->BeginFrame();
    draw();
    screen->EndFrame();
    frame = Device().ReadFrame();
    ASSERT_TRUE(frame.has_value());
  }

  TRgba Pixel(int x, int y) const {
    const std::uint8_t* p = frame->At(x, y);
    return TRgba{p[0], p[1], p[2], p[3]};
  }

  // Dots each of its own colour: red rises by stepX a column, green by
  // stepY a row.
  static TRgbaImage Dots(int width, int height, int stepX, int stepY) {
    TRgbaImage picture(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        std::uint8_t* p = picture.At(x, y);
        p[0] = std::uint8_t(stepX + stepX * x);
        p[1] = std::uint8_t(stepY + stepY * y);
        p[2] = 200;
        p[3] = 255;
      }
    return picture;
  }

  // The dots lie exactly from (left, top) on, with black for two pixels
  // around them.
  void ExpectDotsAt(int left, int top, int width, int height, int stepX, int stepY) const;

  std::unique_ptr<TPlatform> platform;
  std::unique_ptr<TOmegaScreen> screen;
  std::optional<TRgbaImage> frame;
};

void ExpectNear(TRgba actual, TRgba expected, const char* where) {
  constexpr int kTolerance = 2;
  EXPECT_LE(std::abs(actual.R - expected.R), kTolerance) << where << ": red " << actual.R << " vs " << expected.R;
  EXPECT_LE(std::abs(actual.G - expected.G), kTolerance) << where << ": green " << actual.G << " vs " << expected.G;
  EXPECT_LE(std::abs(actual.B - expected.B), kTolerance) << where << ": blue " << actual.B << " vs " << expected.B;
  EXPECT_LE(std::abs(actual.A - expected.A), kTolerance) << where << ": alpha " << actual.A << " vs " << expected.A;
}

constexpr TRgba kBlack{0, 0, 0, 255};

void SdlScreenDeviceTest::ExpectDotsAt(int left, int top, int width, int height, int stepX, int stepY) const {
  for (int y = top - 2; y <= top + height + 1; ++y)
    for (int x = left - 2; x <= left + width + 1; ++x) {
      const bool inside = x >= left && x < left + width && y >= top && y < top + height;
      const TRgba expected =
          inside ? TRgba{Stepped(stepX + stepX * (x - left)), Stepped(stepY + stepY * (y - top)), Stepped(200), 255}
                 : kBlack;
      SCOPED_TRACE(testing::Message() << "pixel (" << x << ", " << y << ")");
      ExpectNear(Pixel(x, y), expected, inside ? "inside" : "outside");
    }
}
// A background with a different value on every channel.
constexpr TRgba kSlate{40, 80, 200, 255};

using SdlScreenClear = SdlScreenDeviceTest;
using SdlScreenSolidQuads = SdlScreenDeviceTest;
using SdlScreenTexturedQuads = SdlScreenDeviceTest;
using SdlScreenBlending = SdlScreenDeviceTest;
using SdlScreenReset = SdlScreenDeviceTest;

TEST_P(SdlScreenClear, TheFrameIsTheBackBufferClearedToOpaqueBlack) {
  Frame(kBlack, [] {});
  EXPECT_EQ(frame->Width, kWidth);
  EXPECT_EQ(frame->Height, kHeight);
  ExpectNear(Pixel(0, 0), kBlack, "top-left");
  ExpectNear(Pixel(kWidth - 1, kHeight - 1), kBlack, "bottom-right");
  ExpectNear(Pixel(30, 20), kBlack, "middle");
}

TEST_P(SdlScreenSolidQuads, AWhiteQuadCoversExactlyItsRectangle) {
  Frame(kBlack, [&] { screen->DrawQuad(Quad(8, 8, 24, 24)); });
  int white = Over(Stepped(255), Stepped(255), 0);
  ExpectNear(Pixel(8, 8), {white, white, white, 255}, "first pixel");
  ExpectNear(Pixel(16, 16), {white, white, white, 255}, "inside");
  ExpectNear(Pixel(23, 23), {white, white, white, 255}, "last pixel");
  ExpectNear(Pixel(7, 16), kBlack, "left of it");
  ExpectNear(Pixel(24, 16), kBlack, "right of it");
  ExpectNear(Pixel(16, 24), kBlack, "below it");
}

TEST_P(SdlScreenSolidQuads, TheVertexColourTintsTheQuad) {
  Frame(kBlack, [&] { screen->DrawQuad(Quad(8, 8, 24, 24, 0xFFFF8000)); });
  int alpha = Stepped(255);
  ExpectNear(Pixel(16, 16), {Over(Stepped(255), alpha, 0), Over(Stepped(128), alpha, 0), 0, 255}, "orange");
}

TEST_P(SdlScreenSolidQuads, ColoursAreInterpolatedBetweenVertices) {
  TOmegaRenderer quad = Quad(0, 0, 64, 16, 0xFFFF0000);
  quad.Vertices[1].Color = quad.Vertices[2].Color = 0xFF0000FF;
  Frame(kBlack, [&] { screen->DrawQuad(quad); });
  TRgba left = Pixel(2, 8), middle = Pixel(32, 8), right = Pixel(61, 8);
  EXPECT_GT(left.R, 230);
  EXPECT_LT(left.B, 25);
  EXPECT_GT(right.B, 230);
  EXPECT_LT(right.R, 25);
  EXPECT_NEAR(middle.R, 127, 10);
  EXPECT_NEAR(middle.B, 127, 10);
}

TEST_P(SdlScreenTexturedQuads, TheTextureAppearsWhereTheQuadIs) {
  TTextureId texture = QuarteredTexture();
  ASSERT_NE(texture, NoTexture);
  // Four texels across 16 pixels, half a texel (2 pixels) wider at the top
  // and left, as the image list builds every sprite.
  TOmegaRenderer quad = Quad(14, 14, 32, 32);
  quad.Texture = texture;
  Frame(kBlack, [&] { screen->DrawQuad(quad); });
  auto shown = [](TRgba c) {
    int alpha = Stepped(255);
    return TRgba{Over(c.R * Stepped(255) / 255, alpha, 0), Over(c.G * Stepped(255) / 255, alpha, 0),
                 Over(c.B * Stepped(255) / 255, alpha, 0), 255};
  };
  ExpectNear(Pixel(19, 19), shown(kRed), "top-left quarter");
  ExpectNear(Pixel(28, 19), shown(kGreen), "top-right quarter");
  ExpectNear(Pixel(19, 28), shown(kBlue), "bottom-left quarter");
  ExpectNear(Pixel(28, 28), shown(kYellow), "bottom-right quarter");
  ExpectNear(Pixel(14, 19), kBlack, "left of the quad");
  ExpectNear(Pixel(33, 28), kBlack, "right of the quad");
}

TEST_P(SdlScreenTexturedQuads, PartOfATextureIsPickedByItsCoordinates) {
  TOmegaRenderer quad = Quad(-4, -4, 16, 16);  // two texels across 16 pixels
  quad.Texture = QuarteredTexture();
  // Only the green quarter.
  const float uv[4][2] = {{0.5f, 0}, {1, 0}, {1, 0.5f}, {0.5f, 0.5f}};
  for (int i = 0; i < 4; ++i) {
    quad.Vertices[i].U = uv[i][0];
    quad.Vertices[i].V = uv[i][1];
  }
  Frame(kBlack, [&] { screen->DrawQuad(quad); });
  for (TRgba pixel : {Pixel(2, 2), Pixel(13, 2), Pixel(2, 13), Pixel(13, 13)}) {
    EXPECT_LT(pixel.R, 10);
    EXPECT_GT(pixel.G, 240);
  }
}

TEST_P(SdlScreenTexturedQuads, APictureDrawnUnscaledCoversExactlyItsOwnPixels) {
  // Five by three pixels, each of its own colour, drawn through the image
  // list at (10, 7) with smoothing on, as the game draws.
  TOmegaImageList list(screen.get());
  TImageListItem& item = list.Add("Dots");
  item.SetPicture(Dots(5, 3, 40, 60));
  list.MakeTexture(item);
  Frame(kBlack, [&] {
    screen->SetSmoothing(true);
    item.Draw(10, 7, 0);
  });
  ExpectDotsAt(10, 7, 5, 3, 40, 60);
}

TEST_P(SdlScreenBlending, NormalModeWeighsByTheSourceAlpha) {
  // Half-transparent red.
  Frame(kSlate, [&] {
    screen->SetBlendMode(0);
    screen->DrawQuad(Quad(8, 8, 24, 24, 0x80FF0000));
  });
  int alpha = Stepped(128), red = Stepped(255);
  ExpectNear(Pixel(16, 16), {Over(red, alpha, kSlate.R), Over(0, alpha, kSlate.G), Over(0, alpha, kSlate.B), 255},
             "blended");
  ExpectNear(Pixel(30, 30), kSlate, "background");
}

TEST_P(SdlScreenBlending, AdditiveModeAddsTheColourWeighedByItsAlpha) {
  Frame(kSlate, [&] {
    screen->SetBlendMode(2);
    screen->DrawQuad(Quad(8, 8, 24, 24, 0x80FF0000));
  });
  int alpha = Stepped(128), red = Stepped(255);
  ExpectNear(Pixel(16, 16), {Added(red, alpha, kSlate.R), kSlate.G, kSlate.B, 255}, "added");
}

TEST_P(SdlScreenBlending, AdditiveModeSaturatesAtWhite) {
  Frame(kSlate, [&] {
    screen->SetBlendMode(2);
    screen->DrawQuad(Quad(8, 8, 24, 24));
    screen->DrawQuad(Quad(8, 8, 24, 24));
  });
  ExpectNear(Pixel(16, 16), {255, 255, 255, 255}, "saturated");
}

TEST_P(SdlScreenBlending, AModeTheRendererCannotDoDrawsLikeTheNormalOne) {
  if (!SdlRenderer()) GTEST_SKIP() << "the processor screen does every mode";
  // Mode 11 (destination colour both ways) is beyond SDL's software renderer.
  Frame(kSlate, [&] {
    screen->SetBlendMode(0);
    screen->DrawQuad(Quad(0, 0, 16, 16, 0x80FF0000));
    screen->SetBlendMode(11);
    screen->DrawQuad(Quad(32, 0, 48, 16, 0x80FF0000));
  });
  TRgba normal = Pixel(8, 8);
  ExpectNear(Pixel(40, 8), normal, "mode 11");
}

TEST_P(SdlScreenBlending, TheProcessorScreenWeighsBothByTheFramesColourInMode11) {
  if (SdlRenderer()) GTEST_SKIP() << "SDL's software renderer draws mode 11 as mode 0";
  Frame(kSlate, [&] {
    screen->SetBlendMode(11);
    screen->DrawQuad(Quad(32, 0, 48, 16, 0x80FF0000));
  });
  auto both = [](int source, int frame) { return std::min(255, (source * frame + frame * frame) / 255); };
  ExpectNear(Pixel(40, 8),
             {both(Stepped(255), kSlate.R), both(0, kSlate.G), both(0, kSlate.B), both(Stepped(128), kSlate.A)},
             "mode 11");
}

TEST_P(SdlScreenReset, ALostDeviceComesBackWithItsFrameAndItsSolidFills) {
  SDL_Event lost{};
  lost.type = SDL_RENDER_DEVICE_RESET;
  SDL_PushEvent(&lost);
  Frame(kBlack, [] {});  // the frame of the reset draws nothing
  Frame(kBlack, [&] { screen->DrawQuad(Quad(8, 8, 24, 24)); });
  const int white = Over(Stepped(255), Stepped(255), 0);
  ExpectNear(Pixel(16, 16), {white, white, white, 255}, "a solid fill after the reset");
}

TEST_P(SdlScreenReset, AModeSwitchKeepsTexturesAndResizesTheFrame) {
  TTextureId texture = QuarteredTexture();
  screen->Width = 32;
  screen->Height = 24;
  ASSERT_TRUE(screen->ResetDevice());
  TOmegaRenderer quad = Quad(0, 0, 16, 16);
  quad.Texture = texture;
  Frame(kBlack, [&] { screen->DrawQuad(quad); });
  EXPECT_EQ(frame->Width, 32);
  EXPECT_EQ(frame->Height, 24);
  EXPECT_GT(Pixel(3, 3).R, 240) << "the red quarter is still there";
  EXPECT_GT(Pixel(12, 12).G, 240) << "the yellow quarter is still there";
}

// At scale 2 the frame has twice the pixels each way; a picture of density 2
// lands on them texel for pixel, and one of density 1 covers the same place.
using SdlScreenScaled = SdlScreenDeviceTest;

TEST_P(SdlScreenScaled, AFinerPictureCoversTwiceItsUnitsTexelForPixel) {
  screen->OutputScale = 2;
  ASSERT_TRUE(screen->ResetDevice());
  // Five by three units: ten by six pixels, each of its own colour.
  TOmegaImageList list(screen.get());
  TImageListItem& item = list.Add("Dots");
  item.SetPicture(Dots(10, 6, 20, 30), 2);
  list.MakeTexture(item);
  ASSERT_EQ(item.PictureWidth(), 5);
  Frame(kBlack, [&] { item.Draw(10, 7, 0); });
  ASSERT_EQ(frame->Width, 2 * kWidth);
  ASSERT_EQ(frame->Height, 2 * kHeight);
  ExpectDotsAt(20, 14, 10, 6, 20, 30);
}

TEST_P(SdlScreenScaled, APacksOwnPictureCoversTheSamePlace) {
  screen->OutputScale = 2;
  ASSERT_TRUE(screen->ResetDevice());
  TTextureId texture = QuarteredTexture();
  TOmegaRenderer quad = Quad(8, 8, 12, 12);
  quad.Texture = texture;
  Frame(kBlack, [&] { screen->DrawQuad(quad); });
  EXPECT_GT(Pixel(17, 17).R, 200) << "the red quarter at the top-left";
  EXPECT_GT(Pixel(22, 22).G, 200) << "the yellow quarter at the bottom-right";
  ExpectNear(Pixel(14, 14), kBlack, "outside");
  ExpectNear(Pixel(25, 25), kBlack, "outside");
}

INSTANTIATE_TEST_SUITE_P(Screens, SdlScreenScaled, testing::Values(false, true));
INSTANTIATE_TEST_SUITE_P(Screens, SdlScreenClear, testing::Values(false, true));
INSTANTIATE_TEST_SUITE_P(Screens, SdlScreenSolidQuads, testing::Values(false, true));
INSTANTIATE_TEST_SUITE_P(Screens, SdlScreenTexturedQuads, testing::Values(false, true));
INSTANTIATE_TEST_SUITE_P(Screens, SdlScreenBlending, testing::Values(false, true));
INSTANTIATE_TEST_SUITE_P(Screens, SdlScreenReset, testing::Values(false, true));

TEST(Letterbox, AWiderBufferInAFullHdWindowFillsTheWidth) {
  TLetterbox box = TLetterbox::Fit(1920, 1080, 1366, 768);
  EXPECT_EQ(box.Left, 0);
  EXPECT_EQ(box.Width, 1920);
  EXPECT_LT(box.Height, 1080) << "1366x768 is a hair wider than 16:9";
  EXPECT_GE(box.Top, 0);
  EXPECT_LE(box.Top + box.Height, 1080);
}

TEST(Letterbox, TheWindowCornersOfTheFullHdPictureMapToTheBufferCorners) {
  TLetterbox box = TLetterbox::Fit(1920, 1080, 1366, 768);
  int x = -1, y = -1;
  box.ToBuffer(box.Left, box.Top, 1366, 768, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  box.ToBuffer(box.Left + box.Width - 1, box.Top + box.Height - 1, 1366, 768, x, y);
  EXPECT_EQ(x, 1365);
  EXPECT_EQ(y, 767);
}

TEST(Letterbox, AFourByThreeWindowGetsBarsAboveAndBelow) {
  TLetterbox box = TLetterbox::Fit(1024, 768, 1366, 768);
  EXPECT_EQ(box.Left, 0);
  EXPECT_EQ(box.Width, 1024);
  EXPECT_EQ(box.Height, 576);
  EXPECT_EQ(box.Top, 96);
  int x = -1, y = -1;
  box.ToBuffer(0, 96, 1366, 768, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  box.ToBuffer(512, 384, 1366, 768, x, y);
  EXPECT_EQ(x, 683);
  EXPECT_EQ(y, 384);
}

TEST(Letterbox, AFourByThreeBufferInAFullHdWindowGetsBarsLeftAndRight) {
  TLetterbox box = TLetterbox::Fit(1920, 1080, 800, 600);
  EXPECT_EQ(box.Left, 240);
  EXPECT_EQ(box.Top, 0);
  EXPECT_EQ(box.Width, 1440);
  EXPECT_EQ(box.Height, 1080);
  int x = -1, y = -1;
  box.ToBuffer(240, 0, 800, 600, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  box.ToBuffer(1679, 1079, 800, 600, x, y);
  EXPECT_EQ(x, 799);
  EXPECT_EQ(y, 599);
}

TEST(Letterbox, AWindowOfTheBufferSizeMapsOneToOne) {
  TLetterbox box = TLetterbox::Fit(1280, 720, 1280, 720);
  EXPECT_EQ(box.Left, 0);
  EXPECT_EQ(box.Top, 0);
  EXPECT_EQ(box.Width, 1280);
  EXPECT_EQ(box.Height, 720);
  int x = -1, y = -1;
  box.ToBuffer(640, 360, 1280, 720, x, y);
  EXPECT_EQ(x, 640);
  EXPECT_EQ(y, 360);
}

}  // namespace
}  // namespace qm
