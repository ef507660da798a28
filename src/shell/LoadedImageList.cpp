#include "shell/LoadedImageList.h"

#include <algorithm>

namespace qm {

bool TLoadedImageList::IsInGroup(int group, const std::string& name) const {
  const auto& names = FGroups.at(group);
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace qm
