#include "engine/ImageDecoder.h"

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

// After the standard headers: jpeglib.h needs size_t and FILE declared.
#include <jpeglib.h>
#include <jerror.h>
#include <png.h>

#ifndef JCS_ALPHA_EXTENSIONS
#error "libjpeg-turbo is needed: JPEG pictures are decoded straight to RGBA"
#endif

namespace qm {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& sourceName, const std::string& reason) {
  throw EImageLoadError("Cannot load image \"" + sourceName + "\": " + reason);
}

void CheckDimensions(std::int64_t width, std::int64_t height, const std::string& sourceName) {
  if (width <= 0 || height <= 0) Fail(sourceName, "the picture has no pixels");
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels)
    Fail(sourceName, "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
}

// Both libraries report a fatal error through a callback that must not return,
// so it long-jumps back to the setjmp of the step that was running. The steps
// below hold only trivially destructible locals, so the jump skips no
// destructor; whatever owns memory lives in the caller's frame and cleans up
// when the caller throws.

// ---- PNG

struct TPngSource {
  const std::uint8_t* Data;
  std::size_t Size;
  std::size_t Pos;
  char Message[256];
};

void PngError(png_structp png, png_const_charp message) {
  auto* source = static_cast<TPngSource*>(png_get_error_ptr(png));
  std::snprintf(source->Message, sizeof source->Message, "%s", message);
  png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

void PngRead(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<TPngSource*>(png_get_io_ptr(png));
  if (length > source->Size - source->Pos) png_error(png, "the file ends too early");
  std::memcpy(out, source->Data + source->Pos, length);
  source->Pos += length;
}

struct TPngReadStructs {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  ~TPngReadStructs() { png_destroy_read_struct(&Png, &Info, nullptr); }
};

struct TPngLayout {
  png_uint_32 Width;
  png_uint_32 Height;
  png_size_t RowBytes;
};

// Only the pixels and their transparency matter to us; skipping the other
// ancillary chunks also skips their decompression.
const png_byte kIgnoredPngChunks[] = "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0"
                                     "sBIT\0sCAL\0sPLT\0sRGB\0tEXt\0tIME\0zTXt";
constexpr int kIgnoredPngChunkCount = 17;

// The read structures over a PNG held in memory; false when out of memory.
bool OpenPng(TPngReadStructs& structs, TPngSource& source) {
  structs.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, PngError, PngWarning);
  if (structs.Png == nullptr) return false;
  structs.Info = png_create_info_struct(structs.Png);
  if (structs.Info == nullptr) return false;
  png_set_read_fn(structs.Png, &source, PngRead);
  return true;
}

bool PngReadHeader(png_structp png, png_infop info, TPngLayout* layout) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kIgnoredPngChunks, kIgnoredPngChunkCount);
  png_read_info(png, info);

  const int colorType = png_get_color_type(png, info);
  const int bitDepth = png_get_bit_depth(png, info);
  const bool hasKey = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (hasKey) png_set_tRNS_to_alpha(png);
  if (bitDepth == 16) png_set_scale_16(png);
  if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  if ((colorType & PNG_COLOR_MASK_ALPHA) == 0 && !hasKey) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);

  layout->Width = png_get_image_width(png, info);
  layout->Height = png_get_image_height(png, info);
  layout->RowBytes = png_get_rowbytes(png, info);
  return true;
}

bool PngReadPixels(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, nullptr);
  return true;
}

// ---- JPEG

struct TJpegError {
  jpeg_error_mgr Manager;  // first, so libjpeg's pointer to it is a pointer to us
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

// A progressive file may hold thousands of tiny scans, each of which costs a
// pass over the whole picture; real encoders write about ten.
constexpr int kMaxJpegScans = 500;

[[noreturn]] void JpegAbort(j_common_ptr info, const char* message) {
  auto* error = reinterpret_cast<TJpegError*>(info->err);
  std::snprintf(error->Message, sizeof error->Message, "%s", message);
  std::longjmp(error->Jump, 1);
}

[[noreturn]] void JpegErrorExit(j_common_ptr info) {
  char message[JMSG_LENGTH_MAX];
  info->err->format_message(info, message);
  JpegAbort(info, message);
}

// libjpeg only warns about damaged data (a file cut short, a bad code) and
// goes on with grey blocks; a damaged picture is an error for us. Level 0 and
// up are trace messages.
void JpegMessage(j_common_ptr info, int level) {
  if (level >= 0) return;
  const int code = info->err->msg_code;
  if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM) return;
  JpegErrorExit(info);
}

void JpegOutputMessage(j_common_ptr) {}

void JpegProgress(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans)
    JpegAbort(info, "too many scans");
}

struct TJpegDecoder {
  jpeg_decompress_struct Info{};
  TJpegError Error{};
  jpeg_progress_mgr Progress{};

  TJpegDecoder() {
    Info.err = jpeg_std_error(&Error.Manager);
    Error.Manager.error_exit = JpegErrorExit;
    Error.Manager.emit_message = JpegMessage;
    Error.Manager.output_message = JpegOutputMessage;
    Progress.progress_monitor = JpegProgress;
  }
  ~TJpegDecoder() { jpeg_destroy_decompress(&Info); }
  TJpegDecoder(const TJpegDecoder&) = delete;
  TJpegDecoder& operator=(const TJpegDecoder&) = delete;
};

