#include "text/TextStrings.h"

#include <algorithm>

namespace qm {

namespace {

std::vector<std::string> ReadTable(const std::filesystem::path& folder, const TTextTableFile& table) {
  const std::filesystem::path file = folder / table.FileName;
  std::vector<std::string> lines = ReadTextLines(file);
  const int available = static_cast<int>(lines.size());
  if (available < table.LineCount)
    throw ETextFileError(file, available + 1,
                         "line missing: the file has " + std::to_string(available) + " lines, the game reads " +
                             std::to_string(table.LineCount));
  lines.resize(std::size_t(table.WrittenLines()));
  for (std::string& line : lines)
    if (static_cast<int>(line.size()) > table.MaxLength) line.resize(table.MaxLength);
  return lines;
}

// The language's lines over the English ones; a translation that cannot be
// read leaves the English table as it is.
void TakeTranslatedLines(const std::filesystem::path& folder, const TTextTableFile& table, TLanguage language,
                         std::vector<std::string>& lines) {
  const std::filesystem::path own = LanguageFile(folder, language, table.FileName);
  if (language == lnEnglish || own == folder / table.FileName) return;
  std::vector<std::string> translated;
  try {
    translated = ReadTextLines(own);
  } catch (const ETextFileError&) {
    return;
  }
  for (std::size_t i = 0; i < std::min(lines.size(), translated.size()); ++i)
    if (!translated[i].empty()) lines[i] = translated[i].substr(0, std::size_t(table.MaxLength));
}

}  // namespace

TTextStrings::TTextStrings(const std::filesystem::path& textsFolder, TLanguage language) {
  for (const TTextTableFile& table : TextTableFiles()) {
    FTables[table.Table] = ReadTable(textsFolder, table);
    TakeTranslatedLines(textsFolder, table, language, FTables[table.Table]);
  }
}

const std::string& TTextStrings::Text(TTextTable table, int index) const {
  static const std::string kNone;
  const std::vector<std::string>& entries = FTables[table];
  if (index < 1 || index > static_cast<int>(entries.size())) return kNone;
  return entries[index - 1];
}

}  // namespace qm
