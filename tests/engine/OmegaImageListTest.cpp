#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/HeadlessScreenDevice.h"
#include "platform/Platform.h"

namespace qm {
namespace {

// A device whose every texture request fails.
class TNoTextureDevice : public THeadlessScreenDevice {
 public:
  using THeadlessScreenDevice::THeadlessScreenDevice;
  TTextureId CreateTexture(int, int, const TRgbaImage&, int) override { return NoTexture; }
};

class TNoTextureGraphics : public THeadlessGraphics {
 public:
  std::unique_ptr<IScreenDevice> CreateDevice(IWindow&, const TPresentParameters& params, TDeviceType) override {
    return std::make_unique<TNoTextureDevice>(params);
  }
};

// An image list on a recording screen with an open frame: every draw leaves
// its quad on the device.
class ImageListTest : public ::testing::Test {
 protected:
  explicit ImageListTest(std::unique_ptr<IGraphics> custom = nullptr)
      : platform(CreateHeadlessPlatform()),
        graphics(custom ? std::move(custom) : std::move(platform->Graphics)),
        screen(this->graphics.get(), *platform->Window, *platform->MessageBox, *platform->Application),
        list(&screen) {
    screen.Width = 1366;
    screen.Height = 768;
    screen.InitDevice();
    screen.OnRestorePass = [this] { list.RestorePass(); };
    screen.BeginFrame();
  }
  ~ImageListTest() override { screen.EndFrame(); }

  THeadlessScreenDevice& Device() { return static_cast<THeadlessScreenDevice&>(*screen.Device()); }

  TImageListItem& Picture(const std::string& name, int width, int height, int columns = 1, int rows = 1) {
    TImageListItem& item = list.Add(name);
    item.SetPicture(TRgbaImage(width, height));
    item.SetTileWidth(width / columns);
    item.SetTileHeight(height / rows);
    list.MakeTexture(item);
    return item;
  }

  // The one quad drawn since the last look.
  THeadlessScreenDevice::TDrawnQuad OnlyQuad() {
    EXPECT_EQ(Device().Quads.size(), 1u);
    THeadlessScreenDevice::TDrawnQuad quad = Device().Quads.empty() ? THeadlessScreenDevice::TDrawnQuad{}
                                                                    : Device().Quads.back();
    Device().Quads.clear();
    return quad;
  }

