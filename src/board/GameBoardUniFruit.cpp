// The uni fruit: its cycle through the allowed elements and its reveal.
#include "board/GameBoard.h"

#include <algorithm>
#include <cstdlib>

#include "board/BoardImages.h"
#include "board/GameBoardRules.h"
#include "engine/EffectsMode.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"
#include "engine/StepHelpers.h"

namespace qm {

using namespace board_rules;

void TGameBoard::AdvanceUniFruitCycle() {
  FUniFruitClock += FrameMs;
  if (FUniFruitClock < UniFruitInterval) return;
  FUniFruitClock = 0;
  for (int step = 1; step <= ecLastFlower; ++step) {
    const int code = (FUniFruitShownElement - 1 + step) % ecLastFlower + 1;
    if (FAllowedElements.test(code)) {
      FUniFruitShownElement = static_cast<std::uint8_t>(code);
      return;
    }
  }
}

void TGameBoard::AdvanceUniReveals() {
  for (int i = 0; i < BoardCells; ++i) {
    if (FUniReveal[i] < 0) continue;
    if (++FUniReveal[i] < kUniRevealFrames) continue;
    FUniReveal[i] = -1;
    UniRevealDone();
  }
}

bool TGameBoard::UniRevealPending() const {
  return std::any_of(FUniReveal.begin(), FUniReveal.end(), [](int frame) { return frame >= 0; });
}

void TGameBoard::UniRevealDone() {
  FUniRevealFlag = true;
  MatchElements();
}

}  // namespace qm
