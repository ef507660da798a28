#pragma once

#include <filesystem>
#include <string>

namespace qm {

// Keeps a second copy of the game from running: an exclusive lock on a file
// named after the guard, held until the guard is destroyed.
class TInstanceGuard {
 public:
  // The lock lives in folder, or in the user's runtime folder when empty.
  explicit TInstanceGuard(const std::string& name, std::filesystem::path folder = {});
  ~TInstanceGuard();
  TInstanceGuard(const TInstanceGuard&) = delete;
  TInstanceGuard& operator=(const TInstanceGuard&) = delete;

  // False when another process holds the lock (or it cannot be made).
  bool Acquired() const { return FFd >= 0; }
  const std::filesystem::path& LockFile() const { return FLockFile; }

  static std::filesystem::path RuntimeFolder();

 private:
  std::filesystem::path FLockFile;
  int FFd = -1;
};

}  // namespace qm
