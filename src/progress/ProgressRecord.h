#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace qm {

inline constexpr std::size_t ProgressRecordSize = 144;

// A player's progress and options, as the player's ".sav" file holds them:
// one record of 144 bytes, little-endian. The shop, the map, the tutorials
// and the options each fill their own fields and read them back.
struct TProgressRecord {
  std::int32_t TotalScore = 0;
  // Fruit, flowers, potions, gold tiles, spiders.
  std::array<float, 5> OwnedElements{};
  // One byte per upgrade-scene object 1..23.
  std::array<std::uint8_t, 23> ObjectStates{};
  // Island 1 slots 1..4, then island 2, ... island 5; 1 = bought.
  std::array<std::uint8_t, 20> UpgradesBought{};
  std::uint8_t NextUncompletedIslandIdx = 1;
  std::int32_t NextUncompletedLevelIdx = 1;
  std::uint8_t OpeningStoryTold = 0;
  std::array<std::uint8_t, 5> IslandPlayed{};
  std::array<std::uint8_t, 5> IslandUnlocked{};
  std::uint8_t MapReset = 0;
  std::array<std::uint8_t, 5> IslandMessageShown{};
  std::array<std::uint8_t, 14> TutorialShown{};
  std::array<std::uint8_t, 27> ToolTipShown{};
  std::uint8_t SoundOn = 1;
  std::uint8_t MusicOn = 1;
  std::uint8_t FullScreen = 1;
  std::uint8_t TutorialsOn = 1;
  // 1 when the player asked for reduced effects; 0 in a new record and in
  // every record written before the option existed (the byte was padding).
  std::uint8_t ReducedEffects = 0;
  // Kept as read, 0 in a new record.
  std::uint8_t Padding = 0;
  std::int32_t SoundVolume = 70;
  std::int32_t MusicVolume = 50;

  friend bool operator==(const TProgressRecord&, const TProgressRecord&) = default;
};

// A new player: nothing played, island 1 open, the default options.
TProgressRecord DefaultProgressRecord();

std::array<std::uint8_t, ProgressRecordSize> EncodeProgressRecord(const TProgressRecord& record);
// Nothing unless the bytes are exactly one record.
std::optional<TProgressRecord> DecodeProgressRecord(std::span<const std::uint8_t> bytes);

// The most one account may hold. A whole campaign earns some thousands of
// each element; a million is far beyond that, yet the pocket still shows
// it as a whole number and a float there still counts in sixteenths, fine
// enough for what a piece earns.
inline constexpr float MaxOwnedElements = 1e6f;
// The highest total score a save may hold: it leaves more than a billion
// points of room below the 32-bit limit for the rounds still to come.
inline constexpr std::int32_t MaxTotalScore = 1'000'000'000;

// The highest resume level a save may hold: an island replays its upper
// levels for ever, and a million of them still leaves the level number
// room to count on.
inline constexpr std::int32_t MaxResumeLevel = 1'000'000;

// A damaged or edited save cannot make every upgrade affordable for ever
// or a number roll over: each account is held to 0..MaxOwnedElements (a
// NaN is 0), the total score to 0..MaxTotalScore and the resume level to
// 1..MaxResumeLevel.
void ClampProgressValues(TProgressRecord& record);

// The player's file: nothing when it is missing, short, long or unreadable;
// its values clamped as above.
std::optional<TProgressRecord> ReadProgressFile(const std::filesystem::path& file);
// Written safely (see WriteFileSafely); false, with the reason, when it
// could not be written.
bool WriteProgressFile(const std::filesystem::path& file, const TProgressRecord& record, std::string& error);

}  // namespace qm
