#pragma once

#include <array>

#include "board/ArcFlight.h"
#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

enum TAbsorbedEnergyColour { ecRed, ecYellow, ecGreen };

// The seconds a boss drains, seen as a stream of sparks arcing from the
// round timer's tube into the monster, coloured by how full the tube is.
class TAbsorbedEnergy {
 public:
  static constexpr int kSparks = 12;
  static constexpr int kTicksBetweenSparks = 2;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;

  // Red below 41 percent left, yellow below 78, else green.
  static TAbsorbedEnergyColour ColourForPercentLeft(int percentLeft);

  // Centres of the tube and of the monster in screen pixels.
  void Start(TPoint from, TPoint to, int percentLeft);
  void Reset();
  void TickAndDraw();

  bool IsRunning() const;
  TAbsorbedEnergyColour Colour() const { return FColour; }

 private:
  std::array<TArcFlight, kSparks> FSparks{};
  int FLaunched = kSparks;
  int FTick = 0;
  TPoint FFrom;
  TPoint FTo;
  TAbsorbedEnergyColour FColour = ecGreen;
};

}  // namespace qm
