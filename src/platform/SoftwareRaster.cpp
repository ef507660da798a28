#include "platform/SoftwareRaster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace qm {

namespace {

// x / 255, rounded, for x up to 255 * 255.
inline std::uint32_t Div255(std::uint32_t x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}

inline std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

// Two pixels as eight 16-bit channels (blue, green, red, alpha each): the
// compiler turns the arithmetic below into the processor's vector
// instructions, four channels of two pixels at a time.
using TChannels = std::uint16_t __attribute__((vector_size(16)));
using TBytes = std::uint8_t __attribute__((vector_size(8)));

inline TChannels Load2(const std::uint32_t* pixels) {
  TBytes bytes;
  std::memcpy(&bytes, pixels, sizeof bytes);
  return __builtin_convertvector(bytes, TChannels);
}

inline void Store2(std::uint32_t* pixels, TChannels channels) {
  const TBytes bytes = __builtin_convertvector(channels, TBytes);
  std::memcpy(pixels, &bytes, sizeof bytes);
}

inline TChannels Div255(TChannels x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}

inline TChannels Splat(std::uint32_t pixel) {
  const std::uint32_t both[2] = {pixel, pixel};
  return Load2(both);
}

const TChannels kFull = {255, 255, 255, 255, 255, 255, 255, 255};

// The same sums as Over and Added below, two pixels at a time.
inline TChannels Over2(TChannels source, TChannels target) {
  const TChannels alpha = __builtin_shufflevector(source, source, 3, 3, 3, 3, 7, 7, 7, 7);
  // The alpha channel takes the source's whole alpha: a + d (1 - a).
  const TChannels weight = __builtin_shufflevector(source, kFull, 3, 3, 3, 8, 7, 7, 7, 8);
  return Div255(source * weight + target * (kFull - alpha));
}

inline TChannels Added2(TChannels source, TChannels target) {
  const TChannels none = {};
  const TChannels alpha = __builtin_shufflevector(source, none, 3, 3, 3, 8, 7, 7, 7, 8);
  const TChannels sum = target + Div255(source * alpha);
  return sum < kFull ? sum : kFull;
}

inline std::uint32_t Modulate(std::uint32_t texel, std::uint32_t color) {
  if (color == 0xFFFFFFFF) return texel;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) out |= Div255(Channel(texel, shift) * Channel(color, shift)) << shift;
  return out;
}

// Source-alpha blending: the colour weighed by its alpha over the rest; the
// frame's alpha gathers coverage (a + d (1 - a)).
inline std::uint32_t Over(std::uint32_t source, std::uint32_t target) {
  const std::uint32_t alpha = source >> 24;
  if (alpha == 0) return target;
  if (alpha == 255) return source;
  const std::uint32_t rest = 255 - alpha;
  std::uint32_t out = (alpha + Div255((target >> 24) * rest)) << 24;
  for (int shift = 0; shift < 24; shift += 8)
    out |= Div255(Channel(source, shift) * alpha + Channel(target, shift) * rest) << shift;
  return out;
}

// Additive blending weighed by the source alpha; the frame's alpha stays.
inline std::uint32_t Added(std::uint32_t source, std::uint32_t target) {
  const std::uint32_t alpha = source >> 24;
  if (alpha == 0) return target;
  std::uint32_t out = target & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8)
    out |= std::min<std::uint32_t>(255, Channel(target, shift) + Div255(Channel(source, shift) * alpha)) << shift;
  return out;
}

inline std::uint32_t Factor(TBlendFactor factor, std::uint32_t source, std::uint32_t target, std::uint32_t sourceAlpha,
                            int shift) {
  switch (factor) {
    case TBlendFactor::Zero: return 0;
    case TBlendFactor::One: return 255;
    case TBlendFactor::SrcColor: return Channel(source, shift);
    case TBlendFactor::InvSrcColor: return 255 - Channel(source, shift);
    case TBlendFactor::SrcAlpha: return sourceAlpha;
    case TBlendFactor::InvSrcAlpha: return 255 - sourceAlpha;
    case TBlendFactor::DestColor: return Channel(target, shift);
    case TBlendFactor::InvDestColor: return 255 - Channel(target, shift);
  }
  return 255;
}

