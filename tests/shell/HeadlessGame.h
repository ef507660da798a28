#pragma once

#include <filesystem>
#include <memory>

#include "platform/HeadlessScreenDevice.h"
#include "platform/Platform.h"
#include "shell/FormMain.h"

namespace qm::testing {

// A fresh temporary folder, removed when the object goes.
class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

// The whole game on headless parts: a program folder and a save root of its
// own, a fake clock and a loop driven by the test.
class THeadlessGame {
 public:
  // rendering = true draws through SDL's software renderer on the dummy
  // video driver, so frames can be read back.
  explicit THeadlessGame(bool rendering = false);
  ~THeadlessGame();

  TPlatform& Platform() { return *FPlatform; }
  TTestOperatingSystem& System() { return static_cast<TTestOperatingSystem&>(*FPlatform->System); }
  TFakeClock& Clock() { return static_cast<TFakeClock&>(*FPlatform->Clock); }
  THeadlessApplication& Application() { return static_cast<THeadlessApplication&>(*FPlatform->Application); }
  THeadlessMessageBox& Messages() { return static_cast<THeadlessMessageBox&>(*FPlatform->MessageBox); }
  IWindow& Window() { return *FPlatform->Window; }
  // The recording device (headless games only).
  THeadlessScreenDevice* Device();
  TFormMain& Form() { return *FForm; }
  const std::filesystem::path& Root() const { return FFolder.Path(); }

  // FormCreate and FormShow, as the program entry does.
  void Start();
  // Runs the loop until the frame timer has fired `ticks` more times.
  void RunTicks(int ticks);

 private:
  TTempFolder FFolder;
  std::unique_ptr<TPlatform> FPlatform;
  std::unique_ptr<TFormMain> FForm;
};

}  // namespace qm::testing
