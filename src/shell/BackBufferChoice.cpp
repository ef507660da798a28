#include "shell/BackBufferChoice.h"

#include <algorithm>

namespace qm {

TDisplayMode ChooseBackBufferSize(const std::vector<TDisplayMode>& displayModes) {
  static const TDisplayMode kPreferred[] = {{1366, 768}, {1360, 768}, {1280, 768},
                                            {1280, 800}, {1280, 720}, {1024, 768}};
  for (const auto& size : kPreferred)
    if (std::find(displayModes.begin(), displayModes.end(), size) != displayModes.end()) return size;
  return {800, 600};
}

}  // namespace qm
