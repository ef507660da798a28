#include "Gallery.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "engine/EffectsMode.h"
#include "platform/PngWriter.h"

namespace qm {

namespace fs = std::filesystem;

namespace {

constexpr int kCentreX = 683, kCentreY = 384;

// The harvest of a few rounds: what the island's four upgrades cost, and a
// little over.
TAccounts HarvestFor(const TBuySlots& shop, int island) {
  TAccounts harvest{};
  for (int slot = 1; slot <= TBuySlots::SlotCount; ++slot)
    for (int kind = 0; kind < TBuySlots::KindCount; ++kind) harvest[kind] += shop.Slot(island, slot).Prices[kind];
  for (float& amount : harvest) amount = amount * 1.1f + 20;
  return harvest;
}

}  // namespace

TGallery::TGallery(const TOptions& options)
    : FOptions(options), FSaves(fs::temp_directory_path() / ("qm-gallery-" + std::to_string(::getpid()))) {
  THeadlessDriver::TOptions driver;
  driver.ProgramFolder = options.Game;
  driver.SaveRoot = FSaves;
  driver.Rendering = true;
  driver.DrawOnDemand = true;
  FDriver = std::make_unique<THeadlessDriver>(driver);
  FDriver->SkipsStories = true;
  FDriver->KeysOnly = options.Keys;
}

TGallery::~TGallery() {
  FDriver.reset();
  std::error_code error;
  fs::remove_all(FSaves, error);
}

bool TGallery::Fail(const std::string& what) {
  Error = what + " (scene " + std::to_string(int(FDriver->Scene())) + ", tick " +
          std::to_string(FDriver->Ticks()) + ")";
  return false;
}

bool TGallery::Until(const std::function<bool()>& condition, int maxTicks) {
  for (int tick = 0; tick < maxTicks; ++tick) {
    if (condition()) return true;
    FDriver->Tick();
  }
  return condition();
}

bool TGallery::WindowShown(const TGameMenuWindow& window) const { return window.State() == mwShown; }

void TGallery::Shot(const std::string& name) {
  TOmegaScreen& screen = *FDriver->Form().OmegaScreen1;
  IScreenDevice* device = screen.Device();
  if (!device) return;
  // The contrast of the texts is judged on frames without the decoration,
  // whose sparks would pass for letters or for what stands behind them;
  // the frame kept is drawn with everything.
  TScreenLayout plain;
  screen.Layout = &plain;
  const bool decorationWasOff = ReducedDecoration;
  ReducedDecoration = true;
  plain.HideLetters = true;
  FDriver->DrawTick();
  std::optional<TRgbaImage> withoutLetters = device->ReadFrame();
  plain.Clear();
  plain.HideLetters = false;
  FDriver->DrawTick();
  std::optional<TRgbaImage> plainFrame = device->ReadFrame();
  ReducedDecoration = decorationWasOff;
  TScreenLayout layout;
  screen.Layout = &layout;
  FDriver->DrawTick();
  std::optional<TRgbaImage> frame = device->ReadFrame();
  screen.Layout = nullptr;
  if (!frame || !withoutLetters || !plainFrame) return;
  char number[16];
  std::snprintf(number, sizeof number, "%03d", FSheet.Count() + 1);
  const std::string file = std::string(number) + "-" + name + ".png";
  if (!WritePng(FOptions.Out / file, *frame)) {
    Error = "cannot write " + (FOptions.Out / file).string();
    return;
  }
  FSheet.Add(*frame);
  FIndex += file + "\n";
  for (const std::string& fault : LayoutFaults(layout.Items, frame->Width, frame->Height))
    Faults.push_back(file + ": " + fault);
  for (const std::string& fault : ContrastFaults(plain.Items, *plainFrame, *withoutLetters))
    Faults.push_back(file + ": " + fault);
}

bool TGallery::Walk() {
  std::error_code error;
  fs::create_directories(FOptions.Out, error);
  FDriver->Form().LanguageForThisRun(FOptions.Language, lnEnglish);
  if (!FDriver->Start()) return Fail("the game did not start");
  if (!StartToNameEntry() || !NameEntryToMenu() || !MenuWindows() || !MapAndBanner() || !FirstRound())
    return false;
  if (FOptions.Sample) return Error.empty();
  return ResultAndUpgradeScene() && EveryIsland() && MenuQuestions() && SlowRound(90) && SlowRound(400) &&
         TownAndEnding() && Error.empty();
}

bool TGallery::StartToNameEntry() {
  TFormMain& form = FDriver->Form();
  FDriver->Tick(20);
  Shot("logos");
  if (!Until([&] {
        if (FDriver->Scene() == gsCompanyLogos) FDriver->Click(kCentreX, kCentreY);
        return FDriver->Scene() == gsSplash;
      }))
    return Fail("the splash");
  FDriver->Tick(10);
  Shot("splash-loading");
  if (!Until([&] { return form.LoadingBar->LoadingFinished(); }, 4000)) return Fail("the end of loading");
  FDriver->Tick(20);
  Shot("splash-ready");
  FDriver->Click(kCentreX, kCentreY);
  if (!Until([&] { return FDriver->Scene() == gsAddInitialPlayer && WindowShown(*form.AddNameWindow); }))
    return Fail("the name entry");
  Shot("name-entry-empty");
  FDriver->Type("Anna");
  FDriver->Tick(3);
  Shot("name-entry-typed");
  FDriver->Type("#");
  FDriver->Tick(3);
  Shot("name-entry-refused-character");
  return true;
}

bool TGallery::NameEntryToMenu() {
  TFormMain& form = FDriver->Form();
  FDriver->ClickButton(*form.AddNameOKButton);
  if (!Until([&] { return FDriver->Scene() == gsOpeningStory && !form.SceneTransition->Active(); }))
    return Fail("the opening story");
  StoryPages(*form.ComicStrips, gsOpeningStory, "opening-story-");
  if (!FDriver->SeeStoryThrough(20000)) return Fail("the end of the opening story");
  if (!FDriver->WaitForScene(gsMenu, 2000)) return Fail("the menu");
  FDriver->Tick(60);
  Shot("menu");
  return true;
}

bool TGallery::MenuWindow(const TGameButton& open, const std::function<bool()>& shown, const std::string& name,
                          const TGameButton& close, int settleTicks) {
  FDriver->ClickButton(open);
  if (!Until(shown)) return Fail("the " + name);
  FDriver->Tick(settleTicks);
  Shot(name);
  FDriver->ClickButton(close);
  return BackAtMenu("the " + name);
}

bool TGallery::BackAtMenu(const std::string& after) {
  return (FDriver->WaitForScene(gsMenu, 600) && FDriver->WaitForPanel(*FDriver->Form().MenuPanelMover, 600)) ||
         Fail("the menu after " + after);
}

bool TGallery::MenuWindows() {
  TFormMain& form = FDriver->Form();
  FDriver->ClickButton(*form.OptionsButton);
  if (!Until([&] { return WindowShown(*form.OptionsWindow); })) return Fail("the options");
  Shot("options");
  const bool windows =
      MenuWindow(*form.CreditsButton, [&] { return FDriver->Scene() == gsCredits && WindowShown(*form.CreditsWindow); },
                 "credits", *form.CreditsDoneButton, 90) &&
      MenuWindow(*form.HighScoresButton, [&] { return WindowShown(*form.HighScoresWindow); }, "high-scores",
                 *form.HighScoresOKButton, 0) &&
      MenuWindow(*form.HelpButton, [&] { return FDriver->Scene() == gsHelp; }, "help", *form.HelpDoneButton, 30) &&
      MenuWindow(*form.ChangePlayerLink, [&] { return WindowShown(*form.NameListWindow); }, "player-list",
                 *form.NameListOKButton, 0);
  if (!windows) return false;
  FDriver->ClickButton(*form.OptionsButton);
  if (!Until([&] { return WindowShown(*form.OptionsWindow); })) return Fail("the options again");
  return DisplayModeQuestion("display-mode") && BackAtMenu("the display mode question");
}

bool TGallery::DisplayModeQuestion(const std::string& name) {
  TFormMain& form = FDriver->Form();
  const TGameCheckBox& box = *form.FullScreenCheckBox;
  FDriver->Click(box.Left + box.Width / 2, box.Top + box.Height / 2);
  FDriver->ClickButton(*form.OptionsOKButton);
  return AnswerNo(name);
}

bool TGallery::MapAndBanner() {
  TFormMain& form = FDriver->Form();
  FDriver->Tick(45);
  FDriver->ClickButton(*form.PlayButton);
  if (!FDriver->WaitForScene(gsMap, 600) || !FDriver->WaitForPanel(*form.MapRightPanelMover, 600))
    return Fail("the map");
  FDriver->Tick(30);
  Shot("map");
  FDriver->ClickButton(*form.MapPlayButton);
  if (!FDriver->WaitForScene(gsObjectiveInfo, 600)) return Fail("the objectives");
  ObjectivesAtRest();
  Shot("objectives");
  FDriver->Click(kCentreX, kCentreY);
  const auto inRound = [&] {
    const TGameSceneValues scene = FDriver->Scene();
    return (scene == gsMainGame || scene == gsTutorial || scene == gsTutorialToolTip) &&
           !form.SceneTransition->Active();
  };
  return Until(inRound) || Fail("the first round");
}

void TGallery::ObjectivesAtRest() {
  TFormMain& form = FDriver->Form();
  Until([&] { return form.LeftPanel->State() == mwShown; }, 300);
  FDriver->Tick(10);
}

void TGallery::ResultAtRest() {
  TFormMain& form = FDriver->Form();
  Until([&] { return form.LeftPanel->State() == mwHidden; }, 300);
  FDriver->Tick(30);
}

void TGallery::ShotTutorials() {
  TFormMain& form = FDriver->Form();
  for (int shown = 0; shown < 4; ++shown) {
    const bool scroll = form.Tutorial->Visible() && form.TutorialOKButton->Visible;
    const bool tip = form.ToolTip->Showing() && form.ToolTipOKButton->Visible;
    if (!scroll && !tip) return;
    Until([&] { return scroll ? form.Tutorial->Fade() >= 1 : form.ToolTip->Fade() >= 1; }, 200);
    FDriver->Tick(150);  // the words are written out
    Shot(scroll ? "scroll-" + std::to_string(form.Tutorial->Current())
                : "tool-tip-" + std::to_string(form.ToolTip->Current()));
    FDriver->ConfirmTutorial(200);
    FDriver->Tick(20);
  }
}

bool TGallery::FirstRound() {
  TFormMain& form = FDriver->Form();
  FDriver->Tick(40);
  ShotTutorials();
  Shot("round");
  FDriver->ClickButton(*form.InGameMenuButton);
  if (!Until([&] { return WindowShown(*form.InGameMenuWindow); })) return Fail("the in-game menu");
  Shot("in-game-menu");
  FDriver->ClickButton(*form.InGameToMenuButton);
  if (!Until([&] { return FDriver->Scene() == gsConfirmWindow; })) return Fail("the question of leaving");
  FDriver->Tick(30);
  Shot("confirm-leave-round");
  FDriver->ClickButton(form.ConfirmWindow->NegativeButton());
  if (!Until([&] { return FDriver->Scene() != gsConfirmWindow; })) return Fail("the round after No");
  if (FDriver->Scene() == gsInGameMenu) FDriver->ClickButton(*form.InGameResumeButton);
  return (FDriver->WaitForScene(gsMainGame, 600) || Fail("the round after No")) && RoundWindows();
}

bool TGallery::RoundWindows() {
  TFormMain& form = FDriver->Form();
  const auto inGameMenu = [&] {
    FDriver->ClickButton(*form.InGameMenuButton);
    return Until([&] { return WindowShown(*form.InGameMenuWindow); }) || Fail("the in-game menu");
  };
  if (!inGameMenu()) return false;
  FDriver->ClickButton(*form.InGameOptionsButton);
  if (!Until([&] { return WindowShown(*form.OptionsWindow); })) return Fail("the options of a round");
  Shot("in-game-options");
  if (!DisplayModeQuestion("display-mode-in-round") || !FDriver->WaitForScene(gsMainGame, 600))
    return Fail("the round after the display mode question");
  if (!inGameMenu()) return false;
  FDriver->ClickButton(*form.InGameHelpButton);
  if (!Until([&] { return FDriver->Scene() == gsHelp; })) return Fail("the help of a round");
  FDriver->Tick(30);
  Shot("in-game-help");
  FDriver->ClickButton(*form.HelpDoneButton);
  if (!FDriver->WaitForScene(gsMainGame, 600)) return Fail("the round after help");
  bool canClose = true;
  form.FormCloseQuery(canClose);
  return AnswerNo("close-in-round") && (FDriver->WaitForScene(gsMainGame, 600) || Fail("the round after closing"));
}

bool TGallery::ResultAndUpgradeScene() {
  TFormMain& form = FDriver->Form();
  for (int tick = 0; tick < 20000 && FDriver->Scene() != gsRoundClear; ++tick) {
    ShotTutorials();
    FDriver->MakeHintMove();
    FDriver->Tick();
    if (tick == 300) {
      Shot("round-under-way");
      // The jar's bonus after a combo, over its badge.
      form.EnergyBonusPopper->Start(1);
      FDriver->Tick(12);
      Shot("manna-bonus");
    }
  }
  if (FDriver->Scene() != gsRoundClear) return Fail("the round's end");
  Shot("round-clear");
  FDriver->Tick(25);
  Shot("round-celebration");
  if (!Until([&] { return FDriver->Scene() == gsStageResult && WindowShown(*form.ResultWindow); }, 2000))
    return Fail("the result window");
  ResultAtRest();
  Shot("result");
  if (!FDriver->LeaveResult(2000)) return Fail("the upgrade scene");
  FDriver->Tick(60);
  ShotTutorials();
  Shot("upgrade-scene");
  form.BuySlots->SetAccounts(HarvestFor(*form.BuySlots, 1));
  form.BuySlots->UpdateAffordable();
  for (int slot = 1; slot <= TBuySlots::SlotCount; ++slot)
    if (!Purchase(slot, "-" + std::to_string(slot))) return false;
  return true;
}

bool TGallery::Purchase(int slot, const std::string& suffix) {
  TFormMain& form = FDriver->Form();
  if (!Until([&] { return form.ShopTakesClicks(); }, 3000)) return Fail("the shop before purchase" + suffix);
  // One frame for the focus to take the buy buttons the harvest has just
  // made affordable.
  if (FOptions.Keys) FDriver->Tick();
  FDriver->ClickButton(form.BuySlots->BuyButton(slot));
  if (!form.BuySlots->Slot(form.BuySlots->IslandIdx, slot).Bought) return Fail("purchase" + suffix);
  FDriver->Tick(40);
  Shot("bought" + suffix);
  if (Until([&] { return form.ChapterDialog->Playing(); }, 600)) {
    FDriver->Tick(150);
    Shot("chat" + suffix);
  }
  FDriver->SeeStoryThrough(20000);
  FDriver->Tick(90);
  ShotTutorials();
  Shot("town" + suffix);
  return true;
}

bool TGallery::EveryIsland() {
  TFormMain& form = FDriver->Form();
  if (!Until([&] { return form.ShopTakesClicks(); }, 2000)) return Fail("the shop taking clicks");
  FDriver->ClickButton(*form.ShopMenuButton);
  if (!BackAtMenu("the upgrade scene")) return false;
  constexpr int kGuardianLevels[] = {12, 13, 15, 16, 18};
  for (int island = 1; island <= 5; ++island) {
    if (island > 1 && !IslandRound(island, 1)) return false;
    if (!IslandRound(island, kGuardianLevels[island - 1])) return false;
  }
  return true;
}

bool TGallery::IslandRound(int island, int level) {
  TFormMain& form = FDriver->Form();
  const std::string name = "island-" + std::to_string(island) + (level == 1 ? "" : "-guardian");
  // Where a player who got this far would resume.
  form.Progress.NextUncompletedIslandIdx = island;
  form.Progress.NextUncompletedLevelIdx = level;
  for (int open = 1; open <= island; ++open) form.MapIslands->Unlock(open);
  FDriver->ClickButton(*form.PlayButton);
  if (!FDriver->WaitForScene(gsMap, 600) || !FDriver->WaitForPanel(*form.MapRightPanelMover, 600))
    return Fail("the map of " + name);
  FDriver->Tick(30);
  if (level == 1) Shot("map-" + name);
  form.Progress.LevelIdx = level;
  FDriver->ClickButton(*form.MapPlayButton);
  if (!FDriver->WaitForScene(gsObjectiveInfo, 600)) return Fail("the objectives of " + name);
  ObjectivesAtRest();
  Shot("objectives-" + name);
  FDriver->Click(kCentreX, kCentreY);
  if (!Until([&] { return FDriver->Scene() != gsObjectiveInfo && !form.SceneTransition->Active(); }))
    return Fail("the round of " + name);
  FDriver->Tick(40);
  ShotTutorials();
  FDriver->Tick(60);
  Shot("round-" + name);
  if (level != 1) {
    // A piece thrown at the guardian: the stars of the hit, where a piece
    // falling on its head would strike.
    const TBossMonster& guardian = form.CurrentBoss();
    const TBossShape& shape = guardian.Shape();
    form.Effects->HitStars->BurstAt(float(guardian.X()) + float(shape.HitLeftAdd + shape.HitRightAdd) / 2,
                                    float(guardian.Y()) + float(shape.HitTopAdd));
    FDriver->Tick(6);
    Shot("guardian-hit-" + std::to_string(island));
  }
  if (island == 1 && level != 1) return OutOfTime();
  if (island == 2 && level == 1 && !MedalTimeOver()) return false;
  return FDriver->LeaveRoundForMenu(1200) || Fail("the menu after the round of " + name);
}

bool TGallery::OutOfTime() {
  TFormMain& form = FDriver->Form();
  if (!Until([&] { return FDriver->Scene() == gsTimeUp || FDriver->Scene() == gsConfirmWindow; }, 60000))
    return Fail("the guardian's time running out");
  FDriver->Tick(20);
  Shot("time-up");
  if (!AnswerNo("out-of-time")) return false;
  return BackAtMenu("the guardian's time") || Fail("the menu after " + std::to_string(form.Progress.LevelIdx));
}

bool TGallery::MedalTimeOver() {
  TFormMain& form = FDriver->Form();
  const std::string& notice = form.TextStrings->Text(ttGameComments, CommentTextId::MedalTimeOver);
  if (!Until([&] { return form.RoundComment->Text() == notice; }, 60000)) return Fail("the medal time's end");
  FDriver->Tick(45);
  Shot("medal-time-over");
  return true;
}

bool TGallery::AnswerNo(const std::string& name) {
  TFormMain& form = FDriver->Form();
  if (!Until([&] { return FDriver->Scene() == gsConfirmWindow && WindowShown(form.ConfirmWindow->Window()); }))
    return Fail("the question " + name);
  Shot("confirm-" + name);
  FDriver->ClickButton(form.ConfirmWindow->NegativeButton());
  return Until([&] { return FDriver->Scene() != gsConfirmWindow; }) || Fail("the answer to " + name);
}

bool TGallery::MenuQuestions() {
  TFormMain& form = FDriver->Form();
  FDriver->ClickButton(*form.ExitButton);
  if (!AnswerNo("quit-the-game") || !FDriver->WaitForScene(gsMenu, 600)) return Fail("the menu after quitting");
  FDriver->Tick(45);
  FDriver->ClickButton(*form.ChangePlayerLink);
  if (!Until([&] { return WindowShown(*form.NameListWindow); })) return Fail("the player list");
  FDriver->ClickButton(*form.NameListDeleteButton);
  if (!AnswerNo("delete-player")) return false;
  if (!Until([&] { return WindowShown(*form.NameListWindow); })) return Fail("the player list after No");
  FDriver->ClickButton(*form.NameListNewButton);
  if (!Until([&] { return WindowShown(*form.AddNameWindow); })) return Fail("the name entry");
  FDriver->Type("Anna\r");
  if (!AnswerNo("name-taken")) return false;
  if (!Until([&] { return WindowShown(*form.NameListWindow); })) return Fail("the player list after a taken name");
  FDriver->ClickButton(*form.NameListOKButton);
  return BackAtMenu("the player list");
}

bool TGallery::SlowRound(int pauseTicks) {
  TFormMain& form = FDriver->Form();
  form.Progress.NextUncompletedIslandIdx = 1;
  form.Progress.NextUncompletedLevelIdx = 2;
  FDriver->ClickButton(*form.PlayButton);
  if (!FDriver->WaitForScene(gsMap, 600) || !FDriver->WaitForPanel(*form.MapRightPanelMover, 600) ||
      !FDriver->PlayFromMap(600))
    return Fail("a slow round");
  FDriver->Tick(30);
  FDriver->Click(kCentreX, kCentreY);
  for (int tick = 0, nextMove = 0; tick < 60000 && FDriver->Scene() != gsRoundClear; ++tick) {
    FDriver->ConfirmTutorial(200);
    if (tick >= nextMove && FDriver->MakeHintMove()) nextMove = tick + pauseTicks;
    FDriver->Tick();
  }
  if (!Until([&] { return FDriver->Scene() == gsStageResult && WindowShown(*form.ResultWindow); }, 3000))
    return Fail("the slow round's result");
  ResultAtRest();
  const TMedalKind medal = form.ResultMedal->MedalKind();
  Shot(std::string("result-") + (medal == mdGold ? "gold" : medal == mdSilver ? "silver" : "bronze"));
  if (!FDriver->LeaveResult(2000) || !Until([&] { return form.ShopTakesClicks(); }, 3000))
    return Fail("the upgrade scene after a slow round");
  FDriver->ClickButton(*form.ShopMenuButton);
  return BackAtMenu("a slow round");
}

bool TGallery::TownAndEnding() {
  TFormMain& form = FDriver->Form();
  for (int island = 2; island <= TBuySlots::IslandCount; ++island) {
    form.Progress.IslandIdx = form.Progress.NextUncompletedIslandIdx = island;
    form.Progress.LevelIdx = 1;
    form.BuySlots->SetAccounts(HarvestFor(*form.BuySlots, island));
    // Into the upgrade scene as after a won round on this island.
    form.SceneTransition->Start(gsMenu, gsStickerBook);
    if (!FDriver->WaitForScene(gsStickerBook, 600)) return Fail("the upgrade scene of island " + std::to_string(island));
    for (int slot = 1; slot <= TBuySlots::SlotCount; ++slot) {
      if (!Until([&] { return form.ShopTakesClicks(); }, 3000)) return Fail("the shop of island " + std::to_string(island));
      if (!FDriver->BuyUpgrade(slot, 20000) && !form.GameComplete()) return Fail("a purchase on island " + std::to_string(island));
    }
    FDriver->Tick(90);
    Shot("town-island-" + std::to_string(island));
    if (island < TBuySlots::IslandCount) {
      FDriver->ClickButton(*form.ShopMenuButton);
      if (!BackAtMenu("the town of island " + std::to_string(island))) return false;
    }
  }
  return Ending();
}

bool TGallery::Ending() {
  TFormMain& form = FDriver->Form();
  if (!Until([&] { return form.ShopTakesClicks(); }, 3000)) return Fail("the finished town");
  FDriver->ClickButton(*form.BookPlayButton);
  if (!Until([&] { return form.ChapterDialog->Playing(); }, 600)) return Fail("the final chapter");
  FDriver->Tick(150);
  Shot("final-chapter");
  FDriver->SeeStoryThrough(20000);
  if (!FDriver->WaitForScene(gsEndingStory, 600)) return Fail("the ending");
  FDriver->SkipsStories = false;
  StoryPages(*form.EndingComicStrips, gsEndingStory, "ending-");
  const bool through = FDriver->SeeStoryThrough(30000);
  FDriver->SkipsStories = true;
  if (!through || !BackAtMenu("the ending")) return false;
  FDriver->ClickButton(*form.PlayButton);
  return AnswerNo("new-game") && BackAtMenu("the question of a new game");
}

void TGallery::StoryPages(const TComicStripsBase& strips, TGameSceneValues scene, const std::string& name) {
  for (int page = 1; page <= strips.StripCount(); ++page) {
    if (!Until([&] { return FDriver->Scene() != scene || strips.CurrentStrip() == page; }, 3000)) return;
    if (FDriver->Scene() != scene) return;
    FDriver->Tick(120);  // the picture has faded in and the narration begun
    Shot(name + std::to_string(page));
  }
}

bool TGallery::WriteSheet() {
  std::ofstream index(FOptions.Out / "contact-sheet.txt");
  index << FIndex;
  std::ofstream faults(FOptions.Out / "layout-faults.txt");
  for (const std::string& fault : Faults) faults << fault << '\n';
  return FSheet.Write(FOptions.Out / "contact-sheet.png") && bool(index);
}

}  // namespace qm
