#pragma once

#include <filesystem>

namespace contentgen {

// Writes the desktop icon in every size desktops look for, as
// <folder>/<N>x<N>/apps/org.quillmere.Quillmere.png, the layout of an icon
// theme's folder.
void GenerateIcons(const std::filesystem::path& folder);

}  // namespace contentgen
