#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "text/Language.h"
#include "text/TextFileReader.h"
#include "text/TextTableFiles.h"

namespace qm {

// Every word the game shows, read once at start-up from the ten text tables
// of the "Texts" folder. Entry i of a table is line i of its file, cut to the
// table's longest entry, bytes in cp1252 as written.
class TTextStrings {
 public:
  // Reads the tables in their fixed order; throws ETextFileError for a
  // missing file or one with fewer lines than its table reads. In another
  // language each line is the language's own where its table has it (in
  // the folder's language folder) and it is not empty, the English one
  // elsewhere: a translation never leaves a line empty.
  explicit TTextStrings(const std::filesystem::path& textsFolder, TLanguage language = lnEnglish);

  // Entry by 1-based index; empty for an index the table does not have.
  const std::string& Text(TTextTable table, int index) const;
  int Count(TTextTable table) const { return static_cast<int>(FTables[table].size()); }

 private:
  std::array<std::vector<std::string>, TextTableCount> FTables;
};

}  // namespace qm
