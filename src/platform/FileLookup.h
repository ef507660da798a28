#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace qm {

// Data folders copied from another system may differ in letter case from the
// names the game asks for, so lookups fall back to comparing names without
// case (ASCII letters only) when the exact name is missing.

// The path itself when it exists; otherwise the existing path whose every
// component equals the asked one but for case; empty when there is none.
// Backslashes count as separators too. Of several matches of one component
// the first in name order wins, so the choice is the same on every run.
std::filesystem::path FindPath(const std::filesystem::path& path);

// FindPath of name inside folder ("Images/Logo/x.jpg" finds "images/LOGO/X.JPG").
std::filesystem::path FindPath(const std::filesystem::path& folder, const std::filesystem::path& name);

// The regular files of folder (itself found as FindPath does) whose extension
// equals extension but for case, ".png" and "png" alike; sorted by file name.
// Empty when the folder does not exist.
std::vector<std::filesystem::path> ListFiles(const std::filesystem::path& folder, std::string_view extension);

bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace qm
