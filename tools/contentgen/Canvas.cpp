#include "Canvas.h"

#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace contentgen {

namespace {
int gDensity = 1;
}  // namespace

void SetDensity(int density) { gDensity = std::max(1, density); }
int Density() { return gDensity; }

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      density_(gDensity),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * density_, height * density_)),
      cr_(cairo_create(surface_)) {
  cairo_scale(cr_, density_, density_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::SavePng(const std::filesystem::path& file) const {
  cairo_surface_flush(surface_);
  if (cairo_surface_write_to_png(surface_, file.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + file.string());
}

void Canvas::SaveJpeg(const std::filesystem::path& file, int quality) const {
  cairo_surface_flush(surface_);
  FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) throw std::runtime_error("cannot write " + file.string());

  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  const int width = width_ * density_, height = height_ * density_;
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);

  // JPEGs are opaque: whatever is transparent shows as white.
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  std::vector<JSAMPLE> row(std::size_t(width) * 3);
  for (int y = 0; y < height; ++y) {
    const auto* px = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = px[x];
      const unsigned a = p >> 24;
      const unsigned white = 255 - a;  // premultiplied colour over white
      row[std::size_t(x) * 3 + 0] = JSAMPLE(((p >> 16) & 255) + white);
      row[std::size_t(x) * 3 + 1] = JSAMPLE(((p >> 8) & 255) + white);
      row[std::size_t(x) * 3 + 2] = JSAMPLE((p & 255) + white);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(out);
}

void SetColor(cairo_t* cr, const Rgb& c, double alpha) { cairo_set_source_rgba(cr, c.R, c.G, c.B, alpha); }

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    const double a = turn - M_PI / 2 + i * M_PI / points;
    const double r = (i % 2 == 0) ? outer : inner;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, const Rgb& top, const Rgb& bottom, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(p, 0, top.R, top.G, top.B, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, bottom.R, bottom.G, bottom.B, alpha);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void FillRadial(cairo_t* cr, double cx, double cy, double r, const Rgb& inner, const Rgb& outer, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(p, 0, inner.R, inner.G, inner.B, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, outer.R, outer.G, outer.B, alpha);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void ShadeAndOutline(cairo_t* cr, const Rgb& c, double outline, double cx, double cy, double r) {
  double x0, y0, x1, y1;
  cairo_path_extents(cr, &x0, &y0, &x1, &y1);
  if (r <= 0) {
    cx = x0 + (x1 - x0) * 0.38;
    cy = y0 + (y1 - y0) * 0.32;
    r = std::max(x1 - x0, y1 - y0) * 0.85;
  }
  FillRadial(cr, cx, cy, r, c.Lighter(0.35), c.Darker(0.25));
  if (outline > 0) {
    SetColor(cr, c.Darker(0.6));
    cairo_set_line_width(cr, outline);
    cairo_stroke_preserve(cr);
  }
  cairo_new_path(cr);
}

void Glint(cairo_t* cr, double x, double y, double rx, double ry, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, alpha);
  cairo_fill(cr);
}

void SoftGlow(cairo_t* cr, double cx, double cy, double r, const Rgb& c, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.R, c.G, c.B, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, c.R, c.G, c.B, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void OutlinedText(cairo_t* cr, std::string_view text, double cx, double cy, double size, const Rgb& fill,
                  const Rgb& outline, double outlineWidth, double maxWidth) {
  const std::string s(text);
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, s.c_str(), &ext);
  if (maxWidth > 0 && ext.x_advance + outlineWidth > maxWidth) {
    cairo_set_font_size(cr, size * (maxWidth - outlineWidth) / (ext.x_advance + outlineWidth));
    cairo_text_extents(cr, s.c_str(), &ext);
  }
  cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, cy - ext.height / 2 - ext.y_bearing);
  cairo_text_path(cr, s.c_str());
  if (outlineWidth > 0) {
    SetColor(cr, outline);
    cairo_set_line_width(cr, outlineWidth);
    cairo_stroke_preserve(cr);
  }
  SetColor(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
}

void ForEachPattern(Canvas& canvas, int columns, int rows,
                    const std::function<void(cairo_t*, int pattern, double w, double h)>& draw) {
  cairo_t* cr = canvas.Cr();
  const double w = double(canvas.Width() / columns);
  const double h = double(canvas.Height() / rows);
  for (int p = 0; p < columns * rows; ++p) {
    cairo_save(cr);
    cairo_translate(cr, (p % columns) * w, (p / columns) * h);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    cairo_new_path(cr);
    draw(cr, p, w, h);
    cairo_restore(cr);
  }
}

void Desaturate(cairo_surface_t* surface, int x, int y, int w, int h, double lighten) {
  const int d = Density();
  x *= d;
  y *= d;
  w *= d;
  h *= d;
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int row = y; row < y + h; ++row) {
    auto* px = reinterpret_cast<std::uint32_t*>(data + std::size_t(row) * stride);
    for (int col = x; col < x + w; ++col) {
      const std::uint32_t p = px[col];
      const unsigned a = p >> 24;
      const double grey = 0.3 * ((p >> 16) & 255) + 0.59 * ((p >> 8) & 255) + 0.11 * (p & 255);
      const unsigned g = unsigned(std::lround(grey + (a - grey) * lighten));  // premultiplied: white is a
      px[col] = (a << 24) | (g << 16) | (g << 8) | g;
    }
  }
  cairo_surface_mark_dirty(surface);
}

}  // namespace contentgen
