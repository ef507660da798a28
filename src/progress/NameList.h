#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace qm {

inline constexpr std::size_t PlayersFileSize = 358;

// The players of this installation, as "Players.dat" holds them: six slots
// of up to 16 upper-case characters, kept packed at the front, and the name
// of the current player.
class TNameList {
 public:
  static constexpr int SlotCount = 6;
  static constexpr std::size_t MaxNameLength = 16;

  int Left = 0;
  int Top = 0;
  int VertGap = 35;
  int ListWidth = 330;
  std::filesystem::path FileName;
  // Whether a player's save file exists; a player without one is pruned.
  std::function<void(const std::string& name, bool& exists)> OnSaveFileExistenceQuestion;
  // A file that could not be read or written, in words, for the log.
  std::function<void(const std::string& problem)> OnProblem;

  // A missing file leaves an empty list and an empty file. A damaged one is
  // set aside and the list rebuilt from the save files beside it; a slot
  // holding a name the entry could never produce is dropped.
  void Load();
  bool Save() const;
  // Upper-cased, stripped of what the entry could not type, trimmed and cut
  // to 16 characters; nothing when nothing is left or the list is full.
  void Add(const std::string& name);
  bool Exists(const std::string& name) const;
  bool IsFull() const;
  bool IsEmpty() const;
  void DeleteSelected();
  void Select(int index);
  void Prune();
  void FindCurrent();
  void PruneAndFindCurrent();
  // The occupied row at a point of the list, else the selected one.
  int RowAt(int x, int y) const;
  // The occupied row at a point of the list, else 0.
  int OccupiedRowAt(int x, int y) const;

  const std::string& Name(int slot) const { return FSlots[std::size_t(slot - 1)]; }
  const std::string& CurrentName() const { return FCurrent; }
  int Selected() const { return FSelected; }
  int Count() const;

 private:
  void ResetAndCreate();
  void RebuildFromSaveFiles();
  void DropUnenterableNames();
  void Report(const std::string& problem) const;
  void Pack();

  std::array<std::string, SlotCount> FSlots;
  std::string FCurrent;
  int FSelected = 1;
};

// "Players.dat" and back; a record that is not exactly one file's size
// gives nothing.
std::array<std::uint8_t, PlayersFileSize> EncodePlayers(const std::array<std::string, TNameList::SlotCount>& slots,
                                                        const std::string& current);
bool DecodePlayers(const std::uint8_t* bytes, std::size_t size, std::array<std::string, TNameList::SlotCount>& slots,
                   std::string& current);

}  // namespace qm
