#include "text/GameComment.h"

#include <algorithm>
#include <cmath>

#include "audio/AudioNames.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"
#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "text/GameTextIds.h"
#include "text/TextStrings.h"
#include "text/FontPictures.h"

namespace qm {

namespace {

constexpr int kScreenHeight = 768;

struct TStartPoint {
  int X, Y;
};

// Points around the border, laid out for a 1024 x 768 screen and stretched
// over the wide one, so letters come in from every side.
const std::array<TStartPoint, TGameComment::StartPointCount>& StartPoints() {
  static const auto points = [] {
    constexpr std::array<TStartPoint, TGameComment::StartPointCount> narrow{{
        {12, 13},    {134, 6},    {260, 6},   {373, 5},   {498, 4},   {640, 2},   {773, 5},   {889, 2},
        {1008, 20},  {1012, 132}, {1017, 254}, {1018, 370}, {1016, 475}, {1007, 584}, {1006, 688}, {906, 757},
        {798, 756},  {677, 758},  {569, 758}, {448, 755}, {341, 756}, {213, 760}, {92, 756},  {11, 675},
        {2, 565},    {4, 455},    {4, 341},   {3, 231},   {5, 120},
    }};
    std::array<TStartPoint, TGameComment::StartPointCount> wide{};
    for (int i = 0; i < TGameComment::StartPointCount; ++i)
      wide[i] = {RoundToEven((narrow[i].X - 113) * 1.7), RoundToEven((narrow[i].Y - 83) * 1.28)};
    return wide;
  }();
  return points;
}

// Pixels added to a letter's y, by its wave phase 1..8.
constexpr std::array<int, TGameComment::WavePhases> kNormalWave{1, 2, 3, 4, 5, 4, 3, 2};
constexpr std::array<int, TGameComment::WavePhases> kShorterWave{1, 1, 2, 2, 3, 3, 2, 2};

// The table entry a comment kind shows, 0 for the kinds without a text.
int CommentEntryOf(std::uint8_t kind) {
  switch (kind) {
    case coGo: return CommentTextId::Go;
    case coTimeUp: return CommentTextId::TimeUp;
    case coGameRoundClear: return CommentTextId::RoundClear;
    case coBossVictory: return CommentTextId::BossVictory;
    case coNoMoreMoves: return CommentTextId::NoMoreMoves;
    case coTimeRunningOut: return CommentTextId::HurryUp;
    case coMedalTimeOver: return CommentTextId::MedalTimeOver;
    default: return 0;
  }
}

}  // namespace

TGameComment::TGameComment() {
  for (int i = 0; i < MaxLetters; ++i) FLetters[i].Phase = i % WavePhases + 1;
}

void TGameComment::Configure(const TGameCommentSetup& setup) {
  LettersImg = std::string(img::CommentFont);
  FontKind = fkAirstripComment;
  Alignment = alCenter;
  CenterAdjustX = setup.CenterAdjustX;
  CenterAdjustY = setup.CenterAdjustY;
  AdditionalHorzSpace = setup.AdditionalHorzSpace;
  LetterSizeRatio = setup.LetterSizeRatio;
  WavingTime = setup.WavingTime;
  ShiftAdjListKind = setup.ShiftAdjListKind;
}

void TGameComment::FetchLetterSize() {
  if (!OmgImgList || !OmgImgList->FindImage(LettersImg)) return;
  LetterWidth = PatternWidth(*OmgImgList, LettersImg);
  LetterHeight = PatternHeight(*OmgImgList, LettersImg) / 3;
}

void TGameComment::ShowText(std::string_view text, bool ownRandom) {
  if (text.empty()) return;
  FText = std::string(text.substr(0, MaxLetters));
  FCommentKind = coText;
  const auto& points = StartPoints();
  // The letters scatter from the comment's own numbers: the game's stream
  // (which also refills the board) gives one number a comment, whatever
  // its length, so a round plays the same in every language.
  if (!ownRandom) FScatter.seed(std::uint32_t(Random(0x7FFFFFFF)) + 1);
  const auto pick = [&] { return int(FScatter() % unsigned(StartPointCount)); };
  for (int i = 0; i < LetterCount(); ++i) {
    FLetters[i].X = points[pick()].X;
    FLetters[i].Y = points[pick()].Y;
  }
  ComputeTargets();
  ComputeSpeeds();
  if (WaveOnly) {
    for (int i = 0; i < LetterCount(); ++i) {
      FLetters[i].X = FLetters[i].TargetX;
      FLetters[i].Y = FLetters[i].TargetY;
    }
    FWavingTimer = 0;
    FState = gcWaving;
  } else {
    FState = gcFlyingIn;
  }
  for (TLetter& letter : FLetters) letter.Alpha = 0;
}

void TGameComment::ShowComment(std::uint8_t kind) {
  const int entry = CommentEntryOf(kind);
  // The empty tube's notice came later than the other comments: its letters
  // take no numbers from the game's stream, so rounds play as they did.
  if (entry != 0 && TextStringsComp) ShowText(TextStringsComp->Text(ttGameComments, entry), kind == coMedalTimeOver);
  if ((kind == coGameRoundClear || kind == coBossVictory) && OnPlaySound)
    OnPlaySound(std::string(SoundName::StageComplete));
  FCommentKind = kind;
}

void TGameComment::FinishWaving() {
  if (FState == gcWaving) FWavingTimer = WavingTime;
}

void TGameComment::HideNow() { FState = gcIdle; }

void TGameComment::ComputeTargets() {
  auto advance = [this](char c) {
    return AdvanceWidth(FontKind, static_cast<std::uint8_t>(c), 0, LetterSizeRatio) + AdditionalHorzSpace;
  };
  int total = 0;
  for (char c : FText) total += advance(c);
  int left = DefinedLeft;
  int top = DefinedTop;
  if (Alignment == alCenter) {
    left = (ScreenWidth - total) / 2;
    top = (kScreenHeight - LetterHeight) / 2 + CenterAdjustY;
  }
  int x = left + CenterAdjustX;
  for (int i = 0; i < LetterCount(); ++i) {
    FLetters[i].TargetX = x;
    FLetters[i].TargetY = top;
    x += advance(FText[i]);
  }
}

void TGameComment::ComputeSpeeds() {
  for (int i = 0; i < LetterCount(); ++i) {
    TLetter& letter = FLetters[i];
    const double dx = std::abs(RoundToEven(letter.TargetX) - RoundToEven(letter.X));
    const double dy = std::abs(RoundToEven(letter.TargetY) - RoundToEven(letter.Y));
    double f = std::max(dx, dy) / FlightStep;
    if (f == 0) f = 1;
    letter.SpeedX = dx / f;
    letter.SpeedY = dy / f;
  }
}

void TGameComment::UpdateAndDraw() {
  if (!Visible || FState == gcIdle) return;
  StepAlphas();
  switch (FState) {
    case gcFlyingIn: StepFlight(); break;
    case gcWaving: StepWaving(); break;
    case gcFadingOut: StepFadingOut(); break;
    case gcIdle: break;
  }
  // The event may have hidden the comment or shown the next one.
  if (FState != gcIdle) Draw();
}

void TGameComment::StepAlphas() {
  for (TLetter& letter : FLetters)
    letter.Alpha = FState == gcFadingOut ? std::max(letter.Alpha - LetterAlphaDec, 0)
                                         : std::min(letter.Alpha + LetterAlphaInc, 255);
}

void TGameComment::StepFlight() {
  auto approach = [](double& value, double speed, double target) {
    value = value < target ? std::min(value + speed, target) : std::max(value - speed, target);
  };
  bool settled = true;
  for (int i = 0; i < LetterCount(); ++i) {
    TLetter& letter = FLetters[i];
    approach(letter.X, letter.SpeedX, letter.TargetX);
    approach(letter.Y, letter.SpeedY, letter.TargetY);
    settled = settled && letter.X == letter.TargetX && letter.Y == letter.TargetY;
  }
  if (!settled) return;
  FWavingTimer = 0;
  FState = gcWaving;
}

void TGameComment::StepWaving() {
  if (!WaveOnly) FWavingTimer += FrameMs;
  if (FWavingTimer < WavingTime) return;
  FState = gcFadingOut;
  if (OnWavingFinished) OnWavingFinished(*this, FCommentKind);
}

void TGameComment::StepFadingOut() {
  const bool gone = std::all_of(FLetters.begin(), FLetters.end(), [](const TLetter& l) { return l.Alpha == 0; });
  if (gone) FState = gcIdle;
}

void TGameComment::Draw() {
  const auto& wave = ShiftAdjListKind == slNormal ? kNormalWave : kShorterWave;
  const TFontPictures font(OmgImgList, FontKind, LettersImg);
  for (int i = 0; i < LetterCount(); ++i) {
    TLetter& letter = FLetters[i];
    letter.Phase = letter.Phase % WavePhases + 1;
    if (!font.Ready()) continue;
    const auto code = static_cast<std::uint8_t>(FText[i]);
    font.DrawGlyph(code, float(RoundToEven(letter.X)), float(RoundToEven(letter.Y + wave[letter.Phase - 1])),
                    LetterSizeRatio, 255, 255, 255, letter.Alpha);
  }
}

}  // namespace qm
