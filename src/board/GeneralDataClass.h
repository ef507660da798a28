#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>

namespace qm {

// A tile (column, row) or a screen point; (0, 0) is "no tile".
struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

enum TTileObjectKind : std::uint8_t { okLocker, okFruit, okTempBlank, okBlocker, okUnused };
enum TElementKind : std::uint8_t { elFruit, elFlower, elPotion, elGoldTile, elSpider };
enum TIndividualElementKind : std::uint8_t {
  iePotion1,
  iePotion2,
  ieFruit1,
  ieFruit2,
  ieFruit3,
  ieFruit4,
  ieFruit5,
  ieFruit6,
  ieFruit7,
  ieFruit8,
  ieFlower1,
  ieFlower2,
  ieFlower3,
  ieFlower4,
  ieSpider,
  ieGoldTile1,
  ieGoldTile2,
};
enum TToolKind : std::uint8_t { toNone, toMagicKey, toBroom, toAerosol };
enum TNewToolKind : std::uint8_t { tlNone, tlHammer, tlBomb, tlBlaster, tlHorzLightning, tlVertLightning, tlBigBomb };
enum TTileKind : std::uint8_t { tkStandard, tkUpgraded };
enum TGameBoardActiveMode : std::uint8_t { amNormal, amFindFlower };
enum TLightningType : std::uint8_t { ltHorizontal, ltVertical };
enum TMedalKind : std::uint8_t { mdBronze, mdSilver, mdGold, mdNone };
enum TGameObjective : std::uint8_t { goNormalMode, goBossMode };

// What a cell is doing right now; the board keeps one per cell beside the
// tile records.
enum TTileState : std::uint8_t {
  tsIdle,
  tsSwapping,
  tsOpening,
  tsGrouped,
  tsFalling,
  tsHammered,
  tsVoid,
  tsChained,
};

// Flower indices (1..6 are used).
using TFlowerIdxSet = std::bitset<256>;
// Element codes that may be generated, bit n for code n.
using TElementSet = std::bitset<256>;
using TChangedElementIdx = std::uint8_t;

// Element codes.
constexpr std::uint8_t ecUniFruit = 0;
constexpr std::uint8_t ecFirstFruit = 1;
constexpr std::uint8_t ecLastObjectiveFruit = 8;
constexpr std::uint8_t ecLastFruit = 12;
constexpr std::uint8_t ecFirstFlower = 13;
constexpr std::uint8_t ecLastFlower = 16;
constexpr std::uint8_t ecPotion1 = 17;
constexpr std::uint8_t ecPotion2 = 18;
constexpr std::uint8_t ecHammer = 101;
constexpr std::uint8_t ecFoundFlower = 102;
constexpr std::uint8_t ecMultiBubble = 103;
constexpr std::uint8_t ecMagicKeyItem = 104;
constexpr std::uint8_t ecBroomItem = 105;
constexpr std::uint8_t ecAerosolItem = 106;
constexpr std::uint8_t ecRepick = 255;

constexpr int BoardColumns = 16;
constexpr int BoardRows = 12;
constexpr int BoardCells = BoardColumns * BoardRows;
constexpr int TileSize = 52;

// Cell index of tile (x, y) in every column-major 1-based grid.
constexpr int CellIndex(int x, int y) { return BoardRows * (x - 1) + (y - 1); }
constexpr bool IsOnBoard(TPoint p) { return p.X >= 1 && p.X <= BoardColumns && p.Y >= 1 && p.Y <= BoardRows; }

// One tile as it is stored in memory and in level files. Codes are kept as
// raw bytes: a record read from a file may hold anything.
struct TBoardTile {
  std::uint8_t ObjectKind = okFruit;
  std::uint8_t TileBack = 0;
  std::uint8_t LockerColor = 0;
  std::uint8_t Element = 0;
  std::uint8_t Web = 0;
  std::uint8_t ChainLock = 0;
  std::uint8_t FruitBomb = 0;
  std::uint8_t Worm = 0;
  std::int32_t WormTime = 0;
  std::int32_t BlastElement = 0;
  std::int32_t FallOffset = 0;

