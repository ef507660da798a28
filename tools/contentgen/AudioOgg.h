#pragma once

#include <filesystem>

#include "AudioSynth.h"

namespace contentgen::audio {

// Encodes a mono wave as Ogg Vorbis (variable bit rate at the given quality,
// -0.1..1). The stream's serial number comes from the file name, so every run
// writes the same bytes. Samples are clamped to -1..1.
void WriteOggVorbis(const std::filesystem::path& file, const TWave& wave, float quality);

}  // namespace contentgen::audio
