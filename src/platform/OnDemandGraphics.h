#pragma once

#include <memory>

#include "platform/ScreenDevice.h"

namespace qm {

// Graphics whose devices draw only when asked to: every texture, state and
// frame query reaches the real device, but scenes, clears and quads are
// dropped while drawing is off. A game runs on it at the cost of the game
// alone and has a frame rasterised exactly for the ticks it is asked for;
// what the game does never depends on what was drawn.
class TOnDemandGraphics : public IGraphics {
 public:
  explicit TOnDemandGraphics(std::unique_ptr<IGraphics> real) : FReal(std::move(real)) {}

  std::unique_ptr<IScreenDevice> CreateDevice(IWindow& window, const TPresentParameters& params,
                                              TDeviceType type) override;
  void Beep() override { FReal->Beep(); }
  void ShowCursor(bool show) override { FReal->ShowCursor(show); }

  // Off from the start; the devices made so far and later follow.
  void SetDrawing(bool drawing) { *FDrawing = drawing; }
  bool Drawing() const { return *FDrawing; }
  // The graphics that do the drawing.
  IGraphics& Real() { return *FReal; }

 private:
  std::unique_ptr<IGraphics> FReal;
  std::shared_ptr<bool> FDrawing = std::make_shared<bool>(false);
};

}  // namespace qm
