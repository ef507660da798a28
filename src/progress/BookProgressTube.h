#pragma once

#include <functional>
#include <string>

#include "rules/PopInRatio.h"

namespace qm {

class TOmegaImageList;

// The upgrade book's progress bar. The fill creeps toward the book's
// points; a few seconds after the points cross into a new band the tube
// pops and tells the owner.
class TBookProgressTube {
 public:
  static constexpr int PopDelay = 3000;  // ms

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 262;
  int Top = 567;
  int FillWidth = 251;
  int FillHeight = 19;
  std::function<void(int status)> OnStatusChange;
  std::function<void(const std::string& sound)> OnPlaySound;

  // Held at 0..100.
  void SetPosition(int p);
  int Position() const { return FPosition; }
  float Shown() const { return FShown; }
  int Status() const { return FStatus; }
  // 0 for nothing, 1 for 1 point, up to 11 for a full book.
  static int StatusOf(int p);
  bool PopPending() const { return FPopPending; }
  // Width of the fill drawn now.
  int FillShown() const;
  // The tube's size against its resting size: 1 unless popping.
  float PopRatio() const { return FPopIn.Ratio(); }
  void Reset();
  // A loaded player's book: filled to p at once, without the pop of a new
  // band, which belongs to purchases.
  void ShowAt(int p);
  void TickAndDraw();

 private:
  void Step();
  void Draw() const;

  int FPosition = 0;
  float FShown = 0;
  int FStatus = 0;
  bool FPopPending = false;
  int FPopClock = 0;
  TPopInRatio FPopIn{1.5f, 0.1f, 0.065f};
};

}  // namespace qm
