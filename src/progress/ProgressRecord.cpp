#include "progress/ProgressRecord.h"

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
constexpr std::size_t Padding = 134;
constexpr std::size_t SoundVolume = 136;
constexpr std::size_t MusicVolume = 140;
}  // namespace Offset

// Copies a field to or from its place in the bytes. Integers and floats are
// stored little-endian, as on every machine this runs on.
template <class Field>
void Put(std::array<std::uint8_t, ProgressRecordSize>& bytes, std::size_t at, const Field& field) {
  std::memcpy(bytes.data() + at, &field, sizeof field);
}

template <class Field>
void Get(std::span<const std::uint8_t> bytes, std::size_t at, Field& field) {
  std::memcpy(&field, bytes.data() + at, sizeof field);
}

static_assert(sizeof(std::array<float, 5>) == 20 && sizeof(float) == 4);

}  // namespace

TProgressRecord DefaultProgressRecord() {
  TProgressRecord record;
  record.IslandUnlocked[0] = 1;
  record.MapReset = 1;
  return record;
}

std::array<std::uint8_t, ProgressRecordSize> EncodeProgressRecord(const TProgressRecord& r) {
  std::array<std::uint8_t, ProgressRecordSize> bytes{};
  Put(bytes, Offset::TotalScore, r.TotalScore);
  Put(bytes, Offset::OwnedElements, r.OwnedElements);
  Put(bytes, Offset::ObjectStates, r.ObjectStates);
  Put(bytes, Offset::UpgradesBought, r.UpgradesBought);
  Put(bytes, Offset::NextIsland, r.NextUncompletedIslandIdx);
  Put(bytes, Offset::NextLevel, r.NextUncompletedLevelIdx);
  Put(bytes, Offset::StoryTold, r.OpeningStoryTold);
  Put(bytes, Offset::IslandPlayed, r.IslandPlayed);
  Put(bytes, Offset::IslandUnlocked, r.IslandUnlocked);
  Put(bytes, Offset::MapReset, r.MapReset);
  Put(bytes, Offset::IslandMessageShown, r.IslandMessageShown);
  Put(bytes, Offset::TutorialShown, r.TutorialShown);
  Put(bytes, Offset::ToolTipShown, r.ToolTipShown);
  Put(bytes, Offset::SoundOn, r.SoundOn);
  Put(bytes, Offset::MusicOn, r.MusicOn);
  Put(bytes, Offset::FullScreen, r.FullScreen);
  Put(bytes, Offset::TutorialsOn, r.TutorialsOn);
  Put(bytes, Offset::Padding, r.Padding);
  Put(bytes, Offset::SoundVolume, r.SoundVolume);
  Put(bytes, Offset::MusicVolume, r.MusicVolume);
  return bytes;
}

std::optional<TProgressRecord> DecodeProgressRecord(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != ProgressRecordSize) return std::nullopt;
  TProgressRecord r;
  Get(bytes, Offset::TotalScore, r.TotalScore);
  Get(bytes, Offset::OwnedElements, r.OwnedElements);
  Get(bytes, Offset::ObjectStates, r.ObjectStates);
  Get(bytes, Offset::UpgradesBought, r.UpgradesBought);
  Get(bytes, Offset::NextIsland, r.NextUncompletedIslandIdx);
  Get(bytes, Offset::NextLevel, r.NextUncompletedLevelIdx);
  Get(bytes, Offset::StoryTold, r.OpeningStoryTold);
  Get(bytes, Offset::IslandPlayed, r.IslandPlayed);
  Get(bytes, Offset::IslandUnlocked, r.IslandUnlocked);
  Get(bytes, Offset::MapReset, r.MapReset);
  Get(bytes, Offset::IslandMessageShown, r.IslandMessageShown);
  Get(bytes, Offset::TutorialShown, r.TutorialShown);
  Get(bytes, Offset::ToolTipShown, r.ToolTipShown);
  Get(bytes, Offset::SoundOn, r.SoundOn);
  Get(bytes, Offset::MusicOn, r.MusicOn);
  Get(bytes, Offset::FullScreen, r.FullScreen);
  Get(bytes, Offset::TutorialsOn, r.TutorialsOn);
  Get(bytes, Offset::Padding, r.Padding);
  Get(bytes, Offset::SoundVolume, r.SoundVolume);
  Get(bytes, Offset::MusicVolume, r.MusicVolume);
  return r;
}

std::optional<TProgressRecord> ReadProgressFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // One byte more than a record tells a long file from a whole one.
  std::vector<std::uint8_t> bytes(ProgressRecordSize + 1);
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  bytes.resize(std::size_t(in.gcount()));
  return DecodeProgressRecord(bytes);
}

bool WriteProgressFile(const std::filesystem::path& file, const TProgressRecord& record) {
  const auto bytes = EncodeProgressRecord(record);
  std::string error;
  return WriteFileSafely(file, bytes, error);
}

}  // namespace qm