bool JpegReadHeader(TJpegDecoder* decoder, const std::uint8_t* data, std::size_t size) {
  if (setjmp(decoder->Error.Jump)) return false;
  jpeg_create_decompress(&decoder->Info);
  decoder->Info.progress = &decoder->Progress;
  jpeg_mem_src(&decoder->Info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&decoder->Info, TRUE);
  decoder->Info.out_color_space = JCS_EXT_RGBA;
  jpeg_calc_output_dimensions(&decoder->Info);
  return true;
}

bool JpegReadPixels(TJpegDecoder* decoder, std::uint8_t* pixels, std::size_t stride) {
  if (setjmp(decoder->Error.Jump)) return false;
  jpeg_decompress_struct* info = &decoder->Info;
  jpeg_start_decompress(info);
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = pixels + std::size_t(info->output_scanline) * stride;
    jpeg_read_scanlines(info, &row, 1);
  }
  jpeg_finish_decompress(info);
  return true;
}

// ---- Files

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path) {
  const std::string name = path.string();
  std::error_code error;
  const auto status = fs::status(path, error);
  if (!fs::exists(status)) Fail(name, "the file does not exist");
  if (!fs::is_regular_file(status)) Fail(name, "it is not a file");
  const auto size = fs::file_size(path, error);
  std::ifstream in(path, std::ios::binary);
  if (error || !in) Fail(name, "the file cannot be opened");
  std::vector<std::uint8_t> bytes(size);
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
  if (std::size_t(in.gcount()) != size) Fail(name, "the file cannot be read");
  return bytes;
}

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

}  // namespace

TRgbaImage DecodePng(const std::uint8_t* data, std::size_t size, const std::string& sourceName) {
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) Fail(sourceName, "it is not a PNG file");
  TPngSource source{data, size, 0, {}};
  TPngReadStructs structs;
  if (!OpenPng(structs, source)) Fail(sourceName, "out of memory");

  TPngLayout layout{};
  if (!PngReadHeader(structs.Png, structs.Info, &layout)) Fail(sourceName, source.Message);
  CheckDimensions(layout.Width, layout.Height, sourceName);
  const std::size_t stride = std::size_t(layout.Width) * 4;
  if (layout.RowBytes != stride) Fail(sourceName, "unexpected pixel layout");

  TRgbaImage image(int(layout.Width), int(layout.Height));
  std::vector<png_bytep> rows(layout.Height);
  for (png_uint_32 y = 0; y < layout.Height; ++y) rows[y] = image.Pixels.data() + y * stride;
  if (!PngReadPixels(structs.Png, rows.data())) Fail(sourceName, source.Message);
  return image;
}

TRgbaImage DecodeJpeg(const std::uint8_t* data, std::size_t size, const std::string& sourceName) {
  TJpegDecoder decoder;
  if (!JpegReadHeader(&decoder, data, size)) Fail(sourceName, decoder.Error.Message);
  const jpeg_decompress_struct& info = decoder.Info;
  if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
    Fail(sourceName, "CMYK pictures are not supported");
  CheckDimensions(info.output_width, info.output_height, sourceName);

  TRgbaImage image(int(info.output_width), int(info.output_height));
  if (!JpegReadPixels(&decoder, image.Pixels.data(), std::size_t(image.Width) * 4))
    Fail(sourceName, decoder.Error.Message);
  return image;
}

std::optional<TImageSize> ImageFileSize(const fs::path& path, bool forceJpeg) {
  const std::string extension = LowerCase(path.extension().string());
  const bool isJpeg = forceJpeg || extension == ".jpg" || extension == ".jpeg";
  try {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    if (isJpeg) {
      TJpegDecoder decoder;
      if (!JpegReadHeader(&decoder, bytes.data(), bytes.size())) return std::nullopt;
      return TImageSize{int(decoder.Info.output_width), int(decoder.Info.output_height)};
    }
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return std::nullopt;
    TPngSource source{bytes.data(), bytes.size(), 0, {}};
    TPngReadStructs structs;
    TPngLayout layout{};
    if (!OpenPng(structs, source) || !PngReadHeader(structs.Png, structs.Info, &layout)) return std::nullopt;
    return TImageSize{int(layout.Width), int(layout.Height)};
  } catch (const EImageLoadError&) {
    return std::nullopt;
  }
}

TRgbaImage DecodeImageFile(const fs::path& path, bool forceJpeg) {
  const std::string extension = LowerCase(path.extension().string());
  const bool isJpeg = forceJpeg || extension == ".jpg" || extension == ".jpeg";
  if (!isJpeg && extension != ".png") Fail(path.string(), "unsupported file type \"" + path.extension().string() + "\"");
  const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
  return isJpeg ? DecodeJpeg(bytes.data(), bytes.size(), path.string())
                : DecodePng(bytes.data(), bytes.size(), path.string());
}

}  // namespace qm
