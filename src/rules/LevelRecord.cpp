#include "rules/LevelRecord.h"

#include <algorithm>

#include "engine/StepHelpers.h"

namespace qm {
namespace {

constexpr int kFullBoardLeft = 266;
constexpr int kFullBoardTop = 95;

// Little-endian reading and writing at an offset the caller knows to be in
// range.
class TByteReader {
 public:
  explicit TByteReader(std::span<const std::uint8_t> bytes) : FBytes(bytes) {}
  std::uint8_t Byte(std::size_t at) const { return FBytes[at]; }
  std::int32_t Int(std::size_t at) const {
    const std::uint32_t value = std::uint32_t(FBytes[at]) | std::uint32_t(FBytes[at + 1]) << 8 |
                                std::uint32_t(FBytes[at + 2]) << 16 | std::uint32_t(FBytes[at + 3]) << 24;
    return static_cast<std::int32_t>(value);
  }
  template <std::size_t N>
  void Copy(std::size_t at, std::array<std::uint8_t, N>& out) const {
    std::copy_n(FBytes.begin() + at, N, out.begin());
  }
  void Copy(std::size_t at, TSimpleObjectArray& out) const {
    std::copy_n(FBytes.begin() + at, BoardCells, std::begin(out.Cells));
  }

 private:
  std::span<const std::uint8_t> FBytes;
};

class TByteWriter {
 public:
  explicit TByteWriter(std::span<std::uint8_t> bytes) : FBytes(bytes) {}
  void Byte(std::size_t at, std::uint8_t value) { FBytes[at] = value; }
  void Int(std::size_t at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) FBytes[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  template <std::size_t N>
  void Copy(std::size_t at, const std::array<std::uint8_t, N>& in) {
    std::copy_n(in.begin(), N, FBytes.begin() + at);
  }
  void Copy(std::size_t at, const TSimpleObjectArray& in) {
    std::copy_n(std::begin(in.Cells), BoardCells, FBytes.begin() + at);
  }

 private:
  std::span<std::uint8_t> FBytes;
};

constexpr std::size_t kTileSize = 20;
constexpr std::size_t kElementSetBytes = 32;

TBoardTile ReadTile(const TByteReader& in, std::size_t at) {
  TBoardTile tile;
  tile.ObjectKind = in.Byte(at + 0);
  tile.TileBack = in.Byte(at + 1);
  tile.LockerColor = in.Byte(at + 2);
  tile.Element = in.Byte(at + 3);
  tile.Web = in.Byte(at + 4);
  tile.ChainLock = in.Byte(at + 5);
  tile.FruitBomb = in.Byte(at + 6);
  tile.Worm = in.Byte(at + 7);
  tile.WormTime = in.Int(at + 8);
  tile.BlastElement = in.Int(at + 12);
  tile.FallOffset = in.Int(at + 16);
  return tile;
}

void WriteTile(TByteWriter& out, std::size_t at, const TBoardTile& tile) {
  out.Byte(at + 0, tile.ObjectKind);
  out.Byte(at + 1, tile.TileBack);
  out.Byte(at + 2, tile.LockerColor);
  out.Byte(at + 3, tile.Element);
  out.Byte(at + 4, tile.Web);
  out.Byte(at + 5, tile.ChainLock);
  out.Byte(at + 6, tile.FruitBomb);
  out.Byte(at + 7, tile.Worm);
  out.Int(at + 8, tile.WormTime);
  out.Int(at + 12, tile.BlastElement);
  out.Int(at + 16, tile.FallOffset);
}

// The thirteen targets lie back to back from offset 4, the seven boss values
// from offset 4544.
template <class TRecord>
auto TargetFields(TRecord& r) {
  return std::array{&r.TargetBananas,  &r.TargetStrawberries, &r.TargetApples,   &r.TargetPlums,   &r.TargetGrapes,
                    &r.TargetOranges,  &r.TargetCherries,     &r.TargetGuavas,   &r.TargetFlowers1, &r.TargetFlowers2,
                    &r.TargetFlowers3, &r.TargetFlowers4,     &r.TargetSpiders};
}

template <class TBoss>
auto BossFields(TBoss& b) {
  return std::array{&b.Energy,          &b.RefTimeForAbsorbAttempt, &b.HitsToCancelAbsorbAttempt,
                    &b.OneAbsorbedTime, &b.PreparingTime,           &b.AbsorbingTime,
                    &b.FinishingTime};
}

bool IsEmptyCell(const TBoardTile& tile) { return tile.ObjectKind == okUnused && tile.TileBack == 0; }

bool IsEmptyColumn(const TBoardData& board, int x) {
  for (int y = 1; y <= BoardRows; ++y)
    if (!IsEmptyCell(board.At(x, y))) return false;
  return true;
}

bool IsEmptyRow(const TBoardData& board, int y) {
  for (int x = 1; x <= BoardColumns; ++x)
    if (!IsEmptyCell(board.At(x, y))) return false;
  return true;
}

std::vector<TPoint> CellsWhere(auto test) {
  std::vector<TPoint> cells;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (test(x, y)) cells.push_back({x, y});
  return cells;
}

// Brings value into 0..high, noting name once when it had to.
void ClampValue(std::int32_t& value, std::int32_t high, std::string_view name, std::vector<std::string_view>& changed) {
  const std::int32_t held = std::clamp(value, 0, high);
  if (held == value) return;
  value = held;
  if (std::find(changed.begin(), changed.end(), name) == changed.end()) changed.push_back(name);
}

}  // namespace

TBoardData TLevelRecord::ZeroBoard() {
  TBoardData board;
  for (TBoardTile& tile : board.Tiles) {
    tile = TBoardTile{};
    tile.ObjectKind = 0;
  }
  return board;
}

std::int32_t TLevelRecord::RoundTarget(TIndividualElementKind kind, bool upgradedTiles, bool upgradedPotions) const {
  switch (kind) {
    case iePotion1: return upgradedPotions ? 0 : PotionCount();
    case iePotion2: return upgradedPotions ? PotionCount() : 0;
    case ieFruit1: return TargetBananas;
    case ieFruit2: return TargetStrawberries;
    case ieFruit3: return TargetApples;
    case ieFruit4: return TargetGrapes;
    case ieFruit5: return TargetOranges;
    case ieFruit6: return TargetPlums;
    case ieFruit7: return TargetCherries;
    case ieFruit8: return TargetGuavas;
    case ieFlower1: return TargetFlowers1;
    case ieFlower2: return TargetFlowers2;
    case ieFlower3: return TargetFlowers3;
    case ieFlower4: return TargetFlowers4;
    case ieSpider: return TargetSpiders;
    case ieGoldTile1: return upgradedTiles ? 0 : GoldTileTotal();
    case ieGoldTile2: return upgradedTiles ? GoldTileTotal() : 0;
  }
  return 0;
}

int TLevelRecord::GoldTileTotal() const {
  int total = 0;
  for (std::uint8_t cell : GoldTiles.Cells) total += cell;
  return total;
}

int TLevelRecord::PotionCount() const { return Potions.Count(); }

TPoint TLevelRecord::BoardOrigin() const {
  int left = 0, right = 0, top = 0, bottom = 0;
  while (left < BoardColumns && IsEmptyColumn(Board, left + 1)) ++left;
  while (right < BoardColumns && IsEmptyColumn(Board, BoardColumns - right)) ++right;
  while (top < BoardRows && IsEmptyRow(Board, top + 1)) ++top;
  while (bottom < BoardRows && IsEmptyRow(Board, BoardRows - bottom)) ++bottom;
  // Half a tile per empty edge line, a whole number of pixels.
  return {kFullBoardLeft + TileSize * (right - left) / 2, kFullBoardTop + TileSize * (bottom - top) / 2};
}

// Time x 0.65 and x 0.4 are computed from exact integers so that halves are
// truly halves before they go to the even neighbour.

std::vector<TPoint> TLevelRecord::WebCells() const {
  return CellsWhere([this](int x, int y) { return Board.At(x, y).Web != 0; });
}

std::vector<TPoint> TLevelRecord::PotionCells() const {
  return CellsWhere([this](int x, int y) { return Potions.At(x, y) != 0; });
}

TBoardSetUp TLevelRecord::BoardSetUp(bool upgradedPotions) const {
  TBoardSetUp setUp;
  setUp.Board = Board;
  setUp.Allowed = AllowedElements;
  setUp.GoldTiles = GoldTiles;
  setUp.Webs = WebCells();
  setUp.Potions = PotionCells();
  setUp.PotionCode = LevelPotionCode(upgradedPotions);
  return setUp;
}

std::array<std::uint8_t, LevelRecordSize> EncodeLevelRecord(const TLevelRecord& record) {
  std::array<std::uint8_t, LevelRecordSize> bytes{};
  TByteWriter out(bytes);
  out.Byte(LevelOffset::GameObjective, record.GameObjective);
  out.Copy(LevelOffset::GameObjective + 1, record.PaddingAfterObjective);
  std::size_t at = LevelOffset::TargetBananas;
  for (const std::int32_t* field : TargetFields(record)) {
    out.Int(at, *field);
    at += 4;
  }
  for (std::size_t i = 0; i < kElementSetBytes; ++i) {
    std::uint8_t bits = 0;
    for (int bit = 0; bit < 8; ++bit)
      if (record.AllowedElements.test(8 * i + bit)) bits |= std::uint8_t(1u << bit);
    out.Byte(LevelOffset::AllowedElements + i, bits);
  }
  out.Int(LevelOffset::Time, record.Time);
  for (int i = 0; i < BoardCells; ++i) WriteTile(out, LevelOffset::Board + kTileSize * i, record.Board.Tiles[i]);
  out.Copy(LevelOffset::GoldTiles, record.GoldTiles);
  out.Copy(LevelOffset::Potions, record.Potions);
  out.Copy(LevelOffset::UnusedGrid, record.UnusedGrid);
  out.Int(LevelOffset::FruitsInterval, record.FruitsInterval);
  out.Int(LevelOffset::MaxSpidersOnBoard, record.MaxSpidersOnBoard);
  out.Int(LevelOffset::MaxWebs, record.MaxWebs);
  out.Int(LevelOffset::OneWebEveryProb, record.OneWebEveryProb);
  out.Int(LevelOffset::FullRequiredFruits, record.FullRequiredFruits);
  out.Int(LevelOffset::OneUniFruitEveryInterval, record.OneUniFruitEveryInterval);
  out.Byte(LevelOffset::MaxUniFruitOnBoard, record.MaxUniFruitOnBoard);
  out.Copy(LevelOffset::MaxUniFruitOnBoard + 1, record.PaddingAfterUniFruit);
  out.Byte(LevelOffset::BonusElementKind, record.BonusElementKind);
  out.Copy(LevelOffset::BonusElementKind + 1, record.PaddingAfterBonusKind);
  out.Int(LevelOffset::BonusElementCount, record.BonusElementCount);
  at = LevelOffset::Boss;
  for (const std::int32_t* field : BossFields(record.Boss)) {
    out.Int(at, *field);
    at += 4;
  }
  return bytes;
}

std::optional<TLevelRecord> DecodeLevelRecord(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != LevelRecordSize) return std::nullopt;
  const TByteReader in(bytes);
  TLevelRecord r;

