#pragma once

#include <functional>
#include <string>

namespace qm {

class TOmegaImageList;

// A picture that drops in big, shrinks onto its place and flashes a shine
// as it lands. It stays attached for AttachedTime (0: until reset), then
// shrinks away and reports its end.
class TPlusOneBigHeart {
 public:
  using TNotify = std::function<void(TPlusOneBigHeart& sender)>;

  enum TPhase { phIdle, phWaiting, phLanding, phAttached, phLeaving };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  std::string ImageName;
  // Top-left corner of the picture at its attached size.
  int Left = 0;
  int Top = 0;
  int MainPattern = 0;
  int ShinePattern = 0;
  float StartSize = 2.0f;
  float StartSizeStep = 0.1f;
  float AttachedSize = 1.0f;
  float EndSizeStep = 0.02f;
  int ShineStartAlpha = 110;
  int ShineAlphaStep = 6;
  int ShineEndAlpha = 10;
  float ShineStartSize = 1.0f;
  float ShineSizeStep = 0.05f;
  int AttachedTime = 0;  // ms
  TNotify OnFinished;

  // The drop begins after delayMs.
  void Start(int delayMs = 0);
  void Reset();
  void TickAndDraw();

  TPhase Phase() const { return FPhase; }
  float Size() const { return FSize; }
  bool ShineShowing() const { return FShineAlpha > ShineEndAlpha; }

 private:
  void Step();
  void Draw() const;

  TPhase FPhase = phIdle;
  int FClock = 0;
  int FDelay = 0;
  float FSize = 0;
  int FAlpha = 0;
  int FShineAlpha = 0;
  float FShineSize = 0;
};

}  // namespace qm
