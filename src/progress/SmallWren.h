#pragma once

#include <functional>
#include <string>

namespace qm {

class TOmegaImageList;

// The little guide of the upgrade scene. When an upgrade is bought it flies
// from its perch to the slot, cheers there while the town picture changes,
// and flies home again.
class TSmallWren {
 public:
  // Patterns of "SmallWren": wings down, beak open, wings up, cheering.
  static constexpr int PatternPerched = 0;
  static constexpr int PatternWingsDown = 0;
  static constexpr int PatternWingsUp = 2;
  static constexpr int PatternCheering = 3;
  // Ticks of one leg of the trip: the shortest, and the cap for long ones.
  static constexpr int MinFlightTicks = 16;
  static constexpr int MaxFlightTicks = 24;
  static constexpr int CheerTicks = 24;

  TOmegaImageList* OmgImgList = nullptr;
  // The perch; positions are the picture's top-left corner.
  int HomeX = 0, HomeY = 0;
  // The moment the bought object appears in the town.
  std::function<void()> OnCheerPeak;
  // Back on the perch.
  std::function<void()> OnCheerDone;
  std::function<void(const std::string& sound)> OnPlaySound;

  // Ignored while a trip is under way.
  void FlyTo(int x, int y);
  bool Busy() const { return FState != stPerched; }
  void Reset();
  void TickAndDraw();

  float X() const { return FX; }
  float Y() const { return FY; }
  int Pattern() const;
  // True when it faces left (the picture faces right).
  bool FacingLeft() const { return FFacingLeft; }

 private:
  enum TState { stPerched, stFlyingOut, stCheering, stFlyingBack };

  void Step();
  void Draw() const;
  void StartLeg(float fromX, float fromY, float toX, float toY);
  // True on the tick the leg ends.
  bool StepLeg();

  TState FState = stPerched;
  float FX = 0, FY = 0;
  float FFromX = 0, FFromY = 0, FToX = 0, FToY = 0;
  float FArc = 0;
  int FTick = 0;
  int FTicks = 1;
  bool FFacingLeft = false;
  bool FPeakDone = false;
};

}  // namespace qm
