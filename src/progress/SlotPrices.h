#pragma once

// "SlotPrices.dat": the price of every upgrade, one 400-byte record shipped
// in the program folder. For island 1..5 and slot 1..4, five little-endian
// 32-bit floats in account order (fruit, flowers, potions, gold tiles,
// spiders).

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace qm {

inline constexpr int PriceIslandCount = 5;
inline constexpr int PriceSlotCount = 4;
inline constexpr int PriceKindCount = 5;  // TElementKind order
inline constexpr std::size_t SlotPricesFileSize = 400;
inline constexpr const char* SlotPricesFileName = "SlotPrices.dat";

// Byte offset of the price of (island 1..5, slot 1..4, kind 0..4).
constexpr std::size_t SlotPriceOffset(int island, int slot, int kind) {
  return static_cast<std::size_t>(80 * (island - 1) + 20 * (slot - 1) + 4 * kind);
}

struct TSlotPrices {
  // [island - 1][slot - 1][kind]
  std::array<std::array<std::array<float, PriceKindCount>, PriceSlotCount>, PriceIslandCount> Prices{};

  float Price(int island, int slot, int kind) const { return Prices[island - 1][slot - 1][kind]; }
  void SetPrice(int island, int slot, int kind, float price) { Prices[island - 1][slot - 1][kind] = price; }
};

using TSlotPricesBytes = std::array<std::uint8_t, SlotPricesFileSize>;

TSlotPricesBytes EncodeSlotPrices(const TSlotPrices& prices);
TSlotPrices DecodeSlotPrices(const TSlotPricesBytes& bytes);

enum class TSlotPricesRead {
  Ok,
  Missing,   // no such file: upgrades are free
  TooShort,  // fewer than 400 bytes: the record cannot be read
  BadValue,  // a negative or non-finite price: the record is not taken
};

// Reads the first 400 bytes of the file into prices, which is left alone on
// any result but Ok.
TSlotPricesRead ReadSlotPrices(const std::filesystem::path& file, TSlotPrices& prices);

// Throws std::runtime_error when the file cannot be written.
void WriteSlotPrices(const std::filesystem::path& file, const TSlotPrices& prices);

}  // namespace qm
