// The board: its tiles and their states, a round's reset and set-up, the
// frame's step and the drawing. The rules live in GameBoard<Family>.cpp.
#include "board/GameBoard.h"

#include <algorithm>
#include <cstdlib>

#include "board/BoardImages.h"
#include "board/GameBoardRules.h"
#include "engine/EffectsMode.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"
#include "engine/StepHelpers.h"

namespace qm {

using namespace board_rules;

TGameBoard::TGameBoard() {
  Randomize();
  for (TBoardTile& tile : FBoard.Tiles) {
    tile = TBoardTile{};
    tile.ObjectKind = okFruit;
    tile.LockerColor = static_cast<std::uint8_t>(Random(3) + 1);
    tile.Element = RandomElement();
    tile.BlastElement = 1;
  }
  FStates.fill(tsIdle);
  FUniReveal.fill(-1);
  FBounce.fill(-1);
}

void TGameBoard::ResetRound() {
  CanMatch = true;
  Frozen = false;
  FDragging = false;
  DisarmSelection();
  FUniRevealFlag = false;
  FStates.fill(tsIdle);
  DrawFoundFlowerThreshold();
  FWormFairy.fill(0);
  FUniReveal.fill(-1);
  FBounce.fill(-1);
  FShake.fill(0);
  FBlasterOn = false;
  FToolMarks.fill(0);
  HideHint();
  FRegroupOn = false;
  FRegroupClock = 0;
  FPiecesSinceUniFruit = 0;
  FPiecesSinceFruitBomb = 0;
  ResetNoMoreMoves();
}

void TGameBoard::RandomizeElements() {
  Randomize();
  // A level's lockers stay locked with a new piece inside: the board built
  // from this one keeps as many free pieces, so a locker freed here could
  // never appear in the round.
  for (TBoardTile& tile : FBoard.Tiles) {
    tile.Element = RandomElement();
    tile.BlastElement = 1;
  }
  ResetNoMoreMoves();
  DrawFoundFlowerThreshold();
}

void TGameBoard::LoadBoardData(const TBoardData& data) {
  FBoard = data;
  for (TBoardTile& tile : FBoard.Tiles) CleanTile(tile);
  RebuildStates();
  // A reveal, a wave or a shake belongs to a board that was replaced.
  FUniReveal.fill(-1);
  FShake.fill(0);
  FBlasterOn = false;
  DisarmSelection();
  FDragging = false;
}

void TGameBoard::RebuildStates() {
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = FBoard.Tiles[i];
    if (tile.ObjectKind == okUnused)
      FStates[i] = tsVoid;
    else if (tile.IsLockerOrPiece() && tile.ChainLock != 0)
      FStates[i] = tsChained;
    else
      FStates[i] = tsIdle;
  }
}

void TGameBoard::BoardExtent(TPoint& extent) const {
  int a = BoardColumns;
  int b = BoardRows;
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = FBoard.Tiles[i];
    if (tile.ObjectKind != okUnused || tile.TileBack != 0) {
      const TPoint p = CellPoint(i);
      a = std::min(a, p.X);
      b = std::min(b, p.Y);
    }
  }
  extent = {Left + TileSize * a - 62, Top + TileSize * b - 63};
}

void TGameBoard::SetPotion(TPoint tilePos, std::uint8_t code) {
  if (!IsOnBoard(tilePos) || (code != ecPotion1 && code != ecPotion2)) return;
  FBoard.At(tilePos).Element = code;
}

TPoint TGameBoard::TileAtPixel(int x, int y) const {
  return {std::max(0, (x - Left + TileSize) / TileSize), std::max(0, (y - Top + TileSize) / TileSize)};
}

bool TGameBoard::IsSettled() const {
  return std::none_of(FStates.begin(), FStates.end(), [](TTileState s) { return s == tsFalling; });
}

bool TGameBoard::IsQuiet() const {
  return std::all_of(FStates.begin(), FStates.end(),
                     [](TTileState s) { return s == tsIdle || s == tsVoid || s == tsChained; });
}

// ---------------------------------------------------------------------------
// Input and selection

void TGameBoard::Tick() {
  if (!CanDraw || !Visible) return;
  AdvanceUniFruitCycle();
  AdvanceWorms();
  AdvanceBlasterWave();
  DecayShakes();
  AdvanceBounces();
  if (!Frozen) AdvanceHintClock();
  AdvanceNoMoreMovesClock();
  MarkFalling();
  if (!Frozen) FallStep();
  Draw();
  AdvanceUniReveals();
  if (!Frozen) AdvanceRegroup();
}

void TGameBoard::DrawPiece(const TBoardTile& tile, float x, float y, float scale) {
  TImageDraw how;
  how.Scale = scale;
  // An eaten piece shows faintly until its fairy comes.
  if (tile.Worm == 2) how.Alpha = 90;
  if (tile.Element == ecUniFruit)
    BoardDrawEx(OmgImgList, "BubbleInside", x, y, FUniFruitShownElement - 1, how);
  else
    BoardDrawEx(OmgImgList, "Elements", x, y, tile.Element - 1, how);
  // A bomb's fuse sparks on its piece; a worm bites from the corner.
  const int frame = FPotionPulse / 32;
  if (tile.FruitBomb != 0) BoardDraw(OmgImgList, "BombSparks", x + 26, y - 6, frame % 6);
  if (tile.Worm == 1) BoardDraw(OmgImgList, "BitingWorm", x + 20, y + 10, frame % 4);
}