// Any other pair of factors, on every channel alike.
inline std::uint32_t Blended(std::uint32_t source, std::uint32_t target, const TPixelBlend& blend) {
  const std::uint32_t alpha = source >> 24;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t value = Channel(source, shift) * Factor(blend.Source, source, target, alpha, shift) +
                                Channel(target, shift) * Factor(blend.Destination, source, target, alpha, shift);
    out |= std::min<std::uint32_t>(255, (value + 127) / 255) << shift;
  }
  return out;
}

bool IsOver(const TPixelBlend& blend) {
  return blend.Source == TBlendFactor::SrcAlpha && blend.Destination == TBlendFactor::InvSrcAlpha;
}

bool IsAdded(const TPixelBlend& blend) {
  return blend.Source == TBlendFactor::SrcAlpha && blend.Destination == TBlendFactor::One;
}

inline std::uint32_t BlendPixel(std::uint32_t source, std::uint32_t target, const TPixelBlend& blend) {
  if (IsOver(blend)) return Over(source, target);
  if (IsAdded(blend)) return Added(source, target);
  return Blended(source, target, blend);
}

// One colour laid over a run of the target: as a row of texels of that
// colour, blended in the wide steps rows take; an opaque one simply covers.
void FillRow(std::uint32_t* target, int count, std::uint32_t color, const TPixelBlend& blend) {
  if (IsOver(blend) && color >> 24 == 255) {
    std::fill_n(target, count, color);
    return;
  }
  constexpr int kRun = 64;
  std::array<std::uint32_t, kRun> colours;
  colours.fill(color);
  for (int done = 0; done < count; done += kRun)
    BlendRow(target + done, colours.data(), std::min(kRun, count - done), 0xFFFFFFFF, blend);
}

constexpr std::int64_t kOne = 1 << 16;

inline int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

inline std::int64_t FloorShift(std::int64_t value) { return value >= 0 ? value >> 16 : -((-value + kOne - 1) >> 16); }

// Texel coordinates in 16.16 fixed point, the texel's centre at +0.5.
inline std::uint32_t SampleNearest(const TPixelSurface& texture, const TTexelBox& box, std::int64_t s,
                                   std::int64_t t) {
  const int x = Clamp(int(FloorShift(s)), box.Left, box.Right);
  const int y = Clamp(int(FloorShift(t)), box.Top, box.Bottom);
  return texture.Row(y)[x];
}

// Weighs a against b by f/256 (f 0..255), rounded: the linear filter's step
// along one axis.
inline std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t f) {
  if (f == 0) return a;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= ((Channel(a, shift) * (256 - f) + Channel(b, shift) * f + 128) >> 8) << shift;
  return out;
}

inline TChannels Lerp2(TChannels a, TChannels b, TChannels f) {
  const TChannels whole = {256, 256, 256, 256, 256, 256, 256, 256};
  return (a * (whole - f) + b * f + 128) >> 8;
}

inline TChannels Pair(std::uint32_t first, std::uint32_t second) {
  const std::uint32_t both[2] = {first, second};
  return Load2(both);
}

inline TChannels Weights(std::uint32_t first, std::uint32_t second) {
  const auto a = std::uint16_t(first), b = std::uint16_t(second);
  return TChannels{a, a, a, a, b, b, b, b};
}

// Where the linear filter reads along one axis: the two texels around a
// coordinate (16.16, the texel's centre at +0.5) and the weight of the
// second.
struct TTaps {
  int First, Second;
  std::uint32_t Weight;
};

inline TTaps Taps(std::int64_t coordinate, int low, int high) {
  coordinate -= kOne / 2;
  const int first = int(FloorShift(coordinate));
  return {Clamp(first, low, high), Clamp(first + 1, low, high), std::uint32_t((coordinate >> 8) & 0xFF)};
}

