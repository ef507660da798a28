#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "board/GeneralDataClass.h"
#include "text/GameTextIds.h"
#include "text/NarrationText.h"

namespace qm {

class TOmegaImageList;
class TGlobalGameText;
class TTextStrings;

// The tutorial scroll: a parchment with an icon, a title and a paragraph
// that explains something new before a level, each of its 14 entries at
// most once per player. It draws and fades only; the owner decides when to
// ask, blocks play while it shows and calls Finish when the player
// confirms.
class TWrenTutorial {
 public:
  static constexpr int EntryCount = TutorialTextId::EntryCount;
  // The title stays on one line within the parchment's column.
  static constexpr int TitleWidth = 330;
  static constexpr float TitleScale = 0.78f;
  // The body is wrapped to this width; six lines end above the scroll's OK
  // button.
  static constexpr int BodyWidth = 370;
  static constexpr float BodyScale = 0.7f;
  static constexpr int BodySpacing = -1;
  static constexpr int BodyLines = 6;

  TWrenTutorial();

  TOmegaImageList* OmgImgList = nullptr;
  const TGlobalGameText* GlobGameText = nullptr;
  const TTextStrings* TextStringsComp = nullptr;
  int Left = 0, Top = 0;
  bool Enabled = true;
  // Bodies are wrapped to this width when the texts are loaded.
  int MaxRectTextWidth = BodyWidth;
  // Fade per tick; reduced effects fade much faster.
  float AlphaRatioInc = 0.03f;
  float AlphaRatioDec = 0.03f;
  // Every Show fires OnSpecificTutorialIdx and then OnStart with the entry.
  std::function<void(TWrenTutorial& sender, int entry)> OnStart;
  std::function<void(TWrenTutorial& sender, int entry)> OnSpecificTutorialIdx;
  std::function<void(TWrenTutorial& sender)> OnFinish;

  // The entry a level start (or island 0 level 0: the first visit to the
  // upgrade scene) shows; 0 for none.
  static int EntryFor(int island, int level, TGameObjective objective);
  // An entry applies, the player has not seen it yet and tutorials are on.
  bool Check(int island, int level, TGameObjective objective) const;
  // Does nothing unless Check holds.
  void Show(int island, int level, TGameObjective objective);
  // Fades the scroll out; ignored unless a scroll is up and not yet leaving.
  void Finish();
  // Hidden at once; the shown flags stay.
  void Reset();
  // Forgets every shown flag: load the player's flags after this.
  void ReloadTexts();
  void TickAndDraw();

  bool Visible() const { return FVisible; }
  int Current() const { return FCurrent; }
  bool Shown(int entry) const { return FEntries[entry - 1].Shown != 0; }
  float Fade() const { return FFade; }
  const std::string& Title(int entry) const { return FEntries[entry - 1].Title; }
  // "|" between the lines.
  const std::string& Body(int entry) const { return FEntries[entry - 1].Body; }
  std::array<std::uint8_t, EntryCount> ExportShown() const;
  void ImportShown(const std::array<std::uint8_t, EntryCount>& flags);

 private:
  struct TEntry {
    std::uint8_t Shown = 0;
    std::string Title;
    std::string Body;
  };

  std::array<TEntry, EntryCount> FEntries;
  TNarrationText FText;
  int FCurrent = 0;
  bool FVisible = false;
  float FFade = 0;
  float FFadeTarget = 0;
};

}  // namespace qm
