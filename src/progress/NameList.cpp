#include "progress/NameList.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/SafeFile.h"
#include "progress/NameInput.h"
#include "progress/PlayerFiles.h"

namespace qm {

namespace {

constexpr std::size_t kSlotBytes = 17;
constexpr std::size_t kCurrentAt = TNameList::SlotCount * kSlotBytes;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::array<std::uint8_t, PlayersFileSize> EncodePlayers(const std::array<std::string, TNameList::SlotCount>& slots,
                                                        const std::string& current) {
  std::array<std::uint8_t, PlayersFileSize> bytes{};
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const std::size_t length = std::min(slots[i].size(), TNameList::MaxNameLength);
    bytes[i * kSlotBytes] = std::uint8_t(length);
    std::copy_n(slots[i].begin(), length, bytes.begin() + std::ptrdiff_t(i * kSlotBytes + 1));
  }
  const std::size_t length = std::min<std::size_t>(current.size(), 255);
  bytes[kCurrentAt] = std::uint8_t(length);
  std::copy_n(current.begin(), length, bytes.begin() + std::ptrdiff_t(kCurrentAt + 1));
  return bytes;
}

bool DecodePlayers(const std::uint8_t* bytes, std::size_t size, std::array<std::string, TNameList::SlotCount>& slots,
                   std::string& current) {
  if (size != PlayersFileSize) return false;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    // A length past the slot's 16 characters is cut to them.
    const std::size_t length = std::min<std::size_t>(bytes[i * kSlotBytes], TNameList::MaxNameLength);
    slots[i].assign(reinterpret_cast<const char*>(bytes + i * kSlotBytes + 1), length);
  }
  current.assign(reinterpret_cast<const char*>(bytes + kCurrentAt + 1), bytes[kCurrentAt]);
  return true;
}

void TNameList::ResetAndCreate() {
  FSlots.fill({});
  FCurrent.clear();
  std::ofstream(FileName, std::ios::binary | std::ios::trunc);
}

void TNameList::Load() {
  std::error_code ec;
  if (!std::filesystem::exists(FileName, ec)) {
    ResetAndCreate();
    return;
  }
  std::ifstream in(FileName, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  FSlots.fill({});
  FCurrent.clear();
  // A file created and never saved is empty: no players yet.
  if (in.bad() || !in.is_open() || (!bytes.empty() && !DecodePlayers(bytes.data(), bytes.size(), FSlots, FCurrent))) {
    RebuildFromSaveFiles();
    return;
  }
  DropUnenterableNames();
}

void TNameList::RebuildFromSaveFiles() {
  std::string error;
  if (SetDamagedFileAside(FileName, error))
    Report(FileName.string() + " could not be read; it was kept as " + FileName.filename().string() +
           ".damaged and the players were found again from their save files");
  else
    Report(FileName.string() + " could not be read: " + error);
  FSlots.fill({});
  FCurrent.clear();
  const std::vector<std::string> names = PlayersWithSaveFiles(FileName.parent_path());
  std::copy_n(names.begin(), std::min<std::size_t>(names.size(), SlotCount), FSlots.begin());
  FCurrent = FSlots[0];
  FSelected = 1;
  Save();
}

void TNameList::DropUnenterableNames() {
  for (std::string& slot : FSlots)
    if (!slot.empty() && !IsEnterableName(slot)) slot.clear();
  if (!IsEnterableName(FCurrent)) FCurrent.clear();
  Pack();
}

void TNameList::Report(const std::string& problem) const {
  if (OnProblem) OnProblem(problem);
}

bool TNameList::Save() const {
  const auto bytes = EncodePlayers(FSlots, FCurrent);
  std::string error;
  if (WriteFileSafely(FileName, bytes, error)) return true;
  Report("the players could not be saved: " + error);
  return false;
}

void TNameList::Add(const std::string& name) {
  // Only what the entry could have typed becomes a name (and a file name).
  std::string typed = TNameInput::UpperCase(name);
  std::erase_if(typed, [](char c) { return !TNameInput::Accepts(static_cast<unsigned char>(c)); });
  const std::string entry = Trimmed(Trimmed(typed).substr(0, MaxNameLength));
  if (!entry.empty()) {
    const auto empty = std::find(FSlots.begin(), FSlots.end(), std::string());
    if (empty != FSlots.end()) {
      *empty = entry;
      Select(int(empty - FSlots.begin()) + 1);
    }
  }
  Save();
}

bool TNameList::Exists(const std::string& name) const {
  const std::string entry = TNameInput::UpperCase(Trimmed(name));
  return !entry.empty() && std::find(FSlots.begin(), FSlots.end(), entry) != FSlots.end();
}

int TNameList::Count() const {
  return int(std::count_if(FSlots.begin(), FSlots.end(), [](const std::string& s) { return !s.empty(); }));
}

bool TNameList::IsFull() const { return Count() == SlotCount; }

bool TNameList::IsEmpty() const { return Count() == 0; }

void TNameList::Pack() {
  std::stable_partition(FSlots.begin(), FSlots.end(), [](const std::string& s) { return !s.empty(); });
}

void TNameList::DeleteSelected() {
  const int index = FSelected;
  FSlots[std::size_t(index - 1)].clear();
  Pack();
  for (int slot = index; slot >= 1; --slot)
    if (!Name(slot).empty()) {
      Select(slot);
      break;
    }
  Save();
}

void TNameList::Select(int index) {
  index = std::clamp(index, 1, SlotCount);
  while (index > 1 && Name(index).empty()) --index;
  FSelected = index;
  FCurrent = Name(index);
}

void TNameList::Prune() {
  for (std::string& slot : FSlots) {
    if (slot.empty()) continue;
    bool exists = false;
    if (OnSaveFileExistenceQuestion) OnSaveFileExistenceQuestion(slot, exists);
    if (!exists) slot.clear();
  }
  Pack();
}

void TNameList::FindCurrent() {
  const auto found = std::find(FSlots.begin(), FSlots.end(), FCurrent);
  if (!FCurrent.empty() && found != FSlots.end()) {
    FSelected = int(found - FSlots.begin()) + 1;
    return;
  }
  FSelected = 1;
  FCurrent = Name(1);
}

void TNameList::PruneAndFindCurrent() {
  Prune();
  FindCurrent();
}

int TNameList::RowAt(int x, int y) const {
  const int row = OccupiedRowAt(x, y);
  return row == 0 ? FSelected : row;
}

int TNameList::OccupiedRowAt(int x, int y) const {
  if (x < Left || x > Left + ListWidth || y < Top || VertGap <= 0) return 0;
  const int row = (y - Top) / VertGap + 1;
  if (row < 1 || row > SlotCount || Name(row).empty() || y > Top + row * VertGap) return 0;
  return row;
}

}  // namespace qm
