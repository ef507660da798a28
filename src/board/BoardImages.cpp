#include "board/BoardImages.h"

#include "board/GeneralDataClass.h"
#include "engine/OmegaImageList.h"

namespace qm {

void BoardDraw(TOmegaImageList* list, const char* name, float x, float y, int pattern) {
  if (list != nullptr) DrawImage(*list, name, x, y, pattern);
}

void BoardDrawEx(TOmegaImageList* list, const char* name, float x, float y, int pattern, const TImageDraw& how) {
  if (list == nullptr) return;
  DrawImageEx(*list, name, x, y, how.Angle, 0.5f, 0.5f, how.Scale, how.Scale, how.Red, how.Green, how.Blue, how.Alpha,
              pattern, how.BlendMode);
}

void DrawLiftedPiece(TOmegaImageList* list, const char* name, float x, float y, int pattern) {
  TImageDraw shadow;
  shadow.Scale = 1.15f;
  shadow.Red = shadow.Green = shadow.Blue = 0;
  shadow.Alpha = 80;
  BoardDrawEx(list, name, x + 2, y + 5, pattern, shadow);
  TImageDraw piece;
  piece.Scale = 1.15f;
  BoardDrawEx(list, name, x, y, pattern, piece);
}

void DrawTileCopy(TOmegaImageList* list, const TBoardTile& tile, float x, float y, const TImageDraw& how,
                  int uniFruitElement) {
  if (!tile.IsLockerOrPiece()) return;
  if (tile.ObjectKind == okLocker) {
    // A crate of its colour with its piece shown small in front.
    BoardDrawEx(list, LockerImage, x, y, tile.LockerColor - 1, how);
    TImageDraw inside = how;
    inside.Scale = how.Scale * 0.55f;
    if (tile.Element == ecUniFruit)
      BoardDrawEx(list, "BubbleInside", x, y, uniFruitElement - 1, inside);
    else
      BoardDrawEx(list, "Elements", x, y, tile.Element - 1, inside);
    return;
  }
  if (tile.Element == ecUniFruit)
    BoardDrawEx(list, "BubbleInside", x, y, uniFruitElement - 1, how);
  else
    BoardDrawEx(list, "Elements", x, y, tile.Element - 1, how);
}

}  // namespace qm
