// A round through the shell for the tests: levels written by the test, a
// player with a score of their own, and clicks on the board's tiles.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "board/BoardRig.h"
#include "platform/SilentAudioDevice.h"
#include "rules/LevelFileWriter.h"
#include "shell/HeadlessGame.h"

namespace qm::testing {

// A small normal level: bananas to collect on an 8 x 8 board.
inline TLevelRecord SmallLevel(int bananas, TGameObjective objective = goNormalMode) {
  TLevelRecord level;
  level.GameObjective = objective;
  level.TargetBananas = bananas;
  for (int code = 1; code <= 5; ++code) level.AllowedElements.set(code);
  level.Time = 120;
  level.FullRequiredFruits = 200;
  level.FruitsInterval = 60;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& tile = level.Board.At(x, y);
      tile = TBoardTile{};
      tile.ObjectKind = (x <= 8 && y <= 8) ? okFruit : okUnused;
      tile.Element = 1;
      tile.LockerColor = 1;
    }
  return level;
}

// No line anywhere; swapping (3,1) with (3,2) lines up three bananas.
inline TBoardData FixedBoard() {
  return BoardFromRows({"AABCDEBC", "CDAEBCDE", "DECDEBCD", "EBDECDEB", "BCEBDEBC", "CDBCEBCD", "DECDBCDE",
                        "EBDECDEB"});
}

// As FixedBoard, but swapping (3,1) with (3,2) lines up five bananas.
inline TBoardData FiveBoard() {
  return BoardFromRows({"AABAAEBC", "CDAEBCDE", "DECDEBCD", "EBDECDEB", "BCEBDEBC", "CDBCEBCD", "DECDBCDE",
                        "EBDECDEB"});
}

class RoundThroughTheShell : public ::testing::Test {
 protected:
  explicit RoundThroughTheShell(bool rendering = false) : game({.Rendering = rendering, .WithContent = true}) {}

  void SetUp() override {
    for (int level = 1; level <= 3; ++level) {
      TLevelFileWriter writer;
      ASSERT_TRUE(writer.Write(levels.Path() / LevelFileName(1, level), SmallLevel(6)));
    }
    game.Form().OnShowStartupDialog = {};
    game.Start();
    game.Form().LevelParams->LevelFilesPath = levels.Path();
    // A player with a score of their own, so that a submission shows in
    // the high-score table.
    game.Form().LoadProgress("ANN");
    // The round's rules are the subject here, not the guide's lessons.
    game.Form().PlayerRecord.TutorialsOn = 0;
    game.Form().ApplySettings();
    game.Form().TotalScore->SetValue(kScoreBefore);
    ASSERT_TRUE(game.RunUntilScene(gsSplash, 400));
    game.RunTicks(80);  // the start-up pictures are in
  }

  void StartRound() {
    game.Form().StartLevel();
    ASSERT_TRUE(game.RunUntilScene(gsObjectiveInfo, 60));
  }

  void PlayFromBanner() {
    game.RunTicks(60);
    game.Click(683, 300);
    ASSERT_TRUE(game.RunUntilScene(gsMainGame, 200));
    Settle();
    game.Form().GameBoard().LoadBoardData(FixedBoard());
  }

  // Plays the level written as level 1 again, with what the test changed.
  void WriteLevel(const TLevelRecord& level, int number = 1) {
    TLevelFileWriter writer;
    ASSERT_TRUE(writer.Write(levels.Path() / LevelFileName(1, number), level));
  }

  void Swap(TPoint first, TPoint second) {
    TPoint a = Middle(first), b = Middle(second);
    game.Click(a.X, a.Y);
    game.Click(b.X, b.Y);
  }

  void Settle() {
    for (int tick = 0; tick < 600 && (Play().Moving() || Play().PiecesInFlight()); ++tick) game.RunTicks(1);
  }

  // Two lines of three bananas on the fixed board: every target collected,
  // the round won; runs until the board stops or the round is no longer on.
  void CollectEveryTarget() {
    for (int swap = 0; swap < 2; ++swap) {
      game.Form().GameBoard().LoadBoardData(FixedBoard());
      Swap({3, 1}, {3, 2});
      for (int tick = 0; tick < 300 && game.Scene() == gsMainGame && (Play().Moving() || Play().PiecesInFlight());
           ++tick)
        game.RunTicks(1);
    }
  }

  TPoint Middle(TPoint tile) {
    TPoint corner = game.Form().GameBoard().TilePixel(tile);
    return {corner.X + 26, corner.Y + 26};
  }

  int BananasLeft() { return game.Form().ElementGather->Remaining(ieFruit1); }
  TRoundPlay& Play() { return *game.Form().RoundPlay; }

  TTempFolder levels;
  THeadlessGame game;
  static constexpr int kScoreBefore = 1000;
  int Earned() { return game.Form().TotalScore->Value() - kScoreBefore; }
  float FruitOwned() { return game.Form().BuySlots->Accounts()[elFruit]; }
  bool ScoreSubmitted() { return game.Form().HighScores->Entry(1).Name == "ANN"; }
  // How often a sound or track (its file name without ".ogg") was played,
  // as the silent audio device heard it.
  int TimesPlayed(const std::string& name) { return game.TimesPlayed(name); }
};

}  // namespace qm::testing
