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
  const TSampledSprites::TKey here{1, Square(16, 12, 8, false), true, 32, 24};
  const TSampledSprites::TKey there{1, Square(17, 12, 8, false), true, 32, 24};
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
  const TSampledSprites::TKey a{1, Square(8, 8, 8, false), true, 32, 24};
  const TSampledSprites::TKey b{2, Square(8, 8, 8, false), true, 32, 24};
  const TSampledSprites::TKey c{3, Square(8, 8, 8, false), true, 32, 24};
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

}  // namespace
}  // namespace qm
