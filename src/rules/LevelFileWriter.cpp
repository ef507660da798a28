#include "rules/LevelFileWriter.h"

#include "platform/SafeFile.h"

namespace qm {

bool TLevelFileWriter::Fail(std::string reason) {
  FError = std::move(reason);
  return false;
}

bool TLevelFileWriter::Write(const std::filesystem::path& path, const TLevelRecord& record) {
  FError.clear();
  if (!IsPlayableLevel(record)) return Fail("not a playable level: " + path.string());

  const auto bytes = EncodeLevelRecord(record);
  std::string error;
  if (!WriteFileSafely(path, bytes, error)) return Fail(error);
  return true;
}

}  // namespace qm
