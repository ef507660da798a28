#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "text/Language.h"

namespace qm {

// The language the player chose, kept in a file of its own in the save
// folder ("Language.txt", the language's code on one line), so the save
// files keep their layouts. Nothing, or anything but a known code, is no
// choice: the desktop's language is spoken then.
std::optional<TLanguage> ReadChosenLanguage(const std::filesystem::path& saveFolder);
// False, with the reason, when it could not be written.
bool WriteChosenLanguage(const std::filesystem::path& saveFolder, TLanguage language, std::string& error);

}  // namespace qm
