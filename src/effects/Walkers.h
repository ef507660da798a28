#pragma once

#include <string>
#include <vector>

namespace qm {

class TOmegaImageList;

// Figures that go to and fro along level lanes: the town's people, the
// clouds over the town, butterflies over the book. Each walker keeps to its
// lane, turns at its ends and steps through the picture's patterns.
class TWalkers {
 public:
  struct TLane {
    int FromX, ToX, Y;
  };

  TOmegaImageList* OmgImgList = nullptr;
  std::string Image;
  int Patterns = 1;        // the walk's frames, one after another
  int Variants = 1;        // rows of different figures; each walker is one
  int TicksPerPattern = 6;
  float SpeedMin = 0.4f, SpeedMax = 0.9f;  // pixels per tick
  float Scale = 1;
  int Alpha = 255;
  // Up and down as it goes, in pixels: the flutter of a butterfly.
  float Bob = 0;
  std::vector<TLane> Lanes;
  bool Visible = true;

  // count walkers spread at random along the lanes, each on its own lane in
  // turn.
  void Start(int count);
  void Reset() { FWalkers.clear(); }
  void TickAndDraw();
  int Count() const { return int(FWalkers.size()); }

 private:
  struct TWalker {
    int Lane, Variant;
    float X, Speed;
    int Tick;
  };
  std::vector<TWalker> FWalkers;
};

}  // namespace qm
