#include "text/ChapterDialog.h"

#include <algorithm>

#include "audio/AudioNames.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"
#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "text/FontMetrics.h"
#include "text/FontPictures.h"
#include "text/GlobalGameText.h"
#include "text/TextStrings.h"

namespace qm {

namespace {

struct TPlace {
  int X, Y;
};

constexpr TPlace kMainCharacterAt{166, 48};
constexpr TPlace kMainBalloonAt{394, 94};
// Client 1..6: where the picture and the balloon stand.
constexpr std::array<TPlace, TChapterDialog::ClientCount> kClientAt{
    {{961, 66}, {995, 105}, {874, 26}, {919, 30}, {880, 104}, {955, 41}}};
constexpr std::array<TPlace, TChapterDialog::ClientCount> kClientBalloonAt{
    {{612, 84}, {609, 105}, {575, 31}, {580, 66}, {582, 93}, {587, 47}}};
constexpr TPlace kBalloonTextOffset{30, 23};
// The balloon's top piece is this high; the text lines start below it.
constexpr int kBalloonTopHeight = 24;

constexpr char kBalloonImage[] = "ChapterDialogBalloon";
constexpr int kBalloonTop = 0;
constexpr int kBalloonLine = 1;
constexpr int kBalloonBottom = 2;
constexpr char kBalloonTailImage[] = "ChapterDialogBalloonTail";
constexpr int kTailTop = 10;
constexpr float kTailOverlap = 6;
constexpr char kClientImage[] = "ChatCharacter";
constexpr char kMainCharacterImage[] = "ChatMainChar";
// From this conversation on the main character is dressed for travelling.
constexpr int kTravellingFrom = 6;

constexpr float kFadeStep = 0.07f;
constexpr int kBackdropAlpha = 125;
// Degrees of rocking per unit of the oscillator, about a point near the
// picture's right edge.
constexpr float kRockingAngle = 0.7f;
constexpr float kRockingPivotX = 0.95f;
constexpr float kRockingPivotY = 0.5f;
constexpr int kTalkingMouths = ChatMouthPatterns - 1;
// The mouth must visibly move; a few draws find a different one.
constexpr int kMouthDraws = 30;

constexpr int kStartingAlpha = 25;
constexpr int kAlphaStep = 8;
constexpr int kMaxTextAlpha = 230;
constexpr int kLettersPerFrame = 2;
constexpr int kVanishingStep = 25;

int ToAlpha(float fade, int full) { return RoundToEven(double(fade) * full); }

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// A speaker code that names no client is read as the main character.
TChapterDialog::TChatLine ParseChatLine(const std::string& raw) {
  TChapterDialog::TChatLine line;
  if (raw.empty()) return line;
  line.Text = raw.size() > 2 ? raw.substr(2) : std::string();
  const auto client = ChatTextId::ClientCodes.find(UpperAscii(raw[0]));
  if (client != std::string_view::npos) {
    line.Side = csClient;
    line.Client = int(client) + 1;
  }
  return line;
}

std::string WrapBalloonText(std::string_view text, int maxWidth) {
  std::string wrapped;
  for (const std::string& part : SplitTextLines(text)) {
    if (!wrapped.empty()) wrapped += TextLineBreak;
    wrapped += WrapText(fkAirstripNormal, part, TChapterDialog::BalloonTextSpacing, maxWidth,
                        TChapterDialog::BalloonTextScale);
  }
  return wrapped;
}

}  // namespace

void TChapterDialog::TTypedText::Clear() {
  FX = FY = 0;
  FLineCount = 0;
  for (auto& line : FLines) line.clear();
  for (auto& alphas : FAlphas) alphas.clear();
  FRevealLine = FRevealLetter = 0;
  FVanishing = false;
}

void TChapterDialog::TTypedText::Show(int x, int y, const std::string& text) {
  Clear();
  FX = x;
  FY = y;
  for (const std::string& line : SplitTextLines(text)) {
    if (FLineCount == MaxTextLines) break;
    FAlphas[FLineCount].assign(line.size(), 0);
    FLines[FLineCount++] = line;
  }
  SkipFinishedLines();
}

void TChapterDialog::TTypedText::SkipFinishedLines() {
  while (FRevealLine < FLineCount && FRevealLetter >= int(FLines[FRevealLine].size())) {
    ++FRevealLine;
    FRevealLetter = 0;
  }
}

bool TChapterDialog::TTypedText::RevealAll() {
  if (Revealed()) return true;
  for (int i = 0; i < FLineCount; ++i) std::fill(FAlphas[i].begin(), FAlphas[i].end(), kMaxTextAlpha);
  FRevealLine = FLineCount;
  return false;
}

void TChapterDialog::TTypedText::Step() {
  // A text on its way out types no further.
  for (int n = 0; n < kLettersPerFrame && !FVanishing && !Revealed(); ++n) {
    FAlphas[FRevealLine][FRevealLetter++] = kStartingAlpha;
    SkipFinishedLines();
  }
  for (int i = 0; i < FLineCount; ++i)
    for (int& alpha : FAlphas[i]) {
      if (FVanishing)
        alpha = std::max(alpha - kVanishingStep, 0);
      else if (alpha != 0)
        alpha = std::min(alpha + kAlphaStep, kMaxTextAlpha);
    }
}

void TChapterDialog::TTypedText::Draw(TOmegaImageList& list, int lineGap) const {
  const TFontPictures font(&list, fkAirstripNormal, img::GlobalFontWhite);
  if (!font.Ready()) return;
  const TTextColor ink = TextColorOf(TextColor::Black);
  for (int i = 0; i < FLineCount; ++i) {
    int advance = 0;
    for (std::size_t k = 0; k < FLines[i].size(); ++k) {
      const auto code = static_cast<std::uint8_t>(FLines[i][k]);
      if (FAlphas[i][k] > 0)
        font.DrawGlyph(code, float(FX + advance), float(FY + i * lineGap), BalloonTextScale, ink.Red, ink.Green,
                       ink.Blue, FAlphas[i][k]);
      advance += AdvanceWidth(fkAirstripNormal, code, BalloonTextSpacing, BalloonTextScale);
    }
  }
}

TChapterDialog::TChapterDialog() {
  // The two sides rock at their own pace, so they never sway together.
  FSides[csBram].Rocking.Setup(-1.5f, 1.5f, 0.03f, 0.03f);
  FSides[csClient].Rocking.Setup(-1.5f, 1.5f, 0.025f, 0.025f);
}

void TChapterDialog::LoadConversations() {
  if (!TextStringsComp) return;
  const int rows = TextStringsComp->Count(ttCharacterChats);
  int row = 1;
  for (TConversation& conversation : FConversations) {
    conversation = TConversation{};
    ++row;  // the heading
    int read = 0;
    for (; row <= rows && !TextStringsComp->Text(ttCharacterChats, row).empty(); ++row)
      if (read < MaxLines) {
        TChatLine& line = conversation.Lines[read++];
        line = ParseChatLine(TextStringsComp->Text(ttCharacterChats, row));
        line.Text = WrapBalloonText(line.Text, MaxBalloonTextWidth);
      }
    ++row;  // the empty line closing the block
    conversation.LastLine = read;
    const auto first = std::find_if(conversation.Lines.begin(), conversation.Lines.begin() + read,
                                    [](const TChatLine& line) { return line.Side == csClient; });
    if (first != conversation.Lines.begin() + read) conversation.Client = first->Client;
  }
}

void TChapterDialog::ResetSides() {
  for (TSideState& side : FSides) {
    side.Talking = false;
    side.Mouth = 0;
    side.MouthTimer = side.MouthInterval = 0;
    side.BalloonAlpha = side.BalloonAlphaTarget = 0;
    side.BalloonLines = 0;
    side.Text.Clear();
  }
}

void TChapterDialog::Reset() {
  ++FRun;
  FPlaying = FEnded = false;
  FWaitingFirst = FBalloonRunning = false;
  FDelayTimer = FBalloonTimer = 0;
  FLine = 0;
  FFade = FFadeTarget = 0;
  ResetSides();
}

void TChapterDialog::Start(int conversation) {
  if (conversation < 1 || conversation > ConversationCount) return;
  Reset();
  FPlaying = true;
  FConversation = conversation;
  FLine = Conversation(conversation).FirstLine;
  FClient = Conversation(conversation).Client;
  FSides[csBram].X = kMainCharacterAt.X;
  FSides[csBram].Y = kMainCharacterAt.Y;
  FSides[csBram].BalloonX = kMainBalloonAt.X;
  FSides[csBram].BalloonY = kMainBalloonAt.Y;
  if (FClient != 0) {
    FSides[csClient].X = kClientAt[FClient - 1].X;
    FSides[csClient].Y = kClientAt[FClient - 1].Y;
    FSides[csClient].BalloonX = kClientBalloonAt[FClient - 1].X;
    FSides[csClient].BalloonY = kClientBalloonAt[FClient - 1].Y;
  }
  FFadeTarget = 1;
  FWaitingFirst = true;
  MeasureLines();
}

int TChapterDialog::DefaultLineDuration(const std::string& text) const {
  const int letters = int(std::count_if(text.begin(), text.end(), [](char c) { return c != TextLineBreak; }));
  return IntervalPerChar * std::max(letters, MinimumLineLengthForInterval);
}

void TChapterDialog::MeasureLines() {
  FDurations.fill(0);
  const TConversation& conversation = Conversation(FConversation);
  for (int line = 1; line <= conversation.LastLine; ++line) {
    int length = OnVoiceLengthAsk ? OnVoiceLengthAsk(FConversation, VoiceName::Chat(line)) : 0;
    if (length <= 0) length = DefaultLineDuration(conversation.Lines[line - 1].Text);
    FDurations[line - 1] = length + ExtraIntervalPerBalloon;
  }
}

void TChapterDialog::StartBalloon(int line) {
  FLine = line;
  const TConversation& conversation = Conversation(FConversation);
  if (line > conversation.LastLine || conversation.Lines[line - 1].Text.empty()) {
    EndConversation();
    return;
  }
  const TChatLine& chat = conversation.Lines[line - 1];
  TSideState& speaker = FSides[chat.Side];
  TSideState& listener = FSides[1 - chat.Side];
  speaker.PopIn.Start();
  speaker.BalloonAlphaTarget = MaxBalloonAlpha;
  listener.BalloonAlphaTarget = 0;
  speaker.Talking = true;
  speaker.MouthTimer = speaker.MouthInterval = 0;
  listener.Talking = false;
  listener.Mouth = 0;
  // Each line gestures anew: the two speaking poses take turns.
  speaker.Pose = 1 + line % (ChatPoses - 1);
  listener.Pose = 0;
  const int breaks = int(std::count(chat.Text.begin(), chat.Text.end(), TextLineBreak));
  speaker.BalloonLines = std::min(breaks + 1, ChatTextId::MaxBalloonLines);
  speaker.Text.Show(speaker.BalloonX + kBalloonTextOffset.X, speaker.BalloonY + kBalloonTextOffset.Y, chat.Text);
  listener.Text.Vanish();
  FBalloonTimer = 0;
  FBalloonRunning = true;
  const unsigned run = FRun;
  if (OnStartOfBalloon) OnStartOfBalloon(*this, line, chat.Side, chat.Client);
  if (run == FRun && FBalloonRunning && OnPlayVoice) OnPlayVoice(VoiceName::Chat(line));
}

void TChapterDialog::EndConversation() {
  FEnded = true;
  FWaitingFirst = FBalloonRunning = false;
  for (TSideState& side : FSides) {
    side.Text.Vanish();
    side.Talking = false;
    side.Mouth = 0;
    side.Pose = 0;
    side.BalloonAlphaTarget = 0;
  }
  FFadeTarget = 0;
}

void TChapterDialog::Click() {
  if (!FPlaying || !FBalloonRunning) return;
  TSideState& speaker = FSides[Conversation(FConversation).Lines[FLine - 1].Side];
  if (speaker.Text.RevealAll()) FBalloonTimer = BalloonDuration(FLine);
}

void TChapterDialog::Skip() {
  if (!FPlaying || FEnded) return;
  if (FBalloonRunning) {
    FBalloonRunning = false;
    const unsigned run = FRun;
    if (OnEndOfBalloon) OnEndOfBalloon(*this);
    if (run != FRun || FEnded) return;
  }
  EndConversation();
}

void TChapterDialog::StepCharacter(TSideState& side) {
  side.Rocking.Step();
  if (!side.Talking) {
    side.Mouth = 0;
    return;
  }
  side.MouthTimer += FrameMs;
  if (side.MouthTimer < side.MouthInterval) return;
  side.MouthTimer = 0;
  side.MouthInterval = int(FMouths() % 2) * 65 + 135;
  const int previous = side.Mouth;
  for (int draw = 0; draw < kMouthDraws && side.Mouth == previous; ++draw)
    side.Mouth = int(FMouths() % unsigned(kTalkingMouths)) + 1;
}

void TChapterDialog::StepBalloon(TSideState& side) {
  StepToward(side.BalloonAlpha, BalloonAlphaStep, side.BalloonAlphaTarget);
  side.PopIn.Step();
}

std::string TChapterDialog::MainCharacterImage() const {
  return FConversation >= kTravellingFrom ? std::string(kMainCharacterImage) + "2" : kMainCharacterImage;
}

void TChapterDialog::DrawCharacter(const std::string& image, const TSideState& side) const {
  DrawImageEx(*OmgImgList, image, float(side.X), float(side.Y), kRockingAngle * side.Rocking.Value(), kRockingPivotX,
              kRockingPivotY, 1, 1, 255, 255, 255, ToAlpha(FFade, 255), side.Pose * ChatMouthPatterns + side.Mouth,
              0);
}

void TChapterDialog::DrawBalloon(const TSideState& side) const {
  if (side.BalloonAlpha <= 0) return;
  const float width = side.PopIn.Ratio();
  auto piece = [&](int y, int pattern) {
    DrawImageEx(*OmgImgList, kBalloonImage, float(side.BalloonX), float(y), 0, 0.5f, 0, width, 1, 255, 255, 255,
                side.BalloonAlpha, pattern, 0);
  };
  piece(side.BalloonY, kBalloonTop);
  for (int line = 0; line < side.BalloonLines; ++line)
    piece(side.BalloonY + kBalloonTopHeight + line * LinesGap, kBalloonLine);
  piece(side.BalloonY + kBalloonTopHeight + side.BalloonLines * LinesGap, kBalloonBottom);
  DrawBalloonTail(side, width);
}

void TChapterDialog::DrawBalloonTail(const TSideState& side, float width) const {
  TImageListItem* tail = OmgImgList->FindImage(kBalloonTailImage);
  if (!tail) return;
  // The tail points from the balloon's side towards the speaker's face; its
  // picture points left and overlaps the balloon's edge by kTailOverlap.
  const float halfWidth = PatternWidth(*OmgImgList, kBalloonImage) / 2.0f * width;
  const float centreX = float(side.BalloonX) + PatternWidth(*OmgImgList, kBalloonImage) / 2.0f;
  const bool speakerOnLeft = side.X < side.BalloonX;
  const float x = speakerOnLeft ? centreX - halfWidth - tail->TileWidth() + kTailOverlap
                                : centreX + halfWidth - kTailOverlap;
  tail->DrawEx(x, float(side.BalloonY + kTailTop), 0, 0, 0, 1, 1, (std::uint32_t(side.BalloonAlpha) << 24) | 0xFFFFFFu,
               !speakerOnLeft, false, 0, 0);
}

void TChapterDialog::TickAndDraw() {
  if (!FPlaying || !Visible) return;
  const unsigned run = FRun;

  for (TSideState& side : FSides) StepCharacter(side);
  if (OmgImgList) {
    DrawImageEx(*OmgImgList, "BlackRect", 0, 0, 0, 0, 0, 2, 2, 255, 255, 255, ToAlpha(FFade, kBackdropAlpha), 0, 0);
    DrawImageEx(*OmgImgList, "MovieEffectMask", 0, 0, 0, 0, 0, 2, 2, 255, 255, 255, ToAlpha(FFade, 255), 0, 0);
    if (FClient != 0) DrawCharacter(kClientImage + std::to_string(FClient), FSides[csClient]);
    DrawCharacter(MainCharacterImage(), FSides[csBram]);
  }

  if (FWaitingFirst && TimerReached(FDelayTimer, FirstDelayTime)) {
    FWaitingFirst = false;
    StartBalloon(FLine);
    if (run != FRun) return;
  }

  StepToward(FFade, kFadeStep, FFadeTarget);

  for (TSideState& side : FSides) {
    StepBalloon(side);
    if (OmgImgList) DrawBalloon(side);
  }
  for (TSideState& side : FSides) {
    side.Text.Step();
    if (OmgImgList) side.Text.Draw(*OmgImgList, LinesGap);
  }

  if (FBalloonRunning) {
    FBalloonTimer += FrameMs;
    const int duration = BalloonDuration(FLine);
    TSideState& speaker = FSides[Conversation(FConversation).Lines[FLine - 1].Side];
    // The voice is over: the mouth rests while the balloon is still read.
    if (FBalloonTimer >= duration - ExtraIntervalPerBalloon) {
      speaker.Talking = false;
      speaker.Mouth = 0;
    }
    if (FBalloonTimer >= duration) {
      FBalloonRunning = false;
      if (OnEndOfBalloon) OnEndOfBalloon(*this);
      if (run != FRun || FEnded) return;
      StartBalloon(FLine + 1);
      if (run != FRun) return;
    }
  }

  if (FEnded && FFade <= 0) {
    FPlaying = false;
    if (OnEndOfConversations) OnEndOfConversations(*this);
  }
}

}  // namespace qm
