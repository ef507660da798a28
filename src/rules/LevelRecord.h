#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "board/BoardSetUp.h"
#include "board/GeneralDataClass.h"

namespace qm {

// A level file is exactly one record of this many bytes.
constexpr std::size_t LevelRecordSize = 4572;

// Byte offsets of the fields in a level file.
namespace LevelOffset {
constexpr std::size_t GameObjective = 0;
constexpr std::size_t TargetBananas = 4;
constexpr std::size_t TargetStrawberries = 8;
constexpr std::size_t TargetApples = 12;
constexpr std::size_t TargetPlums = 16;
constexpr std::size_t TargetGrapes = 20;
constexpr std::size_t TargetOranges = 24;
constexpr std::size_t TargetCherries = 28;
constexpr std::size_t TargetGuavas = 32;
constexpr std::size_t TargetFlowers1 = 36;
constexpr std::size_t TargetSpiders = 52;
constexpr std::size_t AllowedElements = 56;
constexpr std::size_t Time = 88;
constexpr std::size_t Board = 92;
constexpr std::size_t GoldTiles = 3932;
constexpr std::size_t Potions = 4124;
constexpr std::size_t UnusedGrid = 4316;
constexpr std::size_t FruitsInterval = 4508;
constexpr std::size_t MaxSpidersOnBoard = 4512;
constexpr std::size_t MaxWebs = 4516;
constexpr std::size_t OneWebEveryProb = 4520;
constexpr std::size_t FullRequiredFruits = 4524;
constexpr std::size_t OneUniFruitEveryInterval = 4528;
constexpr std::size_t MaxUniFruitOnBoard = 4532;
constexpr std::size_t BonusElementKind = 4536;
constexpr std::size_t BonusElementCount = 4540;
constexpr std::size_t Boss = 4544;
}  // namespace LevelOffset

// The longest round a level may ask for, in seconds; anything longer is a
// damaged file (the timer counts it in milliseconds).
constexpr std::int32_t MaxLevelTime = 24 * 60 * 60;

// The longest wait or phase a level may set, in milliseconds: a round of
// the longest kind. The monster stretches its wait by up to 40 % and every
// clock adds 30 ms a tick, which stays far inside 32 bits below this.
constexpr std::int32_t MaxLevelTimingMs = MaxLevelTime * 1000;
// Pieces between two spiders' waves or two uni fruits. The levels use a
// hundred at most; a million already means never.
constexpr std::int32_t MaxLevelInterval = 1'000'000;
// Elements a gold medal adds. The levels give 10 to 30; a thousand keeps
// the result's count and the accounts small whole numbers.
constexpr std::int32_t MaxBonusElementCount = 1000;

// What a level gives the island's monster, whatever the objective.
struct TBossValues {
  std::int32_t Energy = 0;
  std::int32_t RefTimeForAbsorbAttempt = 0;
  std::int32_t HitsToCancelAbsorbAttempt = 0;
  std::int32_t OneAbsorbedTime = 0;
  std::int32_t PreparingTime = 0;
  std::int32_t AbsorbingTime = 0;
  std::int32_t FinishingTime = 0;
};

// One level file in memory. A default record is the all-zero file: the
// round set-up uses it when no level was ever read.
struct TLevelRecord {
  TGameObjective GameObjective = goNormalMode;
  // In file order, which is not the fruit numbering of the board.
  std::int32_t TargetBananas = 0;
  std::int32_t TargetStrawberries = 0;
  std::int32_t TargetApples = 0;
  std::int32_t TargetPlums = 0;
  std::int32_t TargetGrapes = 0;
  std::int32_t TargetOranges = 0;
  std::int32_t TargetCherries = 0;
  std::int32_t TargetGuavas = 0;
  std::int32_t TargetFlowers1 = 0;
  std::int32_t TargetFlowers2 = 0;
  std::int32_t TargetFlowers3 = 0;
  std::int32_t TargetFlowers4 = 0;
  std::int32_t TargetSpiders = 0;
  TElementSet AllowedElements;
  // Round time in seconds.
  std::int32_t Time = 0;
  TBoardData Board = ZeroBoard();
  // Number of gold tiles per cell.
  TSimpleObjectArray GoldTiles;
  // Nonzero: a potion starts on that cell.
  TSimpleObjectArray Potions;
  std::int32_t FruitsInterval = 0;
  std::int32_t MaxSpidersOnBoard = 0;
  std::int32_t MaxWebs = 0;
  std::int32_t OneWebEveryProb = 0;
  std::int32_t FullRequiredFruits = 0;
  std::int32_t OneUniFruitEveryInterval = 0;
  std::uint8_t MaxUniFruitOnBoard = 0;
  TElementKind BonusElementKind = elFruit;
  std::int32_t BonusElementCount = 0;
  TBossValues Boss;

  // Bytes the game never reads, kept so that a file read and written again
  // comes out unchanged.
  std::array<std::uint8_t, 3> PaddingAfterObjective{};
  std::array<std::uint8_t, 192> UnusedGrid{};
  std::array<std::uint8_t, 3> PaddingAfterUniFruit{};
  std::array<std::uint8_t, 3> PaddingAfterBonusKind{};

  // The value for an objective slot of the panel. Gold tiles and potions
  // count from their grids and go to the upgraded slot when the shop has
  // upgraded tiles (flag 0x200) or potions (flag 0x400).
  std::int32_t RoundTarget(TIndividualElementKind kind, bool upgradedTiles, bool upgradedPotions) const;
  // Sum of the gold-tile grid.
  int GoldTileTotal() const;
  // Cells of the potion grid that hold a potion.
  int PotionCount() const;

  // Pixel position of tile (1, 1): the board is centred on the tiles it
  // really uses (a full board sits at (266, 95)).
  TPoint BoardOrigin() const;

  // Cells to put webs on again after the board is loaded, and cells that
  // start with a potion, column by column.
  std::vector<TPoint> WebCells() const;
  std::vector<TPoint> PotionCells() const;
  // What the round set-up puts on the board.
  TBoardSetUp BoardSetUp(bool upgradedPotions) const;

  static TBoardData ZeroBoard();
};

// Element code of the potions a level places: potion 2 with upgraded potions.
inline std::uint8_t LevelPotionCode(bool upgradedPotions) { return upgradedPotions ? ecPotion2 : ecPotion1; }

// The record as it is stored in a file.
std::array<std::uint8_t, LevelRecordSize> EncodeLevelRecord(const TLevelRecord& record);

// The record of a file's bytes; nothing when the size is not exactly one
// record or a value no level can hold (see IsPlayableLevel).
std::optional<TLevelRecord> DecodeLevelRecord(std::span<const std::uint8_t> bytes);

// Whether the rounds, timers and gauges that take the record's values can
// work with them: a known objective and bonus kind, a time of 1 to
// MaxLevelTime seconds, a full manna jar above 0 and no negative target,
// count, interval or boss value. Tile bytes are not judged: the board
// brings every tile into range itself.
bool IsPlayableLevel(const TLevelRecord& record);

// Holds the record's timings (the monster's waits and phases in
// milliseconds, the seconds one absorb drains, the worms' clocks on the
// board), its piece intervals and the gold medal's bonus to the ranges
// above, where the sums the round does with them cannot overflow. Names
// the fields it changed, each once.
std::vector<std::string_view> ClampLevelValues(TLevelRecord& record);

}  // namespace qm
