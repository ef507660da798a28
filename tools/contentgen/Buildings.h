#pragma once

// The town: every object the upgrade shop rebuilds, and the plain cottage of
// the story pictures.
#include "Canvas.h"
#include "Style.h"

namespace contentgen {

enum class Building {
  House,  // the story pictures' cottage
  // island 1
  HarbourPier,
  FishersHut,
  Lighthouse,
  MarketSquare,
  // island 2
  Sawmill,
  RiverBridge,
  FlowerGarden,
  TownHall,
  // island 3
  Windmill,
  Goldsmith,
  ClockTower,
  Belfry,
  CliffCastle,
  // island 4
  PotionShop,
  Laboratory,
  Greenhouse,
  Observatory,
  // island 5
  SkyGarden,
  CableCar,
  WeatherVane,
  MooringMast,
  Windsock,
};

// Draws the building standing on the bottom of a w x h box, in the island's
// colours.
void DrawBuilding(cairo_t* cr, Building kind, double w, double h, const IslandPalette& p);

}  // namespace contentgen
