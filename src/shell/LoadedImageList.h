#pragma once

#include <array>
#include <string>
#include <vector>

namespace qm {

// Unloadable picture groups: which names each scene's folder brought in.
enum TImageGroup { igStory = 0, igEnding = 1, igUpgradeScene = 2, igCreatures = 3, igMenu = 4 };
constexpr int kImageGroupCount = 5;

class TLoadedImageList {
 public:
  void Record(int group, const std::string& name) { FGroups.at(group).push_back(name); }
  bool IsInGroup(int group, const std::string& name) const;
  const std::vector<std::string>& Names(int group) const { return FGroups.at(group); }
  bool Empty(int group) const { return FGroups.at(group).empty(); }
  void Clear(int group) { FGroups.at(group).clear(); }

 private:
  std::array<std::vector<std::string>, kImageGroupCount> FGroups;
};

}  // namespace qm
