// The two bitmap font pictures of the generated content pack.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace qm {
namespace {

const std::filesystem::path kImages = std::filesystem::path(QUILLMERE_GAME_DIR) / "Images";

struct TPicture {
  int Width = 0, Height = 0;
  std::vector<unsigned char> Rgba;  // unpremultiplied, row by row
  int Alpha(int x, int y) const { return Rgba[(std::size_t(y) * Width + x) * 4 + 3]; }
  bool White(int x, int y) const {
    const unsigned char* p = &Rgba[(std::size_t(y) * Width + x) * 4];
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
  }
};

TPicture ReadPng(const std::filesystem::path& file) {
  TPicture picture;
  std::unique_ptr<FILE, decltype(&std::fclose)> f(std::fopen(file.c_str(), "rb"), std::fclose);
  if (!f) return picture;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_stdio(&image, f.get())) return picture;
  image.format = PNG_FORMAT_RGBA;
  std::vector<unsigned char> rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) return picture;
  picture.Width = int(image.width);
  picture.Height = int(image.height);
  picture.Rgba = std::move(rgba);
  return picture;
}

struct TSheet {
  const char* Name;
  int Columns, Rows;
  int LastPattern;   // the highest pattern the glyph map sends a character to
  int SpacePattern;  // the one reached pattern that stays empty
};

constexpr TSheet kNormal{"GlobalFontWhite.png", 28, 5, 119, 82};
constexpr TSheet kComment{"CommentFont.png", 14, 5, 60, 41};

struct TCellInk {
  int Pixels = 0;
  int Left = -1, Right = -1;  // first and last inked column, relative to the cell
  bool TouchesBorder = false;
};

TCellInk InkOf(const TPicture& picture, const TSheet& sheet, int pattern) {
  const int w = picture.Width / sheet.Columns, h = picture.Height / sheet.Rows;
  const int x0 = pattern % sheet.Columns * w, y0 = pattern / sheet.Columns * h;
  TCellInk ink;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (picture.Alpha(x0 + x, y0 + y) == 0) continue;
      ++ink.Pixels;
      if (ink.Left < 0 || x < ink.Left) ink.Left = x;
      if (x > ink.Right) ink.Right = x;
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) ink.TouchesBorder = true;
    }
  return ink;
}

TEST(FontPack, NormalFontIsTwentyEightByFiveCellsOf32By40) {
  const TPicture font = ReadPng(kImages / kNormal.Name);
  EXPECT_EQ(font.Width, 896);
  EXPECT_EQ(font.Height, 200);
}

TEST(FontPack, CommentFontIsFourteenByFiveCellsOf48By56) {
  const TPicture font = ReadPng(kImages / kComment.Name);
  EXPECT_EQ(font.Width, 672);
  EXPECT_EQ(font.Height, 280);
}

TEST(FontPack, EveryPatternTheMapsReachHasInkExceptTheSpace) {
  for (const TSheet& sheet : {kNormal, kComment}) {
    const TPicture font = ReadPng(kImages / sheet.Name);
    ASSERT_GT(font.Width, 0) << sheet.Name;
    for (int p = 0; p <= sheet.LastPattern; ++p) {
      const int pixels = InkOf(font, sheet, p).Pixels;
      if (p == sheet.SpacePattern) {
        EXPECT_EQ(pixels, 0) << sheet.Name << " space";
      } else {
        EXPECT_GT(pixels, 0) << sheet.Name << " pattern " << p;
      }
    }
  }
}

TEST(FontPack, InkStaysInsideItsCellAndStartsAtItsLeftEdge) {
  for (const TSheet& sheet : {kNormal, kComment}) {
    const TPicture font = ReadPng(kImages / sheet.Name);
    ASSERT_GT(font.Width, 0) << sheet.Name;
    for (int p = 0; p < sheet.Columns * sheet.Rows; ++p) {
      const TCellInk ink = InkOf(font, sheet, p);
      EXPECT_FALSE(ink.TouchesBorder) << sheet.Name << " pattern " << p;
      if (ink.Pixels > 0) {
        EXPECT_LE(ink.Left, 2) << sheet.Name << " pattern " << p;
      }
    }
  }
}

TEST(FontPack, NormalGlyphsAreWhiteSoTheTintColoursThem) {
  const TPicture font = ReadPng(kImages / kNormal.Name);
  ASSERT_GT(font.Width, 0);
  for (int y = 0; y < font.Height; ++y)
    for (int x = 0; x < font.Width; ++x)
      if (font.Alpha(x, y) > 0) {
        ASSERT_TRUE(font.White(x, y)) << x << ", " << y;
      }
}

TEST(FontPack, GlyphsAreAboutAsWideAsTheirAdvance) {
  const TPicture font = ReadPng(kImages / kNormal.Name);
  ASSERT_GT(font.Width, 0);
  struct TCase {
    char Letter;
    int Pattern, Advance;
  };
  for (const TCase& c : {TCase{'W', 22, 30}, TCase{'m', 38, 28}, TCase{'A', 0, 24}, TCase{'i', 34, 8},
                         TCase{'l', 37, 7}, TCase{'1', 53, 10}}) {
    const TCellInk ink = InkOf(font, kNormal, c.Pattern);
    const int width = ink.Right - ink.Left + 1;
    EXPECT_LE(width, c.Advance) << c.Letter;
    EXPECT_GE(width, c.Advance / 2) << c.Letter;
  }
}

}  // namespace
}  // namespace qm
