#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "FuzzFiles.h"
#include "progress/ProgressRecord.h"

namespace {

using namespace qm;

// Every byte of a record is a field or kept padding, so a record read from
// bytes writes back to the very same bytes (compared as bytes: a float may
// be a NaN, which is not equal to itself).
void CheckDecode(const std::vector<std::uint8_t>& bytes) {
  const std::optional<TProgressRecord> record = DecodeProgressRecord(bytes);
  if (record.has_value() != (bytes.size() == ProgressRecordSize)) std::abort();
  if (!record) return;
  const auto written = EncodeProgressRecord(*record);
  if (!std::equal(written.begin(), written.end(), bytes.begin(), bytes.end())) std::abort();
}

bool InRange(const TProgressRecord& record) {
  return record.TotalScore >= 0 && record.TotalScore <= MaxTotalScore && record.NextUncompletedLevelIdx >= 1 &&
         record.NextUncompletedLevelIdx <= MaxResumeLevel &&
         std::all_of(record.OwnedElements.begin(), record.OwnedElements.end(),
                     [](float owned) { return owned >= 0 && owned <= MaxOwnedElements; });
}

// The same bytes as a player's file: read as the decoder reads them, with
// the accounts, the score and the resume level held to their ranges.
void CheckFile(const std::uint8_t* data, std::size_t size) {
  const fuzz::TScratchFolder scratch("ProgressReaderFuzz");
  const auto& folder = scratch.Path();
  const auto file = folder / "PLAYER.sav";
  fuzz::WriteBytes(file, data, size);
  const std::optional<TProgressRecord> read = ReadProgressFile(file);
  if (read.has_value() != (size == ProgressRecordSize)) std::abort();
  if (!read) return;
  TProgressRecord expected = *DecodeProgressRecord(std::span(data, size));
  ClampProgressValues(expected);
  if (!InRange(*read) || EncodeProgressRecord(*read) != EncodeProgressRecord(expected)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckDecode(std::vector<std::uint8_t>(data, data + size));
  // Mutations rarely keep the exact size: also read the input cut or padded
  // to one record.
  std::vector<std::uint8_t> record(data, data + std::min(size, ProgressRecordSize));
  record.resize(ProgressRecordSize, 0);
  CheckDecode(record);
  CheckFile(data, size);
  CheckFile(record.data(), record.size());
  return 0;
}
