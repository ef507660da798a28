// Mouse and keyboard: positions scaled to the 1366 x 768 frame, events
// routed by scene.
#include "engine/StepHelpers.h"
#include "shell/FormMain.h"

namespace qm {

void TFormMain::WindowToFrame(int& x, int& y) const {
  x = RoundToEven(x / double(OmegaScreen1->ScaleX));
  y = RoundToEven(y / double(OmegaScreen1->ScaleY));
  IWindow& window = *FPlatform.Window;
  if (window.ClientWidth() > 0) x = RoundToEven(double(x) * OmegaScreen1->Width / window.ClientWidth());
  if (window.ClientHeight() > 0) y = RoundToEven(double(y) * OmegaScreen1->Height / window.ClientHeight());
}

void TFormMain::FormMouseDown(TMouseButton button, TShiftState, int x, int y) {
  if (SceneTransition->IsBlocking()) return;
  WindowToFrame(x, y);
  SceneMouseDown(x, y, button);
}

void TFormMain::SceneMouseDown(int x, int y, TMouseButton button) {
  switch (GameScene->Value()) {
    case gsCompanyLogos:
      CompanyLogos->SkipHold();
      break;
    case gsSplash:
      SplashClick();
      break;
    case gsMenu:
      MenuMouseDown(x, y, button);
      break;
    case gsConfirmWindow:
      ConfirmWindow->MouseDown(x, y, button);
      break;
    case gsMainGame:
      RoundMouseDown(x, y, button);
      break;
    case gsOptions:
    case gsInGameOptions:
      OptionsMouseDown(x, y, button);
      break;
    case gsInGameMenu:
      InGameMenuMouseDown(x, y, button);
      break;
    case gsObjectiveInfo:
      ObjectiveInfo->Skip();
      break;
    case gsStageResult:
      ResultOKButton->MouseDown(x, y, button);
      break;
    case gsPlayerSelect:
      PlayerListMouseDown(x, y, button);
      break;
    case gsAddPlayer:
    case gsAddInitialPlayer:
      for (TGameButton* widget : NameEntryButtons()) widget->MouseDown(x, y, button);
      break;
    case gsHighScores:
      HighScoresOKButton->MouseDown(x, y, button);
      break;
    case gsStickerBook:
      ShopMouseDown(x, y, button);
      break;
    case gsMap:
      for (TGameButton* widget : MapButtons()) widget->MouseDown(x, y, button);
      break;
    case gsOpeningStory:
    case gsEndingStory:
      StorySkipButton->MouseDown(x, y, button);
      break;
    case gsTutorial:
    case gsTutorialToolTip:
      InGameMenuButton->MouseDown(x, y, button);
      if (TGameButton* ok = TutorialButtonReady()) ok->MouseDown(x, y, button);
      break;
    case gsHelp:
      HelpDoneButton->MouseDown(x, y, button);
      break;
    case gsCredits:
      CreditsDoneButton->MouseDown(x, y, button);
      break;
    default:
      break;
  }
}

void TFormMain::FormMouseMove(TShiftState, int x, int y) {
  FCursor = TCursorShape::crDefault;
  // The mouse is back: the keyboard's marks step aside.
  ShowKeyboardMarks(false);
  if (SceneTransition->IsBlocking()) return;
  WindowToFrame(x, y);
  SceneMouseMove(x, y);
  FPlatform.Window->SetCursorShape(FCursor);
}

void TFormMain::SceneMouseMove(int x, int y) {
  switch (GameScene->Value()) {
    case gsMenu:
      MenuMouseMove(x, y);
      break;
    case gsConfirmWindow:
      ConfirmWindow->MouseMove(x, y);
      break;
    case gsMainGame:
      RoundMouseMove(x, y);
      break;
    case gsOptions:
    case gsInGameOptions:
      OptionsMouseMove(x, y);
      break;
    case gsInGameMenu:
      InGameMenuMouseMove(x, y);
      break;
    case gsStageResult:
      ResultOKButton->MouseMove(x, y);
      break;
    case gsPlayerSelect:
      PlayerListMouseMove(x, y);
      break;
    case gsAddPlayer:
    case gsAddInitialPlayer:
      for (TGameButton* widget : NameEntryButtons()) widget->MouseMove(x, y);
      break;
    case gsHighScores:
      HighScoresOKButton->MouseMove(x, y);
      break;
    case gsStickerBook:
      ShopMouseMove(x, y);
      break;
    case gsMap:
      for (TGameButton* widget : MapButtons()) widget->MouseMove(x, y);
      break;
    case gsOpeningStory:
    case gsEndingStory:
      StorySkipButton->MouseMove(x, y);
      break;
    case gsTutorial:
    case gsTutorialToolTip:
      InGameMenuButton->MouseMove(x, y);
      if (TGameButton* ok = TutorialButtonOpen()) ok->MouseMove(x, y);
      break;
    case gsHelp:
      HelpDoneButton->MouseMove(x, y);
      break;
    case gsCredits:
      CreditsDoneButton->MouseMove(x, y);
      break;
    default:
      break;
  }
}

void TFormMain::FormMouseUp(TMouseButton, TShiftState, int x, int y) {
  if (SceneTransition->IsBlocking()) return;
  WindowToFrame(x, y);
  SceneMouseUp(x, y);
}

void TFormMain::SceneMouseUp(int x, int y) {
  switch (GameScene->Value()) {
    case gsMenu:
      MenuMouseUp(x, y);
      break;
    case gsConfirmWindow:
      ConfirmWindow->MouseUp(x, y);
      break;
    case gsMainGame:
      RoundMouseUp(x, y);
      break;
    case gsOptions:
    case gsInGameOptions:
      OptionsMouseUp(x, y);
      break;
    case gsInGameMenu:
      InGameMenuMouseUp(x, y);
      break;
    case gsStageResult:
      ResultOKButton->MouseUp(x, y);
      break;
    case gsPlayerSelect:
      PlayerListMouseUp(x, y);
      break;
    case gsAddPlayer:
    case gsAddInitialPlayer:
      for (TGameButton* widget : NameEntryButtons()) widget->MouseUp(x, y);
      break;
    case gsHighScores:
      HighScoresOKButton->MouseUp(x, y);
      break;
    case gsStickerBook:
      ShopMouseUp(x, y);
      break;
    case gsMap:
      for (TGameButton* widget : MapButtons()) widget->MouseUp(x, y);
      break;
    case gsOpeningStory:
    case gsEndingStory:
      StorySkipButton->MouseUp(x, y);
      break;
    case gsTutorial:
    case gsTutorialToolTip:
      InGameMenuButton->MouseUp(x, y);
      if (TGameButton* ok = TutorialButtonReady()) ok->MouseUp(x, y);
      break;
    case gsHelp:
      HelpDoneButton->MouseUp(x, y);
      break;
    case gsCredits:
      CreditsDoneButton->MouseUp(x, y);
      break;
    default:
      break;
  }
}

void TFormMain::CollectEverything() {
  // Enough of every objective to meet any level's targets, and blows enough
  // for any monster.
  static const struct {
    TElementKind Kind;
    int Count;
  } kPieces[] = {{elFruit, 8}, {elFlower, 4}, {elPotion, 2}, {elGoldTile, 2}};
  for (int round = 0; round < 150; ++round) {
    for (const auto& piece : kPieces)
      for (int index = 1; index <= piece.Count; ++index) ElementGather->Collect(piece.Kind, index);
    ElementGather->Collect(elSpider, 0);
    // Only the round's monster is visible to take the blows.
    for (auto& boss : Bosses) boss->Hit(0, 0, true);
  }
}

void TFormMain::FormKeyDown(int& key, TShiftState shift) {
  if (key == vk::F10) {
    key = 0;  // never open the window menu
    return;
  }
  if (key == vk::F12) {
    SaveScreenshot(NextScreenshotFile());
    return;
  }
  // Keys wait for the cover to open, as the mouse does: a key that reached
  // the scene being left would act on a round or window about to go.
  if (SceneTransition->IsBlocking()) return;
  key = PadKeyMeaning(key);
  switch (key) {
    case vk::F5:
      if (State.DeveloperMode) OmegaTimer1->SetTargetFPS(OmegaTimer1->TargetFPS() == 33 ? 0 : 33);
      break;
    case vk::F2:
      if (State.DeveloperMode && GameScene->Value() == gsMainGame && !State.Paused) CollectEverything();
      break;
    case vk::F3:
      if (State.DeveloperMode && GameScene->Value() == gsMainGame && !State.Paused) FillToolsForDeveloper();
      break;
    case vk::Escape:
      if (InGameMenuButton->Enabled &&
          (GameScene->Value() == gsMainGame || GameScene->Value() == gsTutorial ||
           GameScene->Value() == gsTutorialToolTip))
        OpenInGameMenu();
      else if (GameScene->Value() == gsStickerBook && ChapterDialog->Playing())
        PressAt(DialogSkipButton->Left + DialogSkipButton->Width() / 2,
                DialogSkipButton->Top + DialogSkipButton->Height() / 2);
      else if (GameScene->Value() == gsStickerBook)
        LeaveShopForMenu();
      else
        EscapeBack();
      break;
    default:
      if (GameScene->Value() == gsMainGame ? BoardKeyDown(key) : FocusKeyDown(key, shift)) ShowKeyboardMarks(true);
      break;
  }
}

void TFormMain::FormKeyPress(char& key) {
  if (SceneTransition->IsBlocking()) return;
  const TGameSceneValues scene = GameScene->Value();
  if (scene == gsAddPlayer || scene == gsAddInitialPlayer) NameInput->KeyPress(key);
}

}  // namespace qm