inline std::uint32_t SampleLinear(const TPixelSurface& texture, const TTexelBox& box, std::int64_t s, std::int64_t t,
                                  bool sameTexels = true) {
  const TTaps across = Taps(s, box.Left, box.Right), down = Taps(t, box.Top, box.Bottom);
  const std::uint32_t* upper = texture.Row(down.First);
  const std::uint32_t* lower = texture.Row(down.Second);
  const std::uint32_t a = upper[across.First], b = upper[across.Second];
  const std::uint32_t c = lower[across.First], d = lower[across.Second];
  // Four equal texels weigh to themselves: most of a magnified picture.
  if (sameTexels && a == b && c == d && a == c) return a;
  const std::uint32_t top = Lerp(a, b, across.Weight);
  if (down.Weight == 0) return top;
  return Lerp(top, Lerp(c, d, across.Weight), down.Weight);
}

// A row of texels for a row of pixels at any angle to the texture: the same
// sums as SampleLinear, two pixels at a time.
void SampleTurnedRow(const TPixelSurface& texture, const TTexelBox& box, std::int64_t s, std::int64_t sStep,
                     std::int64_t t, std::int64_t tStep, int count, bool sameTexels, std::uint32_t* out) {
  int i = 0;
  for (; i + 1 < count; i += 2, s += 2 * sStep, t += 2 * tStep) {
    const TTaps a = Taps(s, box.Left, box.Right), b = Taps(s + sStep, box.Left, box.Right);
    const TTaps aDown = Taps(t, box.Top, box.Bottom), bDown = Taps(t + tStep, box.Top, box.Bottom);
    const std::uint32_t *aUpper = texture.Row(aDown.First), *aLower = texture.Row(aDown.Second);
    const std::uint32_t *bUpper = texture.Row(bDown.First), *bLower = texture.Row(bDown.Second);
    const std::uint32_t a0 = aUpper[a.First], a1 = aUpper[a.Second], a2 = aLower[a.First], a3 = aLower[a.Second];
    const std::uint32_t b0 = bUpper[b.First], b1 = bUpper[b.Second], b2 = bLower[b.First], b3 = bLower[b.Second];
    if (sameTexels && a0 == a1 && a2 == a3 && a0 == a2 && b0 == b1 && b2 == b3 && b0 == b2) {
      out[i] = a0;
      out[i + 1] = b0;
      continue;
    }
    const TChannels fx = Weights(a.Weight, b.Weight), fy = Weights(aDown.Weight, bDown.Weight);
    const TChannels top = Lerp2(Pair(a0, b0), Pair(a1, b1), fx);
    const TChannels bottom = Lerp2(Pair(a2, b2), Pair(a3, b3), fx);
    Store2(out + i, Lerp2(top, bottom, fy));
  }
  for (; i < count; ++i, s += sStep, t += tStep) out[i] = SampleLinear(texture, box, s, t, sameTexels);
}

// A row of texels for a row of pixels square to the texture (t the same
// along it), filtered: the same sums as SampleLinear, two pixels at a time.
void SampleSquareRow(const TPixelSurface& texture, const TTexelBox& box, std::int64_t s, std::int64_t sStep,
                     std::int64_t t, int count, std::uint32_t* out) {
  const TTaps down = Taps(t, box.Top, box.Bottom);
  const std::uint32_t* upper = texture.Row(down.First);
  const std::uint32_t* lower = texture.Row(down.Second);
  const TChannels fy = Weights(down.Weight, down.Weight);
  int i = 0;
  for (; i + 1 < count; i += 2, s += 2 * sStep) {
    const TTaps a = Taps(s, box.Left, box.Right), b = Taps(s + sStep, box.Left, box.Right);
    const TChannels fx = Weights(a.Weight, b.Weight);
    const TChannels top = Lerp2(Pair(upper[a.First], upper[b.First]), Pair(upper[a.Second], upper[b.Second]), fx);
    if (down.Weight == 0) {
      Store2(out + i, top);
      continue;
    }
    const TChannels bottom = Lerp2(Pair(lower[a.First], lower[b.First]), Pair(lower[a.Second], lower[b.Second]), fx);
    Store2(out + i, Lerp2(top, bottom, fy));
  }
  for (; i < count; ++i, s += sStep) out[i] = SampleLinear(texture, box, s, t);
}

