#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/ImageDecoder.h"

namespace {

std::uint32_t ReadBigEndian(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// Mutations almost never keep a chunk's checksum right, so nearly every input
// would stop at the first checksum test. Recomputing them lets the mutations
// reach the chunk contents; wrong checksums are covered by the unit tests.
std::vector<std::uint8_t> WithValidChecksums(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  std::size_t pos = 8;
  while (pos + 12 <= bytes.size()) {
    const std::uint32_t length = ReadBigEndian(&bytes[pos]);
    if (length > bytes.size() - pos - 12) break;
    const std::uint32_t crc = std::uint32_t(crc32(0, &bytes[pos + 4], length + 4));
    std::uint8_t* out = &bytes[pos + 8 + length];
    for (int i = 0; i < 4; ++i) out[i] = std::uint8_t(crc >> (24 - 8 * i));
    pos += 12 + std::size_t(length);
  }
  return bytes;
}

}  // namespace

// Any input either decodes or raises EImageLoadError; anything else (a crash,
// a leak, a sanitizer report, an abort from the library) is a finding.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes = WithValidChecksums(data, size);
  try {
    qm::DecodePng(bytes.data(), bytes.size(), "fuzz.png");
  } catch (const qm::EImageLoadError&) {
  }
  return 0;
}
