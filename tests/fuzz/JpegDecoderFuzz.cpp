#include <cstddef>
#include <cstdint>

#include "engine/ImageDecoder.h"

// Any input either decodes or raises EImageLoadError; anything else (a crash,
// a leak, a sanitizer report, an abort from the library) is a finding.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    qm::DecodeJpeg(data, size, "fuzz.jpg");
  } catch (const qm::EImageLoadError&) {
  }
  return 0;
}
