#include "progress/StickerBookObjects.h"

#include <algorithm>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "progress/ProgressRecord.h"

namespace qm {

namespace {

// Table order is also the saved order and the drawing order: later objects
// overlap earlier ones, the zeppelin floats over everything. The first
// island's objects stand on the line where the shop's panel begins (y 627),
// not behind it.
constexpr std::array<TStickerObject, TStickerBookObjects::ObjectCount> kObjects{{
    {3, "Upg1-2", 297, 452},     // 1
    {5, "Upg1-4", -3, 372},      // 2
    {2, "Upg1-1", 110, 472},     // 3
    {4, "Upg1-3", 558, 432},     // 4
    {6, "Upg2-1", 27, 212},      // 5
    {7, "Upg2-2", 205, 288},     // 6
    {9, "Upg2-4", 658, 288},     // 7
    {12, "Upg3-3b", 856, 368},   // 8
    {13, "Upg3-4", 35, 17},      // 9
    {10, "Upg3-1", 167, 155},    // 10
    {11, "Upg3-2", 394, 269},    // 11
    {12, "Upg3-3a", 214, 395},   // 12
    {17, "Upg4-4", 763, 88},     // 13
    {14, "Upg4-1", 713, 157},    // 14
    {15, "Upg4-2", 1184, 400},   // 15
    {16, "Upg4-3", 540, 286},    // 16
    {8, "Upg2-3", 438, 403},     // 17
    {19, "Upg5-2", 1098, 111},   // 18
    {21, "Upg5-4a", 1057, 98},   // 19
    {20, "Upg5-3", 942, 30},     // 20
    {18, "Upg5-1", 1159, 62},    // 21
    {21, "Upg5-4b", 1261, 177},  // 22
    {1, "Zeppelin", 0, 0},       // 23
}};

constexpr int kIslandCount = 5;

}  // namespace

const TStickerObject& TStickerBookObjects::Object(int object) {
  return kObjects[std::clamp(object, 1, ObjectCount) - 1];
}

void TStickerBookObjects::Reset() {
  FRevealed.fill(false);
  FAlpha.fill(0);
}

void TStickerBookObjects::Reveal(int group, bool animated) {
  for (int i = 0; i < ObjectCount; ++i) {
    if (kObjects[i].Group != group || FRevealed[i]) continue;
    FRevealed[i] = true;
    FAlpha[i] = animated ? 0 : 255;
  }
}

bool TStickerBookObjects::Revealed(int object) const { return ValidObject(object) && FRevealed[object - 1]; }

bool TStickerBookObjects::GroupRevealed(int group) const {
  bool any = false;
  for (int i = 0; i < ObjectCount; ++i) {
    if (kObjects[i].Group != group) continue;
    if (!FRevealed[i]) return false;
    any = true;
  }
  return any;
}

bool TStickerBookObjects::AllRevealed() const {
  return std::all_of(FRevealed.begin(), FRevealed.end(), [](bool revealed) { return revealed; });
}

bool TStickerBookObjects::ZeppelinRevealed() const { return GroupRevealed(ZeppelinGroup); }

int TStickerBookObjects::Alpha(int object) const { return ValidObject(object) ? FAlpha[object - 1] : 0; }

void TStickerBookObjects::LoadFrom(const TProgressRecord& record) {
  for (int i = 0; i < ObjectCount; ++i) {
    FRevealed[i] = record.ObjectStates[i] != 0;
    FAlpha[i] = FRevealed[i] ? 255 : 0;
  }
}

void TStickerBookObjects::StoreInto(TProgressRecord& record) const {
  for (int i = 0; i < ObjectCount; ++i) record.ObjectStates[i] = FRevealed[i] ? 1 : 0;
}

void TStickerBookObjects::TickAndDraw() {
  for (int i = 0; i < ObjectCount; ++i) {
    if (!FRevealed[i]) continue;
    StepUpTo(FAlpha[i], FadeStep, 255);
    if (OmgImgList && FAlpha[i] > 0)
      DrawImage(*OmgImgList, kObjects[i].Image, float(kObjects[i].X), float(kObjects[i].Y), 0, FAlpha[i]);
  }
}

std::string TStickerBookObjects::Background(int island, bool allRevealed) {
  const int shown = allRevealed ? kIslandCount : std::clamp(island, 1, kIslandCount);
  return "ciBG" + std::to_string(shown);
}

}  // namespace qm
