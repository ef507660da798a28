#include "Texts.h"

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "FontMetrics.h"
#include "TextContent.h"
#include "Wording.h"
#include "progress/BuySlots.h"
#include "progress/BuySlotsInfo.h"
#include "shell/ShellTextAreas.h"
#include "text/ChapterDialog.h"
#include "text/CreditLines.h"
#include "text/GameTextIds.h"
#include "text/Language.h"
#include "text/NarrationText.h"
#include "text/Placeholders.h"
#include "text/TextTableFiles.h"
#include "text/TutorialToolTip.h"
#include "text/WrenTutorial.h"
#include "widgets/GameConfirmWindow.h"

namespace contentgen {
namespace {

using TLines = std::vector<std::string>;

// Where and how big the game draws each kind of text; the wording must fit.
// The numbers are the game's own, so the two cannot drift apart.
using qm::TBuySlots;
using qm::TBuySlotsInfo;
using qm::TCreditLines;
using qm::TGameConfirmWindow;
using qm::TTutorialToolTip;
using qm::TWrenTutorial;
constexpr int kTitleWidth = qm::ShellText::WindowTitleWidth;  // high-score and credits window titles
constexpr double kTitleScale = qm::ShellText::WindowTitleScale;
constexpr int kBalloonLines = 4;          // of 10 possible, so balloons stay small
constexpr int kPlayerNameLength = 16;
constexpr int kCommentScreenWidth = 1300;

[[noreturn]] void Fail(std::string_view file, int line, const std::string& why) {
  throw std::runtime_error(std::string(file) + " line " + std::to_string(line) + ": " + why);
}

void Require(bool ok, std::string_view file, int line, const std::string& why) {
  if (!ok) Fail(file, line, why);
}

int WrappedLineCount(const std::string& text, int spacing, int width, double scale) {
  return int(WrapNormal(text, spacing, width, scale).size());
}

// Comments are drawn letter by letter in the capitals font, 40 at most.
void RequireComment(const std::string& text, double ratio, int extraSpace, std::string_view file,
                    int line) {
  Require(int(text.size()) <= qm::CommentTextId::MaxCommentLength, file, line, "comment too long");
  int width = 0;
  for (char c : text) {
    Require(CommentFontHas(std::uint8_t(c)), file, line, "character not in the comment font");
    width += int(CommentBase(std::uint8_t(c)) * ratio) + extraSpace;
  }
  Require(width <= kCommentScreenWidth, file, line, "comment wider than the screen");
}

TLines PlaceEntries(std::string_view file, int count, const std::vector<TTextEntry>& entries,
                    const TWording& words) {
  TLines lines(count);
  std::vector<bool> used(count + 1, false);
  for (const auto& e : entries) {
    Require(e.Line >= 1 && e.Line <= count, file, e.Line, "no such line");
    Require(!used[e.Line], file, e.Line, "two texts for one line");
    used[e.Line] = true;
    lines[e.Line - 1] = ToCp1252(words(e.Text));
  }
  return lines;
}

TLines GameTextLines(const TWording& words) {
  namespace id = qm::GameTextId;
  const auto& f = qm::TextTableFileOf(qm::ttGameTexts);
  TLines lines = PlaceEntries(f.FileName, f.WrittenLines(), GameTexts(), words);
  auto at = [&](int n) -> const std::string& { return lines[n - 1]; };
  for (int n : {id::HighScoresTitle, id::CreditsTitle})
    Require(MeasureNormal(at(n), 0, kTitleScale) <= kTitleWidth, f.FileName, n, "title too wide");
  for (int n : {id::HighScorePlaceholder, id::DefaultPlayerName})
    Require(!at(n).empty() && int(at(n).size()) <= kPlayerNameLength, f.FileName, n,
            "a player name holds 1 to 16 characters");
  for (int island = 1; island <= 5; ++island)
    RequireComment(at(id::IslandMessage(island)), 1.0, 4, f.FileName, id::IslandMessage(island));
  RequireComment(at(id::AllComplete), 1.0, 4, f.FileName, id::AllComplete);
  const std::string chapter =
      qm::WithValue(at(id::ChapterCompletePrefix), qm::NumberPlaceholder, "4", at(id::ChapterCompleteSuffix));
  RequireComment(chapter, 1.0, 4, f.FileName, id::ChapterCompletePrefix);
  return lines;
}

TLines ConfirmLines(const TWording& words) {
  const auto& f = qm::TextTableFileOf(qm::ttGameConfirms);
  TLines lines = PlaceEntries(f.FileName, f.WrittenLines(), ConfirmTexts(), words);
  for (int kind = 0; kind <= 8; ++kind) {
    const int title = qm::ConfirmTextId::TitleOfKind(kind);
    const int desc = qm::ConfirmTextId::DescOfKind(kind);
    using W = TGameConfirmWindow;
    Require(MeasureNormal(lines[title - 1], W::TextSpacing, W::TitleScale) <= W::TitleWidth, f.FileName, title,
            "title too wide");
    Require(WrappedLineCount(lines[desc - 1], W::TextSpacing, W::DescWidth, W::DescScale) <= W::DescLines, f.FileName,
            desc, "description needs more than three lines");
  }
  return lines;
}

TLines CommentLines(const TWording& words) {
  const auto& f = qm::TextTableFileOf(qm::ttGameComments);
  TLines lines = PlaceEntries(f.FileName, f.WrittenLines(), CommentTexts(), words);
  for (const auto& e : CommentTexts()) RequireComment(lines[e.Line - 1], 1.15, 6, f.FileName, e.Line);
  return lines;
}

TLines NarrationLines(const TWording& words) {
  const auto& f = qm::TextTableFileOf(qm::ttStoryNarrations);
  TLines lines = PlaceEntries(f.FileName, f.WrittenLines(), NarrationTexts(), words);
  for (const auto& e : NarrationTexts()) {
    const auto wrapped =
        WrapNormal(lines[e.Line - 1], qm::StoryNarrationSpacing, qm::StoryNarrationWidth, qm::StoryNarrationScale);
    Require(int(wrapped.size()) <= qm::TNarrationText::MaxLines, f.FileName, e.Line, "narration too long");
    for (const auto& l : wrapped)
      Require(int(l.size()) <= qm::TNarrationText::MaxLineLength, f.FileName, e.Line, "narration line too long");
  }
  return lines;
}

TLines CreditsLines(const TWording& words) {
  const auto& f = qm::TextTableFileOf(qm::ttCredits);
  const auto credits = CreditLines();
  Require(int(credits.size()) == f.WrittenLines(), f.FileName, int(credits.size()), "wrong number of lines");
  TLines lines;
  for (std::string_view text : credits) {
    lines.push_back(ToCp1252(words(text)));
    const int n = int(lines.size());
    const bool heading = !lines.back().empty() && lines.back()[0] == qm::CreditsTextId::HeadingMark;
    const std::string shown = heading ? lines.back().substr(1) : lines.back();
    Require(int(shown.size()) <= qm::CreditsTextId::MaxLineLength, f.FileName, n, "credit line too long");
    Require(MeasureNormal(shown, 0, heading ? TCreditLines::HeadingScale : TCreditLines::LineScale) <=
                TCreditLines::AreaWidth,
            f.FileName, n, "credit line too wide");
  }
  return lines;
}

TLines TutorialLines(const TWording& words) {
  namespace id = qm::TutorialTextId;
  const auto& f = qm::TextTableFileOf(qm::ttGameTutorial);
  const auto tutorials = TutorialTexts();
  Require(int(tutorials.size()) == id::EntryCount, f.FileName, 0, "wrong number of tutorials");
  std::vector<TTextEntry> entries;
  for (int entry = 1; entry <= id::EntryCount; ++entry) {
    entries.push_back({id::TitleLine(entry), tutorials[entry - 1].Title});
    entries.push_back({id::BodyLine(entry), tutorials[entry - 1].Body});
  }
  TLines lines = PlaceEntries(f.FileName, f.WrittenLines(), entries, words);
  for (int entry = 1; entry <= id::EntryCount; ++entry) {
    const auto& title = lines[id::TitleLine(entry) - 1];
    Require(int(title.size()) <= id::MaxTitleLength &&
                MeasureNormal(title, 0, TWrenTutorial::TitleScale) <= TWrenTutorial::TitleWidth,
            f.FileName, id::TitleLine(entry), "title too long");
    Require(WrappedLineCount(lines[id::BodyLine(entry) - 1], TWrenTutorial::BodySpacing, TWrenTutorial::BodyWidth,
                             TWrenTutorial::BodyScale) <= TWrenTutorial::BodyLines,
            f.FileName, id::BodyLine(entry), "body too long");
  }
  return lines;
}

TLines ToolTipLines(const TWording& words) {
  const auto& f = qm::TextTableFileOf(qm::ttTutorialInfo);
  std::vector<TTextEntry> entries;
  for (const auto& tip : ToolTipTexts()) entries.push_back({qm::ToolTipTextId::InfoLine(tip.ToolTip), tip.Text});
  TLines lines = PlaceEntries(f.FileName, f.WrittenLines(), entries, words);
  for (int n = 1; n <= f.LineCount; ++n)
    Require(!lines[n - 1].empty() && WrappedLineCount(lines[n - 1], TTutorialToolTip::TextSpacing,
                                                      TTutorialToolTip::TextWidth, TTutorialToolTip::TextScale) <=
                                         TTutorialToolTip::TextLines,
            f.FileName, n, "tool tip missing or too long");
  return lines;
}

std::pair<TLines, TLines> UpgradeLines(const TWording& words) {
  const auto& names = qm::TextTableFileOf(qm::ttUpgradeNames);
  const auto& descs = qm::TextTableFileOf(qm::ttUpgradeDescs);
  std::vector<TTextEntry> nameEntries, descEntries;
  for (const auto& u : UpgradeTexts()) {
    nameEntries.push_back({qm::UpgradeTextId::Entry(u.Island, u.Slot), u.Name});
    descEntries.push_back({qm::UpgradeTextId::Entry(u.Island, u.Slot), u.Desc});
  }
  Require(nameEntries.size() == 20, names.FileName, 0, "every island has four upgrades");
  TLines nameLines = PlaceEntries(names.FileName, names.LineCount, nameEntries, words);
  TLines descLines = PlaceEntries(descs.FileName, descs.LineCount, descEntries, words);
  for (const auto& e : nameEntries) {
    Require(WrappedLineCount(nameLines[e.Line - 1], TBuySlots::NameSpacing, TBuySlots::NameWidth,
                             TBuySlots::NameScale) <= TBuySlots::NameLines,
            names.FileName, e.Line, "name needs more than two lines");
    Require(MeasureNormal(nameLines[e.Line - 1], 0, TBuySlotsInfo::NameScale) <= TBuySlotsInfo::TextWidth,
            names.FileName, e.Line, "name wider than the hint panel");
    Require(WrappedLineCount(descLines[e.Line - 1], 0, TBuySlotsInfo::TextWidth, TBuySlotsInfo::DescScale) <=
                TBuySlotsInfo::MaxDescLines,
            descs.FileName, e.Line, "description needs more than four lines");
  }
  return {nameLines, descLines};
}

TLines ChatLines(const TWording& words) {
  namespace id = qm::ChatTextId;
  const auto& f = qm::TextTableFileOf(qm::ttCharacterChats);
  const auto conversations = Conversations();
  Require(int(conversations.size()) == id::ConversationCount, f.FileName, 0, "wrong number of conversations");
  TLines lines;
  for (const auto& conv : conversations) {
    lines.push_back(ToCp1252(words(conv.Heading)));
    Require(!conv.Lines.empty() && int(conv.Lines.size()) <= id::MaxLinesPerConversation, f.FileName,
            int(lines.size()), "a conversation has 1 to 20 lines");
    char client = 0;
    for (const auto& said : conv.Lines) {
      const bool isClient = id::ClientCodes.find(said.Speaker) != std::string_view::npos;
      Require(said.Speaker == id::MainCharacterCode || isClient, f.FileName, int(lines.size()) + 1,
              "unknown speaker");
      if (isClient) {
        Require(client == 0 || client == said.Speaker, f.FileName, int(lines.size()) + 1,
                "one client per conversation");
        client = said.Speaker;
      }
      // Stored as spoken: the game wraps it to the balloon when it reads it.
      const std::string text = ToCp1252(words(said.Text));
      using D = qm::TChapterDialog;
      const auto wrapped = WrapNormal(text, D::BalloonTextSpacing, D::BalloonTextWidth, D::BalloonTextScale);
      Require(!wrapped.empty() && int(wrapped.size()) <= kBalloonLines, f.FileName, int(lines.size()) + 1,
              "balloon text too long");
      lines.push_back(std::string{said.Speaker, ':'} + text);
    }
    lines.emplace_back();
  }
  Require(int(lines.size()) <= f.LineCount, f.FileName, int(lines.size()), "conversations do not fit the file");
  lines.resize(f.LineCount);
  return lines;
}

TLines SettingsLines() {
  return {"[Quillmere]", "Language=1",         "CharSet=1",          "Reserved=0",
          "Reserved=0",  "SmallFontSize=10",   "MediumFontSize=12", "LargeFontSize=20"};
}

// Every line must hold only letters the normal font draws (placeholders
// aside) and fit its table.
void CheckTable(const qm::TTextTableFile& f, const TLines& lines) {
  Require(int(lines.size()) == f.WrittenLines(), f.FileName, int(lines.size()), "wrong number of lines");
  for (int n = 1; n <= f.LineCount; ++n) {
    const auto& line = lines[n - 1];
    Require(int(line.size()) <= f.MaxLength, f.FileName, n, "line longer than the table keeps");
    for (char c : qm::WithSampleValues(line))
      Require(NormalFontHas(std::uint8_t(c)), f.FileName, n, "character not in the font");
  }
}

void WriteLines(const std::filesystem::path& file, const TLines& lines) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const auto& line : lines) out << line << '\n';
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

// The tables in one wording, each checked against where the game draws it.
std::map<qm::TTextTable, TLines> Tables(const TWording& words) {
  std::map<qm::TTextTable, TLines> tables;
  tables[qm::ttGameTexts] = GameTextLines(words);
  tables[qm::ttGameConfirms] = ConfirmLines(words);
  tables[qm::ttGameComments] = CommentLines(words);
  tables[qm::ttStoryNarrations] = NarrationLines(words);
  tables[qm::ttCredits] = CreditsLines(words);
  tables[qm::ttGameTutorial] = TutorialLines(words);
  tables[qm::ttTutorialInfo] = ToolTipLines(words);
  tables[qm::ttCharacterChats] = ChatLines(words);
  std::tie(tables[qm::ttUpgradeNames], tables[qm::ttUpgradeDescs]) = UpgradeLines(words);
  for (const auto& f : qm::TextTableFiles()) CheckTable(f, tables.at(f.Table));
  return tables;
}

void WriteTables(const std::filesystem::path& folder, const std::map<qm::TTextTable, TLines>& tables) {
  std::filesystem::create_directories(folder);
  for (const auto& f : qm::TextTableFiles()) WriteLines(folder / f.FileName, tables.at(f.Table));
}

}  // namespace

void GenerateTexts(const std::filesystem::path& programFolder, const std::filesystem::path& translations) {
  const auto folder = programFolder / qm::TextsFolderName;
  WriteTables(folder, Tables(TWording()));
  WriteLines(folder / qm::SettingsFileName, SettingsLines());
  // Every other language in the folder of its code, where it has a catalogue.
  ForEachWording(translations,
                 [&](const std::string& code, const TWording& words) { WriteTables(folder / code, Tables(words)); });
}

}  // namespace contentgen
