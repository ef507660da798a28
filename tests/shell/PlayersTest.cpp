// Players through the whole game: a first start names one, progress
// survives a restart, the list takes six and lets one go, and the table of
// high scores fills from rounds and from closing.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/SafeFile.h"
#include "progress/PlayerFiles.h"
#include "shell/FramePixels.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using testing::TTempFolder;

const fs::path kGame = QUILLMERE_GAME_DIR;

std::vector<std::uint8_t> FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// One start of the game on a save root that outlives it.
class TSession {
 public:
  explicit TSession(const fs::path& saveRoot) : FDriver({.ProgramFolder = kGame, .SaveRoot = saveRoot}) {
    FDriver.Start();
  }
  THeadlessDriver& Driver() { return FDriver; }
  TFormMain& Form() { return FDriver.Form(); }

 private:
  THeadlessDriver FDriver;
};

TEST(PlayerProgress, AFirstRunPlayerPlaysClosesAndComesBackWhereTheyLeftOff) {
  TTempFolder saves;
  int score = 0;
  {
    TSession first(saves.Path());
    ASSERT_TRUE(first.Driver().ReachMenu(3000, "  ann  "));
    EXPECT_EQ(first.Form().PlayerName(), "ANN");
    ASSERT_TRUE(first.Driver().ClearRoundFromMenu(6000));
    // What no screen of the game sets yet is kept as it was read.
    first.Form().PlayerRecord.MusicVolume = 100;
    // A combo badge still flying when the round was won lands and counts.
    first.Driver().Tick(150);
    score = first.Form().TotalScore->Value();
    EXPECT_GT(score, 0);
    first.Driver().Platform().Window->Close();
    ASSERT_TRUE(first.Driver().Terminated());
  }
  TSession again(saves.Path());
  ASSERT_TRUE(again.Driver().ReachMenu(3000)) << "no name is asked for a second time";
  EXPECT_EQ(again.Form().PlayerName(), "ANN");
  EXPECT_EQ(again.Form().TotalScore->Value(), score);
  EXPECT_EQ(again.Form().Progress.NextUncompletedIslandIdx, 1);
  EXPECT_EQ(again.Form().Progress.NextUncompletedLevelIdx, 2);
  EXPECT_EQ(again.Form().PlayerRecord.MusicVolume, 100);
  EXPECT_EQ(again.Form().HighScores->Entry(1), (THighScoreEntry{"ANN", score}));
}

// Files made by another writer of the same layouts: the names in code page
// 1252, the numbers little-endian.
TEST(PlayerProgress, FilesWrittenByHandLoadWithTheirValuesAndWriteBackTheSameBytes) {
  TTempFolder saves;
  const fs::path folder = saves.Path() / kSaveFolderName;
  fs::create_directories(folder);
  const std::string name = "\xC9LODIE STRA\xDF" "E";  // ÉLODIE STRAßE
  std::vector<std::uint8_t> players(PlayersFileSize, 0);
  players[0] = std::uint8_t(name.size());
  std::copy(name.begin(), name.end(), players.begin() + 1);
  players[102] = std::uint8_t(name.size());
  std::copy(name.begin(), name.end(), players.begin() + 103);
  std::ofstream(folder / "Players.dat", std::ios::binary).write(reinterpret_cast<const char*>(players.data()), 358);

  std::vector<std::uint8_t> record(ProgressRecordSize, 0);
  auto putInt = [&](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) record[at + i] = std::uint8_t(value >> (8 * i));
  };
  putInt(0, 123456);
  record[67] = 4;
  putInt(68, 7);
  record[78] = record[79] = record[80] = record[81] = 1;
  record[130] = record[131] = record[133] = 0;  // sound, music, tutorials off
  record[132] = 0;                              // windowed
  putInt(136, 0);
  putInt(140, 100);
  const fs::path file = folder / "\xC3\x89LODIE STRA\xC3\x9F" "E.sav";
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(record.data()), 144);

  TSession session(saves.Path());
  EXPECT_FALSE(session.Form().State.StartFullScreen) << "the last player chose a window";
  ASSERT_TRUE(session.Driver().ReachMenu(3000));
  TFormMain& form = session.Form();
  EXPECT_EQ(form.PlayerName(), name);
  EXPECT_EQ(form.TotalScore->Value(), 123456);
  EXPECT_EQ(form.Progress.NextUncompletedIslandIdx, 4);
  EXPECT_EQ(form.Progress.NextUncompletedLevelIdx, 7);
  EXPECT_EQ(form.PlayerRecord.SoundVolume, 0);
  EXPECT_EQ(form.PlayerRecord.MusicVolume, 100);
  form.SaveProgress(true);
  EXPECT_EQ(FileBytes(file), record);
}

