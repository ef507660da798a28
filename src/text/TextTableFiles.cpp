#include "text/TextTableFiles.h"

namespace qm {

const std::array<TTextTableFile, TextTableCount>& TextTableFiles() {
  static constexpr std::array<TTextTableFile, TextTableCount> kFiles{{
      {ttGameTexts, "GameTexts.txt", 20, 80, 14},
      {ttGameConfirms, "GameConfirms.txt", 20, 255},
      {ttGameComments, "GameComments.txt", 20, 80},
      {ttStoryNarrations, "StoryNarrations.txt", 8, 255},
      {ttCredits, "Credits.txt", 39, 80},
      {ttGameTutorial, "GameTutorial.txt", 30, 255},
      {ttTutorialInfo, "TutorialInfo.txt", 5, 255},
      {ttCharacterChats, "CharacterChats.txt", 149, 255},
      {ttUpgradeNames, "UpgradeNames.txt", 24, 80},
      {ttUpgradeDescs, "UpgradeDescs.txt", 24, 255},
  }};
  return kFiles;
}

const TTextTableFile& TextTableFileOf(TTextTable table) { return TextTableFiles()[table]; }

}  // namespace qm
