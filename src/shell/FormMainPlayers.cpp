// The players of this installation: the list window and the name entry,
// each player's progress read, applied, captured and written, and the
// high-score table with its window.
#include <algorithm>
#include <filesystem>
#include <string>

#include "progress/PlayerFiles.h"
#include "shell/FormMain.h"
#include "shell/ShellTextAreas.h"
#include "text/GameTextIds.h"

namespace qm {

namespace {

// Where the list, the entry and the buttons sit in their windows.
constexpr int kListLeft = 56, kListTop = 58;
constexpr int kListButtonsTop = 318, kNewLeft = 14, kDeleteLeft = 166, kListOKLeft = 318;
constexpr int kEntryLeft = 70, kEntryTop = 92, kEntryButtonsTop = 150, kEntryOKLeft = 83, kEntryCancelLeft = 243;
constexpr int kScoresOKLeft = 133, kScoresOKTop = 322;
constexpr int kWindowStep = 100, kScoresWindowStep = 85;
constexpr int kSelectionAlpha = 150;

constexpr int kNameListLeft = 449, kNameListTop = 191;
constexpr int kAddNameLeft = 450, kAddNameTop = 271;
constexpr int kInfoLeft = 480, kInfoTop = 187;

}  // namespace

TGameMenuWindow& TFormMain::MakeWindow(std::unique_ptr<TGameMenuWindow>& window, const char* picture, int left,
                                       int top) {
  window = std::make_unique<TGameMenuWindow>();
  window->OmgImgList = OmegaImageList1.get();
  window->WindowImg = picture;
  window->Left = left;
  window->Top = top;
  window->MoveStep = kWindowStep;
  return *window;
}

void TFormMain::CreatePlayers() {
  NameList = std::make_unique<TNameList>();
  NameList->FileName = Folders.SaveFolder / "Players.dat";
  NameList->OnSaveFileExistenceQuestion = [this](const std::string& name, bool& exists) {
    std::error_code ec;
    exists = std::filesystem::exists(PlayerSaveFile(Folders.SaveFolder, name), ec);
  };
  NameList->OnProblem = [this](const std::string& problem) { ReportOnce(problem); };
  NameInput = std::make_unique<TNameInput>();
  NameInput->OnEntryConfirmed = [this] { NameEntryConfirmed(); };
  HighScores = std::make_unique<THighScores>();
  HighScores->NormalModeFileName = Folders.SaveFolder / "HighScores.dat";
  HighScores->PlaceholderName = GameText(GameTextId::HighScorePlaceholder);
  HighScores->OnProblem = [this](const std::string& problem) { ReportOnce(problem); };
  CreatePlayerWindows();
  CreateHighScoresWindow();
  LoadPlayerList();
  HighScores->Reset();
  HighScores->Load();
}

void TFormMain::CreatePlayerWindows() {
  TGameMenuWindow& list = MakeWindow(NameListWindow, "NameListWindow", kNameListLeft, kNameListTop);
  list.HidingXPos = -470;
  list.ShowDir = sdToRight;
  list.OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint at) {
    NameList->Left = at.X + kListLeft;
    NameList->Top = at.Y + kListTop;
    NameListNewButton->Left = at.X + kNewLeft;
    NameListDeleteButton->Left = at.X + kDeleteLeft;
    NameListOKButton->Left = at.X + kListOKLeft;
    for (TGameButton* button : {NameListNewButton.get(), NameListDeleteButton.get(), NameListOKButton.get()})
      button->Top = at.Y + kListButtonsTop;
  };
  list.OnHidingComplete = [this](TGameMenuWindow&) { PlayerListClosed(); };
  MakeButton(NameListNewButton, "NameListNewButton").OnClick = [this](TGameButton&) {
    GameScene->SetValue(gsAddPlayer);
    ShowNameEntry(false);
  };
  MakeButton(NameListDeleteButton, "NameListDeleteButton").OnClick = [this](TGameButton&) {
    AskConfirm(2, pbYes, nbNo);
  };
  MakeButton(NameListOKButton, "WindowOKButton").OnClick = [this](TGameButton&) { NameListWindow->Hide(); };

