#include "audio/SFXPlayer.h"

#include <algorithm>
#include <iostream>

#include "audio/AudioNames.h"
#include "platform/FileLookup.h"

namespace qm {

TSFXPlayer::~TSFXPlayer() { FreeAll(); }

void TSFXPlayer::SetVolume(int value) {
  FVolume = std::clamp(value, 0, 100);
  if (!FDevice) return;
  for (const TSlot& slot : FSlots) FDevice->SetVolume(slot.Handle, FVolume);
}

void TSFXPlayer::LoadSounds() {
  FreeAll();
  if (!FDevice) return;
  const std::vector<std::filesystem::path> files = ListFiles(Path, OggExtension);
  std::size_t loadedFiles = 0;
  for (const std::filesystem::path& file : files) {
    const std::string name = file.stem().string();
    const int copies = SoundName::IsFrequent(name) ? SoundName::CopiesOfFrequent : 1;
    // A frequent sound needs all its copies in the table, or it would borrow
    // the next sound's slots when it overlaps.
    if (FSlots.size() + copies > MaxSounds) break;
    ++loadedFiles;
    for (int copy = 0; copy < copies; ++copy) {
      // A file that does not load takes no slot; the device has said why.
      const std::optional<TAudioHandle> handle = FDevice->Load(file, TAudioKind::Effect);
      if (!handle) break;
      FDevice->SetVolume(*handle, FVolume);
      FSlots.push_back({name, *handle});
    }
  }
  if (loadedFiles < files.size())
    std::cerr << "quillmere: " << Path.string() << " holds more sounds than the " << MaxSounds << " the game keeps; "
              << files.size() - loadedFiles << " files ignored\n";
}

void TSFXPlayer::PlaySound(std::string_view name) {
  const auto first = std::find_if(FSlots.begin(), FSlots.end(), [&](const TSlot& slot) { return slot.Name == name; });
  if (first == FSlots.end()) return;
  const int copies = SoundName::IsFrequent(name) ? SoundName::CopiesOfFrequent : 1;
  auto end = first;
  while (end != FSlots.end() && end - first < copies && end->Name == name) ++end;
  // The first copy that is free; when all are busy the first starts over.
  const auto free = std::find_if(first, end, [&](const TSlot& slot) { return !FDevice->IsPlaying(slot.Handle); });
  const auto chosen = free == end ? first : free;
  FDevice->Play(chosen->Handle, true);
}

void TSFXPlayer::StopAll() {
  if (!FDevice) return;
  for (const TSlot& slot : FSlots) FDevice->Stop(slot.Handle);
}

void TSFXPlayer::FreeAll() {
  if (FDevice)
    for (const TSlot& slot : FSlots) FDevice->Free(slot.Handle);
  FSlots.clear();
}

}  // namespace qm
