// The level files, written from the designs in src/rules/DefaultLevels.cpp.
#include "Levels.h"

#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "rules/DefaultLevels.h"
#include "rules/LevelFileWriter.h"
#include "rules/LevelParams.h"

namespace contentgen {

void GenerateLevels(const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = programFolder / "Levels";
  std::filesystem::create_directories(folder);

  std::set<std::pair<int, int>> written;
  qm::TLevelFileWriter writer;
  for (const qm::TLevelDesign& design : qm::DefaultLevels()) {
    if (design.Level < 1 || design.Level > qm::AuthoredLevelCount(design.Island))
      throw std::runtime_error("level " + std::to_string(design.Island) + "-" + std::to_string(design.Level) +
                               " is not one the game loads");
    if (!written.emplace(design.Island, design.Level).second)
      throw std::runtime_error("level " + std::to_string(design.Island) + "-" + std::to_string(design.Level) +
                               " is designed twice");
    if (!writer.Write(folder / qm::LevelFileName(design.Island, design.Level), qm::BuildLevelRecord(design)))
      throw std::runtime_error(writer.Error());
  }

  // A missing level would stop the game with a message in the middle of an
  // island.
  for (int island = 1; island <= qm::IslandCount; ++island)
    for (int level = 1; level <= qm::AuthoredLevelCount(island); ++level)
      if (!written.contains({island, level}))
        throw std::runtime_error("level " + std::to_string(island) + "-" + std::to_string(level) + " is not designed");
}

}  // namespace contentgen
