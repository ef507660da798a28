#pragma once

#include <string>
#include <string_view>

namespace qm {

// The game keeps every string in the single-byte Windows Latin-1 code page
// (cp1252); the desktop speaks UTF-8.
std::string Cp1252ToUtf8(std::string_view text);
// Characters cp1252 cannot hold are dropped.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace qm
