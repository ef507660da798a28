#pragma once

namespace qm {

// A position in the 1366 x 768 frame.
struct TScreenPoint {
  int X = 0;
  int Y = 0;

  friend bool operator==(const TScreenPoint&, const TScreenPoint&) = default;
};

// Where parked components sit, well off the screen.
inline constexpr TScreenPoint OffScreenPoint{-999, -999};

}  // namespace qm
