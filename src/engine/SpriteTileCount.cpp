#include "engine/SpriteTileCount.h"

namespace qm {

namespace {

struct TFixedEntry {
  const char* Name;
  int Columns;
  int Rows;
};

constexpr TFixedEntry kFixedTable[] = {
    {"BombParticle", 5, 2},         {"LightningEffect", 1, 8},       {"BurstingBubble", 7, 1},
    {"MannaEnergyWave", 1, 6},      {"DiamondsBig", 2, 1},           {"ElementGatherNumber", 10, 1},
    {"ElementPanel", 4, 1},         {"TileShine", 2, 1},             {"BoardBorder", 4, 6},
    {"CyanParticle", 5, 1},         {"ElementIcons", 5, 1},          {"ElementsFlashVert", 18, 1},
    {"ElementsFlashHorz", 9, 2},    {"TileSelection", 2, 1},         {"CollectorWave", 7, 1},
    {"BubbleInside", 16, 1},        {"Elements", 23, 1},             {"LevelInfoDigit", 10, 1},
    {"ScreenDustEffect", 3, 1},     {"Score", 10, 1},                {"ScoreBlur", 3, 1},
    {"MannaEnergy", 2, 1},          {"ElementGatherNumberBlur", 3, 1}, {"DustParticle", 3, 7},
    {"InGameRestartButton", 1, 2},  {"Web", 6, 1},                   {"ChainLock", 5, 2},
    {"SpiderHit", 1, 6},            {"SpiderWalking", 1, 9},         {"SpiderMakingWeb", 1, 4},
    {"SpiderAnchoring", 1, 7},      {"CommentFont", 14, 5},          {"GlobalFontWhite", 28, 5},
    {"StoryBGMask", 1, 2},          {"MovieEffect", 2, 1},           {"LittleStars", 2, 1},
    {"Confetti", 3, 2},             {"BookEffectWaves", 3, 1},       {"CheckBoxSound", 1, 4},
    {"CheckBoxMusic", 1, 4},        {"CheckBoxFullscreen", 1, 4},    {"CheckBoxTutorial", 1, 4},
    {"VolumeMinusButton", 4, 1},    {"VolumePlusButton", 4, 1},      {"BuySlotBuyButton", 1, 2},
    {"BuySlotIcons", 4, 5},         {"BuySlotIcons_Gray", 4, 5},     {"WindowCancelButton", 1, 2},
    {"Birds", 1, 8},                {"ChapterDialogBalloon", 1, 3},  {"MapArrow", 2, 1},
    {"Fog", 1, 3},                  {"ComboText", 4, 1},             {"EnergyBonusText", 3, 1},
    {"BookProgressTube", 1, 3},     {"BookProgressFillEdge", 6, 1},  {"LoadingBarText", 1, 2},
    {"ObjInfoLogo", 2, 1},          {"ObjInfoTitle", 1, 2},          {"RainDrop", 4, 1},
    {"CollectorTool", 5, 1},        {"BombTool", 4, 1},              {"BombSparks", 6, 1},
    {"HammerTool", 4, 1},           {"HorzLightningTool", 4, 1},     {"VertLightningTool", 4, 1},
    {"BigBombTool", 4, 1},          {"BackgroundTile", 2, 1},        {"BrownTile", 2, 2},
    {"TutorialIcons", 1, 14},       {"NameListNewButton", 1, 2},     {"NameListDeleteButton", 1, 2},
    {"DiamondButterfly1", 1, 5},    {"DiamondButterfly2", 1, 5},     {"DiamondButterfly3", 1, 5},
};
static_assert(std::size(kFixedTable) == 75);

}  // namespace

TSpriteTileCount::TSpriteTileCount() {
  FEntries.reserve(std::size(kFixedTable));
  for (const auto& entry : kFixedTable) Add(entry.Name, entry.Columns, entry.Rows);
}

void TSpriteTileCount::Add(const std::string& name, int columns, int rows) {
  FEntries.push_back({name.substr(0, 80), columns, rows, false});
}

void TSpriteTileCount::Lookup(const std::string& name, int& columns, int& rows) {
  for (auto& entry : FEntries) {
    if (entry.Name != name) continue;
    entry.Used = true;
    columns = entry.Columns;
    rows = entry.Rows;
    return;
  }
  columns = 1;
  rows = 1;
}

}  // namespace qm
