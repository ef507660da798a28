#pragma once

#include <string>
#include <string_view>

namespace qm {

// Where a table's text takes a value, so that each language puts it where
// its sentence wants it: "Welcome, {name}!", "Bienvenue, {name} !".
inline constexpr std::string_view NamePlaceholder = "{name}";
inline constexpr std::string_view NumberPlaceholder = "{number}";

// The text with the value in its placeholder. A text without one (an
// original-style table, written to have the value appended) gets the value
// and then the tail at its end.
std::string WithValue(std::string_view text, std::string_view placeholder, std::string_view value,
                      std::string_view tail);

// The text with a one-letter value in each placeholder: what checks of the
// drawn letters look at, since a placeholder itself is never drawn.
std::string WithSampleValues(std::string_view text);

}  // namespace qm
