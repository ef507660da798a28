#pragma once

#include <functional>
#include <string>
#include <vector>

#include "board/ArcFlight.h"
#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// Counted tools collected from the board, on their way to their holders.
// Each flight ends in OnToolArrived; the owner then adds one to that tool's
// stock. Several may be in the air at once.
class TFlowingTool {
 public:
  TOmegaImageList* OmgImgList = nullptr;

  std::function<void(TToolKind kind)> OnToolArrived;

  // From the collected tile's top-left pixel to the holder's hanging position.
  void Launch(TToolKind kind, float fromX, float fromY, float toX, float toY);
  void UpdateAndDraw();
  int InFlight() const { return static_cast<int>(FFlights.size()); }
  void Reset() { FFlights.clear(); }

  // The holder picture a kind flies as.
  static std::string ImageOf(TToolKind kind);

 private:
  struct TFlight {
    TToolKind Kind;
    TArcFlight Arc;
  };
  std::vector<TFlight> FFlights;
};

}  // namespace qm
