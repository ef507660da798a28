#include "ContactSheet.h"

#include <jpeglib.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Canvas.h"
#include "Style.h"
#include "engine/ImageCatalogue.h"

namespace contentgen {

namespace {

constexpr int kCellW = 220;
constexpr int kCellH = 170;
constexpr int kLabelH = 30;
constexpr int kColumns = 10;

cairo_surface_t* ReadJpeg(const std::filesystem::path& file) {
  FILE* in = std::fopen(file.c_str(), "rb");
  if (!in) return nullptr;
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, in);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  cairo_surface_t* s =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(info.output_width), int(info.output_height));
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  std::vector<JSAMPLE> row(std::size_t(info.output_width) * 3);
  while (info.output_scanline < info.output_height) {
    const int y = int(info.output_scanline);
    JSAMPROW rows[] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    auto* px = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
    for (std::size_t x = 0; x < info.output_width; ++x)
      px[x] = 0xff000000u | (std::uint32_t(row[x * 3]) << 16) | (std::uint32_t(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(in);
  cairo_surface_mark_dirty(s);
  return s;
}

// A checkerboard shows where pictures are transparent.
void Checker(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (int j = 0; j * 10 < h; ++j)
    for (int i = 0; i * 10 < w; ++i) {
      cairo_rectangle(cr, x + i * 10, y + j * 10, 10, 10);
      const double v = (i + j) % 2 ? 0.78 : 0.9;
      cairo_set_source_rgb(cr, v, v, v);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

}  // namespace

void WriteContactSheet(const std::filesystem::path& programFolder, const std::filesystem::path& sheet) {
  const auto& catalogue = qm::ImageCatalogue();
  const int rows = int((catalogue.size() + kColumns - 1) / kColumns);
  Canvas canvas(kColumns * kCellW, rows * kCellH);
  cairo_t* cr = canvas.Cr();
  cairo_set_source_rgb(cr, 0.25, 0.27, 0.3);
  cairo_paint(cr);

  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    const auto& image = catalogue[i];
    const double x = double(i % kColumns) * kCellW, y = double(i / kColumns) * kCellH;
    const double boxW = kCellW - 10, boxH = kCellH - kLabelH - 6;
    Checker(cr, x + 5, y + 5, boxW, boxH);
    const auto file = programFolder / image.RelativePath();
    cairo_surface_t* picture = image.Format == qm::TImageFormat::Jpeg
                                   ? ReadJpeg(file)
                                   : cairo_image_surface_create_from_png(file.c_str());
    if (picture && cairo_surface_status(picture) == CAIRO_STATUS_SUCCESS) {
      const double pw = cairo_image_surface_get_width(picture), ph = cairo_image_surface_get_height(picture);
      const double scale = std::min({boxW / pw, boxH / ph, 2.0});
      cairo_save(cr);
      cairo_translate(cr, x + 5 + (boxW - pw * scale) / 2, y + 5 + (boxH - ph * scale) / 2);
      cairo_scale(cr, scale, scale);
      cairo_set_source_surface(cr, picture, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
      cairo_paint(cr);
      cairo_restore(cr);
    } else {
      OutlinedText(cr, "missing", x + kCellW / 2.0, y + boxH / 2, 20, Hex(0xff4040), Hex(0x000000), 0);
    }
    if (picture) cairo_surface_destroy(picture);
    const std::string folder = image.Folder == "Images" ? "" : image.Folder.substr(7) + "/";
    OutlinedText(cr, folder + image.Name, x + kCellW / 2.0, y + kCellH - kLabelH + 4, 11, Hex(0xffffff),
                 Hex(0x000000), 0);
    const std::string grid = std::to_string(image.Width) + "x" + std::to_string(image.Height) +
                             (image.MultiPattern() ? "  [" + std::to_string(image.Columns) + "x" +
                                                         std::to_string(image.Rows) + "]"
                                                   : "");
    OutlinedText(cr, grid, x + kCellW / 2.0, y + kCellH - kLabelH + 18, 10, Hex(0xb0c4d8), Hex(0x000000), 0);
  }
  canvas.SavePng(sheet);
}

}  // namespace contentgen