// The list window: New only while there is room, Delete asks and then
// takes the selected player and their file.
class PlayerList : public ::testing::Test {
 protected:
  void StartWith(std::initializer_list<const char*> names) {
    for (const char* name : names) game.AddSavedPlayer(name, DefaultProgressRecord());
    game.Start();
    ASSERT_TRUE(game.Driver().ReachMenu(3000));
    game.Driver().ClickButton(*Form().ChangePlayerLink);
    ASSERT_EQ(game.Scene(), gsPlayerSelect);
    game.RunTicks(10);
  }
  TFormMain& Form() { return game.Form(); }
  void ClickRow(int row) {
    const TNameList& list = *Form().NameList;
    game.Click(list.Left + 100, list.Top + (row - 1) * list.VertGap + 10);
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int slot = 1; slot <= TNameList::SlotCount; ++slot) names.push_back(Form().NameList->Name(slot));
    return names;
  }

  testing::THeadlessGame game{{.WithContent = true}};
};

TEST_F(PlayerList, SixPlayersLeaveNoRoomForASeventh) {
  StartWith({"A", "B", "C", "D", "E", "F"});
  EXPECT_FALSE(Form().NameListNewButton->Enabled);
  game.Driver().ClickButton(*Form().NameListNewButton);
  EXPECT_EQ(game.Scene(), gsPlayerSelect);
}

TEST_F(PlayerList, DeletingPlayerTwoOfFourMovesTheOthersUpAndTakesItsFile) {
  StartWith({"ANN", "BEN", "CAT", "DAN"});
  ClickRow(2);
  EXPECT_EQ(Form().NameList->Selected(), 2);
  game.Driver().ClickButton(*Form().NameListDeleteButton);
  ASSERT_EQ(game.Scene(), gsConfirmWindow);
  EXPECT_EQ(Form().ConfirmWindow->QuestionKind(), 2);
  game.RunTicks(10);
  game.Driver().ClickButton(Form().ConfirmWindow->PositiveButton());
  ASSERT_TRUE(game.RunUntilScene(gsPlayerSelect, 40));
  EXPECT_EQ(Names(), (std::vector<std::string>{"ANN", "CAT", "DAN", "", "", ""}));
  EXPECT_EQ(Form().NameList->Selected(), 2);
  EXPECT_FALSE(fs::exists(game.SaveFolder() / "BEN.sav"));
  EXPECT_TRUE(fs::exists(game.SaveFolder() / "CAT.sav"));

  // OK with another player chosen: that player's progress comes in, and
  // their story, which they have not heard yet.
  game.Driver().ClickButton(*Form().NameListOKButton);
  ASSERT_TRUE(game.RunUntilScene(gsOpeningStory, 40));
  ASSERT_TRUE(game.Driver().SeeStoryThrough(100));
  ASSERT_TRUE(game.Driver().WaitForScene(gsMenu, 200));
  EXPECT_EQ(Form().PlayerName(), "CAT");
}

// The name entry under the list: a taken name asks, the developer's code
// adds nobody.
TEST_F(PlayerList, AnEmptyNameIsRefusedWithANoticeAndTheEntryStays) {
  StartWith({"ANN"});
  game.Driver().ClickButton(*Form().NameListNewButton);
  ASSERT_EQ(game.Scene(), gsAddPlayer);
  game.RunTicks(10);
  game.Type("  \r");
  game.RunTicks(10);
  EXPECT_EQ(game.Scene(), gsAddPlayer);
  EXPECT_EQ(Form().NameInput->Notice(), TNameInput::nnEmpty);
  EXPECT_EQ(Form().NameList->Count(), 1);
}

TEST_F(PlayerList, TheNameEntryRefusesATakenNameAndTakesTheDevelopersCode) {
  StartWith({"ANN"});
  const struct {
    const char* Typed;
    TGameSceneValues After;
    int Players;
    bool DeveloperMode;
  } cases[] = {{"ann", gsConfirmWindow, 1, false}, {"DEBUG GO", gsPlayerSelect, 1, true},
               {"Zo\xEB", gsPlayerSelect, 2, true}};
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.Typed);
    game.Driver().ClickButton(*Form().NameListNewButton);
    ASSERT_EQ(game.Scene(), gsAddPlayer);
    game.RunTicks(10);
    game.Type(entry.Typed);
    game.Type("\r");
    game.RunTicks(10);
    EXPECT_EQ(game.Scene(), entry.After);
    EXPECT_EQ(Form().NameList->Count(), entry.Players);
    EXPECT_EQ(Form().State.DeveloperMode, entry.DeveloperMode);
    if (game.Scene() == gsConfirmWindow) {
      EXPECT_EQ(Form().ConfirmWindow->QuestionKind(), 6);
      game.Driver().ClickButton(Form().ConfirmWindow->NegativeButton());
      ASSERT_TRUE(game.RunUntilScene(gsPlayerSelect, 40));
    }
  }
  EXPECT_EQ(Form().NameList->Name(2), "ZO\xCB") << "ë typed as Ë";
  EXPECT_TRUE(fs::exists(game.SaveFolder() / "ZO\xC3\x8B.sav")) << "a new player is saved at once";
  game.Driver().ClickButton(*Form().NameListOKButton);
  EXPECT_TRUE(game.RunUntilScene(gsOpeningStory, 60)) << "the new player hears the story";
}

