#pragma once

#include <memory>

#include "platform/Application.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/OperatingSystem.h"
#include "platform/ScreenDevice.h"
#include "platform/Window.h"

namespace qm {

// Everything the game needs from the machine. The game sees only these
// interfaces; tests fill the bundle with headless parts.
struct TPlatform {
  std::unique_ptr<IOperatingSystem> System;
  std::unique_ptr<IClock> Clock;
  std::unique_ptr<IApplication> Application;
  std::unique_ptr<IWindow> Window;
  // Missing when there is no display to draw on.
  std::unique_ptr<IGraphics> Graphics;
  std::unique_ptr<IMessageBox> MessageBox;
  // Never missing: a machine without sound gets a silent device.
  std::unique_ptr<IAudioDevice> Audio;

  ~TPlatform();
};

// The real thing: SDL window, renderer, clock, message loop and sound.
std::unique_ptr<TPlatform> CreateSdlPlatform();

// Headless parts throughout: fake clock, hand-driven loop, in-memory window,
// a device that only records, messages to stderr, a silent audio device.
std::unique_ptr<TPlatform> CreateHeadlessPlatform();

// Headless loop and fake clock, but a real SDL window and software renderer
// (the dummy video driver works without a display), so frames can be read;
// the audio device is silent.
std::unique_ptr<TPlatform> CreateRenderingTestPlatform();

}  // namespace qm
