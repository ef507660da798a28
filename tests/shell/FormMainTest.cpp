#include "shell/FormMain.h"

#include <gtest/gtest.h>

#include <fstream>

#include "engine/EffectsMode.h"
#include "engine/ImageDecoder.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::THeadlessGame;

TEST(StartUp, HundredTicksPresentHundredBlackFrames) {
  THeadlessGame game;
  game.Start();
  game.RunTicks(100);
  auto* device = game.Device();
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->FramesPresented, 100);
  EXPECT_EQ(device->ClearColor, 0xFF000000u);
  EXPECT_TRUE(device->Linear) << "every frame switches smoothing on";
  EXPECT_EQ(game.Window().ClientWidth(), 1366);
  EXPECT_TRUE(game.Messages().Messages.empty());
}

TEST(StartUp, TheWindowIsNamedAndShown) {
  THeadlessGame game;
  game.Start();
  auto& window = static_cast<THeadlessWindow&>(game.Window());
  EXPECT_EQ(window.Title, "Quillmere");
  EXPECT_TRUE(window.Visible);
  EXPECT_TRUE(window.FixedBorder);
}

TEST(StartUp, TheGameTicksThirtyThreeTimesASecond) {
  THeadlessGame game;
  game.Start();
  long long before = game.Form().FramesTicked();
  // A busy loop passing every microsecond for one second.
  for (int pass = 0; pass < 1'000'000; ++pass) {
    game.Clock().Advance(1);
    game.Application().Idle();
  }
  EXPECT_EQ(game.Form().FramesTicked() - before, 33);
}

TEST(StartUp, TheSaveFolderIsMadeUnderTheDataFolder) {
  THeadlessGame game;
  game.Start();
  EXPECT_TRUE(std::filesystem::is_directory(game.Form().Folders.SaveFolder));
  EXPECT_EQ(game.Form().Folders.SaveFolder.filename(), "Quillmere - Qvx");
}

TEST(StartUp, TheBackBufferIsTheFrameItself) {
  THeadlessGame game;
  game.Start();
  EXPECT_EQ(game.Form().OmegaScreen1->Width, 1366);
  EXPECT_EQ(game.Form().OmegaScreen1->Height, 768);
  EXPECT_FLOAT_EQ(game.Form().OmegaScreen1->ScaleX, 1.0f);
  EXPECT_EQ(game.Device()->Params.Width, 1366);
}

TEST(StartUp, TheFirstLogoTickEntersFullScreenOnce) {
  THeadlessGame game;
  game.Start();
  EXPECT_FALSE(game.Form().OmegaScreen1->FullScreen);
  game.RunTicks(1);
  EXPECT_TRUE(game.Form().OmegaScreen1->FullScreen);
  EXPECT_TRUE(game.Window().FullScreen());
  game.Form().OmegaScreen1->FullScreen = false;
  game.RunTicks(5);
  EXPECT_FALSE(game.Form().OmegaScreen1->FullScreen) << "the switch happens only once";
}

class StartUpDialog : public ::testing::Test {
 protected:
  void TearDown() override {
    ReducedEffectsMode = false;
    ForceFullEffects = false;
  }
};

TEST_F(StartUpDialog, OlderSystemsNeverSeeIt) {
  THeadlessGame game;
  game.System().OsVersion = {true, 6, 1, true};
  bool shown = false;
  game.Form().OnShowStartupDialog = [&](TFormWin10Confirm&) { shown = true; };
  game.Start();
  EXPECT_FALSE(shown);
  EXPECT_FALSE(ReducedEffectsMode);
}

TEST_F(StartUpDialog, WindowedModeChosenThereStartsWindowed) {
  THeadlessGame game;
  game.System().OsVersion = {true, 10, 0, true};
  game.Form().OnShowStartupDialog = [](TFormWin10Confirm& dialog) {
    EXPECT_FALSE(dialog.FormCloseQuery()) << "only its buttons close it";
    dialog.Button2Click();
  };
  game.Start();
  EXPECT_TRUE(ReducedEffectsMode);
  EXPECT_FALSE(game.Form().State.StartFullScreen);
  game.RunTicks(3);
  EXPECT_FALSE(game.Form().OmegaScreen1->FullScreen);
}

