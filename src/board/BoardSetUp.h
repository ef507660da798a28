#pragma once

#include <cstdint>
#include <vector>

#include "board/GeneralDataClass.h"

namespace qm {

// What a level puts on the board when its round starts: its shape and
// pieces, the elements new pieces are drawn from, the gold tiles, and where
// webs and potions go once the board has been drawn afresh.
struct TBoardSetUp {
  TBoardData Board{};
  TElementSet Allowed;
  TSimpleObjectArray GoldTiles;
  std::vector<TPoint> Webs;
  std::vector<TPoint> Potions;
  std::uint8_t PotionCode = ecPotion1;
};

}  // namespace qm
