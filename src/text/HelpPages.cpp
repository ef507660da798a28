#include "text/HelpPages.h"

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {

namespace {

constexpr int kVisibleAlpha = 10;

std::string PageImage(int page) { return "Help" + std::to_string(page); }

}  // namespace

void THelpPages::Load() {
  for (int page = 1; page <= PageCount; ++page) {
    FAlphas[page - 1] = 0;
    if (OnLoadAnImage) OnLoadAnImage(PageImage(page) + ".jpg");
  }
}

void THelpPages::Unload() {
  if (!OmgImgList) return;
  for (int page = 1; page <= PageCount; ++page) OmgImgList->FreeImage(PageImage(page));
}

void THelpPages::TickAndDraw() {
  for (int page = 1; page <= PageCount; ++page) {
    int& alpha = FAlphas[page - 1];
    StepToward(alpha, AlphaStep, page == PageIdx ? 255 : 0);
    if (alpha > kVisibleAlpha && OmgImgList) DrawImage(*OmgImgList, PageImage(page), 0, 0, 0, alpha);
  }
}

}  // namespace qm
