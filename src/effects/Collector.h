#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qm {

class TOmegaImageList;

// What a purchase spends, seen going: pieces of the harvest leave the
// pocket one after another, rise in an arc and shrink into what was bought.
// The pocket's numbers already tell the sum, so this is decoration.
class TCollector {
 public:
  struct TSource {
    float X, Y;   // where the piece leaves from, its picture's middle
    int Pattern;  // which piece of the picture
  };

  TOmegaImageList* OmgImgList = nullptr;
  std::string Image = "Elements";
  int FlightTicks = 24;
  int StaggerTicks = 2;  // between one piece's start and the next
  float StartScale = 0.6f, EndScale = 0.25f;
  float Lift = 160;      // how far above the straight line the arc rises
  bool Visible = true;
  std::function<void(TCollector& sender)> OnEnd;

  void Reset();
  // Every source sends one piece to the target, in the given order.
  void Start(const std::vector<TSource>& sources, float targetX, float targetY);
  void TickAndDraw();
  int Flying() const;
  bool Active() const { return !FSources.empty(); }

 private:
  std::vector<TSource> FSources;
  float FTargetX = 0, FTargetY = 0;
  int FTick = 0;
};

}  // namespace qm
