// The frame tick and the scene routines it runs: one step of every visible
// component, in an order that is both the simulation and the drawing order.
#include <iostream>
#include <string>

#include "audio/AudioNames.h"
#include "shell/FormMain.h"

namespace qm {

void TFormMain::OmegaTimer1Timer() {
  try {
    RunFrame();
  } catch (const TProgramHalted&) {
    throw;
  } catch (const std::exception& error) {
    ReportLostFrame(error.what());
  } catch (...) {
    ReportLostFrame("unknown error");
  }
  ++FFramesTicked;
  OmegaImageList1->LetIdlePicturesGo();
  if (FShowFps) ReportFramesPerSecond();
  AnswerDeferredClose();
}

void TFormMain::AnswerDeferredClose() {
  if (!State.CloseDeferred || SceneTransition->IsBlocking()) return;
  State.CloseDeferred = false;
  FPlatform.Window->Close();
}

void TFormMain::ReportLostFrame(const char* reason) {
  // The frame is simply lost and the next tick starts afresh.
  ReportOnce(std::string("frame lost: ") + reason);
}

void TFormMain::ReportOnce(const std::string& problem) {
  // A problem that repeats (every tick, every load) is told once.
  if (FReportedFailures.insert(problem).second) std::cerr << "quillmere: " << problem << '\n';
}

void TFormMain::RunFrame() {
  MusicBox->Tick();
  if (!OmegaScreen1->IsReady()) return;
  OmegaScreen1->SetSmoothing(true);
  OmegaScreen1->ClearFrame(0, 0, 0, 255);
  OmegaScreen1->BeginFrame();
  RunScene(GameScene->Value());
  DrawKeyboardMarks();
  SceneTransition->StepAndDraw();
  DrawDeveloperFps();
  OmegaScreen1->EndFrame();
}

void TFormMain::RunScene(TGameSceneValues scene) {
  FollowSceneWithEffects(scene);
  switch (scene) {
    case gsCompanyLogos:
      CompanyLogosRoutine();
      break;
    case gsSplash:
      SplashRoutine();
      break;
    case gsMenu:
      MenuRoutine();
      break;
    case gsConfirmWindow:
      ConfirmRoutine();
      break;
    case gsMainGame:
    case gsRoundClear:
    case gsTimeUp:
    case gsTutorial:
    case gsTutorialToolTip:
      RoundRoutine();
      break;
    case gsHelp:
      HelpRoutine();
      break;
    case gsCredits:
      CreditsRoutine();
      break;
    case gsObjectiveInfo:
      ObjectiveInfoRoutine();
      break;
    case gsStageResult:
      StageResultRoutine();
      break;
    case gsPlayerSelect:
      PlayerListRoutine();
      break;
    case gsAddPlayer:
    case gsAddInitialPlayer:
      NameEntryRoutine();
      break;
    case gsHighScores:
      HighScoresRoutine();
      break;
    case gsStickerBook:
      StickerBookRoutine();
      break;
    case gsMap:
      MapRoutine();
      break;
    case gsOptions:
    case gsInGameOptions:
      OptionsRoutine();
      break;
    case gsInGameMenu:
      InGameMenuRoutine();
      break;
    case gsOpeningStory:
    case gsEndingStory:
      StoryRoutine();
      break;
    default:
      // The other scenes come with the units that draw them.
      break;
  }
}

void TFormMain::CompanyLogosRoutine() {
  if (State.StartFullScreen && !State.FullScreenEntered) {
    State.FullScreenEntered = true;
    State.FullScreenOption = true;
    SwitchFullScreen(true);
  }
  CompanyLogos->StepAndDraw();
  if (!CompanyLogos->Finished()) return;
  if (!State.SplashImagesLoaded) {
    // Marked first, as the start-up set is: a damaged picture costs one
    // frame, not a reload of the whole folder on every tick after it.
    State.SplashImagesLoaded = true;
    RequestMusic(MusicTrack::Splash);
    SetMusicVolume(50);
    ImageLoader->LoadJpegFolder(ikSplash, false);
    ImageLoader->LoadImageFolder(ikSplash);
  }
  LoadingBar->MeasureFill();
  GameScene->SetValue(gsSplash);
}

void TFormMain::SplashRoutine() {
  DrawImage(*OmegaImageList1, "SplashBG", 0, 0, 0);
  if (LoadingBar->LoadingMinusOneFinished() && !LoadingBar->LoadingFinished()) LoadingBar->OneImageLoaded();
  LoadingBar->StepAndDraw();
  if (!State.MainImagesLoaded) {
    if (State.SplashFrames > kSplashTicksBeforeLoading)
      LoadMainImages();
    else
      ++State.SplashFrames;
  }
  CompanyLogos->StepAndDraw();
}

void TFormMain::LoadMainImages() {
  State.MainImagesLoaded = true;
  ImageLoader->LoadJpegFolder(ikStartup, false);
  ImageLoader->LoadImageFolder(ikStartup);
  LoadingBar->LoadingOver();
  MeasurePictureSizes();
}

void TFormMain::DrawDeveloperFps() {
  if (!State.DeveloperMode || OmegaTimer1->TargetFPS() != 0) return;
  if (GameScene->Value() == gsCompanyLogos || GameScene->Value() == gsSplash) return;
  GlobalGameText->DrawText(20, 10, std::to_string(OmegaTimer1->CurrentFPS()) + " fps", 0.8f, 0, 255, 0,
                           TextColor::White);
}

void TFormMain::ReportFramesPerSecond() {
  std::uint32_t now = FPlatform.Clock->Milliseconds();
  if (now - FLastFpsReport < 1000) return;
  FLastFpsReport = now;
  std::cout << "fps " << OmegaTimer1->CurrentFPS() << std::endl;
}

}  // namespace qm
