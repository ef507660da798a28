#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

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

// The whole game on headless parts: a save root of its own, a fake clock and
// a loop driven by the test. Input is given in frame coordinates and reaches
// the game through the window's events, as a player's would.
class THeadlessGame {
 public:
  struct TOptions {
    // Draw through SDL's software renderer on the dummy video driver, so
    // frames can be read back; otherwise a recording device.
    bool Rendering = false;
    // Run from the content pack the build generated, rather than from a
    // program folder that holds only the text tables.
    bool WithContent = false;
  };

  THeadlessGame() : THeadlessGame(TOptions{}) {}
  explicit THeadlessGame(TOptions options);
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
  TGameSceneValues Scene() { return FForm->GameScene->Value(); }
  const std::filesystem::path& Root() const { return FFolder.Path(); }

  // FormCreate and FormShow, as the program entry does.
  void Start();
  // Runs the loop until the frame timer has fired `ticks` more times.
  void RunTicks(int ticks);
  // Runs ticks until the scene is reached; false when it is not reached
  // within the limit.
  bool RunUntilScene(TGameSceneValues scene, int maxTicks);

  void MouseDown(int frameX, int frameY, TMouseButton button = TMouseButton::mbLeft);
  void MouseMove(int frameX, int frameY);
  void MouseUp(int frameX, int frameY, TMouseButton button = TMouseButton::mbLeft);
  void Click(int frameX, int frameY);
  void KeyDown(int key);

  // The frame as last drawn (rendering games only).
  std::optional<TRgbaImage> Frame();
  // Saves the frame under the tests' output folder; returns its path.
  std::filesystem::path CaptureFrame(const std::string& name);

 private:
  void FrameToWindow(int frameX, int frameY, int& x, int& y);

  TTempFolder FFolder;
  std::unique_ptr<TPlatform> FPlatform;
  std::unique_ptr<TFormMain> FForm;
};

}  // namespace qm::testing
