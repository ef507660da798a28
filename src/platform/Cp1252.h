#pragma once

#include <string>
#include <string_view>

namespace qm {

// The game keeps every string in the single-byte Windows Latin-1 code page
// (cp1252); the desktop speaks UTF-8.
std::string Cp1252ToUtf8(std::string_view text);
// Characters cp1252 cannot hold are dropped.
std::string Utf8ToCp1252(std::string_view text);

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, surrogates or code points past U+10FFFF.
bool IsWellFormedUtf8(std::string_view text);
// Well-formed UTF-8 meant to be shown, as cp1252. A character cp1252 lacks
// becomes '?', so the reader sees that something is missing rather than a
// word that silently lost a letter; combining accents and zero-width marks
// have no width of their own and are left out (the letter stays, bare).
std::string Utf8ToCp1252Shown(std::string_view text);

}  // namespace qm
