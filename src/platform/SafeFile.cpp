#include "platform/SafeFile.h"

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

bool WriteFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, std::string& error) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = temporary.string() + ": " + std::strerror(errno);
    return false;
  }
  const bool written = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  const int writeError = errno;
  if (::close(fd) != 0 || !written) {
    error = temporary.string() + ": " + std::strerror(written ? errno : writeError);
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, path, renamed);
  if (renamed) {
    error = path.string() + ": " + renamed.message();
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  SyncFolder(path.parent_path());
  return true;
}

bool SetDamagedFileAside(const std::filesystem::path& path, std::string& error) {
  std::filesystem::path aside = path;
  aside += ".damaged";
  std::error_code renamed;
  std::filesystem::rename(path, aside, renamed);
  if (renamed) {
    error = path.string() + ": " + renamed.message();
    return false;
  }
  SyncFolder(path.parent_path());
  return true;
}

}  // namespace qm
