#include "rules/LevelParams.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include "engine/GameRandom.h"
#include "platform/FileLookup.h"

namespace qm {
namespace {

struct TIslandLevels {
  int Authored;
  int LowestReplay;
};

constexpr TIslandLevels kIslands[IslandCount] = {{12, 9}, {13, 10}, {15, 12}, {16, 13}, {18, 15}};

bool IsIsland(int island) { return island >= 1 && island <= IslandCount; }

}  // namespace

std::string LevelFileName(int island, int level) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%2.2d", level);
  return "Level" + std::to_string(island) + "-" + digits + ".qlv";
}

int AuthoredLevelCount(int island) { return IsIsland(island) ? kIslands[island - 1].Authored : 0; }
int LowestReplayLevel(int island) { return IsIsland(island) ? kIslands[island - 1].LowestReplay : 0; }

int DrawReplayLevel(int lowest, int highest, int previous, const std::function<int(int n)>& random) {
  int level = lowest;
  for (int draw = 0; draw < MaxReplayDraws; ++draw) {
    level = lowest + random(highest - lowest + 1);
    if (level != previous) break;
  }
  return level;
}

int TLevelParams::LastLoadedLevel(int island) const { return IsIsland(island) ? FLastLevels[island - 1] : 0; }

void TLevelParams::ResetReplayMemory() { FLastLevels.fill(0); }

int TLevelParams::ChooseLevel(int island, int requested) const {
  // Islands the game does not know have nothing to replay.
  if (!IsIsland(island) || requested <= AuthoredLevelCount(island)) return requested;
  return DrawReplayLevel(LowestReplayLevel(island), AuthoredLevelCount(island), LastLoadedLevel(island),
                         [](int n) { return Random(n); });
}

bool TLevelParams::Load(int island, int requestedLevel) {
  const int level = ChooseLevel(island, requestedLevel);
  if (IsIsland(island)) FLastLevels[island - 1] = static_cast<std::uint8_t>(level);
  FLoadedLevel = level;

  const std::string name = LevelFileName(island, level);
  FLoadedPath = LevelFilesPath / name;
  const std::filesystem::path found = FindPath(LevelFilesPath, name);
  if (found.empty()) {
    ShowMessage(LevelNotFoundMessage + FLoadedPath.string());
    return false;
  }
  FLoadedPath = found;
  if (!ReadRecord(found)) {
    ShowMessage(LevelDamagedMessage + FLoadedPath.string());
    return false;
  }
  return true;
}

bool TLevelParams::ReadRecord(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  // One byte more than a record tells a long file from a whole one.
  std::vector<std::uint8_t> bytes(LevelRecordSize + 1);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) return false;
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  std::optional<TLevelRecord> record = DecodeLevelRecord(bytes);
  if (!record) return false;
  for (std::string_view field : ClampLevelValues(*record))
    if (OnProblem) OnProblem("level file " + path.string() + ": " + std::string(field) + " out of range, clamped");
  FRecord = *record;
  return true;
}

void TLevelParams::ShowMessage(const std::string& text) {
  if (OnShowMessage) OnShowMessage(*this, text);
}

}  // namespace qm
