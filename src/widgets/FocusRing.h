#pragma once

#include <functional>
#include <vector>

namespace qm {

class TOmegaImageList;

// A control the keyboard can reach: its rectangle in frame units, what
// Enter or Space does to it and, for a bar, what left and right do.
struct TFocusTarget {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::function<void()> OnPress;
  std::function<void(int step)> OnAdjust;
};

// The keyboard's focus among the current scene's controls. The shell hands
// it the scene's targets each time they may have changed; a new context (a
// scene or window opened) puts the focus on that context's default.
class TFocusRing {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  // The last input came from the keyboard: only then is the ring drawn.
  bool Shown = false;

  void Follow(int context, std::vector<TFocusTarget> targets, int defaultIndex);
  // Tab order: the order the targets were given in, wrapping round.
  void Next();
  void Previous();
  // To the nearest target whose centre lies that way; stays when none does.
  void Move(int dx, int dy);
  // False when nothing has the focus or it takes no such key.
  bool Press() const;
  bool Adjust(int step) const;

  // -1 when the scene has no targets.
  int Focused() const { return FFocused; }
  const TFocusTarget* Target() const;
  void Draw() const;

 private:
  int FContext = -1;
  int FFocused = -1;
  std::vector<TFocusTarget> FTargets;
};

// The ring's outline around a rectangle, a few pixels clear of it.
void DrawFocusOutline(const TOmegaImageList& list, int left, int top, int width, int height);

}  // namespace qm
