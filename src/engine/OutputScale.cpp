#include "engine/OutputScale.h"

#include <algorithm>

namespace qm {

std::optional<TScaleMode> ScaleModeNamed(std::string_view name) {
  if (name == "1") return TScaleMode::One;
  if (name == "2") return TScaleMode::Two;
  if (name == "auto") return TScaleMode::Auto;
  return std::nullopt;
}

TOutputScale ChooseOutputScale(TScaleMode mode, int outputWidth, int outputHeight, int frameWidth, int frameHeight) {
  if (frameWidth <= 0 || frameHeight <= 0) return {};
  const float fit = std::min(float(outputWidth) / float(frameWidth), float(outputHeight) / float(frameHeight));
  switch (mode) {
    case TScaleMode::One:
      return {};
    case TScaleMode::Two:
      return {std::max(2.0f, fit), 2};
    case TScaleMode::Auto:
      break;
  }
  if (fit > kFinerPicturesAbove) return {fit, 2};
  return {};
}

}  // namespace qm
