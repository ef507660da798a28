#include "rules/Combos.h"

#include <algorithm>

#include "engine/FrameTime.h"
#include "engine/OmegaImageList.h"

namespace qm {
namespace {

constexpr int kLastCountedCode = ecPotion2;
constexpr int kAlphaStep = 25;
// The badge picture's top-left corner from the centre of the cleared area.
constexpr int kBadgeOffsetX = 63;
constexpr int kBadgeOffsetY = 57;

// Centre, in pixels, of the tiles from first to last on one axis.
int SpanCentre(int origin, int first, int last) {
  int centre = origin + TileSize * first - TileSize / 2;
  if (last != first) centre += (TileSize * (last - first)) / 2;
  return centre;
}

}  // namespace

TCombos::TCombos() {
  FSwing.Setup(-15, 15, 4.2f, 4.2f);
  FPulse.Setup(1, 1.05f, 0.005f, 0.005f);
}

int TCombos::MatchXOf(const TBoardData& board, const TSimpleObjectArray& mask) {
  std::array<int, kLastCountedCode + 1> counts{};
  for (int i = 0; i < BoardCells; ++i) {
    const int code = board.Tiles[i].Element;
    if (mask.Cells[i] != 0 && code >= 1 && code <= kLastCountedCode) ++counts[code];
  }
  return *std::max_element(counts.begin(), counts.end());
}

void TCombos::Check(const TBoardData& board, const TSimpleObjectArray& mask) {
  const int matchX = MatchXOf(board, mask);
  if (matchX < MinMatchXCount || matchX > MaxMatchXCount) return;

  int minColumn = BoardColumns, maxColumn = 1, minRow = BoardRows, maxRow = 1;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (mask.At(x, y) == 0) continue;
      minColumn = std::min(minColumn, x);
      maxColumn = std::max(maxColumn, x);
      minRow = std::min(minRow, y);
      maxRow = std::max(maxRow, y);
    }
  const int centreX = SpanCentre(BoardLeft, minColumn, maxColumn);
  const int centreY = SpanCentre(BoardTop, minRow, maxRow);

  if (OnPlaySound) OnPlaySound(matchX <= 5 ? MatchXSound : ComboSound);
  auto slot = std::find_if(FSlots.begin(), FSlots.end(), [](const TSlot& s) { return !s.Active; });
  if (slot == FSlots.end()) return;
  slot->Active = true;
  slot->MatchX = matchX;
  slot->Elapsed = 0;
  slot->Alpha = 0;
  slot->X = centreX - kBadgeOffsetX;
  slot->Y = centreY - kBadgeOffsetY;
  slot->PopIn.Start();
}

void TCombos::TickAndDraw() {
  if (!Visible) return;
  FSwing.Step();
  FPulse.Step();
  for (TSlot& slot : FSlots) {
    if (!slot.Active) continue;
    slot.PopIn.Step();
    slot.Elapsed += FrameMs;
    if (slot.Elapsed >= ShowingTime) {
      slot.Active = false;
      if (OnAComboDoneShowing) OnAComboDoneShowing(*this, slot.MatchX, TPoint{slot.X, slot.Y});
      continue;
    }
    slot.Alpha = std::min(slot.Alpha + kAlphaStep, 255);
    if (!OmgImgList) continue;
    const float scale = FPulse.Value() * slot.PopIn.Ratio();
    DrawImageEx(*OmgImgList, "ComboText", float(slot.X), float(slot.Y), FSwing.Value() / 3, 0.5f, 0.5f, scale, scale,
                255, 255, 255, slot.Alpha, slot.MatchX - 4, 0);
  }
}

void TCombos::Clear() {
  for (TSlot& slot : FSlots) slot.Active = false;
}

int TCombos::ActiveCount() const {
  return int(std::count_if(FSlots.begin(), FSlots.end(), [](const TSlot& slot) { return slot.Active; }));
}

}  // namespace qm
