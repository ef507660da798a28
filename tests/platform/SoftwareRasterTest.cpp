// The processor screen's rasteriser: quads cut to the frame, and scaled
// sprites' texels kept only for sprites drawn again in the same place.
#include "platform/SoftwareRaster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace qm {
namespace {

constexpr std::uint32_t kGround = 0xFF102030, kRed = 0xFFFF0000;

TPixelSurface RedPicture() {
  TPixelSurface picture(4, 4);
  std::fill(picture.Pixels.begin(), picture.Pixels.end(), kRed);
  return picture;
}

// A square of side `side` centred on (cx, cy), turned by a quarter of its
// diagonal's slope when turned is set, over the whole 4x4 picture.
TSpriteQuad Square(float cx, float cy, float side, bool turned) {
  const float h = side / 2;
  if (!turned) return {cx - h, cy - h, cx + h, cy - h, cx - h, cy + h, 0, 0, 4, 4, 0xFFFFFFFF};
  return {cx, cy - h, cx + h, cy, cx - h, cy, 0, 0, 4, 4, 0xFFFFFFFF};
}

int PixelsOf(const TPixelSurface& frame, std::uint32_t colour) {
  return int(std::count(frame.Pixels.begin(), frame.Pixels.end(), colour));
}

TEST(SoftwareRaster, AQuadIsCutToTheFrame) {
  const TPixelSurface picture = RedPicture();
  const struct {
    const char* Case;
    TSpriteQuad Quad;
    int Covered;
  } cases[] = {
      {"inside", Square(16, 12, 8, false), 64},
      {"wholly left of the frame", Square(-40, 12, 8, false), 0},
      {"wholly below the frame", Square(16, 90, 8, false), 0},
      {"huge and turned over all of it", Square(16, 12, 2000, true), 32 * 24},
      {"half over the right edge", Square(32, 12, 8, false), 32},
  };
  for (const auto& c : cases) {
    TPixelSurface frame(32, 24);
    std::fill(frame.Pixels.begin(), frame.Pixels.end(), kGround);
    DrawSprite(frame, {&picture, 1, nullptr, {}}, c.Quad, true, {});
    EXPECT_EQ(PixelsOf(frame, kRed), c.Covered) << c.Case;
    EXPECT_EQ(PixelsOf(frame, kGround), 32 * 24 - c.Covered) << c.Case;
  }
}

TEST(SampledSprites, ASpriteIsKeptTheSecondTimeItIsDrawnInTheSamePlace) {
  TSampledSprites kept(1000);
  const TSampledSprites::TKey here{1, Square(16, 12, 8, false), true, 32, 24, {}};
  const TSampledSprites::TKey there{1, Square(17, 12, 8, false), true, 32, 24, {}};
  EXPECT_FALSE(kept.SeenBefore(here)) << "first sight";
  EXPECT_FALSE(kept.SeenBefore(there)) << "moved: a first sight again";
  EXPECT_TRUE(kept.SeenBefore(here)) << "drawn again where it was";
  kept.Keep(here, 64);
  EXPECT_NE(kept.Find(here), nullptr);
  kept.Forget(1);
  EXPECT_EQ(kept.Find(here), nullptr) << "a destroyed texture's texels go with it";
}

TEST(SampledSprites, TheLeastRecentlyDrawnGoOverTheBudget) {
  TSampledSprites kept(100);
  const TSampledSprites::TKey a{1, Square(8, 8, 8, false), true, 32, 24, {}};
  const TSampledSprites::TKey b{2, Square(8, 8, 8, false), true, 32, 24, {}};
  const TSampledSprites::TKey c{3, Square(8, 8, 8, false), true, 32, 24, {}};
  kept.Keep(a, 40);
  kept.Keep(b, 40);
  kept.Find(a);  // a is drawn again, b is now the oldest
  kept.Keep(c, 40);
  EXPECT_NE(kept.Find(a), nullptr);
  EXPECT_EQ(kept.Find(b), nullptr);
  EXPECT_NE(kept.Find(c), nullptr);
}

// A row is blended in steps of four, two and one pixels: every pixel comes
// out as blending it alone gives, whatever step it fell in.
TEST(BlendRows, EachPixelAsIfBlendedAlone) {
  std::vector<std::uint32_t> texels(11), under(11);
  for (std::size_t i = 0; i < texels.size(); ++i) {
    texels[i] = std::uint32_t(23 * i % 256) << 24 | std::uint32_t(0x00A0B0C0 + 0x00050311 * i);
    under[i] = 0xFF000000 | std::uint32_t(0x00302010 * (i + 1));
  }
  for (std::uint32_t color : {0xFFFFFFFFu, 0xFEFEFEFEu, 0x80C0FF40u}) {
    for (const TPixelBlend blend : {TPixelBlend{}, TPixelBlend{TBlendFactor::SrcAlpha, TBlendFactor::One}}) {
      std::vector<std::uint32_t> row = under, alone = under;
      BlendRow(row.data(), texels.data(), int(row.size()), color, blend);
      for (std::size_t i = 0; i < alone.size(); ++i) BlendRow(&alone[i], &texels[i], 1, color, blend);
      EXPECT_EQ(row, alone) << "colour " << std::hex << color;
    }
  }
}

// A row is sampled eight, two and one pixels at a time: every pixel comes
// out as sampling it alone gives, along any line through the picture, edges
// and mirroring included.
TEST(SampleRows, EachPixelAsIfSampledAlone) {
  TPixelSurface picture(37, 29);
  for (int y = 0; y < picture.Height; ++y)
    for (int x = 0; x < picture.Width; ++x)
      picture.Row(y)[x] = std::uint32_t((x * 41 + y * 7) % 256) << 24 | std::uint32_t(x * 0x070503 + y * 0x0B0D11);
  constexpr std::int64_t kTexel = 1 << 16;
  const struct {
    const char* Case;
    TTexelBox Box;
    std::int64_t S, SStep, T, TStep;
  } cases[] = {
      {"square, magnified", {0, 0, 36, 28}, 3 * kTexel, kTexel / 3, 5 * kTexel + 1234, 0},
      {"square, shrunk", {0, 0, 36, 28}, kTexel / 2, 2 * kTexel - 77, 9 * kTexel, 0},
      {"turned", {0, 0, 36, 28}, 2 * kTexel, kTexel * 3 / 5, 20 * kTexel, -kTexel * 4 / 5},
      {"mirrored", {0, 0, 36, 28}, 36 * kTexel, -kTexel * 7 / 9, 3 * kTexel, kTexel / 7},
      {"over the edges of a part", {4, 3, 20, 15}, -3 * kTexel, kTexel * 11 / 10, kTexel, kTexel / 3},
  };
  for (const auto& c : cases) {
    std::vector<std::uint32_t> row(29), alone(29);
    SampleRow(picture, c.Box, c.S, c.SStep, c.T, c.TStep, int(row.size()), true, row.data());
    for (std::size_t i = 0; i < alone.size(); ++i)
      SampleRow(picture, c.Box, c.S + c.SStep * std::int64_t(i), c.SStep, c.T + c.TStep * std::int64_t(i), c.TStep, 1,
                true, &alone[i]);
    EXPECT_EQ(row, alone) << c.Case;
  }
}

// Sprites of every kind (square and scaled, kept and drawn again, turned,
// filled, shaded) drawn stripe by stripe give the pixels of the frame drawn
// whole.
TEST(RowSpans, AFrameDrawnInStripesHasThePixelsOfOneDrawnWhole) {
  TPixelSurface picture(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      picture.Row(y)[x] = std::uint32_t(100 + 9 * x) << 24 | std::uint32_t(x * 0x101010 + y * 0x030507);
  const TSpriteQuad scaled{3.5f, 2.25f, 60.5f, 2.25f, 3.5f, 70.75f, 0, 0, 16, 16, 0xFFFFFFFF};
  const TSpriteQuad turned = Square(50, 40, 45, true);
  const TSpriteQuad fill{10, 30, 90, 30, 10, 41, 0, 0, 1, 1, 0x80FF8000};
  const TScreenVertex shaded[4] = {
      {5, 5, 0xFF0000FF, 0, 0}, {80, 12, 0xFF00FF00, 1, 0}, {70, 75, 0x80FF0000, 1, 1}, {8, 60, 0xFFFFFFFF, 0, 1}};
  TSampledSprites kept(100000);
  const auto drawAll = [&](TPixelSurface& frame, const TRowSpan& rows) {
    FillRows(frame, kGround, rows);
    for (int twice = 0; twice < 3; ++twice) DrawSprite(frame, {&picture, 1, &kept, {}}, scaled, true, {}, rows);
    DrawSprite(frame, {&picture, 1, nullptr, {}}, turned, true, {}, rows);
    DrawSprite(frame, {nullptr, 0, nullptr, {}}, fill, false, {}, rows);
    DrawGouraudQuad(frame, &picture, 16, 16, shaded, true, {TBlendFactor::SrcAlpha, TBlendFactor::One}, rows);
  };
  TPixelSurface whole(96, 80), striped(96, 80);
  drawAll(whole, {});
  for (int top = 0; top < 80; top += 7) drawAll(striped, {top, top + 7});
  EXPECT_TRUE(whole.Pixels == striped.Pixels);
  EXPECT_NE(PixelsOf(whole, kGround), 96 * 80) << "something was drawn";
}

}  // namespace
}  // namespace qm
