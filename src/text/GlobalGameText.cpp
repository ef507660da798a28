#include "text/GlobalGameText.h"

#include <algorithm>
#include <cmath>

#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "text/FontPictures.h"

namespace qm {

namespace {

constexpr int kMaxWords = 200;
constexpr std::size_t kMaxWordLength = 50;
constexpr std::size_t kMaxWrappedText = 255;

std::vector<std::string_view> SplitWords(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  auto take = [&](std::size_t end) {
    if (end > start && static_cast<int>(words.size()) < kMaxWords)
      words.push_back(text.substr(start, std::min(end - start, kMaxWordLength)));
  };
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == ' ') {
      take(i);
      start = i + 1;
    }
  take(text.size());
  return words;
}

}  // namespace

TTextColor TextColorOf(int choice) {
  switch (choice) {
    case TextColor::Yellow: return {255, 255, 0};
    case TextColor::Red: return {255, 0, 0};
    case TextColor::Black: return {0, 0, 0};
    case TextColor::Brown: return {80, 40, 10};
    default: return {255, 255, 255};
  }
}

int MeasureText(TGameFontKind kind, std::string_view text, int spacing, float scale) {
  int width = 0;
  for (char c : text) width += AdvanceWidth(kind, static_cast<std::uint8_t>(c), spacing, scale);
  return width;
}

std::array<std::string, MaxWrappedLines> WrapLines(TGameFontKind kind, std::string_view text, int spacing,
                                                   int maxWidth, float scale) {
  // Lines are built with a space before every word; the measured candidate
  // includes it, and it is dropped only when the line is handed out.
  std::array<std::string, MaxWrappedLines> lines;
  const int spaceWidth = MeasureText(kind, " ", spacing, scale);
  int j = 0;
  int lineWidth = 0;
  for (std::string_view word : SplitWords(text)) {
    const int wordWidth = spaceWidth + MeasureText(kind, word, spacing, scale);
    if (maxWidth < lineWidth + wordWidth) {
      if (j + 1 == MaxWrappedLines) break;
      ++j;
      lineWidth = 0;
    }
    lines[j] += ' ';
    lines[j] += word;
    lineWidth += wordWidth;
  }
  for (std::string& line : lines)
    if (!line.empty()) line.erase(0, 1);
  return lines;
}

std::string WrapLine(TGameFontKind kind, std::string_view text, int spacing, int lineIndex, int maxWidth,
                     float scale) {
  if (lineIndex < 1 || lineIndex > MaxWrappedLines) return {};
  return WrapLines(kind, text, spacing, maxWidth, scale)[lineIndex - 1];
}

