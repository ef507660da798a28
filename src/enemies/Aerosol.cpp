#include "enemies/Aerosol.h"

#include <algorithm>
#include <cmath>

#include "audio/AudioNames.h"
#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "enemies/ToolFrames.h"

namespace qm {

namespace {

constexpr float kShakeDegrees = 12.0f;

}  // namespace

TAerosol::TAerosol() : TCountedTool(26, 278, 85, 308, 400, -16, -8) { ImgName = std::string(img::AerosolTool); }

// Anything on the board may be sprayed; nothing there is highlighted.
void TAerosol::AskTile(TPoint, bool& applies, bool& blank) {
  applies = true;
  blank = false;
}

void TAerosol::UseAt(TPoint, int x, int y) {
  if (Stock() < 1) return;
  SpendOne();
  FCentreX = x;
  FCentreY = y;
  FTick = 0;
  FSpraySize = 0;
  SetState(TCountedToolState::Shaking);
}

void TAerosol::ReportSpray() {
  // The cloud's edge is thin: only the inner square knocks anything off.
  const int half = FSpraySize / 2 - SprayRangeReduce;
  if (half <= 0 || !OnSpraySizeChange) return;
  OnSpraySizeChange({FCentreX - half, FCentreY - half, FCentreX + half, FCentreY + half});
}

void TAerosol::UpdateWork() {
  ++FTick;
  switch (State()) {
    case TCountedToolState::Shaking:
      if (FTick >= ShakeTicks) {
        FTick = 0;
        SetState(TCountedToolState::Spraying);
      }
      break;
    case TCountedToolState::Spraying:
      if (FTick < SprayOutAnimSeqPos) break;
      if (FTick == SprayOutAnimSeqPos) {
        PlaySound(SoundName::Spray);
        FSpraySize = SprayGrowth;
      } else {
        FSpraySize = std::min(MaxSpraySize, FSpraySize + SprayGrowth);
      }
      ReportSpray();
      if (FSpraySize >= MaxSpraySize) {
        FTick = 0;
        SetState(TCountedToolState::SprayOut);
      }
      break;
    case TCountedToolState::SprayOut:
      if (FTick < SprayOutTicks) break;
      FSpraySize = 0;
      {
        bool enemiesExist = false;
        if (OnEnemiesExistQuestion) OnEnemiesExistQuestion(enemiesExist);
        if (Stock() > 0 && enemiesExist)
          SetState(TCountedToolState::Carried);
        else
          StartReturn();
      }
      break;
    default: break;
  }
}

int TAerosol::SprayAlpha() const {
  if (State() == TCountedToolState::SprayOut) return 255 * std::max(0, SprayOutTicks - FTick) / SprayOutTicks / 2;
  if (FSpraySize <= VanishingSpraySize) return 255;
  const int span = std::max(1, MaxSpraySize - VanishingSpraySize);
  return 255 - 128 * (FSpraySize - VanishingSpraySize) / span;
}

void TAerosol::DrawWork() {
  const float shake =
      State() == TCountedToolState::Shaking ? kShakeDegrees * std::sin(float(FTick) * 3.1416f / 2.0f) : 0.0f;
  if (FSpraySize > 0 && OmgImgList) {
    const float sx = float(FSpraySize) / float(OrigSprayWidth);
    const float sy = float(FSpraySize) / float(OrigSprayHeight);
    DrawImageEx(*OmgImgList, std::string(img::AerosolSpray), float(FCentreX - OrigSprayWidth / 2),
                float(FCentreY - OrigSprayHeight / 2), 0, 0.5f, 0.5f, sx, sy, 255, 255, 255, SprayAlpha(), 0, -1);
  }
  DrawCarried(toolframe::Carried, shake);
}

}  // namespace qm