#if defined(__x86_64__)
#define QM_AVX2 __attribute__((target("avx2")))

QM_AVX2 inline __m256i ClampLanes(__m256i value, __m256i low, __m256i high) {
  return _mm256_min_epi32(_mm256_max_epi32(value, low), high);
}

// Eight pixels' weights (one per 32-bit lane) in each of their four 16-bit
// channels, in the order unpacking their bytes leaves them.
QM_AVX2 inline __m256i SpreadWeights(__m256i weight, bool upper) {
  const __m256i both = _mm256_or_si256(weight, _mm256_slli_epi32(weight, 16));
  return upper ? _mm256_unpackhi_epi32(both, both) : _mm256_unpacklo_epi32(both, both);
}

QM_AVX2 inline __m256i Channels(__m256i pixels, bool upper) {
  const __m256i zero = _mm256_setzero_si256();
  return upper ? _mm256_unpackhi_epi8(pixels, zero) : _mm256_unpacklo_epi8(pixels, zero);
}

// Lerp on 16-bit channels.
QM_AVX2 inline __m256i LerpChannels(__m256i a, __m256i b, __m256i f) {
  const __m256i sum =
      _mm256_add_epi16(_mm256_mullo_epi16(a, _mm256_sub_epi16(_mm256_set1_epi16(256), f)), _mm256_mullo_epi16(b, f));
  return _mm256_srli_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(128)), 8);
}

// Eight pixels at a time where the processor has AVX2: the same sums as
// SampleLinear, the four texels of each pixel fetched in one gather each.
// The coordinates are held in 32 bits, so a row whose ends do not fit is
// left to the narrower steps. Returns how many it did (a multiple of eight).
QM_AVX2 int SampleRowByEights(const TPixelSurface& texture, const TTexelBox& box, std::int64_t s, std::int64_t sStep,
                              std::int64_t t, std::int64_t tStep, int count, std::uint32_t* out) {
  const std::int64_t limit = std::int64_t(1) << 30;
  for (const std::int64_t value : {s, t, s + sStep * count, t + tStep * count, sStep * 8, tStep * 8})
    if (value <= -limit || value >= limit) return 0;
  if (std::int64_t(texture.Width) * texture.Height >= limit) return 0;
  const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  __m256i across = _mm256_add_epi32(_mm256_set1_epi32(int(s - kOne / 2)),
                                    _mm256_mullo_epi32(lanes, _mm256_set1_epi32(int(sStep))));
  __m256i down = _mm256_add_epi32(_mm256_set1_epi32(int(t - kOne / 2)),
                                  _mm256_mullo_epi32(lanes, _mm256_set1_epi32(int(tStep))));
  const __m256i acrossStep = _mm256_set1_epi32(int(sStep * 8)), downStep = _mm256_set1_epi32(int(tStep * 8));
  const __m256i left = _mm256_set1_epi32(box.Left), right = _mm256_set1_epi32(box.Right);
  const __m256i top = _mm256_set1_epi32(box.Top), bottom = _mm256_set1_epi32(box.Bottom);
  const __m256i one = _mm256_set1_epi32(1), stride = _mm256_set1_epi32(texture.Width);
  const __m256i lowByte = _mm256_set1_epi32(0xFF);
  const int* texels = reinterpret_cast<const int*>(texture.Pixels.data());
  int i = 0;
  for (; i + 7 < count; i += 8) {
    const __m256i x = _mm256_srai_epi32(across, 16), y = _mm256_srai_epi32(down, 16);
    const __m256i x0 = ClampLanes(x, left, right), x1 = ClampLanes(_mm256_add_epi32(x, one), left, right);
    const __m256i row0 = _mm256_mullo_epi32(ClampLanes(y, top, bottom), stride);
    const __m256i row1 = _mm256_mullo_epi32(ClampLanes(_mm256_add_epi32(y, one), top, bottom), stride);
    const __m256i fx = _mm256_and_si256(_mm256_srai_epi32(across, 8), lowByte);
    const __m256i fy = _mm256_and_si256(_mm256_srai_epi32(down, 8), lowByte);
    const __m256i a = _mm256_i32gather_epi32(texels, _mm256_add_epi32(row0, x0), 4);
    const __m256i b = _mm256_i32gather_epi32(texels, _mm256_add_epi32(row0, x1), 4);
    const __m256i c = _mm256_i32gather_epi32(texels, _mm256_add_epi32(row1, x0), 4);
    const __m256i d = _mm256_i32gather_epi32(texels, _mm256_add_epi32(row1, x1), 4);
    __m256i halves[2];
    for (const bool upper : {false, true}) {
      const __m256i wx = SpreadWeights(fx, upper), wy = SpreadWeights(fy, upper);
      const __m256i upperRow = LerpChannels(Channels(a, upper), Channels(b, upper), wx);
      const __m256i lowerRow = LerpChannels(Channels(c, upper), Channels(d, upper), wx);
      halves[upper] = LerpChannels(upperRow, lowerRow, wy);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_packus_epi16(halves[0], halves[1]));
    across = _mm256_add_epi32(across, acrossStep);
    down = _mm256_add_epi32(down, downStep);
  }
  return i;
}