  TGameMenuWindow& entry = MakeWindow(AddNameWindow, "AddNameWindow", kAddNameLeft, kAddNameTop);
  entry.HidingXPos = -470;
  entry.ShowDir = sdToRight;
  entry.OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint at) {
    NameInput->Left = at.X + kEntryLeft;
    NameInput->Top = at.Y + kEntryTop;
    AddNameOKButton->Left = at.X + kEntryOKLeft;
    AddNameCancelButton->Left = at.X + kEntryCancelLeft;
    for (TGameButton* button : NameEntryButtons()) button->Top = at.Y + kEntryButtonsTop;
  };
  entry.OnHidingComplete = [this](TGameMenuWindow&) { NameEntryClosed(); };
  MakeButton(AddNameOKButton, "WindowOKButton").OnClick = [this](TGameButton&) { NameEntryConfirmed(); };
  MakeButton(AddNameCancelButton, "WindowCancelButton").OnClick = [this](TGameButton&) {
    State.NameEntryOutcome = TShellState::neClosed;
    AddNameWindow->Hide();
  };
  list.HideNow();
  entry.HideNow();
}

void TFormMain::CreateHighScoresWindow() {
  TGameMenuWindow& window = MakeWindow(HighScoresWindow, "InfoWindow", kInfoLeft, kInfoTop);
  window.HidingYPos = -400;
  window.ShowDir = sdToDown;
  window.MoveStep = kScoresWindowStep;
  window.OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint at) {
    HighScoresOKButton->Left = at.X + kScoresOKLeft;
    HighScoresOKButton->Top = at.Y + kScoresOKTop;
  };
  window.OnHidingComplete = [this](TGameMenuWindow&) { GameScene->SetValue(gsMenu); };
  MakeButton(HighScoresOKButton, "WindowOKButton").OnClick = [this](TGameButton&) { HighScoresWindow->Hide(); };
  window.HideNow();
}

void TFormMain::LoadPlayerList() {
  NameList->Load();
  NameList->PruneAndFindCurrent();
  State.NoPlayersYet = NameList->IsEmpty();
}

// ---------------------------------------------------------------------------
// Progress

void TFormMain::LoadProgress(const std::string& name) {
  // A name becomes a file name: only one the entry could type is used.
  if (!IsEnterableName(name)) return;
  std::optional<TProgressRecord> record = ReadProgressFile(PlayerSaveFile(Folders.SaveFolder, name));
  PlayerRecord = record.value_or(DefaultRecord);
  State.PlayerName = name;
  State.PlayerLoaded = true;
  ApplyProgress();
}

void TFormMain::ApplyProgress() {
  TotalScore->SetValue(PlayerRecord.TotalScore);
  BuySlots->LoadFrom(PlayerRecord);
  StickerBookObjects->LoadFrom(PlayerRecord);
  MapIslands->LoadFrom(PlayerRecord);
  ComicStrips->OpeningStoryTold = PlayerRecord.OpeningStoryTold != 0;
  // A damaged resume point starts the player at a level that exists.
  Progress.NextUncompletedIslandIdx = std::clamp<int>(PlayerRecord.NextUncompletedIslandIdx, 1, 5);
  Progress.NextUncompletedLevelIdx = std::max(1, PlayerRecord.NextUncompletedLevelIdx);
  Tutorial->ImportShown(PlayerRecord.TutorialShown);
  ToolTip->ImportShown(PlayerRecord.ToolTipShown);
  SettlePurchases();
  Progress.IslandIdx = Progress.NextUncompletedIslandIdx;
  Progress.LevelIdx = Progress.NextUncompletedLevelIdx;
  BookProgressTube->ShowAt(StickerBookObjects->ZeppelinRevealed() ? 100 : BuySlots->BookPoints());
  // The window keeps the display mode it has; the setting follows it.
  PlayerRecord.FullScreen = OmegaScreen1->FullScreen ? 1 : 0;
  State.FullScreenOption = OmegaScreen1->FullScreen;
  ApplySettings();
}

