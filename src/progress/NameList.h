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

  // A missing or damaged file leaves an empty list and an empty file.
  void Load();
  bool Save() const;
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

  const std::string& Name(int slot) const { return FSlots[std::size_t(slot - 1)]; }
  const std::string& CurrentName() const { return FCurrent; }
  int Selected() const { return FSelected; }
  int Count() const;

 private:
  void ResetAndCreate();
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
