// The options window: sound and music switched and turned up or down at
// once, the display mode and the tutorials on OK, from the menu or from a
// round's in-game menu. The settings live in the player's record; the
// language, chosen at once, in a file of its own beside it.
#include "engine/EffectsMode.h"
#include "progress/LanguageSetting.h"
#include "shell/FormMain.h"
#include "shell/ShellTextAreas.h"
#include "text/GameTextIds.h"

namespace qm {

namespace {

constexpr int kOptionsLeft = 460, kOptionsTop = 161, kOptionsHidingX = -450, kOptionsStep = 100;
// Rows of the window: sound, music, full screen, tutorials, reduced effects.
constexpr int kRows = 5;
constexpr int kRowTop[kRows] = {50, 102, 154, 206, 258};
// The first rows have a volume bar, the others a check box only.
constexpr int kVolumeRows = 2;
constexpr int kBoxLeft = 44;
constexpr int kLabelLeft = 86;
constexpr int kMinusLeft = 212, kBarLeft = 252, kPlusLeft = 384;
// The language row: the three languages side by side, below the check boxes.
constexpr int kLanguageLeft = 43, kLanguageStep = 122, kLanguageTop = 312;
constexpr int kLanguageWidth = 118, kLanguageHeight = 34;
constexpr const char* kLanguagePictures[] = {"LanguageEnglish", "LanguageGerman", "LanguageFrench"};
constexpr int kCreditsLeft = 40, kOptionsOKLeft = 262, kButtonsTop = 368;
constexpr int kVolumeStep = 10;

}  // namespace

void TFormMain::CreateOptionsWindow() {
  TGameMenuWindow& window = MakeWindow(OptionsWindow, "OptionsWindow", kOptionsLeft, kOptionsTop);
  window.HidingXPos = kOptionsHidingX;
  window.ShowDir = sdToRight;
  window.MoveStep = kOptionsStep;
  window.OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint at) { PlaceOptionsWidgets(at); };
  window.OnStartHiding = [this](TGameMenuWindow&) { OptionsStartHiding(); };
  window.OnHidingComplete = [this](TGameMenuWindow&) { OptionsHidden(); };
  auto box = [this](std::unique_ptr<TGameCheckBox>& box, const char* image) -> TGameCheckBox& {
    box = std::make_unique<TGameCheckBox>();
    box->OmgImgList = OmegaImageList1.get();
    box->ImageName = image;
    box->Width = box->Height = 30;
    box->OnPlaySound = SoundRequest();
    box->OnCursorRequest = [this](TCursorShape shape) { RequestCursor(shape); };
    return *box;
  };
  box(SoundCheckBox, "CheckBoxSound").OnClick = [this](TGameCheckBox&) { SoundBoxClicked(); };
  box(MusicCheckBox, "CheckBoxMusic").OnClick = [this](TGameCheckBox&) { MusicBoxClicked(); };
  box(FullScreenCheckBox, "CheckBoxFullscreen");
  box(TutorialCheckBox, "CheckBoxTutorial");
  box(ReducedEffectsCheckBox, "CheckBoxEffects");
  for (TLanguage language : kLanguages) {
    TGameCheckBox& choice = box(LanguageBoxes[language], kLanguagePictures[language]);
    choice.Width = kLanguageWidth;
    choice.Height = kLanguageHeight;
    choice.OnClick = [this, language](TGameCheckBox&) { ChooseLanguage(language); };
  }
  for (auto* bar : {&SoundVolumeBar, &MusicVolumeBar}) {
    *bar = std::make_unique<TVolumeBar>();
    (*bar)->OmgImgList = OmegaImageList1.get();
  }
  auto step = [this](TVolumeBar& bar, TGameCheckBox& box, int by, void (TFormMain::*clicked)()) {
    bar.SetPosition(bar.Position() + by);
    box.Checked = true;
    (this->*clicked)();
  };
  MakeButton(SoundMinusButton, "VolumeMinusButton").OnClick = [this, step](TGameButton&) {
    step(*SoundVolumeBar, *SoundCheckBox, -kVolumeStep, &TFormMain::SoundBoxClicked);
  };
  MakeButton(SoundPlusButton, "VolumePlusButton").OnClick = [this, step](TGameButton&) {
    step(*SoundVolumeBar, *SoundCheckBox, kVolumeStep, &TFormMain::SoundBoxClicked);
  };
  MakeButton(MusicMinusButton, "VolumeMinusButton").OnClick = [this, step](TGameButton&) {
    step(*MusicVolumeBar, *MusicCheckBox, -kVolumeStep, &TFormMain::MusicBoxClicked);
  };
  MakeButton(MusicPlusButton, "VolumePlusButton").OnClick = [this, step](TGameButton&) {
    step(*MusicVolumeBar, *MusicCheckBox, kVolumeStep, &TFormMain::MusicBoxClicked);
  };
  MakeButton(CreditsButton, "CreditsButton").OnClick = [this](TGameButton&) {
    OpenCredits();
  };
  MakeButton(OptionsOKButton, "WindowOKButton").OnClick = [this](TGameButton&) { OptionsOK(); };
}

