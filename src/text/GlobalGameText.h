#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "text/FontMetrics.h"

namespace qm {

class TOmegaImageList;
class TScreenLayout;

// Colour choices every text draw takes.
namespace TextColor {
inline constexpr int White = 0;
inline constexpr int Yellow = 1;
inline constexpr int Red = 2;
inline constexpr int Black = 3;
inline constexpr int Brown = 4;
}  // namespace TextColor

struct TTextColor {
  int Red, Green, Blue;
};

// The tint of a colour choice; unknown choices are white.
TTextColor TextColorOf(int choice);

// Wrapped text keeps at most this many lines and joins them with "|".
inline constexpr int MaxWrappedLines = 20;
inline constexpr char TextLineBreak = '|';

// Sum of the advances of all characters.
int MeasureText(TGameFontKind kind, std::string_view text, int spacing, float scale);

// The text broken into lines no wider than maxWidth, word by word (words
// end at spaces, runs of spaces count as one). A word wider than maxWidth
// stands alone on a line and overflows it; a first word that is too wide
// leaves line 1 empty. At most 200 words of 50 characters are taken.
std::array<std::string, MaxWrappedLines> WrapLines(TGameFontKind kind, std::string_view text, int spacing,
                                                   int maxWidth, float scale);
// Line lineIndex (1-based) of WrapLines; empty past the last line.
std::string WrapLine(TGameFontKind kind, std::string_view text, int spacing, int lineIndex, int maxWidth,
                     float scale);
// The non-empty lines joined by "|" (every one after line 1 gets a "|" in
// front), cut to 255 characters.
std::string WrapText(TGameFontKind kind, std::string_view text, int spacing, int maxWidth, float scale);
// A "|"-joined text as the lines to draw one under the other.
std::vector<std::string> SplitTextLines(std::string_view text);

// The one shared writer of ordinary text: each character is one pattern of
// "GlobalFontWhite", tinted by a colour choice.
class TGlobalGameText {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  // Chooses the glyph map and the advances; the picture stays the same.
  TGameFontKind FontKind = fkAirstripNormal;
  int OrigLetterWidth = 19;
  int OrigLetterHeight = 24;

  // Letter size := pattern size of the font picture, once it is loaded.
  void FetchLetterSize();

  // Draws nothing unless scale > 0. A maxWidth of 0 means no limit;
  // otherwise drawing stops at the first character that would end beyond
  // it. The text is shifted up and left by half a scaled letter.
  void DrawText(int x, int y, std::string_view text, float scale, int spacing, int alpha, int maxWidth,
                int colour) const;
  // A black copy one pixel right and two down, then the text.
  void DrawTextShadow(int x, int y, std::string_view text, float scale, int spacing, int alpha, int maxWidth,
                      int colour) const;
  int TextWidth(std::string_view text, int spacing, float scale) const;
  // Where DrawText must be given text whose left edge is to be at x (it
  // centres the first letter on its point).
  int LeftEdgeAt(int x, float scale) const;
  // The text centred on centreX, with or without its shadow.
  void DrawCentred(int centreX, int y, std::string_view text, float scale, int alpha, int colour,
                   bool shadow = false) const;

 private:
  TScreenLayout* Layout() const;
  int DrawnWidth(std::string_view text, float scale, int spacing, int maxWidth) const;
  void NoteText(TScreenLayout& layout, int x, int y, std::string_view text, float scale, int spacing, int alpha,
                int maxWidth, int colour, bool shadow) const;
  void DrawLetters(int x, int y, std::string_view text, float scale, int spacing, int alpha, int maxWidth,
                   int colour) const;
};

}  // namespace qm
