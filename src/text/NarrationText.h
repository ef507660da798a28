#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "text/FontMetrics.h"
#include "widgets/ScreenPoint.h"

namespace qm {

class TOmegaImageList;

// A few lines of text typed out letter by letter: each letter appears faint
// and brightens on its own, and the whole text can fade away at once. Used
// under the story strips, in the chapter balloons and on the tutorials.
class TNarrationText {
 public:
  static constexpr int MaxLines = 8;
  static constexpr int MaxLineLength = 100;

  TOmegaImageList* OmgImgList = nullptr;
  TGameFontKind FontKind = fkAirstripNormal;
  float FontRatio = 0.7f;
  // Pixels from one line to the next.
  int VertSpace = 17;
  // Letter spacing.
  int HorzSpaceAdd = 1;
  int StartingAlpha = 25;
  // Brightening per frame.
  int AlphaStep = 8;
  // Letters revealed per frame.
  int AlphaUpdateRepeat = 2;
  // Fading per frame once vanishing.
  int VanishingAlphaStep = 25;
  // Where the letter revealed this frame lies: the owner puffs dust there.
  std::function<void(TNarrationText& sender, TScreenPoint point)> OnTailPosUpdate;

  int MaxAlpha() const { return FMaxAlpha; }
  // 256 and above count as 255.
  void SetMaxAlpha(int value);

  // Replaces the text; "|" breaks lines, and only the first eight lines of
  // at most 100 letters each are kept.
  void Show(int x, int y, std::string_view text, int red, int green, int blue);
  void ShowWhite(int x, int y, std::string_view text);
  // Once per frame: reveal, brighten or fade, draw.
  void UpdateAndDraw();
  void Vanish();
  // True when every letter was already out; otherwise brings them all out
  // at full alpha and answers false.
  bool RevealAll();
  void Clear();

  // Line 1..8; empty past the text.
  const std::string& Line(int line) const { return FLines[line - 1]; }
  // Letter 1.. of line 1..8.
  int LetterAlpha(int line, int letter) const { return FAlphas[line - 1][letter - 1]; }
  bool Vanishing() const { return FVanishing; }
  TScreenPoint Origin() const { return {FOriginX, FOriginY}; }

 private:
  void Reveal();
  void Fade();
  void Draw();

  int FMaxAlpha = 230;
  int FOriginX = 0, FOriginY = 0;
  int FRed = 255, FGreen = 255, FBlue = 255;
  std::array<std::string, MaxLines> FLines;
  std::array<std::array<std::uint8_t, MaxLineLength>, MaxLines> FAlphas{};
  // Line 1..8 being revealed (9 when all are out) and its last revealed letter.
  int FRevealLine = 1;
  int FRevealLetter = 0;
  bool FVanishing = false;
};

// A story narration is wrapped to this width, in the normal font at this
// size and letter spacing.
inline constexpr int StoryNarrationWidth = 920;
inline constexpr float StoryNarrationScale = 0.7f;
inline constexpr int StoryNarrationSpacing = -1;

// The look of a story narration: tighter letters, wider lines, a slower
// and brighter reveal than the defaults.
void SetStoryNarrationLook(TNarrationText& text);
// Shows a story narration as the story does: wrapped in the text's own font
// to the story's width, the first line centred on the screen, in white.
void ShowStoryNarration(TNarrationText& text, std::string_view narration);

}  // namespace qm
