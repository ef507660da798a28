#include "progress/BuySlotsInfo.h"

#include <cmath>
#include <cstdio>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "text/GlobalGameText.h"

namespace qm {

namespace {

constexpr char kPanelImage[] = "BuySlotsInfo";
constexpr char kIconImage[] = "ElementIcons";  // 40 x 40, one pattern per kind
constexpr float kIconScale = 0.6f;
constexpr int kIconSize = 24;  // 40 at kIconScale
// Every kind's column: icon, price and account centred on one line.
constexpr int kColumnHalfWidth = 18;
constexpr int kTitleTop = 22;
constexpr int kDescTop = 50;
constexpr int kDescLineGap = 16;
// Icons sit above the price, the account under it.
constexpr int kIconAbovePrice = 34;
constexpr int kAccountBelowPrice = 18;

}  // namespace

std::string FormatShopAmount(float amount) {
  // Earnings come in tenths, but a player counts whole pieces: what is
  // shown is what can be spent. The float sums stray a hair off the tenths.
  const double whole = std::floor(std::round(double(amount) * 10.0) / 10.0);
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", whole == 0 ? 0.0 : whole);  // never "-0"
  return text;
}

void TBuySlotsInfo::Show(const std::string& name, const std::string& description, const std::array<float, 5>& prices,
                         const std::array<float, 5>& accounts) {
  FShowing = true;
  FName = name;
  FPrices = prices;
  FAccounts = accounts;
  const TGameFontKind font = GlobGameText ? GlobGameText->FontKind : fkAirstripNormal;
  const auto lines = WrapLines(font, description, 0, MaxDescTextWidth, DescTextRatio);
  // An overflowing first word leaves line 1 empty; the rows keep their
  // places, only blank rows at the end go.
  FLines.assign(lines.begin(), lines.begin() + MaxDescLines);
  while (!FLines.empty() && FLines.back().empty()) FLines.pop_back();
}

void TBuySlotsInfo::Hide() { FShowing = false; }

bool TBuySlotsInfo::Short(int kind) const {
  if (kind < 0 || kind >= KindCount) return false;
  // The same test the shop makes before it lets the player buy.
  return FAccounts[kind] < FPrices[kind];
}

int TBuySlotsInfo::ColumnCentre(int kind) const {
  return Left + ElementsCountLeft + kind * ElementsCountGap + kColumnHalfWidth;
}

void TBuySlotsInfo::TickAndDraw() {
  if (FShowing)
    StepUpTo(FAlpha, AlphaStep, 255);
  else
    StepToward(FAlpha, AlphaStep, 0);
  if (FAlpha > 0) Draw();
}

void TBuySlotsInfo::DrawCentred(int centreX, int y, const std::string& text, float scale, int colour) const {
  GlobGameText->DrawCentred(centreX, y, text, scale, FAlpha, colour);
}

void TBuySlotsInfo::Draw() const {
  if (OmgImgList) {
    DrawImage(*OmgImgList, kPanelImage, float(Left), float(Top), 0, FAlpha);
    for (int kind = 0; kind < KindCount; ++kind)
      DrawImageEx(*OmgImgList, kIconImage, float(ColumnCentre(kind) - kIconSize / 2),
                  float(Top + ElementsCountTop - kIconAbovePrice), 0, 0, 0, kIconScale, kIconScale, 255, 255, 255,
                  FAlpha, kind, 0);
  }
  if (!GlobGameText) return;
  const int textLeft = Left + LeftMargin;
  GlobGameText->DrawText(textLeft, Top + kTitleTop, FName, MainTitleTextRatio, 0, FAlpha, MaxDescTextWidth,
                         TextColor::Brown);
  for (std::size_t i = 0; i < FLines.size(); ++i)
    GlobGameText->DrawText(textLeft, Top + kDescTop + int(i) * kDescLineGap, FLines[i], DescTextRatio, 0, FAlpha, 0,
                           TextColor::Black);
  for (int kind = 0; kind < KindCount; ++kind) {
    const int centreX = ColumnCentre(kind);
    const int y = Top + ElementsCountTop;
    DrawCentred(centreX, y, FormatShopAmount(FPrices[kind]), SubTitleTextRatio, TextColor::Black);
    DrawCentred(centreX, y + kAccountBelowPrice, FormatShopAmount(FAccounts[kind]), DescTextRatio,
                Short(kind) ? TextColor::Red : TextColor::Brown);
  }
}

}  // namespace qm
