#pragma once

namespace qm {

class TOmegaImageList;

// The old-film look laid over the story pictures (which have their own dark
// corners): scratches and specks that jump from frame to frame and flicker.
// Reduced effects leave it out.
class TFilmOverlay {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0, Top = 0, Width = 1366, Height = 768;
  bool Visible = true;

  void Reset();
  void Start() { FRunning = true; }
  void TickAndDraw();
  bool Running() const { return FRunning; }

 private:
  void DrawScratches();

  bool FRunning = false;
  int FTick = 0;
  int FPattern = 0;
  float FOffsetX = 0;
};

}  // namespace qm
