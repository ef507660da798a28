#pragma once

// Reads a picture file's header: its format and size, nothing more.
#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>

namespace qm::test {

struct TImageHeader {
  bool Png = false;
  bool Jpeg = false;
  int Width = 0;
  int Height = 0;
};

inline TImageHeader ReadImageHeader(const std::filesystem::path& file) {
  TImageHeader header;
  FILE* in = std::fopen(file.c_str(), "rb");
  if (!in) return header;
  unsigned char magic[8] = {};
  const std::size_t got = std::fread(magic, 1, sizeof magic, in);
  std::rewind(in);
  if (got == 8 && png_sig_cmp(magic, 0, 8) == 0) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)) == 0) {
      png_init_io(png, in);
      png_read_info(png, info);
      header.Png = true;
      header.Width = int(png_get_image_width(png, info));
      header.Height = int(png_get_image_height(png, info));
    }
    png_destroy_read_struct(&png, &info, nullptr);
  } else if (got >= 2 && magic[0] == 0xFF && magic[1] == 0xD8) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, in);
    if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK) {
      header.Jpeg = true;
      header.Width = int(info.image_width);
      header.Height = int(info.image_height);
    }
    jpeg_destroy_decompress(&info);
  }
  std::fclose(in);
  return header;
}

}  // namespace qm::test
