// Pausing a round: the in-game menu (its button on the top panel, or
// Escape) with resume, restart, options, help and back to the menu, and
// what a pause hides and holds.
#include "shell/FormMain.h"

namespace qm {

namespace {

constexpr int kMenuWindowLeft = 555, kMenuWindowTop = 172, kMenuWindowHidingY = -430, kMenuWindowStep = 85;
constexpr int kMenuButtonsLeft = 28, kMenuButtonsTop = 40, kMenuButtonsGap = 72;
// "InGameMenuButton" on the top panel, right of the score.
constexpr int kMenuButtonLeft = 1232, kMenuButtonTop = 10;
constexpr int kPausedLeft = 603, kPausedTop = 354;

}  // namespace

void TFormMain::CreateInGameMenu() {
  TGameMenuWindow& window = MakeWindow(InGameMenuWindow, "InGameMenuWindow", kMenuWindowLeft, kMenuWindowTop);
  window.HidingYPos = kMenuWindowHidingY;
  window.ShowDir = sdToDown;
  window.MoveStep = kMenuWindowStep;
  window.OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint at) {
    int top = at.Y + kMenuButtonsTop;
    for (TGameButton* button : InGameMenuButtons()) {
      button->Left = at.X + kMenuButtonsLeft;
      button->Top = top;
      top += kMenuButtonsGap;
    }
  };
  window.OnStartHiding = [this](TGameMenuWindow&) {
    if (GameScene->Value() == gsInGameMenu && !State.PausedBeforeMenu) SetPaused(false);
  };
  window.OnHidingComplete = [this](TGameMenuWindow&) { InGameMenuHidden(); };
  MakeButton(InGameResumeButton, "InGameResumeButton").OnClick = [this](TGameButton&) {
    State.RestartAfterMenu = false;
    InGameMenuWindow->Hide();
  };
  MakeButton(InGameRestartButton, "InGameRestartButton").OnClick = [this](TGameButton&) {
    State.RestartAfterMenu = true;
    InGameMenuWindow->Hide();
  };
  MakeButton(InGameOptionsButton, "InGameOptionsButton").OnClick = [this](TGameButton&) {
    InGameMenuWindow->HideNow();
    OpenOptions(true);
  };
  MakeButton(InGameHelpButton, "InGameHelpButton").OnClick = [this](TGameButton&) {
    OpenHelp();
  };
  MakeButton(InGameToMenuButton, "InGameToMenuButton").OnClick = [this](TGameButton&) {
    InGameMenuWindow->HideNow();
    AskConfirm(7, pbYes, nbNo);
  };
  MakeButton(InGameMenuButton, "InGameMenuButton").OnClick = [this](TGameButton&) { OpenInGameMenu(); };
}

std::array<TGameButton*, 5> TFormMain::InGameMenuButtons() const {
  return {InGameResumeButton.get(), InGameRestartButton.get(), InGameOptionsButton.get(), InGameHelpButton.get(),
          InGameToMenuButton.get()};
}

void TFormMain::PlaceInGameMenuButton(TScreenPoint topPanel) {
  InGameMenuButton->Left = topPanel.X + kMenuButtonLeft;
  InGameMenuButton->Top = topPanel.Y + kMenuButtonTop;
}

bool TFormMain::CanPause(TGameSceneValues scene) { return scene == gsMainGame || scene == gsObjectiveInfo; }

void TFormMain::OpenInGameMenu() {
  // A scroll or a tool tip on screen is confirmed first.
  if (GameScene->Value() == gsTutorial) Tutorial->Finish();
  if (GameScene->Value() == gsTutorialToolTip) ToolTip->Finish();
  const TGameSceneValues scene = GameScene->Value();
  if (!CanPause(scene)) return;
  State.RememberedScene = scene;
  InGameRestartButton->Enabled = true;
  State.PausedBeforeMenu = State.Paused;
  SetPaused(true);
  State.RestartAfterMenu = false;
  GameScene->SetValue(gsInGameMenu);
  InGameMenuWindow->Show();
}

void TFormMain::InGameMenuHidden() {
  GameScene->SetValue(State.RememberedScene);
  if (State.RestartAfterMenu) RestartLevel();
}

// Leaving the round for the menu (question 7): Yes gives the round up, No
// goes back to it as it was.
void TFormMain::LeaveRoundAnswered(bool leave) {
  if (leave) {
    AbandonRound();
    return;
  }
  GameScene->SetValue(State.RememberedScene);
  if (!State.PausedBeforeMenu) SetPaused(false);
}

void TFormMain::InGameMenuRoutine() {
  if (State.RememberedScene == gsObjectiveInfo)
    ObjectiveInfoRoutine();
  else
    RoundRoutine();
  DrawDarkener();
  InGameMenuWindow->Update();
  InGameMenuWindow->Draw();
  for (TGameButton* button : InGameMenuButtons()) button->Draw();
}

void TFormMain::DrawPausedLabel() {
  // The in-game menu says as much, and would cover all but the label's edge.
  if (!State.Paused || InGameMenuWindow->State() != mwHidden) return;
  // A slow pulse, never brighter than the picture itself.
  State.PausedPulse = (State.PausedPulse + 1) % 60;
  const int swing = State.PausedPulse < 30 ? State.PausedPulse : 60 - State.PausedPulse;
  DrawImage(*OmegaImageList1, "Paused", kPausedLeft, kPausedTop, 0, std::min(255, 155 + swing * 4));
}

void TFormMain::InGameMenuMouseDown(int x, int y, TMouseButton button) {
  for (TGameButton* widget : InGameMenuButtons()) widget->MouseDown(x, y, button);
}

void TFormMain::InGameMenuMouseMove(int x, int y) {
  for (TGameButton* widget : InGameMenuButtons()) widget->MouseMove(x, y);
}

void TFormMain::InGameMenuMouseUp(int x, int y) {
  for (TGameButton* widget : InGameMenuButtons()) widget->MouseUp(x, y);
}

// Pausing hides the round: what is on the board neither moves nor shows,
// the timer stands, the tools rest.
void TFormMain::SetPaused(bool paused) {
  State.Paused = paused;
  const bool running = State.PlayOpened && !paused;
  TubeTimer->Paused = !running;
  RoundPlay->SetVisible(!paused);
  for (bool* shown : {&Combos->Visible, &CombosConveyer->Visible, &ObjectiveInfo->Visible, &RoundComment->Visible})
    *shown = !paused;
  SetToolsPaused(paused);
  Effects->SetRoundPaused(paused);
  HideEnemies(paused);
  SetEnemiesActive(running);
}

}  // namespace qm
