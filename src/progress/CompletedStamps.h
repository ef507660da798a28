#pragma once

#include <functional>
#include <string>

namespace qm {

class TOmegaImageList;

// The stamps over finished islands on the world map. The island just left
// behind gets its stamp slammed down: big, spinning and faint at first,
// landing flat with a bang.
class TCompletedStamps {
 public:
  // Only islands 1..4 can be finished before the game ends.
  static constexpr int StampCount = 4;

  TOmegaImageList* OmgImgList = nullptr;
  // The island the map was last opened on; every island below it is done.
  int LastOpenedIslandIdx = 1;
  std::function<void(const std::string& sound)> OnPlaySound;

  // Slams the stamp of the island before LastOpenedIslandIdx, if any.
  void StartStamp();
  void Tick();
  void Draw() const;

  bool Animating() const { return FStampIndex != 0; }
  // 0 when none animates.
  int StampIndex() const { return FStampIndex; }
  float StampScale() const { return FScale; }
  float StampAngle() const { return FAngle; }
  int StampAlpha() const { return FAlpha; }

 private:
  int FStampIndex = 0;
  float FScale = 1;
  float FAngle = 0;
  int FAlpha = 255;
};

}  // namespace qm
