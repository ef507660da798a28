#include "board/BoardBorder.h"

#include <algorithm>

#include "board/BoardImages.h"

namespace qm {

namespace {

// "BoardBorder" has one column per side (top, right, bottom, left) and rows
// of looks: outer corners, edges, inner corners, then a second edge look.
constexpr int kSides = 4;
constexpr int kOuterCornerRow = 0;
constexpr int kEdgeRow = 1;
constexpr int kInnerCornerRow = 2;
constexpr int kSecondEdgeRow = 4;
constexpr float kHalfPiece = 16.0f;
// Edges sit a little outside the tiles they border.
constexpr float kOutward = 5.0f;

// A cell that shows as part of the board: any cell but a blank hole.
bool IsSurface(const TBoardData& board, int x, int y) {
  if (x < 1 || x > BoardColumns || y < 1 || y > BoardRows) return false;
  const TBoardTile& tile = board.At(x, y);
  return tile.ObjectKind != okUnused || tile.TileBack != 0;
}

}  // namespace

void TBoardBorder::Start(const TBoardData& board) {
  FPieces.clear();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (IsSurface(board, x, y)) AddEdges(board, x, y);
  // Every grid point where the shape turns.
  for (int x = 1; x <= BoardColumns + 1; ++x)
    for (int y = 1; y <= BoardRows + 1; ++y) AddCorner(board, x, y);
  FAppear = 0.0f;
  FTarget = 1.0f;
}

void TBoardBorder::AddEdges(const TBoardData& board, int x, int y) {
  const float left = static_cast<float>(Left + TileSize * (x - 1));
  const float top = static_cast<float>(Top + TileSize * (y - 1));
  const float size = static_cast<float>(TileSize);
  const float delay = static_cast<float>(x + y - 2) / static_cast<float>(BoardColumns + BoardRows);
  const int look = (x + y) % 2 == 0 ? kEdgeRow : kSecondEdgeRow;
  struct TSide {
    int Dx, Dy;
    float FromX, FromY, StepX, StepY;
  };
  // Each side's two pieces, a quarter and three quarters along the edge.
  const TSide sides[kSides] = {
      {0, -1, left + size / 4, top - kOutward, size / 2, 0},
      {1, 0, left + size + kOutward, top + size / 4, 0, size / 2},
      {0, 1, left + size / 4, top + size + kOutward, size / 2, 0},
      {-1, 0, left - kOutward, top + size / 4, 0, size / 2},
  };
  for (int side = 0; side < kSides; ++side) {
    const TSide& s = sides[side];
    if (IsSurface(board, x + s.Dx, y + s.Dy)) continue;
    for (int i = 0; i < 2; ++i)
      FPieces.push_back({s.FromX + s.StepX * static_cast<float>(i) - kHalfPiece,
                         s.FromY + s.StepY * static_cast<float>(i) - kHalfPiece, look * kSides + side, delay});
  }
}

// The grid point at the top-left corner of cell (x, y).
void TBoardBorder::AddCorner(const TBoardData& board, int x, int y) {
  // The four cells around the point, clockwise from the top-left one.
  const bool around[4] = {IsSurface(board, x - 1, y - 1), IsSurface(board, x, y - 1), IsSurface(board, x, y),
                          IsSurface(board, x - 1, y)};
  const int count = static_cast<int>(std::count(std::begin(around), std::end(around), true));
  if (count != 1 && count != 3) return;
  // The side column follows the one cell that differs from the others.
  const auto odd = std::find(std::begin(around), std::end(around), count == 1);
  const int side = static_cast<int>(odd - std::begin(around));
  const int row = count == 1 ? kOuterCornerRow : kInnerCornerRow;
  const float delay = static_cast<float>(x + y - 2) / static_cast<float>(BoardColumns + BoardRows);
  FPieces.push_back({static_cast<float>(Left + TileSize * (x - 1)) - kHalfPiece,
                     static_cast<float>(Top + TileSize * (y - 1)) - kHalfPiece, row * kSides + (side + 2) % kSides,
                     delay});
}

void TBoardBorder::Leave() { FTarget = 0.0f; }

void TBoardBorder::ComeBack() { FTarget = 1.0f; }

void TBoardBorder::Reset() {
  FPieces.clear();
  FAppear = FTarget = 0.0f;
}

void TBoardBorder::TickAndDraw() {
  if (!Visible) return;
  if (FAppear < FTarget) FAppear = std::min(FTarget, FAppear + 1.0f / kInFrames);
  if (FAppear > FTarget) FAppear = std::max(FTarget, FAppear - 1.0f / kOutFrames);
  if (FAppear <= 0.0f) return;
  for (const TPiece& piece : FPieces) {
    // Pieces grow one after another along the diagonals.
    const float grown = std::clamp(FAppear * 2.0f - piece.Delay, 0.0f, 1.0f);
    if (grown <= 0.0f) continue;
    TImageDraw how;
    how.Scale = grown;
    how.Alpha = static_cast<int>(255.0f * grown);
    BoardDrawEx(OmgImgList, "BoardBorder", piece.X, piece.Y, piece.Pattern, how);
  }
}

}  // namespace qm