TEST(HighScoreTable, AClearedRoundAndTheCloseBothSubmit) {
  testing::THeadlessGame game({.WithContent = true});
  game.AddSavedPlayer("ANN", DefaultProgressRecord());
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(3000));
  ASSERT_TRUE(game.Driver().ClearRoundFromMenu(6000));
  const int cleared = game.Form().TotalScore->Value();
  EXPECT_EQ(game.Form().HighScores->Entry(1), (THighScoreEntry{"ANN", cleared}));

  // Closing offers the score once more and writes the table.
  game.Form().TotalScore->SetValue(cleared + 500);
  game.Window().Close();
  THighScores written;
  written.NormalModeFileName = game.SaveFolder() / "HighScores.dat";
  written.Load();
  EXPECT_EQ(written.Entry(1), (THighScoreEntry{"ANN", cleared + 500}));
}

TEST(HighScoreTable, TheWindowShowsEveryRankWithAWideNameCutToFit) {
  testing::THeadlessGame game({.Rendering = true, .WithContent = true});
  game.AddSavedPlayer("ANN", DefaultProgressRecord());
  THighScores::TTable table{{{"WWWWWWWWWWWWWWWW", 987654}, {"ANN", 4321}, {"BEN", 300}, {"CAT", 20}, {"DAN", 1}}};
  std::string error;
  ASSERT_TRUE(WriteFileSafely(game.SaveFolder() / "HighScores.dat", EncodeHighScores(table), error)) << error;
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(3000));
  game.Driver().ClickButton(*game.Form().HighScoresButton);
  ASSERT_EQ(game.Scene(), gsHighScores);
  game.RunTicks(12);
  auto frame = game.Frame();
  ASSERT_TRUE(frame);
  game.CaptureFrame("players-high-scores");
  // Each rank's line is written in light letters on the window; the wide
  // name gives way so its line ends inside the table.
  const TScreenPoint window = game.Form().HighScoresWindow->Position();
  auto light = [](int r, int g, int b) { return r + g + b > 600; };
  for (int rank = 1; rank <= THighScores::RankCount; ++rank) {
    const int y = window.Y + 50 + 45 * rank;
    EXPECT_GT(testing::CountPixels(*frame, {window.X + 60, y - 14, window.X + 310, y + 6}, light), 40) << rank;
  }
  const int firstY = window.Y + 95;
  EXPECT_EQ(testing::CountPixels(*frame, {window.X + 83 + 240, firstY - 14, window.X + 380, firstY + 6}, light), 0);
  game.Driver().ClickButton(*game.Form().HighScoresOKButton);
  EXPECT_TRUE(game.RunUntilScene(gsMenu, 40));
}

// A save that cannot be written is told once and the game plays on.
TEST(SaveFailure, ASaveThatCannotBeWrittenIsToldOnceAndPlayGoesOn) {
  testing::THeadlessGame game({.WithContent = true});
  game.AddSavedPlayer("ANN", DefaultProgressRecord());
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(3000));
  // A folder where the temporary file would go blocks every write, even
  // for a user the permissions do not stop.
  fs::create_directory(game.SaveFolder() / "ANN.sav.tmp");
  const auto before = FileBytes(game.SaveFolder() / "ANN.sav");
  ::testing::internal::CaptureStderr();
  for (int save = 0; save < 3; ++save) game.Form().SaveProgress(true);
  const std::string told = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(told.find("progress could not be saved"), std::string::npos);
  EXPECT_EQ(told.find("progress could not be saved"), told.rfind("progress could not be saved")) << "told once";
  EXPECT_EQ(FileBytes(game.SaveFolder() / "ANN.sav"), before) << "the old file stays whole";
  EXPECT_TRUE(game.Driver().PlayFromMenu(400)) << "play goes on";
}

// A kill between writing and renaming leaves the temporary file beside the
// old one: the old one is read and the next save replaces both.
TEST(SaveFailure, ATemporaryFileLeftByAKillLosesNothing) {
  testing::THeadlessGame game({.WithContent = true});
  TProgressRecord saved = DefaultProgressRecord();
  saved.TotalScore = 777;
  game.AddSavedPlayer("ANN", saved);
  std::ofstream(game.SaveFolder() / "ANN.sav.tmp", std::ios::binary) << "half a rec";
  std::ofstream(game.SaveFolder() / "Players.dat.tmp", std::ios::binary) << "half";
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(3000));
  EXPECT_EQ(game.Form().PlayerName(), "ANN");
  EXPECT_EQ(game.Form().TotalScore->Value(), 777);
  game.Form().SaveProgress(true);
  EXPECT_FALSE(fs::exists(game.SaveFolder() / "ANN.sav.tmp"));
  EXPECT_EQ(ReadProgressFile(game.SaveFolder() / "ANN.sav")->TotalScore, 777);
}

}  // namespace
}  // namespace qm
