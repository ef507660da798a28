#include "text/ComicStrips.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "audio/AudioNames.h"
#include "engine/EffectsMode.h"
#include "engine/FrameTime.h"
#include "engine/OmegaImageList.h"
#include "text/GameTextIds.h"
#include "text/TextStrings.h"

namespace qm {

namespace {

constexpr int kOwnStory = 1;
// Another story has no timing of its own: a narration a second.
constexpr int kPlainNarrationMs = 1000;
constexpr int kCornersAlpha = 110;
constexpr float kCornersScale = 4;
constexpr float kOverlayScale = 2;
constexpr float kLowerMaskTop = 672;

std::vector<int> Entries(int count, int (*entry)(int)) {
  std::vector<int> entries;
  for (int n = 1; n <= count; ++n) entries.push_back(entry(n));
  return entries;
}

std::string PictureName(int strip) {
  char name[16];
  std::snprintf(name, sizeof name, "Story-%2.2d", strip);
  return name;
}

}  // namespace

const TComicStripsParams& OpeningStripsParams() {
  static const TComicStripsParams params{.StripCount = VoiceName::StoryOpeningCount,
                                         .NarrationEntries = Entries(NarrationId::OpeningCount, NarrationId::Opening),
                                         .SilentStripMs = 0,
                                         .MaskAlpha = 255,
                                         .ReportsLastNarration = true,
                                         .VoiceOf = VoiceName::StoryOpening};
  return params;
}

const TComicStripsParams& EndingStripsParams() {
  static const TComicStripsParams params{.StripCount = VoiceName::StoryEndingCount,
                                         .NarrationEntries = Entries(NarrationId::EndingCount, NarrationId::Ending),
                                         .SilentStripMs = 10000,
                                         .MaskAlpha = 185,
                                         .ReportsLastNarration = false,
                                         .VoiceOf = VoiceName::StoryEnding};
  return params;
}

TComicStripsBase::TComicStripsBase(TComicStripsParams params)
    : FParams(std::move(params)),
      FNarrations(FParams.NarrationEntries.size()),
      FNarrationMs(FNarrations.size()),
      FNarrationStart(FNarrations.size()),
      FStripMs(FParams.StripCount) {}

void TComicStripsBase::LoadNarrations(const TTextStrings& texts) {
  for (std::size_t n = 0; n < FNarrations.size(); ++n)
    FNarrations[n] = texts.Text(ttStoryNarrations, FParams.NarrationEntries[n]);
}

void TComicStripsBase::BuildTimings() {
  const int narrations = NarrationCount();
  if (FStory != kOwnStory) {
    for (int n = 0; n < narrations; ++n) {
      FNarrationMs[n] = kPlainNarrationMs;
      FNarrationStart[n] = n * kPlainNarrationMs;
    }
    std::fill(FStripMs.begin(), FStripMs.end(), 0);
    return;
  }
  for (int n = 0; n < narrations; ++n)
    FNarrationMs[n] = NarrationMsPerLetter * int(FNarrations[n].size()) + NarrationMsExtra;
  for (int s = 0; s < FParams.StripCount; ++s)
    FStripMs[s] = s < narrations ? FNarrationMs[s] + StripMsAfterNarration : FParams.SilentStripMs;
  // Each narration waits for the strips before its own to go by.
  int start = FirstNarrationMs;
  for (int n = 0; n < narrations; ++n) {
    FNarrationStart[n] = start;
    start += FStripMs[n];
  }
}

void TComicStripsBase::ResetZoom() {
  // The plain pictures fill the screen; the others leave room for the masks.
  FTop = ReducedEffectsMode ? 0 : PictureTop;
  if (FStory != kOwnStory) return;
  FScale = 1;
  // A player who reduced the effects sees the pictures stand still.
  FScaleStep = DecorationOff() ? 0 : ZoomStep;
}

void TComicStripsBase::Start(int story) {
  FStory = story;
  BuildTimings();
  FStrip = 1;
  FStripTimer = 0;
  FNarrationTimer = 0;
  FStoryMs = 0;
  FBrightness = 0;
  FFadingOut = false;
  FFinished = false;
  FSilenced = false;
  FNarration = 0;
  ResetZoom();
  FPlaying = true;
}

void TComicStripsBase::Skip() {
  if (!FPlaying) return;
  FPlaying = false;
  FStrip = 0;
  if (FFinished) return;
  FFinished = true;
  if (OnSceneFinished) OnSceneFinished(*this);
}

void TComicStripsBase::NextStrip() {
  if (!FPlaying || FFadingOut || FStrip < 1 || FStrip >= FParams.StripCount || FStripMs[FStrip - 1] <= 0) return;
  FStripTimer = 0;
  FFadingOut = true;
  // The story's clock moves on to where the next strip's words begin, less
  // the fade, so they start as its picture comes up.
  if (FStrip < NarrationCount()) {
    const int step = DecorationOff() ? 2 * FadeStep : FadeStep;
    const int fadeMs = (FBrightness + step - 1) / step * FrameMs;
    FStoryMs = std::max(FStoryMs, FNarrationStart[FStrip] - fadeMs);
  }
}

void TComicStripsBase::StepFade() {
  // Reduced effects make the fades between pictures short.
  const int step = DecorationOff() ? 2 * FadeStep : FadeStep;
  if (FFadingOut) {
    FBrightness -= step;
    if (FBrightness > 0) return;
    FBrightness = 0;
    if (FStrip >= FParams.StripCount) {
      // The last strip stays, dark, until the owner moves on.
      if (FFinished) return;
      FFinished = true;
      if (OnSceneFinished) OnSceneFinished(*this);
      return;
    }
    ++FStrip;
    ResetZoom();
    FFadingOut = false;
    if (OnStripChange) OnStripChange(*this, FStrip);
    RequestVoice(FStrip);
  } else {
    FBrightness = std::min(FBrightness + step, 255);
  }
}

void TComicStripsBase::RequestVoice(int strip) {
  if (!FSilenced && OnVoiceRequest && FParams.VoiceOf) OnVoiceRequest(FParams.VoiceOf(strip));
}

void TComicStripsBase::Step() {
  if (!FPlaying) {
    FStrip = 0;
    return;
  }
  const int stripMs = FStripMs[FStrip - 1];
  if (stripMs > 0) {
    FStripTimer += FrameMs;
    if (FStripTimer >= stripMs) {
      FStripTimer = 0;
      FFadingOut = true;
    }
  }
  StepFade();
  FScale += FScaleStep;
}

void TComicStripsBase::Draw() const {
  if (!OmgImgList) return;
  if (FPlaying)
    DrawImageEx(*OmgImgList, PictureName(FStrip), 0, FTop, 0, 0.5f, 0.5f, FScale, FScale, 255, 255, 255, 255, 0, 0);
  DrawImage(*OmgImgList, "StoryDarkCorners", 0, 0, 0, kCornersAlpha, kCornersScale);
}

void TComicStripsBase::StepNarrations() {
  if (!FPlaying) return;
  FStoryMs += FrameMs;
  const int narrations = NarrationCount();
  for (int n = 1; n <= narrations; ++n) {
    if (FStoryMs < FNarrationStart[n - 1] || FNarration >= n) continue;
    FNarration = n;
    if (n == narrations && FParams.ReportsLastNarration && OnEnteringLastNarration) OnEnteringLastNarration(*this);
    FNarrationTimer = 0;
    if (OnStartNarration) OnStartNarration(*this, FNarrations[n - 1]);
    // Later strips speak as they come up; the first has no change to speak on.
    if (FStrip == 1) RequestVoice(1);
    break;
  }
  if (FNarration == 0) return;
  FNarrationTimer += FrameMs;
  if (FNarrationTimer >= FNarrationMs[FNarration - 1]) {
    FNarrationTimer = 0;
    if (OnEndNarration) OnEndNarration(*this);
  }
}

void TComicStripsBase::UpdateAndDraw() {
  Step();
  Draw();
  StepNarrations();
}

void TComicStripsBase::DrawOverlay() const {
  if (!OmgImgList) return;
  if (!ReducedEffectsMode) {
    DrawImage(*OmgImgList, "StoryBGMask", 0, 0, 0, FParams.MaskAlpha, kOverlayScale);
    DrawImageEx(*OmgImgList, "StoryBGMask", 0, kLowerMaskTop, 0, 0, 1, kOverlayScale, kOverlayScale, 255, 255, 255,
                FParams.MaskAlpha, 1, 0);
  }
  DrawImage(*OmgImgList, "BlackRect", 0, 0, 0, 255 - FBrightness, kOverlayScale);
}

}  // namespace qm
