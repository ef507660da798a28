#include "platform/FileLookup.h"

#include <algorithm>
#include <string>

namespace qm {
namespace {

namespace fs = std::filesystem;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The name of the entry of folder that equals name but for case, or empty.
std::string FindEntryName(const fs::path& folder, const std::string& name) {
  std::error_code error;
  std::string best;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end; !error && it != end;
       it.increment(error)) {
    std::string candidate = it->path().filename().string();
    if (SameTextIgnoringCase(candidate, name) && (best.empty() || candidate < best)) best = std::move(candidate);
  }
  return best;
}

}  // namespace

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

fs::path FindPath(const fs::path& path) {
  std::error_code error;
  if (fs::exists(path, error)) return path;

  std::string text = path.string();
  std::replace(text.begin(), text.end(), '\\', '/');
  const fs::path wanted(text);
  fs::path found = wanted.root_path();
  for (const fs::path& component : wanted.relative_path()) {
    const std::string name = component.string();
    if (name.empty() || name == ".") continue;
    fs::path exact = found / component;
    if (fs::exists(exact, error)) {
      found = std::move(exact);
      continue;
    }
    const std::string entry = FindEntryName(found, name);
    if (entry.empty()) return {};
    found /= entry;
  }
  return found;
}

fs::path FindPath(const fs::path& folder, const fs::path& name) { return FindPath(folder / name); }

std::vector<fs::path> ListFiles(const fs::path& folder, std::string_view extension) {
  std::string wanted(extension);
  if (!wanted.empty() && wanted.front() != '.') wanted.insert(wanted.begin(), '.');

  std::vector<fs::path> files;
  const fs::path found = FindPath(folder);
  if (found.empty()) return files;
  std::error_code error;
  for (fs::directory_iterator it(found, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error) && SameTextIgnoringCase(it->path().extension().string(), wanted))
      files.push_back(it->path());
  }
  std::sort(files.begin(), files.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
  return files;
}

}  // namespace qm
