#pragma once

#include <optional>
#include <string_view>

namespace qm {

// How the frame meets the screen: drawn at its own size and stretched
// (One), or drawn with the finer pictures at least twice its size (Two), or
// whichever suits the window's real size (Auto).
enum class TScaleMode { Auto, One, Two };

// "1", "2" or "auto", as the command lines take them.
std::optional<TScaleMode> ScaleModeNamed(std::string_view name);

struct TOutputScale {
  float Scale = 1;   // output pixels for each unit of the frame
  int Density = 1;   // the pictures drawn: 1 the pack's own, 2 the finer set
  bool operator==(const TOutputScale&) const = default;
};

// Above this many output pixels to a unit, the finer pictures are worth
// their memory.
constexpr float kFinerPicturesAbove = 1.2f;

// The scale for a window of output pixels showing a frame of frame units
// with its aspect kept: at the window's own size when that is more than
// kFinerPicturesAbove times the frame (Auto), never less than twice (Two).
TOutputScale ChooseOutputScale(TScaleMode mode, int outputWidth, int outputHeight, int frameWidth, int frameHeight);

}  // namespace qm
