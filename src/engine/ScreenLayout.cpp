#include "engine/ScreenLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qm {

namespace {

constexpr int kSettledAlpha = 250;
constexpr int kPanelBleed = 8;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// Pictures that hold texts: windows, panels, the scroll and the balloons.
bool IsHolder(const TLayoutItem& item) {
  return item.Kind == lkPicture && (EndsWith(item.Name, "Window") || Contains(item.Name, "Panel") ||
                                    item.Name == "TutorialScroll" || Contains(item.Name, "Balloon"));
}

bool IsButton(const TLayoutItem& item) { return item.Kind == lkPicture && EndsWith(item.Name, "Button"); }

bool IsMarker(const TLayoutItem& item) {
  return item.Kind == lkPicture && (item.Name == "MapIslandMarker" || item.Name == "MapStamp" ||
                                    item.Name == "MapArrow" || item.Name == "TubeMedalMarks");
}

// Veils a window lays over the screen behind it.
bool IsVeil(const TLayoutItem& item) {
  return item.Kind == lkPicture &&
         (item.Name == "ScreenDarkener" || item.Name == "TutorialBlackRect" || item.Name == "TransDark" ||
          item.Name == "BlackRect");
}

// A text a later veil lies over stands behind the window in front and is
// not meant to be read.
bool Veiled(const std::vector<TLayoutItem>& items, std::size_t index) {
  for (std::size_t j = index + 1; j < items.size(); ++j)
    if (IsVeil(items[j]) && items[j].Alpha > 0 && items[j].Box.Contains(items[index].Box)) return true;
  return false;
}

bool Settled(const TLayoutItem& item) { return item.Alpha >= kSettledAlpha && !item.Box.Empty(); }

// The letters of a text without the empty rows above and below them in
// their cells.
TLayoutBox LetterBox(const TLayoutItem& text) {
  TLayoutBox box = text.Box;
  const int trim = (box.Bottom - box.Top) / 5;
  box.Top += trim;
  box.Bottom -= trim;
  box.Left += 2;
  box.Right -= 2;
  return box;
}

std::string Describe(const TLayoutItem& item) {
  char where[64];
  std::snprintf(where, sizeof where, " at %d,%d-%d,%d", item.Box.Left, item.Box.Top, item.Box.Right,
                item.Box.Bottom);
  return (item.Kind == lkText ? "text \"" + item.Name + "\"" : item.Name) + where;
}

double Luminance(const std::uint8_t* pixel) { return RelativeLuminance(pixel[0], pixel[1], pixel[2]); }

int Difference(const std::uint8_t* a, const std::uint8_t* b) {
  return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
}

// The contrast of one text's letters with the pixels around them; 0 when
// too few of its letters show to judge.
double TextContrast(const TLayoutItem& text, const TRgbaImage& shown, const TRgbaImage& without) {
  constexpr int kInk = 60, kClear = 20, kRing = 2;
  const int left = std::max(0, text.Box.Left - kRing), top = std::max(0, text.Box.Top - kRing);
  const int right = std::min(shown.Width, text.Box.Right + kRing);
  const int bottom = std::min(shown.Height, text.Box.Bottom + kRing);
  if (right <= left || bottom <= top) return 0;
  const int width = right - left, height = bottom - top;
  std::vector<int> difference(std::size_t(width) * height);
  int strongest = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const int d = Difference(shown.At(x, y), without.At(x, y));
      difference[std::size_t(y - top) * width + (x - left)] = d;
      strongest = std::max(strongest, d);
    }
  if (strongest < kInk) return 0;
  const auto at = [&](int x, int y) { return difference[std::size_t(y) * width + x]; };
  double letters = 0, around = 0;
  int letterCount = 0, aroundCount = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int d = at(x, y);
      if (d * 10 >= strongest * 6) {
        letters += Luminance(shown.At(left + x, top + y));
        ++letterCount;
      } else if (d <= kClear) {
        bool nearInk = false;
        for (int dy = -kRing; dy <= kRing && !nearInk; ++dy)
          for (int dx = -kRing; dx <= kRing && !nearInk; ++dx) {
            const int nx = x + dx, ny = y + dy;
            nearInk = nx >= 0 && ny >= 0 && nx < width && ny < height && at(nx, ny) >= kInk;
          }
        if (nearInk) {
          around += Luminance(shown.At(left + x, top + y));
          ++aroundCount;
        }
      }
    }
  if (letterCount < 5 || aroundCount == 0) return 0;
  return ContrastRatio(letters / letterCount, around / aroundCount);
}

}  // namespace

double RelativeLuminance(int red, int green, int blue) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

double ContrastRatio(double luminance1, double luminance2) {
  const double lighter = std::max(luminance1, luminance2), darker = std::min(luminance1, luminance2);
  return (lighter + 0.05) / (darker + 0.05);
}

std::vector<std::string> LayoutFaults(const std::vector<TLayoutItem>& items, int width, int height) {
  std::vector<std::string> faults;
  const TLayoutBox frame{0, 0, width, height};
  for (std::size_t i = 0; i < items.size(); ++i) {
    const TLayoutItem& item = items[i];
    if (!Settled(item)) continue;
    const bool judged = item.Kind == lkText || IsHolder(item) || IsButton(item) || IsMarker(item);
    // Wholly outside is slid away; partly outside is cut, but for a panel's
    // bleed beyond an edge it is set against.
    const int bleed = IsHolder(item) ? kPanelBleed : 0;
    const TLayoutBox allowed{-bleed, -bleed, width + bleed, height + bleed};
    if (judged && frame.Overlaps(item.Box) && !allowed.Contains(item.Box))
      faults.push_back(Describe(item) + " is cut by the frame's edge");
    if (item.Kind != lkText) continue;
    const TLayoutBox letters = LetterBox(item);
    const int centreX = (item.Box.Left + item.Box.Right) / 2, centreY = (item.Box.Top + item.Box.Bottom) / 2;
    for (std::size_t j = i; j-- > 0;) {
      const TLayoutItem& holder = items[j];
      if (!Settled(holder) || !IsHolder(holder)) continue;
      if (!holder.Box.Contains(TLayoutBox{centreX, centreY, centreX + 1, centreY + 1})) continue;
      if (!holder.Box.Contains(letters)) faults.push_back(Describe(item) + " runs out of " + Describe(holder));
      break;
    }
    for (std::size_t j = 0; j < items.size(); ++j) {
      const TLayoutItem& other = items[j];
      if (j == i || !Settled(other)) continue;
      if (IsButton(other) && other.Box.Overlaps(letters))
        faults.push_back(Describe(item) + " lies over " + Describe(other));
      else if (other.Kind == lkText && j > i && LetterBox(other).Overlaps(letters))
        faults.push_back(Describe(item) + " runs into " + Describe(other));
    }
  }
  return faults;
}

std::vector<std::string> ContrastFaults(const std::vector<TLayoutItem>& items, const TRgbaImage& shown,
                                        const TRgbaImage& withoutLetters, double minimum) {
  std::vector<std::string> faults;
  if (shown.Width != withoutLetters.Width || shown.Height != withoutLetters.Height) return faults;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const TLayoutItem& item = items[i];
    if (item.Kind != lkText || !Settled(item) || Veiled(items, i)) continue;
    const double contrast = TextContrast(item, shown, withoutLetters);
    if (contrast > 0 && contrast < minimum) {
      char ratio[32];
      std::snprintf(ratio, sizeof ratio, " has a contrast of %.1f:1", contrast);
      faults.push_back(Describe(item) + ratio);
    }
  }
  return faults;
}

}  // namespace qm