void TFormMain::PlaceOptionsWidgets(TScreenPoint at) {
  const std::array<TGameCheckBox*, kRows> boxes = OptionsCheckBoxes();
  for (int row = 0; row < kRows; ++row) {
    boxes[row]->Left = at.X + kBoxLeft;
    boxes[row]->Top = at.Y + kRowTop[row];
  }
  TVolumeBar* bars[] = {SoundVolumeBar.get(), MusicVolumeBar.get()};
  TGameButton* minus[] = {SoundMinusButton.get(), MusicMinusButton.get()};
  TGameButton* plus[] = {SoundPlusButton.get(), MusicPlusButton.get()};
  for (int row = 0; row < 2; ++row) {
    bars[row]->Left = at.X + kBarLeft;
    bars[row]->Top = at.Y + kRowTop[row] + 4;
    minus[row]->Left = at.X + kMinusLeft;
    plus[row]->Left = at.X + kPlusLeft;
    minus[row]->Top = plus[row]->Top = at.Y + kRowTop[row] - 1;
  }
  for (TLanguage language : kLanguages) {
    LanguageBoxes[language]->Left = at.X + kLanguageLeft + kLanguageStep * int(language);
    LanguageBoxes[language]->Top = at.Y + kLanguageTop;
  }
  CreditsButton->Left = at.X + kCreditsLeft;
  OptionsOKButton->Left = at.X + kOptionsOKLeft;
  CreditsButton->Top = OptionsOKButton->Top = at.Y + kButtonsTop;
}

std::array<TGameButton*, 6> TFormMain::OptionsButtons() const {
  return {SoundMinusButton.get(), SoundPlusButton.get(), MusicMinusButton.get(),
          MusicPlusButton.get(),  CreditsButton.get(),   OptionsOKButton.get()};
}

std::array<TGameCheckBox*, 5> TFormMain::OptionsCheckBoxes() const {
  return {SoundCheckBox.get(), MusicCheckBox.get(), FullScreenCheckBox.get(), TutorialCheckBox.get(),
          ReducedEffectsCheckBox.get()};
}

std::vector<TGameCheckBox*> TFormMain::OptionsChoices() const {
  const auto boxes = OptionsCheckBoxes();
  std::vector<TGameCheckBox*> choices(boxes.begin(), boxes.end());
  for (const auto& language : LanguageBoxes) choices.push_back(language.get());
  return choices;
}

void TFormMain::ChooseLanguage(TLanguage language) {
  // One language is always chosen: a second press keeps it.
  for (TLanguage each : kLanguages) LanguageBoxes[each]->Checked = each == language;
  if (language == FLanguage) return;
  std::string error;
  if (!WriteChosenLanguage(Folders.SaveFolder, language, error)) ReportOnce("language not kept: " + error);
  SpeakLanguage(language);
}

void TFormMain::OpenOptions(bool fromRound) {
  SoundCheckBox->Checked = PlayerRecord.SoundOn != 0;
  MusicCheckBox->Checked = PlayerRecord.MusicOn != 0;
  SoundVolumeBar->Enabled = SoundCheckBox->Checked;
  MusicVolumeBar->Enabled = MusicCheckBox->Checked;
  SoundVolumeBar->SetPositionNow(PlayerRecord.SoundVolume);
  MusicVolumeBar->SetPositionNow(PlayerRecord.MusicVolume);
  FullScreenCheckBox->Checked = State.FullScreenOption;
  TutorialCheckBox->Checked = PlayerRecord.TutorialsOn != 0;
  ReducedEffectsCheckBox->Checked = PlayerRecord.ReducedEffects != 0;
  for (TLanguage language : kLanguages) LanguageBoxes[language]->Checked = language == FLanguage;
  State.OptionsFromRound = fromRound;
  GameScene->SetValue(fromRound ? gsInGameOptions : gsOptions);
  OptionsWindow->Show();
}

void TFormMain::SoundBoxClicked() {
  SoundVolumeBar->Enabled = SoundCheckBox->Checked;
  SetSoundVolume(SoundCheckBox->Checked ? SoundVolumeBar->Position() : 0);
}

void TFormMain::MusicBoxClicked() {
  MusicVolumeBar->Enabled = MusicCheckBox->Checked;
  SetMusicVolume(MusicCheckBox->Checked ? MusicVolumeBar->Position() : 0);
}

void TFormMain::OptionsOK() {
  TakeOptions();
  OptionsWindow->Hide();
}

void TFormMain::TakeOptions() {
  PlayerRecord.SoundOn = SoundCheckBox->Checked ? 1 : 0;
  PlayerRecord.MusicOn = MusicCheckBox->Checked ? 1 : 0;
  PlayerRecord.SoundVolume = SoundVolumeBar->Position();
  PlayerRecord.MusicVolume = MusicVolumeBar->Position();
  PlayerRecord.TutorialsOn = TutorialCheckBox->Checked ? 1 : 0;
  PlayerRecord.ReducedEffects = ReducedEffectsCheckBox->Checked ? 1 : 0;
  State.FullScreenOption = FullScreenCheckBox->Checked;
  ApplySettings();
}

