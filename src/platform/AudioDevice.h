#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace qm {

// The sound card as the audio players see it: a file is loaded into a handle,
// and each handle is played, stopped and given its own volume.
//
// Effects (sounds and voices) are decoded whole when loaded and any number
// of them sound at once. Music is streamed from its file while it plays, and
// one music handle sounds at a time: playing another stops it. The music box
// never needs two, and decoding every track up front would hold minutes of
// raw samples that are mostly never heard.
//
// Nothing here throws. A file that is missing or does not decode gives no
// handle; calls with a handle the device does not know do nothing.

using TAudioHandle = std::uint32_t;

enum class TAudioKind { Effect, Music };

class IAudioDevice {
 public:
  virtual ~IAudioDevice() = default;

  virtual std::optional<TAudioHandle> Load(const std::filesystem::path& file, TAudioKind kind) = 0;
  // With restart the handle starts from the beginning even when it is
  // playing; without, a playing handle goes on undisturbed. False when it
  // could not start.
  virtual bool Play(TAudioHandle handle, bool restart) = 0;
  virtual void Stop(TAudioHandle handle) = 0;
  virtual bool IsPlaying(TAudioHandle handle) = 0;
  // 0 (silent) .. 100 (as recorded); values outside are clamped.
  virtual void SetVolume(TAudioHandle handle, int volume) = 0;
  // Takes effect from the next Play.
  virtual void SetLooping(TAudioHandle handle, bool looping) = 0;
  virtual void Free(TAudioHandle handle) = 0;
  // The decoded length, 0 when it cannot be told.
  virtual int LengthMs(TAudioHandle handle) = 0;
};

}  // namespace qm
