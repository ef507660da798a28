#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/AnimData.h"
#include "text/NarrationText.h"
#include "widgets/ScreenPoint.h"

namespace qm {

class TOmegaImageList;
class TTextStrings;

// A small dark box with a line of advice and an arrow pointing at a spot of
// the screen, shown during play the first time something matters. Only
// entries 3, 6, 13, 22 and 25 of the 27 have a text; asking for any other
// does nothing. The owner freezes play on OnStart, shows its OK button where
// OnButtonPosChange says and calls Finish when it is pressed.
class TTutorialToolTip {
 public:
  static constexpr int EntryCount = 27;
  // The move that brings the first level's objectives tip.
  static constexpr int ObjectivesTipMove = 8;
  // The text is wrapped narrow enough to stay inside the tip's box; four
  // lines end above the box's OK button.
  static constexpr int TextWidth = 240;
  static constexpr float TextScale = 0.7f;
  static constexpr int TextSpacing = -1;
  static constexpr int TextLines = 4;

  TTutorialToolTip();

  TOmegaImageList* OmgImgList = nullptr;
  const TTextStrings* TextStringsComp = nullptr;
  bool Enabled = true;
  int IslandIdx = 1, LevelIdx = 1;
  // Texts are wrapped to this width when they are loaded.
  int MaxRectTextWidth = TextWidth;
  std::function<void(TTutorialToolTip& sender)> OnStart, OnFinish;
  // Asked with the entry's usual target already in pointingPos; the spider
  // tip (22) has none and needs the landing spot.
  std::function<void(TTutorialToolTip& sender, int entry, TScreenPoint& pointingPos)> OnPointingPosRequest;
  // Where the OK button goes, once per Show before OnStart.
  std::function<void(TTutorialToolTip& sender, int x, int y)> OnButtonPosChange;
  std::function<void(TTutorialToolTip& sender, int entry)> OnSpecificToolTipIdxEvent;

  // Forgets every shown flag: load the player's flags after this.
  void ReloadTexts();
  // A move the player made; not counted while a tip is up.
  void CountMove();
  // Shows the objectives tip once the first level has seen enough moves;
  // also worth asking again when a tip has been closed.
  void CheckMoveTriggers();
  void LevelStart();
  // 0: a power tool became ready; 3: a spider landed.
  void EventTrigger(int kind);
  // 0: the upgrade scene.
  void SceneTrigger(int kind);
  // Ignored when tips are off, the entry has no text or was shown already,
  // or another tip is still up (it comes again at its next occasion).
  void Show(int entry);
  // Fades the tip out; ignored unless a tip is up and not yet leaving.
  void Finish();
  // Hidden at once, moves uncounted, everything parked off screen; the
  // shown flags stay.
  void Reset();
  void TickAndDraw();

  bool Showing() const { return FShowing; }
  int Current() const { return FCurrent; }
  bool Shown(int entry) const { return FEntries[entry - 1].Shown != 0; }
  const std::string& Text(int entry) const { return FEntries[entry - 1].Text; }
  float Fade() const { return FFade; }
  // 0 up left, 1 up right, 2 down left, 3 down right of the middle.
  int Quadrant() const { return FQuadrant; }
  TScreenPoint ArrowPos() const { return FArrowPos; }
  int ArrowAngle() const { return FArrowAngle; }
  TScreenPoint BoxPos() const { return FBoxPos; }
  TScreenPoint TextPos() const { return FTextPos; }
  TScreenPoint ButtonPos() const { return FButtonPos; }
  std::array<std::uint8_t, EntryCount> ExportShown() const;
  void ImportShown(const std::array<std::uint8_t, EntryCount>& flags);

 private:
  struct TEntry {
    std::uint8_t Shown = 0;
    std::string Text;
  };

  void LayOut();

  std::array<TEntry, EntryCount> FEntries;
  TNarrationText FText;
  TAnimData FArrow;
  int FMoves = 0;
  int FCurrent = 0;
  bool FShowing = false;
  float FFade = 0;
  float FFadeTarget = 0;
  int FQuadrant = 0;
  TScreenPoint FPointingPos = OffScreenPoint;
  TScreenPoint FArrowPos = OffScreenPoint;
  int FArrowAngle = 0;
  TScreenPoint FBoxPos = OffScreenPoint;
  TScreenPoint FTextPos = OffScreenPoint;
  TScreenPoint FButtonPos = OffScreenPoint;
};

}  // namespace qm
