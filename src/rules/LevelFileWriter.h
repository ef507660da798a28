#pragma once

#include <filesystem>
#include <string>

#include "rules/LevelRecord.h"

namespace qm {

// Writes level files the game reads back byte for byte. The file is
// written beside its final name, flushed to disk and then renamed over it,
// so a crash never leaves half a level behind.
class TLevelFileWriter {
 public:
  // False, with the reason in Error(), when the record is not a playable
  // level (the game would call the file damaged) or the file could not be
  // written; an existing file is then left as it was.
  bool Write(const std::filesystem::path& path, const TLevelRecord& record);
  const std::string& Error() const { return FError; }

 private:
  bool Fail(std::string reason);

  std::string FError;
};

}  // namespace qm
