#pragma once

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/ScreenDevice.h"

namespace qm {

// Pixels as 0xAARRGGBB words, row after row.
struct TPixelSurface {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;

  TPixelSurface() = default;
  TPixelSurface(int width, int height) : Width(width), Height(height), Pixels(std::size_t(width) * height, 0) {}
  std::uint32_t* Row(int y) { return Pixels.data() + std::size_t(y) * Width; }
  const std::uint32_t* Row(int y) const { return Pixels.data() + std::size_t(y) * Width; }
};

// How a drawn pixel meets the one under it: the fixed-function factors,
// source-alpha blending being the one nearly every draw uses.
struct TPixelBlend {
  TBlendFactor Source = TBlendFactor::SrcAlpha;
  TBlendFactor Destination = TBlendFactor::InvSrcAlpha;
};

// A textured rectangle, turned and scaled in any way: its corners on the
// frame (top-left, top-right, bottom-left, in the texture's own order; the
// fourth follows) and the part of the texture laid on it, in texels
// (S1 < S0 or T1 < T0 mirror it). Every pixel whose centre lies inside takes
// the texel under its centre, or the four around it with linear filtering,
// from inside the part only; times the colour, then blended.
struct TSpriteQuad {
  float X0, Y0, X1, Y1, X3, Y3;
  float S0, T0, S1, T1;
  std::uint32_t Color;  // 0xAARRGGBB
};

// The rows a draw may touch: the frame is drawn in stripes, every draw of
// the frame into one stripe before the next, so that the stripe stays in the
// processor's cache while the layers are laid over it.
struct TRowSpan {
  int Top = 0;
  int Bottom = 1 << 30;
};

// The texels a sprite square to the frame took from its texture where it is
// scaled, kept by texture, place and size: drawn again the same way, it is
// blended straight from them, the very pixels sampling would give again.
// A sprite is kept the second time it is drawn in the same place: one that
// moves every frame would only churn the store. The least recently drawn go
// once the kept texels pass a budget.
class TSampledSprites {
 public:
  explicit TSampledSprites(std::size_t texelBudget) : FTexelBudget(texelBudget) {}

  struct TKey {
    std::uint32_t Texture;
    TSpriteQuad Quad;
    bool Linear;
    int Width, Height;  // of the frame drawn into
    TRowSpan Rows;      // drawn into
    bool operator==(const TKey& other) const;
  };
  // The rows kept for the key, one after another; nullptr when none are.
  const std::vector<std::uint32_t>* Find(const TKey& key);
  // Whether the key was drawn before and so is worth keeping; notes it.
  bool SeenBefore(const TKey& key);
  // Room for the rows of a new key, to be filled by the caller.
  std::vector<std::uint32_t>& Keep(const TKey& key, std::size_t texels);
  void Forget(std::uint32_t texture);
  void Clear();

 private:
  struct TKeyHash {
    std::size_t operator()(const TKey& key) const;
  };
  struct TEntry {
    std::vector<std::uint32_t> Texels;
    std::uint64_t LastUse = 0;
  };
  void Trim();

  std::size_t FTexelBudget;
  std::size_t FTexels = 0;
  std::uint64_t FUses = 0;
  std::unordered_map<TKey, TEntry, TKeyHash> FEntries;
  std::unordered_set<TKey, TKeyHash> FSeen;
};

// Ways round work in drawing a sprite that give the very same pixels; tests
// turn each off to compare.
struct TRasterShortcuts {
  // A picture drawn at its own size on whole pixels: its rows as they are.
  bool CopyRows = true;
  // Where the four texels the filter weighs are one colour, that colour.
  bool SameTexels = true;
};

// What a sprite is drawn from: the texture's pixels (none for a solid fill),
// the name it is kept under and where sampled texels are kept, if anywhere.
struct TSpriteSource {
  const TPixelSurface* Pixels = nullptr;
  std::uint32_t Id = 0;
  TSampledSprites* Kept = nullptr;
  TRasterShortcuts Shortcuts;
};

// Draws into the target, cut to it and to the rows.
void DrawSprite(TPixelSurface& target, const TSpriteSource& source, const TSpriteQuad& quad, bool linear,
                const TPixelBlend& blend, const TRowSpan& rows = {});

// Any quad (a triangle fan 0-1-2, 0-2-3), each vertex with its own colour and
// texture coordinates (0..1 over textureWidth x textureHeight, the size the
// coordinates count in); everything interpolated across.
void DrawGouraudQuad(TPixelSurface& target, const TPixelSurface* texture, int textureWidth, int textureHeight,
                     const TScreenVertex (&vertices)[4], bool linear, const TPixelBlend& blend,
                     const TRowSpan& rows = {});

// The rows in one colour.
void FillRows(TPixelSurface& target, std::uint32_t argb, const TRowSpan& rows = {});

// The part of a texture a sprite may take texels from.
struct TTexelBox {
  int Left, Top, Right, Bottom;  // inclusive
};

// A row of filtered texels along a line through the texture, from (s, t) in
// steps of (sStep, tStep), all in texels as 16.16 fixed point (a texel's
// centre at +0.5), read from inside the box only.
void SampleRow(const TPixelSurface& texture, const TTexelBox& box, std::int64_t s, std::int64_t sStep, std::int64_t t,
               std::int64_t tStep, int count, bool sameTexels, std::uint32_t* out);

// A texel times a colour, channel by channel, as every draw tints its texels.
std::uint32_t Tinted(std::uint32_t texel, std::uint32_t color);

// A row of source pixels laid over a row of the target: each source colour
// modulated by the colour, then blended.
void BlendRow(std::uint32_t* target, const std::uint32_t* source, int count, std::uint32_t color,
              const TPixelBlend& blend);

}  // namespace qm
