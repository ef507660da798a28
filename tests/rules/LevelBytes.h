#pragma once

// Level files built by hand, byte by byte at the documented offsets, so the
// tests check the reader and writer against the file layout itself rather
// than against each other.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace qm::testing_support {

class TLevelBytes {
 public:
  TLevelBytes() : Bytes(4572, 0) {
    // The least a playable level needs: a time and a manna jar.
    Int(88, 120);
    Int(4524, 200);
  }

  TLevelBytes& Byte(std::size_t at, std::uint8_t value) {
    Bytes.at(at) = value;
    return *this;
  }
  TLevelBytes& Int(std::size_t at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) Bytes.at(at + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    return *this;
  }
  // Tile (x, y) of the initial board, field at offset field of its 20 bytes.
  static std::size_t Tile(int x, int y, std::size_t field = 0) { return 92 + (x - 1) * 240 + (y - 1) * 20 + field; }
  static std::size_t GoldCell(int x, int y) { return 3932 + (x - 1) * 12 + (y - 1); }
  static std::size_t PotionCell(int x, int y) { return 4124 + (x - 1) * 12 + (y - 1); }

  // Every tile playable (okFruit) except columns and rows listed empty.
  TLevelBytes& AllTiles(std::uint8_t objectKind) {
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 12; ++y) Byte(Tile(x, y), objectKind);
    return *this;
  }

  std::vector<std::uint8_t> Bytes;
};

// A scratch folder for one test.
inline std::filesystem::path ScratchFolder(const std::string& kind) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  auto path = std::filesystem::path(QUILLMERE_TEST_OUTPUT_DIR) / kind / test->test_suite_name() / test->name();
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace qm::testing_support
