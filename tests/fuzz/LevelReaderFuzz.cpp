#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "rules/LevelParams.h"
#include "rules/LevelRecord.h"

namespace {

using namespace qm;

// Whatever a record holds, the round set-up must be able to take it.
void UseRecord(const TLevelRecord& record) {
  for (int kind = iePotion1; kind <= ieGoldTile2; ++kind)
    if (record.RoundTarget(TIndividualElementKind(kind), kind % 2 == 0, kind % 3 == 0) < 0) std::abort();
  const TPoint origin = record.BoardOrigin();
  if (origin.X < 266 - 52 * 8 || origin.X > 266 + 52 * 8 || origin.Y < 95 - 52 * 6 || origin.Y > 95 + 52 * 6)
    std::abort();
  if (record.WebCells().size() > std::size_t(BoardCells) || record.PotionCells().size() > std::size_t(BoardCells))
    std::abort();
}

// A record read from bytes must write back to the very same bytes.
void CheckDecode(const std::vector<std::uint8_t>& bytes) {
  const std::optional<TLevelRecord> record = DecodeLevelRecord(bytes);
  if (!record) return;
  if (bytes.size() != LevelRecordSize || !IsPlayableLevel(*record)) std::abort();
  const auto written = EncodeLevelRecord(*record);
  if (!std::equal(written.begin(), written.end(), bytes.begin(), bytes.end())) std::abort();
  UseRecord(*record);
}

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("LevelReaderFuzz." + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

// The same bytes as a file: the loader reports a missing or damaged file
// and otherwise takes exactly what the decoder takes.
void CheckLoad(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(Folder() / "level1-01.QLV", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  TLevelParams params;
  params.LevelFilesPath = Folder();
  int messages = 0;
  params.OnShowMessage = [&](TLevelParams&, const std::string&) { ++messages; };
  const bool loaded = params.Load(1, 1);
  const bool decodes = DecodeLevelRecord(std::span(data, size)).has_value();
  if (loaded != decodes || messages != (loaded ? 0 : 1)) std::abort();
  if (!loaded && params.Record().Time != 0) std::abort();
  // What the loader keeps is already inside every range the round needs.
  TLevelRecord again = params.Record();
  if (!ClampLevelValues(again).empty()) std::abort();
  UseRecord(params.Record());
  // libFuzzer leaves without running exit handlers: tidy up as we go.
  std::error_code ignored;
  std::filesystem::remove(Folder() / "level1-01.QLV", ignored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckDecode(std::vector<std::uint8_t>(data, data + size));
  // Mutations rarely keep the exact size, so also read the input cut or
  // padded to one record, which lets them reach the values.
  std::vector<std::uint8_t> record(data, data + std::min(size, LevelRecordSize));
  record.resize(LevelRecordSize, 0);
  CheckDecode(record);
  CheckLoad(data, size);
  return 0;
}
