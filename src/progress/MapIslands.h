#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/ValueUpDown.h"
#include "widgets/ScreenPoint.h"

namespace qm {

class TOmegaImageList;
struct TProgressRecord;

// The world map: which of the five islands are open, played and announced,
// the island to be played next swelled to full size, the highlighted one
// glowing, and a swinging marker over the current one.
class TMapIslands {
 public:
  static constexpr int IslandCount = 5;
  // Top-left of island n's picture on the map.
  static TScreenPoint IslandAt(int n);

  TMapIslands();

  TOmegaImageList* OmgImgList = nullptr;
  // The message of each island (1..5 at [0..4]); the owner fills them from
  // the game texts.
  std::array<std::string, IslandCount> Messages;

  // A new game: only island 1 open, nothing played or announced.
  void Reset();
  // n outside 1..5 is ignored.
  void Unlock(int n);
  // Current and highlighted := the highest open island.
  void SelectHighestUnlocked();
  // Current and highlighted := the highest open island <= n (1 if none).
  void SelectUpTo(int n);
  void MarkPlayed();
  // Every open, unplayed island not announced yet counts as announced; the
  // message of the highest of them, empty when there is none.
  std::string TakeMessage();

  int Current() const { return FCurrent; }
  int CurrentIndex() const { return FCurrent - 1; }
  int Highlighted() const { return FHighlighted; }
  // The creature that guards the current island's boss level.
  int MonsterKind() const;
  bool Unlocked(int n) const;
  bool Played(int n) const;
  bool MessageShown(int n) const;
  // What one frame of TickAndDraw left behind, for island n.
  int GlowAlpha(int n) const;
  float Scale(int n) const;
  float MarkerAngle() const { return FSwing.Value(); }

  // The saved bytes are copied as they are, so a record writes back the way
  // it was read.
  void LoadFrom(const TProgressRecord& record);
  void StoreInto(TProgressRecord& record) const;

  // One frame: glow and size of every island, the swing, then the islands
  // and the marker. The owner draws the map's background first.
  void TickAndDraw();

 private:
  static bool Valid(int n) { return n >= 1 && n <= IslandCount; }
  // 1 when none is open.
  int HighestUnlockedUpTo(int n) const;
  void Step();
  void Draw() const;

  int FCurrent = 1;
  int FHighlighted = 1;
  std::array<std::uint8_t, IslandCount> FPlayed{};
  std::array<std::uint8_t, IslandCount> FUnlocked{};
  std::uint8_t FMapReset = 0;
  std::array<std::uint8_t, IslandCount> FMessageShown{};
  std::array<int, IslandCount> FGlowAlpha{};
  std::array<float, IslandCount> FScale{};
  // The marker's sway, in degrees.
  TValueUpDown FSwing;
};

}  // namespace qm