  r.GameObjective = static_cast<TGameObjective>(in.Byte(LevelOffset::GameObjective));
  for (std::size_t i = 0; i < r.PaddingAfterObjective.size(); ++i)
    r.PaddingAfterObjective[i] = in.Byte(LevelOffset::GameObjective + 1 + i);
  std::size_t at = LevelOffset::TargetBananas;
  for (std::int32_t* field : TargetFields(r)) {
    *field = in.Int(at);
    at += 4;
  }
  for (std::size_t i = 0; i < kElementSetBytes; ++i) {
    const std::uint8_t bits = in.Byte(LevelOffset::AllowedElements + i);
    for (int bit = 0; bit < 8; ++bit) r.AllowedElements.set(8 * i + bit, (bits >> bit & 1) != 0);
  }
  r.Time = in.Int(LevelOffset::Time);
  for (int i = 0; i < BoardCells; ++i) r.Board.Tiles[i] = ReadTile(in, LevelOffset::Board + kTileSize * i);
  in.Copy(LevelOffset::GoldTiles, r.GoldTiles);
  in.Copy(LevelOffset::Potions, r.Potions);
  in.Copy(LevelOffset::UnusedGrid, r.UnusedGrid);
  r.FruitsInterval = in.Int(LevelOffset::FruitsInterval);
  r.MaxSpidersOnBoard = in.Int(LevelOffset::MaxSpidersOnBoard);
  r.MaxWebs = in.Int(LevelOffset::MaxWebs);
  r.OneWebEveryProb = in.Int(LevelOffset::OneWebEveryProb);
  r.FullRequiredFruits = in.Int(LevelOffset::FullRequiredFruits);
  r.OneUniFruitEveryInterval = in.Int(LevelOffset::OneUniFruitEveryInterval);
  r.MaxUniFruitOnBoard = in.Byte(LevelOffset::MaxUniFruitOnBoard);
  for (std::size_t i = 0; i < r.PaddingAfterUniFruit.size(); ++i)
    r.PaddingAfterUniFruit[i] = in.Byte(LevelOffset::MaxUniFruitOnBoard + 1 + i);
  r.BonusElementKind = static_cast<TElementKind>(in.Byte(LevelOffset::BonusElementKind));
  for (std::size_t i = 0; i < r.PaddingAfterBonusKind.size(); ++i)
    r.PaddingAfterBonusKind[i] = in.Byte(LevelOffset::BonusElementKind + 1 + i);
  r.BonusElementCount = in.Int(LevelOffset::BonusElementCount);
  at = LevelOffset::Boss;
  for (std::int32_t* field : BossFields(r.Boss)) {
    *field = in.Int(at);
    at += 4;
  }

