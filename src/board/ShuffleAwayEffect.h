#pragma once

#include <functional>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Shows a board with no move left being replaced: the old pieces shake,
// shrink away into the middle of their tiles, the new ones grow in their
// place and shake once more. It draws both boards from its own copies, so
// the board itself stays hidden meanwhile.
class TShuffleAwayEffect {
 public:
  // Frames the old pieces take to go and the new ones to come.
  static constexpr int kAwayFrames = 12;
  static constexpr int kInFrames = 12;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  int FirstShakeTime = 600;
  int SecondShakeTime = 250;
  std::uint8_t UniFruitColorIndex = 1;

  std::function<void(const TBoardData& newBoardData)> OnFinished;

  void Start(const TBoardData& oldBoard, const TBoardData& newBoard);
  void Reset();
  void TickAndDraw();
  bool IsRunning() const { return FPhase != phIdle; }

 private:
  enum TPhase { phIdle, phShakeOld, phAway, phIn, phShakeNew };
  void DrawBoard(const TBoardData& board, float scale, int shake);

  TPhase FPhase = phIdle;
  int FClock = 0;
  int FFrame = 0;
  TBoardData FOld{};
  TBoardData FNew{};
};

}  // namespace qm
