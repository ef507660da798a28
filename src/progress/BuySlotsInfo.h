#pragma once

#include <array>
#include <string>
#include <vector>

namespace qm {

class TOmegaImageList;
class TGlobalGameText;

// The hint panel of the upgrade shop, shown while the pointer is over a buy
// button: what the upgrade is called, what it does, what it costs and what
// the player has of each kind.
class TBuySlotsInfo {
 public:
  static constexpr int KindCount = 5;  // fruit, flowers, potions, gold tiles, spiders
  static constexpr int MaxDescLines = 4;
  // The name stands on one line, the description is wrapped below it, both
  // to the same width.
  static constexpr int TextWidth = 288;
  static constexpr float NameScale = 0.7f;
  static constexpr float DescScale = 0.45f;

  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  int Left = 0, Top = 0;
  int ElementsCountGap = 56, ElementsCountLeft = 30, ElementsCountTop = 140, LeftMargin = 16,
      MaxDescTextWidth = TextWidth;
  int AlphaStep = 40;
  float MainTitleTextRatio = NameScale, SubTitleTextRatio = 0.5f, DescTextRatio = DescScale;

  // Takes the upgrade's texts and numbers; an already visible panel changes
  // its contents without fading out first.
  void Show(const std::string& name, const std::string& description, const std::array<float, 5>& prices,
            const std::array<float, 5>& accounts);
  void Hide();
  // Shown or still fading.
  bool Visible() const { return FShowing || FAlpha > 0; }
  void TickAndDraw();

  int Alpha() const { return FAlpha; }
  const std::string& Name() const { return FName; }
  // The description as the panel shows it: at most four lines.
  const std::vector<std::string>& DescriptionLines() const { return FLines; }
  // True when the account of the kind cannot pay its price (drawn in red).
  bool Short(int kind) const;

 private:
  void Draw() const;
  int ColumnCentre(int kind) const;
  void DrawCentred(int centreX, int y, const std::string& text, float scale, int colour) const;

  bool FShowing = false;
  int FAlpha = 0;
  std::string FName;
  std::vector<std::string> FLines;
  std::array<float, 5> FPrices{};
  std::array<float, 5> FAccounts{};
};

// An amount as the shop shows it: the whole pieces of it ("10.4" is "10"),
// which is what a price can be paid from.
std::string FormatShopAmount(float amount);

}  // namespace qm
