// quillmere-autoplay: plays chosen levels of the real game headless, by
// clicking, as the project's soak test and performance probe.
//
//   quillmere-autoplay [--game <program folder>] [--player NAME] [--campaign]
//                      [--tools] [--keys] [--skip] [--island I] [--level L] [--rounds N]
//                      [--seed S] [--max-ticks T] [--pause P] [--render]
//                      [--reduced-effects] [--scale 1|2|auto] [--lang en|de|fr]
//
// It starts the whole game on a fake clock with the game's own save folder
// ($XDG_DATA_HOME, as the game chooses it) and clicks through the logos and
// the splash. --player chooses that player in the player list, adding them
// by typing the name when they are not listed; without it the tool answers
// a first run's name entry with a blank name, as a player in a hurry would.
// Scrolls and tool tips are read and confirmed with their OK (a round's
// line counts them as "taught"). A player new to the game hears the opening
// story, and every purchase opens its chapter dialog; the tool watches them
// to their end, or with --skip skips each by its button.
// It opens the options once and closes them with OK, and in every round
// takes a break through the in-game menu after a few moves; in the first
// round it also restarts the round and leaves it for the menu once each,
// and plays it again from the menu's Play.
// It then presses Play and, on the map, Play again, and plays round after
// round from the player's resume point (--island and --level override it):
// each move is the board's own hint search (the seed settles its ties),
// made by clicking the two tiles. After a won round it goes through the
// upgrade scene to the book's Play; with --campaign it first buys every
// upgrade it can afford there (one line per purchase), follows the map to
// each newly opened island, tries a lost level again, and once the book is
// complete presses its Play for the last chapter and the ending, back to
// the menu; a player who finished the game before has nothing left to
// play, which the campaign says ("game complete already") and ends on.
// It reads the game's state to know where to click; every change reaches
// the game through the mouse, or with --keys through the keyboard.
// --max-ticks bounds each
// round; --pause waits that many ticks after each move, as a slow player
// would (a normal round that outlasts its time then ends with bronze).
// --tools lets it use the tools as well (see ToolPlayer.h): a worm is
// sprayed, a web or a lock on a needed piece is swept or opened, and once
// the manna jar stands at its highest mark the power tools go where they
// take the most needed pieces; each round's line counts the uses. --scale
// draws (with --render) as the game would on a screen of that scale: at
// 2, every frame twice the size with the finer pictures. --lang plays in
// that language (English by default, whatever the desktop speaks). --keys
// plays with the keyboard alone, no mouse event at all: the focus is moved
// to a control and Enter pressed, the board cursor moved to a tile and
// Enter or an arrow pressed, the tools taken up by their keys. The exit
// status is 0 only when every round was won or lost.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "engine/GameRandom.h"
#include "platform/Cp1252.h"
#include "progress/NameInput.h"
#include "progress/PlayerFiles.h"
#include "shell/GameFolders.h"
#include "shell/HeadlessDriver.h"
#include "text/Language.h"
#include "ToolPlayer.h"

namespace fs = std::filesystem;

