#include "text/Language.h"

#include <array>
#include <string>

#include "platform/FileLookup.h"

namespace qm {

namespace {

constexpr std::array<std::string_view, 3> kCodes = {"en", "de", "fr"};

}  // namespace

std::string_view LanguageCode(TLanguage language) { return kCodes[std::size_t(language)]; }

std::optional<TLanguage> LanguageNamed(std::string_view code) {
  for (TLanguage language : kLanguages)
    if (LanguageCode(language) == code) return language;
  return std::nullopt;
}

TLanguage DesktopLanguage(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value == nullptr || *value == 0) continue;
    // "de_DE.UTF-8@euro": the language is what comes before the territory.
    const std::string_view locale(value);
    return LanguageNamed(locale.substr(0, locale.find_first_of("_.@"))).value_or(lnEnglish);
  }
  return lnEnglish;
}

std::filesystem::path LanguageFile(const std::filesystem::path& folder, TLanguage language,
                                   const std::filesystem::path& relativePath) {
  if (language != lnEnglish) {
    const std::filesystem::path copy = folder / std::string(LanguageCode(language)) / relativePath;
    const std::filesystem::path own = FindPath(copy.parent_path(), copy.filename().string());
    if (!own.empty()) return own;
  }
  return folder / relativePath;
}

}  // namespace qm
