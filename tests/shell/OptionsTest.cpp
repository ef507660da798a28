// The options window and the in-game menu through the shell: settings
// taken from and written to the player's record, the display mode's
// question, and pausing a round.
#include <gtest/gtest.h>

#include <functional>

#include "progress/LanguageSetting.h"
#include "progress/PlayerFiles.h"
#include "text/GameTextIds.h"
#include "shell/RoundFixture.h"

namespace qm {
namespace {

using testing::RoundThroughTheShell;
using testing::SmallLevel;

class OptionsAndPause : public RoundThroughTheShell {
 protected:
  explicit OptionsAndPause(bool rendering = false) : RoundThroughTheShell(rendering) {}

  bool RunUntil(int maxTicks, const std::function<bool()>& done) {
    for (int tick = 0; tick < maxTicks && !done(); ++tick) game.RunTicks(1);
    return done();
  }
  bool WindowShown(const TGameMenuWindow& window) {
    return RunUntil(200, [&] { return window.State() == mwShown; });
  }
  void ClickWhenShown(const TGameMenuWindow& window, const TGameButton& button) {
    ASSERT_TRUE(WindowShown(window));
    game.Driver().ClickButton(button);
  }
  void ClickBox(const TGameCheckBox& box) { game.Click(box.Left + box.Width / 2, box.Top + box.Height / 2); }

