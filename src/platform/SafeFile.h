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

// Moves a file that cannot be read beside itself as "<name>.damaged"
// (replacing an older one), so that nothing a player made is thrown away
// before someone can look at it. False, with the reason, when it stays.
bool SetDamagedFileAside(const std::filesystem::path& path, std::string& error);

}  // namespace qm
