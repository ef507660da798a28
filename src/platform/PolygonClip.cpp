#include "platform/PolygonClip.h"

#include <cmath>

namespace qm {

namespace {

std::uint32_t LerpColor(std::uint32_t a, std::uint32_t b, float t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    float ca = float((a >> shift) & 0xFF), cb = float((b >> shift) & 0xFF);
    out |= std::uint32_t(std::lround(ca + (cb - ca) * t)) << shift;
  }
  return out;
}

TScreenVertex Lerp(const TScreenVertex& a, const TScreenVertex& b, float t) {
  return TScreenVertex{a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t, LerpColor(a.Color, b.Color, t),
                       a.U + (b.U - a.U) * t, a.V + (b.V - a.V) * t};
}

// One Sutherland-Hodgman pass against the half-plane where distance >= 0.
template <typename Distance>
std::vector<TScreenVertex> ClipAgainst(const std::vector<TScreenVertex>& in, Distance distance) {
  std::vector<TScreenVertex> out;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const TScreenVertex& current = in[i];
    const TScreenVertex& next = in[(i + 1) % in.size()];
    float dc = distance(current), dn = distance(next);
    if (dc >= 0) out.push_back(current);
    if ((dc >= 0) != (dn >= 0)) out.push_back(Lerp(current, next, dc / (dc - dn)));
  }
  return out;
}

}  // namespace

std::vector<TScreenVertex> ClipPolygon(const std::vector<TScreenVertex>& polygon, float left, float top, float right,
                                       float bottom) {
  std::vector<TScreenVertex> result = polygon;
  result = ClipAgainst(result, [&](const TScreenVertex& v) { return v.X - left; });
  result = ClipAgainst(result, [&](const TScreenVertex& v) { return right - v.X; });
  result = ClipAgainst(result, [&](const TScreenVertex& v) { return v.Y - top; });
  result = ClipAgainst(result, [&](const TScreenVertex& v) { return bottom - v.Y; });
  return result;
}

}  // namespace qm
