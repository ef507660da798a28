#include "audio/VoicePlayer.h"

#include <algorithm>
#include <iostream>

#include "audio/AudioNames.h"
#include "platform/FileLookup.h"

namespace qm {

TVoicePlayer::~TVoicePlayer() {
  if (!FDevice) return;
  for (const TSlot& slot : FSlots) FDevice->Free(slot.Handle);
}

void TVoicePlayer::SetVolume(int value) {
  FVolume = std::clamp(value, 0, 100);
  if (!FDevice) return;
  for (const TSlot& slot : FSlots) FDevice->SetVolume(slot.Handle, FVolume);
}

void TVoicePlayer::LoadVoiceSet(TVoiceSet kind, int number) {
  std::filesystem::path folder;
  switch (kind) {
    case vsStory:
      folder = AudioFolder::StoryVoices;
      break;
    case vsEnding:
      folder = AudioFolder::EndingVoices;
      break;
    case vsTutorial:
      folder = AudioFolder::TutorialVoices;
      break;
    case vsChats:
      folder = AudioFolder::ChatVoicesOf(number);
      break;
  }
  const std::vector<std::filesystem::path> files = ListFiles(FProgramFolder / folder, OggExtension);
  const std::size_t room = MaxVoices - FSlots.size();
  for (std::size_t i = 0; i < files.size() && i < room; ++i) Add(InLanguage(files[i]), files[i].stem().string());
  if (files.size() > room)
    std::cerr << "quillmere: " << (FProgramFolder / folder).string() << " holds more voices than the " << MaxVoices
              << " the game keeps; " << files.size() - room << " files ignored\n";
}

void TVoicePlayer::LoadTutorialVoice(int step) {
  const std::string name = VoiceName::Tutorial(step);
  const std::filesystem::path fileName = name + std::string(OggExtension);
  const std::filesystem::path folder = FProgramFolder / AudioFolder::TutorialVoices;
  std::filesystem::path file = FindPath(folder, fileName);
  // A missing file is still handed to the device, which says it is missing.
  if (file.empty()) file = folder / fileName;
  file = InLanguage(file);
  // Named as asked, whatever the case of the file found.
  if (FSlots.size() < MaxVoices)
    Add(file, name);
  else
    std::cerr << "quillmere: no room for " << file.string() << " beside " << MaxVoices << " voices; ignored\n";
}

void TVoicePlayer::PlayVoice(std::string_view name) {
  if (const TSlot* slot = Find(name)) FDevice->Play(slot->Handle, true);
}

void TVoicePlayer::StopAll() {
  if (!FDevice) return;
  for (const TSlot& slot : FSlots) FDevice->Stop(slot.Handle);
}

int TVoicePlayer::LengthMs(std::string_view name) const {
  const TSlot* slot = Find(name);
  return slot ? FDevice->LengthMs(slot->Handle) : 0;
}

std::filesystem::path TVoicePlayer::InLanguage(const std::filesystem::path& file) const {
  const std::filesystem::path voices = FProgramFolder / AudioFolder::Voices;
  const std::filesystem::path relative = file.lexically_relative(voices);
  if (FLanguage == lnEnglish || relative.empty() || *relative.begin() == "..") return file;
  return LanguageFile(voices, FLanguage, relative);
}

void TVoicePlayer::Add(const std::filesystem::path& file, const std::string& name) {
  if (!FDevice) return;
  // A file that does not load takes no slot; the device has said why.
  const std::optional<TAudioHandle> handle = FDevice->Load(file, TAudioKind::Effect);
  if (!handle) return;
  FDevice->SetVolume(*handle, FVolume);
  FSlots.push_back({name, *handle});
}

const TVoicePlayer::TSlot* TVoicePlayer::Find(std::string_view name) const {
  const auto slot = std::find_if(FSlots.begin(), FSlots.end(), [&](const TSlot& s) { return s.Name == name; });
  return slot == FSlots.end() ? nullptr : &*slot;
}

int TutorialVoiceVolume(int soundVolume) {
  const int hundredths = std::clamp(soundVolume, 0, 100) * 85;
  int volume = hundredths / 100;
  const int rest = hundredths % 100;
  if (rest > 50 || (rest == 50 && volume % 2 == 1)) ++volume;
  return volume;
}

}  // namespace qm