TEST_F(StartUpDialog, ForcingFullEffectsTurnsReducedModeOff) {
  THeadlessGame game;
  game.System().OsVersion = {true, 6, 2, true};
  game.Form().OnShowStartupDialog = [](TFormWin10Confirm& dialog) {
    dialog.ForceFullEffectsChecked = true;
    dialog.Button1Click();
  };
  game.Start();
  EXPECT_FALSE(ReducedEffectsMode);
  EXPECT_TRUE(ForceFullEffects);
  EXPECT_TRUE(game.Form().State.StartFullScreen);
}

TEST(ReducedEffectsRule, WhichSystemsAskForIt) {
  EXPECT_FALSE(ReducedEffectsWanted({true, 6, 1, true}));
  EXPECT_TRUE(ReducedEffectsWanted({true, 6, 2, true}));
  EXPECT_TRUE(ReducedEffectsWanted({true, 6, 3, true}));
  EXPECT_FALSE(ReducedEffectsWanted({true, 6, 3, false})) << "servers of 6.3 keep full effects";
  EXPECT_TRUE(ReducedEffectsWanted({true, 10, 0, false}));
  EXPECT_FALSE(ReducedEffectsWanted({false, 10, 0, true}));
  EXPECT_FALSE(ReducedEffectsWanted(TOsVersion{})) << "what Linux reports";
}

class FocusRules : public ::testing::Test {
 protected:
  void SetUp() override {
    Game.Start();
    Game.RunTicks(1);  // enters full screen
    Game.Form().GameScene->SetValue(gsMenu);
  }
  bool Ticking() { return Game.Form().OmegaTimer1->Enabled(); }

  THeadlessGame Game;
};

TEST_F(FocusRules, LosingFocusInFullScreenMinimisesAfterAShortDelay) {
  Game.Application().OnDeactivate();
  EXPECT_FALSE(Ticking());
  ASSERT_TRUE(Game.Form().Timer1Running());
  Game.Application().FireTimers();
  EXPECT_FALSE(Game.Form().Timer1Running());
  EXPECT_FALSE(Game.Form().OmegaScreen1->FullScreen);
  EXPECT_TRUE(static_cast<THeadlessWindow&>(Game.Window()).Minimized);
}

TEST_F(FocusRules, RestoringResumesAndReturnsToFullScreenWhenAsked) {
  Game.Form().State.FullScreenOption = true;
  Game.Application().OnDeactivate();
  Game.Application().FireTimers();
  Game.Application().OnRestore();
  EXPECT_TRUE(Ticking());
  EXPECT_TRUE(Game.Form().OmegaScreen1->FullScreen);
}

TEST_F(FocusRules, FocusBackWithinTheDelayCancelsTheSwitchAndPlaysOn) {
  Game.Application().OnDeactivate();
  Game.Application().OnActivate();
  EXPECT_FALSE(Game.Form().Timer1Running());
  EXPECT_TRUE(Game.Form().OmegaScreen1->FullScreen);
  EXPECT_TRUE(Ticking());
}

TEST_F(FocusRules, WindowedGamesJustPauseAndResume) {
  Game.Form().OmegaScreen1->FullScreen = false;
  Game.Application().OnDeactivate();
  EXPECT_FALSE(Ticking());
  EXPECT_FALSE(Game.Form().Timer1Running());
  Game.Application().OnActivate();
  EXPECT_TRUE(Ticking());
}

TEST_F(FocusRules, DuringTheLogosFullScreenIsKept) {
  Game.Form().GameScene->SetValue(gsCompanyLogos);
  Game.Application().OnDeactivate();
  EXPECT_FALSE(Game.Form().Timer1Running());
  EXPECT_FALSE(Ticking());
}

TEST(Keys, F10IsSwallowed) {
  THeadlessGame game;
  game.Start();
  int key = vk::F10;
  game.Window().OnKeyDown(key, {});
  EXPECT_EQ(key, 0);
}

TEST(Shutdown, ClosingTheWindowStopsTheGame) {
  THeadlessGame game;
  game.Start();
  game.RunTicks(10);
  game.Window().Close();
  EXPECT_FALSE(game.Form().OmegaTimer1->Enabled());
  EXPECT_TRUE(game.Application().Terminated());
  long long ticks = game.Form().FramesTicked();
  game.Clock().AdvanceMs(100);
  game.Application().Idle();
  EXPECT_EQ(game.Form().FramesTicked(), ticks);
}

