#include "shell/FormMain.h"

#include <cstdio>
#include <cstdlib>

#include "engine/EffectsMode.h"
#include "platform/FileLookup.h"
#include "platform/PngWriter.h"
#include "progress/PlayerFiles.h"

namespace qm {

TFormMain::TFormMain(TPlatform& platform) : FPlatform(platform) {
  OmegaScreen1 = std::make_unique<TOmegaScreen>(platform.Graphics.get(), *platform.Window, *platform.MessageBox,
                                                *platform.Application);
  OmegaScreen1->Width = kFrameWidth;
  OmegaScreen1->Height = kFrameHeight;
  OmegaScreen1->SetBpp(32);
  OmegaScreen1->ZBuffer = false;

  OmegaImageList1 = std::make_unique<TOmegaImageList>(OmegaScreen1.get());
  OmegaImageList1->OnTextureFailed = [this](const std::string& name) {
    FPlatform.MessageBox->Show("Error creating texture " + name, "Error", TMessageBoxKind::mbError);
    FPlatform.Application->Terminate();
  };
  // The screen outlives the image list on the way out and releases its
  // device then.
  OmegaScreen1->OnReleasePass = [this] {
    if (OmegaImageList1) OmegaImageList1->ReleasePass();
  };
  OmegaScreen1->OnRestorePass = [this] {
    if (OmegaImageList1) OmegaImageList1->RestorePass();
  };

  OmegaTimer1 = std::make_unique<TOmegaTimer>(*platform.Clock, *platform.Application);
  OmegaTimer1->SetTargetFPS(33);
  OmegaTimer1->SetMinFPS(10);
  OmegaTimer1->SetMaxFPS(0);
  OmegaTimer1->SetFPSWarningFrames(10);
  OmegaTimer1->SetLossyMode(false);
  OmegaTimer1->OnTimer = [this] { OmegaTimer1Timer(); };

  const char* showFps = std::getenv("QUILLMERE_SHOW_FPS");
  FShowFps = showFps != nullptr && *showFps != '\0' && *showFps != '0';
#ifndef NDEBUG
  FShowFps = true;
#endif
}

TFormMain::~TFormMain() {
  if (FTimer1) FPlatform.Application->KillTimer(*FTimer1);
  // The timer goes first: no tick may run into half-destroyed components.
  OmegaTimer1.reset();
  ConfirmWindow.reset();
  LoadingBar.reset();
  ResultWindow.reset();
  RoundPlay.reset();
  CompanyLogos.reset();
  SceneTransition.reset();
  GameScene.reset();
  ImageLoader.reset();
  OmegaImageList1.reset();
  OmegaScreen1.reset();
}

void TFormMain::FormCreate() {
  FormWin10Confirm = std::make_unique<TFormWin10Confirm>();
  FormWin10Confirm->OnShowModal = OnShowStartupDialog;
  ForceFullEffects = false;
  DecideEffectsMode();
  EnterProgramFolder();
  try {
    BuildFolderNames();
  } catch (const ENoSaveRoot& error) {
    // Without a save folder the game cannot keep anything: say so and end.
    FPlatform.MessageBox->Show(error.what(), "Error", TMessageBoxKind::mbError);
    FPlatform.Application->Terminate();
    return;
  }
  FPlatform.Window->SetTitle("Quillmere");
  InstallApplicationEvents();
  CreateSaveFolders(*FPlatform.System, *FPlatform.MessageBox, Folders);
  ChooseSaveFolder();
  ResetShellState();
  ChooseBackBuffer();
  InitScreen();
  try {
    LoadTextTables();
  } catch (const std::exception& error) {
    // Every word the game shows comes from these files: say which one is
    // wrong and end.
    FPlatform.MessageBox->Show(error.what(), "Error", TMessageBoxKind::mbError);
    FPlatform.Application->Terminate();
    return;
  }
  CreateTileTable();
  LoadCompanyLogos();
  CreateComponents();
  // A new player's record: the fresh components' state and the default
  // options.
  DefaultRecord = CaptureProgress(DefaultProgressRecord(), true);
  DefaultRecord.FullScreen = 1;
  WireWindowEvents();
  DecideStartFullScreen();
  GameScene->SetValue(gsCompanyLogos);
}

void TFormMain::DecideEffectsMode() {
  ReducedDecoration = FReducedEffectsForRun;
  ReducedEffectsMode = ReducedEffectsWanted(FPlatform.System->Version());
  if (!ReducedEffectsMode) FPlatform.Window->SetFixedBorder(true);
  if (ReducedEffectsMode) FormWin10Confirm->ShowModal();
  if (FormWin10Confirm->ForceFullEffectsChecked) {
    ReducedEffectsMode = false;
    ForceFullEffects = true;
  }
}

void TFormMain::EnterProgramFolder() {
  if (!FPlatform.System->SetCurrentDirectory(FPlatform.System->ProgramFolder())) {
    FPlatform.MessageBox->Show(kNonAsciiFolderMessage, "Quillmere", TMessageBoxKind::mbPlain);
    FPlatform.Application->Terminate();
  }
}

void TFormMain::BuildFolderNames() {
  Folders = TGameFolders::Build(FPlatform.System->ProgramFolder(), ChooseSaveRoot(*FPlatform.System));
}

void TFormMain::InstallApplicationEvents() {
  IApplication& application = *FPlatform.Application;
  application.OnDeactivate = [this] { AppDeactivate(); };
  application.OnActivate = [this] { AppActivate(); };
  application.OnRestore = [this] { AppRestore(); };
  // Whatever escapes every other guard is dropped without a word.
  application.OnException = [](std::exception_ptr) {};
  // A logout or Ctrl-C cannot be asked anything: the game closes as after
  // the question, saving what a close saves.
  application.OnQuitSignal = [this] { FPlatform.Window->CloseWithoutAsking(); };
}

void TFormMain::ChooseSaveFolder() { Folders.SaveFolder = ChooseUsableSaveFolder(*FPlatform.System, Folders.SaveFolder); }

void TFormMain::ResetShellState() { State = TShellState{}; }

// The frame is drawn at its own size always; full screen shows it scaled
// evenly into the desktop with bars (the window's letterbox), so no display
// mode has to match it.
void TFormMain::ChooseBackBuffer() {
  OmegaScreen1->Width = kFrameWidth;
  OmegaScreen1->Height = kFrameHeight;
  OmegaScreen1->ScaleX = 1.0f;
  OmegaScreen1->ScaleY = 1.0f;
}

void TFormMain::InitScreen() {
  OmegaScreen1->UseWindow(*FPlatform.Window);
  FollowOutputSize();
  OmegaScreen1->InitDevice();
}

void TFormMain::CreateTileTable() {
  SpriteTileCount = std::make_unique<TSpriteTileCount>();
  LoadedImageList = std::make_unique<TLoadedImageList>();
  ImageLoader = std::make_unique<TImageLoader>(*OmegaImageList1, *SpriteTileCount, *LoadedImageList, Folders);
  ImageLoader->OnLoadFailed = [this](const std::string& reason) { ReportOnce("picture left out: " + reason); };
  ImageLoader->ChangeLanguage(FLanguage);
}

void TFormMain::LoadCompanyLogos() { ImageLoader->LoadJpegFolder(ikLogo, false); }

int TFormMain::CountStartupImages() const {
  return int(ListFiles(Folders.ImagesFolder, ".jpg").size() + ListFiles(Folders.ImagesFolder, ".png").size()) + 1;
}

void TFormMain::CreateComponents() {
  GameScene = std::make_unique<TGameScene>(gsCompanyLogos);
  GameScene->OnChanged = [this](TGameSceneValues oldScene, TGameSceneValues newScene) {
    GameSceneChanged(oldScene, newScene);
  };

  SceneTransition = std::make_unique<TSceneTransition>();
  SceneTransition->OmgImgList = OmegaImageList1.get();
  SceneTransition->OnStartToSwitch = [this](TGameSceneValues from, TGameSceneValues to) {
    TransitionStartToSwitch(from, to);
  };
  SceneTransition->OnSceneSwitch = [this](TGameSceneValues to) { TransitionSceneSwitch(to); };
  SceneTransition->OnDrawCaption = [this](float scale, int y) { DrawTransitionCaption(scale, y); };

  CompanyLogos = std::make_unique<TCompanyLogos>();
  CompanyLogos->OmgImgList = OmegaImageList1.get();

  LoadingBar = std::make_unique<TLoadingBar>();
  LoadingBar->OmgImgList = OmegaImageList1.get();
  LoadingBar->ImageCountToLoad = CountStartupImages();

  FocusRing = std::make_unique<TFocusRing>();
  FocusRing->OmgImgList = OmegaImageList1.get();
  BoardCursor = std::make_unique<TBoardCursor>();
  BoardCursor->OmgImgList = OmegaImageList1.get();

  CreateAudio();
  CreateMenu();
  CreateConfirmWindow();
  CreateOptionsWindow();
  CreateInGameMenu();
  CreateRoundComponents();
  CreateEffects();
  CreateShop();
  CreateMap();
  CreatePlayers();
  CreateStory();
  CreateComments();
  CreateTutorials();
  CreateHelpAndCredits();

  ImageLoader->OnStartupImageLoaded = [this] {
    LoadingBar->OneImageLoaded();
    OmegaTimer1Timer();
  };
}

void TFormMain::WireWindowEvents() {
  IWindow& window = *FPlatform.Window;
  window.OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  window.OnClose = [this] { FormClose(); };
  window.OnMouseDown = [this](TMouseButton button, TShiftState shift, int x, int y) {
    FormMouseDown(button, shift, x, y);
  };
  window.OnMouseMove = [this](TShiftState shift, int x, int y) { FormMouseMove(shift, x, y); };
  window.OnMouseUp = [this](TMouseButton button, TShiftState shift, int x, int y) { FormMouseUp(button, shift, x, y); };
  window.OnKeyDown = [this](int& key, TShiftState shift) { FormKeyDown(key, shift); };
  window.OnKeyPress = [this](char& key) { FormKeyPress(key); };
  window.OnResize = [this] { FollowOutputSize(); };
}

void TFormMain::DecideStartFullScreen() {
  // The last player's choice; until players exist the default options
  // apply, and they ask for full screen.
  std::optional<TProgressRecord> last;
  if (!NameList->CurrentName().empty())
    last = ReadProgressFile(PlayerSaveFile(Folders.SaveFolder, NameList->CurrentName()));
  bool fromOptions = last.value_or(DefaultRecord).FullScreen != 0;
  bool windowTooSmall = FPlatform.Window->ClientWidth() < OmegaScreen1->Width ||
                        FPlatform.Window->ClientHeight() < OmegaScreen1->Height;
  State.StartFullScreen = fromOptions || windowTooSmall;
  if (FormWin10Confirm->Choice() == TFormWin10Confirm::ccRunWindowed) State.StartFullScreen = false;
  if (FFullScreenForRun) State.StartFullScreen = *FFullScreenForRun;
}

void TFormMain::FormShow() {
  FPlatform.Window->Show();
  OmegaTimer1->SetEnabled(true);
}

void TFormMain::SwitchFullScreen(bool fullScreen) {
  OmegaScreen1->FullScreen = fullScreen;
  OmegaScreen1->ResetDevice();
  if (!fullScreen && State.MinimizeAfterSwitch) {
    State.MinimizeAfterSwitch = false;
    FPlatform.Window->Minimize();
  }
}

void TFormMain::Suspend() {
  OmegaTimer1->SetEnabled(false);
  SilenceAudio();
}

void TFormMain::Resume() {
  OmegaTimer1->SetEnabled(true);
  ApplySettings();
}

void TFormMain::AppDeactivate() {
  if (AskingDisplayModeQuestion()) return;
  Suspend();
  State.ResumeOnActivate = true;
  if (OmegaScreen1->FullScreen && !InCompanyLogos() && !Timer1Running()) {
    State.ResumeOnActivate = false;
    FTimer1 = FPlatform.Application->SetTimer(kSwitchDelayMs, [this] { Timer1Timer(); });
  }
}

void TFormMain::Timer1Timer() {
  if (FTimer1) FPlatform.Application->KillTimer(*FTimer1);
  FTimer1.reset();
  State.MinimizeAfterSwitch = true;
  SwitchFullScreen(false);
}

void TFormMain::AppActivate() {
  if (AskingDisplayModeQuestion()) return;
  if (State.ResumeOnActivate) {
    Resume();
    if (!InCompanyLogos() && State.FullScreenOption && !OmegaScreen1->FullScreen) SwitchFullScreen(true);
  }
  if (Timer1Running()) {
    // Focus came back before the switch to windowed mode: cancel it and go
    // on playing, rather than leaving the game stopped until the next focus
    // change.
    FPlatform.Application->KillTimer(*FTimer1);
    FTimer1.reset();
    State.ResumeOnActivate = true;
    Resume();
  }
}

void TFormMain::AppRestore() {
  if (AskingDisplayModeQuestion()) return;
  Resume();
  if (!InCompanyLogos() && State.FullScreenOption && !OmegaScreen1->FullScreen) SwitchFullScreen(true);
}

void TFormMain::FormCloseQuery(bool& canClose) {
  canClose = true;
  if (!GameScene) return;
  // Under the cover the scene is about to change: the close is answered
  // once the cover has opened, in the scene it opened on.
  if (SceneTransition->IsBlocking()) {
    canClose = false;
    State.CloseDeferred = true;
    return;
  }
  // A scroll or a tool tip on screen is confirmed first.
  if (GameScene->Value() == gsTutorial) Tutorial->Finish();
  if (GameScene->Value() == gsTutorialToolTip) ToolTip->Finish();
  if (GameScene->Value() != gsMainGame) return;
  // A round is not left without a word: the game asks, and the close comes
  // again from the question's OK.
  canClose = false;
  State.PausedBeforeConfirm = State.Paused;
  SetPaused(true);
  AskConfirm(8, pbOK, nbCancel);
}

void TFormMain::FormClose() {
  StopAudio();
  SubmitScore();
  if (BuySlots->RoundEarningsOpen()) BuySlots->RevertEarnings();
  if (State.PlayerLoaded) SaveProgress(true);
  // What the list and the table hold is kept when the game ends.
  if (NameList) NameList->Save();
  if (HighScores) HighScores->Save();
  OmegaTimer1->SetEnabled(false);
  FPlatform.Application->Terminate();
}

std::filesystem::path TFormMain::NextScreenshotFile() const {
  for (int n = 1;; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "Screenshot%03d.png", n);
    std::filesystem::path file = Folders.SaveFolder / name;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return file;
  }
}

bool TFormMain::SaveScreenshot(const std::filesystem::path& file) {
  IScreenDevice* device = OmegaScreen1->Device();
  if (!device) return false;
  std::optional<TRgbaImage> frame = device->ReadFrame();
  return frame && WritePng(file, *frame);
}

}  // namespace qm
