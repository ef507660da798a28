#include "engine/TestJpeg.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace qm::testing {

std::vector<std::uint8_t> EncodeJpeg(const TRgbaImage& picture, TJpegKind kind, bool grey) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(picture.Width);
  info.image_height = JDIMENSION(picture.Height);
  info.input_components = grey ? 1 : 4;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_RGBA;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (kind == TJpegKind::Progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> greyRow(std::size_t(picture.Width));
  for (int y = 0; y < picture.Height; ++y) {
    JSAMPROW row = const_cast<JSAMPROW>(picture.At(0, y));
    if (grey) {
      for (int x = 0; x < picture.Width; ++x) greyRow[std::size_t(x)] = picture.At(x, y)[0];
      row = greyRow.data();
    }
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

}  // namespace qm::testing
