#pragma once

#include <array>
#include <string_view>

namespace qm {

// The text tables of the "Texts" folder, in the order they are read. A table
// keeps line i of its file as entry i (1-based), cut to the table's longest
// entry; a file with fewer lines than the table is a start-up error.
enum TTextTable {
  ttGameTexts,
  ttGameConfirms,
  ttGameComments,
  ttStoryNarrations,
  ttCredits,
  ttGameTutorial,
  ttTutorialInfo,
  ttCharacterChats,
  ttUpgradeNames,
  ttUpgradeDescs,
};

struct TTextTableFile {
  TTextTable Table;
  std::string_view FileName;
  // Lines a file must have.
  int LineCount;
  int MaxLength;
  // Lines after those that our own content pack adds; a file without them
  // (an original-style data folder) reads them as empty.
  int ExtraLines = 0;
  int WrittenLines() const { return LineCount + ExtraLines; }
};

inline constexpr std::string_view TextsFolderName = "Texts";
inline constexpr int TextTableCount = 10;

const std::array<TTextTableFile, TextTableCount>& TextTableFiles();
const TTextTableFile& TextTableFileOf(TTextTable table);

// The language settings beside the tables: key=value lines of which only the
// position counts; lines 2, 3, 6, 7 and 8 are read.
inline constexpr std::string_view SettingsFileName = "_settings.txt";
inline constexpr int SettingsLineCount = 8;

}  // namespace qm
