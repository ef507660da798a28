#pragma once

#include <memory>
#include <optional>

#include "engine/OmegaScreen.h"
#include "engine/OmegaTimer.h"
#include "platform/Platform.h"
#include "shell/FormWin10Confirm.h"
#include "shell/GameScene.h"
#include "shell/GameFolders.h"

namespace qm {

// The main window: owns every game object, wires their events to its own
// handlers, and runs the frame tick.
class TFormMain {
 public:
  static constexpr const char* kAlreadyRunningMessage = "Application is already running.";
  static constexpr const char* kNonAsciiFolderMessage =
      "Please reinstall the game to a folder or path that has all standard ASCII characters.  For example "
      "\"C:\\Program Files\\Fernwick!\\\".  This game cannot run if the folder or path contains NON-ASCII or "
      "foreign characters.  Thank you.";
  static constexpr int kFrameWidth = 1366;
  static constexpr int kFrameHeight = 768;
  static constexpr unsigned kSwitchDelayMs = 100;

  explicit TFormMain(TPlatform& platform);
  ~TFormMain();
  TFormMain(const TFormMain&) = delete;
  TFormMain& operator=(const TFormMain&) = delete;

  // Window events.
  void FormCreate();
  void FormShow();
  void FormCloseQuery(bool& canClose);
  void FormClose();
  void FormKeyDown(int& key, TShiftState shift);

  // The frame tick: the only place the game advances.
  void OmegaTimer1Timer();

  // Application focus.
  void AppDeactivate();
  void AppActivate();
  void AppRestore();
  void Timer1Timer();
  void Suspend();
  void Resume();

  // How the start-up dialog is shown; the platform (or a test) decides.
  std::function<void(TFormWin10Confirm&)> OnShowStartupDialog;

  // Saves the frame as it was last drawn; false when there is none.
  bool SaveScreenshot(const std::filesystem::path& file);
  // The first free "ScreenshotNNN.png" in the save folder.
  std::filesystem::path NextScreenshotFile() const;

  // Design-time components.
  std::unique_ptr<TOmegaScreen> OmegaScreen1;
  std::unique_ptr<TOmegaTimer> OmegaTimer1;
  std::unique_ptr<TFormWin10Confirm> FormWin10Confirm;
  std::unique_ptr<TGameScene> GameScene;

  TGameFolders Folders;

  // Shell state, reset at start-up.
  struct TShellState {
    int SplashFrames = 0;
    bool MainImagesLoaded = false;
    bool ResumeOnActivate = true;
    bool MinimizeAfterSwitch = false;
    bool DeveloperMode = false;
    bool StartFullScreen = false;
    bool Paused = false;
    bool PausedBeforeMenu = false;
    bool PausedBeforeConfirm = false;
    bool FullScreenEntered = false;
    bool PlayerLoaded = false;
    bool NoPlayersYet = false;
    int MissionNumber = 1;
    // The player's full-screen option; off until a player is loaded.
    bool FullScreenOption = false;
  };
  TShellState State;

  bool Timer1Running() const { return FTimer1.has_value(); }
  long long FramesTicked() const { return FFramesTicked; }

 private:
  // Start-up, one step each.
  void DecideEffectsMode();
  void EnterProgramFolder();
  void BuildFolderNames();
  void InstallApplicationEvents();
  void ChooseSaveFolder();
  void ResetShellState();
  void ChooseBackBuffer();
  void InitScreen();
  void DecideStartFullScreen();
  void WireWindowEvents();

  void RunFrame();
  void ReportFramesPerSecond();
  // Switches the display mode without recording it in the player's options.
  void SwitchFullScreen(bool fullScreen);
  bool AskingDisplayModeQuestion() const { return false; }

  TPlatform& FPlatform;
  std::optional<int> FTimer1;
  long long FFramesTicked = 0;
  bool FShowFps = false;
  int FLastFpsShown = -1;
  std::uint32_t FLastFpsReport = 0;
};

}  // namespace qm
