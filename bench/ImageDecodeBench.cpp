#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <jpeglib.h>

#include "engine/ImageDecoder.h"
#include "platform/PngWriter.h"

namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

// A full-screen picture that compresses like a painted background: smooth
// gradients, a few hard edges and a little noise, with a soft alpha border.
qm::TRgbaImage ScreenPicture() {
  qm::TRgbaImage picture(1366, 768);
  std::uint32_t seed = 1;
  for (int y = 0; y < picture.Height; ++y)
    for (int x = 0; x < picture.Width; ++x) {
      seed = seed * 134775813 + 1;
      const int noise = int(seed >> 29);
      std::uint8_t* p = picture.At(x, y);
      const bool stripe = (x / 97 + y / 61) % 5 == 0;
      p[0] = std::uint8_t((x * 255 / picture.Width + noise) & 0xFF);
      p[1] = std::uint8_t((y * 255 / picture.Height + noise) & 0xFF);
      p[2] = std::uint8_t(stripe ? 230 : 60 + noise);
      const int edge = std::min(std::min(x, picture.Width - 1 - x), std::min(y, picture.Height - 1 - y));
      p[3] = std::uint8_t(std::min(255, edge * 8));
    }
  return picture;
}

TBytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), {});
}

const TBytes& ScreenPng() {
  static const TBytes bytes = [] {
    const fs::path path = fs::temp_directory_path() / ("qm-bench-" + std::to_string(::getpid()) + ".png");
    qm::WritePng(path, ScreenPicture());
    TBytes read = ReadFile(path);
    fs::remove(path);
    return read;
  }();
  return bytes;
}

const TBytes& ScreenJpeg() {
  static const TBytes bytes = [] {
    const qm::TRgbaImage picture = ScreenPicture();
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(picture.Width);
    info.image_height = JDIMENSION(picture.Height);
    info.input_components = 4;
    info.in_color_space = JCS_EXT_RGBA;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < picture.Height; ++y) {
      JSAMPROW row = const_cast<JSAMPROW>(picture.At(0, y));
      jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    TBytes encoded(buffer, buffer + size);
    std::free(buffer);
    return encoded;
  }();
  return bytes;
}

void BM_DecodeScreenPng(benchmark::State& state) {
  const TBytes& png = ScreenPng();
  for (auto _ : state) benchmark::DoNotOptimize(qm::DecodePng(png.data(), png.size(), "screen.png"));
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(png.size()));
}
BENCHMARK(BM_DecodeScreenPng)->Unit(benchmark::kMillisecond);

void BM_DecodeScreenJpeg(benchmark::State& state) {
  const TBytes& jpeg = ScreenJpeg();
  for (auto _ : state) benchmark::DoNotOptimize(qm::DecodeJpeg(jpeg.data(), jpeg.size(), "screen.jpg"));
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(jpeg.size()));
}
BENCHMARK(BM_DecodeScreenJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