  TTileObjectKind Kind() const { return ObjectKind <= okUnused ? static_cast<TTileObjectKind>(ObjectKind) : okUnused; }
  bool IsLockerOrPiece() const { return ObjectKind == okLocker || ObjectKind == okFruit; }
  bool IsPotion() const { return Element == ecPotion1 || Element == ecPotion2; }
  bool IsFlower() const { return Element >= ecFirstFlower && Element <= ecLastFlower; }
  // Specials behave on their own when clicked or cleared.
  bool IsSpecial() const { return Element == ecUniFruit || (Element >= ecHammer && Element <= ecAerosolItem) || FruitBomb != 0; }
  // Lockers match by their colour, pieces by their element.
  std::uint8_t Color() const { return ObjectKind == okLocker ? LockerColor : Element; }
};

static_assert(sizeof(TBoardTile) == 20);
static_assert(offsetof(TBoardTile, ObjectKind) == 0);
static_assert(offsetof(TBoardTile, TileBack) == 1);
static_assert(offsetof(TBoardTile, LockerColor) == 2);
static_assert(offsetof(TBoardTile, Element) == 3);
static_assert(offsetof(TBoardTile, Web) == 4);
static_assert(offsetof(TBoardTile, ChainLock) == 5);
static_assert(offsetof(TBoardTile, FruitBomb) == 6);
static_assert(offsetof(TBoardTile, Worm) == 7);
static_assert(offsetof(TBoardTile, WormTime) == 8);
static_assert(offsetof(TBoardTile, BlastElement) == 12);
static_assert(offsetof(TBoardTile, FallOffset) == 16);

// The 16 x 12 tile grid, column-major: tile (x, y) at byte 240 (x - 1) + 20 (y - 1).
struct TBoardData {
  TBoardTile Tiles[BoardCells];

  TBoardTile& At(int x, int y) { return Tiles[CellIndex(x, y)]; }
  const TBoardTile& At(int x, int y) const { return Tiles[CellIndex(x, y)]; }
  TBoardTile& At(TPoint p) { return At(p.X, p.Y); }
  const TBoardTile& At(TPoint p) const { return At(p.X, p.Y); }
};

static_assert(sizeof(TBoardData) == 3840);

// A 0/1 mask over the grid, column-major.
struct TSimpleObjectArray {
  std::uint8_t Cells[BoardCells] = {};

  std::uint8_t& At(int x, int y) { return Cells[CellIndex(x, y)]; }
  std::uint8_t At(int x, int y) const { return Cells[CellIndex(x, y)]; }
  std::uint8_t& At(TPoint p) { return At(p.X, p.Y); }
  std::uint8_t At(TPoint p) const { return At(p.X, p.Y); }
  bool Any() const;
  int Count() const;
  static TSimpleObjectArray Single(TPoint p);
};

static_assert(sizeof(TSimpleObjectArray) == 192);

// What the swap animation needs to know about the two tiles.
struct TSwappedObjectsData {
  TPoint Object1Pos;
  TPoint Object2Pos;
  std::uint8_t ObjectKind1 = okFruit;
  std::uint8_t ObjectKind2 = okFruit;
  std::uint8_t Special1 = 0;
  std::uint8_t Special2 = 0;
  std::uint8_t Color1 = 0;
  std::uint8_t Color2 = 0;
  std::uint8_t FruitBomb1 = 0;
  std::uint8_t FruitBomb2 = 0;
  std::uint8_t Worm1 = 0;
  std::uint8_t Worm2 = 0;
};

static_assert(offsetof(TSwappedObjectsData, Object1Pos) == 0);
static_assert(offsetof(TSwappedObjectsData, Object2Pos) == 8);
static_assert(offsetof(TSwappedObjectsData, ObjectKind1) == 16);
static_assert(offsetof(TSwappedObjectsData, Worm2) == 25);
static_assert(sizeof(TSwappedObjectsData) == 28);

// The objective slot an element code counts for; false when it counts for none.
bool IndividualKindOf(std::uint8_t element, TIndividualElementKind& kind);

}  // namespace qm
