#include "platform/OperatingSystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace qm {

namespace fs = std::filesystem;

fs::path TPosixOperatingSystem::ProgramFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path(ec);
  return exe.parent_path();
}

std::vector<std::optional<fs::path>> TPosixOperatingSystem::SaveRootCandidates() {
  // The per-user data folder; $XDG_DATA_HOME wins over the default below
  // $HOME. Only absolute paths count, as the base-directory rules say: a
  // relative one would move with the current folder.
  auto absolute = [](const char* variable) -> std::optional<fs::path> {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0' || !fs::path(value).is_absolute()) return std::nullopt;
    return fs::path(value);
  };
  std::optional<fs::path> fromHome = absolute("HOME");
  if (fromHome) *fromHome = *fromHome / ".local" / "share";
  return {fromHome, absolute("XDG_DATA_HOME")};
}

bool TPosixOperatingSystem::SetCurrentDirectory(const fs::path& folder) {
  std::error_code ec;
  fs::current_path(folder, ec);
  return !ec;
}

bool TPosixOperatingSystem::DirectoryExists(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

bool TPosixOperatingSystem::CreateDirectory(const fs::path& folder) {
  std::error_code ec;
  fs::create_directory(folder, ec);
  return !ec && fs::is_directory(folder, ec);
}

bool TPosixOperatingSystem::CreateDirectories(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return !ec && fs::is_directory(folder, ec);
}

bool TPosixOperatingSystem::FileExists(const fs::path& file) {
  std::error_code ec;
  return fs::exists(file, ec);
}

bool TPosixOperatingSystem::CanOpenReadWrite(const fs::path& file) {
  int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

TOsVersion TPosixOperatingSystem::Version() {
  // Reduced-effects mode exists for one family of other systems; Linux never
  // asks for it.
  return TOsVersion{};
}

bool TTestOperatingSystem::CanOpenReadWrite(const fs::path& file) {
  if (std::find(ReadOnlyFiles.begin(), ReadOnlyFiles.end(), file) != ReadOnlyFiles.end()) return false;
  return TPosixOperatingSystem::CanOpenReadWrite(file);
}

}  // namespace qm
