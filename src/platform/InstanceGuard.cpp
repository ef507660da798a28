#include "platform/InstanceGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace qm {

std::vector<std::filesystem::path> TInstanceGuard::LockFiles(const std::string& name,
                                                            const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  if (!folder.empty()) {
    files.push_back(folder / (name + ".lock"));
  } else if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
             runtime && *runtime && std::filesystem::path(runtime).is_absolute()) {
    files.push_back(std::filesystem::path(runtime) / (name + ".lock"));
  }
  // The shared folder is everybody's: the user id keeps one user's lock
  // from shutting another user out.
  files.push_back(std::filesystem::path("/tmp") / (name + "-" + std::to_string(::getuid()) + ".lock"));
  return files;
}

TInstanceGuard::TInstanceGuard(const std::string& name, std::filesystem::path folder) {
  for (const std::filesystem::path& file : LockFiles(name, folder)) {
    // A link planted under the lock's name is refused, not followed.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) continue;
    // flock locks belong to the open file description, so a second guard in
    // the same process is refused too, as a second program would be.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      FFd = fd;
      FLockFile = file;
      return;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    if (held) {
      FLockFile = file;
      return;
    }
  }
}

TInstanceGuard::~TInstanceGuard() {
  if (FFd >= 0) ::close(FFd);
}

}  // namespace qm