  std::unique_ptr<TPlatform> platform;
  std::unique_ptr<IGraphics> graphics;
  TOmegaScreen screen;
  TOmegaImageList list;
};

void ExpectCorner(const TScreenVertex& v, float x, float y) {
  EXPECT_NEAR(v.X, x, 1e-3) << "x of a corner";
  EXPECT_NEAR(v.Y, y, 1e-3) << "y of a corner";
}

void ExpectTexture(const TScreenVertex& topLeft, const TScreenVertex& bottomRight, float u0, float v0, float u1,
                   float v1) {
  EXPECT_FLOAT_EQ(topLeft.U, u0);
  EXPECT_FLOAT_EQ(topLeft.V, v0);
  EXPECT_FLOAT_EQ(bottomRight.U, u1);
  EXPECT_FLOAT_EQ(bottomRight.V, v1);
}

using TextureSizes = ImageListTest;

TEST_F(TextureSizes, ArePowersOfTwoAtLeastThePicture) {
  EXPECT_EQ(Picture("Wide", 300, 100).TextureWidth(), 512);
  EXPECT_EQ(list.FindImage("Wide")->TextureHeight(), 128);
  EXPECT_EQ(Picture("Exact", 256, 64).TextureWidth(), 256);
  EXPECT_EQ(list.FindImage("Exact")->TextureHeight(), 64);
  EXPECT_EQ(Picture("OneOver", 257, 65).TextureWidth(), 512);
  EXPECT_EQ(list.FindImage("OneOver")->TextureHeight(), 128);
}

TEST_F(TextureSizes, NeverBelowTwo) {
  TImageListItem& dot = Picture("Dot", 1, 1);
  EXPECT_EQ(dot.TextureWidth(), 2);
  EXPECT_EQ(dot.TextureHeight(), 2);
}

TEST_F(TextureSizes, TheDeviceIsAskedForThatSize) {
  TImageListItem& wide = Picture("Wide", 300, 100);
  EXPECT_EQ(Device().Textures.at(wide.Texture()).Size(), std::make_pair(512, 128));
}

using PatternGrid = ImageListTest;

TEST_F(PatternGrid, LeftoverPixelsAtTheRightAreNeverAPattern) {
  TImageListItem& panel = Picture("ElementPanel", 230, 40, 4);
  EXPECT_EQ(panel.TileWidth(), 57);
  EXPECT_EQ(panel.PatternColumns(), 4);
  panel.Draw(0, 0, 3);
  auto quad = OnlyQuad();
  EXPECT_FLOAT_EQ(quad.Vertices[2].U, 228.0f / 256.0f) << "the last two pixel columns stay unseen";
}

TEST_F(PatternGrid, ATileSizeOfZeroMeansTheWholePicture) {
  TImageListItem& item = list.Add("Whole");
  item.SetPicture(TRgbaImage(90, 30));
  item.SetTileWidth(0);
  item.SetTileHeight(0);
  EXPECT_EQ(item.TileWidth(), 90);
  EXPECT_EQ(item.TileHeight(), 30);
}

TEST_F(PatternGrid, PatternsRunLeftToRightThenTopToBottom) {
  TImageListItem& chain = Picture("ChainLock", 250, 100, 5, 2);
  chain.Draw(0, 0, 7);
  auto quad = OnlyQuad();
  // Column 2 of row 1; the texture is 256 x 128.
  ExpectTexture(quad.Vertices[0], quad.Vertices[2], 100 / 256.0f, 50 / 128.0f, 150 / 256.0f, 100 / 128.0f);
}

using SpecialPatterns = ImageListTest;

TEST_F(SpecialPatterns, APatternPastTheEndDrawsTheLastOne) {
  TImageListItem& chain = Picture("ChainLock", 250, 100, 5, 2);
  chain.Draw(0, 0, 25);
  auto past = OnlyQuad();
  chain.Draw(0, 0, 9);
  auto last = OnlyQuad();
  ExpectTexture(past.Vertices[0], past.Vertices[2], last.Vertices[0].U, last.Vertices[0].V, last.Vertices[2].U,
                last.Vertices[2].V);
  EXPECT_FLOAT_EQ(past.Vertices[0].U, 200 / 256.0f);
  EXPECT_FLOAT_EQ(past.Vertices[0].V, 50 / 128.0f);
}

TEST_F(SpecialPatterns, MinusOneShowsTheWholePictureInOnePatternsQuad) {
  TImageListItem& wide = Picture("Wide", 300, 100);
  wide.Draw(10, 20, -1);
  auto quad = OnlyQuad();
  ExpectTexture(quad.Vertices[0], quad.Vertices[2], 0, 0, 300 / 512.0f, 100 / 128.0f);
  ExpectCorner(quad.Vertices[2], 310, 120);

  TImageListItem& grid = Picture("Grid", 300, 100, 5);
  grid.Draw(0, 0, -1);
  auto gridQuad = OnlyQuad();
  EXPECT_FLOAT_EQ(gridQuad.Vertices[2].U, 300 / 512.0f);
  ExpectCorner(gridQuad.Vertices[2], 60, 100);
}

TEST_F(SpecialPatterns, MinusNineHundredNinetyNineDrawsNothing) {
  TImageListItem& wide = Picture("Wide", 300, 100);
  wide.Draw(0, 0, -999);
  wide.DrawEx(0, 0, 45, 0.5f, 0.5f, 2, 2, 255, 255, 255, 255, -999, 0);
  wide.DrawEx(0, 0, 45, 0.5f, 0.5f, 2, 2, 0xFFFFFFFFu, true, false, -999, 0);
  EXPECT_TRUE(Device().Quads.empty());
}

using QuadGeometry = ImageListTest;

TEST_F(QuadGeometry, TopAndLeftEdgesLieHalfAPixelOut) {
  TImageListItem& tile = Picture("Tile", 40, 30);
  tile.Draw(100, 200, 0);
  auto quad = OnlyQuad();
  ExpectCorner(quad.Vertices[0], 99.5f, 199.5f);
  ExpectCorner(quad.Vertices[1], 140, 199.5f);
  ExpectCorner(quad.Vertices[2], 140, 230);
  ExpectCorner(quad.Vertices[3], 99.5f, 230);
  EXPECT_EQ(quad.Texture, tile.Texture());
}

TEST_F(QuadGeometry, ScaleZeroCountsAsOne) {
  TImageListItem& tile = Picture("Tile", 40, 30);
  tile.DrawEx(100, 200, 0, 0.5f, 0.5f, 0, 0, 255, 255, 255, 255, 0, 0);
  auto quad = OnlyQuad();
  ExpectCorner(quad.Vertices[0], 99.5f, 199.5f);
  ExpectCorner(quad.Vertices[2], 140, 230);
}

TEST_F(QuadGeometry, CentredScaleTwoGrowsAroundTheMiddle) {
  TImageListItem& tile = Picture("Tile", 10, 20);
  tile.DrawEx(100, 100, 0, 0.5f, 0.5f, 2, 2, 255, 255, 255, 255, 0, 0);
  auto quad = OnlyQuad();
  // The middle (105, 110) stays put.
  ExpectCorner(quad.Vertices[0], 94, 89);
  ExpectCorner(quad.Vertices[2], 115, 130);
}

TEST_F(QuadGeometry, TopLeftCentreGrowsRightAndDown) {
  TImageListItem& tile = Picture("Tile", 10, 20);
  tile.DrawEx(100, 100, 0, 0, 0, 2, 2, 255, 255, 255, 255, 0, 0);
  auto quad = OnlyQuad();
  ExpectCorner(quad.Vertices[0], 99, 99);
  ExpectCorner(quad.Vertices[2], 120, 140);
}

TEST_F(QuadGeometry, ScalesApplyToTheirOwnAxis) {
  TImageListItem& tile = Picture("Tile", 10, 20);
  tile.DrawEx(100, 100, 0, 0, 0, 3, 1, 255, 255, 255, 255, 0, 0);
  auto quad = OnlyQuad();
  ExpectCorner(quad.Vertices[2], 130, 120);
}

TEST_F(QuadGeometry, APositiveAngleTurnsClockwiseOnScreen) {
  TImageListItem& tile = Picture("Tile", 10, 20);
  tile.DrawEx(100, 100, 90, 0.5f, 0.5f, 1, 1, 255, 255, 255, 255, 0, 0);
  auto quad = OnlyQuad();
  // The top-left corner swings round to the top-right about (105, 110).
  ExpectCorner(quad.Vertices[0], 115.5f, 104.5f);
  ExpectCorner(quad.Vertices[2], 95, 115);
}

TEST_F(QuadGeometry, TheWholePicturePivotsOnThePictureNotThePattern) {
  TImageListItem& grid = Picture("Grid", 300, 100, 5);
  grid.DrawEx(0, 0, 0, 0.5f, 0.5f, 2, 2, 255, 255, 255, 255, -1, 0);
  auto quad = OnlyQuad();
  // Centre (150, 50): the 60 x 100 quad doubles away from it.
  ExpectCorner(quad.Vertices[0], 150 + 2 * (-0.5f - 150), 50 + 2 * (-0.5f - 50));
  ExpectCorner(quad.Vertices[2], 150 + 2 * (60 - 150), 50 + 2 * (100 - 50));
}

using PackedColourDraw = ImageListTest;

TEST_F(PackedColourDraw, OneColourForAllCornersAsTheChannelsWouldGiveIt) {
  TImageListItem& tile = Picture("Tile", 10, 10);
  tile.DrawEx(0, 0, 0, 0, 0, 1, 1, 0x80FF4020u, false, false, 0, 0);
  auto packed = OnlyQuad();
  tile.DrawEx(0, 0, 0, 0, 0, 1, 1, 0xFF, 0x40, 0x20, 0x80, 0, 0);
  auto channels = OnlyQuad();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(packed.Vertices[i].Color, channels.Vertices[0].Color);
}

TEST_F(PackedColourDraw, FlipsMirrorTheTextureNotThePosition) {
  TImageListItem& chain = Picture("ChainLock", 250, 100, 5, 2);
  chain.DrawEx(10, 10, 0, 0, 0, 1, 1, 0xFFFFFFFFu, true, false, 1, 0);
  auto horizontal = OnlyQuad();
  ExpectCorner(horizontal.Vertices[0], 9.5f, 9.5f);
  ExpectTexture(horizontal.Vertices[0], horizontal.Vertices[2], 100 / 256.0f, 0, 50 / 256.0f, 50 / 128.0f);

  chain.DrawEx(10, 10, 0, 0, 0, 1, 1, 0xFFFFFFFFu, false, true, 1, 0);
  auto vertical = OnlyQuad();
  ExpectTexture(vertical.Vertices[0], vertical.Vertices[2], 50 / 256.0f, 50 / 128.0f, 100 / 256.0f, 0);
}

TEST_F(PackedColourDraw, TheBlendModeIsSetForTheDraw) {
  TImageListItem& tile = Picture("Tile", 10, 10);
  tile.DrawEx(0, 0, 0, 0, 0, 1, 1, 0xFFFFFFFFu, false, false, 0, 2);
  EXPECT_EQ(OnlyQuad().Destination, TBlendFactor::One);
  tile.DrawEx(0, 0, 0, 0, 0, 1, 1, 0xFFFFFFFFu, false, false, 0, -1);
  EXPECT_EQ(OnlyQuad().Destination, TBlendFactor::One) << "-1 keeps the current mode";
}

using PartDraw = ImageListTest;

TEST_F(PartDraw, TheRectangleSetsQuadSizeAndTextureCoordinates) {
  TImageListItem& fill = Picture("LoadingBarFill", 300, 100);
  fill.DrawPart(10, 5, 110, 25, 50, 60, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
  auto quad = OnlyQuad();
  ExpectCorner(quad.Vertices[0], 49.5f, 59.5f);
  ExpectCorner(quad.Vertices[2], 150, 80);
  ExpectTexture(quad.Vertices[0], quad.Vertices[2], 10 / 512.0f, 5 / 128.0f, 110 / 512.0f, 25 / 128.0f);
}

using Lookup = ImageListTest;

TEST_F(Lookup, NamesAreNotCaseFolded) {
  Picture("Web", 60, 10, 6);
  EXPECT_NE(list.FindImage("Web"), nullptr);
  EXPECT_EQ(list.FindImage("web"), nullptr);
  EXPECT_EQ(list.FindImage("WEB"), nullptr);
}

TEST_F(Lookup, OfTwoEntriesWithOneNameTheFirstWins) {
  TImageListItem& first = Picture("Twice", 10, 10);
  TImageListItem& second = Picture("Twice", 20, 20);
  EXPECT_EQ(list.FindImage("Twice"), &first);
  list.FreeImage("Twice");
  EXPECT_EQ(list.FindImage("Twice"), &second);
}

TEST_F(Lookup, AnUnknownNameDrawsNothingAndHasNoSize) {
  DrawImage(list, "Missing", 0, 0, 0);
  EXPECT_TRUE(Device().Quads.empty());
  EXPECT_EQ(PatternWidth(list, "Missing"), 0);
}

TEST_F(Lookup, PatternSizeByName) {
  Picture("ChainLock", 250, 100, 5, 2);
  int width = 0, height = 0;
  PatternSize(list, "ChainLock", width, height);
  EXPECT_EQ(width, 50);
  EXPECT_EQ(height, 50);
}

using Freeing = ImageListTest;

TEST_F(Freeing, RemovesTheEntryAndReleasesItsTexture) {
  Picture("Keep", 10, 10);
  TTextureId gone = Picture("Gone", 10, 10).Texture();
  list.FreeImage("Gone");
  EXPECT_EQ(list.FindImage("Gone"), nullptr);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(Device().Textures.count(gone), 0u);
  EXPECT_EQ(Device().Textures.size(), 1u);
}

TEST_F(Freeing, AnUnknownNameFreesNothing) {
  Picture("Keep", 10, 10);
  list.FreeImage("Other");
  EXPECT_EQ(list.Count(), 1);
}

using DeviceLoss = ImageListTest;

TEST_F(DeviceLoss, AModeSwitchKeepsEveryTexture) {
  TTextureId before = Picture("Tile", 10, 10).Texture();
  screen.EndFrame();
  ASSERT_TRUE(screen.ResetDevice());
  EXPECT_EQ(list.FindImage("Tile")->Texture(), before);
  screen.BeginFrame();
}

TEST_F(DeviceLoss, ALostDeviceGetsEveryTextureMadeAgain) {
  TTextureId tile = Picture("Tile", 10, 10).Texture();
  TTextureId wide = Picture("Wide", 300, 100).Texture();
  screen.EndFrame();
  ++Device().Generation;
  Device().Textures.clear();
  ASSERT_TRUE(screen.ResetDevice());
  screen.BeginFrame();

  TImageListItem* remade = list.FindImage("Wide");
  EXPECT_NE(remade->Texture(), NoTexture);
  EXPECT_NE(remade->Texture(), wide);
  EXPECT_NE(list.FindImage("Tile")->Texture(), tile);
  EXPECT_EQ(Device().Textures.size(), 2u);
  EXPECT_EQ(Device().Textures.at(remade->Texture()).Size(), std::make_pair(512, 128));
  remade->Draw(0, 0, 0);
  EXPECT_EQ(OnlyQuad().Texture, remade->Texture());
}

class TextureFailure : public ImageListTest {
 protected:
  TextureFailure() : ImageListTest(std::make_unique<TNoTextureGraphics>()) {}
};

TEST_F(TextureFailure, IsReportedWithTheEntrysName) {
  std::vector<std::string> failed;
  list.OnTextureFailed = [&](const std::string& name) { failed.push_back(name); };
  Picture("Broken", 10, 10);
  EXPECT_EQ(failed, std::vector<std::string>{"Broken"});
  EXPECT_EQ(list.FindImage("Broken")->Texture(), NoTexture);
}

}  // namespace
}  // namespace qm
