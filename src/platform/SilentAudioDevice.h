#pragma once

#include <map>
#include <set>
#include <vector>

#include "platform/AudioDevice.h"

namespace qm {

// Plays nothing and records every call, for tests and for machines without
// a sound card. A handle counts as playing from its Play until its Stop or
// Free; tests may add or remove handles in Playing to stand for sounds that
// are still running or have ended.
class TSilentAudioDevice : public IAudioDevice {
 public:
  struct TLoad {
    std::filesystem::path File;
    TAudioKind Kind;
    TAudioHandle Handle;
  };
  struct TPlay {
    TAudioHandle Handle;
    bool Restart;
  };

  std::optional<TAudioHandle> Load(const std::filesystem::path& file, TAudioKind kind) override;
  bool Play(TAudioHandle handle, bool restart) override;
  void Stop(TAudioHandle handle) override;
  bool IsPlaying(TAudioHandle handle) override;
  void SetVolume(TAudioHandle handle, int volume) override;
  void SetLooping(TAudioHandle handle, bool looping) override;
  void Free(TAudioHandle handle) override;
  int LengthMs(TAudioHandle handle) override;

  // Only existing files load, so a missing file gives no handle as it would
  // on a real device.
  std::vector<TLoad> Loads;
  std::vector<TPlay> Plays;
  std::vector<TAudioHandle> Stops;
  std::vector<TAudioHandle> Frees;
  std::map<TAudioHandle, int> Volumes;
  std::map<TAudioHandle, bool> Looping;
  std::set<TAudioHandle> Playing;
  int DecodedLengthMs = 0;

 private:
  bool Known(TAudioHandle handle) const { return FLoaded.contains(handle); }

  // Kept apart from Loads, which tests may clear.
  std::set<TAudioHandle> FLoaded;
  TAudioHandle FNextHandle = 1;
};

}  // namespace qm
