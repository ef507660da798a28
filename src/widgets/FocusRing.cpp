#include "widgets/FocusRing.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>

#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"

namespace qm {

namespace {

// The picture's corners are kept whole; only its edges stretch.
constexpr int kCorner = 16;
constexpr int kClearance = 5;

int CentreX(const TFocusTarget& target) { return target.Left + target.Width / 2; }
int CentreY(const TFocusTarget& target) { return target.Top + target.Height / 2; }

}  // namespace

void TFocusRing::Follow(int context, std::vector<TFocusTarget> targets, int defaultIndex) {
  FTargets = std::move(targets);
  const int count = int(FTargets.size());
  if (context != FContext || FFocused < 0 || FFocused >= count) FFocused = defaultIndex;
  if (FFocused < 0 || FFocused >= count) FFocused = count > 0 ? 0 : -1;
  FContext = context;
}

void TFocusRing::Next() {
  if (!FTargets.empty()) FFocused = (FFocused + 1) % int(FTargets.size());
}

void TFocusRing::Previous() {
  if (!FTargets.empty()) FFocused = (FFocused + int(FTargets.size()) - 1) % int(FTargets.size());
}

void TFocusRing::Move(int dx, int dy) {
  const TFocusTarget* from = Target();
  if (from == nullptr) return;
  int best = -1;
  long long bestScore = std::numeric_limits<long long>::max();
  for (int index = 0; index < int(FTargets.size()); ++index) {
    const int ax = CentreX(FTargets[std::size_t(index)]) - CentreX(*from);
    const int ay = CentreY(FTargets[std::size_t(index)]) - CentreY(*from);
    const int along = ax * dx + ay * dy;
    if (index == FFocused || along <= 0) continue;
    // Straight ahead beats a nearer control far to the side.
    const long long score = along + 3LL * std::abs(ax * dy + ay * dx);
    if (score < bestScore) {
      bestScore = score;
      best = index;
    }
  }
  if (best >= 0) FFocused = best;
}

bool TFocusRing::Press() const {
  const TFocusTarget* target = Target();
  if (target == nullptr || !target->OnPress) return false;
  target->OnPress();
  return true;
}

bool TFocusRing::Adjust(int step) const {
  const TFocusTarget* target = Target();
  if (target == nullptr || !target->OnAdjust) return false;
  target->OnAdjust(step);
  return true;
}

const TFocusTarget* TFocusRing::Target() const {
  return FFocused >= 0 && FFocused < int(FTargets.size()) ? &FTargets[std::size_t(FFocused)] : nullptr;
}

void TFocusRing::Draw() const {
  const TFocusTarget* target = Target();
  if (!Shown || target == nullptr || OmgImgList == nullptr) return;
  DrawFocusOutline(*OmgImgList, target->Left, target->Top, target->Width, target->Height);
}

void DrawFocusOutline(const TOmegaImageList& list, int left, int top, int width, int height) {
  TImageListItem* picture = list.FindImage(std::string(img::FocusRing));
  if (picture == nullptr) return;
  const int size = picture->PictureWidth();
  if (size < 2 * kCorner + 1) return;
  const float x0 = float(left - kClearance), y0 = float(top - kClearance);
  const float w = float(width + 2 * kClearance), h = float(height + 2 * kClearance);
  const float span = float(size - 2 * kCorner);
  const float stretchX = std::max(0.0f, w - 2 * kCorner) / span;
  const float stretchY = std::max(0.0f, h - 2 * kCorner) / span;
  const int far = size - kCorner;
  const float right = x0 + w - kCorner, bottom = y0 + h - kCorner;
  struct TPiece {
    int Left, Top, Right, Bottom;
    float X, Y, ScaleX, ScaleY;
  };
  // Tiny scales stand for zero: a scale of exactly 0 would draw at full size.
  const float sx = std::max(stretchX, 0.001f), sy = std::max(stretchY, 0.001f);
  const TPiece pieces[] = {
      {0, 0, kCorner, kCorner, x0, y0, 1, 1},
      {far, 0, size, kCorner, right, y0, 1, 1},
      {0, far, kCorner, size, x0, bottom, 1, 1},
      {far, far, size, size, right, bottom, 1, 1},
      {kCorner, 0, far, kCorner, x0 + kCorner, y0, sx, 1},
      {kCorner, far, far, size, x0 + kCorner, bottom, sx, 1},
      {0, kCorner, kCorner, far, x0, y0 + kCorner, 1, sy},
      {far, kCorner, size, far, right, y0 + kCorner, 1, sy},
  };
  for (const TPiece& piece : pieces)
    picture->DrawPart(piece.Left, piece.Top, piece.Right, piece.Bottom, piece.X, piece.Y, 0, 0, 0, piece.ScaleX,
                      piece.ScaleY, 255, 255, 255, 255, 0);
}

}  // namespace qm
