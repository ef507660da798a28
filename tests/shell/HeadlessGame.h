#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/HeadlessScreenDevice.h"
#include "platform/Platform.h"
#include "shell/FormMain.h"
#include "shell/FramePixels.h"
#include "shell/HeadlessDriver.h"

namespace qm::testing {

// Upgrade number 1..20 bought and told, as a save holds it: the bought flag
// and the town objects its purchase revealed.
void MarkBought(TProgressRecord& record, int number);

// A fresh temporary folder, removed when the object goes.
class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

// The whole game on headless parts for tests: the headless driver with a
// save root of its own and a program folder that is the build's content pack
// or holds only the text tables, plus what tests read back.
class THeadlessGame {
 public:
  struct TOptions {
    // Draw through SDL's software renderer on the dummy video driver, so
    // frames can be read back; otherwise a recording device.
    bool Rendering = false;
    // Run from the content pack the build generated, rather than from a
    // program folder that holds only the text tables.
    bool WithContent = false;
    // Rasterise every tick rather than only those a frame is read from.
    bool DrawEveryTick = false;
  };

  THeadlessGame() : THeadlessGame(TOptions{}) {}
  explicit THeadlessGame(TOptions options);

  THeadlessDriver& Driver() { return *FDriver; }
  TPlatform& Platform() { return FDriver->Platform(); }
  TTestOperatingSystem& System() { return static_cast<TTestOperatingSystem&>(*Platform().System); }
  TFakeClock& Clock() { return static_cast<TFakeClock&>(*Platform().Clock); }
  THeadlessApplication& Application() { return static_cast<THeadlessApplication&>(*Platform().Application); }
  THeadlessMessageBox& Messages() { return static_cast<THeadlessMessageBox&>(*Platform().MessageBox); }
  IWindow& Window() { return *Platform().Window; }
  // The recording device (headless games only).
  THeadlessScreenDevice* Device();
  TFormMain& Form() { return FDriver->Form(); }
  TGameSceneValues Scene() { return FDriver->Scene(); }
  const std::filesystem::path& Root() const { return FFolder.Path(); }
  // The save folder the game chooses on its first start.
  std::filesystem::path SaveFolder() const;
  // A player who played before this start: listed in "Players.dat" (made
  // current) with their record as their save file.
  void AddSavedPlayer(const std::string& name, const TProgressRecord& record);
  // A saved player with tutorials off, the game started and clicked past the
  // logos until its pictures are in, and the player loaded: ready for a
  // round of their resume point.
  void StartAsPlayerWithoutTutorials(const std::string& name);

  // FormCreate and FormShow, as the program entry does.
  void Start() { FDriver->Start(); }
  // Runs the loop until the frame timer has fired `ticks` more times.
  void RunTicks(int ticks) { FDriver->Tick(ticks); }
  // Runs ticks until the scene is reached; false when it is not reached
  // within the limit.
  bool RunUntilScene(TGameSceneValues scene, int maxTicks);

  void MouseDown(int frameX, int frameY, TMouseButton button = TMouseButton::mbLeft) {
    FDriver->MouseDown(frameX, frameY, button);
  }
  void MouseMove(int frameX, int frameY) { FDriver->MouseMove(frameX, frameY); }
  void MouseUp(int frameX, int frameY, TMouseButton button = TMouseButton::mbLeft) {
    FDriver->MouseUp(frameX, frameY, button);
  }
  void Click(int frameX, int frameY) { FDriver->Click(frameX, frameY); }
  void KeyDown(int key);
  // Characters as the keyboard types them (code page 1252).
  void Type(std::string_view text) { FDriver->Type(text); }

  // Top-left corners of every quad of the named picture in the last frame
  // (recording games only).
  std::vector<TPoint> DrawnAt(const std::string& image);

  // How often a sound, track or voice (its file name without ".ogg") was
  // played, as the silent audio device heard it.
  int TimesPlayed(const std::string& name);

  // The frame of the last tick run (rendering games only). Ticks are run
  // without rasterising; reading a frame draws one tick more.
  std::optional<TRgbaImage> Frame();
  // How many pixels of the rectangle the decorative effects change, less
  // what changes from tick to tick without them: three ticks drawn, the
  // last with them (rendering games only).
  int PixelsTheDecorationChanges(TFrameRect rect);
  // Saves the frame under the tests' output folder; returns its path.
  std::filesystem::path CaptureFrame(const std::string& name);

 private:
  TTempFolder FFolder;
  std::unique_ptr<THeadlessDriver> FDriver;
  // The tick whose frame was drawn last.
  long long FDrawnAt = -1;
};

}  // namespace qm::testing
