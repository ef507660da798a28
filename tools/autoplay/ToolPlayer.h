#pragma once

#include "board/GeneralDataClass.h"
#include "shell/HeadlessDriver.h"

// The autoplay's tools, used as a player would: a tool is picked off its
// holder by a click, moved over the board to see what it would take, and
// dropped where it takes the most of what the round still needs, or sent
// home by a click off the board. Only clicks and pointer moves reach the
// game, or the keys the driver turns them into when it plays by keys.
class TToolPlayer {
 public:
  explicit TToolPlayer(qm::THeadlessDriver& driver) : FDriver(driver) {}

  // One look at a board at rest; true when a tool was used or one in the
  // hand was sent home.
  bool Act();
  int Uses() const { return FUses; }
  void ResetUses() { FUses = 0; }

 private:
  bool SendCountedToolHome();
  bool SprayAWorm();
  bool SweepANeededWeb();
  bool OpenANeededLock();
  bool UsePowerTool();
  bool UseCounted(const qm::TCountedTool& tool, qm::TPoint tile);
  // With the tool carried: the pointer over every tile; the one whose lit
  // area holds the most needed pieces, and how many.
  qm::TPoint BestTile(int& gain);
  int NeededUnderHighlight();
  // A piece the round still needs: one the objectives count, one under a
  // needed potion, or any piece in a round without objectives.
  bool Needed(qm::TPoint tile);
  bool IsNeededPiece(qm::TPoint tile);
  void ClickOffTheBoard();

  qm::THeadlessDriver& FDriver;
  int FUses = 0;
};
