#pragma once

// The levels of the default content pack, as their designer wrote them. The
// content generator turns each into a level file; the pack tests read the
// files back against the same table.

#include <cstdint>
#include <string>
#include <vector>

#include "rules/LevelRecord.h"

namespace qm {

// Characters of a level's shape. Every character but Hole is a playable cell.
namespace LevelCell {
constexpr char Hole = '.';
constexpr char Plain = 'o';
constexpr char Chain1 = 'c';
constexpr char Chain2 = 'C';
constexpr char Web = 'w';
constexpr char Gold1 = 'g';
constexpr char Gold2 = 'G';
constexpr char Potion = 'p';
// A locked crate. A regeneration scatters lockers over the board, so a shape
// says how many a level brings, not where they stand.
constexpr char Locker = 'l';
}  // namespace LevelCell

// What a normal level asks the player to collect, fruit in board numbering.
// Gold tiles and potions are counted from the shape.
struct TLevelGoals {
  int Bananas = 0;
  int Strawberries = 0;
  int Apples = 0;
  int Grapes = 0;
  int Oranges = 0;
  int Plums = 0;
  int Cherries = 0;
  int Guavas = 0;
  int Flowers1 = 0;
  int Flowers2 = 0;
  int Flowers3 = 0;
  int Flowers4 = 0;
  int Spiders = 0;
};

// Spider waves; MaxSpidersOnBoard 0 keeps the spiders away.
struct TSpiderWaves {
  std::int32_t FruitsInterval = 60;
  std::int32_t MaxSpidersOnBoard = 0;
  std::int32_t MaxWebs = 3;
  std::int32_t OneWebEveryProb = 15;
};

struct TLevelDesign {
  int Island = 0;
  int Level = 0;
  TGameObjective Objective = goNormalMode;
  // Rows from the top, all of one width (at most 16 by 12), drawn from the
  // top-left corner; the game centres the board on the cells it uses.
  std::vector<std::string> Shape;
  TLevelGoals Goals;
  // Element codes that may be generated.
  std::vector<int> Elements;
  int Time = 0;
  TSpiderWaves Spiders;
  int FullRequiredFruits = 200;
  int UniFruitInterval = 100;
  int MaxUniFruit = 1;
  TElementKind BonusKind = elFruit;
  int BonusCount = 0;
  // The island's monster takes these on every level, boss or not.
  TBossValues Boss;
};

// Every level of the pack, island by island, level by level.
const std::vector<TLevelDesign>& DefaultLevels();

// The level file of a design. Throws std::invalid_argument for a shape that
// is empty, ragged, too large or holds an unknown character.
TLevelRecord BuildLevelRecord(const TLevelDesign& design);

// The board's alternate background falls on every other cell, like a
// chessboard, so rows and columns are easy to follow.
constexpr std::uint8_t LevelTileBack(int x, int y) { return (x + y) % 2; }

}  // namespace qm