namespace {

struct TArguments {
  fs::path Game;
  std::optional<std::string> Player;
  bool Campaign = false;
  bool Tools = false;
  bool Keys = false;
  bool Skip = false;
  std::optional<int> Island;
  std::optional<int> Level;
  int Rounds = 1;
  std::uint32_t Seed = 1;
  long long MaxTicks = 60000;
  int Pause = 0;
  bool Render = false;
  bool ReducedEffects = false;
  qm::TScaleMode Scale = qm::TScaleMode::Auto;
  qm::TLanguage Language = qm::lnEnglish;
};

// A name as the game stores it: code page 1252, trimmed, in capitals.
std::string StoredName(const std::string& utf8) {
  const std::string name = qm::TNameInput::UpperCase(qm::Utf8ToCp1252(utf8));
  const auto first = name.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : name.substr(first, name.find_last_not_of(' ') - first + 1);
}

[[noreturn]] void Usage(const char* problem) {
  std::cerr << "quillmere-autoplay: " << problem << "\n"
            << "usage: quillmere-autoplay [--game <program folder>] [--player NAME] [--campaign] [--tools] [--keys]\n"
            << "                          [--skip] [--island I] [--level L] [--rounds N] [--seed S] [--max-ticks T (per round)]\n"
            << "                          [--pause P (ticks per move)] [--render] [--reduced-effects]\n"
            << "                          [--scale 1|2|auto] [--lang en|de|fr]\n";
  std::exit(2);
}

TArguments ParseArguments(int argc, char** argv) {
  TArguments arguments;
  auto number = [&](int& i) -> long long {
    if (i + 1 >= argc) Usage("missing value");
    char* end = nullptr;
    long long value = std::strtoll(argv[++i], &end, 10);
    if (*end != '\0' || value < 0) Usage("bad number");
    return value;
  };
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    if (option == "--game") {
      if (i + 1 >= argc) Usage("missing value");
      arguments.Game = argv[++i];
    } else if (option == "--player") {
      if (i + 1 >= argc) Usage("missing value");
      arguments.Player = StoredName(argv[++i]);
      if (!qm::IsEnterableName(*arguments.Player)) Usage("a name of 1 to 16 letters, digits and spaces");
    } else if (option == "--island") {
      arguments.Island = int(number(i));
    } else if (option == "--level") {
      arguments.Level = int(number(i));
    } else if (option == "--rounds") {
      arguments.Rounds = int(number(i));
    } else if (option == "--seed") {
      arguments.Seed = std::uint32_t(number(i));
    } else if (option == "--max-ticks") {
      arguments.MaxTicks = number(i);
    } else if (option == "--pause") {
      arguments.Pause = int(number(i));
    } else if (option == "--campaign") {
      arguments.Campaign = true;
    } else if (option == "--tools") {
      arguments.Tools = true;
    } else if (option == "--keys") {
      arguments.Keys = true;
    } else if (option == "--skip") {
      arguments.Skip = true;
    } else if (option == "--render") {
      arguments.Render = true;
    } else if (option == "--reduced-effects") {
      arguments.ReducedEffects = true;
    } else if (option == "--scale") {
      if (i + 1 >= argc || !qm::ScaleModeNamed(argv[i + 1])) Usage("--scale 1, 2 or auto");
      arguments.Scale = *qm::ScaleModeNamed(argv[++i]);
    } else if (option == "--lang") {
      if (i + 1 >= argc || !qm::LanguageNamed(argv[i + 1])) Usage("--lang en, de or fr");
      arguments.Language = *qm::LanguageNamed(argv[++i]);
    } else {
      Usage(("unknown option " + option).c_str());
    }
  }
  if (arguments.Island.value_or(1) < 1 || arguments.Island.value_or(1) > 5 || arguments.Level.value_or(1) < 1 ||
      arguments.Rounds < 1)
    Usage("island 1..5, level and rounds from 1");
  // The build puts the tool beside the game's program folder.
  if (arguments.Game.empty()) arguments.Game = fs::canonical("/proc/self/exe").parent_path().parent_path().parent_path() / "game";
  // Start-up enters the program folder, so a relative path would not hold.
  arguments.Game = fs::absolute(arguments.Game);
  if (!fs::exists(arguments.Game / "Texts")) Usage(("no program folder at " + arguments.Game.string()).c_str());
  return arguments;
}

const char* MedalName(qm::TMedalKind medal) {
  switch (medal) {
    case qm::mdGold:
      return "gold";
    case qm::mdSilver:
      return "silver";
    case qm::mdBronze:
      return "bronze";
    default:
      return "none";
  }
}

// What a normal round still needs, as the objectives panel counts it.
std::string Remaining(const qm::TElementGather& gather) {
  static const char* const names[qm::TElementGather::SlotCount] = {
      "potion1", "potion2", "fruit1",  "fruit2",  "fruit3",  "fruit4", "fruit5", "fruit6", "fruit7",
      "fruit8",  "flower1", "flower2", "flower3", "flower4", "spider", "gold1",  "gold2"};
  std::string text;
  for (int slot = 0; slot < qm::TElementGather::SlotCount; ++slot) {
    int left = gather.Remaining(qm::TIndividualElementKind(slot));
    if (left > 0) text += std::string(text.empty() ? "" : " ") + names[slot] + " " + std::to_string(left);
  }
  return text;
}

