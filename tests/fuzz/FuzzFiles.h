#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

// Files for the targets that read the fuzzer's bytes from disk: a folder
// for one input under the temporary folder (TMPDIR=/dev/shm spares the disk
// the flushes of safe writes), gone with the object since libFuzzer leaves
// without running exit handlers, and plain writes and reads.
namespace qm::fuzz {

class TScratchFolder {
 public:
  explicit TScratchFolder(const std::string& target)
      : FPath(std::filesystem::temp_directory_path() / (target + "." + std::to_string(::getpid()))) {
    std::filesystem::create_directories(FPath);
  }
  ~TScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

inline void WriteBytes(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace qm::fuzz
