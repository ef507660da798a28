#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace qm {

// A text table or the settings file cannot be used: missing, too short, or
// holding a value that is not a number. The message names the file and the
// line so the player can be told which one to fix.
class ETextFileError : public std::runtime_error {
 public:
  // line 0 when the whole file is at fault.
  ETextFileError(const std::filesystem::path& file, int line, const std::string& problem);

  const std::filesystem::path& File() const { return FFile; }
  int Line() const { return FLine; }

 private:
  std::filesystem::path FFile;
  int FLine;
};

// The lines of a text file in cp1252, the game's code page. A line ends at
// CR, LF or CR LF; a break at the very end of the file starts no new line.
// A cp1252 file is kept byte for byte. One saved as UTF-8 (with or without
// the byte-order mark) is converted, each character cp1252 lacks becoming
// '?'; one marked as UTF-8 that is not, or saved as UTF-16, is refused.
std::vector<std::string> ReadTextLines(const std::filesystem::path& file);
// The same for bytes already read; file only names them in an error.
std::vector<std::string> TextLinesOf(const std::filesystem::path& file, const std::string& bytes);

}  // namespace qm
