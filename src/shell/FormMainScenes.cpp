// Scene changes: what happens when a scene is left and entered, and the
// animated cover that hides the switch.
#include <string>

#include "audio/AudioNames.h"
#include "shell/FormMain.h"

namespace qm {

void TFormMain::GameSceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene) {
  LeaveScene(oldScene, newScene);
  EnterScene(oldScene, newScene);
}

void TFormMain::LeaveScene(TGameSceneValues oldScene, TGameSceneValues newScene) {
  bool leavingSplash = oldScene == gsSplash && newScene != gsAddInitialPlayer;
  if (leavingSplash || oldScene == gsAddInitialPlayer) FreeSplashImages();
  if (oldScene == gsMap) {
    MapComment->HideNow();
    OmegaImageList1->FreeImage("MapBG");
  }
  if (oldScene == gsStickerBook) StickerBookComment->HideNow();
  if (oldScene == gsHelp) HelpPages->Unload();
  if (oldScene == gsOpeningStory || oldScene == gsEndingStory) LeaveStory(oldScene);
}

void TFormMain::EnterScene(TGameSceneValues oldScene, TGameSceneValues newScene) {
  if (ImageLoader->Language() != FLanguage) ImageLoader->ChangeLanguage(FLanguage);
  if (newScene == gsMenu) EnterMenu(oldScene);
  if (newScene == gsStickerBook) EnterStickerBook();
  if (newScene == gsMap) EnterMap();
  if (newScene == gsOpeningStory || newScene == gsEndingStory) EnterStory(newScene);
  if (newScene == gsHelp) HelpPages->Load();
  if (newScene == gsStageResult) {
    ToolTip->Reset();
    ToolTipOKButton->Visible = false;
  }
}

void TFormMain::EnterMenu(TGameSceneValues oldScene) {
  if (oldScene == gsCredits) return;
  if (oldScene == gsConfirmWindow && State.ConfirmQuestion != 1 && State.ConfirmQuestion != 5) return;
  if (LoadedImageList->Empty(igMenu)) {
    ImageLoader->LoadImageFolder(ikMenu);
    for (TGameButton* button : MenuButtons()) button->FetchSize();
  }
  // The menu stands in front of the town of the upgrade scene.
  if (LoadedImageList->Empty(igUpgradeScene)) ImageLoader->LoadImageFolder(ikUpgradeScene);
  if (oldScene == gsOptions || oldScene == gsHighScores) return;
  if (MenuPanelMover->State() == pmHidden) SlideMenuPanels(true);
  RequestMusic(MusicTrack::Splash);
}

void TFormMain::FreeSplashImages() {
  for (int logo = 1; logo <= TCompanyLogos::kMaxLogos; ++logo)
    OmegaImageList1->FreeImage("CompanyLogo" + std::to_string(logo));
  for (const char* name : {"LoadingBarBG", "LoadingBarFill", "LoadingBarGlass", "LoadingBarText", "SplashBG"})
    OmegaImageList1->FreeImage(name);
}

void TFormMain::TransitionStartToSwitch(TGameSceneValues from, TGameSceneValues to) {
  bool leavingMenu = from == gsMenu && to != gsOptions && to != gsHighScores;
  if (leavingMenu || (from == gsPlayerSelect && (to == gsMenu || to == gsOpeningStory))) SlideMenuPanels(false);
  if (from == gsMap) {
    MapLeftPanelMover->Hide();
    MapRightPanelMover->Hide();
  }
  if (from == gsStickerBook) {
    ShopPanelMover->Hide();
    StickerBookPanelMover->Hide();
  }
}

void TFormMain::TransitionSceneSwitch(TGameSceneValues to) { GameScene->SetValue(to); }

void TFormMain::SplashClick() {
  if (!LoadingBar->LoadingFinished()) return;
  LoadingBar->StartSlide();
  if (State.NoPlayersYet) {
    GameScene->SetValue(gsAddInitialPlayer);
    ShowNameEntry(true);
    return;
  }
  LoadCurrentPlayer();
  SceneTransition->Start(gsSplash, gsMenu);
}

}  // namespace qm
