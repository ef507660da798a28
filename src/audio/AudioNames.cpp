#include "audio/AudioNames.h"

namespace qm {

std::string AudioFolder::ChatVoicesOf(int conversation) {
  return std::string(ChatVoices) + "/" + std::to_string(conversation);
}

namespace SoundName {

std::string Mission(int island) { return "Mission" + std::to_string(island); }
std::string ChapterComplete(int island) { return "ChapterComplete" + std::to_string(island); }

bool IsFrequent(std::string_view name) {
  return name == ElementBounce1 || name == ElementBounce2 || name == ElementBounce3 || name == LockerBreak ||
         name == ScoreCount || name == LockerBounce;
}

std::vector<std::string> All() {
  std::vector<std::string> names;
  for (std::string_view name :
       {Click, MouseOver, Collector, Combo, MatchX, DiamondFound, DisabledTile, ElementBounce1, ElementBounce2,
        ElementBounce3, Fireworks, Hammer, ItemActivated, Key, Lightning, LockerBounce, LockerBreak, MannaNotify1,
        MannaNotify2, MannaNotify3, NotifyHigh, NotifyLow, PickingTool, ScoreCount, Scoring, SlotTing, SpiderHit,
        Spray, StageComplete, Stamper, Sweeping, TileClear, ToolAcquired, WhipAway, BubblePop, Bells, AllComplete})
    names.emplace_back(name);
  for (int island = 1; island <= MissionCount; ++island) names.push_back(Mission(island));
  for (int island = 1; island <= ChapterCompleteCount; ++island) names.push_back(ChapterComplete(island));
  return names;
}

}  // namespace SoundName

namespace VoiceName {
std::string StoryOpening(int line) { return "StoryOpening" + std::to_string(line); }
std::string StoryEnding(int line) { return "StoryEnding" + std::to_string(line); }
std::string Tutorial(int step) { return "Tutorial" + std::to_string(step); }
std::string Chat(int line) { return "Chat" + std::to_string(line); }
}  // namespace VoiceName

}  // namespace qm
