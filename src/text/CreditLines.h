#pragma once

#include <array>
#include <string>

namespace qm {

class TOmegaImageList;
class TGlobalGameText;
class TTextStrings;

// The credits scene's column: the lines of "Credits.txt" rise one after the
// other, each fading in at the bottom and out at the top, and the whole run
// starts over once the last line has gone.
class TCreditLines {
 public:
  static constexpr int SlotCount = 39;
  // Each line is centred in the column; headings are drawn a little larger.
  static constexpr int AreaWidth = 288;
  static constexpr float LineScale = 0.6f;
  static constexpr float HeadingScale = 0.65f;

  struct TSlot {
    bool Active = false;
    std::string Text;
    bool Heading = false;
    // Pixels below Top.
    float Position = 0;
    int Alpha = 0;
  };

  TOmegaImageList* OmgImgList = nullptr;
  const TGlobalGameText* GlobGameText = nullptr;
  const TTextStrings* TextStringsComp = nullptr;
  int Left = 0;
  int Top = 0;
  int HorzAreaWidth = AreaWidth;
  // Where each line enters the column.
  int MaxVertPos = 214;
  // Lines the column holds at once (MaxVertPos / LineGap, rounded down).
  int LinesPerView = 10;
  // Pixels a line rises before the next one enters.
  int LineGap = 20;
  int StartingAlpha = 45;
  int MaxAlpha = 240;

  // Reads the lines afresh and sends the first one up.
  void Start();
  // Once per frame: every rising line moves, fades and is drawn.
  void TickAndDraw();

  // Slot 1..SlotCount, one per line of the file.
  const TSlot& Slot(int index) const { return FSlots[index - 1]; }

 private:
  void Activate(int index);
  void Step(int index);
  void Draw(const TSlot& slot) const;

  std::array<TSlot, SlotCount> FSlots;
  // Whether the slot has sent up the one after it.
  std::array<bool, SlotCount> FReleased{};
};

}  // namespace qm
