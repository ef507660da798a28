#pragma once

#include <array>
#include <functional>
#include <string>

namespace qm {

class TOmegaImageList;

// The help scene's picture, faded in over the menu. Pages are numbered from
// 1; the picture of page n is "Help<n>", loaded only while help is open.
class THelpPages {
 public:
  static constexpr int PageCount = 1;

  TOmegaImageList* OmgImgList = nullptr;
  int AlphaStep = 20;
  int PageIdx = 1;
  // Asked for each page's picture file ("Help1.jpg"); the owner loads it into the image list.
  std::function<void(const std::string& fileName)> OnLoadAnImage;

  // Asks for every page; all of them start faded out.
  void Load();
  // Frees the pages' pictures from the image list.
  void Unload();
  // Once per frame: the current page fades in, the others out; a page shows
  // only above alpha 10.
  void TickAndDraw();
  // Page 1..PageCount.
  int Alpha(int page) const { return FAlphas[page - 1]; }

 private:
  std::array<int, PageCount> FAlphas{};
};

}  // namespace qm