void TFormMain::ReduceEffectsForThisRun() {
  // Asked before the window is made; the start-up takes it from here.
  FReducedEffectsForRun = true;
}

void TFormMain::ApplySettings() {
  // Before any player is loaded the start-up's volumes hold.
  SetSoundVolume(SoundVolumeSetting());
  SetMusicVolume(MusicVolumeSetting());
  if (State.PlayerLoaded) Tutorial->Enabled = ToolTip->Enabled = PlayerRecord.TutorialsOn != 0;
  ReducedDecoration = FReducedEffectsForRun || (State.PlayerLoaded && PlayerRecord.ReducedEffects != 0);
}

bool TFormMain::DisplayModeMatches() const { return State.FullScreenOption == OmegaScreen1->FullScreen; }

void TFormMain::OptionsStartHiding() {
  if (State.OptionsFromRound && DisplayModeMatches() && !State.PausedBeforeMenu) SetPaused(false);
}

void TFormMain::OptionsHidden() {
  if (DisplayModeMatches()) {
    ReturnFromOptions();
    return;
  }
  AskDisplayModeQuestion();
}

void TFormMain::AskDisplayModeQuestion() { AskConfirm(State.OptionsFromRound ? 4 : 3, pbOK, nbCancel); }

void TFormMain::ReturnFromOptions() {
  SaveOptions();
  GameScene->SetValue(State.OptionsFromRound ? State.RememberedScene : gsMenu);
}

void TFormMain::SaveOptions() {
  PlayerRecord.FullScreen = OmegaScreen1->FullScreen ? 1 : 0;
  // From a round only the option bytes are written: the round's points
  // and earnings wait for its win.
  SaveFields([this](TProgressRecord& stored) {
    stored.SoundOn = PlayerRecord.SoundOn;
    stored.MusicOn = PlayerRecord.MusicOn;
    stored.FullScreen = PlayerRecord.FullScreen;
    stored.TutorialsOn = PlayerRecord.TutorialsOn;
    stored.SoundVolume = PlayerRecord.SoundVolume;
    stored.MusicVolume = PlayerRecord.MusicVolume;
  });
}

// Question 3 (from the menu) or 4 (from a round): OK switches the display on
// the click; Cancel keeps it and the setting follows it.
void TFormMain::DisplayModeAnswered(bool switchMode) {
  if (switchMode) {
    State.ResumeOnActivate = true;
    SetDisplayMode(State.FullScreenOption, true);
  } else {
    State.FullScreenOption = OmegaScreen1->FullScreen;
  }
}

void TFormMain::DisplayModeQuestionHidden() {
  ReturnFromOptions();
  if (State.OptionsFromRound && !State.PausedBeforeMenu) SetPaused(false);
}

void TFormMain::SetDisplayMode(bool fullScreen, bool record) {
  if (OmegaScreen1->FullScreen == fullScreen) return;
  SwitchFullScreen(fullScreen);
  if (record) State.FullScreenOption = fullScreen;
}

void TFormMain::OptionsRoutine() {
  if (State.OptionsFromRound)
    RoundRoutine();
  else
    MenuRoutine();
  DrawDarkener();
  OptionsWindow->Update();
  OptionsWindow->Draw();
  if (OptionsWindow->State() == mwHidden) return;
  static constexpr int kLabels[kRows] = {GameTextId::SoundLabel, GameTextId::MusicLabel,
                                         GameTextId::FullScreenLabel, GameTextId::TutorialsLabel,
                                         GameTextId::ReducedEffectsLabel};
  const TScreenPoint at = OptionsWindow->Position();
  for (int row = 0; row < kRows; ++row)
    GlobalGameText->DrawText(at.X + kLabelLeft, at.Y + kRowTop[row] + 4, GameText(kLabels[row]),
                             ShellText::OptionsLabelScale, 0, 245,
                             row < kVolumeRows ? ShellText::OptionsVolumeLabelWidth : ShellText::OptionsLabelWidth,
                             TextColor::White);
  for (TGameCheckBox* box : OptionsChoices()) box->Draw();
  SoundVolumeBar->Draw();
  MusicVolumeBar->Draw();
  for (TGameButton* button : OptionsButtons()) button->Draw();
}

void TFormMain::OptionsMouseDown(int x, int y, TMouseButton button) {
  for (TGameButton* widget : OptionsButtons()) widget->MouseDown(x, y, button);
  for (TGameCheckBox* box : OptionsChoices()) box->MouseDown(x, y, button);
}

void TFormMain::OptionsMouseMove(int x, int y) {
  for (TGameButton* widget : OptionsButtons()) widget->MouseMove(x, y);
  for (TGameCheckBox* box : OptionsChoices()) box->MouseMove(x, y);
}

void TFormMain::OptionsMouseUp(int x, int y) {
  for (TGameButton* widget : OptionsButtons()) widget->MouseUp(x, y);
}

}  // namespace qm