TProgressRecord TFormMain::CaptureProgress(TProgressRecord record, bool captureObjects) const {
  record.TotalScore = TotalScore->Value();
  BuySlots->StoreInto(record);
  if (captureObjects) {
    StickerBookObjects->StoreInto(record);
    // An upgrade whose chapter is untold keeps its objects hidden in the
    // file, which is how a later start knows to tell it.
    for (int object = 1; object <= TStickerBookObjects::ObjectCount; ++object)
      if (std::ranges::count(State.UntoldChapters, TStickerBookObjects::Object(object).Group) != 0)
        record.ObjectStates[std::size_t(object - 1)] = 0;
  }
  MapIslands->StoreInto(record);
  record.OpeningStoryTold = ComicStrips->OpeningStoryTold ? 1 : 0;
  record.TutorialShown = Tutorial->ExportShown();
  record.ToolTipShown = ToolTip->ExportShown();
  record.NextUncompletedIslandIdx = std::uint8_t(Progress.NextUncompletedIslandIdx);
  record.NextUncompletedLevelIdx = Progress.NextUncompletedLevelIdx;
  record.FullScreen = OmegaScreen1->FullScreen ? 1 : 0;
  return record;
}

void TFormMain::SaveProgress(bool captureObjects) {
  if (!State.PlayerLoaded) return;
  PlayerRecord = CaptureProgress(PlayerRecord, captureObjects);
  const std::filesystem::path file = PlayerSaveFile(Folders.SaveFolder, State.PlayerName);
  std::string error;
  if (!WriteProgressFile(file, PlayerRecord, error)) ReportOnce("progress could not be saved: " + error);
}

void TFormMain::SaveFields(const std::function<void(TProgressRecord&)>& fields) {
  if (!State.PlayerLoaded) return;
  // Into the file as it stands: what a round has not won yet stays out.
  const std::filesystem::path file = PlayerSaveFile(Folders.SaveFolder, State.PlayerName);
  TProgressRecord stored = ReadProgressFile(file).value_or(PlayerRecord);
  fields(stored);
  std::string error;
  if (!WriteProgressFile(file, stored, error)) ReportOnce("progress could not be saved: " + error);
}

void TFormMain::SubmitScore() {
  if (State.PlayerLoaded) HighScores->Submit(State.PlayerName, TotalScore->Value());
}

void TFormMain::LoadCurrentPlayer() {
  if (!NameList->CurrentName().empty()) LoadProgress(NameList->CurrentName());
}

// ---------------------------------------------------------------------------
// The player list

void TFormMain::OpenPlayerSelect() {
  SubmitScore();
  SaveProgress(true);
  // A player added or made in the list is loaded at once; the list's close
  // compares with this one.
  State.PlayerBeforeList = State.PlayerLoaded ? State.PlayerName : std::string();
  GameScene->SetValue(gsPlayerSelect);
  NameList->FindCurrent();
  UpdatePlayerListButtons();
  NameListWindow->Show();
}

void TFormMain::UpdatePlayerListButtons() {
  NameListNewButton->Enabled = !NameList->IsFull();
  NameListDeleteButton->Enabled = !NameList->IsEmpty();
}

void TFormMain::PlayerListRoutine() {
  MenuRoutine();
  DrawDarkener();
  NameListWindow->Update();
  NameListWindow->Draw();
  NameListNewButton->Draw();
  NameListDeleteButton->Draw();
  NameListOKButton->Draw();
  if (NameListWindow->State() == mwHidden) return;
  const int left = NameList->Left, top = NameList->Top, gap = NameList->VertGap;
  DrawImageEx(*OmegaImageList1, "NameListSelection", left - 13, top + (NameList->Selected() - 1) * gap - 10, 0, 0, 0,
              1, 1, 255, 255, 255, kSelectionAlpha, 0, 0);
  for (int slot = 1; slot <= TNameList::SlotCount; ++slot) {
    const bool selected = slot == NameList->Selected();
    GlobalGameText->DrawText(left + 20, top + (slot - 1) * gap + 22, NameList->Name(slot), selected ? 0.88f : 0.82f,
                             0, selected ? 255 : 220, 328, TextColor::White);
  }
}

std::array<TGameButton*, 2> TFormMain::NameEntryButtons() const {
  return {AddNameOKButton.get(), AddNameCancelButton.get()};
}

