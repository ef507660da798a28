#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "progress/SlotPrices.h"

namespace {

using namespace qm;

// Every byte of the record is a price, so prices read from bytes write back
// to the very same bytes (compared as bytes: a price may be a NaN).
void CheckDecode(const TSlotPricesBytes& bytes) {
  if (EncodeSlotPrices(DecodeSlotPrices(bytes)) != bytes) std::abort();
}

bool AllPricesUsable(const TSlotPrices& prices) {
  for (const auto& island : prices.Prices)
    for (const auto& slot : island)
      if (!std::all_of(slot.begin(), slot.end(), [](float p) { return std::isfinite(p) && p >= 0; })) return false;
  return true;
}

// The same bytes as "SlotPrices.dat": a file shorter than the record is
// refused, so is one with a price no upgrade can have; otherwise its first
// 400 bytes are taken, as the decoder reads them. Prices refused stay as
// they were.
void CheckFile(const std::uint8_t* data, std::size_t size) {
  const fuzz::TScratchFolder scratch("SlotPricesReaderFuzz");
  const auto file = scratch.Path() / SlotPricesFileName;
  fuzz::WriteBytes(file, data, size);
  TSlotPrices prices;
  prices.SetPrice(5, 4, 4, 7.5f);
  const TSlotPricesRead result = ReadSlotPrices(file, prices);
  TSlotPricesBytes first{};
  std::copy_n(data, std::min(size, first.size()), first.begin());
  const TSlotPrices decoded = DecodeSlotPrices(first);
  const TSlotPricesRead expected = size < SlotPricesFileSize   ? TSlotPricesRead::TooShort
                                   : !AllPricesUsable(decoded) ? TSlotPricesRead::BadValue
                                                               : TSlotPricesRead::Ok;
  if (result != expected) std::abort();
  if (result == TSlotPricesRead::Ok ? EncodeSlotPrices(prices) != first : prices.Price(5, 4, 4) != 7.5f) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Mutations rarely keep the exact size: read the input cut or padded to
  // one record.
  TSlotPricesBytes record{};
  std::copy_n(data, std::min(size, record.size()), record.begin());
  CheckDecode(record);
  CheckFile(data, size);
  return 0;
}
