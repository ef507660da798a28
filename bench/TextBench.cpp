#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/HeadlessScreenDevice.h"
#include "platform/Platform.h"
#include "text/GlobalGameText.h"

namespace qm {
namespace {

// About 300 characters of narration with a few accented letters, as the
// story and tutorial texts are.
const std::string kParagraph =
    "When the tide went out, Wren found the old lighthouse keeper's map tucked inside a bottle on the "
    "shore. Five islands, each with a village that had forgotten its colours. \"Bring back the fruit, "
    "the flowers and the potions,\" said the note, \"and the caf\xE9 on the pier will open again.\" She "
    "smiled, and set off.";

constexpr int kWidth = 370;
constexpr float kScale = 0.7f;
constexpr int kSpacing = -1;
constexpr int kLineGap = 26;

void BM_MeasureParagraph(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MeasureText(fkAirstripNormal, kParagraph, kSpacing, kScale));
  state.SetItemsProcessed(state.iterations() * std::int64_t(kParagraph.size()));
}

void BM_WrapParagraph(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(WrapText(fkAirstripNormal, kParagraph, kSpacing, kWidth, kScale));
  state.SetItemsProcessed(state.iterations() * std::int64_t(kParagraph.size()));
}

// Wrapping and drawing line by line, as a tutorial scroll does every frame,
// through the screen with a null device.
void BM_WrapAndDrawParagraph(benchmark::State& state) {
  auto platform = CreateHeadlessPlatform();
  TOmegaScreen screen(platform->Graphics.get(), *platform->Window, *platform->MessageBox, *platform->Application);
  screen.Width = 1366;
  screen.Height = 768;
  screen.SetBpp(32);
  screen.ZBuffer = false;
  screen.InitDevice();
  auto* device = static_cast<THeadlessScreenDevice*>(screen.Device());
  device->RecordQuads = false;

  TOmegaImageList list(&screen);
  TImageListItem& font = list.Add("GlobalFontWhite");
  font.SetPicture(TRgbaImage(28 * 32, 5 * 40));
  font.SetTileWidth(32);
  font.SetTileHeight(40);
  list.MakeTexture(font);
  TGlobalGameText text;
  text.OmgImgList = &list;
  text.FetchLetterSize();

  for (auto _ : state) {
    screen.BeginFrame();
    int y = 200;
    for (const std::string& line : SplitTextLines(WrapText(fkAirstripNormal, kParagraph, kSpacing, kWidth, kScale))) {
      text.DrawTextShadow(500, y, line, kScale, kSpacing, 255, 0, TextColor::Brown);
      y += kLineGap;
    }
    screen.EndFrame();
  }
  benchmark::DoNotOptimize(device->QuadsDrawn);
  state.SetItemsProcessed(state.iterations() * std::int64_t(kParagraph.size()));
}

BENCHMARK(BM_MeasureParagraph)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WrapParagraph)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WrapAndDrawParagraph)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qm