void TFormMain::PlayerListMouseDown(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft) NameList->Select(NameList->RowAt(x, y));
  for (TGameButton* widget : {NameListNewButton.get(), NameListDeleteButton.get(), NameListOKButton.get()})
    widget->MouseDown(x, y, button);
}

void TFormMain::PlayerListMouseMove(int x, int y) {
  if (NameList->OccupiedRowAt(x, y) != 0) RequestCursor(TCursorShape::crHandPoint);
  for (TGameButton* widget : {NameListNewButton.get(), NameListDeleteButton.get(), NameListOKButton.get()})
    widget->MouseMove(x, y);
}

void TFormMain::PlayerListMouseUp(int x, int y) {
  for (TGameButton* widget : {NameListNewButton.get(), NameListDeleteButton.get(), NameListOKButton.get()})
    widget->MouseUp(x, y);
}

void TFormMain::PlayerListClosed() {
  NameList->PruneAndFindCurrent();
  AddDefaultPlayerIfNone();
  NameList->Save();
  const std::string& chosen = NameList->CurrentName();
  if (State.PlayerLoaded && chosen == State.PlayerBeforeList) {
    GameScene->SetValue(gsMenu);
    return;
  }
  // Another player: the levels they replay are their own.
  LevelParams->ResetReplayMemory();
  LoadProgress(chosen);
  SceneTransition->Start(gsPlayerSelect, AfterChoosingPlayer());
}

void TFormMain::AddDefaultPlayerIfNone() {
  if (!NameList->IsEmpty()) return;
  const std::string& name = GameText(GameTextId::DefaultPlayerName);
  NameList->Add(name);
  LoadProgress(NameList->CurrentName());
  SaveProgress(false);
}

void TFormMain::DeleteSelectedPlayer() {
  const std::string name = NameList->Name(NameList->Selected());
  if (name.empty()) return;
  std::error_code ec;
  std::filesystem::remove(PlayerSaveFile(Folders.SaveFolder, name), ec);
  // The loaded player is gone: nothing may write their file again.
  if (name == State.PlayerName) State.PlayerLoaded = false;
  NameList->DeleteSelected();
  UpdatePlayerListButtons();
}

// ---------------------------------------------------------------------------
// The name entry

void TFormMain::ShowNameEntry(bool initial) {
  NameInput->SetEntry("");
  AddNameCancelButton->Enabled = !initial;
  State.NameEntryOutcome = TShellState::neClosed;
  AddNameWindow->Show();
}

void TFormMain::NameEntryRoutine() {
  if (GameScene->Value() == gsAddInitialPlayer)
    SplashRoutine();
  else
    PlayerListRoutine();
  DrawDarkener();
  AddNameWindow->Update();
  AddNameWindow->Draw();
  if (AddNameWindow->State() == mwHidden) return;
  NameInput->Tick();
  DrawNameEntryWords(AddNameWindow->Position());
  GlobalGameText->DrawText(NameInput->Left, NameInput->Top, NameInput->DisplayText(), NameInput->LetterSizeRatio, 0,
                           255, NameInput->MaxPrintEntryPixelLength, TextColor::White);
  for (TGameButton* button : NameEntryButtons()) button->Draw();
}

void TFormMain::DrawNameEntryWords(TScreenPoint window) {
  constexpr int kCentre = ShellText::NameEntryTextLeft + ShellText::NameEntryTextWidth / 2;
  constexpr int kTitleTop = 28, kPromptTop = 58, kNoticeTop = 124;
  constexpr float kTitleScale = ShellText::NameEntryTitleScale, kSmallScale = ShellText::NameEntrySmallScale;
  const auto centred = [&](const std::string& text, int top, float scale, int colour) {
    GlobalGameText->DrawCentred(window.X + kCentre, window.Y + top, text, scale, 255, colour);
  };
  centred(GameText(GameTextId::NameEntryTitle), kTitleTop, kTitleScale, TextColor::White);
  centred(GameText(GameTextId::NameEntryPrompt), kPromptTop, kSmallScale, TextColor::White);
  int notice = 0;
  switch (NameInput->Notice()) {
    case TNameInput::nnRefused: notice = GameTextId::NameRefusedNotice; break;
    case TNameInput::nnFull: notice = GameTextId::NameFullNotice; break;
    case TNameInput::nnEmpty: notice = GameTextId::NameEmptyNotice; break;
    case TNameInput::nnNone: break;
  }
  if (notice != 0) centred(GameText(notice), kNoticeTop, kSmallScale, TextColor::Yellow);
}

