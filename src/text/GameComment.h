#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>

#include "text/FontMetrics.h"

namespace qm {

class TOmegaImageList;
class TTextStrings;

enum TGameCommentAlignment { alCenter, alDefined };
// How high the settled letters bob.
enum TShiftAdjListKind { slNormal, slShorter };
enum TGameCommentState { gcIdle, gcFlyingIn, gcWaving, gcFadingOut };

// The comment kinds the round shows through ShowComment; a comment shown
// by its text (ShowText) is kind coText.
enum TCommentKind : std::uint8_t {
  coNone = 0,
  coText = 1,
  coGo = 2,
  coTimeUp = 3,
  coGameRoundClear = 4,
  coBossVictory = 5,
  coNoMoreMoves = 7,
  coTimeRunningOut = 8,
  // A normal level's tube has run dry: no more medal than bronze, no hurry.
  coMedalTimeOver = 9,
};

// What tells the game's comments apart; the font, its picture and the
// centred alignment are the same for all of them.
struct TGameCommentSetup {
  int CenterAdjustX;
  int CenterAdjustY;
  int AdditionalHorzSpace;
  float LetterSizeRatio;
  int WavingTime;  // ms
  TShiftAdjListKind ShiftAdjListKind;
};

// The round's big messages (ShowComment); a press on the board during coGo
// calls FinishWaving.
inline constexpr TGameCommentSetup RoundMessageSetup{25, -40, 6, 1.15f, 1500, slNormal};
// The flower rewards of the round.
inline constexpr TGameCommentSetup FlowerRewardSetup{21, 85, 3, 0.75f, 1500, slShorter};
// The mission name over the map.
inline constexpr TGameCommentSetup MissionNameSetup{0, -20, 4, 1.0f, 3000, slShorter};
// The notice of the upgrade scene; the book's play button calls FinishWaving.
inline constexpr TGameCommentSetup UpgradeNoticeSetup{0, -75, 4, 1.0f, 7500, slShorter};

// A short announcement in the big capitals: the letters fly in from random
// points at the edge of the screen, settle into a line, bob in a wave while
// they fade in and, after WavingTime, fade out. Showing another text while
// one is still up replaces it at once: the replaced one never reports.
class TGameComment {
 public:
  static constexpr int MaxLetters = 40;
  // A centred comment's line is centred on a screen this wide.
  static constexpr int ScreenWidth = 1366;
  static constexpr int StartPointCount = 29;
  static constexpr int WavePhases = 8;
  // The longer axis of a letter's flight covers this much per frame.
  static constexpr int FlightStep = 65;

  struct TLetter {
    int Alpha = 0;
    double X = 0, Y = 0;
    double TargetX = 0, TargetY = 0;
    double SpeedX = 0, SpeedY = 0;
    int Phase = 1;
  };

  using TWavingFinishedEvent = std::function<void(TGameComment& sender, std::uint8_t commentKind)>;

  TGameComment();

  TOmegaImageList* OmgImgList = nullptr;
  const TTextStrings* TextStringsComp = nullptr;
  bool Visible = true;
  std::string LettersImg;
  TGameFontKind FontKind = fkAirstripComment;
  float LetterSizeRatio = 1.0f;
  TShiftAdjListKind ShiftAdjListKind = slNormal;
  int WavingTime = 1500;  // ms
  int LetterWidth = 20;
  int LetterHeight = 20;
  int CenterAdjustX = 45;
  int CenterAdjustY = -65;
  int AdditionalHorzSpace = 8;
  int LetterAlphaInc = 10;
  int LetterAlphaDec = 20;
  // The letters appear in place and wave until FinishWaving.
  bool WaveOnly = false;
  TGameCommentAlignment Alignment = alCenter;
  int DefinedLeft = 0;
  int DefinedTop = 0;
  // Once per comment, when its waving time is over and it starts to fade.
  TWavingFinishedEvent OnWavingFinished;
  std::function<void(const std::string& name)> OnPlaySound;

  // One of the game's comments: "CommentFont" in the comment font, centred.
  void Configure(const TGameCommentSetup& setup);
  // Letter size from the font picture, once it is loaded.
  void FetchLetterSize();

  // An empty text does nothing; a longer one keeps its first 40 letters.
  // ownRandom: the letters scatter from the comment's own random numbers,
  // leaving the game's stream (which also refills the board) untouched.
  void ShowText(std::string_view text, bool ownRandom = false);
  // Kinds without a text of their own show nothing, but still become the
  // kind the running comment reports.
  void ShowComment(std::uint8_t kind);
  // The fade-out starts at the next frame.
  void FinishWaving();
  // Gone at once, without reporting.
  void HideNow();
  // Once per frame.
  void UpdateAndDraw();

  TGameCommentState State() const { return FState; }
  std::uint8_t CommentKind() const { return FCommentKind; }
  const std::string& Text() const { return FText; }
  int LetterCount() const { return static_cast<int>(FText.size()); }
  // Letter 0 .. LetterCount() - 1.
  const TLetter& Letter(int index) const { return FLetters[index]; }

 private:
  void ComputeTargets();
  void ComputeSpeeds();
  void StepAlphas();
  void StepFlight();
  void StepWaving();
  void StepFadingOut();
  void Draw();

  TGameCommentState FState = gcIdle;
  std::uint8_t FCommentKind = coNone;
  std::string FText;
  std::array<TLetter, MaxLetters> FLetters;
  int FWavingTimer = 0;
  std::minstd_rand FScatter{1};
};

}  // namespace qm
