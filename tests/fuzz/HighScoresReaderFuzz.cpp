#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "FuzzFiles.h"
#include "progress/HighScores.h"
#include "progress/NameInput.h"

namespace {

using namespace qm;

constexpr std::size_t kNameBytes = 256;

// The bytes as the writer puts them back: nothing kept past a name's end.
std::vector<std::uint8_t> AsWritten(std::vector<std::uint8_t> bytes) {
  for (std::size_t rank = 0; rank < THighScores::RankCount; ++rank) {
    const std::size_t end = rank * kNameBytes + 1 + bytes[rank * kNameBytes];
    std::fill(bytes.begin() + std::ptrdiff_t(end), bytes.begin() + std::ptrdiff_t((rank + 1) * kNameBytes), 0);
  }
  return bytes;
}

// A table read from bytes writes back to them and reads again the same.
void CheckDecode(const std::vector<std::uint8_t>& bytes) {
  const auto table = DecodeHighScores(bytes);
  if (table.has_value() != (bytes.size() == HighScoresFileSize)) std::abort();
  if (!table) return;
  const auto written = EncodeHighScores(*table);
  const auto expected = AsWritten(bytes);
  if (!std::equal(written.begin(), written.end(), expected.begin(), expected.end())) std::abort();
  if (DecodeHighScores(written) != table) std::abort();
}

std::string Upper(std::string name) {
  for (char& c : name) c = char(TNameInput::UpperCase(static_cast<unsigned char>(c)));
  return name;
}

bool Ordered(const THighScores::TTable& table) {
  return std::is_sorted(table.begin(), table.end(), [](const auto& a, const auto& b) { return a.Score > b.Score; });
}

int EntriesOf(const THighScores::TTable& table, const std::string& name) {
  return int(std::count_if(table.begin(), table.end(), [&](const auto& e) { return Upper(e.Name) == Upper(name); }));
}

// Widths that differ from character to character.
int TextWidth(const std::string& text) {
  int width = 0;
  for (char c : text) width += 3 + static_cast<unsigned char>(c) % 11;
  return width;
}

// "n. NAME - score" with the whole name when it fits, else with the front of
// it that fits followed by "..".
void CheckLine(const THighScores& scores, int rank) {
  const std::string line = scores.DisplayLine(rank, TextWidth);
  const THighScoreEntry& entry = scores.Entry(rank);
  const std::string before = std::to_string(rank) + ". ";
  const std::string after = " - " + std::to_string(entry.Score);
  if (line.size() < before.size() + after.size() || line.compare(0, before.size(), before) != 0 ||
      line.compare(line.size() - after.size(), after.size(), after) != 0)
    std::abort();
  const std::string name = line.substr(before.size(), line.size() - before.size() - after.size());
  const int room = THighScores::MaxLineWidth - TextWidth(before + after);
  if (entry.Name.empty() || TextWidth(entry.Name) <= room) {
    if (name != entry.Name) std::abort();
    return;
  }
  // The longest front of the name that fits, and "..".
  if (!name.ends_with("..")) std::abort();
  const std::string kept = name.substr(0, name.size() - 2);
  if (kept.size() >= entry.Name.size() || !entry.Name.starts_with(kept)) std::abort();
  if (!kept.empty() && TextWidth(kept) > room) std::abort();
  if (TextWidth(entry.Name.substr(0, kept.size() + 1)) <= room) std::abort();
}

// The same bytes as HighScores.dat: a whole record is taken as it is, any
// other file is set aside, reported once and replaced by the reset table;
// a 1300-byte file is left either way, and the table takes new scores.
void CheckLoad(const std::uint8_t* data, std::size_t size) {
  const fuzz::TScratchFolder scratch("HighScoresReaderFuzz");
  const auto& folder = scratch.Path();
  THighScores scores;
  scores.NormalModeFileName = folder / "HighScores.dat";
  scores.PlaceholderName = "NOBODY";
  int problems = 0;
  scores.OnProblem = [&](const std::string&) { ++problems; };
  scores.Reset();
  const THighScores::TTable reset = scores.Table();
  fuzz::WriteBytes(scores.NormalModeFileName, data, size);
  scores.Load();
  const std::vector<std::uint8_t> input(data, data + size);
  if (const auto table = DecodeHighScores(input)) {
    if (scores.Table() != *table || problems != 0 || fuzz::ReadBytes(scores.NormalModeFileName) != input) std::abort();
  } else {
    const auto written = EncodeHighScores(reset);
    if (scores.Table() != reset || problems != 1 || fuzz::ReadBytes(folder / "HighScores.dat.damaged") != input ||
        fuzz::ReadBytes(scores.NormalModeFileName) != std::vector<std::uint8_t>(written.begin(), written.end()))
      std::abort();
  }
  for (int rank = 1; rank <= THighScores::RankCount; ++rank) CheckLine(scores, rank);
  if (!scores.DisplayLine(0, TextWidth).empty() || !scores.DisplayLine(6, TextWidth).empty()) std::abort();

  // A player already in the table or a new one, with a score from the input.
  const std::string name = size > 0 && data[0] % 2 == 0 ? scores.Entry(data[0] / 2 % THighScores::RankCount + 1).Name
                                                        : std::string(data, data + std::min<std::size_t>(size, 20));
  std::uint32_t score = 0;
  for (std::size_t i = 1; i < std::min<std::size_t>(size, 5); ++i) score = score << 8 | data[i];
  const THighScores::TTable before = scores.Table();
  scores.Submit(name, std::int32_t(score));
  if (Ordered(before) && !Ordered(scores.Table())) std::abort();
  if (EntriesOf(before, name) <= 1 && EntriesOf(scores.Table(), name) > 1) std::abort();
  for (int rank = 1; rank <= THighScores::RankCount; ++rank) CheckLine(scores, rank);
  if (!scores.Save()) std::abort();
  THighScores reread;
  reread.NormalModeFileName = scores.NormalModeFileName;
  reread.Load();
  if (reread.Table() != scores.Table()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckDecode(std::vector<std::uint8_t>(data, data + size));
  // Mutations rarely keep the exact size: also read the input cut or padded
  // to one record, which lets them reach the names and scores.
  std::vector<std::uint8_t> record(data, data + std::min(size, HighScoresFileSize));
  record.resize(HighScoresFileSize, 0);
  CheckDecode(record);
  CheckLoad(data, size);
  CheckLoad(record.data(), record.size());
  return 0;
}
