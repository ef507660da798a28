#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Slides two neighbouring pieces into each other's cells, or out and back
// home when the exchange makes no line. Up to 20 swaps run at once.
class TSwapEffect {
 public:
  static constexpr int kRecordCount = 20;

  TOmegaImageList* OmgImgList = nullptr;
  // The board's origin: pixel position of tile (1, 1).
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  int NormalPosShiftStep = 6;
  int QuickPosShiftStep = 8;
  int SwapBackPosShiftStep = 6;
  int BitingWormWidth = 55;
  int BitingWormHeight = 65;
  int BitingWormPosAdjustX = 12;
  int BitingWormPosAdjustY = 7;
  // The element every uni fruit shows; kept in step with the board.
  std::uint8_t UniFruitColorIndex = 1;

  // Both report the record's second tile first.
  std::function<void(TTileObjectKind swapObjKind, TPoint object1Pos, TPoint object2Pos)> OnEffectComplete;
  std::function<void(TTileObjectKind swapObjKind, TPoint object1Pos, TPoint object2Pos)> OnSwapBackComplete;

  void Start(const TSwappedObjectsData& swappedObjectsData, bool matchOccurs);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const;

 private:
  struct TRecord {
    bool Active = false;
    TPoint Pos[2];
    std::uint8_t Kind[2] = {};
    std::uint8_t Special[2] = {};
    std::uint8_t Color[2] = {};
    std::uint8_t FruitBomb[2] = {};
    std::uint8_t Worm[2] = {};
    int Axis = 0;
    int Progress = 0;
    int Step = 0;
    bool MatchOccurs = false;
    bool GoingBack = false;
  };
  void Advance(TRecord& record);
  void DrawRecord(const TRecord& record);

  std::array<TRecord, kRecordCount> FRecords{};
  int FNext = 0;
};

}  // namespace qm
