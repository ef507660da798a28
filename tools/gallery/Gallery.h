#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ContactSheet.h"
#include "shell/HeadlessDriver.h"
#include "text/Language.h"

namespace qm {

// Walks the real game headless as a new player would, from the logos through
// a first round, its result and the upgrade scene, then (with the resume
// point set as a player who got there would have it) the first level and the
// guardian of every island, and draws each screen on the way into OUT as
// "NNN-name.png", with "contact-sheet.png" of them all.
class TGallery {
 public:
  struct TOptions {
    std::filesystem::path Out;
    std::filesystem::path Game;
    // Only the first screens, up to the first round (for the test).
    bool Sample = false;
    TLanguage Language = lnEnglish;
    // Every press from the keyboard: the focus ring and board cursor show.
    bool Keys = false;
  };
  explicit TGallery(const TOptions& options);
  ~TGallery();

  // False when a screen was not reached; Error then says which.
  bool Walk();
  // Writes the contact sheet and its index; false when a file failed.
  bool WriteSheet();
  int Frames() const { return FSheet.Count(); }
  std::string Error;
  // What the layout and contrast checks found in the frames drawn, one line
  // each: "NNN-name.png: what".
  std::vector<std::string> Faults;

 private:
  void Shot(const std::string& name);
  // Runs ticks until the condition holds; false after maxTicks.
  bool Until(const std::function<bool()>& condition, int maxTicks = 600);
  bool Fail(const std::string& what);
  bool WindowShown(const TGameMenuWindow& window) const;
  // From the menu: open, then once shown and settled its picture, then close
  // and back in the menu.
  bool MenuWindow(const TGameButton& open, const std::function<bool()>& shown, const std::string& name,
                  const TGameButton& close, int settleTicks);
  bool BackAtMenu(const std::string& after);

  bool StartToNameEntry();
  bool NameEntryToMenu();
  bool MenuWindows();
  // Toggles full screen in the options shown and answers the question No.
  bool DisplayModeQuestion(const std::string& name);
  bool MapAndBanner();
  bool FirstRound();
  // From a round: its options and their question, its help, and the question
  // of closing the game in a round.
  bool RoundWindows();
  bool ResultAndUpgradeScene();
  // The slot of the upgrade scene bought: the cheer, its chat, the town after.
  bool Purchase(int slot, const std::string& suffix);
  // From the upgrade scene's Menu: the map, banner and round of each island's
  // first level and of each guardian.
  bool EveryIsland();
  bool IslandRound(int island, int level);
  // Left alone, the guardian's tube runs dry and the game asks to retry.
  bool OutOfTime();
  // Left alone, a normal level's medal time passes and the game says so.
  bool MedalTimeOver();
  // Every upgrade of the other islands bought, each town drawn, and the
  // last purchase's chapter and ending watched; then the menu's question of
  // a new game.
  bool TownAndEnding();
  bool Ending();
  // Each picture of a story once it has faded in.
  void StoryPages(const TComicStripsBase& strips, TGameSceneValues scene, const std::string& name);
  // The menu's questions: leaving the game, deleting a player, a name taken.
  bool MenuQuestions();
  bool AnswerNo(const std::string& name);
  // Island 1's second level played slowly, a move every pauseTicks, for
  // the results of a slower player; back to the menu by the upgrade scene.
  bool SlowRound(int pauseTicks);

  // The banner once the round's panels have come in behind it.
  void ObjectivesAtRest();
  // The result once the round's panels have gone.
  void ResultAtRest();
  // Shows every scroll or tool tip that comes up, then confirms it.
  void ShotTutorials();

  TOptions FOptions;
  std::filesystem::path FSaves;
  std::unique_ptr<THeadlessDriver> FDriver;
  TContactSheet FSheet;
  std::string FIndex;
};

}  // namespace qm
