#pragma once

namespace qm {

// A flight to the objectives panel ends over the slot's icon, which sits
// this far above and left of the slot's counter.
inline constexpr int SlotIconOffsetX = -12;
inline constexpr int SlotIconOffsetY = -46;

// A piece's way from the board to a place on a panel: it rises above the
// straight line, wobbles a little and speeds up as it nears the end.
class TArcFlight {
 public:
  // From and to are the piece's top-left corners in screen pixels.
  void Start(float fromX, float fromY, float toX, float toY, float wobble);
  // One frame on; true on the frame the piece arrives, after which the
  // flight is over.
  bool Step();
  bool Active() const { return FActive; }
  float X() const;
  float Y() const;
  // 0 at the start, 1 on arrival.
  float Progress() const;

 private:
  bool FActive = false;
  float FFromX = 0, FFromY = 0, FToX = 0, FToY = 0;
  float FArc = 0;
  float FWobble = 0;
  int FFrame = 0;
  int FFrames = 1;
};

}  // namespace qm
