#pragma once

// Every sound, music track and voice the game asks for by name. A name is the
// file name without ".ogg"; lookups are exact and case-sensitive, and a name
// with no file plays nothing. The content generator writes one file per name
// listed here, so the game and its pack cannot drift apart.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

namespace AudioFolder {
inline constexpr std::string_view Sounds = "Sounds";
inline constexpr std::string_view Music = "Music";
// Every voice folder lies below this one; a language other than English has
// its own copies below "Voices/<code>/".
inline constexpr std::string_view Voices = "Voices";
inline constexpr std::string_view StoryVoices = "Voices/Story";
inline constexpr std::string_view EndingVoices = "Voices/Ending";
inline constexpr std::string_view TutorialVoices = "Voices/Tutorial";
inline constexpr std::string_view ChatVoices = "Voices/Chats";
// The voices of one conversation (1..22): "Voices/Chats/<n>".
std::string ChatVoicesOf(int conversation);
}  // namespace AudioFolder

inline constexpr std::string_view OggExtension = ".ogg";

namespace SoundName {
inline constexpr std::string_view Click = "Click";
inline constexpr std::string_view MouseOver = "MouseOver";
inline constexpr std::string_view Collector = "Collector";
inline constexpr std::string_view Combo = "Combo";
inline constexpr std::string_view MatchX = "MatchX";
inline constexpr std::string_view DiamondFound = "DiamondFound";
inline constexpr std::string_view DisabledTile = "DisabledTile";
inline constexpr std::string_view ElementBounce1 = "ElementBounce1";
inline constexpr std::string_view ElementBounce2 = "ElementBounce2";
inline constexpr std::string_view ElementBounce3 = "ElementBounce3";
inline constexpr std::string_view Fireworks = "Fireworks";
inline constexpr std::string_view Hammer = "Hammer";
inline constexpr std::string_view ItemActivated = "ItemActivated";
inline constexpr std::string_view Key = "Key";
inline constexpr std::string_view Lightning = "Lightning";
inline constexpr std::string_view LockerBounce = "LockerBounce";
inline constexpr std::string_view LockerBreak = "LockerBreak";
inline constexpr std::string_view MannaNotify1 = "MannaNotify1";
inline constexpr std::string_view MannaNotify2 = "MannaNotify2";
inline constexpr std::string_view MannaNotify3 = "MannaNotify3";
inline constexpr std::string_view NotifyHigh = "NotifyHigh";
inline constexpr std::string_view NotifyLow = "NotifyLow";
inline constexpr std::string_view PickingTool = "PickingTool";
inline constexpr std::string_view ScoreCount = "ScoreCount";
inline constexpr std::string_view Scoring = "Scoring";
inline constexpr std::string_view SlotTing = "SlotTing";
inline constexpr std::string_view SpiderHit = "SpiderHit";
inline constexpr std::string_view Spray = "Spray";
inline constexpr std::string_view StageComplete = "StageComplete";
inline constexpr std::string_view Stamper = "Stamper";
inline constexpr std::string_view Sweeping = "Sweeping";
inline constexpr std::string_view TileClear = "TileClear";
inline constexpr std::string_view ToolAcquired = "ToolAcquired";
inline constexpr std::string_view WhipAway = "WhipAway";
inline constexpr std::string_view BubblePop = "BubblePop";
inline constexpr std::string_view Bells = "Bells";
inline constexpr std::string_view AllComplete = "AllComplete";

inline constexpr int MissionCount = 5;          // one per island, on entering the map
inline constexpr int ChapterCompleteCount = 4;  // islands 1..4; island 5 has AllComplete
std::string Mission(int island);
std::string ChapterComplete(int island);

// Sounds that may overlap themselves, loaded as this many copies each.
inline constexpr int CopiesOfFrequent = 5;
bool IsFrequent(std::string_view name);

// Every name above, Mission and ChapterComplete numbers included.
std::vector<std::string> All();
}  // namespace SoundName

// Music tracks by track number, the index the shell requests them by.
namespace MusicTrack {
inline constexpr int Splash = 0;
inline constexpr int Story = 1;
inline constexpr int MainGame1 = 2;
inline constexpr int MainGame2 = 3;
inline constexpr int MainGame3 = 4;
inline constexpr int LevelClear = 5;
inline constexpr int Upgrade = 6;
inline constexpr int Count = 7;

inline constexpr std::array<std::string_view, Count> FileNames = {
    "Splash.ogg", "Story.ogg", "MainGame1.ogg", "MainGame2.ogg", "MainGame3.ogg", "LevelClear.ogg", "Upgrade.ogg"};
// Every track loops except the round-clear jingle, which plays once.
constexpr bool Loops(int track) { return track != LevelClear; }
}  // namespace MusicTrack

namespace VoiceName {
inline constexpr int StoryOpeningCount = 5;  // one per opening strip
inline constexpr int StoryEndingCount = 3;   // one per ending strip
inline constexpr int TutorialCount = 5;      // scroll entries 1..5
std::string StoryOpening(int line);
std::string StoryEnding(int line);
std::string Tutorial(int step);
std::string Chat(int line);  // line within its conversation, 1-based
}  // namespace VoiceName

}  // namespace qm
