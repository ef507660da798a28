#include "platform/PngWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <png.h>

namespace qm {
namespace {

namespace fs = std::filesystem;

// libpng's error callback must not return; it jumps back to the setjmp in
// WriteRows, whose frame owns nothing that needs destroying.
void PngWriteError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngWriteWarning(png_structp, png_const_charp) {}

struct TPngWriteStructs {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  ~TPngWriteStructs() { png_destroy_write_struct(&Png, &Info); }
};

bool WriteRows(png_structp png, png_infop info, std::FILE* file, int width, int height, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  // Screenshots and gallery frames: quick to write matters more than the
  // last tenth of their size.
  png_set_compression_level(png, 3);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

bool WriteStream(std::FILE* file, const TRgbaImage& image) {
  TPngWriteStructs structs;
  structs.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngWriteError, PngWriteWarning);
  if (structs.Png == nullptr) return false;
  structs.Info = png_create_info_struct(structs.Png);
  if (structs.Info == nullptr) return false;

  const std::size_t stride = std::size_t(image.Width) * 4;
  std::vector<png_bytep> rows(std::size_t(image.Height));
  for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(image.Pixels.data() + y * stride);
  return WriteRows(structs.Png, structs.Info, file, image.Width, image.Height, rows.data());
}

// A name no other writer (thread or process) can be using at the same time.
fs::path TemporaryPathBeside(const fs::path& path) {
  static std::atomic<unsigned> counter{0};
  return path.parent_path() / ("." + path.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                               std::to_string(counter++));
}

// So the rename itself survives a crash.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool WritePng(const fs::path& path, const TRgbaImage& image) {
  if (image.Empty() || image.Pixels.size() != std::size_t(image.Width) * image.Height * 4) return false;

  const fs::path temporary = TemporaryPathBeside(path);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  std::FILE* file = ::fdopen(fd, "wb");
  if (file == nullptr) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return false;
  }
  bool written = WriteStream(file, image) && std::fflush(file) == 0 && ::fsync(fd) == 0;
  written = std::fclose(file) == 0 && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(path.parent_path());
  return true;
}

}  // namespace qm
