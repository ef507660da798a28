#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace qm {

// The languages the game speaks. English is the program folder's own: its
// texts, lettered pictures and voices lie in the folders themselves; every
// other language has a folder of its own in each ("Texts/de/"), holding
// what it says differently.
enum TLanguage { lnEnglish, lnGerman, lnFrench };
inline constexpr TLanguage kLanguages[] = {lnEnglish, lnGerman, lnFrench};

// "en", "de", "fr": the folder names and what --lang takes.
std::string_view LanguageCode(TLanguage language);
std::optional<TLanguage> LanguageNamed(std::string_view code);

// The desktop's language from the locale variables, read as the C library
// reads them (LC_ALL, then LC_MESSAGES, then LANG; the first one set
// decides): "de_DE.UTF-8" is German, "fr" French; "C", "POSIX", nothing or a
// language the game does not speak is English.
TLanguage DesktopLanguage(const char* lcAll, const char* lcMessages, const char* lang);

// The language's copy of a file of the folder where it has one, else the
// folder's own: a language falls back to English file by file. The file may
// lie below the folder ("Menu/PlayButton.png" has its German copy in
// "de/Menu/PlayButton.png").
std::filesystem::path LanguageFile(const std::filesystem::path& folder, TLanguage language,
                                   const std::filesystem::path& relativePath);

}  // namespace qm
