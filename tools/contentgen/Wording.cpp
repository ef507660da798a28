#include "Wording.h"

#include <fstream>
#include <stdexcept>

#include "text/Language.h"

namespace contentgen {

TWording TWording::Read(const std::filesystem::path& catalogue, std::string_view code) {
  std::ifstream in(catalogue, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + catalogue.string());
  const std::string translatedMark = std::string(code) + " ";
  TWording wording;
  std::string line, english;
  bool open = false;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto fail = [&](const std::string& why) {
      throw std::runtime_error(catalogue.string() + " line " + std::to_string(number) + ": " + why);
    };
    if (line.empty() || line[0] == '#') continue;
    if (line.starts_with("en ")) {
      if (open) fail("an English text without its translation before it");
      english = line.substr(3);
      open = true;
    } else if (line.starts_with(translatedMark)) {
      if (!open) fail("a translation without its English text");
      if (!wording.FTexts.emplace(english, line.substr(translatedMark.size())).second)
        fail("a second translation of \"" + english + "\"");
      open = false;
    } else {
      fail("neither \"en \" nor \"" + translatedMark + "\" nor a comment");
    }
  }
  return wording;
}

void ForEachWording(const std::filesystem::path& translations,
                    const std::function<void(const std::string& code, const TWording& wording)>& make) {
  for (qm::TLanguage language : qm::kLanguages) {
    const std::string code(qm::LanguageCode(language));
    const auto catalogue = translations / (code + ".txt");
    std::error_code error;
    if (language == qm::lnEnglish || translations.empty() || !std::filesystem::exists(catalogue, error)) continue;
    try {
      make(code, TWording::Read(catalogue, code));
    } catch (const std::runtime_error& failure) {
      throw std::runtime_error(code + ": " + failure.what());
    }
  }
}

std::string_view TWording::operator()(std::string_view english) const {
  const auto found = FTexts.find(english);
  return found == FTexts.end() ? english : std::string_view(found->second);
}

}  // namespace contentgen