void TGameBoard::Draw() {
  if (!ReducedEffectsMode)
    for (int i = 0; i < BoardCells; ++i) {
      const TBoardTile& tile = FBoard.Tiles[i];
      if (tile.ObjectKind == okUnused && tile.TileBack == 0) continue;
      const TPoint at = TilePixel(CellPoint(i));
      BoardDraw(OmgImgList, "BackgroundTile", static_cast<float>(at.X - 2), static_cast<float>(at.Y - 2),
                tile.TileBack != 0 ? 1 : 0);
    }
  if (OnTimeToDrawBoardBorder) OnTimeToDrawBoardBorder();
  if (OnTimeToDrawLockerFrames) OnTimeToDrawLockerFrames();

  FPotionPulse = (FPotionPulse + 8) % 512;
  FToolPulse = (FToolPulse + 5) % 200;
  for (int x = BoardColumns; x >= 1; --x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TPoint p{x, y};
      const TBoardTile& tile = FBoard.At(p);
      const TTileState state = FStates[CellIndex(x, y)];
      // Swapping, grouped and opening tiles are drawn by their effects.
      if (!tile.IsLockerOrPiece() || state == tsSwapping || state == tsGrouped || state == tsOpening) continue;
      TPoint at = TilePixel(p);
      if (state == tsFalling)
        at.Y += tile.FallOffset;
      else
        at.Y += ColumnBounce(x);
      if (p == FHover && tile.Web == 0 && tile.ChainLock == 0) at.Y -= 2;
      if (const int amplitude = FShake[CellIndex(x, y)]; amplitude > 0) {
        at.X += int(FShakeRandom() % unsigned(amplitude));
        at.Y += int(FShakeRandom() % unsigned(amplitude));
      }
      if (tile.ObjectKind == okLocker) {
        DrawTileCopy(OmgImgList, tile, static_cast<float>(at.X), static_cast<float>(at.Y), TImageDraw{},
                     FUniFruitShownElement);
        continue;
      }
      DrawPiece(tile, static_cast<float>(at.X), static_cast<float>(at.Y), 1.0f);
      if (FToolMarks[CellIndex(x, y)] != 0) {
        TImageDraw mark;
        mark.Alpha = 120 + FToolPulse % 100;
        BoardDrawEx(OmgImgList, "ToolHighlight", static_cast<float>(at.X), static_cast<float>(at.Y), 0, mark);
      }
      if (tile.IsPotion()) {
        TImageDraw glow;
        glow.Alpha = FPotionPulse < 256 ? FPotionPulse : 511 - FPotionPulse;
        glow.BlendMode = 2;
        BoardDrawEx(OmgImgList, "Elements", static_cast<float>(at.X), static_cast<float>(at.Y), tile.Element - 1,
                    glow);
      }
    }
  for (int i = 0; i < BoardCells; ++i) {
    if (FUniReveal[i] < 0) continue;
    const TTileState state = FStates[i];
    if (state == tsSwapping || state == tsHammered) continue;
    const TPoint at = TilePixel(CellPoint(i));
    TImageDraw how;
    how.Scale = 1.0f + 0.01f * static_cast<float>(kUniRevealFrames - FUniReveal[i]);
    BoardDrawEx(OmgImgList, "Elements", static_cast<float>(at.X), static_cast<float>(at.Y),
                FBoard.Tiles[i].Element - 1, how);
  }
  for (int i = 0; i < BoardCells; ++i) {
    const TBoardTile& tile = FBoard.Tiles[i];
    if (tile.ChainLock == 0 || !tile.IsLockerOrPiece()) continue;
    const TPoint at = TilePixel(CellPoint(i));
    BoardDraw(OmgImgList, "ChainLock", static_cast<float>(at.X), static_cast<float>(at.Y), 0);
    if (tile.ChainLock >= 2) BoardDraw(OmgImgList, "ChainLock", static_cast<float>(at.X), static_cast<float>(at.Y), 5);
  }
  for (int i = 0; i < BoardCells; ++i) {
    if (FBoard.Tiles[i].Web == 0) continue;
    const TPoint at = TilePixel(CellPoint(i));
    BoardDraw(OmgImgList, "Web", static_cast<float>(at.X), static_cast<float>(at.Y), 0);
  }
  FSelectionAlpha += FSelectionAlphaStep;
  if (FSelectionAlpha <= 150 || FSelectionAlpha >= 255) {
    FSelectionAlpha = std::clamp(FSelectionAlpha, 150, 255);
    FSelectionAlphaStep = -FSelectionAlphaStep;
  }
  if (FSelectionArmed && IsOnBoard(FFirstTile)) {
    const TPoint at = TilePixel(FFirstTile);
    TImageDraw how;
    how.Alpha = FSelectionAlpha;
    BoardDrawEx(OmgImgList, "TileSelection", static_cast<float>(at.X), static_cast<float>(at.Y), FSelectionLook, how);
  }
}

// ---------------------------------------------------------------------------
// Falling and refill

}  // namespace qm