#undef QM_AVX2

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

// The run of pixel centres x + 0.5 (x whole) with low <= a + slope * centre < high.
void Narrow(double a, double slope, double low, double high, int& first, int& last) {
  if (slope == 0) {
    if (a < low || a >= high) last = first;
    return;
  }
  double from = (low - a) / slope, to = (high - a) / slope;
  if (slope < 0) std::swap(from, to);
  // Centres from `from` on, up to `to`; the edge itself belongs to the
  // side the quad starts on.
  first = std::max(first, int(std::ceil(from - 0.5)));
  last = std::min(last, int(std::ceil(to - 0.5)));
}

thread_local std::vector<std::uint32_t> tRowTexels;

}  // namespace

std::uint32_t Tinted(std::uint32_t texel, std::uint32_t color) { return Modulate(texel, color); }

void SampleRow(const TPixelSurface& texture, const TTexelBox& box, std::int64_t s, std::int64_t sStep, std::int64_t t,
               std::int64_t tStep, int count, bool sameTexels, std::uint32_t* out) {
  int done = 0;
#if defined(__x86_64__)
  if (HasAvx2()) done = SampleRowByEights(texture, box, s, sStep, t, tStep, count, out);
#endif
  s += sStep * done;
  t += tStep * done;
  if (tStep == 0)
    SampleSquareRow(texture, box, s, sStep, t, count - done, out + done);
  else
    SampleTurnedRow(texture, box, s, sStep, t, tStep, count - done, sameTexels, out + done);
}

