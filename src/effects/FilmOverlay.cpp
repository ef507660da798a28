#include "effects/FilmOverlay.h"

#include "effects/EffectRandom.h"
#include "engine/EffectsMode.h"
#include "engine/OmegaImageList.h"

namespace qm {

namespace {

// The scratches hold for a few ticks, as a frame of film would.
constexpr int kTicksPerFilmFrame = 3;
constexpr int kScratchAlpha = 150;
constexpr int kMostFlicker = 60;

void DrawStretched(const TOmegaImageList& list, const char* name, float x, float y, float width, float height,
                   int alpha, int pattern) {
  TImageListItem* picture = list.FindImage(name);
  if (!picture || picture->TileWidth() <= 0 || picture->TileHeight() <= 0) return;
  picture->DrawEx(x, y, 0, 0, 0, width / float(picture->TileWidth()), height / float(picture->TileHeight()), 255, 255,
                  255, alpha, pattern, 0);
}

}  // namespace

void TFilmOverlay::Reset() {
  FRunning = false;
  FTick = 0;
}

void TFilmOverlay::TickAndDraw() {
  if (!Visible || !FRunning || !OmgImgList) return;
  if (!DecorationOff()) {
    if (FTick++ % kTicksPerFilmFrame == 0) {
      FPattern = EffectRandom().Below(2);
      FOffsetX = EffectRandom().Range(-40, 40);
    }
    DrawScratches();
  }
}

void TFilmOverlay::DrawScratches() {
  // The strip is wider than the picture so that it can jump sideways; its
  // strength wavers, the flicker of an old projector. One quad over the
  // whole screen is what a processor-drawn frame can afford.
  DrawStretched(*OmgImgList, "MovieEffect", float(Left) - 40 + FOffsetX, float(Top), float(Width) + 80,
                float(Height), kScratchAlpha - EffectRandom().Below(kMostFlicker), FPattern);
}

}  // namespace qm
