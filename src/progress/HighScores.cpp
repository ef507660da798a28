#include "progress/HighScores.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/SafeFile.h"
#include "progress/NameInput.h"

namespace qm {

namespace {

// Each name takes a length byte and room for 255 characters.
constexpr std::size_t kNameBytes = 256;
constexpr std::size_t kMaxNameLength = kNameBytes - 1;
constexpr std::size_t kScoresAt = THighScores::RankCount * kNameBytes;

static_assert(kScoresAt + THighScores::RankCount * 4 == HighScoresFileSize);

}  // namespace

std::array<std::uint8_t, HighScoresFileSize> EncodeHighScores(const THighScores::TTable& table) {
  std::array<std::uint8_t, HighScoresFileSize> bytes{};
  for (std::size_t rank = 0; rank < table.size(); ++rank) {
    const std::string& name = table[rank].Name;
    const std::size_t length = std::min(name.size(), kMaxNameLength);
    std::uint8_t* field = bytes.data() + rank * kNameBytes;
    field[0] = std::uint8_t(length);
    std::copy_n(name.begin(), length, field + 1);
    const auto score = std::uint32_t(table[rank].Score);
    for (std::size_t i = 0; i < 4; ++i) bytes[kScoresAt + rank * 4 + i] = std::uint8_t(score >> (8 * i));
  }
  return bytes;
}

std::optional<THighScores::TTable> DecodeHighScores(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != HighScoresFileSize) return std::nullopt;
  THighScores::TTable table;
  for (std::size_t rank = 0; rank < table.size(); ++rank) {
    const std::uint8_t* field = bytes.data() + rank * kNameBytes;
    table[rank].Name.assign(reinterpret_cast<const char*>(field + 1), field[0]);
    std::uint32_t score = 0;
    for (std::size_t i = 0; i < 4; ++i) score |= std::uint32_t(bytes[kScoresAt + rank * 4 + i]) << (8 * i);
    table[rank].Score = std::int32_t(score);
  }
  return table;
}

void THighScores::Reset() {
  for (THighScoreEntry& entry : FTable) entry = {PlaceholderName, 0};
}

void THighScores::Load() {
  std::error_code statusError;
  if (std::filesystem::status(NormalModeFileName, statusError).type() == std::filesystem::file_type::not_found) {
    Save();
    return;
  }
  std::vector<std::uint8_t> bytes;
  if (std::ifstream in{NormalModeFileName, std::ios::binary}) {
    // One byte more than a record tells a long file from a whole one.
    bytes.resize(HighScoresFileSize + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    bytes.resize(std::size_t(in.gcount()));
  }
  if (const auto table = DecodeHighScores(bytes)) {
    FTable = *table;
    return;
  }
  // The table stays as it stands. The damaged file is only replaced once it
  // is safely aside.
  const std::string file = NormalModeFileName.string();
  std::string error;
  if (!SetDamagedFileAside(NormalModeFileName, error)) {
    if (OnProblem) OnProblem(file + " cannot be read and could not be set aside (" + error + ").");
    return;
  }
  if (OnProblem)
    OnProblem(file + " cannot be read; it is kept as " + file + ".damaged and the high scores start afresh.");
  Save();
}

bool THighScores::Save() const {
  const auto bytes = EncodeHighScores(FTable);
  std::string error;
  if (WriteFileSafely(NormalModeFileName, bytes, error)) return true;
  if (OnProblem) OnProblem("The high scores could not be saved: " + error);
  return false;
}

void THighScores::Submit(const std::string& name, std::int32_t score) {
  const TTable before = FTable;
  Rank(name, score);
  // Written at once: a game that is killed or loses power keeps every entry
  // the table has shown.
  if (FTable != before && !NormalModeFileName.empty()) Save();
}

void THighScores::Rank(const std::string& name, std::int32_t score) {
  const std::string player = TNameInput::UpperCase(name);
  auto held = FTable.end();
  for (auto entry = FTable.begin(); entry != FTable.end(); ++entry)
    if (TNameInput::UpperCase(entry->Name) == player) held = entry;
  if (held != FTable.end()) {
    if (held->Score >= score) return;
    // The player's older, lower entry gives way; the ranks below move up.
    std::move(held + 1, FTable.end(), held);
    FTable.back() = {"", 0};
  }
  const auto below =
      std::find_if(FTable.begin(), FTable.end(), [&](const THighScoreEntry& e) { return e.Score < score; });
  if (below == FTable.end()) return;
  std::move_backward(below, FTable.end() - 1, FTable.end());
  *below = {player, score};
}

std::string THighScores::DisplayLine(int rank, const std::function<int(const std::string&)>& textWidth) const {
  if (rank < 1 || rank > RankCount) return {};
  const THighScoreEntry& entry = Entry(rank);
  const std::string before = std::to_string(rank) + ". ";
  const std::string after = " - " + std::to_string(entry.Score);
  const int room = MaxLineWidth - textWidth(before + after);
  std::string name = entry.Name;
  bool shortened = false;
  while (!name.empty() && textWidth(name) > room) {
    name.pop_back();
    shortened = true;
  }
  if (shortened) name += "..";
  return before + name + after;
}

}  // namespace qm
