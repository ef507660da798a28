#pragma once

#include <array>
#include <string>

namespace qm {

class TOmegaImageList;
struct TProgressRecord;

// One picture of the town: the reveal group that shows it, its image and
// where its top-left corner sits in the scene.
struct TStickerObject {
  int Group;
  const char* Image;
  int X, Y;
};

// The town picture of the upgrade scene, rebuilt upgrade by upgrade. Every
// upgrade reveals one group of objects; group 1, the zeppelin, only comes
// once the whole game is done.
class TStickerBookObjects {
 public:
  static constexpr int ObjectCount = 23;
  static constexpr int GroupCount = 21;
  static constexpr int ZeppelinGroup = 1;
  static constexpr int ZeppelinObject = 23;
  // 8 a tick takes an object from nothing to full in about a second.
  static constexpr int FadeStep = 8;

  TOmegaImageList* OmgImgList = nullptr;

  // The reveal group of upgrade (island 1..5, slot 1..4).
  static constexpr int GroupOf(int island, int slot) { return 4 * (island - 1) + slot + 1; }
  // Object 1..23 as the scene places it.
  static const TStickerObject& Object(int object);

  // Nothing revealed, every alpha 0.
  void Reset();
  // Every object of the group shows; animated fades it in from nothing,
  // otherwise it is there at once. An object already shown stays as it is.
  void Reveal(int group, bool animated);
  bool Revealed(int object) const;
  bool GroupRevealed(int group) const;
  bool AllRevealed() const;
  bool ZeppelinRevealed() const;
  // 0..255, as the object is drawn now.
  int Alpha(int object) const;

  // Revealed objects of a saved player show at once.
  void LoadFrom(const TProgressRecord& record);
  void StoreInto(TProgressRecord& record) const;

  void TickAndDraw();

  // The scene's background: the island's own, or the finished town once
  // every object is back.
  static std::string Background(int island, bool allRevealed);

 private:
  static bool ValidObject(int object) { return object >= 1 && object <= ObjectCount; }

  std::array<bool, ObjectCount> FRevealed{};
  std::array<int, ObjectCount> FAlpha{};
};

}  // namespace qm
