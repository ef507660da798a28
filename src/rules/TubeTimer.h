#pragma once

#include <cstdint>
#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// The round's clock, shown as a glass tube at the right edge that empties
// as the time is used. It slides in, fills up, then counts while not
// paused. On a boss level running out loses the round and the monster can
// drain time from it; on a normal level it only measures the time used.
class TTubeTimer {
 public:
  using TNotify = std::function<void(TTubeTimer& sender)>;
  enum TMotion { mtStill, mtSlidingIn, mtSlidingOut, mtFillingUp, mtRunning };

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int HideLeft = 1200;
  int Top = 0;
  // The liquid column, relative to the tube's position.
  int EnergyWidth = 22;
  int EnergyHeight = 305;
  int EnergyAdjustX = 36;
  int EnergyAdjustY = 27;
  int MaxPixelProgress = 325;
  TGameObjective GameObjective = goNormalMode;
  // Round time in seconds.
  int Time = 300;
  // Seconds of play that still win a gold or a silver medal: marked beside
  // the tube where the liquid stands at that moment (0: no mark).
  int GoldSeconds = 0;
  int SilverSeconds = 0;
  // Added per frame while a drain runs.
  int AbsorbedMiliSecsPerUpdate = 1500;
  int AlmostTimeUpTimeLeft = 28;
  bool Paused = true;
  int MoveStep = 1;
  // Frames the tube takes to fill up.
  int FillingUpStepFactor = 50;
  TNotify OnAlmostTimeUp;
  TNotify OnTimeUp;

  void Reset();
  // After the level set-up: the tube comes in empty and fills up.
  void Start();
  void SlideOut();
  // Drains seconds from the tube, never beyond the round time.
  void Absorb(int seconds);
  // One frame: motion, fill-up, counting; refreshes the outputs.
  void Update();
  void Draw();
  void DrawMedalMark(int seconds, int pattern, float x, float top) const;
  void TickAndDraw() {
    Update();
    Draw();
  }

  TMotion Motion() const { return FMotion; }
  int X() const { return FX; }
  bool Running() const { return FRunning; }
  std::int64_t ElapsedMs() const { return FElapsed; }
  // Playing time in whole seconds, for the medal and the results.
  int ElapsedSeconds() const { return FElapsedSeconds; }
  // Seconds of play so far: none before the tube has first filled (the
  // elapsed count runs the fill animation then), the whole time once it has
  // run dry.
  int PlayingSeconds() const { return FHasRun ? FElapsedSeconds : 0; }
  int PercentLeft() const { return FPercentLeft; }
  // Height of the tube's empty part, and of a full tube.
  int EmptyPixels() const { return FEmptyPixels; }
  int MaxPixels() const { return MaxPixelProgress; }
  bool Draining() const { return FDraining; }

 private:
  std::int64_t TimeMs() const { return std::int64_t(Time) * 1000; }
  void Count();
  void RefreshOutputs();

  TMotion FMotion = mtStill;
  int FX = 1200;
  bool FRunning = false;
  // The count has started this round.
  bool FHasRun = false;
  bool FAlmostReported = false;
  std::int64_t FElapsed = 0;
  int FElapsedSeconds = 0;
  std::int64_t FFillStep = 0;
  bool FDraining = false;
  std::int64_t FDrainTarget = 0;
  int FPercentLeft = 100;
  int FEmptyPixels = 0;
};

}  // namespace qm
