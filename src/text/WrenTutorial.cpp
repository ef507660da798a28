#include "text/WrenTutorial.h"

#include "engine/EffectsMode.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "text/GlobalGameText.h"
#include "text/TextStrings.h"

namespace qm {

namespace {

constexpr float kReducedFadeStep = 0.3f;

// Offsets from the scroll's Left and Top.
constexpr TScreenPoint kParchmentAt{-98, -19};
constexpr TScreenPoint kIconAt{107, 74};
constexpr TScreenPoint kTitleAt{48, 50};
constexpr TScreenPoint kBodyAt{39, 151};

constexpr int kBodyLineGap = 24;
constexpr int kIconAlpha = 225;
// Dark blue ink on the parchment.
constexpr int kInkRed = 10, kInkGreen = 40, kInkBlue = 80;

int ToAlpha(float fade, int full) { return RoundToEven(double(fade) * full); }

}  // namespace

TWrenTutorial::TWrenTutorial() {
  FText.FontRatio = BodyScale;
  FText.HorzSpaceAdd = BodySpacing;
  FText.VertSpace = kBodyLineGap;
}

int TWrenTutorial::EntryFor(int island, int level, TGameObjective objective) {
  if (objective == goBossMode) return 7;
  if (island == 0 && level == 0) return 6;
  if (island == 1) {
    switch (level) {
      case 1: return 1;
      case 2: return 9;
      case 3: return 10;
      case 5: return 13;
      case 7: return 11;
      case 8: return 12;
      default: return 0;
    }
  }
  if (island == 2) {
    switch (level) {
      case 1: return 2;
      case 2: return 14;
      case 11: return 8;
      default: return 0;
    }
  }
  // The first level of each later island introduces it.
  if (island >= 3 && island <= 5 && level == 1) return island;
  return 0;
}

bool TWrenTutorial::Check(int island, int level, TGameObjective objective) const {
  const int entry = EntryFor(island, level, objective);
  return Enabled && entry != 0 && !Shown(entry);
}

void TWrenTutorial::Show(int island, int level, TGameObjective objective) {
  if (!Check(island, level, objective)) return;
  FCurrent = EntryFor(island, level, objective);
  FVisible = true;
  FFade = 0;
  FFadeTarget = 1;
  FText.Show(Left + kBodyAt.X, Top + kBodyAt.Y, Body(FCurrent), kInkRed, kInkGreen, kInkBlue);
  FEntries[FCurrent - 1].Shown = 1;
  const int entry = FCurrent;
  if (OnSpecificTutorialIdx) OnSpecificTutorialIdx(*this, entry);
  if (OnStart) OnStart(*this, entry);
}

void TWrenTutorial::Finish() {
  if (!FVisible || FFadeTarget == 0) return;
  FFadeTarget = 0;
  FText.Vanish();
  if (OnFinish) OnFinish(*this);
}

void TWrenTutorial::Reset() {
  FVisible = false;
  FCurrent = 0;
  FFade = FFadeTarget = 0;
  FText.Clear();
}

void TWrenTutorial::ReloadTexts() {
  FEntries.fill(TEntry{});
  if (!TextStringsComp) return;
  for (int entry = 1; entry <= EntryCount; ++entry) {
    TEntry& e = FEntries[entry - 1];
    e.Title = TextStringsComp->Text(ttGameTutorial, TutorialTextId::TitleLine(entry))
                  .substr(0, TutorialTextId::MaxTitleLength);
    e.Body = WrapText(FText.FontKind, TextStringsComp->Text(ttGameTutorial, TutorialTextId::BodyLine(entry)),
                      FText.HorzSpaceAdd, MaxRectTextWidth, FText.FontRatio);
  }
}

void TWrenTutorial::TickAndDraw() {
  if (!FVisible) return;
  if (OmgImgList) {
    DrawImageEx(*OmgImgList, "TutorialScroll", float(Left + kParchmentAt.X), float(Top + kParchmentAt.Y), 0, 0, 0, 1,
                1, 255, 255, 255, ToAlpha(FFade, 255), 0, 0);
    DrawImageEx(*OmgImgList, "TutorialIcons", float(Left + kIconAt.X), float(Top + kIconAt.Y), 0, 0, 0, 1, 1, 255,
                255, 255, ToAlpha(FFade, kIconAlpha), FCurrent - 1, 0);
  }
  if (GlobGameText)
    GlobGameText->DrawText(Left + kTitleAt.X, Top + kTitleAt.Y, Title(FCurrent), TitleScale, 0, ToAlpha(FFade, 255),
                           TitleWidth, TextColor::Brown);
  FText.OmgImgList = OmgImgList;
  FText.UpdateAndDraw();
  const float step = FFadeTarget > FFade ? AlphaRatioInc : AlphaRatioDec;
  if (StepToward(FFade, ReducedEffectsMode ? kReducedFadeStep : step, FFadeTarget) && FFadeTarget == 0)
    FVisible = false;
}

std::array<std::uint8_t, TWrenTutorial::EntryCount> TWrenTutorial::ExportShown() const {
  std::array<std::uint8_t, EntryCount> flags{};
  for (int i = 0; i < EntryCount; ++i) flags[i] = FEntries[i].Shown;
  return flags;
}

void TWrenTutorial::ImportShown(const std::array<std::uint8_t, EntryCount>& flags) {
  for (int i = 0; i < EntryCount; ++i) FEntries[i].Shown = flags[i];
}

}  // namespace qm
