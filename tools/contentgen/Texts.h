#pragma once

#include <filesystem>

namespace contentgen {

// The English tables into "Texts", and each language with a catalogue in
// the translations folder into "Texts/<code>".
void GenerateTexts(const std::filesystem::path& programFolder, const std::filesystem::path& translations);

}  // namespace contentgen
