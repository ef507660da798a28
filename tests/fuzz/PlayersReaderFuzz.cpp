#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzFiles.h"
#include "progress/NameList.h"
#include "progress/PlayerFiles.h"

namespace {

using namespace qm;
using TSlots = std::array<std::string, TNameList::SlotCount>;

constexpr std::size_t kSlotBytes = TNameList::MaxNameLength + 1;
constexpr std::size_t kCurrentAt = TNameList::SlotCount * kSlotBytes;

// The bytes as the writer puts them back: a slot's length cut to its 16
// characters and nothing kept past a name's end.
std::vector<std::uint8_t> AsWritten(std::vector<std::uint8_t> bytes) {
  auto clearPast = [&](std::size_t at, std::size_t end) {
    std::fill(bytes.begin() + std::ptrdiff_t(at), bytes.begin() + std::ptrdiff_t(end), 0);
  };
  for (std::size_t slot = 0; slot < TNameList::SlotCount; ++slot) {
    std::uint8_t& length = bytes[slot * kSlotBytes];
    length = std::min<std::uint8_t>(length, TNameList::MaxNameLength);
    clearPast(slot * kSlotBytes + 1 + length, (slot + 1) * kSlotBytes);
  }
  clearPast(kCurrentAt + 1 + bytes[kCurrentAt], PlayersFileSize);
  return bytes;
}

// A record that decodes writes back to its bytes and reads again the same.
void CheckDecode(const std::vector<std::uint8_t>& bytes) {
  TSlots slots;
  std::string current;
  if (DecodePlayers(bytes.data(), bytes.size(), slots, current) != (bytes.size() == PlayersFileSize)) std::abort();
  if (bytes.size() != PlayersFileSize) return;
  for (const std::string& slot : slots)
    if (slot.size() > TNameList::MaxNameLength) std::abort();
  const auto written = EncodePlayers(slots, current);
  const auto expected = AsWritten(bytes);
  if (!std::equal(written.begin(), written.end(), expected.begin(), expected.end())) std::abort();
  TSlots again;
  std::string againCurrent;
  if (!DecodePlayers(written.data(), written.size(), again, againCurrent) || again != slots || againCurrent != current)
    std::abort();
}

std::vector<std::string> Names(const TNameList& list) {
  std::vector<std::string> names;
  for (int slot = 1; slot <= TNameList::SlotCount; ++slot) names.push_back(list.Name(slot));
  return names;
}

// The same bytes as Players.dat: the list takes exactly what the decoder
// takes and an empty list otherwise, and whatever it holds it can prune,
// select, add to and save.
void CheckLoad(const std::uint8_t* data, std::size_t size) {
  const fuzz::TScratchFolder scratch("PlayersReaderFuzz");
  const auto& folder = scratch.Path();
  TNameList list;
  list.FileName = folder / "Players.dat";
  fuzz::WriteBytes(list.FileName, data, size);
  list.Load();
  TSlots slots;
  std::string current;
  if (DecodePlayers(data, size, slots, current)) {
    // Only names the entry could have typed are kept, packed in order.
    std::vector<std::string> kept;
    for (const std::string& slot : slots)
      if (IsEnterableName(slot)) kept.push_back(slot);
    kept.resize(TNameList::SlotCount);
    if (Names(list) != kept || list.CurrentName() != (IsEnterableName(current) ? current : "")) std::abort();
  } else if (size == 0) {
    if (!list.IsEmpty() || !fuzz::ReadBytes(list.FileName).empty()) std::abort();
  } else {
    // Damaged: kept aside as it was, and with no save files beside it the
    // list found again is empty and written whole.
    const auto aside = fuzz::ReadBytes(folder / "Players.dat.damaged");
    if (!list.IsEmpty() || fuzz::ReadBytes(list.FileName).size() != PlayersFileSize ||
        !std::equal(aside.begin(), aside.end(), data, data + size) || aside.size() != size)
      std::abort();
  }
  list.OnSaveFileExistenceQuestion = [](const std::string& name, bool& exists) { exists = name.size() % 2 == 1; };
  list.PruneAndFindCurrent();
  const auto names = Names(list);
  if (!std::is_partitioned(names.begin(), names.end(), [](const std::string& n) { return !n.empty(); })) std::abort();
  if (list.Selected() < 1 || list.Selected() > TNameList::SlotCount || list.CurrentName() != list.Name(list.Selected()))
    std::abort();
  for (int y = -40; y < 260; y += 17) list.Select(list.RowAt(size % 400, y));
  list.Add(std::string(data, data + std::min<std::size_t>(size, 20)));
  TNameList reread;
  reread.FileName = list.FileName;
  reread.Load();
  if (Names(reread) != Names(list) || reread.CurrentName() != list.CurrentName()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckDecode(std::vector<std::uint8_t>(data, data + size));
  // Mutations rarely keep the exact size: also read the input cut or padded
  // to one record, which lets them reach the names.
  std::vector<std::uint8_t> record(data, data + std::min(size, PlayersFileSize));
  record.resize(PlayersFileSize, 0);
  CheckDecode(record);
  CheckLoad(data, size);
  CheckLoad(record.data(), record.size());
  return 0;
}