enum class TResult { Won, Lost, Limit, Broken };

const char* ResultName(TResult result) {
  switch (result) {
    case TResult::Won:
      return "won";
    case TResult::Lost:
      return "lost";
    case TResult::Limit:
      return "limit";
    default:
      return "broken";
  }
}

class TAutoPlayer {
 public:
  TAutoPlayer(const TArguments& arguments, const fs::path& saveRoot)
      : FArguments(arguments),
        FDriver({.ProgramFolder = arguments.Game, .SaveRoot = saveRoot, .Rendering = arguments.Render}),
        FTools(FDriver) {
    FDriver.SkipsStories = arguments.Skip;
    FDriver.KeysOnly = arguments.Keys;
    if (arguments.ReducedEffects) FDriver.Form().ReduceEffectsForThisRun();
    FDriver.Form().DisplayForThisRun(std::nullopt, arguments.Scale);
    FDriver.Form().LanguageForThisRun(arguments.Language, qm::lnEnglish);
  }

  int Run() {
    auto began = std::chrono::steady_clock::now();
    if (!FDriver.Start()) {
      std::cerr << "quillmere-autoplay: the game did not start from " << FArguments.Game << "\n";
      return 1;
    }
    if (!FDriver.ReachMenu(kStoryTicks, FArguments.Player.value_or(""))) {
      std::cerr << "quillmere-autoplay: the menu never came (scene " << int(FDriver.Scene()) << ")\n";
      return 1;
    }
    auto& form = FDriver.Form();
    if (FArguments.Player && form.PlayerName() != *FArguments.Player &&
        !FDriver.ChoosePlayer(*FArguments.Player, kStoryTicks)) {
      std::cerr << "quillmere-autoplay: the player list did not give " << qm::Cp1252ToUtf8(*FArguments.Player)
                << " (scene " << int(FDriver.Scene()) << ")\n";
      return 1;
    }
    // A player looks at the options once.
    if (!FDriver.VisitOptions(400)) {
      std::cerr << "quillmere-autoplay: the options never closed (scene " << int(FDriver.Scene()) << ")\n";
      return 1;
    }
    // The ticks to the menu include a new player's opening story.
    std::printf("player %s island %d level %d score %d  ticks to the menu %lld\n",
                qm::Cp1252ToUtf8(form.PlayerName()).c_str(), form.Progress.NextUncompletedIslandIdx,
                form.Progress.NextUncompletedLevelIdx, form.TotalScore->Value(), FDriver.Ticks());
    std::fflush(stdout);
    // The rate is measured over the rounds alone: start-up is mostly the
    // loading of pictures, which says nothing about a frame's cost.
    auto menu = std::chrono::steady_clock::now();
    long long menuTicks = FDriver.Ticks();
    int wins = 0, rounds = 0;
    std::optional<int> island = FArguments.Island, level = FArguments.Level;
    bool fromMenu = true;
    // A finished game only offers a new one at Play: the ending is not told
    // twice, and a campaign has nothing left to do.
    const bool completeAlready = form.GameComplete();
    if (FArguments.Campaign && completeAlready) std::printf("game complete already\n");
    while (rounds < FArguments.Rounds && !form.GameComplete()) {
      if (fromMenu && !PressPlay(island, level)) break;
      TResult result = PlayRound();
      ++rounds;
      if (result == TResult::Won) ++wins;
      if (result == TResult::Limit || result == TResult::Broken) break;
      // A lost round goes back to the menu. A campaign tries the level
      // again, as a player must; otherwise the level after it follows.
      fromMenu = result == TResult::Lost;
      if (fromMenu) {
        island = FArguments.Campaign ? std::nullopt : std::optional(form.Progress.IslandIdx);
        level = FArguments.Campaign ? std::nullopt : std::optional(form.Progress.LevelIdx + 1);
        continue;
      }
      if ((rounds < FArguments.Rounds || FArguments.Campaign) && !FinishResult()) break;
    }
    const bool ending = FArguments.Campaign && form.GameComplete() && (completeAlready || SeeTheEnding());
    auto end = std::chrono::steady_clock::now();
    double startUp = std::chrono::duration<double>(menu - began).count();
    double playing = std::chrono::duration<double>(end - menu).count();
    long long ticks = FDriver.Ticks() - menuTicks;
    // The game's own clock: what a player would have spent, stories included.
    const long long gameSeconds = Now() / 1000;
    std::printf("rounds %d  wins %d  losses %d  game time %lld:%02lld:%02lld  ticks %lld  seconds %.2f (start-up %.2f)  "
                "ticks/s %.0f  (%s)",
                rounds, wins, FLosses, gameSeconds / 3600, gameSeconds / 60 % 60, gameSeconds % 60, ticks, playing,
                startUp, ticks / playing, FArguments.Render ? "processor screen" : "null screen");
    if (FArguments.Campaign)
      std::printf("  islands completed %d  upgrades bought %d  ending %s", IslandsCompleted(), Bought(),
                  completeAlready ? "before" : ending ? (FArguments.Skip ? "skipped" : "watched") : "not reached");
    std::printf("  mouse events %d\n", FDriver.MouseEvents());
    // A scene change started inside another leaves the game between two.
    if (const int nested = form.GameScene->NestedChanges(); nested > 0) {
      std::cerr << "quillmere-autoplay: " << nested << " scene changes started inside another\n";
      return 1;
    }
    if (FArguments.Campaign) return ending && wins + FLosses == rounds ? 0 : 1;
    return rounds == FArguments.Rounds && wins + FLosses == rounds ? 0 : 1;
  }

