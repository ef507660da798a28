#include "text/NarrationText.h"

#include <algorithm>

#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "text/GlobalGameText.h"
#include "text/FontPictures.h"

namespace qm {

namespace {

constexpr int kFrameWidth = 1366;
// Story narrations sit under the picture area.
constexpr int kStoryNarrationTop = 660;

}  // namespace

void TNarrationText::SetMaxAlpha(int value) { FMaxAlpha = std::min(value, 255); }

void TNarrationText::Clear() {
  for (std::string& line : FLines) line.clear();
  for (auto& alphas : FAlphas) alphas.fill(0);
  FOriginX = 0;
  FOriginY = 0;
  FRevealLine = 1;
  FRevealLetter = 0;
  FVanishing = false;
}

void TNarrationText::Show(int x, int y, std::string_view text, int red, int green, int blue) {
  Clear();
  FOriginX = x;
  FOriginY = y;
  FRed = red;
  FGreen = green;
  FBlue = blue;
  for (int line = 0; line < MaxLines; ++line) {
    const std::size_t bar = text.find(TextLineBreak);
    FLines[line] = text.substr(0, std::min<std::size_t>(bar, MaxLineLength));
    if (bar == std::string_view::npos) break;
    text.remove_prefix(bar + 1);
  }
}

void TNarrationText::ShowWhite(int x, int y, std::string_view text) { Show(x, y, text, 255, 255, 255); }

void TNarrationText::Vanish() { FVanishing = true; }

bool TNarrationText::RevealAll() {
  if (FRevealLine > MaxLines) return true;
  for (int line = 0; line < MaxLines; ++line)
    std::fill_n(FAlphas[line].begin(), FLines[line].size(), std::uint8_t(FMaxAlpha));
  // The next reveal steps past the end without lighting a letter again.
  FRevealLine = MaxLines;
  FRevealLetter = int(FLines[MaxLines - 1].size());
  return false;
}

void TNarrationText::Reveal() {
  for (int repeat = 0; repeat < AlphaUpdateRepeat; ++repeat)
    while (FRevealLine <= MaxLines) {
      ++FRevealLetter;
      if (FRevealLetter > int(FLines[FRevealLine - 1].size())) {
        ++FRevealLine;
        FRevealLetter = 0;
        continue;
      }
      FAlphas[FRevealLine - 1][FRevealLetter - 1] = std::uint8_t(StartingAlpha);
      break;
    }
}

void TNarrationText::Fade() {
  for (int line = 0; line < MaxLines; ++line)
    for (std::size_t letter = 0; letter < FLines[line].size(); ++letter) {
      std::uint8_t& alpha = FAlphas[line][letter];
      if (FVanishing)
        alpha = std::uint8_t(std::max(alpha - VanishingAlphaStep, 0));
      else if (alpha != 0)
        alpha = std::uint8_t(std::min(alpha + AlphaStep, FMaxAlpha));
    }
}

void TNarrationText::Draw() {
  const TFontPictures font(OmgImgList, FontKind,
                           FontKind == fkAirstripComment ? img::CommentFont : img::GlobalFontWhite);
  // A letter brightened exactly once is the one revealed this frame.
  const int tailAlpha = StartingAlpha + AlphaStep;
  for (int line = 0; line < MaxLines; ++line) {
    const int y = FOriginY + line * VertSpace;
    int x = FOriginX;
    for (std::size_t letter = 0; letter < FLines[line].size(); ++letter) {
      const auto code = static_cast<std::uint8_t>(FLines[line][letter]);
      const int alpha = FAlphas[line][letter];
      if (alpha > 0) font.DrawGlyph(code, float(x), float(y), FontRatio, FRed, FGreen, FBlue, alpha);
      if (alpha == tailAlpha && !FVanishing && OnTailPosUpdate) OnTailPosUpdate(*this, {x, y});
      x += AdvanceWidth(FontKind, code, HorzSpaceAdd, FontRatio);
    }
  }
}

void TNarrationText::UpdateAndDraw() {
  Reveal();
  Fade();
  Draw();
}

void SetStoryNarrationLook(TNarrationText& text) {
  text.FontKind = fkAirstripNormal;
  text.FontRatio = StoryNarrationScale;
  text.VertSpace = 30;
  text.HorzSpaceAdd = StoryNarrationSpacing;
  text.StartingAlpha = 10;
  text.AlphaStep = 14;
  text.SetMaxAlpha(255);
  text.AlphaUpdateRepeat = 1;
  text.VanishingAlphaStep = 6;
}

void ShowStoryNarration(TNarrationText& text, std::string_view narration) {
  const std::string wrapped =
      WrapText(text.FontKind, narration, text.HorzSpaceAdd, StoryNarrationWidth, text.FontRatio);
  const std::string firstLine = wrapped.substr(0, wrapped.find(TextLineBreak));
  const int width = MeasureText(text.FontKind, firstLine, text.HorzSpaceAdd, text.FontRatio);
  text.ShowWhite((kFrameWidth - width) / 2, kStoryNarrationTop, wrapped);
}

}  // namespace qm
