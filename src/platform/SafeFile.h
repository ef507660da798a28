#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace qm {

// Writes the whole file beside its final name, flushes it to disk and then
// renames it over the old one, so a crash or a full disk never leaves half
// a file behind. False, with the reason in error, when it could not be
// written; an existing file is then left as it was.
bool WriteFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, std::string& error);

}  // namespace qm
