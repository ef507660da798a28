#include "platform/InstanceGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace qm {

std::filesystem::path TInstanceGuard::RuntimeFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) return runtime;
  return "/tmp";
}

TInstanceGuard::TInstanceGuard(const std::string& name, std::filesystem::path folder) {
  if (folder.empty()) folder = RuntimeFolder();
  FLockFile = folder / (name + ".lock");
  FFd = ::open(FLockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (FFd < 0) return;
  // flock locks belong to the open file description, so a second guard in
  // the same process is refused too, as a second program would be.
  if (::flock(FFd, LOCK_EX | LOCK_NB) != 0) {
    ::close(FFd);
    FFd = -1;
  }
}

TInstanceGuard::~TInstanceGuard() {
  if (FFd >= 0) ::close(FFd);
}

}  // namespace qm
