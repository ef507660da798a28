#pragma once

#include <string>
#include <vector>

namespace qm {

// How many columns and rows of patterns each multi-pattern picture has.
// Every other picture is one pattern.
class TSpriteTileCount {
 public:
  struct TEntry {
    std::string Name;  // up to 80 characters
    int Columns;
    int Rows;
    bool Used;
  };

  TSpriteTileCount();

  void Add(const std::string& name, int columns, int rows);
  // Exact, case-sensitive, first match; marks the entry used. Unknown names
  // have one column and one row.
  void Lookup(const std::string& name, int& columns, int& rows);
  const std::vector<TEntry>& Entries() const { return FEntries; }

 private:
  std::vector<TEntry> FEntries;
};

}  // namespace qm