  TFormMain& Form() { return game.Form(); }
};

TEST_F(OptionsAndPause, TheOptionsFromTheMenuAskBeforeChangingTheDisplayAndCancelKeepsIt) {
  Form().GameScene->SetValue(gsMenu);
  const bool fullScreen = Form().OmegaScreen1->FullScreen;
  Form().OpenOptions(false);
  ASSERT_TRUE(WindowShown(*Form().OptionsWindow));
  ClickBox(*Form().FullScreenCheckBox);
  game.Driver().ClickButton(*Form().OptionsOKButton);
  ASSERT_TRUE(RunUntil(200, [&] { return game.Scene() == gsConfirmWindow; }));
  EXPECT_EQ(Form().ConfirmWindow->QuestionKind(), 3);
  ClickWhenShown(Form().ConfirmWindow->Window(), Form().ConfirmWindow->NegativeButton());
  ASSERT_TRUE(RunUntil(200, [&] { return game.Scene() == gsMenu; }));
  EXPECT_EQ(Form().OmegaScreen1->FullScreen, fullScreen);
  EXPECT_EQ(Form().State.FullScreenOption, fullScreen) << "the setting follows the display";
}

// Chosen in the options, a language is kept for the next runs; its texts
// show at once, its lettered pictures with the next scene.
TEST_F(OptionsAndPause, AChosenLanguageSpeaksAtOnceAndIsKept) {
  Form().GameScene->SetValue(gsMenu);
  Form().OpenOptions(false);
  ASSERT_TRUE(WindowShown(*Form().OptionsWindow));
  const std::string englishLabel = Form().TextStrings->Text(ttGameTexts, GameTextId::SoundLabel);
  const auto okPicture = [&] { return Form().OmegaImageList1->FindImage("WindowOKButton")->Filepath; };
  ASSERT_EQ(okPicture().find("/Images/de/"), std::string::npos);

  for (int press = 0; press < 2; ++press) ClickBox(*Form().LanguageBoxes[lnGerman]);
  EXPECT_TRUE(Form().LanguageBoxes[lnGerman]->Checked) << "a second press keeps the choice";
  EXPECT_FALSE(Form().LanguageBoxes[lnEnglish]->Checked);
  EXPECT_NE(Form().TextStrings->Text(ttGameTexts, GameTextId::SoundLabel), englishLabel) << "the window's labels change at once";
  EXPECT_EQ(ReadChosenLanguage(Form().Folders.SaveFolder), lnGerman);
  EXPECT_EQ(okPicture().find("/Images/de/"), std::string::npos) << "pictures wait for the next scene";

  game.Driver().ClickButton(*Form().OptionsOKButton);
  ASSERT_TRUE(RunUntil(200, [&] { return game.Scene() == gsMenu; }));
  EXPECT_NE(okPicture().find("/Images/de/"), std::string::npos);
}

TEST_F(OptionsAndPause, UnchangedDisplayReturnsAtOnceAndTheVolumesAreKept) {
  Form().GameScene->SetValue(gsMenu);
  Form().OpenOptions(false);
  ASSERT_TRUE(WindowShown(*Form().OptionsWindow));
  ClickBox(*Form().SoundCheckBox);  // sound off
  game.Driver().ClickButton(*Form().SoundPlusButton);  // and on again, 10 louder
  game.Driver().ClickButton(*Form().OptionsOKButton);
  ASSERT_TRUE(RunUntil(200, [&] { return game.Scene() == gsMenu; }));
  EXPECT_EQ(Form().PlayerRecord.SoundOn, 1);
  EXPECT_EQ(Form().PlayerRecord.SoundVolume, 80);
}

TEST_F(OptionsAndPause, OptionsLeftThroughTheCreditsAreKeptAsByOK) {
  Form().GameScene->SetValue(gsMenu);
  Form().OpenOptions(false);
  ASSERT_TRUE(WindowShown(*Form().OptionsWindow));
  game.Driver().ClickButton(*Form().SoundMinusButton);
  ClickBox(*Form().TutorialCheckBox);
  ClickBox(*Form().FullScreenCheckBox);
  game.Driver().ClickButton(*Form().CreditsButton);
  ClickWhenShown(*Form().CreditsWindow, *Form().CreditsDoneButton);
  ASSERT_TRUE(RunUntil(200, [&] { return game.Scene() == gsConfirmWindow; })) << "the display mode is asked about";
  EXPECT_EQ(Form().ConfirmWindow->QuestionKind(), 3);
  const auto saved = ReadProgressFile(PlayerSaveFile(Form().Folders.SaveFolder, "ANN"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->SoundVolume, 60);
  EXPECT_EQ(saved->TutorialsOn, 1) << "ticked, from off";
}

TEST_F(OptionsAndPause, EscapePausesTheRoundAndResumeKeepsAnEarlierPause) {
  StartRound();
  PlayFromBanner();
  game.KeyDown(vk::Escape);
  EXPECT_EQ(game.Scene(), gsInGameMenu);
  EXPECT_TRUE(Form().TubeTimer->Paused);
  EXPECT_FALSE(Form().GameBoard().Visible) << "a paused round hides its board";
  EXPECT_FALSE(Form().RoundComment->Visible) << "and its comment, which stands still";
  game.RunTicks(20);
  EXPECT_TRUE(game.DrawnAt("Paused").empty()) << "no label peeking out from under the menu";
  ClickWhenShown(*Form().InGameMenuWindow, *Form().InGameResumeButton);
  ASSERT_TRUE(RunUntil(200, [&] { return game.Scene() == gsMainGame; }));
  EXPECT_FALSE(Form().TubeTimer->Paused);

  Form().SetPaused(true);
  Form().OpenInGameMenu();
  ClickWhenShown(*Form().InGameMenuWindow, *Form().InGameResumeButton);
  ASSERT_TRUE(RunUntil(200, [&] { return game.Scene() == gsMainGame; }));
  EXPECT_TRUE(Form().State.Paused) << "paused before the menu, paused after it";
  game.RunTicks(1);
  EXPECT_EQ(game.DrawnAt("Paused").size(), 1u) << "the label tells a pause without the menu";
}

TEST_F(OptionsAndPause, RestartTakesTheRoundsEarningsBack) {
  StartRound();
  PlayFromBanner();
  const float before = FruitOwned();
  Swap({3, 1}, {3, 2});
  Settle();
  ASSERT_GT(FruitOwned(), before);
  game.KeyDown(vk::Escape);
  ClickWhenShown(*Form().InGameMenuWindow, *Form().InGameRestartButton);
  ASSERT_TRUE(RunUntil(300, [&] { return game.Scene() == gsObjectiveInfo; }));
  EXPECT_EQ(FruitOwned(), before);
}

TEST_F(OptionsAndPause, OptionsFromARoundAndAWindowedSwitchKeepTheClicksOnTheirButtons) {
  StartRound();
  PlayFromBanner();
  game.KeyDown(vk::Escape);
  ClickWhenShown(*Form().InGameMenuWindow, *Form().InGameOptionsButton);
  ASSERT_TRUE(WindowShown(*Form().OptionsWindow));
  EXPECT_EQ(game.Scene(), gsInGameOptions);
  const bool fullScreen = Form().OmegaScreen1->FullScreen;
  ClickBox(*Form().FullScreenCheckBox);
  game.Driver().ClickButton(*Form().OptionsOKButton);
  ASSERT_TRUE(RunUntil(200, [&] { return game.Scene() == gsConfirmWindow; }));
  EXPECT_EQ(Form().ConfirmWindow->QuestionKind(), 4);
  ClickWhenShown(Form().ConfirmWindow->Window(), Form().ConfirmWindow->PositiveButton());
  EXPECT_NE(Form().OmegaScreen1->FullScreen, fullScreen);
  ASSERT_TRUE(RunUntil(200, [&] { return game.Scene() == gsMainGame; }));
  EXPECT_FALSE(Form().TubeTimer->Paused);
  // In the new mode a click on the menu button still opens the menu.
  game.Driver().ClickButton(*Form().InGameMenuButton);
  EXPECT_EQ(game.Scene(), gsInGameMenu);
}

class OptionPictures : public OptionsAndPause {
 protected:
  OptionPictures() : OptionsAndPause(/*rendering=*/true) {}
};

TEST_F(OptionPictures, TheOptionsAndTheInGameMenu) {
  StartRound();
  PlayFromBanner();
  game.KeyDown(vk::Escape);
  ASSERT_TRUE(WindowShown(*Form().InGameMenuWindow));
  game.CaptureFrame("options-in-game-menu");
  game.Driver().ClickButton(*Form().InGameOptionsButton);
  ASSERT_TRUE(WindowShown(*Form().OptionsWindow));
  game.RunTicks(5);
  game.CaptureFrame("options-window");
}

}  // namespace
}  // namespace qm
