#include "text/TextFileReader.h"

#include <fstream>
#include <iterator>

namespace qm {

namespace {

std::string Describe(const std::filesystem::path& file, int line, const std::string& problem) {
  std::string where = file.string();
  if (line > 0) where += ", line " + std::to_string(line);
  return where + ": " + problem;
}

}  // namespace

ETextFileError::ETextFileError(const std::filesystem::path& file, int line, const std::string& problem)
    : std::runtime_error(Describe(file, line, problem)), FFile(file), FLine(line) {}

std::vector<std::string> ReadTextLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ETextFileError(file, 0, "the file is missing or cannot be read");
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw ETextFileError(file, 0, "the file cannot be read");

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

}  // namespace qm
