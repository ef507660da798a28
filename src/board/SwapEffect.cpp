#include "board/SwapEffect.h"

#include <algorithm>
#include <utility>

#include "board/BoardImages.h"
#include "engine/EffectsMode.h"

namespace qm {

void TSwapEffect::Start(const TSwappedObjectsData& data, bool matchOccurs) {
  TRecord& record = FRecords[FNext];
  FNext = (FNext + 1) % kRecordCount;
  record = TRecord{};
  record.Active = true;
  record.Pos[0] = data.Object1Pos;
  record.Pos[1] = data.Object2Pos;
  record.Kind[0] = data.ObjectKind1;
  record.Kind[1] = data.ObjectKind2;
  record.Special[0] = data.Special1;
  record.Special[1] = data.Special2;
  record.Color[0] = data.Color1;
  record.Color[1] = data.Color2;
  record.FruitBomb[0] = data.FruitBomb1;
  record.FruitBomb[1] = data.FruitBomb2;
  record.Worm[0] = data.Worm1;
  record.Worm[1] = data.Worm2;
  record.Axis = data.Object1Pos.Y == data.Object2Pos.Y ? 0 : 1;
  const bool secondFirst = record.Axis == 0 ? record.Pos[1].X < record.Pos[0].X : record.Pos[1].Y < record.Pos[0].Y;
  if (secondFirst) {
    std::swap(record.Pos[0], record.Pos[1]);
    std::swap(record.Kind[0], record.Kind[1]);
    std::swap(record.Special[0], record.Special[1]);
    std::swap(record.Color[0], record.Color[1]);
    std::swap(record.FruitBomb[0], record.FruitBomb[1]);
    std::swap(record.Worm[0], record.Worm[1]);
  }
  record.MatchOccurs = matchOccurs;
  record.Step = record.Kind[0] == okFruit && matchOccurs ? QuickPosShiftStep : NormalPosShiftStep;
}

void TSwapEffect::Reset() {
  for (TRecord& record : FRecords) record.Active = false;
}

bool TSwapEffect::IsRunning() const {
  return std::any_of(FRecords.begin(), FRecords.end(), [](const TRecord& r) { return r.Active; });
}

void TSwapEffect::TickAndDraw() {
  if (!Visible) return;
  for (TRecord& record : FRecords) {
    if (!record.Active) continue;
    Advance(record);
    if (record.Active) DrawRecord(record);
  }
}

void TSwapEffect::Advance(TRecord& record) {
  record.Progress += ReducedEffectsMode ? 2 * record.Step : record.Step;
  if (record.Progress <= TileSize) return;
  record.Progress = TileSize;
  const auto kind = static_cast<TTileObjectKind>(std::min<std::uint8_t>(record.Kind[0], okUnused));
  if (record.MatchOccurs) {
    record.Active = false;
    if (OnEffectComplete) OnEffectComplete(kind, record.Pos[1], record.Pos[0]);
  } else if (!record.GoingBack) {
    // Each piece now starts from the other cell and slides home.
    record.GoingBack = true;
    record.Step = SwapBackPosShiftStep;
    record.Progress = 0;
    std::swap(record.Kind[0], record.Kind[1]);
    std::swap(record.Special[0], record.Special[1]);
    std::swap(record.Color[0], record.Color[1]);
    std::swap(record.FruitBomb[0], record.FruitBomb[1]);
    std::swap(record.Worm[0], record.Worm[1]);
  } else {
    record.Active = false;
    if (OnSwapBackComplete) OnSwapBackComplete(kind, record.Pos[1], record.Pos[0]);
  }
}

void TSwapEffect::DrawRecord(const TRecord& record) {
  for (int i = 0; i < 2; ++i) {
    // The first piece moves right or down, the second left or up.
    const int shift = i == 0 ? record.Progress : -record.Progress;
    float x = static_cast<float>(Left + TileSize * (record.Pos[i].X - 1));
    float y = static_cast<float>(Top + TileSize * (record.Pos[i].Y - 1));
    if (record.Axis == 0)
      x += static_cast<float>(shift);
    else
      y += static_cast<float>(shift);
    // A locker slides as its crate; a uni fruit shows what every uni fruit
    // shows right now.
    const bool locker = record.Kind[i] == okLocker;
    const bool bubble = !locker && record.Color[i] == ecUniFruit;
    const char* image = locker ? LockerImage : bubble ? "BubbleInside" : "Elements";
    const int pattern = (bubble ? UniFruitColorIndex : record.Color[i]) - 1;
    DrawLiftedPiece(OmgImgList, image, x, y, pattern);
    if (record.MatchOccurs && !locker) {
      TImageDraw flash;
      flash.BlendMode = 2;
      flash.Alpha = 255 * record.Progress / TileSize;
      BoardDrawEx(OmgImgList, record.Axis == 0 ? "ElementsFlashHorz" : "ElementsFlashVert", x, y, pattern, flash);
    }
  }
}

}  // namespace qm
