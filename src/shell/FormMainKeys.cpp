// Playing without a mouse: the focus among the scene's controls, Enter and
// Space to press them, Escape to go back. A press goes down the mouse's own
// path at the control's middle, so every control acts exactly as clicked.
#include "shell/FormMain.h"

namespace qm {

namespace {

// Contexts beyond the scene: what in it holds the controls.
enum TFocusLayer { flScene, flTutorial, flChat };

int FocusContext(TGameSceneValues scene, TFocusLayer layer) { return int(scene) * 4 + int(layer); }

bool IsAt(const TFocusTarget* target, const TGameButton& button) {
  return target != nullptr && target->Left == button.Left && target->Top == button.Top;
}

// The index in targets of the button, or the first target when it is not
// among them.
int IndexOf(const std::vector<TFocusTarget>& targets, const TGameButton& button) {
  for (int index = 0; index < int(targets.size()); ++index)
    if (IsAt(&targets[std::size_t(index)], button)) return index;
  return 0;
}

bool TakesPressAnywhere(TGameSceneValues scene) {
  return scene == gsCompanyLogos || scene == gsSplash || scene == gsObjectiveInfo;
}

}  // namespace

void TFormMain::PressAt(int x, int y) {
  SceneMouseMove(x, y);
  SceneMouseDown(x, y, TMouseButton::mbLeft);
  SceneMouseUp(x, y);
}

void TFormMain::AddFocusTarget(std::vector<TFocusTarget>& targets, const TGameButton& button) {
  if (!button.Visible || !button.Enabled) return;
  const int x = button.Left + button.Width() / 2, y = button.Top + button.Height() / 2;
  targets.push_back({button.Left, button.Top, button.Width(), button.Height(), [this, x, y] { PressAt(x, y); }, {}});
}

void TFormMain::AddFocusTarget(std::vector<TFocusTarget>& targets, const TGameCheckBox& box) {
  const int x = box.Left + box.Width / 2, y = box.Top + box.Height / 2;
  targets.push_back({box.Left, box.Top, box.Width, box.Height, [this, x, y] { PressAt(x, y); }, {}});
}

void TFormMain::AddOptionsTargets(std::vector<TFocusTarget>& targets) {
  const auto bar = [&](const TVolumeBar& volume, TGameButton& minus, TGameButton& plus) {
    targets.push_back({volume.Left, volume.Top, volume.FillWidth, volume.FillHeight, {}, [this, &minus, &plus](int step) {
                         const TGameButton& button = step < 0 ? minus : plus;
                         if (button.Visible && button.Enabled)
                           PressAt(button.Left + button.Width() / 2, button.Top + button.Height() / 2);
                       }});
  };
  AddFocusTarget(targets, *SoundCheckBox);
  bar(*SoundVolumeBar, *SoundMinusButton, *SoundPlusButton);
  AddFocusTarget(targets, *MusicCheckBox);
  bar(*MusicVolumeBar, *MusicMinusButton, *MusicPlusButton);
  for (TGameCheckBox* box : {FullScreenCheckBox.get(), TutorialCheckBox.get(), ReducedEffectsCheckBox.get()})
    AddFocusTarget(targets, *box);
  for (const auto& language : LanguageBoxes) AddFocusTarget(targets, *language);
  AddFocusTarget(targets, *CreditsButton);
  AddFocusTarget(targets, *OptionsOKButton);
}

void TFormMain::AddPlayerListTargets(std::vector<TFocusTarget>& targets) {
  for (int row = 1; row <= TNameList::SlotCount; ++row) {
    if (NameList->Name(row).empty()) continue;
    const int top = NameList->Top + (row - 1) * NameList->VertGap;
    const int x = NameList->Left + NameList->ListWidth / 2, y = top + NameList->VertGap / 2;
    targets.push_back({NameList->Left, top, NameList->ListWidth, NameList->VertGap, [this, x, y] { PressAt(x, y); }, {}});
  }
  for (TGameButton* button : {NameListNewButton.get(), NameListDeleteButton.get(), NameListOKButton.get()})
    AddFocusTarget(targets, *button);
}

void TFormMain::FollowFocus() {
  const TGameSceneValues scene = GameScene->Value();
  std::vector<TFocusTarget> targets;
  TFocusLayer layer = flScene;
  const TGameButton* preferred = nullptr;
  const auto buttons = [&](auto list) {
    for (const TGameButton* button : list) AddFocusTarget(targets, *button);
  };
  switch (scene) {
    case gsMenu:
      // Down the panel as it reads, then the welcome's link.
      buttons(std::array{PlayButton.get(), OptionsButton.get(), HighScoresButton.get(), HelpButton.get(),
                         ExitButton.get(), ChangePlayerLink.get()});
      preferred = PlayButton.get();
      break;
    case gsConfirmWindow:
      buttons(std::array{&ConfirmWindow->PositiveButton(), &ConfirmWindow->NegativeButton()});
      // A question answered by a stray Enter keeps things as they are.
      preferred = &ConfirmWindow->NegativeButton();
      break;
    case gsOptions:
    case gsInGameOptions:
      AddOptionsTargets(targets);
      preferred = OptionsOKButton.get();
      break;
    case gsInGameMenu:
      buttons(InGameMenuButtons());
      break;
    case gsStageResult:
      AddFocusTarget(targets, *ResultOKButton);
      break;
    case gsPlayerSelect:
      AddPlayerListTargets(targets);
      preferred = NameListOKButton.get();
      break;
    case gsAddPlayer:
    case gsAddInitialPlayer:
      buttons(NameEntryButtons());
      break;
    case gsHighScores:
      AddFocusTarget(targets, *HighScoresOKButton);
      break;
    case gsStickerBook:
      if (ChapterDialog->Playing()) {
        layer = flChat;
        AddFocusTarget(targets, *DialogSkipButton);
      } else if (TGameButton* ok = TutorialButtonOpen()) {
        layer = flTutorial;
        AddFocusTarget(targets, *ok);
      } else if (ShopTakesClicks()) {
        for (int slot = 1; slot <= TBuySlots::SlotCount; ++slot) AddFocusTarget(targets, BuySlots->BuyButton(slot));
        // Play when every upgrade on show is bought.
        if (targets.empty()) preferred = BookPlayButton.get();
        buttons(std::array{BookPlayButton.get(), ShopMenuButton.get()});
      }
      break;
    case gsMap:
      buttons(MapButtons());
      preferred = MapPlayButton.get();
      break;
    case gsOpeningStory:
    case gsEndingStory:
      AddFocusTarget(targets, *StorySkipButton);
      break;
    case gsTutorial:
    case gsTutorialToolTip:
      if (TGameButton* ok = TutorialButtonOpen()) {
        layer = flTutorial;
        AddFocusTarget(targets, *ok);
      }
      AddFocusTarget(targets, *InGameMenuButton);
      break;
    case gsHelp:
      AddFocusTarget(targets, *HelpDoneButton);
      break;
    case gsCredits:
      AddFocusTarget(targets, *CreditsDoneButton);
      break;
    default:
      break;
  }
  const int preferredIndex = preferred ? IndexOf(targets, *preferred) : 0;
  FocusRing->Follow(FocusContext(scene, layer), std::move(targets), preferredIndex);
}

bool TFormMain::FocusKeyDown(int& key, TShiftState shift) {
  const TGameSceneValues scene = GameScene->Value();
  const bool typing = scene == gsAddPlayer || scene == gsAddInitialPlayer;
  FollowFocus();
  const bool navigation = key == vk::Tab || (key >= vk::Left && key <= vk::Down);
  // The first of these only shows where the focus stands.
  if (navigation && !FocusRing->Shown) return true;
  switch (key) {
    case vk::Tab:
      shift.Shift ? FocusRing->Previous() : FocusRing->Next();
      return true;
    case vk::Left:
    case vk::Right:
      if (FocusRing->Adjust(key == vk::Left ? -1 : 1)) return true;
      FocusRing->Move(key == vk::Left ? -1 : 1, 0);
      return true;
    case vk::Up:
    case vk::Down:
      FocusRing->Move(0, key == vk::Up ? -1 : 1);
      return true;
    case vk::Space:
      // In the name entry a space belongs to the name.
      if (typing) return false;
      [[fallthrough]];
    case vk::Return:
      // The name entry confirms on Enter by itself; another control takes
      // the key away from it.
      if (typing && IsAt(FocusRing->Target(), *AddNameOKButton)) return false;
      if (scene == gsStickerBook && ChapterDialog->Playing()) {
        // Enter hurries the conversation on as a click beside the Skip does.
        SceneMouseDown(0, 0, TMouseButton::mbLeft);
        SceneMouseUp(0, 0);
      } else if (scene == gsOpeningStory || scene == gsEndingStory) {
        // Enter turns to the next strip; Escape skips the story.
        (scene == gsOpeningStory ? static_cast<TComicStripsBase&>(*ComicStrips) : *EndingComicStrips).NextStrip();
      } else if (TakesPressAnywhere(scene)) {
        PressAt(kFrameWidth / 2, kFrameHeight / 2);
      } else {
        FocusRing->Press();
      }
      if (key == vk::Return) key = 0;
      return true;
    default:
      return false;
  }
}

void TFormMain::EscapeBack() {
  const auto press = [this](const TGameButton& button) {
    if (button.Visible && button.Enabled) PressAt(button.Left + button.Width() / 2, button.Top + button.Height() / 2);
  };
  switch (GameScene->Value()) {
    case gsConfirmWindow:
      press(ConfirmWindow->NegativeButton());
      break;
    case gsOptions:
    case gsInGameOptions:
      press(*OptionsOKButton);
      break;
    case gsInGameMenu:
      press(*InGameResumeButton);
      break;
    case gsPlayerSelect:
      press(*NameListOKButton);
      break;
    case gsAddPlayer:
    case gsAddInitialPlayer:
      press(*AddNameCancelButton);
      break;
    case gsHighScores:
      press(*HighScoresOKButton);
      break;
    case gsMap:
      press(*MapMenuButton);
      break;
    case gsOpeningStory:
    case gsEndingStory:
      press(*StorySkipButton);
      break;
    case gsHelp:
      press(*HelpDoneButton);
      break;
    case gsCredits:
      press(*CreditsDoneButton);
      break;
    default:
      break;
  }
}

void TFormMain::ShowKeyboardMarks(bool shown) {
  FocusRing->Shown = shown;
  BoardCursor->Shown = shown;
}

void TFormMain::DrawKeyboardMarks() {
  if (!FocusRing->Shown || SceneTransition->Active()) return;
  if (GameScene->Value() == gsMainGame) {
    if (!GameBoard().Visible) return;
    SettleBoardCursor();
    BoardCursor->Draw(GameBoard().TilePixel(BoardCursor->Tile()));
    return;
  }
  FollowFocus();
  FocusRing->Draw();
}

}  // namespace qm
