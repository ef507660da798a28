#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include <jpeglib.h>
#include <png.h>

#include "engine/ImageDecoder.h"
#include "engine/TestJpeg.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;
using TRgba = std::array<int, 4>;
using testing::EncodeJpeg;
using testing::TJpegKind;

// ---- Building test pictures

// A PNG described sample by sample: Rows hold the bytes exactly as the file
// stores them (packed low bit depths, big-endian 16-bit samples).
struct TPngRecipe {
  int Width = 1;
  int Height = 1;
  int ColorType = PNG_COLOR_TYPE_RGB_ALPHA;
  int BitDepth = 8;
  bool Interlaced = false;
  std::vector<png_color> Palette{};
  std::vector<png_byte> PaletteAlpha{};
  std::optional<png_color_16> Key{};
  std::vector<TBytes> Rows{};
};

void AppendToBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<TBytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

TBytes EncodePng(const TPngRecipe& recipe) {
  TBytes bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &bytes, AppendToBytes, nullptr);
  png_set_IHDR(png, info, recipe.Width, recipe.Height, recipe.BitDepth, recipe.ColorType,
               recipe.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!recipe.Palette.empty()) png_set_PLTE(png, info, recipe.Palette.data(), int(recipe.Palette.size()));
  if (!recipe.PaletteAlpha.empty())
    png_set_tRNS(png, info, recipe.PaletteAlpha.data(), int(recipe.PaletteAlpha.size()), nullptr);
  if (recipe.Key) png_set_tRNS(png, info, nullptr, 0, &*recipe.Key);
  png_write_info(png, info);
  std::vector<png_bytep> rows;
  for (const TBytes& row : recipe.Rows) rows.push_back(const_cast<png_bytep>(row.data()));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

bool HasMarker(const TBytes& bytes, std::uint8_t marker) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == marker) return true;
  return false;
}

// 32 x 32, quarters red, green, blue and white (top-left, top-right,
// bottom-left, bottom-right).
TRgbaImage FourQuarters() {
  TRgbaImage picture(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const int quarter = (y / 16) * 2 + x / 16;
      const TRgba colours[] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}};
      for (int c = 0; c < 4; ++c) picture.At(x, y)[c] = std::uint8_t(colours[quarter][std::size_t(c)]);
    }
  return picture;
}

TRgba PixelAt(const TRgbaImage& image, int x, int y) {
  const std::uint8_t* p = image.At(x, y);
  return {p[0], p[1], p[2], p[3]};
}

TRgbaImage Decode(const TPngRecipe& recipe) {
  const TBytes bytes = EncodePng(recipe);
  return DecodePng(bytes.data(), bytes.size(), "test.png");
}

void ExpectNear(const TRgba& actual, const TRgba& expected, int tolerance) {
  for (std::size_t c = 0; c < 4; ++c)
    EXPECT_NEAR(actual[c], expected[c], tolerance) << "channel " << c;
}

// Rewrites the width and height of a PNG's header, with a valid checksum, so
// only the size itself is wrong.
TBytes WithPngSize(TBytes bytes, std::uint32_t width, std::uint32_t height) {
  const std::uint32_t values[] = {width, height};
  for (int v = 0; v < 2; ++v)
    for (int i = 0; i < 4; ++i) bytes[std::size_t(16 + v * 4 + i)] = std::uint8_t(values[v] >> (24 - 8 * i));
  const std::uint32_t crc = std::uint32_t(crc32(0, bytes.data() + 12, 17));
  for (int i = 0; i < 4; ++i) bytes[std::size_t(29 + i)] = std::uint8_t(crc >> (24 - 8 * i));
  return bytes;
}

TBytes WithJpegSize(TBytes bytes, std::uint16_t width, std::uint16_t height) {
  for (std::size_t i = 0; i + 8 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {
      bytes[i + 5] = std::uint8_t(height >> 8);
      bytes[i + 6] = std::uint8_t(height);
      bytes[i + 7] = std::uint8_t(width >> 8);
      bytes[i + 8] = std::uint8_t(width);
      break;
    }
  return bytes;
}

TPngRecipe SmallRgba() { return {.Width = 2, .Height = 2, .Rows = {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}}}; }

// ---- PNG colour types and depths all come out as 8-bit RGBA

