#pragma once

// Which line of which text table holds what. Entry numbers are 1-based line
// numbers of the files in the "Texts" folder. The content generator writes
// the files from these same numbers, so readers and files cannot drift apart.

#include <string_view>

namespace qm {

// "GameTexts.txt": single words and short lines of the shell.
namespace GameTextId {
inline constexpr int WindowTitle = 1;             // window caption and application title
inline constexpr int TransitionCaption = 2;       // under the scene-change cover
inline constexpr int MenuWelcome = 3;             // the player's name in {name} (else appended, and "!")
inline constexpr int HighScoresTitle = 4;
inline constexpr int HighScorePlaceholder = 5;    // name of an empty rank after a reset
inline constexpr int DefaultPlayerName = 6;       // first run with an empty name, or no player left
inline constexpr int BoughtLabel = 7;             // over a bought shop slot
inline constexpr int ChapterCompletePrefix = 8;   // the island in {number} (else prefix + number + suffix), a comment
inline constexpr int ChapterCompleteSuffix = 9;
inline constexpr int AllComplete = 10;            // comment after the last upgrade of island 5
inline constexpr int IslandMessage1 = 11;         // map comments, islands 1..5 on lines 11..15
inline constexpr int CreditsTitle = 16;
// The options window's rows.
inline constexpr int SoundLabel = 17;
inline constexpr int MusicLabel = 18;
inline constexpr int FullScreenLabel = 19;
inline constexpr int TutorialsLabel = 20;
// The result window: its title by medal, then the names of its rows.
inline constexpr int ResultGoldTitle = 21;
inline constexpr int ResultSilverTitle = 22;
inline constexpr int ResultBronzeTitle = 23;
inline constexpr int ResultTimeLabel = 24;
inline constexpr int ResultScoreLabel = 25;
inline constexpr int ResultBonusLabel = 26;
// The name entry: title, prompt, and why a key or OK did nothing.
inline constexpr int NameEntryTitle = 27;
inline constexpr int NameEntryPrompt = 28;
inline constexpr int NameRefusedNotice = 29;
inline constexpr int NameFullNotice = 30;
inline constexpr int NameEmptyNotice = 31;
inline constexpr int BookProgressLabel = 32;      // over the upgrade scene's progress tube
inline constexpr int ReducedEffectsLabel = 33;    // the options window's fifth row
inline constexpr int LevelLabel = 34;             // before the island and level digits of a round

constexpr int IslandMessage(int island) { return IslandMessage1 + island - 1; }
}  // namespace GameTextId

// "GameConfirms.txt": title and description of each confirm question kind.
// Lines 3, 6, 9, 12, 15 and 18 are never read and left empty.
namespace ConfirmTextId {
inline constexpr int RetryBoardTitle = 1;      // kind 0: boss round lost on time
inline constexpr int RetryBoardDesc = 2;
inline constexpr int LeaveRoundTitle = 4;      // kinds 7 and 8: quit a round to the menu or close
inline constexpr int LeaveRoundDesc = 5;
inline constexpr int ExitGameTitle = 7;        // kind 1
inline constexpr int ExitGameDesc = 8;
inline constexpr int DeletePlayerTitle = 10;   // kind 2
inline constexpr int DeletePlayerDesc = 11;
inline constexpr int NameTakenTitle = 13;      // kind 6
inline constexpr int NameTakenDesc = 14;
inline constexpr int DisplayModeTitle = 16;    // kinds 3 and 4
inline constexpr int DisplayModeDesc = 17;
inline constexpr int NewGameTitle = 19;        // kind 5
inline constexpr int NewGameDesc = 20;

// 0 for a kind without a question (9 and above).
constexpr int TitleOfKind(int kind) {
  switch (kind) {
    case 0: return RetryBoardTitle;
    case 1: return ExitGameTitle;
    case 2: return DeletePlayerTitle;
    case 3: case 4: return DisplayModeTitle;
    case 5: return NewGameTitle;
    case 6: return NameTakenTitle;
    case 7: case 8: return LeaveRoundTitle;
    default: return 0;
  }
}
constexpr int DescOfKind(int kind) { return TitleOfKind(kind) == 0 ? 0 : TitleOfKind(kind) + 1; }
}  // namespace ConfirmTextId

// "GameComments.txt": the animated comments, at most 40 characters each,
// drawn in the capitals-only comment font. Unlisted lines are left empty.
namespace CommentTextId {
inline constexpr int Go = 1;              // comment kind 2
inline constexpr int TimeUp = 2;          // kind 3
inline constexpr int RoundClear = 3;      // kind 4
inline constexpr int BossVictory = 4;     // kind 5
inline constexpr int NoMoreMoves = 5;     // kind 7
inline constexpr int HurryUp = 6;         // kind 8
inline constexpr int FlowerReward1 = 14;
inline constexpr int FlowerReward2 = 15;
inline constexpr int MedalTimeOver = 16;  // kind 9
inline constexpr int MaxCommentLength = 40;
}  // namespace CommentTextId

// "StoryNarrations.txt": five opening narrations, line 6 unused, two for the
// ending.
namespace NarrationId {
inline constexpr int OpeningCount = 5;
inline constexpr int EndingCount = 2;
constexpr int Opening(int n) { return n; }
constexpr int Ending(int n) { return 6 + n; }
}  // namespace NarrationId

// "GameTutorial.txt": 14 scroll entries as title and body lines; lines 11 and
// 18 are not used.
namespace TutorialTextId {
inline constexpr int EntryCount = 14;
inline constexpr int MaxTitleLength = 60;
constexpr int TitleLine(int entry) {
  return entry <= 5 ? 2 * entry - 1 : entry <= 8 ? 2 * entry : 2 * entry + 1;
}
constexpr int BodyLine(int entry) { return TitleLine(entry) + 1; }
}  // namespace TutorialTextId

// "TutorialInfo.txt": the texts of the five tool tips that can show.
namespace ToolTipTextId {
// Line of a tool-tip entry (1..27), 0 for the entries without a text.
constexpr int InfoLine(int toolTip) {
  switch (toolTip) {
    case 3: return 1;
    case 6: return 2;
    case 13: return 3;
    case 22: return 4;
    case 25: return 5;
    default: return 0;
  }
}
}  // namespace ToolTipTextId

// "Credits.txt": every line is shown in order; "#" starts a heading.
namespace CreditsTextId {
inline constexpr char HeadingMark = '#';
inline constexpr int MaxLineLength = 40;
}  // namespace CreditsTextId

// "CharacterChats.txt": 22 blocks of a heading line, the spoken lines and an
// empty line. A spoken line starts with its speaker code and one more
// character, both dropped; the game wraps the rest to the balloon, where a
// "|" still forces a break.
namespace ChatTextId {
inline constexpr int ConversationCount = 22;
inline constexpr int MaxLinesPerConversation = 20;
inline constexpr char MainCharacterCode = 'J';
inline constexpr std::string_view ClientCodes = "CAPRBH";  // clients 1..6
inline constexpr int MaxBalloonLines = 10;
// Conversation after buying upgrade (island, slot); 22 closes the book.
constexpr int AfterUpgrade(int island, int slot) { return 4 * (island - 1) + slot + 1; }
inline constexpr int Final = 22;
}  // namespace ChatTextId

// "UpgradeNames.txt" and "UpgradeDescs.txt": lines 5, 10, 15 and 20 are not
// used.
namespace UpgradeTextId {
constexpr int Entry(int island, int slot) { return 5 * (island - 1) + slot; }
}  // namespace UpgradeTextId

}  // namespace qm