 private:
  // From the menu: the resume point, overridden when asked (its island
  // open and played as for a player who got there), then Play and the
  // map's Play.
  bool PressPlay(std::optional<int> island, std::optional<int> level) {
    auto& form = FDriver.Form();
    if (island) {
      form.Progress.NextUncompletedIslandIdx = *island;
      // Played before, or the map would start the island at its first level.
      form.MapIslands->Unlock(*island);
      form.MapIslands->SelectUpTo(*island);
      form.MapIslands->MarkPlayed();
    }
    if (level) form.Progress.NextUncompletedLevelIdx = *level;
    if (!FDriver.PlayFromMenu(400)) {
      std::cerr << "quillmere-autoplay: Play did not start a round (scene " << int(FDriver.Scene()) << ")\n";
      return false;
    }
    return true;
  }

  int Bought() const {
    int bought = 0;
    for (int island = 1; island <= qm::TBuySlots::IslandCount; ++island)
      for (int slot = 1; slot <= qm::TBuySlots::SlotCount; ++slot) bought += Form().BuySlots->Slot(island, slot).Bought;
    return bought;
  }

  int IslandsCompleted() const {
    int complete = 0;
    for (int island = 1; island <= qm::TBuySlots::IslandCount; ++island) {
      bool all = true;
      for (int slot = 1; slot <= qm::TBuySlots::SlotCount; ++slot) all = all && Form().BuySlots->Slot(island, slot).Bought;
      complete += all;
    }
    return complete;
  }

  const qm::TFormMain& Form() const { return const_cast<qm::THeadlessDriver&>(FDriver).Form(); }

  // In the upgrade scene: every affordable upgrade, the last one of the
  // island as soon as the first three make room for it.
  bool BuyWhatCanBeBought() {
    auto& shop = *FDriver.Form().BuySlots;
    for (bool bought = true; bought;) {
      bought = false;
      for (int slot = 1; slot <= qm::TBuySlots::SlotCount; ++slot) {
        if (!shop.CanBuy(slot)) continue;
        if (!FDriver.BuyUpgrade(slot, kStoryTicks)) {
          std::cerr << "quillmere-autoplay: buying slot " << slot << " did not finish\n";
          return false;
        }
        std::printf("buy island %d slot %d\n", shop.IslandIdx, slot);
        std::fflush(stdout);
        bought = true;
      }
    }
    return true;
  }

