#include "progress/MapIslands.h"

#include <algorithm>

#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "progress/ProgressRecord.h"

namespace qm {
namespace {

struct TPoint {
  int X, Y;
};

// Top-left of each island's picture.
constexpr std::array<TPoint, TMapIslands::IslandCount> kIslandAt{
    {{369, 217}, {369, 347}, {372, 520}, {733, 215}, {730, 392}}};
// Creature kind of each island's boss.
constexpr std::array<int, TMapIslands::IslandCount> kMonsterKind{4, 2, 3, 1, 0};

constexpr int kLockedAlpha = 120;
constexpr int kGlowMax = 50;
constexpr int kGlowUp = 10;
constexpr int kGlowDown = 8;
constexpr float kFullScale = 1.0f;
constexpr float kSmallScale = 0.83f;
constexpr float kGrowStep = 0.045f;
constexpr float kShrinkStep = 0.03f;
constexpr int kAdditive = 2;

std::string IslandImage(int n) { return "MapRoom" + std::to_string(n); }

}  // namespace

TMapIslands::TMapIslands() {
  FScale.fill(kFullScale);
  // Sways 2 degrees a frame between -30 and 25.
  FSwing.Setup(-30, 25, 2, 2);
  Reset();
}

void TMapIslands::Reset() {
  FUnlocked.fill(0);
  FUnlocked[0] = 1;
  FMapReset = 1;
  FPlayed.fill(0);
  FMessageShown.fill(0);
}

void TMapIslands::Unlock(int n) {
  if (Valid(n)) FUnlocked[n - 1] = 1;
}

int TMapIslands::HighestUnlockedUpTo(int n) const {
  int highest = 1;
  for (int i = 1; i <= IslandCount && i <= n; ++i)
    if (Unlocked(i)) highest = i;
  return highest;
}

// The highlight stays where it was: it follows only SelectUpTo.
void TMapIslands::SelectHighestUnlocked() { SelectUpTo(IslandCount); }

void TMapIslands::SelectUpTo(int n) {
  FCurrent = HighestUnlockedUpTo(n);
  FHighlighted = FCurrent;
}

void TMapIslands::MarkPlayed() { FPlayed[CurrentIndex()] = 1; }

std::string TMapIslands::TakeMessage() {
  int highest = 0;
  for (int n = 1; n <= IslandCount; ++n) {
    if (!Unlocked(n) || Played(n) || MessageShown(n)) continue;
    FMessageShown[n - 1] = 1;
    highest = n;
  }
  return highest ? Messages[highest - 1] : std::string();
}

int TMapIslands::MonsterKind() const { return kMonsterKind[CurrentIndex()]; }

bool TMapIslands::Unlocked(int n) const { return Valid(n) && FUnlocked[n - 1] != 0; }
TScreenPoint TMapIslands::IslandAt(int n) {
  const TPoint at = kIslandAt[std::size_t(std::clamp(n, 1, IslandCount) - 1)];
  return {at.X, at.Y};
}

bool TMapIslands::Played(int n) const { return Valid(n) && FPlayed[n - 1] != 0; }
bool TMapIslands::MessageShown(int n) const { return Valid(n) && FMessageShown[n - 1] != 0; }
int TMapIslands::GlowAlpha(int n) const { return Valid(n) ? FGlowAlpha[n - 1] : 0; }
float TMapIslands::Scale(int n) const { return Valid(n) ? FScale[n - 1] : 0.0f; }

void TMapIslands::LoadFrom(const TProgressRecord& record) {
  FPlayed = record.IslandPlayed;
  FUnlocked = record.IslandUnlocked;
  FMapReset = record.MapReset;
  FMessageShown = record.IslandMessageShown;
}

void TMapIslands::StoreInto(TProgressRecord& record) const {
  record.IslandPlayed = FPlayed;
  record.IslandUnlocked = FUnlocked;
  record.MapReset = FMapReset;
  record.IslandMessageShown = FMessageShown;
}

void TMapIslands::TickAndDraw() {
  Step();
  if (OmgImgList) Draw();
}

void TMapIslands::Step() {
  for (int n = 1; n <= IslandCount; ++n) {
    const int i = n - 1;
    // A locked island keeps its glow as it is; it is not drawn anyway.
    if (Unlocked(n)) {
      if (n == FHighlighted)
        StepToward(FGlowAlpha[i], kGlowUp, kGlowMax);
      else
        StepToward(FGlowAlpha[i], kGlowDown, 0);
    }
    if (n == FCurrent)
      StepToward(FScale[i], kGrowStep, kFullScale);
    else
      StepToward(FScale[i], kShrinkStep, kSmallScale);
  }
  FSwing.Step();
}

void TMapIslands::Draw() const {
  for (int n = 1; n <= IslandCount; ++n) {
    const int i = n - 1;
    const std::string name = IslandImage(n);
    const float x = float(kIslandAt[i].X), y = float(kIslandAt[i].Y);
    const float scale = FScale[i];
    const int alpha = Unlocked(n) ? 255 : kLockedAlpha;
    DrawImageEx(*OmgImgList, name, x, y, 0, 0.5f, 0.5f, scale, scale, 255, 255, 255, alpha, 0, 0);
    if (Unlocked(n) && FGlowAlpha[i] > 0)
      DrawImageEx(*OmgImgList, name, x, y, 0, 0.5f, 0.5f, scale, scale, 255, 255, 255, FGlowAlpha[i], 0, kAdditive);
  }
  // The marker's tip rests on the middle of the current island and the
  // marker sways about it.
  int islandWidth = 0, islandHeight = 0, markerWidth = 0, markerHeight = 0;
  PatternSize(*OmgImgList, IslandImage(FCurrent), islandWidth, islandHeight);
  PatternSize(*OmgImgList, std::string(img::MapIslandMarker), markerWidth, markerHeight);
  const TPoint at = kIslandAt[CurrentIndex()];
  const float x = float(at.X + (islandWidth - markerWidth) / 2);
  const float y = float(at.Y + islandHeight / 2 - markerHeight);
  const float angle = FSwing.Value();
  const std::string marker(img::MapIslandMarker);
  DrawImageEx(*OmgImgList, marker, x, y, angle, 0.5f, 1.0f, 1, 1, 255, 255, 255, 255, 0, 0);
  DrawImageEx(*OmgImgList, marker, x, y, angle, 0.5f, 1.0f, 1, 1, 255, 255, 255, 255, 1, kAdditive);
}

}  // namespace qm
