// Every text of every language fits where the game draws it, measured with
// the game's own font metrics against the room its drawing code gives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "progress/BuySlots.h"
#include "progress/BuySlotsInfo.h"
#include "rules/ResultStats.h"
#include "shell/FormMain.h"
#include "shell/SceneTransition.h"
#include "shell/ShellTextAreas.h"
#include "text/ChapterDialog.h"
#include "text/CreditLines.h"
#include "text/GameComment.h"
#include "text/GameTextIds.h"
#include "text/GlobalGameText.h"
#include "text/NarrationText.h"
#include "text/Placeholders.h"
#include "text/TextStrings.h"
#include "text/TutorialToolTip.h"
#include "text/WrenTutorial.h"
#include "widgets/GameConfirmWindow.h"

namespace qm {
namespace {

const std::filesystem::path kTexts = std::filesystem::path(QUILLMERE_GAME_DIR) / TextsFolderName;

// How a text comes out where it is drawn: its lines, and the width and
// letter count of its widest and longest line.
struct TLayout {
  int Lines = 0, Width = 0, Letters = 0;
};

// The room the game gives a text and how it lays the text out there.
struct TRoom {
  std::function<TLayout(const std::string&)> Lay;
  int Width, MaxLines = 1, MaxLetters = 255;
};

int Measure(const std::string& text, int spacing, float scale) {
  return MeasureText(fkAirstripNormal, text, spacing, scale);
}

TRoom OneLine(int width, int spacing, float scale, int maxLetters = 255) {
  return {[=](const std::string& text) { return TLayout{1, Measure(text, spacing, scale), int(text.size())}; }, width,
          1, maxLetters};
}

TLayout WrappedLayout(const std::string& text, int width, int spacing, float scale) {
  TLayout layout;
  const auto lines = WrapLines(fkAirstripNormal, text, spacing, width, scale);
  for (int i = 0; i < MaxWrappedLines; ++i)
    if (!lines[i].empty())
      layout = {i + 1, std::max(layout.Width, Measure(lines[i], spacing, scale)),
                std::max(layout.Letters, int(lines[i].size()))};
  return layout;
}

TRoom Wrapped(int width, int spacing, float scale, int maxLines, int maxLetters = 255) {
  return {[=](const std::string& text) { return WrappedLayout(text, width, spacing, scale); }, width, maxLines,
          maxLetters};
}

// Comment letters stand in a line centred on the screen and shifted by the
// comment's own offset; a comment keeps its first 40 letters.
TRoom Comment(const TGameCommentSetup& setup) {
  const auto lay = [=](const std::string& text) {
    int width = 2 * std::abs(setup.CenterAdjustX);
    for (char c : text)
      width += AdvanceWidth(fkAirstripComment, std::uint8_t(c), 0, setup.LetterSizeRatio) + setup.AdditionalHorzSpace;
    return TLayout{1, width, int(text.size())};
  };
  return {lay, TGameComment::ScreenWidth, 1, TGameComment::MaxLetters};
}

// Credit headings are marked with "#" and drawn larger.
TLayout CreditLine(const std::string& line) {
  const bool heading = !line.empty() && line[0] == CreditsTextId::HeadingMark;
  const std::string shown = heading ? line.substr(1) : line;
  return {1, Measure(shown, 0, heading ? TCreditLines::HeadingScale : TCreditLines::LineScale), int(shown.size())};
}

// The description's lines all start at the x that centres the first one in
// the description area.
TLayout ConfirmDescription(const std::string& text) {
  using W = TGameConfirmWindow;
  const auto lines = WrapLines(fkAirstripNormal, text, W::TextSpacing, W::DescWidth, W::DescScale);
  const int left = (W::DescAreaWidth - Measure(lines[0], W::TextSpacing, W::DescScale)) / 2;
  TLayout layout = WrappedLayout(text, W::DescWidth, W::TextSpacing, W::DescScale);
  for (int i = 0; i < W::DescLines; ++i)
    layout.Width = std::max(layout.Width, left + Measure(lines[i], W::TextSpacing, W::DescScale));
  return layout;
}

using TShown = std::function<std::string(const TTextStrings&, TTextTable, int line)>;

std::string AsWritten(const TTextStrings& texts, TTextTable table, int line) { return texts.Text(table, line); }

struct TPlace {
  const char* Where;
  TTextTable Table;
  std::vector<int> Lines;
  TRoom Room;
  TShown Shown = AsWritten;
};

// Lines line(1) .. line(count) of a table.
std::vector<int> Each(int count, const std::function<int(int)>& line) {
  std::vector<int> lines;
  for (int n = 1; n <= count; ++n) lines.push_back(line(n));
  return lines;
}

int Same(int line) { return line; }

// A spoken line follows the heading or another spoken line; headings are
// never shown.
std::vector<int> SpokenChatLines(const TTextStrings& texts) {
  std::vector<int> lines;
  for (int line = 2; line <= texts.Count(ttCharacterChats); ++line)
    if (!texts.Text(ttCharacterChats, line).empty() && !texts.Text(ttCharacterChats, line - 1).empty())
      lines.push_back(line);
  return lines;
}

std::vector<TPlace> Places(const TTextStrings& english) {
  namespace g = GameTextId;
  namespace s = ShellText;
  using C = TGameConfirmWindow;
  using D = TChapterDialog;
  using I = TBuySlotsInfo;
  using P = TTutorialToolTip;
  using R = TResultStats;
  using T = TWrenTutorial;
  const auto upgrades = Each(TBuySlots::IslandCount * TBuySlots::SlotCount,
                             [](int n) { return UpgradeTextId::Entry((n + 3) / 4, (n + 3) % 4 + 1); });
  auto narrations = Each(NarrationId::OpeningCount, NarrationId::Opening);
  for (int line : Each(NarrationId::EndingCount, NarrationId::Ending)) narrations.push_back(line);

  // Not measured: the window caption (the desktop draws it), the player
  // names of lines 5 and 6 (shortened to their room like any name) and the
  // flower rewards, which no round shows.
  return {
      {"transition caption", ttGameTexts, {g::TransitionCaption},
       OneLine(TFormMain::kFrameWidth, 0, TSceneTransition::CaptionScale)},
      {"menu welcome with the default name", ttGameTexts, {g::MenuWelcome},
       OneLine(s::WelcomeWidth, 0, s::WelcomeScale),
       [](const TTextStrings& texts, TTextTable table, int line) {
         return WithValue(texts.Text(table, line), NamePlaceholder, texts.Text(table, g::DefaultPlayerName), "!");
       }},
      {"window title", ttGameTexts, {g::HighScoresTitle, g::CreditsTitle},
       OneLine(s::WindowTitleWidth, 0, s::WindowTitleScale)},
      {"bought label", ttGameTexts, {g::BoughtLabel},
       OneLine(TBuySlots::BoughtLabelWidth, 0, TBuySlots::BoughtLabelScale)},
      {"chapter notice", ttGameTexts, {g::ChapterCompletePrefix}, Comment(UpgradeNoticeSetup),
       [](const TTextStrings& texts, TTextTable table, int line) {
         return WithValue(texts.Text(table, line), NumberPlaceholder, "4", texts.Text(table, g::ChapterCompleteSuffix));
       }},
      {"book complete notice", ttGameTexts, {g::AllComplete}, Comment(UpgradeNoticeSetup)},
      {"mission name", ttGameTexts, Each(5, g::IslandMessage), Comment(MissionNameSetup)},
      {"options volume row", ttGameTexts, {g::SoundLabel, g::MusicLabel},
       OneLine(s::OptionsVolumeLabelWidth, 0, s::OptionsLabelScale)},
      {"options row", ttGameTexts, {g::FullScreenLabel, g::TutorialsLabel, g::ReducedEffectsLabel},
       OneLine(s::OptionsLabelWidth, 0, s::OptionsLabelScale)},
      {"result title", ttGameTexts, {g::ResultGoldTitle, g::ResultSilverTitle, g::ResultBronzeTitle},
       OneLine(R::TitleWidth, 0, R::TitleScale)},
      {"result row", ttGameTexts, {g::ResultTimeLabel, g::ResultScoreLabel, g::ResultBonusLabel},
       OneLine(R::LabelWidth, 0, R::LabelScale)},
      {"name entry title", ttGameTexts, {g::NameEntryTitle},
       OneLine(s::NameEntryTextWidth, 0, s::NameEntryTitleScale)},
      {"name entry prompt", ttGameTexts,
       {g::NameEntryPrompt, g::NameRefusedNotice, g::NameFullNotice, g::NameEmptyNotice},
       OneLine(s::NameEntryTextWidth, 0, s::NameEntrySmallScale)},
      {"book progress label", ttGameTexts, {g::BookProgressLabel},
       OneLine(s::BookTubeWidth - 2 * s::BookLabelMargin, 0, s::BookLabelScale)},
      {"level label", ttGameTexts, {g::LevelLabel}, OneLine(s::LevelLabelWidth, 0, s::LevelLabelScale)},
      // Kinds that share a question measure it twice.
      {"confirm title", ttGameConfirms, Each(9, [](int n) { return ConfirmTextId::TitleOfKind(n - 1); }),
       OneLine(C::TitleWidth, C::TextSpacing, C::TitleScale)},
      {"confirm description", ttGameConfirms, Each(9, [](int n) { return ConfirmTextId::DescOfKind(n - 1); }),
       {ConfirmDescription, C::DescAreaWidth, C::DescLines}},
      {"round comment", ttGameComments,
       {CommentTextId::Go, CommentTextId::TimeUp, CommentTextId::RoundClear, CommentTextId::BossVictory,
        CommentTextId::NoMoreMoves, CommentTextId::HurryUp, CommentTextId::MedalTimeOver},
       Comment(RoundMessageSetup)},
      {"story narration", ttStoryNarrations, narrations,
       Wrapped(StoryNarrationWidth, StoryNarrationSpacing, StoryNarrationScale, TNarrationText::MaxLines,
               TNarrationText::MaxLineLength)},
      {"credits", ttCredits, Each(TCreditLines::SlotCount, Same),
       {CreditLine, TCreditLines::AreaWidth, 1, CreditsTextId::MaxLineLength}},
      {"tutorial title", ttGameTutorial, Each(T::EntryCount, TutorialTextId::TitleLine),
       OneLine(T::TitleWidth, 0, T::TitleScale, TutorialTextId::MaxTitleLength)},
      {"tutorial body", ttGameTutorial, Each(T::EntryCount, TutorialTextId::BodyLine),
       Wrapped(T::BodyWidth, T::BodySpacing, T::BodyScale, T::BodyLines)},
      {"tool tip", ttTutorialInfo, Each(5, Same), Wrapped(P::TextWidth, P::TextSpacing, P::TextScale, P::TextLines)},
      // The speaker code and its colon are not shown.
      {"chat balloon", ttCharacterChats, SpokenChatLines(english),
       Wrapped(D::BalloonTextWidth, D::BalloonTextSpacing, D::BalloonTextScale, ChatTextId::MaxBalloonLines),
       [](const TTextStrings& texts, TTextTable table, int line) { return texts.Text(table, line).substr(2); }},
      {"shop slot name", ttUpgradeNames, upgrades,
       Wrapped(TBuySlots::NameWidth, TBuySlots::NameSpacing, TBuySlots::NameScale, TBuySlots::NameLines)},
      {"shop hint name", ttUpgradeNames, upgrades, OneLine(I::TextWidth, 0, I::NameScale)},
      {"shop hint description", ttUpgradeDescs, upgrades, Wrapped(I::TextWidth, 0, I::DescScale, I::MaxDescLines)},
  };
}

TEST(TextFit, EveryTextOfEveryLanguageFitsWhereTheGameDrawsIt) {
  const auto places = Places(TTextStrings(kTexts));
  for (TLanguage language : kLanguages) {
    const TTextStrings texts(kTexts, language);
    for (const TPlace& place : places)
      for (int line : place.Lines) {
        const std::string shown = place.Shown(texts, place.Table, line);
        const TLayout layout = place.Room.Lay(shown);
        const TRoom& room = place.Room;
        EXPECT_TRUE(layout.Lines <= room.MaxLines && layout.Width <= room.Width && layout.Letters <= room.MaxLetters)
            << LanguageCode(language) << " " << TextTableFileOf(place.Table).FileName << " line " << line << " ("
            << place.Where << "): \"" << Cp1252ToUtf8(shown) << "\" takes " << layout.Lines << " of " << room.MaxLines
            << " lines, " << layout.Width << " of " << room.Width << " px, " << layout.Letters << " of "
            << room.MaxLetters << " letters";
      }
  }
}

}  // namespace
}  // namespace qm
