#include "rules/LevelFileWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace qm {
namespace {

// Writes all of bytes to fd, going on after short writes and interruptions.
bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Makes the rename itself survive a crash.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool TLevelFileWriter::Fail(std::string reason) {
  FError = std::move(reason);
  return false;
}

bool TLevelFileWriter::Write(const std::filesystem::path& path, const TLevelRecord& record) {
  FError.clear();
  if (!IsPlayableLevel(record)) return Fail("not a playable level: " + path.string());

  const auto bytes = EncodeLevelRecord(record);
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return Fail(temporary.string() + ": " + std::strerror(errno));
  const bool written = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  const int writeError = errno;
  if (::close(fd) != 0 || !written) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Fail(temporary.string() + ": " + std::strerror(written ? errno : writeError));
  }

  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Fail(path.string() + ": " + error.message());
  }
  SyncFolder(path.parent_path());
  return true;
}

}  // namespace qm
