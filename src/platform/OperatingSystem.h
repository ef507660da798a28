#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qm {

struct TOsVersion {
  bool NtFamily = false;
  int Major = 0;
  int Minor = 0;
  bool Workstation = true;
};

// The operating system as the shell sees it: folders, the display and the
// file checks start-up makes.
class IOperatingSystem {
 public:
  virtual ~IOperatingSystem() = default;

  // Folder of the executable.
  virtual std::filesystem::path ProgramFolder() = 0;
  // Per-user folders that may hold the save root, in the order they are
  // asked; the last one that answers wins.
  virtual std::vector<std::optional<std::filesystem::path>> SaveRootCandidates() = 0;
  virtual bool SetCurrentDirectory(const std::filesystem::path& folder) = 0;
  virtual bool DirectoryExists(const std::filesystem::path& folder) = 0;
  virtual bool CreateDirectory(const std::filesystem::path& folder) = 0;
  // Creates the folder and any missing parents.
  virtual bool CreateDirectories(const std::filesystem::path& folder) = 0;
  virtual bool FileExists(const std::filesystem::path& file) = 0;
  // True when the existing file can be opened for reading and writing.
  virtual bool CanOpenReadWrite(const std::filesystem::path& file) = 0;
  virtual TOsVersion Version() = 0;
};

// The real file system with the answers of a real Linux machine.
class TPosixOperatingSystem : public IOperatingSystem {
 public:
  std::filesystem::path ProgramFolder() override;
  std::vector<std::optional<std::filesystem::path>> SaveRootCandidates() override;
  bool SetCurrentDirectory(const std::filesystem::path& folder) override;
  bool DirectoryExists(const std::filesystem::path& folder) override;
  bool CreateDirectory(const std::filesystem::path& folder) override;
  bool CreateDirectories(const std::filesystem::path& folder) override;
  bool FileExists(const std::filesystem::path& file) override;
  bool CanOpenReadWrite(const std::filesystem::path& file) override;
  TOsVersion Version() override;
};

// For tests: the real file system under folders the test chooses, with the
// display and version answers the test sets.
class TTestOperatingSystem : public TPosixOperatingSystem {
 public:
  std::filesystem::path ProgramFolder() override { return ProgramDir; }
  std::vector<std::optional<std::filesystem::path>> SaveRootCandidates() override { return SaveRoots; }
  TOsVersion Version() override { return OsVersion; }
  bool CanOpenReadWrite(const std::filesystem::path& file) override;

  std::filesystem::path ProgramDir;
  std::vector<std::optional<std::filesystem::path>> SaveRoots;
  TOsVersion OsVersion{};
  // Files reported as not writable, whatever their permissions say (the
  // tests run as root, who can write anything).
  std::vector<std::filesystem::path> ReadOnlyFiles;
};

}  // namespace qm
