#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qm {

// A player's save file: the stored name (code page 1252) as UTF-8 followed
// by ".sav", in the save folder. A file that differs only in letter case
// is the player's file too.
std::filesystem::path PlayerSaveFile(const std::filesystem::path& saveFolder, const std::string& name);

// A name the name entry could have produced: 1 to 16 capitals, digits,
// spaces and accented capitals. Only such names ever become file names, so
// nothing is read or written outside the save folder.
bool IsEnterableName(const std::string& name);

// The players whose save files lie in the folder, in name order: the list
// a lost "Players.dat" is rebuilt from.
std::vector<std::string> PlayersWithSaveFiles(const std::filesystem::path& saveFolder);

}  // namespace qm
