#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzFiles.h"
#include "platform/Cp1252.h"
#include "text/SettingLoader.h"
#include "text/TextFileReader.h"
#include "text/TextStrings.h"
#include "text/TextTableFiles.h"

namespace {

using namespace qm;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// The lines as the bytes hold them, by the plain rule: CR, LF or CR LF.
std::vector<std::string> RawLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (!IsBreak(bytes[i])) {
      line += bytes[i];
      continue;
    }
    lines.push_back(line);
    line.clear();
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool HasHighBytes(const std::vector<std::string>& raw) {
  return std::any_of(raw.begin(), raw.end(), [](const std::string& line) {
    return std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  });
}

bool AllUtf8(const std::vector<std::string>& raw) {
  return std::all_of(raw.begin(), raw.end(), [](const std::string& line) { return IsWellFormedUtf8(line); });
}

// Only a UTF-16 file or one marked as UTF-8 that is not may be refused.
// Otherwise there are as many lines as breaks say, none holding a break; a
// cp1252 file is kept byte for byte and a converted line never grows.
void CheckLines(const std::string& bytes) {
  const bool marked = bytes.starts_with(kUtf8Mark);
  const std::vector<std::string> raw = RawLines(marked ? std::string_view(bytes).substr(kUtf8Mark.size()) : bytes);
  std::vector<std::string> lines;
  try {
    lines = TextLinesOf("fuzz.txt", bytes);
  } catch (const ETextFileError&) {
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    if (!utf16 && !(marked && !AllUtf8(raw))) std::abort();
    return;
  }
  if (lines.size() != raw.size()) std::abort();
  const bool converted = marked || (HasHighBytes(raw) && AllUtf8(raw));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (std::any_of(lines[i].begin(), lines[i].end(), IsBreak)) std::abort();
    if (converted ? lines[i].size() > raw[i].size() : lines[i] != raw[i]) std::abort();
  }
}

// A folder of well-formed tables and settings (150 lines of "Key=1" serve
// them all) with one file replaced by the input; gone with the object.
class TTextsFolder {
 public:
  TTextsFolder(std::string_view file, const std::string& bytes) : FScratch("TextTableReaderFuzz") {
    std::string lines;
    for (int i = 0; i < 150; ++i) lines += "Key=1\n";
    for (const TTextTableFile& table : TextTableFiles()) Write(table.FileName, lines);
    Write(SettingsFileName, lines);
    Write(file, bytes);
  }
  const std::filesystem::path& Path() const { return FScratch.Path(); }

 private:
  void Write(std::string_view file, const std::string& bytes) {
    fuzz::WriteBytes(Path() / file, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  fuzz::TScratchFolder FScratch;
};

// Every table read from the folder has all its entries, none longer than
// the table allows; a file that cannot be used is refused by its error.
void CheckTables(const std::string& bytes, std::string_view file) {
  const TTextsFolder folder(file, bytes);
  try {
    if (file == SettingsFileName) {
      const TSettingLoader settings(folder.Path());
      if (settings.Language() < laUS || settings.Language() > laSE) std::abort();
      return;
    }
    const TTextStrings texts(folder.Path());
    for (const TTextTableFile& table : TextTableFiles()) {
      if (texts.Count(table.Table) != table.LineCount) std::abort();
      for (int i = 1; i <= table.LineCount; ++i)
        if (static_cast<int>(texts.Text(table.Table, i).size()) > table.MaxLength) std::abort();
    }
  } catch (const ETextFileError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckLines(bytes);
  // The input's length picks the file, so the corpus's own files need no
  // prefix: a table of many lines, a short one, or the settings.
  const auto& tables = TextTableFiles();
  const std::size_t pick = size % (tables.size() + 1);
  CheckTables(bytes, pick < tables.size() ? tables[pick].FileName : SettingsFileName);
  return 0;
}
