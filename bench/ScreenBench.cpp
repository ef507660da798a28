#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <vector>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "engine/OmegaScreen.h"
#include "platform/HeadlessScreenDevice.h"
#include "platform/OnDemandGraphics.h"
#include "platform/Platform.h"
#include "platform/SdlScreenDevice.h"
#include "shell/FormMain.h"
#include "shell/HeadlessDriver.h"

namespace qm {
namespace {

// Sprites per frame: a full board of pieces plus some particles.
constexpr int kSpritesPerFrame = 500;
constexpr float kSprite = 52;

// kSpritesPerFrame sprites spread over the 1366x768 screen, turned by
// degrees each (0 keeps them axis-aligned).
std::vector<TOmegaRenderer> Sprites(TTextureId texture, float degrees) {
  std::vector<TOmegaRenderer> sprites(kSpritesPerFrame);
  const float uv = kSprite / 64;  // the picture sits in a 64x64 texture
  const float corners[4][2] = {{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}};
  for (int i = 0; i < kSpritesPerFrame; ++i) {
    float cx = 40 + float(i % 25) * 52, cy = 40 + float(i / 25) * 34;
    double angle = (degrees + i) * std::numbers::pi / 180;
    float c = degrees == 0 ? 1 : float(std::cos(angle)), s = degrees == 0 ? 0 : float(std::sin(angle));
    TOmegaRenderer& quad = sprites[i];
    quad.Texture = texture;
    for (int v = 0; v < 4; ++v) {
      float dx = corners[v][0] * kSprite, dy = corners[v][1] * kSprite;
      quad.Vertices[v].X = cx + c * dx - s * dy;
      quad.Vertices[v].Y = cy + s * dx + c * dy;
      quad.Vertices[v].U = (corners[v][0] + 0.5f) * uv;
      quad.Vertices[v].V = (corners[v][1] + 0.5f) * uv;
      quad.Vertices[v].Color = 0xFFFFFFFF;
    }
  }
  return sprites;
}

// A 52x52 picture with some alpha, so blending has work to do.
TRgbaImage SpritePicture() {
  TRgbaImage picture(52, 52);
  for (int y = 0; y < 52; ++y)
    for (int x = 0; x < 52; ++x) {
      std::uint8_t* p = picture.At(x, y);
      p[0] = std::uint8_t(x * 4);
      p[1] = std::uint8_t(y * 4);
      p[2] = 128;
      p[3] = std::uint8_t((x + y) % 2 ? 255 : 160);
    }
  return picture;
}

// Whole frames in the shell's order; counts quads.
void DrawFrames(benchmark::State& state, TOmegaScreen& screen, const std::vector<TOmegaRenderer>& sprites) {
  for (auto _ : state) {
    screen.SetSmoothing(true);
    screen.ClearFrame(0, 0, 0, 255);
    screen.BeginFrame();
    for (const TOmegaRenderer& sprite : sprites) screen.DrawQuad(sprite);
    screen.EndFrame();
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(sprites.size()));
  state.counters["frames/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

std::unique_ptr<TOmegaScreen> MainWindowScreen(TPlatform& platform) {
  auto screen = std::make_unique<TOmegaScreen>(platform.Graphics.get(), *platform.Window, *platform.MessageBox,
                                               *platform.Application);
  screen->Width = 1366;
  screen->Height = 768;
  screen->SetBpp(32);
  screen->ZBuffer = false;
  screen->InitDevice();
  return screen;
}

// The processor screen (or SDL's software renderer) into a 1366x768 frame,
// presented each frame.
void SoftwareScreen(benchmark::State& state, float degrees, bool empty = false, bool sdlRenderer = false) {
  auto platform = CreateRenderingTestPlatform();
  auto* sdl = dynamic_cast<TSdlGraphics*>(platform->Graphics.get());
  if (!sdl) {
    state.SkipWithError("SDL cannot make a window here");
    return;
  }
  sdl->AlwaysSdlRenderer = sdlRenderer;
  {
    auto screen = MainWindowScreen(*platform);
    TTextureId texture = screen->Device()->CreateTexture(64, 64, SpritePicture(), 1);
    DrawFrames(state, *screen, empty ? std::vector<TOmegaRenderer>{} : Sprites(texture, degrees));
  }
}

// Clear and present alone: the part of every frame that does not depend on
// the sprites.
void BM_SoftwareScreenEmptyFrame(benchmark::State& state) { SoftwareScreen(state, 0, true); }
void BM_SoftwareScreenAxisAligned(benchmark::State& state) { SoftwareScreen(state, 0); }
void BM_SoftwareScreenRotated(benchmark::State& state) { SoftwareScreen(state, 30); }

// The recording device with recording off: what the screen itself costs.
void NullScreen(benchmark::State& state, float degrees) {
  auto platform = CreateHeadlessPlatform();
  auto screen = MainWindowScreen(*platform);
  auto* device = static_cast<THeadlessScreenDevice*>(screen->Device());
  device->RecordQuads = false;
  TTextureId texture = device->CreateTexture(64, 64, SpritePicture(), 1);
  DrawFrames(state, *screen, Sprites(texture, degrees));
  benchmark::DoNotOptimize(device->QuadsDrawn);
}

void BM_NullScreenAxisAligned(benchmark::State& state) { NullScreen(state, 0); }

// One tick of the first round (a few moves in, standing still), stepped and
// drawn for real: on the processor screen a machine without a graphics card
// gets, or on SDL's software renderer.
void RoundFrame(benchmark::State& state, bool sdlRenderer) {
  namespace fs = std::filesystem;
  const fs::path saves = fs::temp_directory_path() / ("qm-bench-round-" + std::to_string(::getpid()));
  {
    THeadlessDriver::TOptions options;
    options.ProgramFolder = QUILLMERE_GAME_DIR;
    options.SaveRoot = saves;
    options.Rendering = true;
    options.DrawOnDemand = true;
    THeadlessDriver driver(options);
    auto* onDemand = dynamic_cast<TOnDemandGraphics*>(driver.Platform().Graphics.get());
    auto* sdl = onDemand ? dynamic_cast<TSdlGraphics*>(&onDemand->Real()) : nullptr;
    if (!sdl) {
      state.SkipWithError("SDL cannot make a window here");
      return;
    }
    sdl->AlwaysSdlRenderer = sdlRenderer;
    driver.Start();
    if (!driver.ReachMenu(20000, "BENCH")) {
      state.SkipWithError("the menu was not reached: build the content first");
      return;
    }
    driver.Form().StartLevel();
    driver.WaitForScene(gsObjectiveInfo, 200);
    driver.Tick(30);
    driver.Click(683, 384);
    for (int moves = 0, tick = 0; moves < 2 && tick < 600; ++tick) {
      moves += driver.MakeHintMove() ? 1 : 0;
      driver.Tick(1);
    }
    driver.Tick(60);
    for (auto _ : state) driver.DrawTick();
  }
  std::error_code ec;
  fs::remove_all(saves, ec);
}

void BM_RoundFrameProcessorScreen(benchmark::State& state) { RoundFrame(state, false); }
void BM_RoundFrameSdlSoftwareRenderer(benchmark::State& state) { RoundFrame(state, true); }
void BM_SdlRendererAxisAligned(benchmark::State& state) { SoftwareScreen(state, 0, false, true); }
void BM_NullScreenRotated(benchmark::State& state) { NullScreen(state, 30); }

BENCHMARK(BM_SoftwareScreenEmptyFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoftwareScreenAxisAligned)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoftwareScreenRotated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SdlRendererAxisAligned)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoundFrameProcessorScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoundFrameSdlSoftwareRenderer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NullScreenAxisAligned)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NullScreenRotated)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qm

BENCHMARK_MAIN();