  if (!IsPlayableLevel(r)) return std::nullopt;
  return r;
}

bool IsPlayableLevel(const TLevelRecord& record) {
  if (record.GameObjective > goBossMode || record.BonusElementKind > elSpider) return false;
  if (record.Time < 1 || record.Time > MaxLevelTime || record.FullRequiredFruits < 1) return false;
  for (const std::int32_t* field : TargetFields(record))
    if (*field < 0) return false;
  for (const std::int32_t* field : BossFields(record.Boss))
    if (*field < 0) return false;
  const std::int32_t counts[] = {record.FruitsInterval,  record.MaxSpidersOnBoard,        record.MaxWebs,
                                 record.OneWebEveryProb, record.OneUniFruitEveryInterval, record.BonusElementCount};
  return std::none_of(std::begin(counts), std::end(counts), [](std::int32_t v) { return v < 0; });
}

std::vector<std::string_view> ClampLevelValues(TLevelRecord& record) {
  std::vector<std::string_view> changed;
  TBossValues& boss = record.Boss;
  ClampValue(boss.RefTimeForAbsorbAttempt, MaxLevelTimingMs, "RefTimeForAbsorbAttempt", changed);
  ClampValue(boss.PreparingTime, MaxLevelTimingMs, "PreparingTime", changed);
  ClampValue(boss.AbsorbingTime, MaxLevelTimingMs, "AbsorbingTime", changed);
  ClampValue(boss.FinishingTime, MaxLevelTimingMs, "FinishingTime", changed);
  ClampValue(boss.OneAbsorbedTime, MaxLevelTime, "OneAbsorbedTime", changed);
  ClampValue(record.FruitsInterval, MaxLevelInterval, "FruitsInterval", changed);
  ClampValue(record.OneUniFruitEveryInterval, MaxLevelInterval, "OneUniFruitEveryInterval", changed);
  ClampValue(record.BonusElementCount, MaxBonusElementCount, "BonusElementCount", changed);
  for (TBoardTile& tile : record.Board.Tiles) ClampValue(tile.WormTime, MaxLevelTimingMs, "WormTime", changed);
  return changed;
}

}  // namespace qm
