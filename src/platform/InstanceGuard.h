#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qm {

// Keeps a second copy of the game from running: an exclusive lock on a file
// named after the guard, held until the guard is destroyed.
class TInstanceGuard {
 public:
  // The lock lives in folder, or in the user's runtime folder when empty;
  // when that folder cannot hold it, in the shared temporary folder under a
  // name of the user's own.
  explicit TInstanceGuard(const std::string& name, std::filesystem::path folder = {});
  ~TInstanceGuard();
  TInstanceGuard(const TInstanceGuard&) = delete;
  TInstanceGuard& operator=(const TInstanceGuard&) = delete;

  // False only when another copy holds the lock (or no place could hold a
  // lock at all).
  bool Acquired() const { return FFd >= 0; }
  const std::filesystem::path& LockFile() const { return FLockFile; }

  // Where the lock of that name may live, in the order they are tried.
  static std::vector<std::filesystem::path> LockFiles(const std::string& name, const std::filesystem::path& folder);

 private:
  std::filesystem::path FLockFile;
  int FFd = -1;
};

}  // namespace qm
