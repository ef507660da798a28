#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "rules/LevelRecord.h"

namespace qm {

constexpr int IslandCount = 5;

// "Level" + island + "-" + the level in at least two digits + ".qlv":
// island 2, level 7 is "Level2-07.qlv".
std::string LevelFileName(int island, int level);

// The levels written for an island (files 01 up to this number) and the
// lowest level that is replayed once the island's levels run out; 0 for
// an island that does not exist.
int AuthoredLevelCount(int island);
int LowestReplayLevel(int island);

// A level of lowest..highest other than previous, drawn through random
// (0 to n - 1, as Random(n)); after MaxReplayDraws draws that all repeat
// previous, the last one stands.
constexpr int MaxReplayDraws = 100;
int DrawReplayLevel(int lowest, int highest, int previous, const std::function<int(int n)>& random);

// The shell's modal message for a level that cannot be read: one of these
// followed by the file's full path.
constexpr const char* LevelNotFoundMessage = "Level file not found: ";
constexpr const char* LevelDamagedMessage = "Level file is damaged: ";

// Turns (island, level) into a level file and keeps its record for the
// round set-up. A level beyond the island's written ones replays a random
// one of its upper range, never the one the island played last.
class TLevelParams {
 public:
  using TShowMessageEvent = std::function<void(TLevelParams& sender, const std::string& text)>;

  // The level folder (the program folder's "Levels").
  std::filesystem::path LevelFilesPath;
  // A file that is missing or cannot be a level. The record stays as it was.
  TShowMessageEvent OnShowMessage;
  // A value of a level read that was out of range and has been clamped (see
  // ClampLevelValues); the level is played with it. One call per field.
  std::function<void(const std::string& problem)> OnProblem;

  // Picks the level, then reads its file. False when the file was missing or
  // damaged; the previous record (zeros before the first) stays in place.
  bool Load(int island, int requestedLevel);
  // Forgets which level each island played last (a different player).
  void ResetReplayMemory();

  const TLevelRecord& Record() const { return FRecord; }
  // The level the last Load chose (1 before any).
  int LoadedLevel() const { return FLoadedLevel; }
  // The level island last loaded, 0 when none since the last reset.
  int LastLoadedLevel(int island) const;
  // Full path of the file the last Load asked for.
  const std::filesystem::path& LoadedPath() const { return FLoadedPath; }

 private:
  int ChooseLevel(int island, int requested) const;
  bool ReadRecord(const std::filesystem::path& path);
  void ShowMessage(const std::string& text);

  TLevelRecord FRecord;
  std::array<std::uint8_t, IslandCount> FLastLevels{};
  int FLoadedLevel = 1;
  std::filesystem::path FLoadedPath;
};

}  // namespace qm
