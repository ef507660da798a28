#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AudioDevice.h"
#include "text/Language.h"

namespace qm {

enum TVoiceSet { vsStory = 0, vsEnding = 1, vsTutorial = 2, vsChats = 3 };

// The spoken lines of one story, ending, tutorial step or chat. The shell
// makes a new player for each set of lines. Without a device (null)
// everything is silent; the device must outlive the player.
class TVoicePlayer {
 public:
  static constexpr int MaxVoices = 20;

  // The "Voices" folders are looked for in programFolder; each line is
  // spoken in the language where the pack has it in that language.
  TVoicePlayer(IAudioDevice* device, std::filesystem::path programFolder, TLanguage language = lnEnglish)
      : FDevice(device), FProgramFolder(std::move(programFolder)), FLanguage(language) {}
  ~TVoicePlayer();
  TVoicePlayer(const TVoicePlayer&) = delete;
  TVoicePlayer& operator=(const TVoicePlayer&) = delete;

  int Volume() const { return FVolume; }
  void SetVolume(int value);

  // Every ".ogg" of the set's folder in name order; number picks the chat
  // and is not used by the other sets.
  void LoadVoiceSet(TVoiceSet kind, int number);
  // "Tutorial<step>.ogg" alone.
  void LoadTutorialVoice(int step);
  // Names are file names without ".ogg"; an unknown name plays nothing.
  void PlayVoice(std::string_view name);
  void StopAll();
  // How long the voice speaks; 0 for an unknown name.
  int LengthMs(std::string_view name) const;

 private:
  struct TSlot {
    std::string Name;
    TAudioHandle Handle;
  };

  void Add(const std::filesystem::path& file, const std::string& name);
  std::filesystem::path InLanguage(const std::filesystem::path& file) const;
  const TSlot* Find(std::string_view name) const;

  IAudioDevice* FDevice;
  std::filesystem::path FProgramFolder;
  TLanguage FLanguage;
  std::vector<TSlot> FSlots;
  int FVolume = 70;
};

// Tutorial voices sound a little under the sound volume: 85 % of it,
// rounded half to even.
int TutorialVoiceVolume(int soundVolume);

}  // namespace qm
