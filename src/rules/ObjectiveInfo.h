#pragma once

#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// The banner that rises in at the start of a round to announce its
// objective, stays a while (or until the player clicks) and flies off.
class TObjectiveInfo {
 public:
  using TNotify = std::function<void(TObjectiveInfo& sender)>;

  // Where the banner rests, and where it starts below the screen.
  static constexpr int RestX = 359;
  static constexpr int RestY = 135;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int ShowingTime = 3000;
  int OrigMoveStep = 13;
  // Height of "ObjInfoShadow"; see FetchShadowHeight.
  int ShadowHeight = 0;
  TNotify OnShowing;
  TNotify OnStartHiding;
  TNotify OnHidingComplete;

  enum TState { stIdle, stDropping, stShowing, stHiding };

  void Reset();
  // Starts the banner for the objective; its logo and title show its look.
  void Show(TGameObjective objective);
  // The player's click: a showing banner leaves at once.
  void Skip();
  void TickAndDraw();
  void FetchShadowHeight();

  TState State() const { return FState; }
  float X() const { return FX; }
  float Y() const { return FY; }
  float Alpha() const { return FAlpha; }
  float Scale() const { return FScale; }
  float LogoRatio() const { return FLogo.Ratio; }
  float TitleRatio() const { return FTitle.Ratio; }

 private:
  // A size that overshoots to Max and settles back at 1.
  struct TPopIn {
    float Max, StepUp, StepDown;
    bool Started = false;
    bool Growing = false;
    float Ratio = 1;
    void Start();
    void Step();
  };

  void Step();
  void Draw();

  TState FState = stIdle;
  TGameObjective FObjective = goNormalMode;
  float FX = RestX;
  float FY = 768;
  float FSpeed = 0;
  float FAlpha = 0;
  float FScale = 0;
  int FElapsed = 0;
  TPopIn FLogo{1.15f, 0.05f, 0.03f};
  TPopIn FTitle{1.1f, 0.035f, 0.02f};
};

}  // namespace qm
