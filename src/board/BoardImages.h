#pragma once

namespace qm {

class TOmegaImageList;
struct TBoardTile;

// How the board and its effects draw a pattern: scale and rotation around
// the pattern's middle, tint, alpha and blend mode.
struct TImageDraw {
  float Scale = 1.0f;
  float Angle = 0.0f;
  int Red = 255;
  int Green = 255;
  int Blue = 255;
  int Alpha = 255;
  int BlendMode = 0;
};

// The crate a locker is drawn as, one pattern per locker colour.
inline constexpr const char* LockerImage = "Locker";

// One pattern of a named image at (x, y); no list or an unknown name draws
// nothing.
void BoardDraw(TOmegaImageList* list, const char* name, float x, float y, int pattern);
void BoardDrawEx(TOmegaImageList* list, const char* name, float x, float y, int pattern, const TImageDraw& how);

// A piece lifted off the board (being swapped or wiggled as a hint): a bit
// larger, over its own soft shadow.
void DrawLiftedPiece(TOmegaImageList* list, const char* name, float x, float y, int pattern);

// A locker or piece of a board copy, as the whole-board animations show it:
// a locker as its colour's tile with its piece inside, a uni fruit with the
// element it shows. Other cells draw nothing.
void DrawTileCopy(TOmegaImageList* list, const TBoardTile& tile, float x, float y, const TImageDraw& how,
                  int uniFruitElement);

}  // namespace qm
