#include "board/GeneralDataClass.h"

namespace qm {

bool TSimpleObjectArray::Any() const {
  for (std::uint8_t cell : Cells)
    if (cell != 0) return true;
  return false;
}

int TSimpleObjectArray::Count() const {
  int count = 0;
  for (std::uint8_t cell : Cells)
    if (cell != 0) ++count;
  return count;
}

TSimpleObjectArray TSimpleObjectArray::Single(TPoint p) {
  TSimpleObjectArray mask;
  if (IsOnBoard(p)) mask.At(p) = 1;
  return mask;
}

bool IndividualKindOf(std::uint8_t element, TIndividualElementKind& kind) {
  if (element >= ecFirstFruit && element <= ecLastObjectiveFruit) {
    kind = static_cast<TIndividualElementKind>(ieFruit1 + element - ecFirstFruit);
    return true;
  }
  if (element >= ecFirstFlower && element <= ecLastFlower) {
    kind = static_cast<TIndividualElementKind>(ieFlower1 + element - ecFirstFlower);
    return true;
  }
  if (element == ecPotion1 || element == ecPotion2) {
    kind = element == ecPotion1 ? iePotion1 : iePotion2;
    return true;
  }
  return false;
}

}  // namespace qm
