#pragma once

#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/ValueUpDown.h"
#include "rules/PopInRatio.h"
#include "text/GameTextIds.h"

namespace qm {

class TOmegaImageList;
class TTextStrings;

enum TCharacterSide { csBram = 0, csClient = 1 };

// The voiced conversations between levels: over the darkened upgrade scene
// the main character (left) and one of six clients (right) talk in speech
// balloons, one line at a time, each balloon typed out and held for the
// length of its voice line. The owner plays the voices the dialog names and
// hears when each balloon and the whole conversation end.
class TChapterDialog {
 public:
  static constexpr int ConversationCount = ChatTextId::ConversationCount;
  static constexpr int MaxLines = ChatTextId::MaxLinesPerConversation;
  static constexpr int ClientCount = 6;
  // The balloon's text: the normal font at this size and letter spacing,
  // wrapped to this width.
  static constexpr int BalloonTextWidth = 345;
  static constexpr float BalloonTextScale = 0.7f;
  static constexpr int BalloonTextSpacing = 0;

  struct TChatLine {
    std::string Text;  // "|" breaks it into balloon lines
    TCharacterSide Side = csBram;
    int Client = 0;  // 1..6 on a client's line
  };

  struct TConversation {
    std::array<TChatLine, MaxLines> Lines;
    int FirstLine = 1;
    int LastLine = 1;
    int Client = 0;  // of its first client line; 0 when only the main character speaks
  };

  using TNotify = std::function<void(TChapterDialog& sender)>;
  using TStartOfBalloonEvent =
      std::function<void(TChapterDialog& sender, int line, TCharacterSide speaker, int client)>;

  TChapterDialog();

  TOmegaImageList* OmgImgList = nullptr;
  const TTextStrings* TextStringsComp = nullptr;
  bool Visible = true;
  int BalloonAlphaStep = 25;
  int MaxBalloonAlpha = 230;
  // Lines are wrapped to this width when the conversations are read; a "|"
  // in the table still breaks a line where it stands.
  int MaxBalloonTextWidth = BalloonTextWidth;
  int FirstDelayTime = 600;  // ms
  int LinesGap = 24;         // pixels between balloon lines
  // A line whose voice length is unknown is held this long per letter,
  // counting at least MinimumLineLengthForInterval letters.
  int IntervalPerChar = 52;  // ms
  int MinimumLineLengthForInterval = 35;
  // Added to every line's voice, so the balloon is read to its end.
  int ExtraIntervalPerBalloon = 700;  // ms

  // Length in ms of a voice of a conversation, 0 when it is unknown (no
  // file, or one that does not decode). Asked once per line when a
  // conversation starts.
  std::function<int(int conversation, const std::string& voice)> OnVoiceLengthAsk;
  TStartOfBalloonEvent OnStartOfBalloon;
  // The voice of the line that starts, right after OnStartOfBalloon.
  std::function<void(const std::string& voice)> OnPlayVoice;
  // The running line is over: its voice should stop.
  TNotify OnEndOfBalloon;
  // The conversation has faded away; once per Start, unless a Reset or
  // another Start comes first.
  TNotify OnEndOfConversations;

  // Reads the 22 conversations from the chat table.
  void LoadConversations();
  // Not playing; nothing drawn.
  void Reset();
  // Plays conversation 1..22; anything else is ignored.
  void Start(int conversation);
  // A press while a conversation plays: finishes the typing, or, when the
  // text is out already, ends the balloon.
  void Click();
  // Ends the running balloon (OnEndOfBalloon) and the conversation, which
  // fades away and reports OnEndOfConversations as after its last line.
  void Skip();
  void TickAndDraw();

  bool Playing() const { return FPlaying; }
  // The line of the running conversation on screen (1..20), 0 before the first.
  int CurrentLine() const { return FBalloonRunning ? FLine : 0; }
  const TConversation& Conversation(int conversation) const { return FConversations[conversation - 1]; }
  // How long line 1..20 of the running conversation is held, extra time
  // included.
  int BalloonDuration(int line) const { return FDurations[line - 1]; }

 private:
  // Text typed out letter by letter in a balloon, and faded away again.
  class TTypedText {
   public:
    static constexpr int MaxTextLines = ChatTextId::MaxBalloonLines;

    void Show(int x, int y, const std::string& text);
    void Vanish() { FVanishing = true; }
    // True when every letter was already out; otherwise they are all put
    // out at once.
    bool RevealAll();
    bool Revealed() const { return FRevealLine >= FLineCount; }
    void Clear();
    void Step();
    void Draw(TOmegaImageList& list, int lineGap) const;

   private:
    // Moves the reveal past lines whose letters are all out.
    void SkipFinishedLines();

    int FX = 0, FY = 0;
    int FLineCount = 0;
    std::array<std::string, MaxTextLines> FLines;
    std::array<std::vector<int>, MaxTextLines> FAlphas;
    int FRevealLine = 0;    // 0-based
    int FRevealLetter = 0;  // letters of the reveal line already out
    bool FVanishing = false;
  };

  struct TSideState {
    int X = 0, Y = 0;
    int BalloonX = 0, BalloonY = 0;
    bool Talking = false;
    int Mouth = 0;
    // 0 while listening; the speaker takes one of the speaking poses.
    int Pose = 0;
    int MouthTimer = 0;
    int MouthInterval = 0;
    TValueUpDown Rocking;
    int BalloonAlpha = 0;
    int BalloonAlphaTarget = 0;
    int BalloonLines = 0;
    TPopInRatio PopIn{1.12f, 0.16f, 0.04f};
    TTypedText Text;
  };

  void ResetSides();
  void MeasureLines();
  int DefaultLineDuration(const std::string& text) const;
  void StartBalloon(int line);
  void EndConversation();
  void StepCharacter(TSideState& side);
  void StepBalloon(TSideState& side);
  void DrawCharacter(const std::string& image, const TSideState& side) const;
  void DrawBalloon(const TSideState& side) const;
  void DrawBalloonTail(const TSideState& side, float width) const;
  std::string MainCharacterImage() const;

  std::array<TConversation, ConversationCount> FConversations;
  std::array<int, MaxLines> FDurations{};
  std::array<TSideState, 2> FSides;
  bool FPlaying = false;
  bool FEnded = false;
  int FConversation = 0;
  int FClient = 0;
  int FLine = 0;
  bool FWaitingFirst = false;
  int FDelayTimer = 0;
  bool FBalloonRunning = false;
  int FBalloonTimer = 0;
  float FFade = 0;
  float FFadeTarget = 0;
  // The talking mouths' own numbers: how long a line is talked (its length
  // differs by language) must not move the game's stream, which deals the
  // next round's pieces.
  std::minstd_rand FMouths{1};
  // Counts every Start and Reset, so a step can tell that an event handler
  // started over from inside it.
  unsigned FRun = 0;
};

}  // namespace qm