  // Until the round ends: skips the banner, plays moves, and stops at the
  // win or at the boss's time-up.
  TResult PlayRound() {
    auto& form = FDriver.Form();
    long long start = FDriver.Ticks();
    // Playing time on the game's clock, from the opening of play; on a
    // normal level it goes on past the level's time.
    std::int64_t playStart = -1;
    int moves = 0;
    // What the round pays is what it adds to the accounts by its end.
    const qm::TAccounts before = form.BuySlots->Accounts();
    ++FRoundsStarted;
    FTools.ResetUses();
    long long lastToolLook = 0;
    TResult result = TResult::Limit;
    while (FDriver.Ticks() - start < FArguments.MaxTicks) {
      qm::TGameSceneValues scene = FDriver.Scene();
      if (scene == qm::gsRoundClear || scene == qm::gsStageResult) {
        result = TResult::Won;
        break;
      }
      if (scene == qm::gsTimeUp || scene == qm::gsConfirmWindow) {
        result = TResult::Lost;
        break;
      }
      if (scene == qm::gsObjectiveInfo) {
        FDriver.Click(683, 384);
        FDriver.Tick(5);
        continue;
      }
      // The guide's scroll before the level and the tool tips during it are
      // read and confirmed.
      if (scene == qm::gsTutorial || scene == qm::gsTutorialToolTip) {
        if (FDriver.ConfirmTutorial(400)) ++FTutorials;
        FDriver.Tick();
        continue;
      }
      if (scene != qm::gsMainGame) {
        result = TResult::Broken;
        break;
      }
      if (playStart < 0) playStart = Now();
      // A look at the tools now and then, as a player glances at them.
      if (FArguments.Tools && FDriver.Ticks() - lastToolLook >= kToolLookTicks) {
        lastToolLook = FDriver.Ticks();
        if (FTools.Act()) {
          FDriver.Tick();
          continue;
        }
      }
      if (FDriver.MakeHintMove()) {
        ++moves;
        if (!TakeABreak(moves)) {
          result = TResult::Broken;
          break;
        }
        FDriver.Tick(FArguments.Pause);
      }
      FDriver.Tick();
    }
    long long ticks = FDriver.Ticks() - start;
    long long played = playStart < 0 ? 0 : (Now() - playStart) / 1000;
    const qm::TLevelRecord& level = form.LevelParams->Record();
    bool boss = level.GameObjective == qm::goBossMode;
    std::string left = boss || result == TResult::Won ? "" : "  left: " + Remaining(*form.ElementGather);
    if (FArguments.Tools) left = "  tools " + std::to_string(FTools.Uses()) + left;
    if (FTutorials > 0) left = "  taught " + std::to_string(std::exchange(FTutorials, 0)) + left;
    qm::TAccounts earned = form.BuySlots->Accounts();
    for (std::size_t kind = 0; kind < earned.size(); ++kind) earned[kind] -= before[kind];
    std::printf("island %d  level %2d  %-6s  %-6s  ticks %6lld  moves %4d  score %7d  medal %-6s  timer %3d/%3d s  played %3lld s  earned %.1f/%.1f/%.1f/%.1f/%.1f%s\n",
                form.Progress.IslandIdx, form.Progress.LevelIdx, boss ? "boss" : "normal", ResultName(result), ticks,
                moves, form.TotalScore->Value(), result == TResult::Won ? MedalName(form.ResultMedal->MedalKind()) : "-",
                form.TubeTimer->ElapsedSeconds(), level.Time, played, earned[0], earned[1], earned[2], earned[3],
                earned[4], left.c_str());
    std::fflush(stdout);
    if (result == TResult::Lost) {
      ++FLosses;
      if (!DeclineRetry()) return TResult::Broken;
    }
    return result;
  }

  // Milliseconds on the game's clock.
  std::int64_t Now() {
    qm::IClock& clock = *FDriver.Platform().Clock;
    return clock.HighResolutionCounter() * 1000 / clock.HighResolutionFrequency().value_or(1000);
  }

