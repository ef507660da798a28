// The help page, opened from the menu or from a round, and the credits,
// opened from the options over the menu or over a round.
#include "shell/FormMain.h"
#include "text/GameTextIds.h"

namespace qm {

namespace {

constexpr int kHelpDoneLeft = 1196, kHelpDoneTop = 700;
// The credits window slides in from the right, where the high scores'
// window stands.
constexpr int kCreditsLeft = 480, kCreditsTop = 187, kCreditsStep = 100;
constexpr int kCreditsDoneLeft = 133, kCreditsDoneTop = 318;
constexpr int kLinesLeft = 59, kLinesTop = 70;

}  // namespace

void TFormMain::CreateHelpAndCredits() {
  HelpPages = std::make_unique<THelpPages>();
  HelpPages->OmgImgList = OmegaImageList1.get();
  HelpPages->OnLoadAnImage = [this](const std::string& fileName) {
    try {
      ImageLoader->LoadImageFile(ikStartup, fileName, true, true);
    } catch (const std::exception& error) {
      ReportOnce(error.what());
    }
  };
  MakeButton(HelpDoneButton, "WindowDoneButton").OnClick = [this](TGameButton&) { CloseHelp(); };
  HelpDoneButton->Left = kHelpDoneLeft;
  HelpDoneButton->Top = kHelpDoneTop;

  CreditLines = std::make_unique<TCreditLines>();
  CreditLines->OmgImgList = OmegaImageList1.get();
  CreditLines->GlobGameText = GlobalGameText.get();
  CreditLines->TextStringsComp = TextStrings.get();
  TGameMenuWindow& window = MakeWindow(CreditsWindow, "InfoWindow", kCreditsLeft, kCreditsTop);
  window.HidingXPos = kFrameWidth;
  window.ShowDir = sdToLeft;
  window.MoveStep = kCreditsStep;
  window.OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint at) {
    CreditsDoneButton->Left = at.X + kCreditsDoneLeft;
    CreditsDoneButton->Top = at.Y + kCreditsDoneTop;
    CreditLines->Left = at.X + kLinesLeft;
    CreditLines->Top = at.Y + kLinesTop;
  };
  window.OnHidingComplete = [this](TGameMenuWindow&) { CreditsHidden(); };
  MakeButton(CreditsDoneButton, "WindowDoneButton").OnClick = [this](TGameButton&) { CreditsWindow->Hide(); };
  window.HideNow();
}

void TFormMain::OpenHelp() {
  if (GameScene->Value() == gsInGameMenu) {
    State.HelpFromRound = true;
    InGameMenuWindow->HideNow();
    GameScene->SetValue(gsHelp);
    return;
  }
  State.HelpFromRound = false;
  SceneTransition->Start(GameScene->Value(), gsHelp);
}

void TFormMain::CloseHelp() {
  if (!State.HelpFromRound) {
    SceneTransition->Start(gsHelp, gsMenu);
    return;
  }
  GameScene->SetValue(gsMainGame);
  if (!State.PausedBeforeMenu) SetPaused(false);
}

void TFormMain::HelpRoutine() {
  HelpPages->TickAndDraw();
  HelpDoneButton->Draw();
}

void TFormMain::OpenCredits() {
  State.CreditsFromRound = GameScene->Value() == gsInGameOptions;
  // The options are left as by their OK: what the player set is kept, and a
  // changed display mode is asked about once the credits close.
  TakeOptions();
  SaveOptions();
  OptionsWindow->HideNow();
  GameScene->SetValue(gsCredits);
  CreditsWindow->Show();
  CreditLines->Start();
}

void TFormMain::CreditsHidden() {
  if (!DisplayModeMatches()) {
    AskDisplayModeQuestion();
    return;
  }
  if (!State.CreditsFromRound) {
    GameScene->SetValue(gsMenu);
    return;
  }
  GameScene->SetValue(gsMainGame);
  if (!State.PausedBeforeMenu) SetPaused(false);
}

void TFormMain::CreditsRoutine() {
  if (State.CreditsFromRound)
    RoundRoutine();
  else
    MenuRoutine();
  DrawDarkener();
  CreditsWindow->Update();
  CreditsWindow->Draw();
  if (CreditsWindow->State() != mwHidden) {
    DrawWindowTitle(CreditsWindow->Position(), GameText(GameTextId::CreditsTitle));
    CreditLines->TickAndDraw();
  }
  CreditsDoneButton->Draw();
}

}  // namespace qm
