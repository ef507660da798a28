#include "shell/FormWin10Confirm.h"

namespace qm {

bool ReducedEffectsWanted(const TOsVersion& version) {
  if (!version.NtFamily) return false;
  bool sixTwoOrThree = version.Major == 6 && (version.Minor == 2 || version.Minor == 3);
  bool aboveSixThree = version.Major > 6;
  return (sixTwoOrThree && version.Workstation) || aboveSixThree;
}

}  // namespace qm
