// The upgrade prices record: 400 bytes of little-endian floats, island-major.
#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "progress/SlotPrices.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

fs::path Scratch(const std::string& name) {
  const fs::path folder = fs::path(QUILLMERE_TEST_OUTPUT_DIR) / "slotprices";
  fs::create_directories(folder);
  const fs::path file = folder / name;
  fs::remove(file);
  return file;
}

void WriteBytes(const fs::path& file, const std::vector<unsigned char>& bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(SlotPricesLayout, PriceOfIslandSlotKindSitsAt80IslandPlus20SlotPlus4Kind) {
  EXPECT_EQ(SlotPriceOffset(1, 1, 0), 0u);
  EXPECT_EQ(SlotPriceOffset(1, 2, 0), 20u);
  EXPECT_EQ(SlotPriceOffset(2, 1, 0), 80u);
  EXPECT_EQ(SlotPriceOffset(3, 4, 4), 236u);
  EXPECT_EQ(SlotPriceOffset(5, 4, 4), 396u);
}

TEST(SlotPricesLayout, FloatsAreLittleEndianIeeeAtTheirOffsets) {
  TSlotPrices prices;
  prices.SetPrice(1, 1, 0, 1.0f);    // 0x3F800000
  prices.SetPrice(2, 3, 1, 10.5f);   // 0x41280000
  prices.SetPrice(5, 4, 4, -2.0f);   // 0xC0000000
  const TSlotPricesBytes bytes = EncodeSlotPrices(prices);

  TSlotPricesBytes expected{};
  const auto put = [&](std::size_t at, std::vector<unsigned char> four) {
    for (std::size_t i = 0; i < 4; ++i) expected[at + i] = four[i];
  };
  put(0, {0x00, 0x00, 0x80, 0x3F});
  put(80 + 40 + 4, {0x00, 0x00, 0x28, 0x41});
  put(396, {0x00, 0x00, 0x00, 0xC0});
  EXPECT_EQ(bytes, expected);
}

TEST(SlotPricesFile, IsExactly400BytesAndReadsBackTheSamePrices) {
  TSlotPrices prices;
  for (int island = 1; island <= 5; ++island)
    for (int slot = 1; slot <= 4; ++slot)
      for (int kind = 0; kind < 5; ++kind) prices.SetPrice(island, slot, kind, island * 100.0f + slot * 10.0f + kind + 0.25f);
  const fs::path file = Scratch("roundtrip.dat");
  WriteSlotPrices(file, prices);
  EXPECT_EQ(fs::file_size(file), 400u);

  TSlotPrices read;
  ASSERT_EQ(ReadSlotPrices(file, read), TSlotPricesRead::Ok);
  EXPECT_EQ(read.Price(1, 1, 0), 110.25f);
  EXPECT_EQ(read.Price(4, 2, 3), 423.25f);
  EXPECT_EQ(read.Prices, prices.Prices);
}

TEST(SlotPricesFile, MissingFileIsReportedAndLeavesPricesAlone) {
  TSlotPrices prices;
  prices.SetPrice(1, 1, 0, 7.0f);
  EXPECT_EQ(ReadSlotPrices(Scratch("absent.dat"), prices), TSlotPricesRead::Missing);
  EXPECT_EQ(prices.Price(1, 1, 0), 7.0f);
}

TEST(SlotPricesFile, ShortFileIsAnErrorNotACrash) {
  const fs::path file = Scratch("short.dat");
  WriteBytes(file, std::vector<unsigned char>(399, 0x11));
  TSlotPrices prices;
  EXPECT_EQ(ReadSlotPrices(file, prices), TSlotPricesRead::TooShort);
  EXPECT_EQ(prices.Price(5, 4, 4), 0.0f);

  WriteBytes(file, {});
  EXPECT_EQ(ReadSlotPrices(file, prices), TSlotPricesRead::TooShort);
}

// A negative or non-finite price is not a price: the whole list is refused
// rather than one upgrade made free or unbuyable by a damaged byte.
TEST(SlotPricesFile, APriceThatIsNotAPriceRefusesTheList) {
  for (const std::uint32_t bits : {0xBF800000u /* -1 */, 0x7FC00000u /* NaN */, 0x7F800000u /* infinity */}) {
    TSlotPrices written;
    written.SetPrice(3, 2, 1, std::bit_cast<float>(bits));
    const fs::path file = Scratch("bad.dat");
    const TSlotPricesBytes bytes = EncodeSlotPrices(written);
    WriteBytes(file, std::vector<unsigned char>(bytes.begin(), bytes.end()));
    TSlotPrices prices;
    prices.SetPrice(1, 1, 0, 7.0f);
    EXPECT_EQ(ReadSlotPrices(file, prices), TSlotPricesRead::BadValue) << std::hex << bits;
    EXPECT_EQ(prices.Price(1, 1, 0), 7.0f) << "left alone";
  }
}

TEST(SlotPricesFile, BytesAfterTheRecordAreIgnored) {
  std::vector<unsigned char> bytes(404, 0);
  bytes[2] = 0x80;
  bytes[3] = 0x3F;  // island 1 slot 1 fruit = 1.0
  const fs::path file = Scratch("long.dat");
  WriteBytes(file, bytes);
  TSlotPrices prices;
  ASSERT_EQ(ReadSlotPrices(file, prices), TSlotPricesRead::Ok);
  EXPECT_EQ(prices.Price(1, 1, 0), 1.0f);
}

}  // namespace
}  // namespace qm
