#pragma once

#include <string>
#include <vector>

#include "platform/RgbaImage.h"

namespace qm {

// Edges in frame pixels: Left and Top inside, Right and Bottom just outside.
struct TLayoutBox {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;

  bool Empty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(const TLayoutBox& other) const {
    return other.Left >= Left && other.Top >= Top && other.Right <= Right && other.Bottom <= Bottom;
  }
  bool Overlaps(const TLayoutBox& other) const {
    return other.Left < Right && Left < other.Right && other.Top < Bottom && Top < other.Bottom;
  }
};

enum TLayoutKind { lkPicture, lkText };

// One thing a frame drew: a picture (by its image name) or a run of text.
struct TLayoutItem {
  TLayoutKind Kind = lkPicture;
  std::string Name;  // the image name, or the text itself
  TLayoutBox Box;
  int Alpha = 255;
  int Red = 255, Green = 255, Blue = 255;  // a text's tint
  bool Shadow = false;
};

// What the frame put where, for the team's layout checks. The screen keeps
// one only while the gallery draws; in play there is none and nothing is
// noted.
class TScreenLayout {
 public:
  std::vector<TLayoutItem> Items;
  // Texts are noted but their letters are left out (their shadows stay), so
  // that the frame shows what stands behind them.
  bool HideLetters = false;

  void Clear() { Items.clear(); }
  void Note(TLayoutItem item) { Items.push_back(std::move(item)); }
};

// The WCAG relative luminance of an sRGB colour (0 black to 1 white).
double RelativeLuminance(int red, int green, int blue);
// The WCAG contrast ratio of two luminances, from 1 to 21.
double ContrastRatio(double luminance1, double luminance2);

// Faults a player would see in a frame's layout, one line each: a window,
// panel, button, marker or text cut by the edge of the width x height frame
// (wholly outside, it has been slid away; a panel set against an edge may
// bleed a few pixels past it); a text
// that runs out of the window or panel it stands in, over a button, or into
// another text. Texts and pictures that are fading (alpha below 250) are
// passing through and are not judged.
std::vector<std::string> LayoutFaults(const std::vector<TLayoutItem>& items, int width, int height);

// Texts whose letters stand out from what is around them by less than
// minimum (the WCAG ratio). shown is the frame; withoutLetters the same frame
// drawn with HideLetters. The letters are the pixels the two differ in, the
// background the pixels right around them. Texts behind the veil of a window
// in front are not judged.
std::vector<std::string> ContrastFaults(const std::vector<TLayoutItem>& items, const TRgbaImage& shown,
                                        const TRgbaImage& withoutLetters, double minimum = 4.5);

}  // namespace qm