namespace {

// Four pixels at a time, the same sums as Over2: where the processor has
// wider vectors (AVX2) the blending of long rows takes half the steps.
using TChannels4 = std::uint16_t __attribute__((vector_size(32)));
using TBytes4 = std::uint8_t __attribute__((vector_size(16)));

// The tinted texels of a row over it, four at a time; returns how many it
// did (a multiple of four). The vectors stay inside: passed between
// functions they would need AVX on both sides.
__attribute__((target_clones("avx2", "default"))) int OverRowByFours(std::uint32_t* target,
                                                                     const std::uint32_t* source, int count,
                                                                     std::uint32_t color) {
  const TChannels4 full = {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
  const std::uint32_t tints[4] = {color, color, color, color};
  TBytes4 bytes;
  std::memcpy(&bytes, tints, sizeof bytes);
  const TChannels4 tint = __builtin_convertvector(bytes, TChannels4);
  int i = 0;
  for (; i + 3 < count; i += 4) {
    std::memcpy(&bytes, source + i, sizeof bytes);
    TChannels4 tinted = __builtin_convertvector(bytes, TChannels4);
    if (color != 0xFFFFFFFF) {
      tinted = tinted * tint + 128;
      tinted = (tinted + (tinted >> 8)) >> 8;
    }
    std::memcpy(&bytes, target + i, sizeof bytes);
    const TChannels4 under = __builtin_convertvector(bytes, TChannels4);
    const TChannels4 alpha =
        __builtin_shufflevector(tinted, tinted, 3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15);
    const TChannels4 weight =
        __builtin_shufflevector(tinted, full, 3, 3, 3, 16, 7, 7, 7, 16, 11, 11, 11, 16, 15, 15, 15, 16);
    TChannels4 sum = tinted * weight + under * (full - alpha) + 128;
    sum = (sum + (sum >> 8)) >> 8;
    bytes = __builtin_convertvector(sum, TBytes4);
    std::memcpy(target + i, &bytes, sizeof bytes);
  }
  return i;
}

}  // namespace

void BlendRow(std::uint32_t* target, const std::uint32_t* source, int count, std::uint32_t color,
              const TPixelBlend& blend) {
  const bool over = IsOver(blend), added = IsAdded(blend);
  if (!over && !added) {
    for (int i = 0; i < count; ++i) target[i] = BlendPixel(Modulate(source[i], color), target[i], blend);
    return;
  }
  const TChannels tint = Splat(color);
  int i = over ? OverRowByFours(target, source, count, color) : 0;
  for (; i + 1 < count; i += 2) {
    const TChannels texels = Load2(source + i);
    const TChannels tinted = color == 0xFFFFFFFF ? texels : Div255(texels * tint);
    Store2(target + i, over ? Over2(tinted, Load2(target + i)) : Added2(tinted, Load2(target + i)));
  }
  for (; i < count; ++i) target[i] = over ? Over(Modulate(source[i], color), target[i]) : Added(Modulate(source[i], color), target[i]);
}

bool TSampledSprites::TKey::operator==(const TKey& other) const {
  return Texture == other.Texture && Linear == other.Linear && Width == other.Width && Height == other.Height &&
         Rows.Top == other.Rows.Top && Rows.Bottom == other.Rows.Bottom &&
         std::memcmp(&Quad, &other.Quad, sizeof Quad) == 0;
}

std::size_t TSampledSprites::TKeyHash::operator()(const TKey& key) const {
  std::uint64_t hash = 1469598103934665603ull ^ key.Texture;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&key.Quad);
  for (std::size_t i = 0; i < sizeof key.Quad; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  return std::size_t(hash ^ std::uint64_t(key.Linear) ^ (std::uint64_t(key.Width) << 20) ^
                     (std::uint64_t(key.Height) << 40) ^ (std::uint64_t(key.Rows.Top) << 8));
}

const std::vector<std::uint32_t>* TSampledSprites::Find(const TKey& key) {
  auto found = FEntries.find(key);
  if (found == FEntries.end()) return nullptr;
  found->second.LastUse = ++FUses;
  return &found->second.Texels;
}

bool TSampledSprites::SeenBefore(const TKey& key) {
  // Sprites seen once are only names; a scene full of moving ones starts over.
  constexpr std::size_t kSeenAtMost = 4096;
  if (FSeen.erase(key)) return true;
  if (FSeen.size() >= kSeenAtMost) FSeen.clear();
  FSeen.insert(key);
  return false;
}

std::vector<std::uint32_t>& TSampledSprites::Keep(const TKey& key, std::size_t texels) {
  TEntry& entry = FEntries[key];
  FTexels += texels - entry.Texels.size();
  entry.Texels.assign(texels, 0);
  entry.LastUse = ++FUses;
  Trim();
  return FEntries[key].Texels;
}

void TSampledSprites::Trim() {
  // The newest stays, even alone over the budget.
  while (FTexels > FTexelBudget && FEntries.size() > 1) {
    auto oldest = std::min_element(FEntries.begin(), FEntries.end(),
                                   [](const auto& a, const auto& b) { return a.second.LastUse < b.second.LastUse; });
    FTexels -= oldest->second.Texels.size();
    FEntries.erase(oldest);
  }
}

void TSampledSprites::Forget(std::uint32_t texture) {
  std::erase_if(FEntries, [&](const auto& entry) {
    if (entry.first.Texture != texture) return false;
    FTexels -= entry.second.Texels.size();
    return true;
  });
}

void TSampledSprites::Clear() {
  FEntries.clear();
  FSeen.clear();
  FTexels = 0;
}

void FillRows(TPixelSurface& target, std::uint32_t argb, const TRowSpan& rows) {
  for (int y = std::max(rows.Top, 0); y < std::min(rows.Bottom, target.Height); ++y)
    std::fill_n(target.Row(y), target.Width, argb);
}

void DrawSprite(TPixelSurface& target, const TSpriteSource& source, const TSpriteQuad& q, bool linear,
                const TPixelBlend& blend, const TRowSpan& rows) {
  const TPixelSurface* texture = source.Pixels;
  const double ux = q.X1 - q.X0, uy = q.Y1 - q.Y0, vx = q.X3 - q.X0, vy = q.Y3 - q.Y0;
  const double det = ux * vy - uy * vx;
  if (std::fabs(det) < 1e-9) return;
  const float xs[4] = {q.X0, q.X1, q.X3, q.X1 + q.X3 - q.X0}, ys[4] = {q.Y0, q.Y1, q.Y3, q.Y1 + q.Y3 - q.Y0};
  const int top = std::max({0, rows.Top, int(std::floor(*std::min_element(ys, ys + 4)))});
  const int bottom = std::min({target.Height, rows.Bottom, int(std::ceil(*std::max_element(ys, ys + 4))) + 1});
  const int left = std::max(0, int(std::floor(*std::min_element(xs, xs + 4))));
  const int right = std::min(target.Width, int(std::ceil(*std::max_element(xs, xs + 4))) + 1);
  if (left >= right || top >= bottom) return;

  // a runs 0..1 along the top edge, b down the left one.
  const double dadx = vy / det, dbdx = -uy / det;
  const double dady = -vx / det, dbdy = ux / det;
  const double ds = double(q.S1) - q.S0, dt = double(q.T1) - q.T0;
  TTexelBox box{};
  if (texture) {
    box.Left = std::max(0, int(std::floor(std::min(q.S0, q.S1))));
    box.Top = std::max(0, int(std::floor(std::min(q.T0, q.T1))));
    box.Right = std::min(texture->Width - 1, int(std::ceil(std::max(q.S0, q.S1))) - 1);
    box.Bottom = std::min(texture->Height - 1, int(std::ceil(std::max(q.T0, q.T1))) - 1);
    if (box.Right < box.Left || box.Bottom < box.Top) return;
  }
  const std::int64_t sStep = std::llround(dadx * ds * kOne), tStep = std::llround(dbdx * dt * kOne);
  const bool copyRows = texture && source.Shortcuts.CopyRows && sStep == kOne && tStep == 0;
  // A scaled sprite square to the frame: its rows of texels may be kept.
  const bool keepable = texture && source.Kept && !copyRows && uy == 0 && vx == 0;
  const TSampledSprites::TKey key{source.Id, q, linear, target.Width, target.Height, rows};
  const std::vector<std::uint32_t>* kept = keepable ? source.Kept->Find(key) : nullptr;
  std::vector<std::uint32_t>* keeping = nullptr;
  bool judged = false, worthKeeping = false;
  std::size_t offset = 0;

  for (int y = top; y < bottom; ++y) {
    const double centreY = y + 0.5;
    const double aRow = (-q.X0) * dadx + (centreY - q.Y0) * dady;
    const double bRow = (-q.X0) * dbdx + (centreY - q.Y0) * dbdy;
    int first = left, last = right;
    Narrow(aRow, dadx, 0, 1, first, last);
    Narrow(bRow, dbdx, 0, 1, first, last);
    if (first >= last) continue;
    std::uint32_t* row = target.Row(y) + first;
    const int count = last - first;
    if (!texture) {
      FillRow(row, count, q.Color, blend);
      continue;
    }
    if (kept) {
      BlendRow(row, kept->data() + offset, count, q.Color, blend);
      offset += std::size_t(count);
      continue;
    }
    const double centreX = first + 0.5;
    std::int64_t s = std::llround((q.S0 + (aRow + dadx * centreX) * ds) * kOne);
    std::int64_t t = std::llround((q.T0 + (bRow + dbdx * centreX) * dt) * kOne);
    // Unscaled and square to the frame, on whole texels: the texels as
    // they are, whatever the filter.
    if (copyRows && (s & 0xFFFF) == kOne / 2 && (t & 0xFFFF) == kOne / 2) {
      const int x = int(s >> 16), texelY = int(t >> 16);
      if (x >= box.Left && x + count - 1 <= box.Right && texelY >= box.Top && texelY <= box.Bottom) {
        BlendRow(row, texture->Row(texelY) + x, count, q.Color, blend);
        continue;
      }
    }
    if (keepable && !keeping && !judged) {
      judged = true;
      worthKeeping = source.Kept->SeenBefore(key);
    }
    if (worthKeeping && !keeping)
      keeping = &source.Kept->Keep(key, std::size_t(bottom - top) * std::size_t(right - left));
    tRowTexels.resize(std::size_t(count));
    std::uint32_t* texels = keeping ? keeping->data() + offset : tRowTexels.data();
    offset += std::size_t(count);
    if (linear)
      SampleRow(*texture, box, s, sStep, t, tStep, count, source.Shortcuts.SameTexels, texels);
    else
      for (int i = 0; i < count; ++i, s += sStep, t += tStep) texels[i] = SampleNearest(*texture, box, s, t);
    BlendRow(row, texels, count, q.Color, blend);
  }
}

void DrawGouraudQuad(TPixelSurface& target, const TPixelSurface* texture, int textureWidth, int textureHeight,
                     const TScreenVertex (&v)[4], bool linear, const TPixelBlend& blend, const TRowSpan& rows) {
  const TTexelBox box{0, 0, texture ? texture->Width - 1 : 0, texture ? texture->Height - 1 : 0};
  for (const auto& corners : {std::array<int, 3>{0, 1, 2}, std::array<int, 3>{0, 2, 3}}) {
    const TScreenVertex &a = v[corners[0]], &b = v[corners[1]], &c = v[corners[2]];
    const double area = double(b.X - a.X) * (c.Y - a.Y) - double(b.Y - a.Y) * (c.X - a.X);
    if (std::fabs(area) < 1e-9) continue;
    const int top = std::max({0, rows.Top, int(std::floor(std::min({a.Y, b.Y, c.Y})))});
    const int bottom = std::min({target.Height, rows.Bottom, int(std::ceil(std::max({a.Y, b.Y, c.Y}))) + 1});
    const int left = std::max(0, int(std::floor(std::min({a.X, b.X, c.X}))));
    const int right = std::min(target.Width, int(std::ceil(std::max({a.X, b.X, c.X}))) + 1);
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) {
        const double px = x + 0.5, py = y + 0.5;
        // Weights of b and c; a takes the rest. A centre on the diagonal the
        // two triangles share belongs to the first.
        const double wb = ((px - a.X) * (c.Y - a.Y) - (py - a.Y) * (c.X - a.X)) / area;
        const double wc = ((b.X - a.X) * (py - a.Y) - (b.Y - a.Y) * (px - a.X)) / area;
        const double wa = 1 - wb - wc;
        if (wa < 0 || wb < 0 || wc < 0 || (corners[1] == 2 && wc <= 0)) continue;
        std::uint32_t color = 0;
        for (int shift = 0; shift < 32; shift += 8) {
          const double value = wa * Channel(a.Color, shift) + wb * Channel(b.Color, shift) + wc * Channel(c.Color, shift);
          color |= std::uint32_t(std::lround(std::clamp(value, 0.0, 255.0))) << shift;
        }
        std::uint32_t texel = 0xFFFFFFFF;
        if (texture) {
          const double u = wa * a.U + wb * b.U + wc * c.U, w = wa * a.V + wb * b.V + wc * c.V;
          const std::int64_t s = std::llround(u * textureWidth * kOne), t = std::llround(w * textureHeight * kOne);
          texel = linear ? SampleLinear(*texture, box, s, t) : SampleNearest(*texture, box, s, t);
        }
        std::uint32_t* pixel = target.Row(y) + x;
        *pixel = BlendPixel(Modulate(texel, color), *pixel, blend);
      }
  }
}

}  // namespace qm
