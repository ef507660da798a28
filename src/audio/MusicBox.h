#pragma once

#include <array>
#include <filesystem>
#include <optional>

#include "audio/AudioNames.h"
#include "platform/AudioDevice.h"

namespace qm {

// The music tracks (see MusicTrack), one playing at a time. A new track is
// requested, and Tick, once per frame, fades the current one out and the
// new one in. Without a device (null) everything is silent; the device must
// outlive the box.
class TMusicBox {
 public:
  // Steps per tick: at 33 ticks a second a fade-out from 70 ends in about
  // half a second, and the next track is back at 70 in about one.
  static constexpr int FadeOutStep = 5;
  static constexpr int FadeInStep = 2;

  explicit TMusicBox(IAudioDevice* device) : FDevice(device) {}
  ~TMusicBox();
  TMusicBox(const TMusicBox&) = delete;
  TMusicBox& operator=(const TMusicBox&) = delete;

  // The music folder, relative to the program folder or absolute.
  std::filesystem::path Path;

  // The level a fade-in reaches; the tracks follow at the next Tick.
  int Volume() const { return FVolume; }
  void SetVolume(int value);

  // The tracks of the table from Path, in place of what was loaded before.
  // A track that does not load stays silent; the others keep their numbers.
  void LoadTracks();
  // Requesting the current track does nothing.
  void RequestTrack(int track);
  // Once the current track, one that plays once, has ended, track fades in
  // after it; the next request forgets it.
  void FollowWith(int track) { FFollowTrack = track; }
  void Tick();
  // Stops everything and plays track from its start at once.
  void PlayTrack(int track);
  void StopAll();

  int CurrentTrack() const { return FCurrentTrack; }
  int Level() const { return FLevel; }

 private:
  void FreeAll();

  IAudioDevice* FDevice;
  std::array<std::optional<TAudioHandle>, MusicTrack::Count> FTracks;
  int FVolume = 70;
  int FCurrentTrack = -1;
  int FRequestedTrack = -1;
  int FFollowTrack = -1;
  int FLevel = 0;
  // Nothing sounds before the first request, whose fade-out then ends at once.
  bool FFadingIn = true;
};

}  // namespace qm
