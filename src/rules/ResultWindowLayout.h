#pragma once

#include "widgets/ScreenPoint.h"

namespace qm {

class TGameButton;
class TGameMenuWindow;
class TOmegaImageList;
class TResultFeatureShine;
class TResultMedal;
class TResultStats;

// Where the results window rests and how it arrives; its contents ride
// along at fixed offsets from its top-left corner.
namespace ResultWindow {
inline constexpr const char* Image = "StageResultWindow";
inline constexpr TScreenPoint Position{480, 161};
inline constexpr int HiddenTop = -450;
inline constexpr int MoveStep = 85;
// Left alone, the window closes itself after this long.
inline constexpr int ShownTime = 15000;  // ms
inline constexpr TScreenPoint TrophyOffset{123, 56};
// The words take the whole window.
inline constexpr TScreenPoint StatsOffset{0, 0};
inline constexpr TScreenPoint ShineOffset{130, 102};
inline constexpr TScreenPoint OKButtonOffset{133, 380};
}  // namespace ResultWindow

// Picture, resting place, the slide down from above and the closing timer.
void SetupResultWindow(TGameMenuWindow& window);

// How the window and its contents work together at a round's end: the
// contents and the OK button ride along, the trophy and the counting start
// when the window has arrived, and OK or the closing timer send it away.
// The owner hears the end through the window's OnHidingComplete.
void WireResultWindow(TGameMenuWindow& window, TResultMedal& medal, TResultStats& stats, TResultFeatureShine& shine,
                      TGameButton& ok);

// The slow additive shine that turns behind the trophy.
class TResultFeatureShine {
 public:
  static constexpr float TurnStep = 0.2f;  // degrees per tick
  static constexpr float Scale = 2.35f;
  static constexpr int Alpha = 30;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int Left = 0;
  int Top = 0;

  void Reset() { FAngle = 0; }
  void TickAndDraw();
  float Angle() const { return FAngle; }

 private:
  float FAngle = 0;
};

// Moves the trophy, the statistics and the shine with the window.
void PlaceResultContents(TScreenPoint window, TResultMedal& medal, TResultStats& stats, TResultFeatureShine& shine);

}  // namespace qm