  // The result window's OK, the upgrade scene (buying in a campaign) and
  // the book's Play, through the map when it opened a new island, until the
  // next round opens. True as well when the book is complete.
  bool FinishResult() {
    auto& form = FDriver.Form();
    if (!FDriver.LeaveResult(1200)) {
      std::cerr << "quillmere-autoplay: the result window never led on (scene " << int(FDriver.Scene()) << ")\n";
      return false;
    }
    if (FArguments.Campaign && !BuyWhatCanBeBought()) return false;
    if (form.GameComplete()) return true;
    if (!FDriver.PressBookPlay(600)) return false;
    for (int tick = 0; tick < 400; ++tick, FDriver.Tick()) {
      // A book whose last chapter was cut short by a stopped game is
      // completed by this Play; the next one leads to the ending.
      if (form.GameComplete()) return true;
      if (FDriver.Scene() == qm::gsObjectiveInfo) return true;
      if (FDriver.Scene() == qm::gsMap && !form.SceneTransition->Active()) return FDriver.PlayFromMap(400);
    }
    std::cerr << "quillmere-autoplay: the book's Play never led on (scene " << int(FDriver.Scene()) << ")\n";
    return false;
  }

  // The complete book's Play: the last chapter, the ending, the menu.
  bool SeeTheEnding() {
    if (!FDriver.PressBookPlay(600) || !FDriver.SeeStoryThrough(kStoryTicks) ||
        !FDriver.WaitForScene(qm::gsEndingStory, 400) || !FDriver.SeeStoryThrough(kStoryTicks) ||
        !FDriver.WaitForScene(qm::gsMenu, 400)) {
      std::cerr << "quillmere-autoplay: the ending never led to the menu (scene " << int(FDriver.Scene()) << ")\n";
      return false;
    }
    std::printf("ending seen, back in the menu\n");
    return true;
  }

  // Once a round, a break through the in-game menu. The run's first round
  // is also started over once and given up for the menu once, and played
  // again from the menu's Play, as a player finding their way would.
  bool TakeABreak(int moves) {
    if (moves == kPauseAtMove) return FDriver.PauseAndResume(400);
    if (FRoundsStarted > 1) return true;
    if (moves == kRestartAtMove) return FDriver.RestartRound(400);
    if (moves != kLeaveAtMove) return true;
    return FDriver.LeaveRoundForMenu(400) && PressPlay(FArguments.Island, FArguments.Level);
  }

  // The retry question after a lost boss round: No, back to the menu.
  bool DeclineRetry() {
    auto& form = FDriver.Form();
    for (int step = 0; step < 400; ++step) {
      qm::TGameSceneValues scene = FDriver.Scene();
      if (scene == qm::gsMenu && !form.SceneTransition->Active()) {
        FDriver.Tick(45);
        return true;
      }
      if (scene == qm::gsConfirmWindow && form.ConfirmWindow->QuestionKind() == 0)
        FDriver.ClickButton(form.ConfirmWindow->NegativeButton());
      FDriver.Tick(5);
    }
    std::cerr << "quillmere-autoplay: the retry question never led to the menu (scene " << int(FDriver.Scene())
              << ")\n";
    return false;
  }

  // Scrolls and tool tips confirmed in the round being played.
  int FTutorials = 0;
  static constexpr long long kToolLookTicks = 20;
  // Long enough for the longest story or chapter, watched.
  static constexpr int kStoryTicks = 20000;
  static constexpr int kPauseAtMove = 5;
  static constexpr int kRestartAtMove = 8;
  static constexpr int kLeaveAtMove = 11;
  int FRoundsStarted = 0;

  TArguments FArguments;
  qm::THeadlessDriver FDriver;
  TToolPlayer FTools;
  int FLosses = 0;
};

}  // namespace

int main(int argc, char** argv) {
  TArguments arguments = ParseArguments(argc, argv);
  // Every round's board is drawn from a reseeded sequence; seeding the
  // reseeds too makes a run repeat exactly.
  qm::GameRandom().SetSeed(arguments.Seed);
  qm::SetRandomizeClock([seed = arguments.Seed, draw = 0u]() mutable { return seed * 2654435761u + 7919u * draw++; });
  // The save folder the game itself would use.
  qm::TPosixOperatingSystem system;
  TAutoPlayer player(arguments, qm::ChooseSaveRoot(system));
  return player.Run();
}