TEST(BadStart, NoDisplayEndsWithTheGraphicsMessage) {
  auto platform = CreateHeadlessPlatform();
  platform->Graphics.reset();
  auto& messages = static_cast<THeadlessMessageBox&>(*platform->MessageBox);
  try {
    TFormMain form(*platform);
    FAIL() << "the game went on without a display";
  } catch (const TProgramHalted& halted) {
    EXPECT_EQ(halted.ExitCode, 1);
  }
  ASSERT_EQ(messages.Messages.size(), 2u);
  EXPECT_EQ(messages.Messages[0].Text, TOmegaScreen::kNoGraphicsMessage);
  EXPECT_EQ(messages.Messages[1].Text, "This application will now exit.");
}

TEST(BadStart, AProgramFolderThatCannotBeEnteredEndsWithItsMessage) {
  THeadlessGame game;
  game.System().ProgramDir = game.Root() / "missing";
  game.Form().FormCreate();
  EXPECT_TRUE(game.Messages().Shown(TFormMain::kNonAsciiFolderMessage));
  EXPECT_TRUE(game.Application().Terminated());
}

TEST(BadStart, NoSaveRootEndsWithItsMessage) {
  THeadlessGame game;
  game.System().SaveRoots = {std::nullopt};
  game.Form().FormCreate();
  EXPECT_TRUE(game.Messages().Shown("Error: could not access game save folder."));
  EXPECT_TRUE(game.Application().Terminated());
}

TEST(BadStart, ASaveRootThatCannotBeMadeIsReportedAndTheGameGoesOn) {
  THeadlessGame game;
  std::filesystem::create_directories(game.Root());
  std::ofstream(game.Root() / "notafolder") << "x";
  game.System().SaveRoots = {game.Root() / "notafolder" / "share"};
  game.Start();
  game.RunTicks(3);
  EXPECT_TRUE(game.Messages().Shown("Error: could not create game save folder. (#1)"));
  EXPECT_EQ(game.Device()->FramesPresented, 3);
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST(Screenshot, F12SavesTheFrameIntoTheSaveFolder) {
  testing::THeadlessGame game({.Rendering = true, .DrawEveryTick = true});
  game.Start();
  game.RunTicks(2);
  int key = vk::F12;
  game.Window().OnKeyDown(key, {});
  auto file = game.Form().Folders.SaveFolder / "Screenshot001.png";
  ASSERT_TRUE(std::filesystem::exists(file));
  TRgbaImage shot = DecodeImageFile(file);
  EXPECT_EQ(shot.Width, 1366);
  EXPECT_EQ(shot.Height, 768);
  const std::uint8_t* middle = shot.At(683, 384);
  EXPECT_EQ(middle[0], 0);
  EXPECT_EQ(middle[3], 255) << "cleared to opaque black";
  game.Window().OnKeyDown(key, {});
  EXPECT_TRUE(std::filesystem::exists(game.Form().Folders.SaveFolder / "Screenshot002.png"));
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST(BadStart, AMissingTextTableIsNamedAndEndsTheGame) {
  testing::THeadlessGame game;
  std::filesystem::remove(game.System().ProgramDir / "Texts" / "GameConfirms.txt");
  game.Form().FormCreate();
  ASSERT_EQ(game.Messages().Messages.size(), 1u);
  EXPECT_NE(game.Messages().Messages[0].Text.find("GameConfirms.txt"), std::string::npos);
  EXPECT_TRUE(game.Application().Terminated());
}

TEST(BadStart, ABadSettingsValueNamesItsLine) {
  testing::THeadlessGame game;
  std::ofstream(game.System().ProgramDir / "Texts" / "_settings.txt")
      << "[Quillmere]\nLanguage=en\nCharSet=1\nReserved=0\nReserved=0\nSmall=10\nMedium=12\nLarge=20\n";
  game.Form().FormCreate();
  ASSERT_EQ(game.Messages().Messages.size(), 1u);
  EXPECT_NE(game.Messages().Messages[0].Text.find("line 2"), std::string::npos);
  EXPECT_TRUE(game.Application().Terminated());
}

}  // namespace
}  // namespace qm
