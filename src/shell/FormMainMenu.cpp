// The text tables, the main menu and the confirm window: made at start-up,
// drawn by the menu routine, and the questions the shell asks with them.
#include <iostream>

#include "platform/FileLookup.h"
#include "progress/LanguageSetting.h"
#include "shell/FormMain.h"
#include "shell/ShellTextAreas.h"
#include "text/GameTextIds.h"
#include "text/Placeholders.h"

namespace qm {

namespace {

// Where the menu's panels rest and where they wait out of view.
constexpr int kMenuPanelLeft = 960, kMenuPanelTop = 250, kMenuPanelHideLeft = 1420, kMenuPanelStep = 40;
constexpr int kWelcomeLeft = 40, kWelcomeTop = 36, kWelcomeHideTop = -140, kWelcomeStep = 14;
constexpr int kDarkenerAlpha = 150;
constexpr int kShopMenuMargin = 14;  // the upgrade scene's Menu, in the top-right corner

}  // namespace

void TFormMain::LanguageForThisRun(std::optional<TLanguage> asked, TLanguage desktop) {
  FLanguageForRun = asked;
  FDesktopLanguage = desktop;
}

void TFormMain::LoadTextTables() {
  FLanguage = FLanguageForRun.value_or(ReadChosenLanguage(Folders.SaveFolder).value_or(FDesktopLanguage));
  SettingLoader = std::make_unique<TSettingLoader>(Folders.TextsFolder);
  TextStrings = std::make_unique<TTextStrings>(Folders.TextsFolder, FLanguage);
  const std::string& title = GameText(GameTextId::WindowTitle);
  if (!title.empty()) FPlatform.Window->SetTitle(title);
}

void TFormMain::SpeakLanguage(TLanguage language) {
  FLanguage = language;
  try {
    *TextStrings = TTextStrings(Folders.TextsFolder, language);
  } catch (const ETextFileError& error) {
    // The tables read at start-up stay.
    ReportOnce(std::string("texts not changed: ") + error.what());
    return;
  }
  Tutorial->ReloadTexts();
  ToolTip->ReloadTexts();
  ChapterDialog->LoadConversations();
  const std::string& title = GameText(GameTextId::WindowTitle);
  if (!title.empty()) FPlatform.Window->SetTitle(title);
}

std::function<void(const std::string&)> TFormMain::SoundRequest() {
  return [this](const std::string& sound) {
    PlaySound(sound);
  };
}

const std::string& TFormMain::GameText(int id) const { return TextStrings->Text(ttGameTexts, id); }

TGameButton& TFormMain::MakeButton(std::unique_ptr<TGameButton>& button, const char* imageName) {
  button = std::make_unique<TGameButton>();
  button->OmgImgList = OmegaImageList1.get();
  button->ImageName = imageName;
  button->OnPlaySound = SoundRequest();
  button->OnCursorRequest = [this](TCursorShape shape) { RequestCursor(shape); };
  return *button;
}

void TFormMain::CreateMenu() {
  GlobalGameText = std::make_unique<TGlobalGameText>();
  GlobalGameText->OmgImgList = OmegaImageList1.get();

  MenuPanelMover = std::make_unique<TPanelMover>();
  MenuPanelMover->Left = kMenuPanelLeft;
  MenuPanelMover->Top = kMenuPanelTop;
  MenuPanelMover->HideLeft = kMenuPanelHideLeft;
  MenuPanelMover->HideTop = kMenuPanelTop;
  MenuPanelMover->HorzStep = kMenuPanelStep;
  MenuPanelMover->OnPosUpdate = [this](TPanelMover&, TScreenPoint position) { PlaceMenuButtons(position); };

  WelcomePanelMover = std::make_unique<TPanelMover>();
  WelcomePanelMover->Left = kWelcomeLeft;
  WelcomePanelMover->Top = kWelcomeTop;
  WelcomePanelMover->HideLeft = kWelcomeLeft;
  WelcomePanelMover->HideTop = kWelcomeHideTop;
  WelcomePanelMover->VertStep = kWelcomeStep;
  WelcomePanelMover->OnPosUpdate = [this](TPanelMover&, TScreenPoint position) { PlaceWelcomeButtons(position); };

  // The title swings gently on a long string from far above.
  MenuTitlePulser = std::make_unique<TValueUpDown>();
  MenuTitlePulser->Setup(-0.25f, 0.25f, 0.008f, 0.008f);

  MakeButton(ChangePlayerLink, "ChangePlayerLink").OnClick = [this](TGameButton&) {
    OpenPlayerSelect();
  };
  MakeButton(PlayButton, "PlayButton").OnClick = [this](TGameButton&) {
    if (GameComplete()) {
      AskConfirm(5, pbYes, nbNo);
      return;
    }
    Progress.IslandIdx = Progress.NextUncompletedIslandIdx;
    Progress.LevelIdx = Progress.NextUncompletedLevelIdx;
    OpenMapForPlay();
  };
  MakeButton(OptionsButton, "OptionsButton").OnClick = [this](TGameButton&) {
    OpenOptions(false);
  };
  MakeButton(HighScoresButton, "HighScoresButton").OnClick = [this](TGameButton&) {
    OpenHighScores();
  };
  MakeButton(ExitButton, "ExitButton").OnClick = [this](TGameButton&) { ExitButtonClick(); };
  MakeButton(HelpButton, "HelpButton").OnClick = [this](TGameButton&) {
    OpenHelp();
  };
  PlaceMenuButtons(MenuPanelMover->CurrentPos());
  PlaceWelcomeButtons(WelcomePanelMover->CurrentPos());
}

void TFormMain::CreateConfirmWindow() {
  ConfirmWindow = std::make_unique<TGameConfirmWindow>();
  ConfirmWindow->OmgImgList = OmegaImageList1.get();
  ConfirmWindow->GlobGameText = GlobalGameText.get();
  ConfirmWindow->TextStringsComp = TextStrings.get();
  ConfirmWindow->Left = 480;
  ConfirmWindow->Top = 290;
  ConfirmWindow->Build();
  ConfirmWindow->OnPlaySound = SoundRequest();
  ConfirmWindow->OnCursorRequest = [this](TCursorShape shape) { RequestCursor(shape); };
  ConfirmWindow->OnHidingComplete = [this](TGameConfirmWindow& sender, bool answer) {
    ConfirmHidden(sender.QuestionKind(), answer);
  };
  // Leaving the game from a round closes on the click, not after the
  // window has slid away.
  ConfirmWindow->OnPositiveButtonClick = [this](TGameConfirmWindow& sender) {
    if (sender.QuestionKind() == 8) FPlatform.Window->Close();
    if (sender.QuestionKind() == 2) DeleteSelectedPlayer();
    if (sender.QuestionKind() == 3 || sender.QuestionKind() == 4) DisplayModeAnswered(true);
  };
  ConfirmWindow->OnNegativeButtonClick = [this](TGameConfirmWindow& sender) {
    if (sender.QuestionKind() == 3 || sender.QuestionKind() == 4) DisplayModeAnswered(false);
  };
}

void TFormMain::MeasurePictureSizes() {
  GlobalGameText->FetchLetterSize();
  ConfirmWindow->FetchButtonSizes();
  ResultOKButton->FetchSize();
  ObjectiveInfo->FetchShadowHeight();
  BuySlots->FetchSizes();
  MannaEnergy->ReloadSizes();
  BookPlayButton->FetchSize();
  ShopMenuButton->FetchSize();
  ShopMenuButton->Left = kFrameWidth - ShopMenuButton->Width() - kShopMenuMargin;
  ShopMenuButton->Top = kShopMenuMargin;
  for (TGameButton* button : MapButtons()) button->FetchSize();
  ElementGather->ReloadDigitSizes();
  for (TGameButton* button : OptionsButtons()) button->FetchSize();
  for (TGameButton* button : InGameMenuButtons()) button->FetchSize();
  InGameMenuButton->FetchSize();
  SoundVolumeBar->FetchSize();
  MusicVolumeBar->FetchSize();
  TotalScore->ReloadSizes();
  FetchCommentSizes();
  for (TGameButton* button : {TutorialOKButton.get(), ToolTipOKButton.get(), HelpDoneButton.get(),
                              CreditsDoneButton.get(), StorySkipButton.get(), DialogSkipButton.get()})
    button->FetchSize();
}

void TFormMain::PlaceMenuButtons(TScreenPoint panel) {
  PlayButton->Left = panel.X + 35;
  PlayButton->Top = panel.Y + 40;
  TGameButton* column[] = {OptionsButton.get(), HighScoresButton.get(), HelpButton.get(), ExitButton.get()};
  for (int i = 0; i < 4; ++i) {
    column[i]->Left = panel.X + 45;
    column[i]->Top = panel.Y + 140 + i * 65;
  }
}

void TFormMain::PlaceWelcomeButtons(TScreenPoint panel) {
  ChangePlayerLink->Left = panel.X + 200;
  ChangePlayerLink->Top = panel.Y + 58;
}

void TFormMain::SlideMenuPanels(bool in) {
  if (in) {
    MenuPanelMover->Show();
    WelcomePanelMover->Show();
  } else {
    MenuPanelMover->Hide();
    WelcomePanelMover->Hide();
  }
}

void TFormMain::MenuRoutine() {
  MenuPanelMover->Update();
  WelcomePanelMover->Update();
  MenuTitlePulser->Step();
  // The menu stands in front of the player's town.
  StickerBookBackdrop();

  TScreenPoint welcome = WelcomePanelMover->CurrentPos();
  DrawImage(*OmegaImageList1, "WelcomePanel", welcome.X, welcome.Y, 0);
  ChangePlayerLink->Draw();
  TScreenPoint menu = MenuPanelMover->CurrentPos();
  DrawImage(*OmegaImageList1, "MenuPanel", menu.X, menu.Y, 0);
  for (TGameButton* button : MenuButtons())
    if (button != ChangePlayerLink.get()) button->Draw();
  DrawImageEx(*OmegaImageList1, "MenuPanel_Top", menu.X - 90, menu.Y - 74, MenuTitlePulser->Value(), 0.5f, -50.0f, 1,
              1, 255, 255, 255, 255, 0, 0);
  std::string welcomeLine = WithValue(GameText(GameTextId::MenuWelcome), NamePlaceholder, State.PlayerName, "!");
  GlobalGameText->DrawText(welcome.X + 31, welcome.Y + 33, welcomeLine, ShellText::WelcomeScale, 0, 255,
                           ShellText::WelcomeWidth, TextColor::White);
  DrawMenuEffects();
}

void TFormMain::DrawDarkener() {
  int width = std::max(1, PatternWidth(*OmegaImageList1, "ScreenDarkener"));
  int height = std::max(1, PatternHeight(*OmegaImageList1, "ScreenDarkener"));
  DrawImageEx(*OmegaImageList1, "ScreenDarkener", 0, 0, 0, 0, 0, float(kFrameWidth) / width,
              float(kFrameHeight) / height, 255, 255, 255, kDarkenerAlpha, 0, 0);
}

void TFormMain::ConfirmRoutine() {
  switch (State.ConfirmQuestion) {
    case 1:
    case 3:
    case 5:
      MenuRoutine();
      break;
    case 2:
    case 6:
      PlayerListRoutine();
      break;
    default:
      RoundRoutine();
      break;
  }
  DrawDarkener();
  ConfirmWindow->Draw();
}

std::array<TGameButton*, 6> TFormMain::MenuButtons() const {
  return {ChangePlayerLink.get(), PlayButton.get(), OptionsButton.get(), HighScoresButton.get(), ExitButton.get(),
          HelpButton.get()};
}

void TFormMain::MenuMouseDown(int x, int y, TMouseButton button) {
  for (TGameButton* widget : MenuButtons()) widget->MouseDown(x, y, button);
}

void TFormMain::MenuMouseMove(int x, int y) {
  for (TGameButton* widget : MenuButtons()) widget->MouseMove(x, y);
}

void TFormMain::MenuMouseUp(int x, int y) {
  for (TGameButton* widget : MenuButtons()) widget->MouseUp(x, y);
}

void TFormMain::ExitButtonClick() { AskConfirm(1, pbYes, nbNo); }

void TFormMain::AskConfirm(int question, TPositiveButtonKind positive, TNegativeButtonKind negative) {
  State.ConfirmQuestion = question;
  GameScene->SetValue(gsConfirmWindow);
  ConfirmWindow->Ask(question, positive, negative);
}

void TFormMain::ConfirmHidden(int question, bool answer) {
  if (question == 1) {
    GameScene->SetValue(gsMenu);
    if (answer) FPlatform.Window->Close();
    return;
  }
  if (question == 8) {
    // OK closed the window on its click; Cancel goes back to the round.
    GameScene->SetValue(gsMainGame);
    if (!State.PausedBeforeConfirm) SetPaused(false);
    return;
  }
  if (question == 0) {
    if (answer) {
      StartLevel();
      return;
    }
    GameScene->SetValue(gsMainGame);
    SceneTransition->Start(gsMainGame, gsMenu);
    return;
  }
  if (question == 2) {
    GameScene->SetValue(gsPlayerSelect);
    return;
  }
  if (question == 5) {
    if (answer)
      StartNewGame();
    else
      GameScene->SetValue(gsMenu);
    return;
  }
  if (question == 6) {
    if (answer) {
      GameScene->SetValue(gsAddPlayer);
      ShowNameEntry(false);
    } else {
      GameScene->SetValue(gsPlayerSelect);
    }
    return;
  }
  if (question == 3 || question == 4) {
    DisplayModeQuestionHidden();
    return;
  }
  if (question == 7) LeaveRoundAnswered(answer);
}

void TFormMain::DrawTransitionCaption(float scale, int y) {
  const std::string& caption = GameText(GameTextId::TransitionCaption);
  int width = GlobalGameText->TextWidth(caption, 0, scale);
  GlobalGameText->DrawText((kFrameWidth - width) / 2, y, caption, scale, 0, SceneTransition->Alpha(), 0,
                           TextColor::White);
}

}  // namespace qm
