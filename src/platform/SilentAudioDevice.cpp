#include "platform/SilentAudioDevice.h"

#include <algorithm>

namespace qm {

std::optional<TAudioHandle> TSilentAudioDevice::Load(const std::filesystem::path& file, TAudioKind kind) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  const TAudioHandle handle = FNextHandle++;
  FLoaded.insert(handle);
  Loads.push_back({file, kind, handle});
  Volumes[handle] = 100;
  Looping[handle] = false;
  return handle;
}

bool TSilentAudioDevice::Play(TAudioHandle handle, bool restart) {
  if (!Known(handle)) return false;
  Plays.push_back({handle, restart});
  Playing.insert(handle);
  return true;
}

void TSilentAudioDevice::Stop(TAudioHandle handle) {
  if (!Known(handle)) return;
  Stops.push_back(handle);
  Playing.erase(handle);
}

bool TSilentAudioDevice::IsPlaying(TAudioHandle handle) { return Known(handle) && Playing.contains(handle); }

void TSilentAudioDevice::SetVolume(TAudioHandle handle, int volume) {
  if (Known(handle)) Volumes[handle] = std::clamp(volume, 0, 100);
}

void TSilentAudioDevice::SetLooping(TAudioHandle handle, bool looping) {
  if (Known(handle)) Looping[handle] = looping;
}

void TSilentAudioDevice::Free(TAudioHandle handle) {
  if (!Known(handle)) return;
  Frees.push_back(handle);
  Playing.erase(handle);
  FLoaded.erase(handle);
}

int TSilentAudioDevice::LengthMs(TAudioHandle handle) { return Known(handle) ? DecodedLengthMs : 0; }

}  // namespace qm
