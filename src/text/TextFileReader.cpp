#include "text/TextFileReader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string_view>

#include "platform/Cp1252.h"

namespace qm {

namespace {

std::string Describe(const std::filesystem::path& file, int line, const std::string& problem) {
  std::string where = file.string();
  if (line > 0) where += ", line " + std::to_string(line);
  return where + ": " + problem;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// UTF-16 spreads every letter over two bytes, half of them zeros: no line
// of it could be shown, so the file is refused with its name.
void RefuseUtf16(const std::filesystem::path& file, const std::string& bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
    throw ETextFileError(file, 0, "the file is saved as UTF-16; save it as UTF-8 or Windows-1252");
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.emplace_back(bytes, start, i - start);
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes, start, std::string::npos);
  return lines;
}

bool HasHighBytes(const std::vector<std::string>& lines) {
  return std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
    return std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  });
}

// Lines without a mark are UTF-8 when they hold letters past ASCII and all
// of them are well-formed UTF-8: cp1252 text almost never is (an accented
// letter would have to follow one of a few capitals, like "Ã©"), so such a
// file keeps being read byte for byte.
bool LooksLikeUtf8(const std::vector<std::string>& lines) {
  return HasHighBytes(lines) && std::all_of(lines.begin(), lines.end(), IsWellFormedUtf8);
}

// A file marked as UTF-8 must be UTF-8 all through; the first line that is
// not is named rather than shown as garbage.
void RequireUtf8(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  const auto bad = std::find_if_not(lines.begin(), lines.end(), IsWellFormedUtf8);
  if (bad != lines.end())
    throw ETextFileError(file, static_cast<int>(bad - lines.begin()) + 1,
                         "the file is marked as UTF-8 but this line is not UTF-8");
}

}  // namespace

ETextFileError::ETextFileError(const std::filesystem::path& file, int line, const std::string& problem)
    : std::runtime_error(Describe(file, line, problem)), FFile(file), FLine(line) {}

std::vector<std::string> ReadTextLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ETextFileError(file, 0, "the file is missing or cannot be read");
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw ETextFileError(file, 0, "the file cannot be read");
  return TextLinesOf(file, bytes);
}

std::vector<std::string> TextLinesOf(const std::filesystem::path& file, const std::string& bytes) {
  RefuseUtf16(file, bytes);
  const bool marked = bytes.starts_with(kUtf8Mark);
  std::vector<std::string> lines = SplitLines(marked ? bytes.substr(kUtf8Mark.size()) : bytes);
  if (marked)
    RequireUtf8(file, lines);
  else if (!LooksLikeUtf8(lines))
    return lines;
  for (std::string& line : lines) line = Utf8ToCp1252Shown(line);
  return lines;
}

}  // namespace qm
