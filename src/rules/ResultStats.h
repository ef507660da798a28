#pragma once

#include <array>
#include <functional>
#include <string>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;
class TGlobalGameText;

// The words of the results window: its title and the three rows, the
// playing time, the round's score counting up, then, after a short gap, the
// gold-medal bonus counting up beside the icon of its element. Each row is
// named on the left, its number stands on the right.
class TResultStats {
 public:
  // The title is centred in a band as wide as the other windows' titles;
  // a row's name keeps to the left of the highlight behind its number.
  static constexpr int TitleWidth = 342;
  static constexpr float TitleScale = 0.78f;
  static constexpr int LabelWidth = 142;
  static constexpr float LabelScale = 0.6f;

  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  bool Visible = true;
  // The window's top-left corner.
  int Left = 0;
  int Top = 0;
  // The medal's name, and the names of the time, score and bonus rows.
  std::string Title;
  std::array<std::string, 3> Labels;
  int PlayingTime = 30;  // seconds
  TElementKind BonusElementKind = elFruit;
  bool CountingPaused = false;
  int CountingGapTime = 300;  // ms
  int MaxHighlightAlpha = 100;
  int HighlightAlphaInc = 30;
  int HighlightAlphaDec = 2;
  std::function<void(const std::string& name)> OnPlaySound;

  // Each restarts its count from 0 and the gap before the bonus.
  int LevelScore() const { return FLevelScore; }
  void SetLevelScore(int value);
  int BonusElementCount() const { return FBonusCount; }
  void SetBonusElementCount(int value);

  // The round was cleared: everything the window will count, held until
  // StartCounting. The bonus shows only for gold.
  void SetResults(int playingTime, int levelScore, TMedalKind medal, TElementKind levelBonusKind,
                  int levelBonusCount);
  // The window has arrived: counting goes on, to the bells.
  void StartCounting();
  // Round preparation: nothing to count, no light.
  void Reset();
  void TickAndDraw();

  float ShownScore() const { return FShownScore; }
  float ShownBonus() const { return FShownBonus; }
  int ScoreHighlightAlpha() const { return FScoreHighlight; }
  int BonusHighlightAlpha() const { return FBonusHighlight; }

  // "m:ss".
  static std::string FormatPlayingTime(int seconds);

 private:
  void Step();
  void CountOne(float& shown, float step, int target, int& highlight);
  void Draw() const;
  void DrawRow(int row, const std::string& value) const;

  int FLevelScore = 0;
  int FBonusCount = 0;
  float FShownScore = 0;
  float FScoreStep = 1;
  float FShownBonus = 0;
  float FBonusStep = 1;
  int FScoreHighlight = 0;
  int FBonusHighlight = 0;
  int FGapClock = 0;
  int FSoundFrame = 0;
};

}  // namespace qm
