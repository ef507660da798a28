#include "text/SettingLoader.h"

#include <charconv>
#include <string>
#include <vector>

#include "text/TextFileReader.h"
#include "text/TextTableFiles.h"

namespace qm {

namespace {

// Lines of the file, 1-based.
constexpr int kLanguageLine = 2;
constexpr int kCharSetLine = 3;
constexpr int kSmallFontLine = 6;
constexpr int kMediumFontLine = 7;
constexpr int kLargeFontLine = 8;

int ValueOf(const std::filesystem::path& file, const std::vector<std::string>& lines, int lineNumber) {
  if (lineNumber > static_cast<int>(lines.size()))
    throw ETextFileError(file, lineNumber,
                         "line missing: the file has " + std::to_string(lines.size()) + " lines, the game reads " +
                             std::to_string(SettingsLineCount));
  const std::string& line = lines[lineNumber - 1];
  const std::size_t equals = line.find('=');
  std::string_view text(line);
  if (equals != std::string::npos) text.remove_prefix(equals + 1);
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  const bool plus = !text.empty() && text.front() == '+';
  if (plus) text.remove_prefix(1);

  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || (plus && text.front() == '-') || error != std::errc() || end != text.data() + text.size())
    throw ETextFileError(file, lineNumber, "\"" + line + "\" does not end in a whole number");
  return value;
}

TSettingLoaderLanguage LanguageOf(int value) {
  switch (value) {
    case 2: return laDE;
    case 3: return laES;
    case 4: return laFR;
    case 5: return laIT;
    case 6: return laNL;
    case 7: return laBR;
    case 8: return laSE;
    default: return laUS;
  }
}

// The file numbers the character sets 1..19; the window wants the Windows
// numbers.
int CharSetOf(int value) {
  switch (value) {
    case 1: return 0;     // ANSI
    case 3: return 2;     // symbol
    case 4: return 77;    // Mac
    case 5: return 128;   // Shift-JIS
    case 6: return 129;   // Hangul
    case 7: return 130;   // Johab
    case 8: return 134;   // GB2312
    case 9: return 136;   // Big5
    case 10: return 161;  // Greek
    case 11: return 162;  // Turkish
    case 12: return 163;  // Vietnamese
    case 13: return 177;  // Hebrew
    case 14: return 178;  // Arabic
    case 15: return 186;  // Baltic
    case 16: return 204;  // Russian
    case 17: return 222;  // Thai
    case 18: return 238;  // Eastern Europe
    case 19: return 255;  // OEM
    default: return 1;    // the default set
  }
}

}  // namespace

TSettingLoader::TSettingLoader(const std::filesystem::path& textsFolder) {
  const std::filesystem::path file = textsFolder / SettingsFileName;
  const std::vector<std::string> lines = ReadTextLines(file);
  FLanguage = LanguageOf(ValueOf(file, lines, kLanguageLine));
  FCharSet = CharSetOf(ValueOf(file, lines, kCharSetLine));
  FSmallFontSize = ValueOf(file, lines, kSmallFontLine);
  FMediumFontSize = ValueOf(file, lines, kMediumFontLine);
  FLargeFontSize = ValueOf(file, lines, kLargeFontLine);
}

}  // namespace qm