std::string WrapText(TGameFontKind kind, std::string_view text, int spacing, int maxWidth, float scale) {
  const auto lines = WrapLines(kind, text, spacing, maxWidth, scale);
  std::string result;
  for (int i = 0; i < MaxWrappedLines; ++i) {
    if (lines[i].empty()) continue;
    if (i > 0) result += TextLineBreak;
    result += lines[i];
  }
  if (result.size() > kMaxWrappedText) result.resize(kMaxWrappedText);
  return result;
}

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t bar = text.find(TextLineBreak); bar != std::string_view::npos;
       bar = text.find(TextLineBreak, start)) {
    lines.emplace_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

void TGlobalGameText::FetchLetterSize() {
  if (!OmgImgList) return;
  const std::string font(img::GlobalFontWhite);
  if (!OmgImgList->FindImage(font)) return;
  OrigLetterWidth = PatternWidth(*OmgImgList, font);
  OrigLetterHeight = PatternHeight(*OmgImgList, font);
}

void TGlobalGameText::DrawText(int x, int y, std::string_view text, float scale, int spacing, int alpha,
                               int maxWidth, int colour) const {
  TScreenLayout* layout = Layout();
  if (layout) NoteText(*layout, x, y, text, scale, spacing, alpha, maxWidth, colour, false);
  if (!layout || !layout->HideLetters) DrawLetters(x, y, text, scale, spacing, alpha, maxWidth, colour);
}

void TGlobalGameText::DrawTextShadow(int x, int y, std::string_view text, float scale, int spacing, int alpha,
                                     int maxWidth, int colour) const {
  TScreenLayout* layout = Layout();
  if (layout) NoteText(*layout, x, y, text, scale, spacing, alpha, maxWidth, colour, true);
  DrawLetters(x + 1, y + 2, text, scale, spacing, alpha, maxWidth, TextColor::Black);
  if (!layout || !layout->HideLetters) DrawLetters(x, y, text, scale, spacing, alpha, maxWidth, colour);
}

TScreenLayout* TGlobalGameText::Layout() const {
  return OmgImgList && OmgImgList->OmegaScreen ? OmgImgList->OmegaScreen->Layout : nullptr;
}

int TGlobalGameText::DrawnWidth(std::string_view text, float scale, int spacing, int maxWidth) const {
  int advance = 0;
  for (char c : text) {
    const int width = AdvanceWidth(FontKind, static_cast<std::uint8_t>(c), spacing, scale);
    if (maxWidth != 0 && advance + width > maxWidth) break;
    advance += width;
  }
  return advance;
}

void TGlobalGameText::NoteText(TScreenLayout& layout, int x, int y, std::string_view text, float scale,
                               int spacing, int alpha, int maxWidth, int colour, bool shadow) const {
  if (!(scale > 0) || text.find_first_not_of(' ') == std::string_view::npos) return;
  const int left = x - RoundToEven(double(scale) / 2 * OrigLetterWidth);
  const int top = y - RoundToEven(double(scale) / 2 * OrigLetterHeight);
  const TTextColor tint = TextColorOf(colour);
  TLayoutItem item;
  item.Kind = lkText;
  item.Name = std::string(text);
  item.Box = {left, top, left + DrawnWidth(text, scale, spacing, maxWidth),
              top + int(std::lround(double(scale) * OrigLetterHeight))};
  item.Alpha = alpha;
  item.Red = tint.Red;
  item.Green = tint.Green;
  item.Blue = tint.Blue;
  item.Shadow = shadow;
  layout.Note(std::move(item));
}

void TGlobalGameText::DrawLetters(int x, int y, std::string_view text, float scale, int spacing, int alpha,
                                  int maxWidth, int colour) const {
  if (!(scale > 0) || !OmgImgList) return;
  const TFontPictures font(OmgImgList, FontKind, img::GlobalFontWhite);
  if (!font.Ready()) return;
  const int offsetX = RoundToEven(double(scale) / 2 * OrigLetterWidth);
  const int offsetY = RoundToEven(double(scale) / 2 * OrigLetterHeight);
  const TTextColor tint = TextColorOf(colour);
  int advance = 0;
  for (char c : text) {
    const auto code = static_cast<std::uint8_t>(c);
    const int width = AdvanceWidth(FontKind, code, spacing, scale);
    if (maxWidth != 0 && advance + width > maxWidth) break;
    font.DrawGlyph(code, float(x + advance - offsetX), float(y - offsetY), scale, tint.Red, tint.Green, tint.Blue,
                   alpha);
    advance += width;
  }
}

int TGlobalGameText::TextWidth(std::string_view text, int spacing, float scale) const {
  return MeasureText(FontKind, text, spacing, scale);
}

int TGlobalGameText::LeftEdgeAt(int x, float scale) const {
  return x + RoundToEven(double(scale) / 2 * OrigLetterWidth);
}

void TGlobalGameText::DrawCentred(int centreX, int y, std::string_view text, float scale, int alpha, int colour,
                                  bool shadow) const {
  const int x = LeftEdgeAt(centreX - TextWidth(text, 0, scale) / 2, scale);
  if (shadow)
    DrawTextShadow(x, y, text, scale, 0, alpha, 0, colour);
  else
    DrawText(x, y, text, scale, 0, alpha, 0, colour);
}

}  // namespace qm
