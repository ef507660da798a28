#include "Audio.h"

#include <future>

#include "AudioMusic.h"

namespace contentgen {

void GenerateAudio(const std::filesystem::path& programFolder, const std::filesystem::path& translations) {
  // Voices mostly wait on espeak-ng, so they run beside the synthesis.
  auto voices = std::async(std::launch::async, [&] { audio::GenerateVoices(programFolder, translations); });
  audio::GenerateSounds(programFolder);
  audio::GenerateMusic(programFolder);
  voices.get();
}

}  // namespace contentgen
