#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AudioDevice.h"

namespace qm {

// Every short sound effect, loaded once from the sounds folder and played by
// name. The frequent ones are loaded several times over so that they can
// overlap themselves. Without a device (null) everything is silent; the
// device must outlive the player.
class TSFXPlayer {
 public:
  static constexpr int MaxSounds = 93;

  explicit TSFXPlayer(IAudioDevice* device) : FDevice(device) {}
  ~TSFXPlayer();
  TSFXPlayer(const TSFXPlayer&) = delete;
  TSFXPlayer& operator=(const TSFXPlayer&) = delete;

  // The sounds folder, relative to the program folder or absolute.
  std::filesystem::path Path;

  int Volume() const { return FVolume; }
  void SetVolume(int value);

  // Every ".ogg" of Path in name order, in place of what was loaded before.
  void LoadSounds();
  // Names are file names without ".ogg", compared exactly; an unknown name
  // plays nothing.
  void PlaySound(std::string_view name);
  void StopAll();

 private:
  struct TSlot {
    std::string Name;
    TAudioHandle Handle;
  };

  void FreeAll();

  IAudioDevice* FDevice;
  std::vector<TSlot> FSlots;
  int FVolume = 70;
};

}  // namespace qm
