#include "progress/PlayerFiles.h"

#include <algorithm>

#include "platform/Cp1252.h"
#include "platform/FileLookup.h"
#include "progress/NameInput.h"

namespace qm {

namespace {
constexpr const char* kSaveExtension = ".sav";
}

std::filesystem::path PlayerSaveFile(const std::filesystem::path& saveFolder, const std::string& name) {
  const std::filesystem::path file = saveFolder / (Cp1252ToUtf8(name) + kSaveExtension);
  const std::filesystem::path found = FindPath(file);
  return found.empty() ? file : found;
}

bool IsEnterableName(const std::string& name) {
  // Names are stored trimmed.
  if (name.empty() || name.size() > TNameInput::MaxLength || name.front() == ' ' || name.back() == ' ') return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    const auto code = static_cast<unsigned char>(c);
    return TNameInput::Accepts(code) && TNameInput::UpperCase(code) == code;
  });
}

std::vector<std::string> PlayersWithSaveFiles(const std::filesystem::path& saveFolder) {
  std::vector<std::string> names;
  for (const std::filesystem::path& file : ListFiles(saveFolder, kSaveExtension)) {
    const std::string stem = file.stem().string();
    const std::string name = Utf8ToCp1252(stem);
    // Only a name that comes back to the same file name is a player's.
    if (IsEnterableName(name) && Cp1252ToUtf8(name) == stem) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace qm
