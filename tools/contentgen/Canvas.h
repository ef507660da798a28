#pragma once

// Small Cairo helpers shared by every picture family.
#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

namespace contentgen {

struct Rgb {
  double R = 0, G = 0, B = 0;
  Rgb Mix(const Rgb& o, double t) const { return {R + (o.R - R) * t, G + (o.G - G) * t, B + (o.B - B) * t}; }
  Rgb Lighter(double t) const { return Mix({1, 1, 1}, t); }
  Rgb Darker(double t) const { return Mix({0, 0, 0}, t); }
};

constexpr Rgb Hex(std::uint32_t v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}

// How many pixels a picture has for each unit of its size: 1 for the
// pictures the game draws at the frame's own size, 2 for the set it draws on
// large screens. Painters draw in units and never see the difference.
void SetDensity(int density);
int Density();

// A picture being drawn: an ARGB surface of the density's pixels and its
// context, scaled so that painters draw in units of the picture's size.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* Cr() const { return cr_; }
  cairo_surface_t* Surface() const { return surface_; }
  // In units, whatever the density.
  int Width() const { return width_; }
  int Height() const { return height_; }

  void SavePng(const std::filesystem::path& file) const;
  void SaveJpeg(const std::filesystem::path& file, int quality = 85) const;

 private:
  int width_, height_;  // units
  int density_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Deterministic random numbers, so every run draws the same picture.
class Lcg {
 public:
  explicit Lcg(std::uint32_t seed) : seed_(seed) {}
  double Next() {
    seed_ = seed_ * 134775813u + 1u;
    return seed_ / 4294967296.0;
  }
  double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint32_t seed_;
};

// Paths and fills.
void SetColor(cairo_t* cr, const Rgb& c, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn = 0);
void FillVertical(cairo_t* cr, double y0, double y1, const Rgb& top, const Rgb& bottom, double alpha = 1.0);
void FillRadial(cairo_t* cr, double cx, double cy, double r, const Rgb& inner, const Rgb& outer, double alpha = 1.0);
// Fills the current path with a top-lit gradient of the colour and strokes a
// dark outline: the look every solid object of the game shares.
void ShadeAndOutline(cairo_t* cr, const Rgb& c, double outline = 2.0, double cx = 0, double cy = 0, double r = 0);
void Glint(cairo_t* cr, double x, double y, double rx, double ry, double alpha = 0.6);
void SoftGlow(cairo_t* cr, double cx, double cy, double r, const Rgb& c, double alpha);

// Text in the pictures' own lettering: bold, light fill, dark outline; shrunk
// to maxWidth when one is given.
void OutlinedText(cairo_t* cr, std::string_view text, double cx, double cy, double size, const Rgb& fill,
                  const Rgb& outline, double outlineWidth = 3.0, double maxWidth = 0);

// Calls draw once per pattern, with the origin at the pattern's top-left
// corner and drawing clipped to it.
void ForEachPattern(Canvas& canvas, int columns, int rows,
                    const std::function<void(cairo_t*, int pattern, double w, double h)>& draw);

// Turns a rectangle of the surface, in units, to grey and lightens it
// (disabled looks).
void Desaturate(cairo_surface_t* surface, int x, int y, int w, int h, double lighten = 0.25);

}  // namespace contentgen
