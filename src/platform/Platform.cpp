#include "platform/Platform.h"

#include <SDL.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/HeadlessScreenDevice.h"
#include "platform/SdlApplication.h"
#include "platform/SdlAudioDevice.h"
#include "platform/SdlClock.h"
#include "platform/SdlMessageBox.h"
#include "platform/SdlScreenDevice.h"
#include "platform/SdlWindow.h"
#include "platform/SilentAudioDevice.h"

namespace qm {

namespace {

bool InitSdlVideo() {
  // The game handles quit signals and the window's close itself (see
  // QuitSignals.h): SDL must neither turn signals into its quit event nor
  // send one after the window's close, which would ask twice.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // SDL's own software renderer draws into the window's memory directly;
  // it needs no OpenGL (which, without a graphics card, would bring a whole
  // software rasteriser into memory).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  return SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) == 0;
}

// The game plays on without sound rather than stop for want of it.
std::unique_ptr<IAudioDevice> OpenAudio() {
  std::string problem;
  if (auto device = TSdlAudioDevice::Open(problem)) return device;
  std::cerr << "quillmere: playing without sound: " << problem << '\n';
  return std::make_unique<TSilentAudioDevice>();
}

}  // namespace

TPlatform::~TPlatform() {
  // The window, its device and the sound card go before SDL itself.
  Audio.reset();
  Graphics.reset();
  Window.reset();
  Application.reset();
  if (SDL_WasInit(0) != 0) SDL_Quit();
}

std::unique_ptr<TPlatform> CreateSdlPlatform() {
  auto platform = std::make_unique<TPlatform>();
  platform->System = std::make_unique<TPosixOperatingSystem>();
  platform->Clock = std::make_unique<TSdlClock>();
  auto messageBox = std::make_unique<TSdlMessageBox>();
  if (InitSdlVideo()) {
    auto window = std::make_unique<TSdlWindow>();
    auto application = std::make_unique<TSdlApplication>();
    application->AttachWindow(window.get());
    messageBox->SetParent(window->Handle());
    if (window->Valid()) platform->Graphics = std::make_unique<TSdlGraphics>();
    // For measuring the game without its drawing: every call accepted,
    // nothing rasterised.
    if (const char* null = std::getenv("QUILLMERE_NULL_SCREEN"); null && *null && *null != '0') {
      auto graphics = std::make_unique<THeadlessGraphics>();
      graphics->RecordQuads = false;
      platform->Graphics = std::move(graphics);
    }
    platform->Window = std::move(window);
    platform->Application = std::move(application);
  } else {
    // No display: the screen reports it and the game ends with its message.
    SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS);
    platform->Window = std::make_unique<THeadlessWindow>();
    platform->Application = std::make_unique<TSdlApplication>();
  }
  platform->MessageBox = std::move(messageBox);
  platform->Audio = OpenAudio();
  return platform;
}

std::unique_ptr<TPlatform> CreateHeadlessPlatform() {
  auto platform = std::make_unique<TPlatform>();
  platform->System = std::make_unique<TTestOperatingSystem>();
  platform->Clock = std::make_unique<TFakeClock>();
  platform->Application = std::make_unique<THeadlessApplication>();
  platform->Window = std::make_unique<THeadlessWindow>();
  platform->Graphics = std::make_unique<THeadlessGraphics>();
  platform->MessageBox = std::make_unique<THeadlessMessageBox>();
  platform->Audio = std::make_unique<TSilentAudioDevice>();
  return platform;
}

std::unique_ptr<TPlatform> CreateRenderingTestPlatform() {
  auto platform = CreateHeadlessPlatform();
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  if (!InitSdlVideo()) return platform;
  auto window = std::make_unique<TSdlWindow>();
  if (window->Valid()) {
    platform->Window = std::move(window);
    platform->Graphics = std::make_unique<TSdlGraphics>();
  }
  return platform;
}

}  // namespace qm
