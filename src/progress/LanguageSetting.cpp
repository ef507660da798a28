#include "progress/LanguageSetting.h"

#include <fstream>
#include <span>

#include "platform/SafeFile.h"

namespace qm {

namespace {

constexpr const char* kFileName = "Language.txt";

}  // namespace

std::optional<TLanguage> ReadChosenLanguage(const std::filesystem::path& saveFolder) {
  std::ifstream in(saveFolder / kFileName);
  std::string code;
  if (!std::getline(in, code)) return std::nullopt;
  if (!code.empty() && code.back() == '\r') code.pop_back();
  return LanguageNamed(code);
}

bool WriteChosenLanguage(const std::filesystem::path& saveFolder, TLanguage language, std::string& error) {
  const std::string text = std::string(LanguageCode(language)) + "\n";
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  return WriteFileSafely(saveFolder / kFileName, std::span(bytes, text.size()), error);
}

}  // namespace qm
