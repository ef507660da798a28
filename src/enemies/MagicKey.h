#pragma once

#include "enemies/CountedTool.h"

namespace qm {

// Opens a locked tile, one use of its stock per lock.
class TMagicKey : public TCountedTool {
 public:
  // Frames of the turning key, one a tick.
  static constexpr std::string_view OpeningSequence = "1122333332211";

  TMagicKey();

  std::function<void(TPoint tilePos)> OnTileClick;
  std::function<void(TPoint tilePos, bool openable)> OnTilePosChange;
  std::function<void(TPoint tilePos, bool& openable, bool& isBlankTile)> OnObjectOpenableAsk;

 protected:
  void UseAt(TPoint tile, int x, int y) override;
  void AskTile(TPoint tile, bool& applies, bool& blank) override;
  void ReportTilePos(TPoint tile, bool applies) override;
  void UpdateWork() override;
  void DrawWork() override;

 private:
  TPoint FOpenedTile;
  int FSequencePos = 0;
};

}  // namespace qm