TEST(PngDecoding, PaletteTakesItsAlphaFromTheTransparencyTable) {
  const auto image = Decode({.Width = 3,
                             .ColorType = PNG_COLOR_TYPE_PALETTE,
                             .Palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
                             .PaletteAlpha = {255, 128, 0},
                             .Rows = {{0, 1, 2}}});
  ASSERT_EQ(image.Width, 3);
  ASSERT_EQ(image.Height, 1);
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{255, 0, 0, 255}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{0, 255, 0, 128}));
  EXPECT_EQ(PixelAt(image, 2, 0), (TRgba{0, 0, 255, 0}));
}

TEST(PngDecoding, PaletteEntriesPastTheTransparencyTableAreOpaque) {
  // Two bits per index: 0, 1, 2 packed into one byte.
  const auto image = Decode({.Width = 3,
                             .ColorType = PNG_COLOR_TYPE_PALETTE,
                             .BitDepth = 2,
                             .Palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}},
                             .PaletteAlpha = {0},
                             .Rows = {{0b00'01'10'00}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{10, 20, 30, 0}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{40, 50, 60, 255}));
  EXPECT_EQ(PixelAt(image, 2, 0), (TRgba{70, 80, 90, 255}));
}

TEST(PngDecoding, PaletteWithoutTransparencyIsOpaque) {
  const auto image = Decode({.ColorType = PNG_COLOR_TYPE_PALETTE, .Palette = {{1, 2, 3}}, .Rows = {{0}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{1, 2, 3, 255}));
}

TEST(PngDecoding, OneBitGreyBecomesBlackAndWhite) {
  const auto image = Decode({.Width = 4, .ColorType = PNG_COLOR_TYPE_GRAY, .BitDepth = 1, .Rows = {{0b1010'0000}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{255, 255, 255, 255}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{0, 0, 0, 255}));
  EXPECT_EQ(PixelAt(image, 2, 0), (TRgba{255, 255, 255, 255}));
  EXPECT_EQ(PixelAt(image, 3, 0), (TRgba{0, 0, 0, 255}));
}

TEST(PngDecoding, FourBitGreyIsStretchedToEightBits) {
  const auto image = Decode({.Width = 2, .ColorType = PNG_COLOR_TYPE_GRAY, .BitDepth = 4, .Rows = {{0x3C}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{51, 51, 51, 255}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{204, 204, 204, 255}));
}

TEST(PngDecoding, GreyKeyColourBecomesTransparent) {
  const auto image = Decode(
      {.Width = 2, .ColorType = PNG_COLOR_TYPE_GRAY, .Key = png_color_16{0, 0, 0, 0, 128}, .Rows = {{128, 64}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{128, 128, 128, 0}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{64, 64, 64, 255}));
}

TEST(PngDecoding, SixteenBitGreyKeepsTheHighByte) {
  const auto image =
      Decode({.Width = 3, .ColorType = PNG_COLOR_TYPE_GRAY, .BitDepth = 16, .Rows = {{0x80, 0x80, 0xFF, 0xFF, 0, 0}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{128, 128, 128, 255}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{255, 255, 255, 255}));
  EXPECT_EQ(PixelAt(image, 2, 0), (TRgba{0, 0, 0, 255}));
}

TEST(PngDecoding, GreyWithAlphaKeepsItsAlpha) {
  const auto image = Decode({.Width = 2, .ColorType = PNG_COLOR_TYPE_GRAY_ALPHA, .Rows = {{10, 20, 30, 40}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{10, 10, 10, 20}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{30, 30, 30, 40}));
}

TEST(PngDecoding, SixteenBitGreyWithAlpha) {
  const auto image =
      Decode({.ColorType = PNG_COLOR_TYPE_GRAY_ALPHA, .BitDepth = 16, .Rows = {{0x0A, 0x0A, 0x80, 0x80}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{10, 10, 10, 128}));
}

TEST(PngDecoding, RgbIsOpaque) {
  const auto image = Decode({.Width = 2, .ColorType = PNG_COLOR_TYPE_RGB, .Rows = {{1, 2, 3, 250, 251, 252}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{1, 2, 3, 255}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{250, 251, 252, 255}));
}

TEST(PngDecoding, RgbKeyColourBecomesTransparent) {
  const auto image = Decode({.Width = 2,
                             .ColorType = PNG_COLOR_TYPE_RGB,
                             .Key = png_color_16{0, 1, 2, 3, 0},
                             .Rows = {{1, 2, 3, 1, 2, 4}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{1, 2, 3, 0}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{1, 2, 4, 255}));
}

TEST(PngDecoding, SixteenBitRgb) {
  const auto image =
      Decode({.ColorType = PNG_COLOR_TYPE_RGB, .BitDepth = 16, .Rows = {{0x01, 0x01, 0x02, 0x02, 0x03, 0x03}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{1, 2, 3, 255}));
}

TEST(PngDecoding, RgbaIsCopiedAsItIs) {
  const auto image = Decode(SmallRgba());
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{1, 2, 3, 4}));
  EXPECT_EQ(PixelAt(image, 1, 0), (TRgba{5, 6, 7, 8}));
  EXPECT_EQ(PixelAt(image, 0, 1), (TRgba{9, 10, 11, 12}));
  EXPECT_EQ(PixelAt(image, 1, 1), (TRgba{13, 14, 15, 16}));
}

TEST(PngDecoding, SixteenBitRgba) {
  const auto image = Decode({.BitDepth = 16, .Rows = {{0x01, 0x01, 0x02, 0x02, 0x03, 0x03, 0x04, 0x04}}});
  EXPECT_EQ(PixelAt(image, 0, 0), (TRgba{1, 2, 3, 4}));
}

TEST(PngDecoding, InterlacedRgbMatchesEveryPixel) {
  // 9 x 9 reaches every pass of the interlacing; each pixel holds its own
  // coordinates so a misplaced one shows.
  TPngRecipe recipe{.Width = 9, .Height = 9, .ColorType = PNG_COLOR_TYPE_RGB, .Interlaced = true};
  for (int y = 0; y < 9; ++y) {
    recipe.Rows.emplace_back();
    for (int x = 0; x < 9; ++x) recipe.Rows.back().insert(recipe.Rows.back().end(), {png_byte(x), png_byte(y), 7});
  }
  const auto image = Decode(recipe);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) EXPECT_EQ(PixelAt(image, x, y), (TRgba{x, y, 7, 255})) << x << "," << y;
}

TEST(PngDecoding, InterlacedOneBitGreyMatchesEveryPixel) {
  // A 9 x 3 checkerboard, eight pixels to the byte.
  const auto image = Decode({.Width = 9,
                             .Height = 3,
                             .ColorType = PNG_COLOR_TYPE_GRAY,
                             .BitDepth = 1,
                             .Interlaced = true,
                             .Rows = {{0b1010'1010, 0b1000'0000}, {0b0101'0101, 0}, {0b1010'1010, 0b1000'0000}}});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 9; ++x) {
      const int v = (x + y) % 2 == 0 ? 255 : 0;
      EXPECT_EQ(PixelAt(image, x, y), (TRgba{v, v, v, 255})) << x << "," << y;
    }
}

TEST(PngDecoding, DamagedTextChunkIsSkippedQuietly) {
  TBytes bytes = EncodePng(SmallRgba());
  // A tEXt chunk with a wrong checksum, inserted after the header chunk.
  const TBytes text = {0, 0, 0, 4, 't', 'E', 'X', 't', 'a', 0, 'b', 'c', 0xDE, 0xAD, 0xBE, 0xEF};
  bytes.insert(bytes.begin() + 33, text.begin(), text.end());
  ::testing::internal::CaptureStderr();
  const auto image = DecodePng(bytes.data(), bytes.size(), "test.png");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(PixelAt(image, 1, 1), (TRgba{13, 14, 15, 16}));
}

// ---- JPEG: baseline and progressive, grey and colour, always opaque

TEST(JpegDecoding, BaselineColourKeepsItsColoursAndIsOpaque) {
  const TBytes bytes = EncodeJpeg(FourQuarters(), TJpegKind::Baseline, false);
  const auto image = DecodeJpeg(bytes.data(), bytes.size(), "test.jpg");
  ASSERT_EQ(image.Width, 32);
  ASSERT_EQ(image.Height, 32);
  ExpectNear(PixelAt(image, 8, 8), {255, 0, 0, 255}, 12);
  ExpectNear(PixelAt(image, 24, 8), {0, 255, 0, 255}, 12);
  ExpectNear(PixelAt(image, 8, 24), {0, 0, 255, 255}, 12);
  ExpectNear(PixelAt(image, 24, 24), {255, 255, 255, 255}, 12);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) ASSERT_EQ(image.At(x, y)[3], 255);
}

TEST(JpegDecoding, ProgressiveColourKeepsItsColours) {
  const TBytes bytes = EncodeJpeg(FourQuarters(), TJpegKind::Progressive, false);
  ASSERT_TRUE(HasMarker(bytes, 0xC2)) << "the test picture must really be progressive";
  const auto image = DecodeJpeg(bytes.data(), bytes.size(), "test.jpg");
  ExpectNear(PixelAt(image, 8, 8), {255, 0, 0, 255}, 12);
  ExpectNear(PixelAt(image, 24, 8), {0, 255, 0, 255}, 12);
  ExpectNear(PixelAt(image, 8, 24), {0, 0, 255, 255}, 12);
  ExpectNear(PixelAt(image, 24, 24), {255, 255, 255, 255}, 12);
}

TEST(JpegDecoding, GreyComesOutAsEqualChannels) {
  for (TJpegKind kind : {TJpegKind::Baseline, TJpegKind::Progressive}) {
    const TBytes bytes = EncodeJpeg(FourQuarters(), kind, true);
    const auto image = DecodeJpeg(bytes.data(), bytes.size(), "test.jpg");
    // The red channel of the quarters: 255, 0, 0, 255.
    ExpectNear(PixelAt(image, 8, 8), {255, 255, 255, 255}, 6);
    ExpectNear(PixelAt(image, 24, 8), {0, 0, 0, 255}, 6);
    ExpectNear(PixelAt(image, 8, 24), {0, 0, 0, 255}, 6);
    ExpectNear(PixelAt(image, 24, 24), {255, 255, 255, 255}, 6);
  }
}

// ---- Damaged, missing and oversized pictures give a clear error

void ExpectLoadError(const TBytes& bytes, bool jpeg, const std::string& reason) {
  const std::string name = jpeg ? "broken.jpg" : "broken.png";
  ::testing::internal::CaptureStderr();
  try {
    jpeg ? DecodeJpeg(bytes.data(), bytes.size(), name) : DecodePng(bytes.data(), bytes.size(), name);
    ADD_FAILURE() << "no error for " << name;
  } catch (const EImageLoadError& error) {
    EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "the libraries must not print";
}

TEST(ImageLoadErrors, TruncatedPng) {
  const TBytes whole = EncodePng(SmallRgba());
  ExpectLoadError(TBytes(whole.begin(), whole.end() - 20), false, "ends too early");
  ExpectLoadError(TBytes(whole.begin(), whole.begin() + 20), false, "ends too early");
}

TEST(ImageLoadErrors, PngWithDamagedPixelData) {
  TBytes bytes = EncodePng(SmallRgba());
  bytes[bytes.size() - 16] ^= 0xFF;  // inside the IDAT chunk
  ExpectLoadError(bytes, false, "CRC");
}

TEST(ImageLoadErrors, SomethingElseThanAPng) {
  ExpectLoadError({'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, false, "not a PNG");
  ExpectLoadError({}, false, "not a PNG");
}

TEST(ImageLoadErrors, PngTooLarge) {
  const TBytes small = EncodePng(SmallRgba());
  ExpectLoadError(WithPngSize(small, 20000, 1), false, "too large (20000 x 1)");
  ExpectLoadError(WithPngSize(small, 9000, 9000), false, "too large (9000 x 9000)");
}

TEST(ImageLoadErrors, TruncatedJpeg) {
  for (TJpegKind kind : {TJpegKind::Baseline, TJpegKind::Progressive}) {
    const TBytes whole = EncodeJpeg(FourQuarters(), kind, false);
    ExpectLoadError(TBytes(whole.begin(), whole.begin() + std::ptrdiff_t(whole.size() * 3 / 4)), true,
                    "Premature end");
  }
}

TEST(ImageLoadErrors, JpegWithDamagedHeader) {
  TBytes bytes = EncodeJpeg(FourQuarters(), TJpegKind::Baseline, false);
  for (std::size_t i = 0; i + 4 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) bytes[i + 4] = 5;  // sample precision
  ExpectLoadError(bytes, true, "precision");
}

TEST(ImageLoadErrors, SomethingElseThanAJpeg) {
  ExpectLoadError({'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, true, "Not a JPEG");
  ExpectLoadError({}, true, "Empty input");
}

TEST(ImageLoadErrors, JpegTooLarge) {
  const TBytes small = EncodeJpeg(FourQuarters(), TJpegKind::Progressive, false);
  ExpectLoadError(WithJpegSize(small, 20000, 8), true, "too large (20000 x 8)");
  ExpectLoadError(WithJpegSize(small, 9000, 9000), true, "too large (9000 x 9000)");
}

// ---- Files: the decoder follows the extension unless told it is a JPEG

class ImageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder = fs::temp_directory_path() /
              ("qm-images-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(FFolder);
  }
  void TearDown() override { fs::remove_all(FFolder); }

  fs::path Write(const std::string& name, const TBytes& bytes) {
    const fs::path path = FFolder / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
  }

  fs::path FFolder;
};

TEST_F(ImageFiles, ExtensionChoosesTheDecoderInAnyCase) {
  const TBytes png = EncodePng(SmallRgba());
  const TBytes jpeg = EncodeJpeg(FourQuarters(), TJpegKind::Baseline, false);
  EXPECT_EQ(DecodeImageFile(Write("a.png", png)).Width, 2);
  EXPECT_EQ(DecodeImageFile(Write("b.PNG", png)).Width, 2);
  EXPECT_EQ(DecodeImageFile(Write("c.jpg", jpeg)).Width, 32);
  EXPECT_EQ(DecodeImageFile(Write("d.JPEG", jpeg)).Width, 32);
}

TEST_F(ImageFiles, JpegFlagOverridesTheExtension) {
  const fs::path path = Write("photo.png", EncodeJpeg(FourQuarters(), TJpegKind::Baseline, false));
  EXPECT_THROW(DecodeImageFile(path), EImageLoadError);
  EXPECT_EQ(DecodeImageFile(path, true).Width, 32);
}

TEST_F(ImageFiles, PngNamedLikeAJpegIsRefused) {
  EXPECT_THROW(DecodeImageFile(Write("fake.jpg", EncodePng(SmallRgba()))), EImageLoadError);
}

TEST_F(ImageFiles, UnknownExtensionIsRefused) {
  const fs::path path = Write("picture.bmp", EncodePng(SmallRgba()));
  EXPECT_THROW(DecodeImageFile(path), EImageLoadError);
}

TEST_F(ImageFiles, MissingFileNamesTheFile) {
  const fs::path path = FFolder / "Nowhere.png";
  try {
    DecodeImageFile(path);
    FAIL() << "no error for a missing file";
  } catch (const EImageLoadError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot load image \"" + path.string() + "\": the file does not exist");
  }
}

TEST_F(ImageFiles, EmptyFileIsRefused) {
  EXPECT_THROW(DecodeImageFile(Write("empty.png", {})), EImageLoadError);
  EXPECT_THROW(DecodeImageFile(Write("empty.jpg", {})), EImageLoadError);
}

TEST_F(ImageFiles, FolderIsNotAPicture) {
  fs::create_directories(FFolder / "folder.png");
  EXPECT_THROW(DecodeImageFile(FFolder / "folder.png"), EImageLoadError);
}

// The size from the header alone: what the loader holds a finer twin to.
TEST_F(ImageFiles, TheHeaderTellsTheSizeOrNothing) {
  const TBytes png = EncodePng(SmallRgba());
  const TBytes jpeg = EncodeJpeg(FourQuarters(), TJpegKind::Baseline, false);
  const struct {
    const char* File;
    TBytes Bytes;
    std::optional<TImageSize> Size;
  } cases[] = {
      {"a.png", png, TImageSize{2, 2}},
      {"b.jpg", jpeg, TImageSize{32, 32}},
      {"cut-after-its-header.png", TBytes(png.begin(), png.begin() + 33), std::nullopt},
      {"cut-in-its-header.png", TBytes(png.begin(), png.begin() + 20), std::nullopt},
      {"empty.jpg", {}, std::nullopt},
      {"not-a-picture.png", {'h', 'e', 'l', 'l', 'o', 0, 0, 0, 0, 0}, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ImageFileSize(Write(c.File, c.Bytes)), c.Size) << c.File;
  EXPECT_EQ(ImageFileSize(FFolder / "Nowhere.png"), std::nullopt);
}

}  // namespace
}  // namespace qm
