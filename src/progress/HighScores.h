#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace qm {

inline constexpr std::size_t HighScoresFileSize = 1300;

struct THighScoreEntry {
  std::string Name;  // code page 1252, upper case
  std::int32_t Score = 0;
  friend bool operator==(const THighScoreEntry&, const THighScoreEntry&) = default;
};

// The five best total scores of the installation, one entry per player, as
// "HighScores.dat" holds them.
class THighScores {
 public:
  static constexpr int RankCount = 5;
  using TTable = std::array<THighScoreEntry, RankCount>;

  std::filesystem::path NormalModeFileName;
  // The name of an empty rank after a reset (a line of the game texts).
  std::string PlaceholderName;
  // A file that could not be read or written, in words, for the log.
  std::function<void(const std::string& problem)> OnProblem;

  // Every rank: the placeholder name and 0.
  void Reset();
  // A missing file is created from the table as it stands; a damaged one is
  // set aside and replaced by the table as it stands.
  void Load();
  bool Save() const;
  // Ranks the score; a table that changed is saved.
  void Submit(const std::string& name, std::int32_t score);

  const THighScoreEntry& Entry(int rank) const { return FTable[std::size_t(rank - 1)]; }
  const TTable& Table() const { return FTable; }
  // "n. NAME - score", the name cut letter by letter and ended with ".."
  // until the line fits MaxLineWidth as textWidth measures it.
  static constexpr int MaxLineWidth = 220;
  std::string DisplayLine(int rank, const std::function<int(const std::string&)>& textWidth) const;

 private:
  void Rank(const std::string& name, std::int32_t score);

  TTable FTable;
};

std::array<std::uint8_t, HighScoresFileSize> EncodeHighScores(const THighScores::TTable& table);
// Nothing unless the bytes are exactly one record.
std::optional<THighScores::TTable> DecodeHighScores(std::span<const std::uint8_t> bytes);

}  // namespace qm
