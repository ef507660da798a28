#pragma once

#include <vector>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// The hedge around the board's shape: a piece along every tile edge where
// the board meets a hole or the outside, and one at every corner. It grows
// in from the top-left corner when a round starts or the board comes back,
// and shrinks away while the board is gone.
class TBoardBorder {
 public:
  static constexpr int kInFrames = 24;
  static constexpr int kOutFrames = 12;

  TOmegaImageList* OmgImgList = nullptr;
  // The board's origin.
  int Left = 0;
  int Top = 0;
  bool Visible = true;

  // Traces the shape of the board and starts growing in.
  void Start(const TBoardData& board);
  void Leave();
  void ComeBack();
  // Nothing traced, nothing shown.
  void Reset();
  void TickAndDraw();
  int PieceCount() const { return static_cast<int>(FPieces.size()); }

 private:
  struct TPiece {
    float X = 0;
    float Y = 0;
    int Pattern = 0;
    // 0 for the first piece to grow, up to 1 for the last.
    float Delay = 0;
  };

  void AddEdges(const TBoardData& board, int x, int y);
  void AddCorner(const TBoardData& board, int x, int y);

  std::vector<TPiece> FPieces;
  float FAppear = 0.0f;
  float FTarget = 0.0f;
};

}  // namespace qm
