#include "progress/SlotPrices.h"

#include <bit>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace qm {

TSlotPricesBytes EncodeSlotPrices(const TSlotPrices& prices) {
  TSlotPricesBytes bytes{};
  for (int island = 1; island <= PriceIslandCount; ++island)
    for (int slot = 1; slot <= PriceSlotCount; ++slot)
      for (int kind = 0; kind < PriceKindCount; ++kind) {
        const auto bits = std::bit_cast<std::uint32_t>(prices.Price(island, slot, kind));
        const std::size_t at = SlotPriceOffset(island, slot, kind);
        for (int b = 0; b < 4; ++b) bytes[at + b] = static_cast<std::uint8_t>(bits >> (8 * b));
      }
  return bytes;
}

TSlotPrices DecodeSlotPrices(const TSlotPricesBytes& bytes) {
  TSlotPrices prices;
  for (int island = 1; island <= PriceIslandCount; ++island)
    for (int slot = 1; slot <= PriceSlotCount; ++slot)
      for (int kind = 0; kind < PriceKindCount; ++kind) {
        const std::size_t at = SlotPriceOffset(island, slot, kind);
        std::uint32_t bits = 0;
        for (int b = 0; b < 4; ++b) bits |= static_cast<std::uint32_t>(bytes[at + b]) << (8 * b);
        prices.SetPrice(island, slot, kind, std::bit_cast<float>(bits));
      }
  return prices;
}

TSlotPricesRead ReadSlotPrices(const std::filesystem::path& file, TSlotPrices& prices) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return TSlotPricesRead::Missing;
  TSlotPricesBytes bytes{};
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) return TSlotPricesRead::TooShort;
  const TSlotPrices read = DecodeSlotPrices(bytes);
  for (const auto& island : read.Prices)
    for (const auto& slot : island)
      for (const float price : slot)
        if (!std::isfinite(price) || price < 0) return TSlotPricesRead::BadValue;
  prices = read;
  return TSlotPricesRead::Ok;
}

void WriteSlotPrices(const std::filesystem::path& file, const TSlotPrices& prices) {
  const TSlotPricesBytes bytes = EncodeSlotPrices(prices);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace qm
