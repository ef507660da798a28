#include "progress/ProgressRecord.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/SafeFile.h"

namespace qm {

namespace {

// Field offsets in the file.
namespace Offset {
constexpr std::size_t TotalScore = 0;
constexpr std::size_t OwnedElements = 4;
constexpr std::size_t ObjectStates = 24;
constexpr std::size_t UpgradesBought = 47;
constexpr std::size_t NextIsland = 67;
constexpr std::size_t NextLevel = 68;
constexpr std::size_t StoryTold = 72;
constexpr std::size_t IslandPlayed = 73;
constexpr std::size_t IslandUnlocked = 78;
constexpr std::size_t MapReset = 83;
constexpr std::size_t IslandMessageShown = 84;
constexpr std::size_t TutorialShown = 89;
constexpr std::size_t ToolTipShown = 103;
constexpr std::size_t SoundOn = 130;
constexpr std::size_t MusicOn = 131;
constexpr std::size_t FullScreen = 132;
constexpr std::size_t TutorialsOn = 133;
constexpr std::size_t ReducedEffects = 134;
constexpr std::size_t Padding = 135;
constexpr std::size_t SoundVolume = 136;
constexpr std::size_t MusicVolume = 140;
}  // namespace Offset

// Every field with its offset, for writing (a const record) and reading
// alike. Integers and floats are stored little-endian, as on every machine
// this runs on.
template <class Record, class Visit>
void ForEachField(Record& r, Visit visit) {
  visit(Offset::TotalScore, r.TotalScore);
  visit(Offset::OwnedElements, r.OwnedElements);
  visit(Offset::ObjectStates, r.ObjectStates);
  visit(Offset::UpgradesBought, r.UpgradesBought);
  visit(Offset::NextIsland, r.NextUncompletedIslandIdx);
  visit(Offset::NextLevel, r.NextUncompletedLevelIdx);
  visit(Offset::StoryTold, r.OpeningStoryTold);
  visit(Offset::IslandPlayed, r.IslandPlayed);
  visit(Offset::IslandUnlocked, r.IslandUnlocked);
  visit(Offset::MapReset, r.MapReset);
  visit(Offset::IslandMessageShown, r.IslandMessageShown);
  visit(Offset::TutorialShown, r.TutorialShown);
  visit(Offset::ToolTipShown, r.ToolTipShown);
  visit(Offset::SoundOn, r.SoundOn);
  visit(Offset::MusicOn, r.MusicOn);
  visit(Offset::FullScreen, r.FullScreen);
  visit(Offset::TutorialsOn, r.TutorialsOn);
  visit(Offset::ReducedEffects, r.ReducedEffects);
  visit(Offset::Padding, r.Padding);
  visit(Offset::SoundVolume, r.SoundVolume);
  visit(Offset::MusicVolume, r.MusicVolume);
}

static_assert(sizeof(std::array<float, 5>) == 20 && sizeof(float) == 4);

}  // namespace

TProgressRecord DefaultProgressRecord() {
  TProgressRecord record;
  record.IslandUnlocked[0] = 1;
  record.MapReset = 1;
  return record;
}

std::array<std::uint8_t, ProgressRecordSize> EncodeProgressRecord(const TProgressRecord& record) {
  std::array<std::uint8_t, ProgressRecordSize> bytes{};
  ForEachField(record, [&](std::size_t at, const auto& field) { std::memcpy(bytes.data() + at, &field, sizeof field); });
  return bytes;
}

std::optional<TProgressRecord> DecodeProgressRecord(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != ProgressRecordSize) return std::nullopt;
  TProgressRecord record;
  ForEachField(record, [&](std::size_t at, auto& field) { std::memcpy(&field, bytes.data() + at, sizeof field); });
  return record;
}

void ClampProgressValues(TProgressRecord& record) {
  record.TotalScore = std::clamp(record.TotalScore, 0, MaxTotalScore);
  record.NextUncompletedLevelIdx = std::clamp(record.NextUncompletedLevelIdx, 1, MaxResumeLevel);
  for (float& owned : record.OwnedElements) owned = std::isnan(owned) ? 0.0f : std::clamp(owned, 0.0f, MaxOwnedElements);
}

std::optional<TProgressRecord> ReadProgressFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // One byte more than a record tells a long file from a whole one.
  std::vector<std::uint8_t> bytes(ProgressRecordSize + 1);
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  bytes.resize(std::size_t(in.gcount()));
  std::optional<TProgressRecord> record = DecodeProgressRecord(bytes);
  if (record) ClampProgressValues(*record);
  return record;
}

bool WriteProgressFile(const std::filesystem::path& file, const TProgressRecord& record, std::string& error) {
  const auto bytes = EncodeProgressRecord(record);
  return WriteFileSafely(file, bytes, error);
}

}  // namespace qm
