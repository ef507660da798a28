#pragma once

#include <array>
#include <functional>

#include "board/GeneralDataClass.h"
#include "engine/AnimData.h"

namespace qm {

class TOmegaImageList;

// The round's manna, shown as a jar of liquid beside the board. Cleared
// pieces and combos fill it; each of the six power tools is enabled while the
// shown level stands at or above its threshold and using one spends that
// threshold's share of the jar. The shown level creeps after the count, so
// a tool stays usable until the liquid has visibly dropped below its mark.
class TMannaEnergy {
 public:
  static constexpr int ThresholdCount = 6;
  static constexpr int WaveCount = 3;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0, Top = 0;
  // Manna a full jar holds; set from the level file.
  int FullRequiredFruits = 200;
  // Rows of liquid in a full jar.
  int MaxPixelProgress = 79;
  int LiquidAdjustY = 5;
  int EnergyWidth = 68, EnergyHeight = 62;
  int OrigWaveWidth = 36, OrigWaveHeight = 13;
  // A rising level takes this many frames to fill the whole jar, a falling
  // one this many to empty it.
  int TempCounterIncDivFactor = 200;
  int TempCounterDecDivFactor = 40;
  // Threshold k (1..6) as a share of the full jar: hammer, bomb, horizontal
  // lightning, vertical lightning, blaster, big bomb.
  std::array<float, ThresholdCount> ReqEnergyFactor{0.15f, 0.32f, 0.40f, 0.48f, 0.56f, 1.0f};
  std::function<void()> OnFull;
  std::function<void(int threshold)> OnEnergyFactorReached;  // 1..6
  std::function<void(int threshold)> OnBelowEnergyFactor;    // 1..6

  TMannaEnergy();

  // One more manna; a full jar takes no more.
  void AddOne();
  // Pays for a tool with its threshold's share of the jar. Kinds that are
  // not manna tools cost nothing.
  void Spend(TNewToolKind kind);
  // Adds n at once and shows it without the creep; no events fire until the
  // level next moves.
  void SetImmediately(int n);
  // An empty jar for a new round.
  void Reset();
  // Takes the liquid's and the waves' sizes from their pictures, once they
  // are loaded; a missing picture keeps the sizes as they are.
  void ReloadSizes();
  // One frame: the shown level moves toward the count (firing the events as
  // it crosses thresholds), then the jar is drawn.
  void TickAndDraw();

  int FruitsCounter() const { return FCounter; }
  float Shown() const { return float(FShown); }
  bool Full() const { return FFull; }
  // Whether the shown level has enabled threshold k (1..6).
  bool Reached(int threshold) const;
  // Manna at threshold k (1..6); 0 for any other k.
  float Threshold(int threshold) const;
  // Whether the manna held now pays for the tool (whatever the jar shows
  // while it creeps); kinds that are not manna tools cost nothing.
  bool Covers(TNewToolKind kind) const;
  // The threshold a tool needs and spends; 0 for anything else.
  static int ThresholdOf(TNewToolKind kind);
  // Rows of liquid drawn for the shown level.
  int LiquidHeight() const;

 private:
  double Level(int threshold) const;
  bool AtOrAbove(int threshold) const;
  void Update();
  void Draw();

  int FCounter = 0;
  double FShown = 0;
  bool FFull = false;
  std::array<bool, ThresholdCount> FReached{};
  std::array<TAnimData, WaveCount> FWaves;
};

}  // namespace qm
