// quillmere-savecheck: reads a save folder with the game's own readers and
// prints the current player's progress on one line,
//
//   player <NAME> island <I> level <L> upgrades <U> story <0|1> highscore <S>
//
//   quillmere-savecheck <save folder>
//
// The high score is the player's entry in HighScores.dat, 0 when the table
// has none. It exits 1, saying why, when Players.dat is missing, empty or
// damaged, when it lists no player, when that player's save file is missing
// or not one whole record, or when HighScores.dat is missing or damaged. Nothing in the folder is changed: the game's own
// loading would set a damaged file aside, which would hide what a crash
// left behind.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "progress/HighScores.h"
#include "progress/NameList.h"
#include "progress/PlayerFiles.h"
#include "progress/ProgressRecord.h"

namespace fs = std::filesystem;

namespace {

int Fail(const std::string& problem) {
  std::fprintf(stderr, "quillmere-savecheck: %s\n", problem.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillmere-savecheck <save folder>\n");
    return 2;
  }
  const fs::path folder = argv[1];
  const fs::path list = folder / "Players.dat";
  std::error_code ec;
  if (!fs::is_regular_file(list, ec)) return Fail(list.string() + " is missing");
  std::ifstream in(list, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  if (!in.is_open() || in.bad()) return Fail(list.string() + " cannot be read");
  // The game creates the file empty and fills it once a player is named.
  if (bytes.empty()) return Fail(list.string() + " is empty: no player yet");
  std::array<std::string, qm::TNameList::SlotCount> slots;
  std::string current;
  if (!qm::DecodePlayers(bytes.data(), bytes.size(), slots, current))
    return Fail(list.string() + " is damaged (" + std::to_string(bytes.size()) + " bytes)");
  // As the game chooses: the current name when it is listed, else the first.
  if (std::find(slots.begin(), slots.end(), current) == slots.end() || current.empty()) current = slots[0];
  if (current.empty()) return Fail(list.string() + " lists no player");
  if (!qm::IsEnterableName(current)) return Fail(list.string() + " names a player the game would not accept");

  const fs::path file = qm::PlayerSaveFile(folder, current);
  if (!fs::is_regular_file(file, ec)) return Fail(file.string() + " is missing");
  const std::optional<qm::TProgressRecord> record = qm::ReadProgressFile(file);
  if (!record) return Fail(file.string() + " is not one whole record (" + std::to_string(fs::file_size(file, ec)) + " bytes)");

  const fs::path table = folder / "HighScores.dat";
  std::ifstream scores(table, std::ios::binary);
  const std::vector<std::uint8_t> scoreBytes((std::istreambuf_iterator<char>(scores)), {});
  const std::optional<qm::THighScores::TTable> entries = qm::DecodeHighScores(scoreBytes);
  if (!entries) return Fail(table.string() + " is missing or not one whole table");
  std::int32_t highScore = 0;
  for (const qm::THighScoreEntry& entry : *entries)
    if (entry.Name == current) highScore = std::max(highScore, entry.Score);

  const auto upgrades = std::count_if(record->UpgradesBought.begin(), record->UpgradesBought.end(),
                                      [](std::uint8_t bought) { return bought != 0; });
  std::printf("player %s island %d level %d upgrades %d story %d highscore %d\n", qm::Cp1252ToUtf8(current).c_str(),
              int(record->NextUncompletedIslandIdx), int(record->NextUncompletedLevelIdx), int(upgrades),
              record->OpeningStoryTold != 0 ? 1 : 0, int(highScore));
  return 0;
}
