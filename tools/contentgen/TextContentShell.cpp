// Words of the shell: titles, captions, confirm questions, comments, credits.
#include "TextContent.h"
#include "text/GameTextIds.h"

namespace contentgen {

std::vector<TTextEntry> GameTexts() {
  namespace id = qm::GameTextId;
  return {
      {id::WindowTitle, "Quillmere"},
      {id::TransitionCaption, "Just a moment..."},
      {id::MenuWelcome, "Welcome, {name}!"},
      {id::HighScoresTitle, "Best Gardeners"},
      {id::HighScorePlaceholder, "---"},
      {id::DefaultPlayerName, "Gardener"},
      {id::BoughtLabel, "Bought"},
      {id::ChapterCompletePrefix, "Chapter {number} complete!"},
      {id::AllComplete, "Quillmere is rebuilt!"},
      {id::IslandMessage(1), "Island 1: Blossom Bay"},
      {id::IslandMessage(2), "Island 2: Whisperwood"},
      {id::IslandMessage(3), "Island 3: Goldcliff"},
      {id::IslandMessage(4), "Island 4: Mistmere"},
      {id::IslandMessage(5), "Island 5: Cloudspire"},
      {id::CreditsTitle, "Credits"},
      {id::SoundLabel, "Sound"},
      {id::MusicLabel, "Music"},
      {id::FullScreenLabel, "Full screen"},
      {id::TutorialsLabel, "Tutorials"},
      {id::ResultGoldTitle, "Gold medal!"},
      {id::ResultSilverTitle, "Silver medal"},
      {id::ResultBronzeTitle, "Bronze medal"},
      {id::ResultTimeLabel, "Time"},
      {id::ResultScoreLabel, "Score"},
      {id::ResultBonusLabel, "Gold bonus"},
      {id::NameEntryTitle, "New player"},
      {id::NameEntryPrompt, "Type your name, then OK"},
      {id::NameRefusedNotice, "Letters, digits and spaces only"},
      {id::NameFullNotice, "A name has 16 letters at most"},
      {id::NameEmptyNotice, "Type a name first"},
      {id::BookProgressLabel, "Rebuilding progress"},
      {id::ReducedEffectsLabel, "Reduced effects"},
      {id::LevelLabel, "Level"},
  };
}

std::vector<TTextEntry> ConfirmTexts() {
  namespace id = qm::ConfirmTextId;
  return {
      {id::RetryBoardTitle, "Out of time!"},
      {id::RetryBoardDesc, "The guardian got away this time. Do you want to try this level again?"},
      {id::LeaveRoundTitle, "Leave this round?"},
      {id::LeaveRoundDesc, "Everything you collected in this round will be lost. Leave anyway?"},
      {id::ExitGameTitle, "Quit Quillmere?"},
      {id::ExitGameDesc, "Do you really want to leave the islands? Your progress is saved."},
      {id::DeletePlayerTitle, "Delete this player?"},
      {id::DeletePlayerDesc, "The player and all of their progress will be gone for good."},
      {id::NameTakenTitle, "Name taken"},
      {id::NameTakenDesc, "A player with this name already exists. Would you like to enter another name?"},
      {id::DisplayModeTitle, "Change display mode?"},
      {id::DisplayModeDesc, "Switch between full screen and a window now?"},
      {id::NewGameTitle, "Start a new game?"},
      {id::NewGameDesc, "Quillmere is rebuilt! A new game wipes this player's progress and starts again on the first island."},
  };
}

std::vector<TTextEntry> CommentTexts() {
  namespace id = qm::CommentTextId;
  return {
      {id::Go, "Go!"},
      {id::TimeUp, "Time is up!"},
      {id::RoundClear, "Round clear!"},
      {id::BossVictory, "Guardian calmed!"},
      {id::NoMoreMoves, "No more moves!"},
      {id::HurryUp, "Hurry up!"},
      {id::FlowerReward1, "Lovely flower!"},
      {id::FlowerReward2, "A rare bloom!"},
      {id::MedalTimeOver, "Bronze now - no hurry!"},
  };
}

std::vector<std::string_view> CreditLines() {
  return {
      "#Quillmere",
      "A garden tale of five islands",
      "",
      "#Story and design",
      "The Quillmere team",
      "",
      "#Programming",
      "The Quillmere team",
      "",
      "#Pictures",
      "Drawn by our own generator",
      "with the Cairo graphics library",
      "",
      "#Lettering",
      "DejaVu Sans Bold",
      "by the Bitstream Vera",
      "and DejaVu authors",
      "",
      "#Music and sounds",
      "Made by our own generator",
      "",
      "#Built with",
      "SDL2 and its mixer library",
      "libpng, zlib and libjpeg",
      "",
      "#Starring",
      "Bram, the gardener",
      "Wren, his feathered friend",
      "and the people of Quillmere",
      "",
      "#Special thanks",
      "To everyone who planted",
      "a tree after the storm",
      "",
      "#Thank you for playing!",
      "",
      "",
      "",
      "",
  };
}

}  // namespace contentgen
