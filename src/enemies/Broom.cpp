#include "enemies/Broom.h"

#include <cmath>

#include "audio/AudioNames.h"
#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "enemies/ToolFrames.h"

namespace qm {

namespace {

constexpr float kSwingDegrees = 25.0f;

}  // namespace

TBroom::TBroom() : TCountedTool(27, 227, 85, 258, 250, -3, -38) { ImgName = std::string(img::BroomTool); }

void TBroom::AskTile(TPoint tile, bool& applies, bool& blank) {
  if (OnObjectBroomableAsk) OnObjectBroomableAsk(tile, applies, blank);
}

void TBroom::ReportTilePos(TPoint tile, bool applies) {
  if (OnTilePosChange) OnTilePosChange(tile, applies);
}

void TBroom::UseAt(TPoint tile, int, int) {
  bool broomable = false;
  bool blank = true;
  AskTile(tile, broomable, blank);
  if (broomable && Stock() > 0) {
    SpendOne();
    FSweptTile = tile;
    FSweepTick = 0;
    SetState(TCountedToolState::Sweeping);
    PlaySound(SoundName::Sweeping);
  } else if (!blank) {
    PlaySound(SoundName::DisabledTile);
  } else {
    StartReturn();
  }
}

void TBroom::UpdateWork() {
  if (++FSweepTick < SweepTicks) return;
  if (OnTileBroomingFinished) OnTileBroomingFinished(FSweptTile);
  int websLeft = 0;
  if (OnWebsLeftQuestion) OnWebsLeftQuestion(websLeft);
  if (Stock() == 0 || websLeft == 0) {
    StartReturn();
    return;
  }
  SetState(TCountedToolState::Carried);
}

void TBroom::DrawWork() {
  // Back and forth over the web, two swings a sweep.
  const float swing = kSwingDegrees * std::sin(float(FSweepTick) * 6.2832f * 2.0f / float(SweepTicks));
  DrawCarried(toolframe::Carried, swing);
}

}  // namespace qm
