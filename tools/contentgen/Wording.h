#pragma once

// A language's wording of the English texts: a catalogue in the source tree
// (translations/<code>.txt, UTF-8) pairs each English text ("en ...") with
// the language's ("de ..."), entries apart by blank lines, '#' starting a
// comment. A text the catalogue lacks stays English.

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace contentgen {

class TWording {
 public:
  // English: every text as it is.
  TWording() = default;
  // Throws on a malformed catalogue, naming the file and line.
  static TWording Read(const std::filesystem::path& catalogue, std::string_view code);

  std::string_view operator()(std::string_view english) const;
  bool IsEnglish() const { return FTexts.empty(); }

 private:
  std::map<std::string, std::string, std::less<>> FTexts;
};

// Calls make with the code and wording of every language but English that
// has a catalogue in the folder (none when the folder is empty); a failure
// names the language.
void ForEachWording(const std::filesystem::path& translations,
                    const std::function<void(const std::string& code, const TWording& wording)>& make);

}  // namespace contentgen