void TFormMain::NameEntryConfirmed() {
  // Only a window standing still takes its answer, and only once.
  if (AddNameWindow->State() != mwShown) return;
  const bool initial = GameScene->Value() == gsAddInitialPlayer;
  if (NameInput->Entry() == kDeveloperModeCode) {
    State.DeveloperMode = true;
    PlaySound("NotifyHigh");
    State.NameEntryOutcome = TShellState::neDeveloperMode;
    AddNameWindow->Hide();
    return;
  }
  if (NameInput->IsBlank()) {
    NameInput->SetEntry("");
    // A new player without a name takes the game's own name for them; a
    // player added from the list must be given one, and is told so.
    if (!initial) {
      NameInput->RefuseEmpty();
      PlaySound("NotifyLow");
      return;
    }
    NameInput->SetEntry(GameText(GameTextId::DefaultPlayerName));
  }
  if (NameList->Exists(NameInput->Entry())) {
    State.NameEntryOutcome = TShellState::neNameTaken;
  } else if (!NameList->IsFull()) {
    NameList->Add(NameInput->Entry());
    LoadProgress(NameList->CurrentName());
    SaveProgress(false);
    State.NoPlayersYet = false;
    State.NameEntryOutcome = TShellState::neAdded;
  }
  AddNameWindow->Hide();
}

void TFormMain::NameEntryClosed() {
  if (GameScene->Value() == gsAddInitialPlayer) {
    // The first player is named: the story of the game begins.
    if (State.NameEntryOutcome == TShellState::neAdded)
      SceneTransition->Start(gsAddInitialPlayer, AfterChoosingPlayer());
    else
      ShowNameEntry(true);
    return;
  }
  if (State.NameEntryOutcome == TShellState::neNameTaken) {
    AskConfirm(6, pbYes, nbNo);
    return;
  }
  GameScene->SetValue(gsPlayerSelect);
  UpdatePlayerListButtons();
}

// ---------------------------------------------------------------------------
// High scores

void TFormMain::OpenHighScores() {
  GameScene->SetValue(gsHighScores);
  HighScoresWindow->Show();
}

void TFormMain::DrawWindowTitle(TScreenPoint window, const std::string& title) {
  const int width = GlobalGameText->TextWidth(title, 0, ShellText::WindowTitleScale);
  GlobalGameText->DrawText(window.X + ShellText::WindowTitleLeft + (ShellText::WindowTitleWidth - width) / 2,
                           window.Y + 27, title, ShellText::WindowTitleScale, 0, 255, 0, TextColor::White);
}

void TFormMain::HighScoresRoutine() {
  MenuRoutine();
  DrawDarkener();
  HighScoresWindow->Update();
  HighScoresWindow->Draw();
  HighScoresOKButton->Draw();
  if (HighScoresWindow->State() == mwHidden) return;
  const TScreenPoint at = HighScoresWindow->Position();
  DrawWindowTitle(at, GameText(GameTextId::HighScoresTitle));
  for (int i = 1; i <= 4; ++i) DrawImage(*OmegaImageList1, "HighScoreLine", at.X + 52, at.Y + 50 + 45 * i, 0);
  auto width = [this](const std::string& text) { return GlobalGameText->TextWidth(text, 0, 0.7f); };
  for (int rank = 1; rank <= THighScores::RankCount; ++rank)
    GlobalGameText->DrawText(at.X + 83, at.Y + 50 + 45 * rank, HighScores->DisplayLine(rank, width), 0.7f, 0, 245,
                             280, TextColor::White);
}

// ---------------------------------------------------------------------------
// A new game over finished progress

bool TFormMain::GameComplete() const { return StickerBookObjects->ZeppelinRevealed(); }

void TFormMain::StartNewGame() {
  std::error_code ec;
  std::filesystem::remove(PlayerSaveFile(Folders.SaveFolder, State.PlayerName), ec);
  LoadProgress(State.PlayerName);
  OpenMapForPlay();
}

}  // namespace qm
