// Start-up costs of the shell on the recording device: loading the start-up
// picture set, and one frame of the splash once loading is done.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/SpriteTileCount.h"
#include "platform/HeadlessScreenDevice.h"
#include "platform/Platform.h"
#include "shell/FormMain.h"
#include "shell/GameFolders.h"
#include "shell/ImageLoader.h"
#include "shell/LoadedImageList.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGameDir = QUILLMERE_GAME_DIR;

fs::path TempSaveRoot() { return fs::temp_directory_path() / ("qm-bench-save-" + std::to_string(::getpid())); }

// Every JPEG and PNG directly in "Images", decoded and made into textures,
// as the splash does it (without the frame drawn after each picture).
void BM_LoadStartupPictures(benchmark::State& state) {
  auto platform = qm::CreateHeadlessPlatform();
  qm::TOmegaScreen screen(platform->Graphics.get(), *platform->Window, *platform->MessageBox, *platform->Application);
  screen.Width = 1366;
  screen.Height = 768;
  screen.InitDevice();
  const qm::TGameFolders folders = qm::TGameFolders::Build(kGameDir, TempSaveRoot());
  qm::TSpriteTileCount tiles;
  std::int64_t pictures = 0, pixels = 0;
  for (auto _ : state) {
    qm::TOmegaImageList images(&screen);
    qm::TLoadedImageList groups;
    qm::TImageLoader loader(images, tiles, groups, folders);
    loader.LoadJpegFolder(qm::ikStartup, false);
    loader.LoadImageFolder(qm::ikStartup);
    pictures = images.Count();
    pixels = 0;
    for (int i = 0; i < images.Count(); ++i)
      pixels += std::int64_t(images.Item(i).PictureWidth()) * images.Item(i).PictureHeight();
  }
  if (pictures == 0) state.SkipWithError("no start-up pictures: build the content first");
  state.counters["pictures"] = double(pictures);
  state.counters["megapixels"] = double(pixels) / 1e6;
}
BENCHMARK(BM_LoadStartupPictures)->Unit(benchmark::kMillisecond);

// The whole game on headless parts, from the shipped program folder.
class TBenchGame {
 public:
  TBenchGame() : FPlatform(qm::CreateHeadlessPlatform()) {
    auto& system = static_cast<qm::TTestOperatingSystem&>(*FPlatform->System);
    system.ProgramDir = kGameDir;
    system.SaveRoots = {TempSaveRoot()};
    FForm = std::make_unique<qm::TFormMain>(*FPlatform);
    FForm->FormCreate();
    FForm->FormShow();
  }
  ~TBenchGame() {
    FForm.reset();
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(TempSaveRoot(), ec);
  }
  qm::TFormMain& Form() { return *FForm; }

 private:
  std::unique_ptr<qm::TPlatform> FPlatform;
  std::unique_ptr<qm::TFormMain> FForm;
};

// One frame of the splash with the bar full and pulsing: the splash picture,
// the bar's four pieces and the finished logos.
void BM_SplashTick(benchmark::State& state) {
  TBenchGame game;
  qm::TFormMain& form = game.Form();
  for (int tick = 0; tick < 2000 && !(form.GameScene->Value() == qm::gsSplash && form.LoadingBar->LoadingFinished());
       ++tick)
    form.OmegaTimer1Timer();
  if (form.GameScene->Value() != qm::gsSplash || !form.LoadingBar->LoadingFinished()) {
    state.SkipWithError("the splash did not finish loading: build the content first");
    return;
  }
  auto* device = static_cast<qm::THeadlessScreenDevice*>(form.OmegaScreen1->Device());
  const long long quadsBefore = device->QuadsDrawn;
  for (auto _ : state) form.OmegaTimer1Timer();
  state.counters["quads"] = double(device->QuadsDrawn - quadsBefore) / double(state.iterations());
}
BENCHMARK(BM_SplashTick)->Unit(benchmark::kMicrosecond);

}  // namespace
