#pragma once

#include <filesystem>

namespace contentgen {

// Writes "Sounds/", "Music/" and "Voices/" into the program folder: every
// name of src/audio/AudioNames.h as Ogg Vorbis, the voices also in every
// language with a catalogue in translations (may be empty).
void GenerateAudio(const std::filesystem::path& programFolder, const std::filesystem::path& translations);

namespace audio {
void GenerateSounds(const std::filesystem::path& programFolder);
// Speaks our own texts with espeak-ng.
void GenerateVoices(const std::filesystem::path& programFolder, const std::filesystem::path& translations);
}  // namespace audio

}  // namespace contentgen
